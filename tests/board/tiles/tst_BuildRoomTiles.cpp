#include "board/tiles/BuildRoomTiles.h"
#include "board/tiles/TileText.h"
#include "controls/tiles/PictureContainer.h"
#include "controls/tiles/TileList.h"
#include "platform/Errors.h"
#include "platform/Fonts.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString SqliteConnection(const QString &file)
{
    return u"Provider=SQLite;Data Source=\"%1\""_s.arg(file);
}

// The statements of rates/schema/sqlite.sql, as tools/roomdb runs them.
QStringList SqliteSchema()
{
    return RoomSchema::StatementsFor(SqliteConnection(u"Database.accdb"_s));
}

RoomRecord FromEntry(const RoomEntry &entry)
{
    return {entry.name,
            entry.code,
            entry.listed.toDouble(),
            entry.executed.toDouble(),
            entry.member.toDouble(),
            entry.index};
}

} // namespace

// BuildRoomTiles on real SQLite files: the demo database that tools/roomdb makes, and
// files with the rows each case needs.
class tst_BuildRoomTiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void demoRooms();
    void replacesWhatTheListHeld();
    void hiddenListStillGetsItsTiles();
    void emptyTable();
    void nullFieldsReadAsEmptyAndZero();
    void conversionErrorKeepsEarlierTiles_data();
    void conversionErrorKeepsEarlierTiles();
    void missingTableLeavesTheListAlone();
    void fiveRoomsScreenshot();
    void sixRoomsWrapInNarrowerTiles();

private:
    QString NewDatabase(const QString &name, const QStringList &statements);
    void Screenshot(const QString &name);

    QTemporaryDir m_folder;
    PictureContainer m_pictures;
    TileList *m_list = nullptr;
    RoomStore *m_store = nullptr;
};

void tst_BuildRoomTiles::initTestCase()
{
    QVERIFY(m_folder.isValid());
    Fonts::InstallSubstitutes();
    Tiles::LoadTilePictures(m_pictures);
}

void tst_BuildRoomTiles::init()
{
    m_list = new TileList;
    m_list->setPictureContainer(&m_pictures);
    m_list->resize(851, 1080 - 103 - 54);
    m_store = new RoomStore;
}

void tst_BuildRoomTiles::cleanup()
{
    delete m_store;
    delete m_list;
}

// A new SQLite file holding whatever the statements make.
QString tst_BuildRoomTiles::NewDatabase(const QString &name, const QStringList &statements)
{
    const QString file = m_folder.filePath(name);
    QFile(file).open(QIODevice::WriteOnly);
    RoomStore store;
    store.Open(SqliteConnection(file));
    for (const QString &statement : statements)
        store.Execute({statement}, {});
    return SqliteConnection(file);
}

