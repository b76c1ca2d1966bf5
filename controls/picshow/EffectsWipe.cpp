#include "controls/picshow/EffectFamilies.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace PicShowEffects {
namespace {

// Where a strip's uncovered part lies: from the near end (left or top), the far end, out
// of its middle, or in from both ends.
enum class From { Near, Far, Out, In };

// Strips of equal thickness, each uncovering the new picture along its length by its own
// fraction. Row strips run along x, column strips along y.
struct Strips
{
    int count = 1;
    std::function<double(int)> progress;
    std::function<From(int)> from;
};

std::function<From(int)> Always(From from)
{
    return [from](int) { return from; };
}

std::function<From(int)> Alternate(From even, From odd)
{
    return [even, odd](int i) { return i % 2 ? odd : even; };
}

void DrawColumns(Canvas &c, const Strips &s)
{
    const int w = c.width(), h = c.height();
    const size_t n = static_cast<size_t>(w);
    std::vector<int> lo1(n), len1(n), lo2(n, 0), len2(n, 0);
    int strip = -1, f = 0;
    From from = From::Near;
    for (int x = 0; x < w; ++x) {
        const int i = int(qint64(x) * s.count / w);
        if (i != strip) {
            strip = i;
            f = int(std::lround(Clamp01(s.progress(i)) * h));
            from = s.from(i);
        }
        const size_t k = size_t(x);
        switch (from) {
        case From::Near:
            lo1[k] = 0, len1[k] = f;
            break;
        case From::Far:
            lo1[k] = h - f, len1[k] = f;
            break;
        case From::Out:
            lo1[k] = (h - f) / 2, len1[k] = f;
            break;
        case From::In:
            lo1[k] = 0, len1[k] = f / 2, lo2[k] = h - f / 2, len2[k] = f / 2;
            break;
        }
    }
    c.columns(lo1, len1, lo2, len2);
}

void DrawRows(Canvas &c, const Strips &s)
{
    const int w = c.width(), h = c.height();
    for (int y = 0; y < h; ++y) {
        const int i = int(qint64(y) * s.count / h);
        const int f = int(std::lround(Clamp01(s.progress(i)) * w));
        switch (s.from(i)) {
        case From::Near:
            c.nextSpan(y, 0, f);
            break;
        case From::Far:
            c.nextSpan(y, w - f, w);
            break;
        case From::Out:
            c.nextSpan(y, (w - f) / 2, (w - f) / 2 + f);
            break;
        case From::In:
            c.nextSpan(y, 0, f / 2);
            c.nextSpan(y, w - f / 2, w);
            break;
        }
    }
}

// The new picture where either set of strips has uncovered it.
void Draw(Canvas &c, const Strips *rows, const Strips *columns)
{
    if (columns)
        DrawColumns(c, *columns);
    else
        c.fill(c.start());
    if (rows)
        DrawRows(c, *rows);
}

// A front across the whole picture, one strip per line of pixels, whose shape `lag`
// (0..1 along the strips, 0 leading) gives: the front covers the picture by progress 1.
Strips Front(double t, int lines, double depth, From from, std::function<double(double)> lag)
{
    return {lines, [=](int i) { return t * (1 + depth) - depth * lag((i + 0.5) / lines); },
            Always(from)};
}

double Bulge(double v)
{
    return 1 - std::sin(std::numbers::pi * v);
}
double Vee(double v)
{
    return std::abs(2 * v - 1);
}
double Teeth(double v)
{
    const double phase = v * 6 - std::floor(v * 6);
    return std::abs(2 * phase - 1);
}

// Bars uncovered one after another from the first.
Strips Staggered(double t, int count, From from)
{
    return {count, [=](int i) { return Delayed(t, 0.5 * i / (count - 1), 0.5); }, Always(from)};
}

// Even bars first, odd bars after them, overlapping in the middle of the transition.
Strips ThenOther(double t, int count, From first, From second)
{
    return {count, [=](int i) { return i % 2 ? Clamp01((t - 0.4) / 0.6) : Clamp01(t / 0.6); },
            Alternate(first, second)};
}

Strips Uneven(double t, int count, quint32 seed, From from)
{
    return {count, [=](int i) { return Delayed(t, 0.6 * Scatter(i, seed), 0.6); }, Always(from)};
}

// Criss-cross bars: odd bars lag behind even ones, which draws the lattice.
Strips Lattice(double t, int count, std::function<From(int)> from)
{
    return {count, [=](int i) { return Clamp01(1.5 * t - (i % 2 ? 0.5 : 0)); }, std::move(from)};
}

Strips Even(double t, int count, std::function<From(int)> from)
{
    return {count, [=](int) { return t; }, std::move(from)};
}

Strips RandomBars(double t, int count, quint32 seed)
{
    return {count, [=](int i) { return Scatter(i, seed) < t ? 1.0 : 0.0; }, Always(From::Near)};
}

// Slats that each uncover their own width, from their near or far edge.
void Blinds(Canvas &c, bool vertical, int count, std::function<double(int)> progress, bool far)
{
    c.fill(c.start());
    const int length = vertical ? c.width() : c.height();
    for (int i = 0; i < count; ++i) {
        const int a = int(qint64(i) * length / count), b = int(qint64(i + 1) * length / count);
        const int f = int(std::lround(Clamp01(progress(i)) * (b - a)));
        const int from = far ? b - f : a;
        if (vertical) {
            for (int y = 0; y < c.height(); ++y)
                c.nextSpan(y, from, from + f);
        } else {
            c.nextRect(QRect(0, from, c.width(), f));
        }
    }
}

bool ComposeCrissCross(int style, Canvas &c)
{
    const double t = c.t();
    const int rowBars = 10, columnBars = 16;
    const From N = From::Near, F = From::Far;
    auto lattice = [&](From rowEven, From rowOdd, From colEven, From colOdd) {
        const Strips rows = Lattice(t, rowBars, Alternate(rowEven, rowOdd));
        const Strips columns = Lattice(t, columnBars, Alternate(colEven, colOdd));
        Draw(c, &rows, &columns);
    };
    auto mixed = [&](const Strips &rows, const Strips &columns) { Draw(c, &rows, &columns); };
    switch (style) {
    case 86:
        lattice(F, F, F, F);
        break;
    case 87:
        lattice(F, F, N, N);
        break;
    case 88:
        lattice(N, N, F, F);
        break;
    case 89:
        lattice(N, N, N, N);
        break;
    // The bounces: the lagging bars come back from the other side.
    case 90:
        lattice(N, F, N, F);
        break;
    case 91:
        lattice(N, F, F, N);
        break;
    case 92:
        lattice(F, N, N, F);
        break;
    case 93:
        lattice(F, N, F, N);
        break;
    case 94:
        mixed(Lattice(t, rowBars, Always(F)), Even(t, columnBars, Alternate(N, F)));
        break;
    case 95:
        mixed(Lattice(t, rowBars, Always(N)), Even(t, columnBars, Alternate(N, F)));
        break;
    case 96:
        mixed(Even(t, rowBars, Alternate(N, F)), Lattice(t, columnBars, Always(F)));
        break;
    case 97:
        mixed(Even(t, rowBars, Alternate(N, F)), Lattice(t, columnBars, Always(N)));
        break;
    case 98:
        mixed(Even(t, rowBars, Alternate(N, F)), Even(t, columnBars, Alternate(N, F)));
        break;
    case 99:
        mixed(ThenOther(t, rowBars, N, F), ThenOther(t, columnBars, F, N));
        break;
    default:
        return false;
    }
    return true;
}

bool ComposeShreds(int style, Canvas &c)
{
    const double t = c.t();
    const int count = 48;
    const quint32 rowSeed = quint32(style) * 2 + 1, columnSeed = quint32(style) * 2 + 2;
    struct Pair
    {
        int style;
        bool hasRows;
        From rows;
        bool hasColumns;
        From columns;
    };
    static constexpr Pair kShreds[] = {
        {65, true, From::Far, false, From::Near}, {66, true, From::Near, false, From::Near},
        {67, true, From::Out, false, From::Near}, {68, true, From::In, false, From::Near},
        {76, false, From::Near, true, From::Far}, {77, false, From::Near, true, From::Near},
        {78, false, From::Near, true, From::Out}, {79, false, From::Near, true, From::In},
        {100, true, From::Far, true, From::Far},  {101, true, From::Far, true, From::Near},
        {102, true, From::Near, true, From::Far}, {103, true, From::Near, true, From::Near},
        {104, true, From::Far, true, From::Out},  {105, true, From::Near, true, From::Out},
        {106, true, From::Out, true, From::Far},  {107, true, From::Out, true, From::Near},
        {108, true, From::Out, true, From::Out},  {109, true, From::In, true, From::In},
    };
    for (const Pair &p : kShreds) {
        if (p.style != style)
            continue;
        const Strips rows = Uneven(t, count, rowSeed, p.rows);
        const Strips columns = Uneven(t, count, columnSeed, p.columns);
        Draw(c, p.hasRows ? &rows : nullptr, p.hasColumns ? &columns : nullptr);
        return true;
    }
    return false;
}

} // namespace

