#include "controls/picshow/EffectFamilies.h"

#include <cmath>

namespace PicShowEffects {
namespace {

enum class Op {
    ExpandFrom,
    SlideIn,
    Reveal,
    ExpandIn,
    ToMiddle,
    OutFromMiddle,
    RevealOut,
    RevealInSides,
    InFromSides,
    SlideFromEnds,
    Unroll,
    BuildUp,
    Push,
    PushSqueeze,
};

// One effect along an axis: horizontal moves along x, vertical along y. "Far" is the
// right or bottom end.
struct AxisStyle
{
    int style;
    Op op;
    bool vertical;
    bool far;
};

constexpr AxisStyle kAxisStyles[] = {
    {1, Op::ExpandFrom, false, true},
    {2, Op::ExpandFrom, false, false},
    {3, Op::SlideIn, false, true},
    {4, Op::SlideIn, false, false},
    {5, Op::Reveal, false, false},
    {6, Op::Reveal, false, true},
    {7, Op::ExpandIn, false, true},
    {8, Op::ExpandIn, false, false},
    {9, Op::ToMiddle, false, false},
    {10, Op::OutFromMiddle, false, false},
    {11, Op::RevealOut, false, false},
    {12, Op::RevealInSides, false, false},
    {13, Op::InFromSides, false, false},
    {14, Op::Unroll, false, false},
    {15, Op::Unroll, false, true},
    {16, Op::BuildUp, false, true},
    {17, Op::BuildUp, false, false},
    {18, Op::ExpandFrom, true, true},
    {19, Op::ExpandFrom, true, false},
    {20, Op::SlideIn, true, true},
    {21, Op::SlideIn, true, false},
    {22, Op::Reveal, true, false},
    {23, Op::Reveal, true, true},
    {24, Op::ExpandIn, true, true},
    {25, Op::ExpandIn, true, false},
    {26, Op::ToMiddle, true, false},
    {27, Op::OutFromMiddle, true, false},
    {28, Op::RevealOut, true, false},
    {29, Op::SlideFromEnds, true, false},
    {30, Op::InFromSides, true, false},
    {31, Op::Unroll, true, false},
    {32, Op::Unroll, true, true},
    // Same names as 18 and 25, drawn alike.
    {33, Op::ExpandFrom, true, true},
    {34, Op::ExpandIn, true, false},
    {129, Op::Push, false, false},
    {130, Op::Push, false, true},
    {131, Op::PushSqueeze, false, false},
    {132, Op::PushSqueeze, false, true},
    {133, Op::Push, true, false},
    {134, Op::Push, true, true},
    {135, Op::PushSqueeze, true, false},
    {136, Op::PushSqueeze, true, true},
};

class Axis
{
public:
    Axis(Canvas &c, bool vertical)
        : c(c), m_vertical(vertical), L(vertical ? c.height() : c.width()),
          a(int(std::lround(L * c.t()))), half(a / 2)
    {
    }
    // The band [from, from + length) along the axis, full across it.
    QRect band(int from, int length) const
    {
        return m_vertical ? QRect(0, from, c.width(), length) : QRect(from, 0, length, c.height());
    }
    void blit(const QImage &source, const QRect &from, const QRect &to, bool mirror = false)
    {
        c.blit(source, from, to, mirror && !m_vertical, mirror && m_vertical);
    }
    void compose(const AxisStyle &s);

    Canvas &c;

private:
    void unroll(bool far);
    void buildUp(bool far);

