#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QTransform>
#include <QVector>
#include <vector>

// The drawing primitives the effects are built from. Every effect paints the frame from
// two pictures of one size, both 32-bit RGB: the starting frame and the new picture. The
// primitives copy whole spans and never blend, so a frame at 3840 x 2160 costs a few memory
// passes; the few blending effects (fade, channel mix) have loops of their own.
namespace PicShowEffects {

class Canvas
{
public:
    Canvas(QImage &frame, const QImage &start, const QImage &next, double progress);

    int width() const { return m_w; }
    int height() const { return m_h; }
    // Progress from 0 to 1.
    double t() const { return m_t; }
    const QImage &start() const { return m_start; }
    const QImage &next() const { return m_next; }
    QRect all() const { return QRect(0, 0, m_w, m_h); }

    quint32 *row(int y) { return m_bits + y * m_stride; }
    static const quint32 *rowOf(const QImage &picture, int y)
    {
        return reinterpret_cast<const quint32 *>(picture.constScanLine(y));
    }

    // The whole frame from one picture.
    void fill(const QImage &source);
    // Pixels [x0, x1) of row y from `source` at the same place; clamped to the frame.
    void span(const QImage &source, int y, int x0, int x1);
    void nextSpan(int y, int x0, int x1) { span(m_next, y, x0, x1); }
    // The complement of sorted, possibly overlapping intervals [x0, x1) in row y.
    void nextOutside(int y, const int *bounds, int count);
    void rect(const QImage &source, const QRect &area);
    void nextRect(const QRect &area) { rect(m_next, area); }
    // Part `from` of `source` scaled (nearest pixel) onto `to`, which is clipped to the
    // frame; mirrored along x or y on request.
    void blit(const QImage &source, const QRect &from, const QRect &to, bool mirrorX = false,
              bool mirrorY = false);
    // Replaces the whole frame: per column x, rows [lo1, lo1 + len1) and [lo2, lo2 + len2)
    // from the new picture, the rest from the starting frame.
    void columns(const std::vector<int> &lo1, const std::vector<int> &len1,
                 const std::vector<int> &lo2, const std::vector<int> &len2);
    // `source` drawn through `toSource` (frame coordinates to source coordinates), nearest
    // pixel; frame pixels whose source point falls outside `source` are left alone.
    void affine(const QImage &source, const QTransform &toSource);
    // The new picture inside a polygon (even-odd rule).
    void nextPolygon(const QVector<QPointF> &polygon);

private:
    QImage &m_frame;
    QImage m_start;
    const QImage &m_next;
    quint32 *m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_w = 0;
    int m_h = 0;
    double m_t = 0;
};

// A reproducible scramble of a number; the "random" effects draw from it so that a frame
// depends on its inputs only.
quint32 Hash(quint32 value);
// A number from 0 to 1 for piece `index` of an effect seeded with `seed`.
double Scatter(int index, quint32 seed);
// 256 x 256 noise values 0..255, for dissolves and speckles.
const quint8 *NoiseTile();

inline double Clamp01(double value)
{
    return value < 0 ? 0 : (value > 1 ? 1 : value);
}
// Progress of a piece that starts `delay` (0..spread) late and finishes in 1 - spread.
inline double Delayed(double t, double delay, double spread)
{
    return Clamp01((t - delay) / (1 - spread));
}

} // namespace PicShowEffects
