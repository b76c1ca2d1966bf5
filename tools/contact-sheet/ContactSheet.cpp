// Draws pages that show every transition style at 25 %, 50 % and 75 % between two sample
// pictures, with the style's number and name, so that a person can check all effects at
// a glance. Usage: contact-sheet <output folder>; writes contact-sheet-1.png, -2.png, ...
#include "controls/picshow/PicShowEffects.h"
#include "tools/contact-sheet/SlideArt.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPerColumn = 12;
constexpr int kColumns = 2;
const QSize kThumb(192, 108);
constexpr int kLabelWidth = 250;
constexpr int kGap = 6;
constexpr int kRowHeight = 108 + 2 * kGap;
const int kColumnWidth = kLabelWidth + 3 * (192 + kGap) + 2 * kGap;

void DrawStyle(QPainter &p, int style, const QPoint &at, const QImage &a, const QImage &b)
{
    p.setPen(Qt::black);
    p.drawText(QRect(at.x(), at.y(), kLabelWidth - kGap, kRowHeight),
               Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
               u"%1  %2"_s.arg(style).arg(PicShowEffects::StyleName(style)));
    for (int i = 0; i < 3; ++i) {
        const QImage frame = PicShowEffects::Frame(style, a, b, 25 * (i + 1));
        const QRect place(at.x() + kLabelWidth + i * (kThumb.width() + kGap), at.y() + kGap,
                          kThumb.width(), kThumb.height());
        p.drawImage(place, frame);
        p.drawRect(place.adjusted(0, 0, -1, -1));
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: contact-sheet <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QImage a = SlideArt::Sample(0, kThumb), b = SlideArt::Sample(1, kThumb);
    const int perPage = kPerColumn * kColumns;
    const int styles = PicShowEffects::LastStyle + 1;
    const QStringList families = {u"DejaVu Sans"_s, u"WenQuanYi Zen Hei"_s};
    for (int page = 0; page * perPage < styles; ++page) {
        QImage sheet(kColumns * kColumnWidth, kRowHeight * kPerColumn + 40, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        QFont font;
        font.setFamilies(families);
        font.setPixelSize(15);
        p.setFont(font);
        p.drawText(QRect(kGap, 0, sheet.width(), 36), Qt::AlignVCenter,
                   u"Transition styles — frames at 25 %, 50 %, 75 %  (page %1)"_s.arg(page + 1));
        for (int k = 0; k < perPage && page * perPage + k < styles; ++k) {
            const QPoint at(kGap + (k / kPerColumn) * kColumnWidth,
                            40 + (k % kPerColumn) * kRowHeight);
            DrawStyle(p, page * perPage + k, at, a, b);
        }
        p.end();
        const QString path = out.filePath(u"contact-sheet-%1.png"_s.arg(page + 1));
        if (!sheet.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
