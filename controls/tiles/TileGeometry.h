#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the tile list puts its tiles: Rows by Columns tiles a page, filled row by row,
// 2 px between tiles and from the edges; further pages lie beyond the right edge.
namespace TileGeometry {

constexpr int Spacing = 2;
constexpr int InnerMargin = 2;

int TilesPerPage(int rows, int columns);
// The rectangle of tile `index` in the list's client area of size `area`.
QRect TileRect(QSize area, int rows, int columns, int index);
// The tile's rectangle less 2 px on every side.
QRect InnerRect(const QRect &tile);

} // namespace TileGeometry
