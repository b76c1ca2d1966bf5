// The store against a real database: an SQLite file by default, or the PostgreSQL server
// named by ZORVANE_TEST_PG (pg-run.sh starts a throwaway one and sets it).
#include "platform/Errors.h"
#include "rates/RoomRates.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"

#include <QFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <memory>
#include <thread>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(RoomEntry)

class tst_RoomStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void emptyTable_bothReadsCountZero();
    void tileRead_columnsByPosition();
    void add_priceTexts_data();
    void add_priceTexts();
    void add_rejectsTextsThatAreNoNumber_data();
    void add_rejectsTextsThatAreNoNumber();
    void add_storesTextVerbatim_data();
    void add_storesTextVerbatim();
    void change_updatesEveryRowWithTheCode();
    void change_unknownCode_changesNothing();
    void delete_removesEveryRowWithTheCode();
    void nullValues_readAsEmptyAndZero();
    void numberAt_convertsDecimalTextOnly_data();
    void numberAt_convertsDecimalTextOnly();
    void failedStatement_givesDatabaseTextAndClosesQuery();
    void open_refusals_data();
    void open_refusals();
    void closedConnection_reopensBeforeStatement();
    void failedOpen_everyStatementRetriesUntilCauseRemoved();
    void concurrentWriter_waitedFor();

private:
    bool OnPostgres() const { return !m_pg.isEmpty(); }
    QString FreshSqliteFile(const QString &name);
    RoomEntry Room(const QString &code, const QString &listed = u"388"_s) const;
    int Count(const QString &where = QString());

    QString m_pg = qEnvironmentVariable("ZORVANE_TEST_PG");
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
    QString m_connStr;
    std::unique_ptr<RoomStore> m_store;
};

QString tst_RoomStore::FreshSqliteFile(const QString &name)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(path));
    return path;
}

void tst_RoomStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<RoomStore>();
    m_file = OnPostgres() ? QString() : FreshSqliteFile(u"Database.accdb"_s);
    m_connStr = OnPostgres() ? m_pg : u"Provider=SQLite;Data Source="_s + m_file;
    m_store->Open(m_connStr);
    if (OnPostgres())
        m_store->Execute({u"Drop Table If Exists Room"_s}, {});
    RoomSchema::CreateTable(*m_store, m_connStr);
}

void tst_RoomStore::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

RoomEntry tst_RoomStore::Room(const QString &code, const QString &listed) const
{
    return {u"房型"_s + code, code, listed, u"268"_s, u"238"_s, u"3"_s};
}

int tst_RoomStore::Count(const QString &where)
{
    m_store->Read(u"Select Code From Room "_s + where);
    return m_store->RecordCount();
}

// The tiles and the editor walk the rows by the row count; it is exact from the start.
void tst_RoomStore::emptyTable_bothReadsCountZero()
{
    for (const QString &statement : {RoomStatements::TileRead, RoomStatements::ListRead}) {
        m_store->Read(statement);
        QCOMPARE(m_store->RecordCount(), 0);
        QVERIFY(m_store->AtEnd());
        QVERIFY_THROWS_EXCEPTION(BoardError, m_store->TextAt(1));
    }
}

// The tiles read by position: ID first, then the columns in table order.
void tst_RoomStore::tileRead_columnsByPosition()
{
    RoomSchema::AddSampleRooms(*m_store);
    m_store->Read(RoomStatements::TileRead);
    QCOMPARE(m_store->RecordCount(), RoomSchema::SampleRooms().size());
    QCOMPARE(m_store->ColumnCount(), 7);
    QSet<QString> codes;
    for (int r = 0; r < m_store->RecordCount(); ++r, m_store->Next()) {
        QVERIFY(m_store->NumberAt(0) > 0);
        codes << m_store->TextAt(2);
        if (m_store->TextAt(2) == u"TF"_s) {
            QCOMPARE(m_store->TextAt(1), u"行政套房"_s);
            QCOMPARE(m_store->NumberAt(3), 988.0);
            QCOMPARE(m_store->NumberAt(5), 698.5);
            QCOMPARE(m_store->TextAt(6), u"4"_s);
        }
    }
    QVERIFY(m_store->AtEnd());
    QCOMPARE(codes, (QSet<QString>{u"BJ"_s, u"DJ"_s, u"HDJ"_s, u"TF"_s, u"QZ"_s}));
}

