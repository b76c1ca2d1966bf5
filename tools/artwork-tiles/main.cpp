// Draws the nine pictures of the room tiles: the star rows 1.png to 5.png and the room
// pictures BJ.png, DJ.png, HDJ.png and TF.png, into the folder given (resources/tiles).
// Usage: artwork-tiles <folder>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QPainterPath StarPath(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QImage StarRow(int green)
{
    QImage image(80, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        const QPointF centre(8 + 16 * i, 8.6);
        const QPainterPath star = StarPath(centre, 7.4, 3.1);
        const bool lit = i < green;
        QLinearGradient fill(centre - QPointF(0, 7), centre + QPointF(0, 7));
        fill.setColorAt(0, lit ? QColor(0x7C, 0xE0, 0x6A) : QColor(0xE4, 0xE4, 0xE4));
        fill.setColorAt(1, lit ? QColor(0x1E, 0x9A, 0x32) : QColor(0xA8, 0xA8, 0xA8));
        p.setPen(QPen(lit ? QColor(0x13, 0x6B, 0x22) : QColor(0x88, 0x88, 0x88), 0.8));
        p.setBrush(fill);
        p.drawPath(star);
    }
    return image;
}

// The room around the bed: a warm wall with a window and a wooden floor.
void DrawRoom(QPainter &p, QSizeF size, qreal floorY, QColor wall)
{
    QLinearGradient wallFill(0, 0, 0, floorY);
    wallFill.setColorAt(0, wall.lighter(112));
    wallFill.setColorAt(1, wall.darker(104));
    p.fillRect(QRectF(0, 0, size.width(), floorY), wallFill);
    QLinearGradient floorFill(0, floorY, 0, size.height());
    floorFill.setColorAt(0, QColor(0x9A, 0x6B, 0x43));
    floorFill.setColorAt(1, QColor(0x6E, 0x47, 0x28));
    p.fillRect(QRectF(0, floorY, size.width(), size.height() - floorY), floorFill);
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x20, 90), 1));
    for (qreal x = -size.width(); x < size.width() * 2; x += 18)
        p.drawLine(QPointF(size.width() / 2 + (x - size.width() / 2) * 0.35, floorY),
                   QPointF(x, size.height()));
    p.fillRect(QRectF(0, floorY - 2, size.width(), 2), QColor(0xF4, 0xEE, 0xE2));
}

void DrawWindow(QPainter &p, QRectF frame)
{
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0, QColor(0x8C, 0xC8, 0xF0));
    sky.setColorAt(1, QColor(0xDD, 0xF0, 0xFF));
    p.setPen(QPen(QColor(0xFA, 0xFA, 0xF5), 2));
    p.setBrush(sky);
    p.drawRect(frame);
    p.drawLine(QPointF(frame.center().x(), frame.top()),
               QPointF(frame.center().x(), frame.bottom()));
    const QColor curtain(0xB0, 0x3A, 0x2E);
    p.setPen(Qt::NoPen);
    p.setBrush(curtain);
    p.drawRect(QRectF(frame.left() - 6, frame.top() - 3, 8, frame.height() + 8));
    p.drawRect(QRectF(frame.right() - 2, frame.top() - 3, 8, frame.height() + 8));
}

void DrawLamp(QPainter &p, QPointF base, qreal scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5B, 0x3A, 0x22));
    p.drawRect(QRectF(base.x() - 7 * scale, base.y(), 14 * scale, 14 * scale));
    p.setBrush(QColor(0x8A, 0x7A, 0x60));
    p.drawRect(QRectF(base.x() - 1, base.y() - 8 * scale, 2, 8 * scale));
    QRadialGradient glow(base - QPointF(0, 10 * scale), 12 * scale);
    glow.setColorAt(0, QColor(255, 240, 190, 200));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.setBrush(glow);
    p.drawEllipse(base - QPointF(0, 10 * scale), 12 * scale, 12 * scale);
    QPainterPath shade;
    shade.moveTo(base + QPointF(-4 * scale, -14 * scale));
    shade.lineTo(base + QPointF(4 * scale, -14 * scale));
    shade.lineTo(base + QPointF(6 * scale, -7 * scale));
    shade.lineTo(base + QPointF(-6 * scale, -7 * scale));
    shade.closeSubpath();
    p.setBrush(QColor(0xFF, 0xF3, 0xD2));
    p.drawPath(shade);
}

// A bed seen from its foot: headboard against the wall, sheet, pillows and a blanket.
void DrawBed(QPainter &p, QRectF bed, QColor blanket, int pillows, QColor headboard)
{
    p.setPen(Qt::NoPen);
    p.setBrush(headboard);
    p.drawRoundedRect(QRectF(bed.left() - 2, bed.top() - bed.height() * 0.35, bed.width() + 4,
                             bed.height() * 0.5),
                      3, 3);
    p.setBrush(QColor(0xFA, 0xFA, 0xF7));
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xC0), 0.8));
    p.drawRoundedRect(bed, 3, 3);
    const qreal pillowWidth = (bed.width() - 6 - 4 * (pillows - 1)) / pillows;
    for (int i = 0; i < pillows; ++i) {
        const QRectF pillow(bed.left() + 3 + i * (pillowWidth + 4), bed.top() + 2, pillowWidth,
                            bed.height() * 0.2);
        p.setBrush(QColor(0xFF, 0xFF, 0xFF));
        p.drawRoundedRect(pillow, 4, 4);
    }
    const QRectF cover(bed.left(), bed.top() + bed.height() * 0.34, bed.width(),
                       bed.height() * 0.66);
    QLinearGradient fill(cover.topLeft(), cover.bottomLeft());
    fill.setColorAt(0, blanket.lighter(125));
    fill.setColorAt(1, blanket.darker(115));
    p.setPen(QPen(blanket.darker(140), 0.8));
    p.setBrush(fill);
    p.drawRoundedRect(cover, 3, 3);
    p.fillRect(QRectF(cover.left(), cover.top() + 3, cover.width(), 3), QColor(255, 255, 255, 150));
}

