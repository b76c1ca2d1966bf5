#include "controls/GlassButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

namespace {
constexpr qreal kRadius = 13.0;
}

GlassButton::GlassButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void GlassButton::setBodyColor(const QColor &color)
{
    m_body = color;
    update();
}

void GlassButton::setGlowColor(const QColor &color)
{
    m_glow = color;
    update();
}

void GlassButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QPushButton::enterEvent(event);
}

void GlassButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QPushButton::leaveEvent(event);
}

void GlassButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    const qreal radius = qMin(kRadius, inner.height() / 2);

    QColor body = isDown() ? m_body.darker(125) : m_body;
    if (!isEnabled())
        body = body.lighter(115);
    QLinearGradient fill(inner.topLeft(), inner.bottomLeft());
    fill.setColorAt(0.0, body.darker(105));
    fill.setColorAt(1.0, body.darker(140));
    QPainterPath shape;
    shape.addRoundedRect(inner, radius, radius);
    p.fillPath(shape, fill);

    if (m_hover || hasFocus()) {
        QRadialGradient glow(inner.center().x(), inner.bottom(), inner.width() * 0.6);
        QColor strong = m_glow;
        strong.setAlpha(200);
        QColor clear = m_glow;
        clear.setAlpha(0);
        glow.setColorAt(0.0, strong);
        glow.setColorAt(1.0, clear);
        p.fillPath(shape, glow);
    }

    QPainterPath shine;
    const QRectF top(inner.left() + 2, inner.top() + 1, inner.width() - 4, inner.height() / 2);
    shine.addRoundedRect(top, radius - 2, radius - 2);
    QLinearGradient gloss(top.topLeft(), top.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 190));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 40));
    p.fillPath(shine, gloss);

    p.setPen(QPen(Qt::white, 1));
    p.drawRoundedRect(outer, radius + 1, radius + 1);
    p.setPen(QPen(Qt::black, 1));
    p.drawRoundedRect(inner, radius, radius);

    // White text on a light body needs a dark halo to stay readable.
    QStyleOptionButton option;
    initStyleOption(&option);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    p.setFont(font());
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(rect().translated(1, 1), flags, text());
    p.setPen(isEnabled() ? Qt::white : QColor(240, 240, 240));
    p.drawText(rect(), flags, text());
}
