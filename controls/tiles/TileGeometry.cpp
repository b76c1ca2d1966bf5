#include "controls/tiles/TileGeometry.h"

#include <QtGlobal>

namespace TileGeometry {

int TilesPerPage(int rows, int columns)
{
    return qMax(1, rows) * qMax(1, columns);
}

QRect TileRect(QSize area, int rows, int columns, int index)
{
    rows = qMax(1, rows);
    columns = qMax(1, columns);
    const int width = (area.width() - Spacing * (columns + 1)) / columns;
    const int height = (area.height() - Spacing * (rows + 1)) / rows;
    const int perPage = rows * columns;
    const int page = index / perPage;
    const int onPage = index % perPage;
    const int row = onPage / columns;
    const int column = onPage % columns;
    return QRect(page * area.width() + Spacing + column * (width + Spacing),
                 Spacing + row * (height + Spacing), qMax(0, width), qMax(0, height));
}

QRect InnerRect(const QRect &tile)
{
    return tile.adjusted(InnerMargin, InnerMargin, -InnerMargin, -InnerMargin);
}

} // namespace TileGeometry
