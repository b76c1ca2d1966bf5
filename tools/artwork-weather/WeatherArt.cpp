#include "WeatherArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace WeatherArt {
namespace {

void Sun(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(QPen(QColor(255, 170, 20), radius * 0.16, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        const qreal angle = qDegreesToRadians(ray * 30.0);
        const QPointF direction(qCos(angle), qSin(angle));
        p.drawLine(centre + direction * radius * 1.25, centre + direction * radius * 1.6);
    }
    QRadialGradient body(centre - QPointF(radius, radius) * 0.3, radius * 1.3);
    body.setColorAt(0, QColor(255, 250, 170));
    body.setColorAt(0.55, QColor(255, 205, 40));
    body.setColorAt(1, QColor(245, 140, 10));
    p.setPen(QPen(QColor(225, 120, 0), radius * 0.06));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

// A cumulus outline: a flat base with three puffs on top, `box` its bounding rectangle.
QPainterPath CloudShape(const QRectF &box)
{
    const qreal w = box.width(), h = box.height();
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the puffs overlap; simplified() then merges them
    path.addRoundedRect(QRectF(box.left(), box.top() + h * 0.45, w, h * 0.55), h * 0.27, h * 0.27);
    path.addEllipse(QRectF(box.left() + w * 0.10, box.top() + h * 0.25, w * 0.38, h * 0.62));
    path.addEllipse(QRectF(box.left() + w * 0.30, box.top(), w * 0.46, h * 0.85));
    path.addEllipse(QRectF(box.left() + w * 0.60, box.top() + h * 0.30, w * 0.32, h * 0.55));
    return path.simplified();
}

void Cloud(QPainter &p, const QRectF &box, QColor top, QColor bottom)
{
    p.save();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(135), 2));
    p.setBrush(fill);
    p.drawPath(CloudShape(box));
    p.restore();
}

void WhiteCloud(QPainter &p, const QRectF &box)
{
    Cloud(p, box, QColor(255, 255, 255), QColor(200, 214, 232));
}

void DarkCloud(QPainter &p, const QRectF &box)
{
    Cloud(p, box, QColor(150, 158, 172), QColor(88, 96, 112));
}

void Drops(QPainter &p, qreal left, qreal right, qreal top, int count, qreal length)
{
    p.save();
    p.setPen(QPen(QColor(40, 120, 230), length * 0.22, Qt::SolidLine, Qt::RoundCap));
    const qreal step = (right - left) / qMax(1, count - 1);
    for (int i = 0; i < count; ++i) {
        const QPointF start(left + i * step, top + (i % 2) * length * 0.5);
        p.drawLine(start, start + QPointF(-length * 0.35, length));
    }
    p.restore();
}

void Flake(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(QPen(QColor(110, 170, 235), radius * 0.28, Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 3; ++arm) {
        const qreal angle = qDegreesToRadians(90.0 + arm * 60.0);
        const QPointF d(qCos(angle) * radius, qSin(angle) * radius);
        p.drawLine(centre - d, centre + d);
    }
    p.setPen(QPen(Qt::white, radius * 0.12, Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 3; ++arm) {
        const qreal angle = qDegreesToRadians(90.0 + arm * 60.0);
        const QPointF d(qCos(angle) * radius * 0.8, qSin(angle) * radius * 0.8);
        p.drawLine(centre - d, centre + d);
    }
    p.restore();
}

void Bolt(QPainter &p, QPointF top, qreal height)
{
    const qreal u = height / 10;
    const QPolygonF bolt{top,
                         top + QPointF(-3 * u, 5 * u),
                         top + QPointF(-0.5 * u, 5 * u),
                         top + QPointF(-2.5 * u, 10 * u),
                         top + QPointF(3.5 * u, 3.5 * u),
                         top + QPointF(0.8 * u, 3.5 * u),
                         top + QPointF(2.5 * u, 0)};
    p.save();
    p.setPen(QPen(QColor(210, 130, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 215, 30));
    p.drawPolygon(bolt);
    p.restore();
}

void HazeLines(QPainter &p, const QRectF &band, int count)
{
    p.save();
    const qreal step = band.height() / count;
    for (int i = 0; i < count; ++i) {
        const qreal y = band.top() + step * (i + 0.5);
        QPainterPath wave(QPointF(band.left() + (i % 2) * 10, y));
        for (qreal x = band.left() + (i % 2) * 10; x < band.right() - 10; x += 20) {
            wave.quadTo(QPointF(x + 5, y - 4), QPointF(x + 10, y));
            wave.quadTo(QPointF(x + 15, y + 4), QPointF(x + 20, y));
        }
        p.setPen(QPen(QColor(160, 140, 110, 230), step * 0.42, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wave);
    }
    p.restore();
}

} // namespace

QImage Draw(Scene scene, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Every scene is drawn on a 200 x 111 canvas and scaled to the requested size.
    p.scale(size.width() / 200.0, size.height() / 111.0);
    const QRectF cloud(45, 14, 115, 62);
    switch (scene) {
    case Scene::Clear:
        Sun(p, {100, 55.5}, 31);
        break;
    case Scene::CloudSun:
        Sun(p, {78, 40}, 26);
        WhiteCloud(p, QRectF(62, 34, 118, 66));
        break;
    case Scene::SunRain:
        Sun(p, {70, 32}, 22);
        WhiteCloud(p, cloud.translated(10, 0));
        Drops(p, 72, 152, 82, 5, 18);
        break;
    case Scene::Rain:
        DarkCloud(p, cloud);
        Drops(p, 68, 140, 82, 4, 20);
        break;
    case Scene::HeavyRain:
        Cloud(p, cloud, QColor(190, 196, 206), QColor(120, 128, 142));
        Drops(p, 60, 150, 80, 7, 24);
        break;
    case Scene::Sleet:
        Cloud(p, cloud, QColor(235, 240, 248), QColor(160, 172, 192));
        Drops(p, 66, 126, 82, 3, 19);
        Flake(p, {88, 96}, 9);
        Flake(p, {136, 94}, 9);
        break;
    case Scene::Snow:
        Cloud(p, cloud, QColor(250, 252, 255), QColor(178, 192, 214));
        Flake(p, {72, 92}, 10);
        Flake(p, {102, 98}, 10);
        Flake(p, {132, 92}, 10);
        break;
    case Scene::Thunder:
        DarkCloud(p, cloud);
        Drops(p, 66, 92, 82, 2, 20);
        Drops(p, 128, 150, 82, 2, 20);
        Bolt(p, {112, 64}, 44);
        break;
    case Scene::Haze:
        Cloud(p, QRectF(30, 8, 90, 50), QColor(215, 208, 196), QColor(165, 156, 140));
        Cloud(p, QRectF(86, 18, 90, 50), QColor(228, 222, 212), QColor(176, 166, 150));
        HazeLines(p, QRectF(22, 66, 160, 40), 3);
        break;
    }
    return image;
}

} // namespace WeatherArt
