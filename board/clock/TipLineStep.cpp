#include "board/clock/TipLineStep.h"

#include "board/clock/Clock.h"

#include <QWidget>

namespace Clock {

QRect StepTipLine(QWidget *label, int windowWidth)
{
    const QRect before = label->geometry();
    const int left = NextTipLeft(before.x(), before.width(), windowWidth);
    label->move(left, before.y());
    QWidget *footer = label->parentWidget();
    if (!footer)
        return before | label->geometry();
    // A transparent label repaints what lies under its old and new places, inside its parent.
    const QRect dirty = (before | label->geometry()) & footer->rect();
    if (dirty.isEmpty())
        return {};
    return QRect(footer->mapTo(footer->window(), dirty.topLeft()), dirty.size());
}

} // namespace Clock
