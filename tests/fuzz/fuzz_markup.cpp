#include "FuzzSupport.h"
#include "controls/markup/MarkupLayout.h"
#include "controls/markup/MarkupParser.h"
#include "tests/controls/markup/FakeSources.h"

#include <QHash>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

// Any text as a tile's markup, parsed and laid out at a width taken from the input. The
// markup tests' exact metrics keep the font engine out of the run.
namespace {

// The board's tile pictures by name, as small stand-ins of their own shape.
class SimplePictures : public Markup::Pictures
{
public:
    SimplePictures()
    {
        Add(u"BJ.png"_s, 150, 60);
        Add(u"DJ.png"_s, 60, 150);
        Add(u"1.png"_s, 1, 1);
    }
    std::optional<QImage> Find(const QString &name) const override
    {
        const auto found = m_pictures.constFind(name);
        if (found == m_pictures.cend())
            return std::nullopt;
        return *found;
    }

private:
    void Add(const QString &name, int width, int height)
    {
        QImage picture(width, height, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        m_pictures.insert(name, picture);
    }
    QHash<QString, QImage> m_pictures;
};

bool Finite(const QRectF &box)
{
    return std::isfinite(box.x()) && std::isfinite(box.y()) && std::isfinite(box.width()) &&
           std::isfinite(box.height()) && box.width() >= 0 && box.height() >= 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FakeMetrics metrics;
    static const SimplePictures pictures;
    const QString markup = QString::fromUtf8(Fuzz::Bytes(data, size));
    const Markup::Document document = Markup::Parse(markup);

    Markup::LayoutOptions options;
    options.baseFont = {u"WenQuanYi Micro Hei"_s, 15, false};
    options.wrapWidth = qreal(size % 7) * 60; // 0 to a wide tile's 360 pixels
    options.metrics = &metrics;
    options.pictures = &pictures;
    const Markup::LayoutResult layout = Markup::LayOut(document, options);

    // Whatever the markup, every run has a real place and size, and the runs lie within
    // the lines the layout counts.
    FUZZ_CHECK(layout.lineCount >= 0);
    FUZZ_CHECK(std::isfinite(layout.height) && layout.height >= 0);
    for (const Markup::TextRun &run : layout.texts) {
        FUZZ_CHECK(Finite(run.box) && std::isfinite(run.baseline));
        FUZZ_CHECK(run.box.top() >= 0 && run.box.bottom() <= layout.height + 0.001);
        FUZZ_CHECK(run.color.isValid());
    }
    for (const Markup::SquareRun &run : layout.squares)
        FUZZ_CHECK(Finite(run.box));
    for (const Markup::PictureRun &run : layout.pictures) {
        FUZZ_CHECK(Finite(run.box) && !run.picture.isNull());
        FUZZ_CHECK(run.box.width() <= 4096 && run.box.height() <= 4096);
    }
    return 0;
}
