#include "controls/picshow/EffectCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace PicShowEffects {

Canvas::Canvas(QImage &frame, const QImage &start, const QImage &next, double progress)
    : m_frame(frame), m_next(next), m_w(next.width()), m_h(next.height()), m_t(progress)
{
    Q_ASSERT(next.format() == QImage::Format_RGB32);
    m_start = start.size() == next.size() ? start : start.scaled(next.size());
    if (m_start.isNull() && !next.isNull()) {
        m_start = QImage(next.size(), QImage::Format_RGB32);
        m_start.fill(Qt::black);
    }
    if (m_start.format() != QImage::Format_RGB32)
        m_start = m_start.convertToFormat(QImage::Format_RGB32);
    if (m_frame.size() != next.size() || m_frame.format() != QImage::Format_RGB32)
        m_frame = QImage(next.size(), QImage::Format_RGB32);
    m_bits = reinterpret_cast<quint32 *>(m_frame.bits());
    m_stride = m_frame.bytesPerLine() / 4;
}

void Canvas::fill(const QImage &source)
{
    for (int y = 0; y < m_h; ++y)
        std::memcpy(row(y), rowOf(source, y), size_t(m_w) * 4);
}

void Canvas::span(const QImage &source, int y, int x0, int x1)
{
    if (y < 0 || y >= m_h)
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, m_w);
    if (x1 > x0)
        std::memcpy(row(y) + x0, rowOf(source, y) + x0, size_t(x1 - x0) * 4);
}

void Canvas::nextOutside(int y, const int *bounds, int count)
{
    int from = 0;
    for (int i = 0; i < count; ++i) {
        nextSpan(y, from, bounds[2 * i]);
        from = std::max(from, bounds[2 * i + 1]);
    }
    nextSpan(y, from, m_w);
}

void Canvas::rect(const QImage &source, const QRect &area)
{
    const QRect r = area.intersected(all());
    for (int y = r.top(); y <= r.bottom(); ++y)
        span(source, y, r.left(), r.left() + r.width());
}

void Canvas::blit(const QImage &source, const QRect &from, const QRect &to, bool mirrorX,
                  bool mirrorY)
{
    const QRect clipped = to.intersected(all());
    if (clipped.isEmpty() || from.isEmpty())
        return;
    const QRect src = from.intersected(source.rect());
    if (src.isEmpty())
        return;
    if (!mirrorX && src.width() == to.width()) {
        for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
            const int dy = mirrorY ? to.bottom() - y : y - to.top();
            const int sy = src.top() + int(qint64(dy) * src.height() / to.height());
            std::memcpy(row(y) + clipped.left(),
                        rowOf(source, sy) + src.left() + (clipped.left() - to.left()),
                        size_t(clipped.width()) * 4);
        }
        return;
    }
    thread_local std::vector<int> map;
    map.resize(size_t(clipped.width()));
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
        const int dx = mirrorX ? to.right() - x : x - to.left();
        map[size_t(x - clipped.left())] = src.left() + int(qint64(dx) * src.width() / to.width());
    }
    const int *m = map.data();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const int dy = mirrorY ? to.bottom() - y : y - to.top();
        const quint32 *in = rowOf(source, src.top() + int(qint64(dy) * src.height() / to.height()));
        quint32 *out = row(y) + clipped.left();
        for (int i = 0, n = clipped.width(); i < n; ++i)
            out[i] = in[m[i]];
    }
}

void Canvas::columns(const std::vector<int> &lo1, const std::vector<int> &len1,
                     const std::vector<int> &lo2, const std::vector<int> &len2)
{
    const int *a = lo1.data(), *al = len1.data(), *b = lo2.data(), *bl = len2.data();
    for (int y = 0; y < m_h; ++y) {
        const quint32 *s = rowOf(m_start, y);
        const quint32 *n = rowOf(m_next, y);
        quint32 *out = row(y);
        for (int x = 0; x < m_w; ++x) {
            const bool in = unsigned(y - a[x]) < unsigned(al[x]) ||
                            unsigned(y - b[x]) < unsigned(bl[x]);
            out[x] = in ? n[x] : s[x];
        }
    }
}

// For the line u = u0 + du * x, the x range in which 0 <= u < limit.
static void Narrow(double u0, double du, double limit, double &xMin, double &xMax)
{
    if (std::abs(du) < 1e-12) {
        if (u0 < 0 || u0 >= limit)
            xMax = xMin - 1;
        return;
    }
    double a = (0 - u0) / du, b = (limit - u0) / du;
    if (a > b)
        std::swap(a, b);
    xMin = std::max(xMin, a);
    xMax = std::min(xMax, b);
}

void Canvas::affine(const QImage &source, const QTransform &toSource)
{
    const int sw = source.width(), sh = source.height();
    for (int y = 0; y < m_h; ++y) {
        // Pixel centres: x + 0.5, y + 0.5.
        const QPointF origin = toSource.map(QPointF(0.5, y + 0.5));
        const QPointF step = toSource.map(QPointF(1.5, y + 0.5)) - origin;
        double xMin = 0, xMax = m_w;
        Narrow(origin.x(), step.x(), sw, xMin, xMax);
        Narrow(origin.y(), step.y(), sh, xMin, xMax);
        const int x0 = std::max(0, int(std::ceil(xMin)));
        const int x1 = std::min(m_w, int(std::ceil(xMax)));
        quint32 *out = row(y);
        for (int x = x0; x < x1; ++x) {
            const int u = std::clamp(int(origin.x() + step.x() * x), 0, sw - 1);
            const int v = std::clamp(int(origin.y() + step.y() * x), 0, sh - 1);
            out[x] = rowOf(source, v)[u];
        }
    }
}

void Canvas::nextPolygon(const QVector<QPointF> &polygon)
{
    if (polygon.size() < 3)
        return;
    double top = polygon[0].y(), bottom = top;
    for (const QPointF &p : polygon) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const int y0 = std::max(0, int(std::floor(top))), y1 = std::min(m_h, int(std::ceil(bottom)));
    thread_local std::vector<double> crossings;
    for (int y = y0; y < y1; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (qsizetype i = 0, n = polygon.size(); i < n; ++i) {
            const QPointF &p = polygon[i], &q = polygon[(i + 1) % n];
            if ((p.y() <= yc) != (q.y() <= yc))
                crossings.push_back(p.x() + (yc - p.y()) * (q.x() - p.x()) / (q.y() - p.y()));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            nextSpan(y, int(std::ceil(crossings[i] - 0.5)), int(std::ceil(crossings[i + 1] - 0.5)));
    }
}

quint32 Hash(quint32 x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

double Scatter(int index, quint32 seed)
{
    return Hash(quint32(index) * 0x9e3779b9U ^ Hash(seed)) / 4294967296.0;
}

const quint8 *NoiseTile()
{
    static const std::array<quint8, 65536> tile = [] {
        std::array<quint8, 65536> values{};
        for (int i = 0; i < 65536; ++i)
            values[size_t(i)] = quint8(Hash(quint32(i) + 0x5bd1e995U) >> 24);
        return values;
    }();
    return tile.data();
}

} // namespace PicShowEffects
