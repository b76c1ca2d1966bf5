#include "rates/RoomStore.h"

using namespace Qt::Literals::StringLiterals;

namespace RoomStatements {

const QString TileRead = u"Select * From Room "_s;
const QString ListRead = u"Select Roomname,Code,Stdprice,Saleprice,clubprice,Flag From Room "_s;
const QStringList Add{
    u"Insert into Room (Roomname,Code,Stdprice,Saleprice,clubprice,Flag) "_s,
    u"           values(:Roomname,:Code,:Stdprice,:Saleprice,:clubprice,:Flag) "_s};
const QStringList Change{
    u"Update Room Set Roomname=:Roomname,Stdprice=:Std,Saleprice=:sale,clubprice=:club,Flag=:Flag "_s,
    u"  Where Code=:Code "_s};
// The editor's delete button retires a room type: every row with the code goes.
const QStringList Delete{u"Delete From Room Where Code=:Code"_s};

} // namespace RoomStatements
