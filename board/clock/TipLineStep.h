#pragma once

#include <QRect>

class QWidget;

namespace Clock {

// One tick of the tip line: moves `label` (a child of the footer) to NextTipLeft of its left
// edge, its width and `windowWidth`, and gives the part of the window, in window coordinates,
// that the move leaves to repaint: the old and new places of the label, cut to its parent, so
// never more than the footer band.
QRect StepTipLine(QWidget *label, int windowWidth);

} // namespace Clock
