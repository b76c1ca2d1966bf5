#include "controls/GlassButton.h"

#include <QPainter>
#include <QPainterPath>

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

    // White text on a light body needs a dark outline to stay readable from a step away.
    const QRect area = rect();
    QFontMetrics metrics(font());
    QString shown = text();
    int mnemonic = -1;
    for (int i = 0; i < shown.size(); ++i) {
        if (shown.at(i) == u'&') {
            shown.remove(i, 1);
            if (i < shown.size() && shown.at(i) != u'&' && mnemonic < 0)
                mnemonic = i;
        }
    }
    const int left = area.center().x() - metrics.horizontalAdvance(shown) / 2;
    const int baseline = area.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    QPainterPath glyphs;
    glyphs.addText(left, baseline, font(), shown);
    p.setPen(QPen(QColor(90, 70, 0, 220), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glyphs);
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? QColor(Qt::white) : QColor(240, 240, 240));
    p.drawPath(glyphs);
    if (mnemonic >= 0) {
        const int x = left + metrics.horizontalAdvance(shown.left(mnemonic));
        const int w = metrics.horizontalAdvance(shown.at(mnemonic));
        const QRectF underline(x, baseline + 2, w, 1.2);
        p.fillRect(underline.adjusted(-1, -1, 1, 1), QColor(90, 70, 0, 220));
        p.fillRect(underline, Qt::white);
    }
}
