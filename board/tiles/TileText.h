#pragma once

#include "board/tiles/RoomRecord.h"

#include <QString>

// What a room tile shows, computed from its record alone.
namespace Tiles {

// Columns of the two-row grid for `records` tiles: half the count, halves to the even
// neighbour, at least 1.
int TileColumnCount(int records);

// A rate as the tile shows it: two decimals, '.', no thousands separator, no blanks.
QString FormatRoomPrice(double rate);

// The whole markup of the record's tile. Field values go in unescaped, as the board has
// always done: a name holding markup changes the tile's layout.
QString BuildRoomTileText(const RoomRecord &record);

// The markup up to and without piece `pieces + 1` (pieces 1 to 18 make the whole text):
// what a tile keeps when reading a later field of its record failed.
QString BuildRoomTileTextPrefix(const RoomRecord &record, int pieces);

// Pieces assembled before each rate is read.
constexpr int PiecesBeforeStdprice = 10;
constexpr int PiecesBeforeSaleprice = 13;
constexpr int PiecesBeforeClubprice = 16;

// The list is hidden only when PicAlong is exactly "1".
bool TileListVisible(const QString &picAlong);

} // namespace Tiles
