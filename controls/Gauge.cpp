#include "controls/Gauge.h"

#include "controls/GaugeText.h"

#include <QImage>
#include <QPainter>

Gauge::Gauge(QWidget *parent) : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
}

void Gauge::setValue(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(value);
    repaint();
}

void Gauge::paintEvent(QPaintEvent *)
{
    QImage bar(size(), QImage::Format_ARGB32_Premultiplied);
    bar.fill(Qt::white);
    QPainter p(&bar);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const int fill = GaugeText::FillWidth(m_value, 0, 100, inner.width());
    p.fillRect(QRect(inner.left(), inner.top(), fill, inner.height()), QColor(0, 0, 255));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // White in difference mode turns each covered pixel into 255 minus its colour: the
    // text is white on the blue part and black on the white part, split mid-glyph.
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.setPen(Qt::white);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, GaugeText::Text(m_value));
    p.end();
    QPainter(this).drawImage(0, 0, bar);
}
