#pragma once

#include <QString>

// The settings the main window takes from Params.ini while it is created.
struct StartupParams
{
    QString CityCode;
    QString ConnStr;
    QString BasePath;
    QString PicAlong = QStringLiteral("0");
    QString MoveMsg;
};

// The start-up read, in its order: CityCode, the two connection pieces, PicAlong, the
// composed ConnStr, the program folder written back as "basename", then MoveMsg. Without
// Params.ini in `programFolder` it does nothing. The write of basename may throw BoardError;
// the values read before it then stay in `params`, and MoveMsg is not read.
void ReadStartupParams(const QString &programFolder, StartupParams &params);