// The database converts the typed text; the list shows the stored number as text.
void tst_RoomStore::add_priceTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.00") << u"0.00"_s << 0.0 << u"0"_s;
    QTest::newRow("whole") << u"388"_s << 388.0 << u"388"_s;
    QTest::newRow("decimals") << u"268.50"_s << 268.5 << u"268.5"_s;
    QTest::newRow("negative") << u"-5"_s << -5.0 << u"-5"_s;
}

void tst_RoomStore::add_priceTexts()
{
    QFETCH(QString, typed);
    RoomRates::Add(*m_store, Room(u"SW"_s, typed));
    m_store->Read(RoomStatements::ListRead);
    QCOMPARE(m_store->RecordCount(), 1);
    QTEST(m_store->NumberAt(2), "stored");
    QTEST(m_store->TextByName(u"Stdprice"_s), "shown");
    QCOMPARE(m_store->TextByName(u"Flag"_s), u"3"_s);
}

void tst_RoomStore::add_rejectsTextsThatAreNoNumber_data()
{
    QTest::addColumn<RoomEntry>("entry");
    RoomEntry entry = Room(u"SW"_s);
    entry.listed = u"abc"_s;
    QTest::newRow("listed abc") << entry;
    entry = Room(u"SW"_s);
    entry.member = u"  "_s;
    QTest::newRow("member blanks") << entry;
    entry = Room(u"SW"_s);
    entry.index = u"1.5"_s;
    QTest::newRow("index 1.5") << entry;
    entry = Room(u"SW"_s);
    entry.index = u"五"_s;
    QTest::newRow("index 五") << entry;
}

void tst_RoomStore::add_rejectsTextsThatAreNoNumber()
{
    QFETCH(RoomEntry, entry);
    try {
        RoomRates::Add(*m_store, entry);
        QFAIL("the add was accepted");
    } catch (const BoardError &error) {
        QVERIFY(!error.text().isEmpty());
    }
    QCOMPARE(Count(), 0);
}

// Parameters travel as bound values, never as statement text.
void tst_RoomStore::add_storesTextVerbatim_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("drop table") << u"x'); DROP TABLE Room;--"_s;
    QTest::newRow("quotes and backslash") << u"a\\'b\"c\\"_s;
    QTest::newRow("parameter marker") << u":Code"_s;
    QTest::newRow("chinese and blanks") << u"  豪华 套房 "_s;
}

void tst_RoomStore::add_storesTextVerbatim()
{
    QFETCH(QString, text);
    RoomEntry entry = Room(text);
    entry.name = text;
    RoomRates::Add(*m_store, entry);
    m_store->Read(RoomStatements::ListRead);
    QCOMPARE(m_store->RecordCount(), 1);
    QCOMPARE(m_store->TextByName(u"Roomname"_s), text);
    QCOMPARE(m_store->TextByName(u"Code"_s), text);

    entry.listed = u"500"_s;
    RoomRates::Change(*m_store, entry);
    m_store->Read(RoomStatements::ListRead);
    QCOMPARE(m_store->TextByName(u"Stdprice"_s), u"500"_s);
}

// The code is the key of a change, and the table may hold it more than once.
void tst_RoomStore::change_updatesEveryRowWithTheCode()
{
    RoomRates::Add(*m_store, Room(u"SW"_s));
    RoomRates::Add(*m_store, Room(u"SW"_s));
    RoomRates::Add(*m_store, Room(u"DJ"_s));
    RoomRates::Change(*m_store, {u"新名"_s, u"SW"_s, u"401"_s, u"301"_s, u"201"_s, u"5"_s});

    m_store->Read(u"Select Roomname,Stdprice,Saleprice,clubprice,Flag From Room Where Code='SW'"_s);
    QCOMPARE(m_store->RecordCount(), 2);
    for (int r = 0; r < 2; ++r, m_store->Next()) {
        QCOMPARE(m_store->TextAt(0), u"新名"_s);
        QCOMPARE(m_store->NumberAt(1), 401.0);
        QCOMPARE(m_store->NumberAt(2), 301.0);
        QCOMPARE(m_store->NumberAt(3), 201.0);
        QCOMPARE(m_store->TextAt(4), u"5"_s);
    }
    m_store->Read(u"Select Roomname,Stdprice From Room Where Code='DJ'"_s);
    QCOMPARE(m_store->TextAt(0), u"房型DJ"_s);
    QCOMPARE(m_store->NumberAt(1), 388.0);
}

