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

// Pixels show the new picture where the noise is below the threshold, which is one value
// for the whole row or one per column.
void Speckle(Canvas &c, const int *columnThreshold, const int *rowThreshold)
{
    const int w = c.width();
    thread_local std::vector<int> limits;
    limits.resize(size_t(w));
    for (int y = 0; y < c.height(); ++y) {
        const quint8 *noise = NoiseRow(y);
        const int shift = NoiseShift(y);
        const quint32 *s = Canvas::rowOf(c.start(), y), *n = Canvas::rowOf(c.next(), y);
        const int *limit = columnThreshold;
        if (!limit) {
            std::fill(limits.begin(), limits.end(), rowThreshold[y]);
            limit = limits.data();
        }
        quint32 *out = c.row(y);
        for (int x0 = 0; x0 < w; x0 += 256) {
            const int x1 = std::min(w, x0 + 256);
            for (int x = x0; x < x1; ++x)
                out[x] = noise[(x + shift) & 255] < limit[x] ? n[x] : s[x];
        }
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
    Speckle(c, vertical ? nullptr : threshold.data(), vertical ? threshold.data() : nullptr);
}

void Dissolve(Canvas &c)
{
    std::vector<int> threshold(size_t(c.width()), Weight(c.t()));
    Speckle(c, threshold.data(), nullptr);
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
    case 119: Blend(c, Weight(t), Weight(t), Weight(t)); break;
    // Red moves first, then green, then blue.
    case 172: Blend(c, Weight(3 * t), Weight(3 * t - 1), Weight(3 * t - 2)); break;
    case 124: SpeckleFrom(c, false, true); break;
    case 125: SpeckleFrom(c, false, false); break;
    case 126: SpeckleFrom(c, true, true); break;
    case 127: SpeckleFrom(c, true, false); break;
    case 168: Pixelate(c); break;
    case 169: Dissolve(c); break;
    default: return false;
    }
    return true;
}

} // namespace PicShowEffects
