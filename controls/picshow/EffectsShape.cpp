#include "controls/picshow/EffectFamilies.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace PicShowEffects {
namespace {

constexpr double kPi = std::numbers::pi;

// Row y's vertical position from 0 to 1, taken from the top or the bottom.
double RowPosition(const Canvas &c, int y, bool fromBottom)
{
    const double v = (y + 0.5) / c.height();
    return fromBottom ? 1 - v : v;
}

// Uncovers, in every row, a span of `fraction` of the width from the left or right edge.
void FromEdge(Canvas &c, bool right, bool bottom, const std::function<double(double)> &fraction)
{
    const int w = c.width();
    for (int y = 0; y < c.height(); ++y) {
        const int f =
            int(std::lround(std::clamp(fraction(RowPosition(c, y, bottom)), 0.0, 1.0) * w));
        c.nextSpan(y, right ? w - f : 0, right ? w : f);
    }
}

// In every row the centred span whose half width, as a part of half the picture's width,
// `half` gives for the row's distance from the middle (0..1). Inside shows `inside`.
void Centred(Canvas &c, const QImage &inside, const std::function<double(double)> &half)
{
    const double cx = c.width() / 2.0, cy = c.height() / 2.0;
    for (int y = 0; y < c.height(); ++y) {
        const double h = half(std::abs(y + 0.5 - cy) / cy);
        if (h <= 0)
            continue;
        const double d = h * cx;
        c.span(inside, y, int(std::lround(cx - d)), int(std::lround(cx + d)));
    }
}

void BowTie(Canvas &c, bool horizontal)
{
    const double k = std::tan(c.t() * kPi / 2);
    const double cx = c.width() / 2.0, cy = c.height() / 2.0;
    for (int y = 0; y < c.height(); ++y) {
        const double dy = std::abs(y + 0.5 - cy) / cy;
        if (horizontal) {
            // Two wedges opening to the left and right edges.
            const int d = int(std::lround(std::min(1.0, dy / k) * cx));
            c.nextSpan(y, 0, int(cx) - d);
            c.nextSpan(y, int(cx) + d, c.width());
        } else {
            const int d = int(std::lround(std::min(1.0, dy * k) * cx));
            c.nextSpan(y, int(cx) - d, int(cx) + d);
        }
    }
}

void DiagonalCross(Canvas &c, bool out)
{
    const double s = out ? 0.5 * c.t() : 0.5 * (1 - c.t());
    const int w = c.width();
    for (int y = 0; y < c.height(); ++y) {
        const double v = (y + 0.5) / c.height();
        double a0 = v - s, a1 = v + s, b0 = 1 - v - s, b1 = 1 - v + s;
        if (b0 < a0) {
            std::swap(a0, b0);
            std::swap(a1, b1);
        }
        const int bounds[4] = {int(std::lround(a0 * w)), int(std::lround(a1 * w)),
                               int(std::lround(b0 * w)), int(std::lround(b1 * w))};
        if (out) {
            c.nextSpan(y, bounds[0], bounds[1]);
            c.nextSpan(y, bounds[2], bounds[3]);
        } else {
            c.nextOutside(y, bounds, 2);
        }
    }
}

// Angles run clockwise from twelve o'clock, in radians.
QVector<QPointF> Wedge(const Canvas &c, double from, double to)
{
    const QPointF centre(c.width() / 2.0, c.height() / 2.0);
    const double radius = std::hypot(c.width(), c.height());
    QVector<QPointF> polygon{centre};
    const int steps = std::max(1, int(std::ceil(std::abs(to - from) / (kPi / 60))));
    for (int i = 0; i <= steps; ++i) {
        const double a = from + (to - from) * i / steps;
        polygon.append(centre + radius * QPointF(std::sin(a), -std::cos(a)));
    }
    return polygon;
}

void Sweeps(Canvas &c, int count, double first, double span, bool clockwise)
{
    for (int i = 0; i < count; ++i) {
        const double a = first + 2 * kPi * i / count;
        c.nextPolygon(clockwise ? Wedge(c, a, a + span) : Wedge(c, a - span, a));
    }
}

void RotatingStar(Canvas &c)
{
    const QPointF centre(c.width() / 2.0, c.height() / 2.0);
    const double outer = c.t() * 2 * std::hypot(centre.x(), centre.y());
    const double turn = c.t() * 0.8 * kPi;
    QVector<QPointF> star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? outer / 2 : outer;
        const double a = turn + kPi * i / 5;
        star.append(centre + r * QPointF(std::sin(a), -std::cos(a)));
    }
    c.nextPolygon(star);
}

// The new picture swings in about a corner, like a door closing.
void Pivot(Canvas &c, bool right, bool bottom)
{
    const double px = right ? c.width() : 0, py = bottom ? c.height() : 0;
    const double sign = right == bottom ? 1 : -1;
    const QTransform place =
        QTransform().translate(px, py).rotate(sign * 90 * (1 - c.t())).translate(-px, -py);
    c.affine(c.next(), place.inverted());
}