bool ComposeWipe(int style, Canvas &c)
{
    const double t = c.t();
    const int w = c.width(), h = c.height();
    auto rows = [&](const Strips &s) { Draw(c, &s, nullptr); };
    auto columns = [&](const Strips &s) { Draw(c, nullptr, &s); };
    auto uneven = [&](int i) { return Delayed(t, 0.6 * Scatter(i, quint32(style)), 0.6); };
    switch (style) {
    case 58:
        rows(Front(t, h, 0.35, From::Near, Bulge));
        break;
    case 59:
        rows(Front(t, h, 0.35, From::Far, Bulge));
        break;
    case 69:
        columns(Front(t, w, 0.35, From::Near, Bulge));
        break;
    case 70:
        columns(Front(t, w, 0.35, From::Far, Bulge));
        break;
    case 154:
        rows(Front(t, h, 0.5, From::Near, Vee));
        break;
    case 155:
        rows(Front(t, h, 0.5, From::Far, Vee));
        break;
    case 156:
        columns(Front(t, w, 0.5, From::Near, Vee));
        break;
    case 157:
        columns(Front(t, w, 0.5, From::Far, Vee));
        break;
    case 162:
        rows(Front(t, h, 0.15, From::Near, Teeth));
        break;
    case 163:
        columns(Front(t, w, 0.15, From::Near, Teeth));
        break;
    case 60:
        rows(Staggered(t, 12, From::Far));
        break;
    case 61:
        rows(Staggered(t, 12, From::Near));
        break;
    case 62:
        rows(ThenOther(t, 12, From::Near, From::Far));
        break;
    case 63:
        rows(ThenOther(t, 12, From::Far, From::Near));
        break;
    case 64:
        rows(Even(t, 12, Alternate(From::Near, From::Far)));
        break;
    case 71:
        columns(Staggered(t, 16, From::Far));
        break;
    case 72:
        columns(Staggered(t, 16, From::Near));
        break;
    case 73:
        columns(ThenOther(t, 16, From::Near, From::Far));
        break;
    case 74:
        columns(ThenOther(t, 16, From::Far, From::Near));
        break;
    case 75:
        columns(Even(t, 16, Alternate(From::Near, From::Far)));
        break;
    case 137:
        Blinds(
            c, true, 16, [t](int) { return t; }, false);
        break;
    case 138:
        Blinds(
            c, false, 12, [t](int) { return t; }, false);
        break;
    case 139:
        Blinds(c, true, 16, uneven, false);
        break;
    case 140:
        Blinds(c, true, 16, uneven, true);
        break;
    case 141:
        Blinds(c, false, 12, uneven, false);
        break;
    case 142:
        Blinds(c, false, 12, uneven, true);
        break;
    case 170:
        rows(RandomBars(t, std::max(8, h / 3), 170));
        break;
    case 171:
        columns(RandomBars(t, std::max(8, w / 3), 171));
        break;
    default:
        return ComposeCrissCross(style, c) || ComposeShreds(style, c);
    }
    return true;
}

} // namespace PicShowEffects
