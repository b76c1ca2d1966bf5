#include "tools/contact-sheet/SlideArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace SlideArt {

static void DrawHills(QPainter &p, const QSize &size, double baseline, double height, double phase,
                      const QColor &colour)
{
    QPainterPath hills;
    hills.moveTo(0, size.height());
    for (int x = 0; x <= size.width(); x += 4) {
        const double u = double(x) / size.width();
        const double y = baseline - height * (0.6 * std::sin(u * 7 + phase) +
                                              0.4 * std::sin(u * 17 + 2 * phase));
        hills.lineTo(x, y);
    }
    hills.lineTo(size.width(), size.height());
    p.fillPath(hills, colour);
}

QImage Backdrop()
{
    const QSize size(420, 276);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = 170;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(28, 40, 92));
    sky.setColorAt(0.55, QColor(196, 104, 120));
    sky.setColorAt(1, QColor(252, 196, 120));
    p.fillRect(QRectF(0, 0, size.width(), horizon), sky);
    QRadialGradient sun(300, 150, 60);
    sun.setColorAt(0, QColor(255, 244, 200));
    sun.setColorAt(0.3, QColor(255, 220, 150, 220));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(QRectF(0, 0, size.width(), horizon), sun);
    DrawHills(p, size, 150, 18, 0.4, QColor(92, 70, 110));
    DrawHills(p, size, 164, 10, 2.1, QColor(48, 46, 78));
    QLinearGradient water(0, horizon, 0, size.height());
    water.setColorAt(0, QColor(210, 150, 120));
    water.setColorAt(1, QColor(24, 30, 64));
    p.fillRect(QRectF(0, horizon, size.width(), size.height() - horizon), water);
    // The sun's glitter on the water, and a little grain as a photograph has.
    std::mt19937 grain(420276);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 260; ++i) {
        const double y = horizon + 4 + unit(grain) * 90;
        const double spread = 8 + (y - horizon) * 0.7;
        const double x = 300 + (unit(grain) - 0.5) * 2 * spread;
        p.fillRect(QRectF(x, y, 3 + unit(grain) * 9, 1.2), QColor(255, 230, 180, 150));
    }
    p.end();
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int n = int(unit(grain) * 9) - 4;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                           qBound(0, qBlue(c) + n, 255));
        }
    }
    return image;
}

QImage Sample(int which, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const double w = size.width(), h = size.height();
    if (which == 0) {
        // Warm: horizontal stripes, a sun disc at the upper left, a red triangle.
        for (int i = 0; i < 8; ++i)
            p.fillRect(QRectF(0, h * i / 8, w, h / 8 + 1),
                       i % 2 ? QColor(250, 200, 90) : QColor(240, 150, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 245, 200));
        p.drawEllipse(QPointF(w * 0.28, h * 0.35), h * 0.22, h * 0.22);
        p.setBrush(QColor(190, 40, 40));
        p.drawPolygon(QPolygonF(
            {QPointF(w * 0.55, h * 0.9), QPointF(w * 0.75, h * 0.2), QPointF(w * 0.95, h * 0.9)}));
        p.setBrush(QColor(90, 30, 20));
        p.drawRect(QRectF(0, h * 0.9, w, h * 0.1));
    } else {
        // Cool: vertical stripes, a checker block at the lower right, a white bar.
        for (int i = 0; i < 12; ++i)
            p.fillRect(QRectF(w * i / 12, 0, w / 12 + 1, h),
                       i % 2 ? QColor(40, 120, 190) : QColor(30, 80, 150));
        const double cell = h / 10;
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 5; ++i)
                p.fillRect(QRectF(w * 0.55 + i * cell, h * 0.5 + j * cell, cell, cell),
                           (i + j) % 2 ? QColor(20, 200, 120) : QColor(230, 255, 240));
        p.fillRect(QRectF(w * 0.08, h * 0.15, w * 0.35, h * 0.1), QColor(245, 245, 255));
        p.fillRect(QRectF(w * 0.08, h * 0.15, w * 0.05, h * 0.6), QColor(245, 245, 255));
    }
    return image;
}

} // namespace SlideArt