void RotatingRectangle(Canvas &c)
{
    const double cx = c.width() / 2.0, cy = c.height() / 2.0;
    const QTransform place = QTransform()
                                 .translate(cx, cy)
                                 .rotate(180 * (1 - c.t()))
                                 .scale(c.t(), c.t())
                                 .translate(-cx, -cy);
    c.affine(c.next(), place.inverted());
}

enum class Piece { Whole, Grow, Circle, Diamond, Triangles };

// A grid of roughly square cells; each uncovers its piece of the new picture by its own
// progress (for triangles, two halves of the cell with progress from piece 2k and 2k+1).
class Cells
{
public:
    explicit Cells(const Canvas &c)
    {
        const int side = std::max(1, std::max(c.width(), c.height()) / 16);
        columns = std::max(1, (c.width() + side - 1) / side);
        rows = std::max(1, (c.height() + side - 1) / side);
    }
    int count() const { return columns * rows; }
    void draw(Canvas &c, Piece piece, const std::function<double(int)> &progress) const;

    int columns = 1;
    int rows = 1;

private:
    void cell(Canvas &c, const QRect &r, Piece piece, double p) const;
};

void Cells::draw(Canvas &c, Piece piece, const std::function<double(int)> &progress) const
{
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            const int x0 = i * c.width() / columns, x1 = (i + 1) * c.width() / columns;
            const int y0 = j * c.height() / rows, y1 = (j + 1) * c.height() / rows;
            const QRect r(x0, y0, x1 - x0, y1 - y0);
            const int k = j * columns + i;
            if (piece == Piece::Triangles) {
                const bool upper = progress(2 * k) >= 1, lower = progress(2 * k + 1) >= 1;
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    const int split =
                        r.left() + int(std::lround((1 - (y - y0 + 0.5) / r.height()) * r.width()));
                    if (upper)
                        c.nextSpan(y, r.left(), split);
                    if (lower)
                        c.nextSpan(y, split, r.left() + r.width());
                }
            } else {
                cell(c, r, piece, Clamp01(progress(k)));
            }
        }
    }
}

void Cells::cell(Canvas &c, const QRect &r, Piece piece, double p) const
{
    if (p <= 0)
        return;
    const double cx = r.left() + r.width() / 2.0, cy = r.top() + r.height() / 2.0;
    const double hw = r.width() / 2.0, hh = r.height() / 2.0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const double dy = std::abs(y + 0.5 - cy);
        double half = 0;
        switch (piece) {
        case Piece::Whole:
            half = p >= 1 ? hw : 0;
            break;
        case Piece::Grow:
            half = dy < hh * p ? hw * p : 0;
            break;
        case Piece::Circle: {
            const double radius = p * std::hypot(hw, hh);
            half = dy < radius ? std::sqrt(radius * radius - dy * dy) : 0;
            break;
        }
        case Piece::Diamond:
            half = hw * (2 * p - dy / hh);
            break;
        case Piece::Triangles:
            Q_UNREACHABLE();
        }
        half = std::min(half, hw);
        if (half > 0)
            c.nextSpan(y, int(std::lround(cx - half)), int(std::lround(cx + half)));
    }
}

// Cell indices in the order of a rectangular spiral from the outer ring inwards.
std::vector<int> SpiralRanks(int columns, int rows)
{
    std::vector<int> rank(size_t(columns * rows), 0);
    int left = 0, top = 0, right = columns - 1, bottom = rows - 1, n = 0;
    auto put = [&](int i, int j) { rank[size_t(j * columns + i)] = n++; };
    while (left <= right && top <= bottom) {
        for (int i = left; i <= right; ++i)
            put(i, top);
        for (int j = top + 1; j <= bottom; ++j)
            put(right, j);
        if (top < bottom)
            for (int i = right - 1; i >= left; --i)
                put(i, bottom);
        if (left < right)
            for (int j = bottom - 1; j > top; --j)
                put(left, j);
        ++left, ++top, --right, --bottom;
    }
    return rank;
}

