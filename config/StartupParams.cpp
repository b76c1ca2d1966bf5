#include "config/StartupParams.h"

#include "config/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

void ReadStartupParams(const QString &programFolder, StartupParams &params)
{
    const QString path = ProgramFolder::Join(programFolder, u"\\Params.ini"_s);
    if (!QFileInfo::exists(path))
        return;
    IniFile ini(path);
    params.CityCode = ini.ReadString(u"City"_s, u"Code"_s, u"101270101"_s);
    params.ConnStr = ini.ReadString(u"connection"_s, u"constr"_s, QString());
    params.BasePath = ini.ReadString(u"connection"_s, u"basepath"_s, QString());
    params.PicAlong = ini.ReadString(u"PicAlong"_s, u"Along"_s, u"0"_s);
    // The pieces run together as they stand: basepath brings its own leading separator.
    params.ConnStr = params.ConnStr + programFolder + params.BasePath;
    ini.WriteString(u"connection"_s, u"basename"_s, programFolder);
    params.MoveMsg = ini.ReadString(u"MoveShow"_s, u"Msg"_s, QString());
}
