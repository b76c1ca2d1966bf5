// Draws the pictures of the application shell. Everything is made from shapes and text so
// that the artwork is our own and can be redrawn at any time.
#include "platform/Fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor kNavy(14, 40, 86);
const QColor kTeal(0, 128, 140);
const QColor kGold(236, 180, 60);

QFont Face(int pixels, bool bold = true)
{
    return Fonts::Pixel(u"WenQuanYi Zen Hei"_s, pixels, bold);
}

// The board's mark: a rounded television with a gold key inside.
void DrawMark(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = box.width() * 0.18;
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, kTeal.lighter(130));
    body.setColorAt(1, kNavy);
    p.setPen(QPen(Qt::white, box.width() * 0.04));
    p.setBrush(body);
    p.drawRoundedRect(box.adjusted(box.width() * 0.04, box.width() * 0.04, -box.width() * 0.04,
                                   -box.width() * 0.16), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QRectF stand(box.center().x() - box.width() * 0.18, box.bottom() - box.width() * 0.12,
                       box.width() * 0.36, box.width() * 0.08);
    p.drawRoundedRect(stand, stand.height() / 2, stand.height() / 2);
    QFont f = Face(int(box.height() * 0.52));
    p.setFont(f);
    p.setPen(kGold);
    p.drawText(box.adjusted(0, 0, 0, -box.width() * 0.12), Qt::AlignCenter, u"Z"_s);
    p.restore();
}

QImage Splash()
{
    QImage img(680, 360, QImage::Format_RGB888);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 680, 360);
    sky.setColorAt(0, kNavy);
    sky.setColorAt(1, kTeal);
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        p.setBrush(QColor(255, 255, 255, 14 + 4 * i));
        p.drawEllipse(QPointF(560 - i * 30, 60 + i * 18), 160 - i * 18, 160 - i * 18);
    }
    DrawMark(p, QRectF(40, 40, 110, 110));
    p.setPen(Qt::white);
    p.setFont(Face(46));
    p.drawText(QPointF(172, 100), u"Zorvane"_s);
    p.setFont(Face(26));
    p.drawText(QPointF(174, 142), u"酒店电子显示牌"_s);
    p.setPen(kGold);
    p.setFont(Face(15, false));
    p.drawText(QPointF(44, 210), u"房型 · 房价 · 天气 · 图片展示"_s);
    p.setPen(QColor(255, 255, 255, 160));
    p.drawLine(44, 226, 400, 226);
    // A light strip under the progress bar and the status line, which draw in black.
    QLinearGradient strip(0, 286, 0, 360);
    strip.setColorAt(0, QColor(236, 242, 248));
    strip.setColorAt(1, QColor(210, 222, 236));
    p.fillRect(QRect(0, 286, 680, 74), strip);
    p.fillRect(QRect(0, 284, 680, 2), kGold);
    p.setPen(kNavy);
    p.setFont(Face(13, false));
    p.drawText(QPointF(44, 330), u"正在启动，请稍候"_s);
    return img;
}

QImage Icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    DrawMark(p, QRectF(0, 0, size, size));
    return img;
}

QImage Header()
{
    QImage img(1920, 65, QImage::Format_RGB888);
    QPainter p(&img);
    QLinearGradient band(0, 0, 0, 65);
    band.setColorAt(0, QColor(235, 242, 250));
    band.setColorAt(0.55, QColor(196, 214, 236));
    band.setColorAt(1, QColor(150, 178, 214));
    p.fillRect(img.rect(), band);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    for (int x = -65; x < 1920; x += 48)
        p.drawLine(x, 65, x + 65, 0);
    p.setPen(QPen(kGold, 3));
    p.drawLine(0, 63, 1920, 63);
    return img;
}

QImage Logo()
{
    QImage img(636, 128, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawMark(p, QRectF(14, 10, 108, 108));
    p.setPen(kNavy);
    p.setFont(Face(58));
    p.drawText(QPointF(140, 74), u"Zorvane"_s);
    p.setPen(kTeal);
    p.setFont(Face(26));
    p.drawText(QPointF(144, 112), u"酒店房价展示系统"_s);
    return img;
}

QImage About()
{
    QImage img(699, 413, QImage::Format_RGB888);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(248, 250, 252));
    QLinearGradient top(0, 0, 699, 0);
    top.setColorAt(0, kNavy);
    top.setColorAt(1, kTeal);
    p.fillRect(QRect(0, 0, 699, 120), top);
    DrawMark(p, QRectF(28, 16, 88, 88));
    p.setPen(Qt::white);
    p.setFont(Face(36));
    p.drawText(QPointF(136, 62), u"Zorvane 酒店电子显示牌"_s);
    p.setFont(Face(16, false));
    p.drawText(QPointF(138, 96), u"为酒店大堂提供房型、房价、天气与图片的全天展示"_s);

    p.setPen(kNavy);
    p.setFont(Face(18));
    p.drawText(QPointF(36, 166), u"产品说明"_s);
    p.setPen(QColor(40, 40, 40));
    p.setFont(Face(15, false));
    const QStringList about{
        u"· 房价设置：托盘菜单“房价设置”中增加房型、修改房价。"_s,
        u"· 参数设置：天气城市代码、滚动提示文字、图片单独显示。"_s,
        u"· 修改的房价与参数在下次启动显示牌后生效。"_s,
    };
    for (int i = 0; i < about.size(); ++i)
        p.drawText(QPointF(44, 196 + i * 26), about.at(i));

    p.setPen(kNavy);
    p.setFont(Face(18));
    p.drawText(QPointF(36, 300), u"技术帮助"_s);
    p.setPen(QColor(40, 40, 40));
    p.setFont(Face(15, false));
    p.drawText(QPointF(44, 330), u"服务热线：400-820-6617（工作日 9:00-18:00）"_s);
    p.drawText(QPointF(44, 356), u"电子邮件：support@zorvane.example"_s);
    p.drawText(QPointF(44, 382), u"远程协助：请先记下显示牌所在电脑的名称与序列号"_s);
    p.setPen(QPen(kGold, 3));
    p.drawLine(0, 411, 699, 411);
    return img;
}

bool Save(const QImage &image, const QString &path)
{
    const int quality = path.endsWith(u".jpg"_s) ? 92 : -1;
    if (image.save(path, nullptr, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    Fonts::InstallSubstitutes();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"resources/shell"_s;
    QDir().mkpath(out);
    bool ok = true;
    ok &= Save(Splash(), out + u"/splash.jpg"_s);
    ok &= Save(Icon(72), out + u"/icon.png"_s);
    ok &= Save(Header(), out + u"/header.jpg"_s);
    ok &= Save(Logo(), out + u"/logo.png"_s);
    ok &= Save(About(), out + u"/about.png"_s);
    ok &= Save(Icon(128), out + u"/about-icon.png"_s);
    return ok ? 0 : 1;
}
