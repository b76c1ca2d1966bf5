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
    if (m_reflectionRows == 0)
        return;

    // Mirror the glyphs below the baseline's descent so the reflection touches the text.
    QImage mirror = line.mirrored(false, true);
    {
        QPainter mp(&mirror);
        mp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, 0, 0, m_reflectionRows);
        fade.setColorAt(0.0, QColor(0, 0, 0, 128));
        fade.setColorAt(1.0, QColor(0, 0, 0, 0));
        mp.fillRect(QRect(0, 0, width(), lineHeight), fade);
    }
    const int top = metrics.ascent() + metrics.descent();
    p.drawImage(QPoint(0, top), mirror, QRect(QPoint(0, 0), QSize(width(), m_reflectionRows) * dpr));
}
