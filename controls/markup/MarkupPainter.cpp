#include "controls/markup/MarkupPainter.h"

#include <QPainter>

namespace Markup {
namespace {

bool Visible(const QPainter &painter, const QRectF &box)
{
    return !painter.hasClipping() || painter.clipBoundingRect().intersects(box);
}

} // namespace

void Paint(QPainter &painter, const LayoutResult &layout, QPointF origin)
{
    painter.save();
    painter.translate(origin);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const SquareRun &square : layout.squares) {
        if (Visible(painter, square.box))
            painter.fillRect(square.box, square.color);
    }
    for (const PictureRun &picture : layout.pictures) {
        if (Visible(painter, picture.box))
            painter.drawImage(picture.box, picture.picture);
    }
    FontSpec current;
    current.pixelSize = 0;
    for (const TextRun &run : layout.texts) {
        if (!Visible(painter, run.box))
            continue;
        if (!(run.font == current)) {
            painter.setFont(ToQFont(run.font));
            current = run.font;
        }
        painter.setPen(run.color);
        painter.drawText(QPointF(run.box.left(), run.baseline), run.text);
    }
    painter.restore();
}

} // namespace Markup
