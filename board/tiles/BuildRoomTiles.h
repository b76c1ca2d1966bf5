#pragma once

class PictureContainer;
class RoomStore;
class TileList;

namespace Tiles {

// Fills the list from table Room, one tile per record in the order the query gives them,
// and leaves the query open on its result. A failing read ends it with a BoardError: the
// tiles appended before stay, and the tile being built keeps the markup assembled so far.
void BuildRoomTiles(RoomStore &store, TileList &list);

// Adds the nine stored tile pictures (star rows "1.png" to "5.png", rooms "BJ.png",
// "DJ.png", "HDJ.png", "TF.png") in their order.
void LoadTilePictures(PictureContainer &container);

} // namespace Tiles
