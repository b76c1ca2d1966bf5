#pragma once

#include "rates/RoomEntry.h"

#include <QList>
#include <QString>
#include <optional>

class RoomStore;

// What the room-rate editor asks of the database, and its checks and texts. It does not
// show anything: the dialog shows the messages these return.
namespace RoomRates {

extern const QString CheckCaption;    // "数据校验...."
extern const QString AddedText;       // "确认成功.....,谢谢！"
extern const QString ChangedText;     // "修改确认成功.....,谢谢！"
extern const QString DeleteCaption;
extern const QString DeletedText;
QString DeleteQuestion(const QString &code);

// The message of the first empty field in the order name, code, listed, executed, member,
// index; none when every field has a text. Blanks count as a text.
std::optional<QString> MissingFieldMessage(const RoomEntry &entry);
QString MissingCodeMessage();

QList<RoomListRow> ReadList(RoomStore &store);
void Add(RoomStore &store, const RoomEntry &entry);
// Changes every row whose code is entry.code; none matching is no error.
void Change(RoomStore &store, const RoomEntry &entry);
void Delete(RoomStore &store, const QString &code);

} // namespace RoomRates
