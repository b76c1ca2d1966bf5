// Prints how long one room tile takes to parse, lay out and paint, and how long building
// and painting 200 tiles from an SQLite file takes. Figures only; nothing passes or fails.
#include "board/tiles/BuildRoomTiles.h"
#include "board/tiles/TileText.h"
#include "controls/markup/MarkupLayout.h"
#include "controls/markup/MarkupPainter.h"
#include "controls/markup/MarkupParser.h"
#include "controls/tiles/PictureContainer.h"
#include "controls/tiles/TileList.h"
#include "platform/Fonts.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Microseconds per run, the best of five rounds of `count` runs.
double Measure(int count, const std::function<void()> &run)
{
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < count; ++i)
            run();
        best = qMin(best, clock.nsecsElapsed() / 1000.0 / count);
    }
    return best;
}

QString NewDatabase(const QTemporaryDir &folder, int rooms)
{
    const QString file = folder.filePath(u"Database.accdb"_s);
    QFile(file).open(QIODevice::WriteOnly);
    const QString connStr = u"Provider=SQLite;Data Source=\"%1\""_s.arg(file);
    RoomStore store;
    store.Open(connStr);
    RoomSchema::CreateTable(store, connStr);
    const QStringList codes{u"BJ"_s, u"DJ"_s, u"HDJ"_s, u"TF"_s, u"QZ"_s};
    store.Execute({u"Begin"_s}, {});
    for (int i = 0; i < rooms; ++i)
        store.Execute({u"Insert into Room (Roomname,Code,Stdprice,Saleprice,clubprice,Flag) "
                       u"values ('商务标间 %1', '%2', 268, 198, 168.5, %3)"_s.arg(i)
                           .arg(codes[i % 5])
                           .arg(i % 6)},
                      {});
    store.Execute({u"Commit"_s}, {});
    return connStr;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::InstallSubstitutes();
    PictureContainer pictures;
    Tiles::LoadTilePictures(pictures);

    const QString markup =
        Tiles::BuildRoomTileText({u"商务标间"_s, u"BJ"_s, 268, 198, 168, u"3"_s});
    Markup::FontMetricsSource metrics;
    Markup::LayoutOptions options;
    options.baseFont = {u"Tahoma"_s, 11, false};
    options.wrapWidth = 418 - 30;
    options.metrics = &metrics;
    options.pictures = &pictures;
    const Markup::Document document = Markup::Parse(markup);
    const Markup::LayoutResult layout = Markup::LayOut(document, options);
    QImage canvas(422, 458, QImage::Format_ARGB32_Premultiplied);

    std::printf("one tile (422 x 458, the board's 2 x 2 grid):\n");
    std::printf("  parse              %8.1f us\n", Measure(2000, [&] { Markup::Parse(markup); }));
    std::printf("  lay out            %8.1f us\n",
                Measure(2000, [&] { Markup::LayOut(document, options); }));
    std::printf("  paint              %8.1f us\n", Measure(200, [&] {
                    QPainter painter(&canvas);
                    Markup::Paint(painter, layout, QPointF(32, 12));
                }));
    std::printf("  parse+lay out+paint%8.1f us\n", Measure(200, [&] {
                    QPainter painter(&canvas);
                    Markup::Paint(painter, Markup::LayOut(Markup::Parse(markup), options),
                                  QPointF(32, 12));
                }));

    QTemporaryDir folder;
    RoomStore store;
    store.Open(NewDatabase(folder, 200));
    TileList list;
    list.setPictureContainer(&pictures);
    list.resize(851, 1080 - 103 - 54);
    const double build = Measure(5, [&] { Tiles::BuildRoomTiles(store, list); });
    std::printf("200 rooms from SQLite:\n");
    std::printf("  BuildRoomTiles     %8.1f ms (%d tiles, %d columns)\n", build / 1000,
                list.tileCount(), list.columns());
    QImage board(list.size(), QImage::Format_ARGB32_Premultiplied);
    const double paint = Measure(5, [&] {
        list.setColumns(list.columns()); // drops the cached layouts
        list.render(&board);
    });
    std::printf("  first paint        %8.1f ms (lays out the %d tiles on screen)\n", paint / 1000,
                qMin(list.tileCount(), 2 * list.columns()));
    const double repaint = Measure(5, [&] { list.render(&board); });
    std::printf("  repaint            %8.1f ms\n", repaint / 1000);
    return 0;
}
