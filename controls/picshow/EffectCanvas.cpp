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
    m_start = start.size() == next.size() || start.isNull() ? start : start.scaled(next.size());
    if (m_start.isNull() && !next.isNull()) {
        m_start = QImage(next.size(), QImage::Format_RGB32);
        m_start.fill(Qt::black);
    }
    if (m_start.format() != QImage::Format_RGB32)
        m_start = m_start.convertToFormat(QImage::Format_RGB32);
    // A frame shared with another image would be copied on write only to be overwritten.
    if (m_frame.size() != next.size() || m_frame.format() != QImage::Format_RGB32 ||
        !m_frame.isDetached())
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
    // Neighbouring columns with the same intervals form a group; in each row the groups
    // then merge into runs from one picture, copied whole, so each pixel is read once.
    struct Group
    {
        int x0, lo1, len1, lo2, len2;
    };
    thread_local std::vector<Group> groups;
    groups.clear();
    for (int x = 0; x < m_w; ++x) {
        const size_t k = size_t(x);
        if (groups.empty() || groups.back().lo1 != lo1[k] || groups.back().len1 != len1[k] ||
            groups.back().lo2 != lo2[k] || groups.back().len2 != len2[k])
            groups.push_back({x, lo1[k], len1[k], lo2[k], len2[k]});
    }
    if (groups.empty())
        return;
    for (int y = 0; y < m_h; ++y) {
        auto fromNext = [y](const Group &g) {
            return unsigned(y - g.lo1) < unsigned(g.len1) || unsigned(y - g.lo2) < unsigned(g.len2);
        };
        int runStart = 0;
        bool runNext = fromNext(groups[0]);
        for (size_t i = 1; i < groups.size(); ++i) {
            const bool n = fromNext(groups[i]);
            if (n == runNext)
                continue;
            span(runNext ? m_next : m_start, y, runStart, groups[i].x0);
            runStart = groups[i].x0;
            runNext = n;
        }
        span(runNext ? m_next : m_start, y, runStart, m_w);
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
    // Per row: the source point of the first pixel centre and the step per pixel, in
    // 16.16 fixed point, and the pixels whose source point lies inside the source.
    struct Line
    {
        qint64 u, v;
        int x0, x1;
    };
    thread_local std::vector<Line> lines;
    lines.resize(size_t(m_h));
    const QPointF step = toSource.map(QPointF(1, 0)) - toSource.map(QPointF(0, 0));
    const qint64 du = qint64(std::llround(step.x() * 65536)),
                 dv = qint64(std::llround(step.y() * 65536));
    for (int y = 0; y < m_h; ++y) {
        const QPointF origin = toSource.map(QPointF(0.5, y + 0.5));
        double xMin = 0, xMax = m_w;
        Narrow(origin.x(), step.x(), sw, xMin, xMax);
        Narrow(origin.y(), step.y(), sh, xMin, xMax);
        lines[size_t(y)] = {qint64(std::llround(origin.x() * 65536)),
                            qint64(std::llround(origin.y() * 65536)),
                            std::max(0, int(std::ceil(xMin))), std::min(m_w, int(std::ceil(xMax)))};
    }
    // Tiles keep the source reads of a rotated picture within the cache.
    const uchar *bits = source.constBits();
    const qsizetype stride = source.bytesPerLine();
    constexpr int kTileRows = 32, kTileColumns = 64;
    for (int ty = 0; ty < m_h; ty += kTileRows) {
        const int tyEnd = std::min(m_h, ty + kTileRows);
        for (int tx = 0; tx < m_w; tx += kTileColumns) {
            for (int y = ty; y < tyEnd; ++y) {
                const Line &line = lines[size_t(y)];
                const int x0 = std::max(line.x0, tx), x1 = std::min(line.x1, tx + kTileColumns);
                quint32 *out = row(y);
                qint64 u = line.u + du * x0, v = line.v + dv * x0;
                for (int x = x0; x < x1; ++x, u += du, v += dv) {
                    const int su = std::clamp(int(u >> 16), 0, sw - 1);
                    const int sv = std::clamp(int(v >> 16), 0, sh - 1);
                    out[x] = reinterpret_cast<const quint32 *>(bits + sv * stride)[su];
                }
            }
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
