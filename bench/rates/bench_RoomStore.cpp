// Prints how long the board's statements take on an SQLite file (or on the server named
// by ZORVANE_TEST_PG): the open, a whole tile read, and one add or change as the editor
// runs it. Usage: bench_RoomStore [rows]   (default 1000 rows in the table)
#include "platform/Errors.h"
#include "rates/RoomRates.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

RoomEntry Numbered(int i)
{
    return {u"房型%1"_s.arg(i), u"C%1"_s.arg(i % 200), u"388.00"_s, u"268"_s, u"238.5"_s, u"3"_s};
}

template <typename F> double Millis(int repeats, F &&work)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < repeats; ++i)
        work(i);
    return clock.nsecsElapsed() / 1e6 / repeats;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    QTemporaryDir dir;
    QString connStr = qEnvironmentVariable("ZORVANE_TEST_PG");
    const bool sqlite = connStr.isEmpty();
    if (sqlite) {
        const QString file = dir.filePath(u"Database.accdb"_s);
        QFile(file).open(QIODevice::WriteOnly);
        connStr = u"Provider=SQLite;Data Source="_s + file;
    }
    try {
        RoomStore store;
        const double open = Millis(1, [&](int) { store.Open(connStr); });
        if (!sqlite)
            store.Execute({u"Drop Table If Exists Room"_s}, {});
        RoomSchema::CreateTable(store, connStr);
        const double add = Millis(rows, [&](int i) { RoomRates::Add(store, Numbered(i)); });
        const double change = Millis(100, [&](int i) { RoomRates::Change(store, Numbered(i)); });
        double sum = 0;
        const double read = Millis(20, [&](int) {
            store.Read(RoomStatements::TileRead);
            for (int r = 0; r < store.RecordCount(); ++r, store.Next())
                sum += store.NumberAt(3) + store.TextAt(1).size();
        });
        std::printf("%s, %d rows\n", sqlite ? "SQLite file" : "PostgreSQL", rows);
        std::printf("  open                 %8.3f ms\n", open);
        std::printf("  add (one row)        %8.3f ms\n", add);
        std::printf("  change (by code)     %8.3f ms\n", change);
        std::printf("  tile read, all rows  %8.3f ms  (checksum %.0f)\n", read, sum);
    } catch (const BoardError &error) {
        std::fprintf(stderr, "bench_RoomStore: %s\n", error.text().toUtf8().constData());
        return 1;
    }
    return 0;
}
