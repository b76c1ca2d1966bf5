#include "controls/picshow/EffectFamilies.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace PicShowEffects {
namespace {

// Each channel moves from the old to the new value by its own weight out of 256.
void Blend(Canvas &c, int red, int green, int blue)
{
    const quint32 r1 = quint32(red), g1 = quint32(green), b1 = quint32(blue);
    const quint32 r0 = 256 - r1, g0 = 256 - g1, b0 = 256 - b1;
    const bool even = red == green && green == blue;
    for (int y = 0; y < c.height(); ++y) {
        const quint32 *s = Canvas::rowOf(c.start(), y), *n = Canvas::rowOf(c.next(), y);
        quint32 *out = c.row(y);
        const int w = c.width();
        if (even) {
            for (int x = 0; x < w; ++x) {
                const quint32 rb = ((s[x] & 0xff00ffU) * r0 + (n[x] & 0xff00ffU) * r1) >> 8;
                const quint32 g = ((s[x] & 0xff00U) * r0 + (n[x] & 0xff00U) * r1) >> 8;
                out[x] = 0xff000000U | (rb & 0xff00ffU) | (g & 0xff00U);
            }
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const quint32 r = ((s[x] >> 16 & 0xffU) * r0 + (n[x] >> 16 & 0xffU) * r1) >> 8;
            const quint32 g = ((s[x] >> 8 & 0xffU) * g0 + (n[x] >> 8 & 0xffU) * g1) >> 8;
            const quint32 b = ((s[x] & 0xffU) * b0 + (n[x] & 0xffU) * b1) >> 8;
            out[x] = 0xff000000U | r << 16 | g << 8 | b;
        }
    }
}

int Weight(double fraction)
{
    return int(std::lround(Clamp01(fraction) * 256));
}

// The noise value row of y, repeating every 256 pixels; the tile is shifted for every
// block of 256 rows so that its repetition does not show as a grid.
const quint8 *NoiseRow(int y)
{
    return NoiseTile() + (y & 255) * 256;
}
int NoiseShift(int y)
{
    return int(Hash(quint32(y >> 8)) & 255);
}

// Pixels [x0, x1) of row y from the new picture where the noise lies below `limit`
// (0..256, one value per column, indexed from x0).
void SpeckleSpan(Canvas &c, int y, int x0, int x1, const int *limit)
{
    const quint8 *noise = NoiseRow(y);
    const int shift = NoiseShift(y);
    const quint32 *s = Canvas::rowOf(c.start(), y), *n = Canvas::rowOf(c.next(), y);
    quint32 *out = c.row(y);
    // Cut where the noise row wraps, so that each piece reads it in one run.
    for (int a = x0; a < x1;) {
        const int offset = (a + shift) & 255;
        const int b = std::min(x1, a + 256 - offset);
        const quint8 *k = noise + offset - a;
        const int *l = limit - x0;
        for (int x = a; x < b; ++x)
            out[x] = k[x] < l[x] ? n[x] : s[x];
        a = b;
    }
}

// The new picture where the noise is below a threshold given per column or per row:
// where it is 0 or 256 the pixels are copied whole.
void Speckle(Canvas &c, const std::vector<int> &threshold, bool perRow)
{
    const int w = c.width(), h = c.height();
    if (perRow) {
        std::vector<int> limit(static_cast<size_t>(w));
        for (int y = 0; y < h; ++y) {
            const int t = threshold[size_t(y)];
            if (t <= 0 || t >= 256) {
                c.span(t <= 0 ? c.start() : c.next(), y, 0, w);
                continue;
            }
            std::fill(limit.begin(), limit.end(), t);
            SpeckleSpan(c, y, 0, w, limit.data());
        }
        return;
    }
    int first = 0, last = w;
    while (first < w && (threshold[size_t(first)] <= 0 || threshold[size_t(first)] >= 256))
        ++first;
    while (last > first && (threshold[size_t(last - 1)] <= 0 || threshold[size_t(last - 1)] >= 256))
        --last;
    for (int y = 0; y < h; ++y) {
        // Columns outside the soft band are copied whole from one picture or the other.
        auto copyWhole = [&](int from, int to) {
            for (int x = from; x < to;) {
                const bool next = threshold[size_t(x)] >= 256;
                int e = x;
                while (e < to && (threshold[size_t(e)] >= 256) == next)
                    ++e;
                c.span(next ? c.next() : c.start(), y, x, e);
                x = e;
            }
        };
        copyWhole(0, first);
        copyWhole(last, w);
        if (first < last)
            SpeckleSpan(c, y, first, last, threshold.data() + first);
    }
}

// A speckled front: the noise lets pixels through first near the side it comes from.
void SpeckleFrom(Canvas &c, bool vertical, bool far)
{
    const int length = vertical ? c.height() : c.width();
    const double soft = 0.4;
    std::vector<int> threshold(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        const double position = (far ? length - 1 - i : i + 0.5) / length;
        threshold[size_t(i)] = Weight((c.t() * (1 + soft) - position) / soft);
    }
    Speckle(c, threshold, vertical);
}

void Dissolve(Canvas &c)
{
    const std::vector<int> threshold(size_t(c.width()), Weight(c.t()));
    Speckle(c, threshold, false);
}

// The old picture breaks into ever larger blocks, then the new one comes out of them.
void Pixelate(Canvas &c)
{
    const bool second = c.t() >= 0.5;
    const QImage &source = second ? c.next() : c.start();
    const double coarse = second ? (1 - c.t()) * 2 : c.t() * 2;
    const int largest = std::max(2, std::max(c.width(), c.height()) / 12);
    const int block = std::max(1, int(std::lround(1 + coarse * (largest - 1))));
    const int w = c.width(), h = c.height();
    for (int y0 = 0; y0 < h; y0 += block) {
        const int y1 = std::min(h, y0 + block);
        const quint32 *in = Canvas::rowOf(source, (y0 + y1) / 2);
        quint32 *out = c.row(y0);
        for (int x0 = 0; x0 < w; x0 += block) {
            const int x1 = std::min(w, x0 + block);
            std::fill(out + x0, out + x1, in[(x0 + x1) / 2]);
        }
        for (int y = y0 + 1; y < y1; ++y)
            std::memcpy(c.row(y), out, size_t(w) * 4);
    }
}

} // namespace

bool ComposePixel(int style, Canvas &c)
{
    const double t = c.t();
    switch (style) {
    case 119:
        Blend(c, Weight(t), Weight(t), Weight(t));
        break;
    // Red moves first, then green, then blue.
    case 172:
        Blend(c, Weight(3 * t), Weight(3 * t - 1), Weight(3 * t - 2));
        break;
    case 124:
        SpeckleFrom(c, false, true);
        break;
    case 125:
        SpeckleFrom(c, false, false);
        break;
    case 126:
        SpeckleFrom(c, true, true);
        break;
    case 127:
        SpeckleFrom(c, true, false);
        break;
    case 168:
        Pixelate(c);
        break;
    case 169:
        Dissolve(c);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace PicShowEffects
