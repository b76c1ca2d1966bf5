#pragma once

#include <QString>

// One row of "Select * From Room " as the tiles read it, taken by position.
struct RoomRecord
{
    QString Roomname;
    QString Code;
    double Stdprice = 0;
    double Saleprice = 0;
    double clubprice = 0;
    QString Flag;
};

// Where each field stands in the row; position 0 (ID) is not read.
namespace RoomPosition {
constexpr int Roomname = 1;
constexpr int Code = 2;
constexpr int Stdprice = 3;
constexpr int Saleprice = 4;
constexpr int clubprice = 5;
constexpr int Flag = 6;
} // namespace RoomPosition