void tst_RoomStore::change_unknownCode_changesNothing()
{
    RoomRates::Add(*m_store, Room(u"SW"_s));
    RoomRates::Change(*m_store, {u"x"_s, u"NONE"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s});
    m_store->Read(RoomStatements::ListRead);
    QCOMPARE(m_store->RecordCount(), 1);
    QCOMPARE(m_store->TextByName(u"Roomname"_s), u"房型SW"_s);
    QCOMPARE(m_store->TextByName(u"Stdprice"_s), u"388"_s);
}

void tst_RoomStore::delete_removesEveryRowWithTheCode()
{
    RoomRates::Add(*m_store, Room(u"SW"_s));
    RoomRates::Add(*m_store, Room(u"SW"_s));
    RoomRates::Add(*m_store, Room(u"DJ"_s));
    RoomRates::Delete(*m_store, u"SW"_s);
    QCOMPARE(Count(), 1);
    QCOMPARE(Count(u"Where Code='DJ'"_s), 1);
    RoomRates::Delete(*m_store, u"NONE"_s);
    QCOMPARE(Count(), 1);
}

// A row written by another program may leave columns empty.
void tst_RoomStore::nullValues_readAsEmptyAndZero()
{
    m_store->Execute({u"Insert into Room (Code) values(:Code)"_s}, {{u"Code"_s, u"NL"_s}});
    m_store->Read(RoomStatements::TileRead);
    QCOMPARE(m_store->RecordCount(), 1);
    QCOMPARE(m_store->TextAt(1), QString());
    QCOMPARE(m_store->TextAt(3), QString());
    QCOMPARE(m_store->NumberAt(3), 0.0);
    QCOMPARE(m_store->TextAt(6), QString());
    QCOMPARE(m_store->TextByName(u"roomname"_s), QString());
}

void tst_RoomStore::numberAt_convertsDecimalTextOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("number");
    QTest::newRow("decimal") << u"12.5"_s << true << 12.5;
    QTest::newRow("whole") << u"7"_s << true << 7.0;
    QTest::newRow("letters") << u"abc"_s << false << 0.0;
    QTest::newRow("comma decimal") << u"12,5"_s << false << 0.0;
}

void tst_RoomStore::numberAt_convertsDecimalTextOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    RoomEntry entry = Room(u"SW"_s);
    entry.name = text;
    RoomRates::Add(*m_store, entry);
    m_store->Read(RoomStatements::TileRead);
    if (!converts) {
        QVERIFY_THROWS_EXCEPTION(BoardError, m_store->NumberAt(1));
        return;
    }
    QTEST(m_store->NumberAt(1), "number");
}

// The error box shows the database's own words; the query holds no stale rows after it.
void tst_RoomStore::failedStatement_givesDatabaseTextAndClosesQuery()
{
    RoomRates::Add(*m_store, Room(u"SW"_s));
    m_store->Read(RoomStatements::ListRead);
    QCOMPARE(m_store->RecordCount(), 1);
    try {
        m_store->Read(u"Select * From NoSuchTable "_s);
        QFAIL("the read succeeded");
    } catch (const BoardError &error) {
        QVERIFY2(error.text().contains(u"nosuchtable"_s, Qt::CaseInsensitive),
                 qPrintable(error.text()));
    }
    QCOMPARE(m_store->RecordCount(), 0);
    QVERIFY(m_store->IsOpen());
    try {
        m_store->Execute({u"Update Room Set NoColumn=:x"_s}, {{u"x"_s, u"1"_s}});
        QFAIL("the update succeeded");
    } catch (const BoardError &error) {
        QVERIFY2(error.text().contains(u"nocolumn"_s, Qt::CaseInsensitive),
                 qPrintable(error.text()));
    }
}

