#include "controls/tiplabel/TipLabel.h"

#include "controls/tiplabel/TipText.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

namespace {

// The text laid out on one line, with the marked characters underlined.
void LayOut(QTextLayout &layout, const QString &text, const QFont &font)
{
    const TipText::Shown shown = TipText::Read(text);
    // An empty text measures as one space, so the label never shrinks to nothing.
    layout.setText(shown.text.isEmpty() ? QStringLiteral(" ") : shown.text);
    layout.setFont(font);
    QList<QTextLayout::FormatRange> ranges;
    for (const qsizetype at : shown.underlined) {
        QTextLayout::FormatRange range;
        range.start = int(at);
        range.length = shown.text.at(at).isHighSurrogate() ? 2 : 1;
        range.format.setFontUnderline(true);
        ranges.append(range);
    }
    layout.setFormats(ranges);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
}

} // namespace

TipLabel::TipLabel(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(sizeHint());
}

void TipLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    textLookChanged();
}

QString TipLabel::shownText() const
{
    return TipText::Read(m_text).text;
}

QSize TipLabel::sizeHint() const
{
    QTextLayout layout;
    LayOut(layout, m_text, font());
    const QTextLine line = layout.lineAt(0);
    const QFontMetrics metrics(font());
    return QSize(qCeil(line.naturalTextWidth()), std::max(metrics.height(), qCeil(line.height())));
}

void TipLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        textLookChanged();
    QWidget::changeEvent(event);
}

void TipLabel::textLookChanged()
{
    m_rendered = QImage();
    updateGeometry();
    // resize, not adjustSize: the text may be far wider than any screen when the label is a
    // window of its own.
    resize(sizeHint());
    update();
}

const QImage &TipLabel::rendered()
{
    const qreal dpr = devicePixelRatioF();
    if (!m_rendered.isNull() && m_rendered.size() == size() * dpr &&
        qFuzzyCompare(m_rendered.devicePixelRatio(), dpr))
        return m_rendered;
    m_rendered = QImage(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    m_rendered.setDevicePixelRatio(dpr);
    m_rendered.fill(Qt::transparent);
    QTextLayout layout;
    LayOut(layout, m_text, font());
    QPainter p(&m_rendered);
    p.setPen(palette().color(QPalette::WindowText));
    layout.draw(&p, QPointF(0, 0));
    return m_rendered;
}

void TipLabel::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QImage &image = rendered();
    const QRect area = event->rect();
    const qreal dpr = image.devicePixelRatio();
    p.drawImage(area, image, QRectF(QPointF(area.topLeft()) * dpr, QSizeF(area.size()) * dpr));
}
