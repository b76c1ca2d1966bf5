#pragma once

#include <QString>

// The six texts of the editor's entry fields, passed to the database as they are typed.
struct RoomEntry
{
    QString name;     // Roomname
    QString code;     // Code, the key of a change
    QString listed;   // Stdprice
    QString executed; // Saleprice
    QString member;   // clubprice
    QString index;    // Flag
};

// One row of the editor's list, each value as the database layer renders it as text.
struct RoomListRow
{
    QString code;
    QString name;
    QString listed;
    QString executed;
    QString member;
    QString index;
};
