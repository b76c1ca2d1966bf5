// Draws a hotel's demo pictures: five stylised scenes for the slideshow, the footer and
// header banners and a logo. Usage: zorvane-demo-pictures <installation folder>
#include "platform/Fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QFont Face(int pixels, bool bold = true)
{
    return Fonts::Pixel(u"WenQuanYi Zen Hei"_s, pixels, bold);
}

void Caption(QPainter &p, const QSize &size, const QString &title, const QString &line)
{
    const QRect band(0, size.height() - 150, size.width(), 150);
    QLinearGradient shade(band.topLeft(), band.bottomLeft());
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillRect(band, shade);
    p.setPen(Qt::white);
    p.setFont(Face(54));
    p.drawText(QPointF(60, size.height() - 68), title);
    p.setFont(Face(26, false));
    p.drawText(QPointF(64, size.height() - 28), line);
}

QImage Lobby(QSize s)
{
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, s.height());
    wall.setColorAt(0, QColor(120, 84, 52));
    wall.setColorAt(0.6, QColor(214, 170, 110));
    wall.setColorAt(1, QColor(92, 60, 40));
    p.fillRect(img.rect(), wall);
    for (int i = 0; i < 6; ++i) { // columns
        const int x = 80 + i * (s.width() - 160) / 5;
        QLinearGradient col(x - 30, 0, x + 30, 0);
        col.setColorAt(0, QColor(230, 214, 180));
        col.setColorAt(0.5, QColor(255, 246, 225));
        col.setColorAt(1, QColor(200, 180, 140));
        p.fillRect(QRect(x - 30, 0, 60, s.height() * 3 / 4), col);
    }
    for (int i = 0; i < 3; ++i) { // chandeliers
        const QPointF c(s.width() * (i + 1) / 4.0, 110);
        QRadialGradient glow(c, 140);
        glow.setColorAt(0, QColor(255, 250, 210, 230));
        glow.setColorAt(1, QColor(255, 230, 160, 0));
        p.setBrush(glow);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, 140, 140);
    }
    p.setBrush(QColor(70, 40, 30));
    p.drawRect(QRect(s.width() / 3, s.height() * 3 / 5, s.width() / 3, 110)); // front desk
    p.setBrush(QColor(180, 140, 60));
    p.drawRect(QRect(s.width() / 3, s.height() * 3 / 5, s.width() / 3, 14));
    Caption(p, s, u"酒店大堂"_s, u"24小时前台服务，欢迎您的光临"_s);
    return img;
}

QImage Room(QSize s)
{
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(236, 226, 208));
    p.fillRect(QRect(0, s.height() * 2 / 3, s.width(), s.height() / 3), QColor(150, 112, 80));
    QLinearGradient window(0, 0, 0, 400);
    window.setColorAt(0, QColor(120, 180, 235));
    window.setColorAt(1, QColor(210, 235, 250));
    p.fillRect(QRect(s.width() - 520, 80, 420, 340), window);
    p.setPen(QPen(Qt::white, 12));
    p.drawRect(QRect(s.width() - 520, 80, 420, 340));
    p.drawLine(s.width() - 310, 80, s.width() - 310, 420);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    p.drawRoundedRect(QRectF(180, 250, 640, 150), 20, 20); // headboard
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(150, 380, 700, 200), 30, 30); // bed
    p.setBrush(QColor(170, 40, 50));
    p.drawRoundedRect(QRectF(150, 470, 700, 60), 10, 10); // runner
    p.setBrush(QColor(250, 248, 240));
    p.drawRoundedRect(QRectF(220, 330, 220, 80), 30, 30);
    p.drawRoundedRect(QRectF(560, 330, 220, 80), 30, 30);
    Caption(p, s, u"豪华大床房"_s, u"静享城市景观，舒适睡眠"_s);
    return img;
}

QImage Breakfast(QSize s)
{
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient table(s.width() / 2.0, s.height() / 2.0, s.width() * 0.7);
    table.setColorAt(0, QColor(196, 140, 90));
    table.setColorAt(1, QColor(110, 70, 40));
    p.fillRect(img.rect(), table);
    QRandomGenerator gen(7);
    for (int i = 0; i < 6; ++i) {
        const QPointF c(200 + (i % 3) * 420, 200 + (i / 3) * 260);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(c + QPointF(8, 10), 150, 110);
        p.setBrush(Qt::white);
        p.drawEllipse(c, 150, 110);
        for (int k = 0; k < 5; ++k) {
            p.setBrush(QColor::fromHsv(int(gen.bounded(60)), 200, 230));
            p.drawEllipse(c + QPointF(gen.bounded(120) - 60, gen.bounded(80) - 40), 34, 26);
        }
    }
    Caption(p, s, u"自助早餐"_s, u"每日 6:30 - 10:00，二楼西餐厅"_s);
    return img;
}