    bool m_vertical;
    int L;
    int a;
    int half;
};

void Axis::compose(const AxisStyle &s)
{
    const QImage &next = c.next(), &start = c.start();
    const QRect all = c.all();
    const QRect nearBand = band(0, a), farBand = band(L - a, a);
    const QRect leading = s.far ? farBand : nearBand;
    switch (s.op) {
    case Op::ExpandFrom:
        blit(next, all, leading);
        break;
    case Op::SlideIn:
        blit(next, s.far ? nearBand : farBand, leading);
        break;
    case Op::Reveal:
        c.nextRect(leading);
        break;
    case Op::ExpandIn:
        blit(next, all, leading);
        blit(start, all, s.far ? band(0, L - a) : band(a, L - a));
        break;
    case Op::InFromSides:
        blit(start, all, band(half, L - 2 * half));
        [[fallthrough]];
    case Op::ToMiddle:
        blit(next, band(0, L / 2), band(0, half));
        blit(next, band(L / 2, L - L / 2), band(L - half, half));
        break;
    case Op::OutFromMiddle:
        blit(next, all, band((L - a) / 2, a));
        break;
    case Op::RevealOut:
        c.nextRect(band((L - a) / 2, a));
        break;
    case Op::RevealInSides:
        c.nextRect(band(0, half));
        c.nextRect(band(L - half, half));
        break;
    case Op::SlideFromEnds:
        blit(next, band(L / 2 - half, half), band(0, half));
        blit(next, band(L / 2, half), band(L - half, half));
        break;
    case Op::Unroll:
        unroll(s.far);
        break;
    case Op::BuildUp:
        buildUp(s.far);
        break;
    case Op::Push:
        blit(next, s.far ? nearBand : farBand, leading);
        blit(start, s.far ? band(a, L - a) : band(0, L - a),
             s.far ? band(0, L - a) : band(a, L - a));
        break;
    case Op::PushSqueeze:
        blit(next, s.far ? nearBand : farBand, leading);
        blit(start, all, s.far ? band(0, L - a) : band(a, L - a));
        break;
    }
}

// The uncovered part lies flat; ahead of it the roll shows the next stretch of the new
// picture turned over and squeezed, as a rolled-up sheet does.
void Axis::unroll(bool far)
{
    const int roll = std::min(std::max(1, L / 12), L - a);
    if (far) {
        c.nextRect(band(L - a, a));
        blit(c.next(), band(L - a - 2 * roll, 2 * roll), band(L - a - roll, roll), true);
    } else {
        c.nextRect(band(0, a));
        blit(c.next(), band(a, 2 * roll), band(a, roll), true);
    }
}

// The picture is laid down line by line; its leading line is drawn out ahead of it.
void Axis::buildUp(bool far)
{
    const int trail = std::min(std::max(1, L / 10), L - a);
    if (far) {
        c.nextRect(band(L - a, a));
        blit(c.next(), band(std::min(L - a, L - 1), 1), band(L - a - trail, trail));
    } else {
        c.nextRect(band(0, a));
        blit(c.next(), band(std::max(a - 1, 0), 1), band(a, trail));
    }
}

enum Corner { TopLeft, TopRight, BottomLeft, BottomRight };

QRect Anchored(const Canvas &c, Corner corner, int w, int h)
{
    const bool right = corner == TopRight || corner == BottomRight;
    const bool bottom = corner == BottomLeft || corner == BottomRight;
    return QRect(right ? c.width() - w : 0, bottom ? c.height() - h : 0, w, h);
}

Corner Opposite(Corner corner)
{
    return Corner(3 - int(corner));
}

QRect Centered(const Canvas &c, int w, int h)
{
    return QRect((c.width() - w) / 2, (c.height() - h) / 2, w, h);
}

// The quarter of the picture at a corner.
QRect Quarter(const Canvas &c, Corner corner)
{
    const bool right = corner == TopRight || corner == BottomRight;
    const bool bottom = corner == BottomLeft || corner == BottomRight;
    const int hw = c.width() / 2, hh = c.height() / 2;
    return QRect(right ? hw : 0, bottom ? hh : 0, right ? c.width() - hw : hw,
                 bottom ? c.height() - hh : hh);
}

bool ComposeCorner(int style, Canvas &c)
{
    const int w = int(std::lround(c.width() * c.t())), h = int(std::lround(c.height() * c.t()));
    const QImage &next = c.next(), &start = c.start();
    const QRect all = c.all();
    static constexpr Corner kExpand[] = {BottomRight, TopRight, TopLeft, BottomLeft};
    static constexpr Corner kReveal[] = {TopLeft, BottomLeft, BottomRight, TopRight};
    static constexpr Corner kQuarters[] = {TopLeft, TopRight, BottomLeft, BottomRight};
    if (style >= 35 && style <= 38) {
        c.blit(next, all, Anchored(c, kExpand[style - 35], w, h));
    } else if (style >= 39 && style <= 42) {
        const Corner corner = kExpand[style - 39];
        c.blit(next, Anchored(c, Opposite(corner), w, h), Anchored(c, corner, w, h));
    } else if (style >= 43 && style <= 46) {
        c.nextRect(Anchored(c, kReveal[style - 43], w, h));
    } else if (style >= 47 && style <= 51) {
        c.fill(next);
        const QRect shrunk = style == 51
                                 ? Centered(c, c.width() - w, c.height() - h)
                                 : Anchored(c, kReveal[style - 47], c.width() - w, c.height() - h);
        c.blit(start, all, shrunk);
    } else if (style == 52) {
        c.blit(next, all, Centered(c, w, h));
    } else if (style == 53) {
        c.nextRect(Centered(c, w, h));
    } else if (style == 54) {
        c.fill(next);
        c.rect(start, Centered(c, c.width() - w, c.height() - h));
    } else if (style >= 55 && style <= 57) {
        for (Corner corner : kQuarters) {
            const QRect to = Anchored(c, corner, w / 2, h / 2);
            const QRect quarter = Quarter(c, corner);
            if (style == 55) {
                c.nextRect(to);
            } else if (style == 56) {
                c.blit(next, quarter, to);
            } else {
                // The part of the quarter next to the centre comes in first.
                const int x = corner == TopRight || corner == BottomRight
                                  ? quarter.left()
                                  : quarter.right() + 1 - to.width();
                const int y = corner == BottomLeft || corner == BottomRight
                                  ? quarter.top()
                                  : quarter.bottom() + 1 - to.height();
                c.blit(next, QRect(x, y, to.width(), to.height()), to);
            }
        }
    } else {
        return false;
    }
    return true;
}

} // namespace

bool ComposeSlide(int style, Canvas &c)
{
    for (const AxisStyle &s : kAxisStyles) {
        if (s.style == style) {
            c.fill(c.start());
            Axis(c, s.vertical).compose(s);
            return true;
        }
    }
    if (style < 35 || style > 57)
        return false;
    c.fill(c.start());
    return ComposeCorner(style, c);
}

} // namespace PicShowEffects
