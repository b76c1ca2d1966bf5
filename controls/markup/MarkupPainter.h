#pragma once

#include "controls/markup/MarkupLayout.h"

#include <QPointF>

class QPainter;

namespace Markup {

// Draws laid-out runs with their top-left corner at `origin`. Runs wholly outside the
// painter's clip are skipped, so a long text costs only what shows.
void Paint(QPainter &painter, const LayoutResult &layout, QPointF origin);

} // namespace Markup
