#include "board/tiles/BuildRoomTiles.h"

#include "board/tiles/TileText.h"
#include "controls/tiles/PictureContainer.h"
#include "controls/tiles/TileList.h"
#include "platform/Errors.h"
#include "rates/RoomStore.h"
#include "resources/Resources.h"

#include <QImage>

using namespace Qt::Literals::StringLiterals;

namespace Tiles {
namespace {

constexpr int GridRows = 2;
constexpr int TextLeft = 30;
constexpr int TextTop = 10;

// Reads the current record field by field in the order the markup uses them; when a rate
// cannot be read the tile gets the markup up to that rate and the error goes on.
QString ReadTileText(const RoomStore &store, int tile, TileList &list)
{
    RoomRecord record;
    record.Roomname = store.TextAt(RoomPosition::Roomname);
    record.Code = store.TextAt(RoomPosition::Code);
    record.Flag = store.TextAt(RoomPosition::Flag);
    int pieces = PiecesBeforeStdprice;
    try {
        record.Stdprice = store.NumberAt(RoomPosition::Stdprice);
        pieces = PiecesBeforeSaleprice;
        record.Saleprice = store.NumberAt(RoomPosition::Saleprice);
        pieces = PiecesBeforeClubprice;
        record.clubprice = store.NumberAt(RoomPosition::clubprice);
    } catch (const BoardError &) {
        list.setTileContent(tile, BuildRoomTileTextPrefix(record, pieces));
        throw;
    }
    return BuildRoomTileText(record);
}

} // namespace

void BuildRoomTiles(RoomStore &store, TileList &list)
{
    list.setRows(GridRows);
    store.Read(RoomStatements::TileRead);
    list.clearTiles();
    const int records = store.RecordCount();
    list.setColumns(TileColumnCount(records));
    for (int i = 0; i < records; ++i) {
        const int tile = list.appendTile();
        list.setTileContent(tile, ReadTileText(store, tile, list));
        list.setTileTextPosition(tile, TileTextPosition::Custom, TextLeft, TextTop);
        store.Next();
    }
}

void LoadTilePictures(PictureContainer &container)
{
    const QStringList names{u"1.png"_s,  u"2.png"_s,  u"3.png"_s,   u"4.png"_s, u"5.png"_s,
                            u"BJ.png"_s, u"DJ.png"_s, u"HDJ.png"_s, u"TF.png"_s};
    for (const QString &name : names)
        container.Add(name, QImage(Resources::Path(u"tiles/"_s + name)));
}

} // namespace Tiles