QImage Canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

QImage TwinRoom()
{
    QImage image = Canvas(190, 107);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawRoom(p, image.size(), 58, QColor(0xEE, 0xDD, 0xC0));
    DrawWindow(p, QRectF(78, 10, 34, 28));
    DrawBed(p, QRectF(14, 56, 58, 46), QColor(0x3C, 0x6E, 0xB4), 1, QColor(0x7A, 0x4E, 0x2C));
    DrawBed(p, QRectF(118, 56, 58, 46), QColor(0x3C, 0x6E, 0xB4), 1, QColor(0x7A, 0x4E, 0x2C));
    DrawLamp(p, QPointF(95, 52), 1.0);
    return image;
}

QImage DoubleRoom()
{
    QImage image = Canvas(195, 103);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawRoom(p, image.size(), 54, QColor(0xE8, 0xE0, 0xD0));
    DrawWindow(p, QRectF(84, 5, 28, 22));
    DrawBed(p, QRectF(52, 52, 92, 47), QColor(0xA8, 0x2A, 0x3A), 2, QColor(0x6A, 0x40, 0x24));
    DrawLamp(p, QPointF(34, 50), 1.0);
    DrawLamp(p, QPointF(162, 50), 1.0);
    return image;
}

QImage OrnateRoom()
{
    QImage image = Canvas(196, 86);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawRoom(p, image.size(), 46, QColor(0xF0, 0xE4, 0xC8));
    // An arched, gilded headboard with scrolls.
    QPainterPath head;
    head.moveTo(48, 46);
    head.lineTo(48, 22);
    head.cubicTo(60, 8, 80, 14, 98, 4);
    head.cubicTo(116, 14, 136, 8, 148, 22);
    head.lineTo(148, 46);
    head.closeSubpath();
    QLinearGradient gold(0, 4, 0, 46);
    gold.setColorAt(0, QColor(0xF2, 0xD2, 0x7A));
    gold.setColorAt(1, QColor(0xA8, 0x7A, 0x2A));
    p.setPen(QPen(QColor(0x7A, 0x52, 0x14), 1.2));
    p.setBrush(gold);
    p.drawPath(head);
    p.setBrush(QColor(0x8E, 0x1E, 0x3A));
    p.drawRoundedRect(QRectF(58, 20, 80, 22), 8, 8);
    p.setBrush(QColor(0xF7, 0xE0, 0x96));
    for (qreal x : {52.0, 144.0, 98.0})
        p.drawEllipse(QPointF(x, x == 98.0 ? 9.0 : 22.0), 3.2, 3.2);
    DrawBed(p, QRectF(50, 42, 96, 40), QColor(0x8E, 0x1E, 0x3A), 2, QColor(0xA8, 0x7A, 0x2A));
    DrawLamp(p, QPointF(28, 44), 0.9);
    DrawLamp(p, QPointF(168, 44), 0.9);
    return image;
}

QImage SuiteRoom()
{
    QImage image = Canvas(143, 78);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawRoom(p, image.size(), 40, QColor(0xDD, 0xD8, 0xD2));
    // A tall tufted headboard in grey fabric.
    const QRectF head(20, 6, 103, 38);
    p.setPen(QPen(QColor(0x55, 0x55, 0x60), 1));
    QLinearGradient fabric(head.topLeft(), head.bottomLeft());
    fabric.setColorAt(0, QColor(0x9C, 0x9C, 0xA8));
    fabric.setColorAt(1, QColor(0x70, 0x70, 0x7E));
    p.setBrush(fabric);
    p.drawRoundedRect(head, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x4A, 0x56));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 7; ++column)
            p.drawEllipse(QPointF(30 + column * 14 + (row % 2) * 7, 13 + row * 9), 1.4, 1.4);
    DrawBed(p, QRectF(16, 36, 111, 38), QColor(0xC8, 0xB4, 0x90), 3, QColor(0x70, 0x70, 0x7E));
    return image;
}

bool Save(const QImage &image, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork-tiles <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;
    for (int green = 1; green <= 5; ++green)
        ok &= Save(StarRow(green), folder, QString::number(green) + u".png"_s);
    ok &= Save(TwinRoom(), folder, u"BJ.png"_s);
    ok &= Save(DoubleRoom(), folder, u"DJ.png"_s);
    ok &= Save(OrnateRoom(), folder, u"HDJ.png"_s);
    ok &= Save(SuiteRoom(), folder, u"TF.png"_s);
    return ok ? 0 : 1;
}