void tst_RoomStore::open_refusals_data()
{
    QTest::addColumn<QString>("connStr");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("empty") << QString() << u"为空"_s;
    QTest::newRow("unknown provider") << u"Provider=Foo;Data Source=x"_s << u"Foo"_s;
    QTest::newRow("missing file") << u"Provider=SQLite;Data Source=%1/nothing.accdb"_s
                                  << u"nothing.accdb"_s;
    QTest::newRow("access engine") << u"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=%1/x.accdb"_s
                                   << u"Microsoft.ACE.OLEDB.12.0"_s;
    QTest::newRow("no server") << u"Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=x"_s
                               << u"127.0.0.1"_s;
}

// A failed open throws a text that names the cause, and creates no file.
void tst_RoomStore::open_refusals()
{
    QFETCH(QString, connStr);
    QFETCH(QString, mentions);
    connStr.replace(u"%1"_s, m_dir->path());
    RoomStore store;
    try {
        store.Open(connStr);
        QFAIL("the open succeeded");
    } catch (const BoardError &error) {
        QVERIFY2(error.text().contains(mentions), qPrintable(error.text()));
    }
    QVERIFY(!store.IsOpen());
    QVERIFY(!QFile::exists(m_dir->filePath(u"nothing.accdb"_s)));
}

void tst_RoomStore::closedConnection_reopensBeforeStatement()
{
    RoomRates::Add(*m_store, Room(u"SW"_s));
    m_store->Close();
    QVERIFY(!m_store->IsOpen());
    m_store->Read(RoomStatements::ListRead);
    QVERIFY(m_store->IsOpen());
    QCOMPARE(m_store->RecordCount(), 1);
    m_store->Close();
    RoomRates::Add(*m_store, Room(u"DJ"_s));
    QCOMPARE(Count(), 2);
}

// Without Params.ini the string is empty: each statement repeats the open and its error.
// Once the cause is gone (here: the file named by the string appears), statements work.
void tst_RoomStore::failedOpen_everyStatementRetriesUntilCauseRemoved()
{
    RoomStore store;
    QString firstError;
    try {
        store.Open(QString());
    } catch (const BoardError &error) {
        firstError = error.text();
    }
    QVERIFY(!firstError.isEmpty());
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            store.Read(RoomStatements::ListRead);
            QFAIL("the read succeeded");
        } catch (const BoardError &error) {
            QCOMPARE(error.text(), firstError);
        }
    }

    if (OnPostgres())
        return; // the rest needs a file that can appear
    const QString later = m_dir->filePath(u"Later.accdb"_s);
    const QString connStr = u"Provider=SQLite;Data Source="_s + later;
    QVERIFY_THROWS_EXCEPTION(BoardError, store.Open(connStr));
    QVERIFY_THROWS_EXCEPTION(BoardError, RoomRates::Add(store, Room(u"SW"_s)));
    QVERIFY(!QFile::exists(later));
    {
        RoomStore installer;
        FreshSqliteFile(u"Later.accdb"_s);
        installer.Open(connStr);
        RoomSchema::CreateTable(installer, connStr);
    }
    RoomRates::Add(store, Room(u"SW"_s));
    store.Read(RoomStatements::ListRead);
    QCOMPARE(store.RecordCount(), 1);
}

// Another program holding the write lock for a moment makes the board wait, not fail.
void tst_RoomStore::concurrentWriter_waitedFor()
{
    if (OnPostgres())
        QSKIP("the server queues writers itself");
    std::atomic<bool> locked = false;
    std::thread other([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
            db.setDatabaseName(m_file);
            if (db.open()) {
                QSqlQuery query(db);
                query.exec(u"BEGIN IMMEDIATE"_s);
                query.exec(u"Insert into Room (Code) values('OT')"_s);
                locked = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(800));
                query.exec(u"COMMIT"_s);
            }
            locked = true;
            db.close();
        }
        QSqlDatabase::removeDatabase(u"other"_s);
    });
    while (!locked)
        std::this_thread::yield();
    RoomRates::Add(*m_store, Room(u"SW"_s));
    other.join();
    QCOMPARE(Count(), 2);
}

QTEST_GUILESS_MAIN(tst_RoomStore)
#include "tst_roomstore.moc"
