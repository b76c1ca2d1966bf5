// Creates table Room for a new installation, optionally with the demo rooms.
//   roomdb <file> [--samples]                 a new SQLite file (Database.accdb of a board)
//   roomdb --connection <ConnStr> [--samples]  any database the board can open, for
//                                              example a central PostgreSQL server
// An existing file is never touched, so a hotel's rates cannot be overwritten by mistake.
#include "platform/Errors.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: roomdb <file> [--samples]\n"
                         "       roomdb --connection <connection string> [--samples]\n"
                         "  <file>        a new SQLite database file, e.g. Database.accdb\n"
                         "  --connection  e.g. \"Provider=PostgreSQL;Host=db;Port=5432;"
                         "Database=rates;User ID=board;Password=…\"\n"
                         "  --samples     add the demo rooms BJ, DJ, HDJ, TF and QZ\n");
    return 2;
}

int Fail(const QString &text)
{
    std::fprintf(stderr, "roomdb: %s\n", text.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool samples = args.removeAll(u"--samples"_s) > 0;
    QString connStr;
    QString newFile;
    if (args.size() == 2 && args.first() == u"--connection"_s)
        connStr = args.at(1);
    else if (args.size() == 1 && !args.first().startsWith(u"--"_s))
        newFile = args.first();
    else
        return Usage();

    if (!newFile.isEmpty()) {
        if (QFileInfo::exists(newFile))
            return Fail(u"%1 already exists; it is left as it is."_s.arg(newFile));
        QFile file(newFile);
        if (!file.open(QIODevice::NewOnly))
            return Fail(u"cannot create %1: %2"_s.arg(newFile, file.errorString()));
        file.close();
        connStr = u"Provider=SQLite;Data Source=\"%1\""_s.arg(
            QString(newFile).replace(u'"', u"\"\""_s));
    }
    try {
        RoomStore store;
        store.Open(connStr);
        RoomSchema::CreateTable(store, connStr);
        if (samples)
            RoomSchema::AddSampleRooms(store);
    } catch (const BoardError &error) {
        if (!newFile.isEmpty())
            QFile::remove(newFile);
        return Fail(error.text());
    }
    std::printf("roomdb: table Room created%s\n", samples ? " with the demo rooms" : "");
    return 0;
}
