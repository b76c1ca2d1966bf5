#include "rates/EditorDecor.h"

#include "platform/Fonts.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Ramp = 14;
const QColor PageBorder(171, 173, 179);
} // namespace

ShadowTitle::ShadowTitle(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setFont(Fonts::Pixel(u"楷体_GB2312"_s, 19, true));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShadowTitle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = rect().adjusted(0, 0, -2, -1);
    const std::pair<QPoint, QColor> layers[] = {
        {{0, 1}, Qt::black}, {{2, 1}, Qt::white}, {{2, 0}, Qt::red}};
    for (const auto &[offset, colour] : layers) {
        painter.setPen(colour);
        painter.drawText(area.translated(offset), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    }
}

RampTabBar::RampTabBar(QWidget *parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
}

QSize RampTabBar::tabSizeHint(int index) const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, tabText(index));
    return {text.width() + 20 + Ramp, std::max(text.height() + 10, 24)};
}

void RampTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Painted right to left so that each tab's ramp lies under the tab to its left.
    for (int i = count() - 1; i >= 0; --i) {
        const QRectF tab = QRectF(tabRect(i)).adjusted(0.5, 0.5, -0.5, 0);
        const bool current = i == currentIndex();
        const qreal top = current ? tab.top() : tab.top() + 3;
        QPainterPath outline;
        outline.moveTo(tab.left(), tab.bottom());
        outline.lineTo(tab.left(), top + 3);
        outline.quadTo(tab.left(), top, tab.left() + 3, top);
        outline.lineTo(tab.right() - Ramp, top);
        outline.cubicTo(tab.right() - Ramp / 2.0, top, tab.right() - Ramp / 2.0, tab.bottom(),
                        tab.right() + Ramp / 2.0, tab.bottom());
        painter.setPen(PageBorder);
        painter.setBrush(current ? QColor(Qt::white) : QColor(240, 240, 240));
        painter.drawPath(outline);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRectF label(tab.left() + 8, top, tab.width() - 8 - Ramp, tab.bottom() - top);
        painter.drawText(label, Qt::AlignCenter, tabText(i));
    }
}

RampPageControl::RampPageControl(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new RampTabBar(this));
    setDocumentMode(false);
}
