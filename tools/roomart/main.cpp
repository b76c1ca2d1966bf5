// Draws the decorative pictures of the room-rate editor: the top and bottom strips, the
// small icon and the entry page's photograph of a hotel room.
// Usage: roomart <folder>   (the project keeps them in resources/rates)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QImage Canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A soft teal band with faint diagonal stripes, lighter towards its top edge.
QImage Strip(int width, int height, bool lightTop)
{
    QImage image = Canvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0, lightTop ? QColor(214, 236, 232) : QColor(70, 140, 132));
    band.setColorAt(1, lightTop ? QColor(70, 140, 132) : QColor(214, 236, 232));
    p.fillRect(image.rect(), band);
    p.setPen(QPen(QColor(255, 255, 255, 40), 6));
    for (int x = -height; x < width; x += 18)
        p.drawLine(x, height, x + height, 0);
    QLinearGradient sheen(0, 0, width, 0);
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), sheen);
    p.setPen(QColor(40, 90, 84));
    p.drawLine(0, lightTop ? height - 1 : 0, width, lightTop ? height - 1 : 0);
    return image;
}

// A key with a round bow on a gold disc: the sign of room settings.
QImage Icon()
{
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(12, 10, 22);
    disc.setColorAt(0, QColor(255, 236, 150));
    disc.setColorAt(1, QColor(196, 136, 20));
    p.setPen(QPen(QColor(120, 80, 10), 1));
    p.setBrush(disc);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    p.setPen(QPen(QColor(70, 50, 20), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(7, 7, 9, 9));
    p.drawLine(QPointF(14.8, 14.8), QPointF(24, 24));
    p.drawLine(QPointF(20.5, 20.5), QPointF(23, 18));
    p.drawLine(QPointF(23, 23), QPointF(25.5, 20.5));
    return image;
}

void Wall(QPainter &p, const QRectF &room)
{
    QLinearGradient wall(0, 0, 0, room.height() * 0.62);
    wall.setColorAt(0, QColor(245, 232, 210));
    wall.setColorAt(1, QColor(226, 204, 170));
    p.fillRect(QRectF(0, 0, room.width(), room.height() * 0.62), wall);
    QLinearGradient floor(0, room.height() * 0.62, 0, room.height());
    floor.setColorAt(0, QColor(150, 104, 70));
    floor.setColorAt(1, QColor(96, 62, 40));
    p.fillRect(QRectF(0, room.height() * 0.62, room.width(), room.height() * 0.38), floor);
    p.setPen(QPen(QColor(120, 80, 50, 90), 2));
    for (qreal x = -room.width(); x < room.width() * 2; x += 38)
        p.drawLine(QPointF(room.width() / 2 + (x - room.width() / 2) * 0.35, room.height() * 0.62),
                   QPointF(x, room.height()));
}

void Window(QPainter &p)
{
    const QRectF frame(196, 46, 130, 150);
    QLinearGradient sky(0, frame.top(), 0, frame.bottom());
    sky.setColorAt(0, QColor(120, 180, 230));
    sky.setColorAt(1, QColor(210, 235, 250));
    p.setPen(QPen(QColor(250, 250, 245), 6));
    p.setBrush(sky);
    p.drawRect(frame);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 120, 150));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(204 + i * 24, 150 - (i % 3) * 22, 18, 46 + (i % 3) * 22));
    p.setPen(QPen(QColor(250, 250, 245), 4));
    p.drawLine(QPointF(frame.center().x(), frame.top()), QPointF(frame.center().x(), frame.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 40, 50, 220));
    p.drawRect(QRectF(180, 34, 26, 176));
    p.drawRect(QRectF(318, 34, 26, 176));
}

void Bed(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 58, 36));
    p.drawRoundedRect(QRectF(10, 200, 230, 110), 10, 10); // headboard
    QLinearGradient sheet(0, 268, 0, 420);
    sheet.setColorAt(0, QColor(255, 255, 255));
    sheet.setColorAt(1, QColor(214, 220, 228));
    p.setBrush(sheet);
    QPainterPath bed;
    bed.moveTo(14, 268);
    bed.lineTo(236, 268);
    bed.lineTo(300, 420);
    bed.lineTo(-40, 420);
    bed.closeSubpath();
    p.drawPath(bed);
    p.setBrush(QColor(170, 40, 52));
    QPainterPath runner;
    runner.moveTo(0, 345);
    runner.lineTo(266, 345);
    runner.lineTo(280, 378);
    runner.lineTo(-20, 378);
    runner.closeSubpath();
    p.drawPath(runner);
    p.setBrush(QColor(250, 248, 240));
    p.setPen(QPen(QColor(200, 200, 205), 1));
    p.drawRoundedRect(QRectF(30, 240, 90, 44), 16, 16);
    p.drawRoundedRect(QRectF(130, 240, 90, 44), 16, 16);
}

void Lamp(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 72, 44));
    p.drawRect(QRectF(262, 262, 70, 60));
    QRadialGradient glow(296, 214, 70);
    glow.setColorAt(0, QColor(255, 240, 190, 170));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(296, 214), 70, 70);
    p.setBrush(QColor(255, 236, 190));
    QPainterPath shade;
    shade.moveTo(278, 196);
    shade.lineTo(314, 196);
    shade.lineTo(324, 232);
    shade.lineTo(268, 232);
    shade.closeSubpath();
    p.drawPath(shade);
    p.setBrush(QColor(70, 50, 30));
    p.drawRect(QRectF(293, 232, 6, 30));
}

// A warm hotel room: wall and floor, a window with curtains, a made bed and a lamp.
QImage Photo()
{
    QImage image(354, 480, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Wall(p, image.rect());
    Window(p);
    Bed(p);
    Lamp(p);
    p.setPen(QPen(QColor(60, 40, 20), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, 350, 476));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: roomart <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::pair<QString, QImage> pictures[] = {
        {u"TopStrip.png"_s, Strip(556, 26, true)},
        {u"BottomStrip.png"_s, Strip(556, 31, false)},
        {u"Icon.png"_s, Icon()},
        {u"Photo.png"_s, Photo()},
    };
    for (const auto &[name, image] : pictures) {
        if (!image.save(folder.filePath(name))) {
            std::fprintf(stderr, "roomart: cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
