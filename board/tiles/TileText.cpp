#include "board/tiles/TileText.h"

#include <QStringList>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace Tiles {
namespace {

QStringList Pieces(const RoomRecord &r)
{
    const QString priceItem = u"<li type=\"SQUARE\" color=\"clRed\"><b><font size=\"26\" "
                              u"face=\"黑体\">￥"_s;
    return {
        u"<b><font size=\"28\" face=\"黑体\">"_s,
        r.Roomname,
        u"</font></B>"_s,
        u"<IMG src=\""_s,
        r.Code,
        u".png\"  width=\"150\" height=\"60\" align=\"right\"/>"_s,
        u"<br/><br/><font size=\"16\" face=\"黑体\">推荐指数:</font> <IMG src=\""_s,
        r.Flag,
        u".png\"/><br/><br/><font size=\"16\" face=\"黑体\">房价:</font><ul>"_s,
        u"<li  type=\"SQUARE\" color=\"clRed\"> <font size=\"26\" face=\"黑体\"><b>￥"_s,
        FormatRoomPrice(r.Stdprice),
        u"</b> (挂牌价)</font>"_s,
        priceItem,
        FormatRoomPrice(r.Saleprice),
        u"</b> (执行价)</font>"_s,
        priceItem,
        FormatRoomPrice(r.clubprice),
        u"</b> (会员价)</font>"_s,
    };
}

} // namespace

int TileColumnCount(int records)
{
    // Half of an odd count lies between q and q + 1; the even one of the two wins.
    int columns = records / 2;
    if (records % 2 != 0 && records > 0 && columns % 2 != 0)
        ++columns;
    return std::max(columns, 1);
}

QString FormatRoomPrice(double rate)
{
    return QString::asprintf("%6.2f", rate).trimmed();
}

QString BuildRoomTileText(const RoomRecord &record)
{
    return Pieces(record).join(QString());
}

QString BuildRoomTileTextPrefix(const RoomRecord &record, int pieces)
{
    return Pieces(record).mid(0, std::clamp(pieces, 0, 18)).join(QString());
}

bool TileListVisible(const QString &picAlong)
{
    return picAlong != u"1"_s;
}

} // namespace Tiles
