#pragma once

#include <QList>
#include <QRect>

namespace ScreenCheck {

// True when the board can run on these monitors: fewer than two, or monitors 0 and 1 of
// the same width and height. Monitors from index 2 on are not looked at.
bool MonitorsAgree(const QList<QRect> &monitors);

} // namespace ScreenCheck
