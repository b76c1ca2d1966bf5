#include "controls/picshow/PicShowEffects.h"

#include "controls/picshow/EffectFamilies.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace PicShowEffects {

QString StyleName(int style)
{
    static const std::array<QString, LastStyle + 1> names = {
        u"Custom"_s,
        u"Expand from right"_s,
        u"Expand from left"_s,
        u"Slide in from right"_s,
        u"Slide in from left"_s,
        u"Reveal from left"_s,
        u"Reveal from right"_s,
        u"Expand in from right"_s,
        u"Expand in from left"_s,
        u"Expand in to middle"_s,
        u"Expand out from middle"_s,
        u"Reveal out from middle"_s,
        u"Reveal in from sides"_s,
        u"Expand in from sides"_s,
        u"Unroll from left"_s,
        u"Unroll from right"_s,
        u"Build up from right"_s,
        u"Build up from left"_s,
        u"Expand from bottom"_s,
        u"Expand from top"_s,
        u"Slide in from bottom"_s,
        u"Slide in from top"_s,
        u"Reveal from top"_s,
        u"Reveal from bottom"_s,
        u"Expand in from bottom"_s,
        u"Expand in from top"_s,
        u"Expand in to middle (horiz)"_s,
        u"Expand out from middle (horiz)"_s,
        u"Reveal from middle (horiz)"_s,
        u"Slide in from top / bottom"_s,
        u"Expand in from top / bottom"_s,
        u"Unroll from top"_s,
        u"Unroll from bottom"_s,
        u"Expand from bottom"_s,
        u"Expand in from top"_s,
        u"Expand from bottom right"_s,
        u"Expand from top right"_s,
        u"Expand from top left"_s,
        u"Expand from bottom left"_s,
        u"Slide in from bottom right"_s,
        u"Slide in from top right"_s,
        u"Slide in from top left"_s,
        u"Slide in from bottom left"_s,
        u"Reveal from top left"_s,
        u"Reveal from bottom left"_s,
        u"Reveal from bottom right"_s,
        u"Reveal from top right"_s,
        u"Appear and Contract to top left"_s,
        u"Appear and Contract to bottom left"_s,
        u"Appear and Contract to bottom right"_s,
        u"Appear and Contract to top right"_s,
        u"Appear and Contract to middle"_s,
        u"Expand out from centre"_s,
        u"Reveal out from centre"_s,
        u"Reveal in to centre"_s,
        u"Quarters Reveal in to middle"_s,
        u"Quarters Expand to middle"_s,
        u"Quarters Slide in to middle"_s,
        u"Curved Reveal from left"_s,
        u"Curved Reveal from right"_s,
        u"Bars in from right"_s,
        u"Bars in from left"_s,
        u"Bars left then right"_s,
        u"Bars right then left"_s,
        u"Bars from both sides"_s,
        u"Uneven shred from right"_s,
        u"Uneven shred from left"_s,
        u"Uneven shred out from middle (horiz)"_s,
        u"Uneven shred in to middle (horiz)"_s,
        u"Curved Reveal from top"_s,
        u"Curved Reveal from bottom"_s,
        u"Bars from bottom"_s,
        u"Bars from top"_s,
        u"Bars top then bottom"_s,
        u"Bars bottom then top"_s,
        u"Bars from top and bottom"_s,
        u"Unven shred from bottom"_s,
        u"Uneven shred from top"_s,
        u"Uneven shred from horizon"_s,
        u"Uneven shred in to horizon"_s,
        u"Curved reveal from top left"_s,
        u"Curved reveal from top right"_s,
        u"Curved reveal from bottom left"_s,
        u"Curved reveal from bottom right"_s,
        u"Elliptic reveal out from centre"_s,
        u"Elliptic reveal in to centre"_s,
        u"Criss Cross reveal from bottom right"_s,
        u"Criss Cross reveal from top right"_s,
        u"Criss Cross reveal from bottom left"_s,
        u"Criss Cross reveal from top left"_s,
        u"Criss Cross reveal bounce from top left"_s,
        u"Criss Cross reveal bounce from bottom left"_s,
        u"Criss Cross reveal bounce from top right"_s,
        u"Criss Cross reveal bounce from bottom right"_s,
        u"Criss Cross reveal from right top and bottom"_s,
        u"Criss Cross reveal from left top and bottom"_s,
        u"Criss Cross reveal from left right and bottom"_s,
        u"Criss Cross reveal from left right and top"_s,
        u"Criss Cross reveal from top left right and bottom"_s,
        u"Criss Cross reveal from bottom left top right"_s,
        u"Uneven shred from bottom and right"_s,
        u"Uneven shred from top and right"_s,
        u"Uneven shred from bottom and left"_s,
        u"Uneven shred from top and left"_s,
        u"Uneven shred from horiz and right"_s,
        u"Uneven shred from horiz and left"_s,
        u"Uneven shred from bottom and vert middle"_s,
        u"Uneven shred from top and vert middle"_s,
        u"Uneven shred from centre"_s,
        u"Uneven shred to centre"_s,
        u"Reveal diagonal from top left"_s,
        u"Reveal diagonal from top right"_s,
        u"Reveal diagonal from bottom left"_s,
        u"Reveal diagonal from bottom right"_s,
        u"Diagonal sweep from top left bottom right anticlockwise"_s,
        u"Diagonal sweep from top left bottom right clockwise"_s,
        u"Starburst clockwise from center"_s,
        u"Starburst anticlockwise from center"_s,
        u"Triangular shred"_s,
        u"Fade"_s,
        u"Pivot from top left"_s,
        u"Pivot from bottom left"_s,
        u"Pivot from top right"_s,
        u"Pivot from bottom right"_s,
        u"Speckle appear from right"_s,
        u"Speckle appear from left"_s,
        u"Speckle appear from bottom"_s,
        u"Speckle appear from top"_s,
        u"Random squares appear"_s,
        u"Push right"_s,
        u"Push left"_s,
        u"Push and squeeze right"_s,
        u"Push and squeeze left"_s,
        u"Push down"_s,
        u"Push up"_s,
        u"Push and sqeeze down"_s,
        u"Push and sqeeze up"_s,
        u"Blind vertically"_s,
        u"Blind horizontally"_s,
        u"Uneven blind from left"_s,
        u"Uneven blind from right"_s,
        u"Uneven blind from top"_s,
        u"Uneven blind from bottom"_s,
        u"Rectangular shred"_s,
        u"Sweep clockwise"_s,
        u"Sweep anticlockwise"_s,
        u"Rectangles apear from left and disapear to right"_s,
        u"Rectangles apear from right and disapear to left"_s,
        u"Rectangles apear from up and disapear to bottom"_s,
        u"Rectangles apear from bottom and disapear to up"_s,
        u"Rotational rectangle in center"_s,
        u"Rotational star in center"_s,
        u"Spiral rectangle"_s,
        u"Circular shred"_s,
        u"Reveal V from left"_s,
        u"Reveal V from right"_s,
        u"Reveal V from top"_s,
        u"Reveal V from bottom"_s,
        u"Bow Tie Horizontal"_s,
        u"Bow Tie Vertical"_s,
        u"Diagonal Cross In"_s,
        u"Diagonal Cross Out"_s,
        u"Zigzag Horizontal"_s,
        u"Zigzag Vertical"_s,
        u"Diamond shred"_s,
        u"Reveal diamond out from centre"_s,
        u"Reveal diamond in to centre"_s,
        u"Diagonal Box Out"_s,
        u"Pixelate"_s,
        u"Dissolve"_s,
        u"Random Bars Horizontal"_s,
        u"Random Bars Vertical"_s,
        u"Channel Mix"_s,
    };
    return style >= 0 && style <= LastStyle ? names[size_t(style)] : QString();
}

void ComposeFrame(int style, const QImage &start, const QImage &next, int progress, QImage &frame)
{
    const QImage picture =
        next.format() == QImage::Format_RGB32 ? next : next.convertToFormat(QImage::Format_RGB32);
    Canvas canvas(frame, start, picture, qBound(0, progress, 100) / 100.0);
    if (progress <= 0 || (style == CustomStyle && progress < 100)) {
        canvas.fill(canvas.start());
        return;
    }
    if (progress >= 100 || style < 0 || style > LastStyle) {
        canvas.fill(picture);
        return;
    }
    const bool drawn = ComposePixel(style, canvas) || ComposeSlide(style, canvas) ||
                       ComposeWipe(style, canvas) || ComposeShape(style, canvas);
    Q_ASSERT(drawn);
    Q_UNUSED(drawn);
}

QImage Frame(int style, const QImage &start, const QImage &next, int progress)
{
    QImage frame;
    ComposeFrame(style, start, next, progress, frame);
    return frame;
}

} // namespace PicShowEffects