bool ComposeCells(int style, Canvas &c)
{
    const double t = c.t();
    const Cells cells(c);
    const int cols = cells.columns, rows = cells.rows;
    auto scattered = [t, style](int k) {
        return Delayed(t, 0.6 * Scatter(k, quint32(style)), 0.6);
    };
    auto wave = [t](double position) { return Delayed(t, 0.6 * position, 0.6); };
    auto column = [cols](int k) { return cols > 1 ? double(k % cols) / (cols - 1) : 0.0; };
    auto row = [cols, rows](int k) { return rows > 1 ? double(k / cols) / (rows - 1) : 0.0; };
    switch (style) {
    case 118:
        cells.draw(c, Piece::Triangles, [t](int k) { return Scatter(k, 118) < t ? 1.0 : 0.0; });
        break;
    case 128:
        cells.draw(c, Piece::Whole, [t](int k) { return Scatter(k, 128) < t ? 1.0 : 0.0; });
        break;
    case 143:
        cells.draw(c, Piece::Grow, scattered);
        break;
    case 153:
        cells.draw(c, Piece::Circle, scattered);
        break;
    case 164:
        cells.draw(c, Piece::Diamond, scattered);
        break;
    case 146:
        cells.draw(c, Piece::Grow, [&](int k) { return wave(column(k)); });
        break;
    case 147:
        cells.draw(c, Piece::Grow, [&](int k) { return wave(1 - column(k)); });
        break;
    case 148:
        cells.draw(c, Piece::Grow, [&](int k) { return wave(row(k)); });
        break;
    case 149:
        cells.draw(c, Piece::Grow, [&](int k) { return wave(1 - row(k)); });
        break;
    case 152: {
        const std::vector<int> rank = SpiralRanks(cols, rows);
        const double shown = t * cells.count();
        cells.draw(c, Piece::Whole, [&](int k) { return rank[size_t(k)] < shown ? 1.0 : 0.0; });
        break;
    }
    case 167:
        cells.draw(c, Piece::Grow, [&](int k) {
            const double dx = std::abs(k % cols + 0.5 - cols / 2.0) / (cols / 2.0);
            const double dy = std::abs(k / cols + 0.5 - rows / 2.0) / (rows / 2.0);
            return wave((dx + dy) / 2);
        });
        break;
    default:
        return false;
    }
    return true;
}

} // namespace

bool ComposeShape(int style, Canvas &c)
{
    const double t = c.t();
    const double sqrt2 = std::numbers::sqrt2;
    auto quarterCircle = [t](double v) { return std::sqrt(std::max(0.0, 2 * t * t - v * v)); };
    auto diagonal = [t](double v) { return 2 * t - v; };
    const double toCorner = std::atan2(-c.width() / 2.0, c.height() / 2.0);
    c.fill(c.start());
    switch (style) {
    case 80:
        FromEdge(c, false, false, quarterCircle);
        break;
    case 81:
        FromEdge(c, true, false, quarterCircle);
        break;
    case 82:
        FromEdge(c, false, true, quarterCircle);
        break;
    case 83:
        FromEdge(c, true, true, quarterCircle);
        break;
    case 110:
        FromEdge(c, false, false, diagonal);
        break;
    case 111:
        FromEdge(c, true, false, diagonal);
        break;
    case 112:
        FromEdge(c, false, true, diagonal);
        break;
    case 113:
        FromEdge(c, true, true, diagonal);
        break;
    case 84: {
        const double r = t * sqrt2;
        Centred(c, c.next(), [r](double d) { return d < r ? std::sqrt(r * r - d * d) : 0; });
        break;
    }
    case 85: {
        const double r = (1 - t) * sqrt2;
        c.fill(c.next());
        Centred(c, c.start(), [r](double d) { return d < r ? std::sqrt(r * r - d * d) : 0; });
        break;
    }
    case 165:
        Centred(c, c.next(), [t](double d) { return 2 * t - d; });
        break;
    case 166:
        c.fill(c.next());
        Centred(c, c.start(), [t](double d) { return 2 * (1 - t) - d; });
        break;
    case 158:
        BowTie(c, true);
        break;
    case 159:
        BowTie(c, false);
        break;
    case 160:
        DiagonalCross(c, false);
        break;
    case 161:
        DiagonalCross(c, true);
        break;
    case 114:
        Sweeps(c, 2, toCorner, kPi * t, false);
        break;
    case 115:
        Sweeps(c, 2, toCorner, kPi * t, true);
        break;
    case 116:
        Sweeps(c, 12, 0, 2 * kPi / 12 * t, true);
        break;
    case 117:
        Sweeps(c, 12, 0, 2 * kPi / 12 * t, false);
        break;
    // The hand slows down as it comes round, like a dial settling.
    case 144:
        Sweeps(c, 1, 0, 2 * kPi * (1 - (1 - t) * (1 - t)), true);
        break;
    case 145:
        Sweeps(c, 1, 0, 2 * kPi * (1 - (1 - t) * (1 - t)), false);
        break;
    case 151:
        RotatingStar(c);
        break;
    case 120:
        Pivot(c, false, false);
        break;
    case 121:
        Pivot(c, false, true);
        break;
    case 122:
        Pivot(c, true, false);
        break;
    case 123:
        Pivot(c, true, true);
        break;
    case 150:
        RotatingRectangle(c);
        break;
    default:
        return ComposeCells(style, c);
    }
    return true;
}

} // namespace PicShowEffects