void tst_BuildRoomTiles::Screenshot(const QString &name)
{
    const QString folder = qEnvironmentVariable("ZORVANE_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(m_list->grab().save(QDir(folder).filePath(name)));
}

void tst_BuildRoomTiles::demoRooms()
{
    const QString file = m_folder.filePath(u"Database.accdb"_s);
    QCOMPARE(QProcess::execute(QStringLiteral(ZORVANE_ROOMDB), {file, u"--samples"_s}), 0);
    m_store->Open(SqliteConnection(file));
    Tiles::BuildRoomTiles(*m_store, *m_list);

    const QList<RoomEntry> rooms = RoomSchema::SampleRooms();
    QCOMPARE(m_list->tileCount(), rooms.size());
    QCOMPARE(m_list->rows(), 2);
    QCOMPARE(m_list->columns(), Tiles::TileColumnCount(int(rooms.size())));
    for (int i = 0; i < rooms.size(); ++i) {
        const Tile &tile = m_list->tile(i);
        QCOMPARE(tile.content, Tiles::BuildRoomTileText(FromEntry(rooms[i])));
        QCOMPARE(tile.textPosition, TileTextPosition::Custom);
        QCOMPARE(tile.textLeft, 30);
        QCOMPARE(tile.textTop, 10);
    }
    // Five rooms: a 2 x 2 page on screen, the fifth beyond the right edge.
    QVERIFY(m_list->tileRect(3).right() < m_list->width());
    QVERIFY(m_list->tileRect(4).left() >= m_list->width());
    // The query stays open on its result for the room-rate editor.
    QCOMPARE(m_store->RecordCount(), rooms.size());
    Screenshot(u"tiles-demo.png"_s);
}

void tst_BuildRoomTiles::replacesWhatTheListHeld()
{
    m_store->Open(NewDatabase(
        u"one.db"_s, SqliteSchema() + QStringList{u"Insert into Room (Roomname) values ('A')"_s}));
    for (int i = 0; i < 3; ++i)
        m_list->appendTile();
    m_list->setColumns(7);
    Tiles::BuildRoomTiles(*m_store, *m_list);
    QCOMPARE(m_list->tileCount(), 1);
    QCOMPARE(m_list->columns(), 1);
}

// PicAlong "1" hides the list before the build; the tiles are built all the same and
// the build leaves the visibility alone.
void tst_BuildRoomTiles::hiddenListStillGetsItsTiles()
{
    m_store->Open(NewDatabase(
        u"hidden.db"_s, SqliteSchema() + QStringList{u"Insert into Room (Code) values ('BJ')"_s}));
    m_list->setVisible(Tiles::TileListVisible(u"1"_s));
    Tiles::BuildRoomTiles(*m_store, *m_list);
    QVERIFY(m_list->isHidden());
    QCOMPARE(m_list->tileCount(), 1);
}

void tst_BuildRoomTiles::emptyTable()
{
    m_store->Open(NewDatabase(u"empty.db"_s, SqliteSchema()));
    m_list->appendTile();
    Tiles::BuildRoomTiles(*m_store, *m_list);
    QCOMPARE(m_list->tileCount(), 0);
    QCOMPARE(m_list->columns(), 1);
}

void tst_BuildRoomTiles::nullFieldsReadAsEmptyAndZero()
{
    m_store->Open(NewDatabase(u"nulls.db"_s,
                              SqliteSchema() +
                                  QStringList{u"Insert into Room (Roomname, Code, Stdprice) values "
                                              u"(NULL, NULL, 99.5)"_s}));
    Tiles::BuildRoomTiles(*m_store, *m_list);
    QCOMPARE(m_list->tileCount(), 1);
    QCOMPARE(m_list->tile(0).content,
             Tiles::BuildRoomTileText({QString(), QString(), 99.5, 0, 0, QString()}));
    QVERIFY(m_list->tile(0).content.contains(u"￥0.00</b> (执行价)"_s));
}

void tst_BuildRoomTiles::conversionErrorKeepsEarlierTiles_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("pieces");
    QTest::newRow("listed rate not a number")
        << u"Stdprice"_s << u"'abc'"_s << Tiles::PiecesBeforeStdprice;
    QTest::newRow("executed rate empty")
        << u"Saleprice"_s << u"''"_s << Tiles::PiecesBeforeSaleprice;
    QTest::newRow("member rate with a comma")
        << u"clubprice"_s << u"'12,5'"_s << Tiles::PiecesBeforeClubprice;
}

// An older database with rates in text columns: the room whose rate is no number ends the
// build; the tiles before it stay and it keeps the markup assembled up to that rate.
void tst_BuildRoomTiles::conversionErrorKeepsEarlierTiles()
{
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(int, pieces);
    const QString insert = u"Insert into Room (Roomname,Code,Stdprice,Saleprice,clubprice,Flag) "
                           u"values (%1)"_s;
    m_store->Open(NewDatabase(
        u"text-rates-%1.db"_s.arg(column),
        {u"Create Table Room (ID Integer Primary Key, Roomname Text, Code Text, Stdprice "
         u"Text, Saleprice Text, clubprice Text, Flag Text)"_s,
         insert.arg(u"'甲', 'BJ', '268', '198', '168', '3'"_s),
         insert.arg(u"'乙', 'DJ', '300', '200', '100', '4'"_s),
         u"Update Room Set %1 = %2 Where Code = 'DJ'"_s.arg(column, value),
         insert.arg(u"'丙', 'TF', '1', '2', '3', '5'"_s)}));
    QVERIFY_THROWS_EXCEPTION(BoardError, Tiles::BuildRoomTiles(*m_store, *m_list));
    QCOMPARE(m_list->tileCount(), 2);
    QCOMPARE(m_list->tile(0).content,
             Tiles::BuildRoomTileText({u"甲"_s, u"BJ"_s, 268, 198, 168, u"3"_s}));
    QCOMPARE(m_list->tile(0).textPosition, TileTextPosition::Custom);
    const QString partial =
        Tiles::BuildRoomTileTextPrefix({u"乙"_s, u"DJ"_s, 300, 200, 100, u"4"_s}, pieces);
    QCOMPARE(m_list->tile(1).content, partial);
    QCOMPARE(m_list->tile(1).textPosition, TileTextPosition::TopLeft);
}

