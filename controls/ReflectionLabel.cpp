#include "controls/ReflectionLabel.h"

#include <QPainter>

ReflectionLabel::ReflectionLabel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ReflectionLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void ReflectionLabel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void ReflectionLabel::setReflectionRows(int rows)
{
    m_reflectionRows = std::max(0, rows);
    update();
}

namespace {

// The lowest pixel row that holds any of the text's ink, or -1 for none.
int LastInkRow(const QImage &line)
{
    for (int y = line.height() - 1; y >= 0; --y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(line.constScanLine(y));
        for (int x = 0; x < line.width(); ++x)
            if (qAlpha(pixels[x]) != 0)
                return y;
    }
    return -1;
}

} // namespace

void ReflectionLabel::paintEvent(QPaintEvent *)
{
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const qreal dpr = devicePixelRatioF();
    QImage line(QSize(width(), lineHeight) * dpr, QImage::Format_ARGB32_Premultiplied);
    line.setDevicePixelRatio(dpr);
    line.fill(Qt::transparent);
    {
        QPainter lp(&line);
        lp.setFont(font());
        lp.setPen(m_color);
        lp.drawText(QRect(0, 0, width(), lineHeight), Qt::AlignLeft | Qt::AlignTop, m_text);
    }

    QPainter p(this);
    p.drawImage(QPoint(0, 0), line);
    const int inkBottom = LastInkRow(line);
    if (m_reflectionRows == 0 || inkBottom < 0)
        return;

    // Mirrored about the text's lowest inked row, so the reflection touches the glyphs and
    // its first row is the one at half opacity, whatever the font's descent.
    const int rows = int(m_reflectionRows * dpr);
    QImage mirror = line.copy(0, 0, line.width(), inkBottom + 1).mirrored(false, true);
    mirror.setDevicePixelRatio(1);
    {
        QPainter mp(&mirror);
        mp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, 0, 0, rows);
        fade.setColorAt(0.0, QColor(0, 0, 0, 128));
        fade.setColorAt(1.0, QColor(0, 0, 0, 0));
        mp.fillRect(QRect(0, 0, mirror.width(), mirror.height()), fade);
    }
    const int shown = std::min(rows, mirror.height());
    p.drawImage(QRectF(0, (inkBottom + 1) / dpr, width(), shown / dpr), mirror,
                QRectF(0, 0, mirror.width(), shown));
}