QImage Pool(QSize s)
{
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, s.height() / 2);
    sky.setColorAt(0, QColor(40, 120, 210));
    sky.setColorAt(1, QColor(170, 215, 245));
    p.fillRect(QRect(0, 0, s.width(), s.height() / 2), sky);
    QLinearGradient water(0, s.height() / 2, 0, s.height());
    water.setColorAt(0, QColor(40, 190, 210));
    water.setColorAt(1, QColor(0, 110, 170));
    p.fillRect(QRect(0, s.height() / 2, s.width(), s.height() / 2), water);
    p.setPen(QPen(QColor(255, 255, 255, 120), 4));
    for (int y = s.height() / 2 + 30; y < s.height(); y += 40) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (int x = 0; x <= s.width(); x += 80)
            wave.quadTo(x + 20, y - 10, x + 40, y), wave.quadTo(x + 60, y + 10, x + 80, y);
        p.drawPath(wave);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 170));
    p.drawEllipse(QPointF(s.width() - 260, 150), 80, 80);
    Caption(p, s, u"室内恒温泳池"_s, u"健身中心五楼，住店客人免费使用"_s);
    return img;
}

QImage Night(QSize s)
{
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, s.height());
    sky.setColorAt(0, QColor(8, 12, 40));
    sky.setColorAt(1, QColor(60, 40, 90));
    p.fillRect(img.rect(), sky);
    QRandomGenerator gen(11);
    for (int x = 0; x < s.width(); x += 70 + int(gen.bounded(60))) {
        const int w = 60 + int(gen.bounded(60));
        const int h = 150 + int(gen.bounded(s.height() / 2));
        const QRect tower(x, s.height() - h, w, h);
        p.fillRect(tower, QColor(20, 24, 50));
        for (int wy = tower.top() + 10; wy < tower.bottom() - 10; wy += 18)
            for (int wx = tower.left() + 8; wx < tower.right() - 8; wx += 14)
                if (gen.bounded(3) == 0)
                    p.fillRect(QRect(wx, wy, 7, 9), QColor(255, 214, 120));
    }
    Caption(p, s, u"城市夜景"_s, u"顶层观景酒吧，营业至凌晨一点"_s);
    return img;
}

QImage Banner(QSize s, const QString &text, bool top)
{
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, s.height());
    band.setColorAt(0, top ? QColor(250, 244, 228) : QColor(30, 40, 70));
    band.setColorAt(1, top ? QColor(220, 196, 140) : QColor(10, 16, 36));
    p.fillRect(img.rect(), band);
    p.setPen(QPen(QColor(212, 170, 80), 2));
    p.drawLine(0, top ? s.height() - 2 : 1, s.width(), top ? s.height() - 2 : 1);
    if (!text.isEmpty()) {
        p.setPen(QColor(212, 170, 80, 110));
        p.setFont(Face(s.height() / 2, false));
        p.drawText(img.rect().adjusted(0, 0, -40, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    return img;
}

QImage HotelLogo()
{
    QImage img(636, 128, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 30, 40));
    p.drawEllipse(QRectF(16, 14, 100, 100));
    p.setPen(QColor(255, 230, 170));
    p.setFont(Face(64));
    p.drawText(QRectF(16, 10, 100, 100), Qt::AlignCenter, u"锦"_s);
    p.setPen(QColor(120, 20, 30));
    p.setFont(Face(56));
    p.drawText(QPointF(136, 76), u"锦江明珠酒店"_s);
    p.setPen(QColor(90, 70, 40));
    p.setFont(Face(22, false));
    p.drawText(QPointF(140, 112), u"JINJIANG PEARL HOTEL"_s);
    return img;
}

bool Save(const QImage &image, const QString &path)
{
    const int quality = path.endsWith(u".png"_s, Qt::CaseInsensitive) ? -1 : 88;
    // The banners are named .Jpg but the board takes the format from the content.
    if (image.save(path, path.endsWith(u".png"_s, Qt::CaseInsensitive) ? "PNG" : "JPEG", quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zorvane-demo-pictures <installation folder>\n");
        return 2;
    }
    Fonts::InstallSubstitutes();
    const QString root = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(root + u"/images"_s);
    QDir().mkpath(root + u"/box"_s);
    const QSize scene(1280, 800);
    bool ok = true;
    ok &= Save(Lobby(scene), root + u"/images/lobby.jpg"_s);
    ok &= Save(Room(scene), root + u"/images/room.jpg"_s);
    ok &= Save(Breakfast(scene), root + u"/images/breakfast.jpg"_s);
    ok &= Save(Pool(scene), root + u"/images/pool.png"_s);
    ok &= Save(Night(scene), root + u"/images/night.jpg"_s);
    ok &= Save(Banner({1920, 54}, u"Welcome · 欢迎光临"_s, false), root + u"/box/Botbanner.Jpg"_s);
    ok &= Save(Banner({1920, 103}, QString(), true), root + u"/box/Topbanner.Jpg"_s);
    ok &= Save(HotelLogo(), root + u"/box/Logo.png"_s);
    return ok ? 0 : 1;
}
