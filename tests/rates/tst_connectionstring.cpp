#include "rates/ConnectionString.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_ConnectionString : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void parseErrors_data();
    void parseErrors();
    void plan_data();
    void plan();
    void planErrors_data();
    void planErrors();
};

// Keys are found without regard to case; quotes protect ';' and '=' inside a value.
void tst_ConnectionString::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << u"Provider=SQLite;Data Source=/b/Database.accdb"_s
                           << u"data source"_s << u"/b/Database.accdb"_s;
    QTest::newRow("key case") << u"PROVIDER=SQLite"_s << u"Provider"_s << u"SQLite"_s;
    QTest::newRow("blanks trimmed") << u"  Host =  db1 ; Port=5432"_s << u"host"_s << u"db1"_s;
    QTest::newRow("empty pieces") << u";;Provider=SQLite;;"_s << u"provider"_s << u"SQLite"_s;
    QTest::newRow("double quotes") << u"Password=\"a;b=c\";User ID=x"_s << u"password"_s
                                   << u"a;b=c"_s;
    QTest::newRow("single quotes") << u"Password='it''s'"_s << u"password"_s << u"it's"_s;
    QTest::newRow("doubled quote") << u"Data Source=\"C:\\a \"\"b\"\"\""_s << u"data source"_s
                                   << u"C:\\a \"b\""_s;
    QTest::newRow("equals in value") << u"Password=a=b"_s << u"password"_s << u"a=b"_s;
    QTest::newRow("empty value") << u"Data Source=;Provider=SQLite"_s << u"data source"_s
                                 << QString();
    QTest::newRow("last wins") << u"Port=1;Port=2"_s << u"port"_s << u"2"_s;
}

void tst_ConnectionString::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const ConnectionString::ParseResult result = ConnectionString::Parse(text);
    QVERIFY2(result.pairs, qPrintable(result.error));
    QVERIFY(result.pairs->Has(key));
    QCOMPARE(result.pairs->Value(key), value);
}

void tst_ConnectionString::parseErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no equals") << u"Provider=SQLite;Database.accdb"_s;
    QTest::newRow("no key") << u"=SQLite"_s;
    QTest::newRow("open quote") << u"Password=\"abc"_s;
    QTest::newRow("text after quote") << u"Password=\"abc\"def;Port=1"_s;
}

void tst_ConnectionString::parseErrors()
{
    QFETCH(QString, text);
    const ConnectionString::ParseResult result = ConnectionString::Parse(text);
    QVERIFY(!result.pairs);
    QVERIFY(!result.error.isEmpty());
}

void tst_ConnectionString::plan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<QString>("databaseName");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("fileMustExist");

    // Params.ini's constr, the folder and basepath run together.
    QTest::newRow("sqlite as composed") << u"Provider=SQLite;Data Source=/opt/board/Database.accdb"_s
                                        << u"QSQLITE"_s << u"/opt/board/Database.accdb"_s
                                        << QString() << -1 << QString() << QString() << true;
    QTest::newRow("sqlite windows basepath")
        << u"Provider=sqlite;Data Source=/opt/board\\Database.accdb"_s << u"QSQLITE"_s
        << u"/opt/board/Database.accdb"_s << QString() << -1 << QString() << QString() << true;
    QTest::newRow("postgresql")
        << u"Provider=PostgreSQL;Host=10.0.0.5;Port=5433;Database=rates;User ID=board;Password=s"_s
        << u"QPSQL"_s << u"rates"_s << u"10.0.0.5"_s << 5433 << u"board"_s << u"s"_s << false;
    QTest::newRow("postgresql quoted password")
        << u"Provider=PostgreSQL;Host=db;Database=rates;User ID=board;Password=\"p;w\""_s
        << u"QPSQL"_s << u"rates"_s << u"db"_s << -1 << u"board"_s << u"p;w"_s << false;
    QTest::newRow("access")
        << u"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=D:\\Board\\Database.accdb"_s
        << u"QODBC"_s
        << u"DRIVER={Microsoft Access Driver (*.mdb, *.accdb)};DBQ=D:\\Board\\Database.accdb;"_s
        << QString() << -1 << QString() << QString() << false;
}

void tst_ConnectionString::plan()
{
    QFETCH(QString, text);
    const ConnectionString::PlanResult result = ConnectionString::PlanFor(text);
    QVERIFY2(result.plan, qPrintable(result.error));
    QTEST(result.plan->driver, "driver");
    QTEST(result.plan->databaseName, "databaseName");
    QTEST(result.plan->host, "host");
    QTEST(result.plan->port, "port");
    QTEST(result.plan->user, "user");
    QTEST(result.plan->password, "password");
    QTEST(result.plan->fileMustExist, "fileMustExist");
    if (result.plan->driver == u"QSQLITE"_s)
        QVERIFY(result.plan->connectOptions.contains(u"QSQLITE_BUSY_TIMEOUT="_s));
}

// Every refusal names its cause, so the default error report says what to fix.
void tst_ConnectionString::planErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("empty") << QString() << u"为空"_s;
    QTest::newRow("blanks") << u"   "_s << u"为空"_s;
    QTest::newRow("no provider") << u"Data Source=/b/Database.accdb"_s << u"Provider"_s;
    QTest::newRow("unknown provider") << u"Provider=Microsoft.Jet.OLEDB.3.5;Data Source=x"_s
                                      << u"Microsoft.Jet.OLEDB.3.5"_s;
    QTest::newRow("sqlite no file") << u"Provider=SQLite;Data Source="_s << u"Data Source"_s;
    QTest::newRow("postgresql no database") << u"Provider=PostgreSQL;Host=db"_s << u"Database"_s;
    QTest::newRow("postgresql bad port") << u"Provider=PostgreSQL;Database=r;Port=54x"_s
                                         << u"54x"_s;
    QTest::newRow("malformed") << u"Provider=SQLite;junk"_s << u"junk"_s;
}

void tst_ConnectionString::planErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, mentions);
    const ConnectionString::PlanResult result = ConnectionString::PlanFor(text);
    QVERIFY(!result.plan);
    QVERIFY2(result.error.contains(mentions), qPrintable(result.error));
}

QTEST_APPLESS_MAIN(tst_ConnectionString)
#include "tst_connectionstring.moc"