void tst_BuildRoomTiles::missingTableLeavesTheListAlone()
{
    m_store->Open(NewDatabase(u"no-room.db"_s, {u"Create Table Other (ID Integer)"_s}));
    m_list->appendTile();
    QVERIFY_THROWS_EXCEPTION(BoardError, Tiles::BuildRoomTiles(*m_store, *m_list));
    QCOMPARE(m_list->tileCount(), 1);
}

// Five rooms of our own, among them the description's example, a name holding a line
// break and an index outside 1 to 5; the fifth lies on the second page.
void tst_BuildRoomTiles::fiveRoomsScreenshot()
{
    const QString insert = u"Insert into Room (Roomname,Code,Stdprice,Saleprice,clubprice,Flag) "
                           u"values (%1)"_s;
    m_store->Open(NewDatabase(
        u"five.db"_s,
        SqliteSchema() +
            QStringList{insert.arg(u"'商务标间', 'BJ', 268, 198, 168, 3"_s),
                        insert.arg(u"'商务<br/>大床房', 'dj', 1234567.891, 99.5, 0, 5"_s),
                        insert.arg(u"'豪华大床房', 'HDJ', 588, 428, 398, 0"_s),
                        insert.arg(u"'总统套房', 'TF', 1888, 1688, 1588, 1"_s),
                        insert.arg(u"'第二页', 'QZ', 1, 2, 3, 2"_s)}));
    Tiles::BuildRoomTiles(*m_store, *m_list);
    QCOMPARE(m_list->tileCount(), 5);
    QCOMPARE(m_list->columns(), 2);
    Screenshot(u"tiles-five.png"_s);
}

// Six rooms make three columns 281 px wide: with the real fonts the rate lines wrap at
// their space and nothing but a single word passes the wrapping width.
void tst_BuildRoomTiles::sixRoomsWrapInNarrowerTiles()
{
    const QString file = m_folder.filePath(u"six.accdb"_s);
    QCOMPARE(QProcess::execute(QStringLiteral(ZORVANE_ROOMDB), {file, u"--samples"_s}), 0);
    m_store->Open(SqliteConnection(file));
    m_store->Execute({u"Insert into Room (Roomname,Code,Stdprice,Saleprice,clubprice,Flag) "
                      u"values ('经济单人间', 'TF', 128, 98, 88, 1)"_s},
                     {});
    Tiles::BuildRoomTiles(*m_store, *m_list);
    QCOMPARE(m_list->columns(), 3);
    for (int i = 0; i < m_list->tileCount(); ++i) {
        const QRect inner = m_list->tileRect(i).adjusted(2, 2, -2, -2);
        const qreal wrap = inner.right() + 1 - m_list->textOrigin(i).x();
        const Markup::LayoutResult &layout = m_list->tileLayout(i);
        for (const Markup::TextRun &run : layout.texts)
            QVERIFY2(run.box.right() <= wrap || !run.text.trimmed().contains(u' '),
                     qPrintable(run.text));
        QVERIFY(layout.lineCount > 8); // the rate lines wrapped
    }
    Screenshot(u"tiles-six.png"_s);
}

QTEST_MAIN(tst_BuildRoomTiles)
#include "tst_BuildRoomTiles.moc"
