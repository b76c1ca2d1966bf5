#pragma once

#include <QList>
#include <QRect>
#include <functional>

// The monitors as the window system lists them, index 0 first, each with its full
// rectangle in desktop coordinates (not the work area).
namespace Monitors {

QList<QRect> Rects();

// Tests stand in for the window system's list; an empty function restores it.
void SetSourceForTesting(std::function<QList<QRect>()> source);

} // namespace Monitors
