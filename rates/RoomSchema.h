#pragma once

#include "rates/RoomEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

class RoomStore;

// How a new installation's table Room is made: the program itself only reads and writes
// rows; the tool tools/roomdb and the tests create the table with these.
namespace RoomSchema {

// The statements of rates/schema/sqlite.sql or postgresql.sql, chosen by the connection
// string's provider, comments dropped, one statement per entry.
QStringList StatementsFor(const QString &connStr);

// Creates table Room in the open store's database.
void CreateTable(RoomStore &store, const QString &connStr);

// The demo rooms: codes BJ, DJ, HDJ and TF, which the board has pictures for, and QZ,
// which it has none for.
QList<RoomEntry> SampleRooms();
void AddSampleRooms(RoomStore &store);

} // namespace RoomSchema
