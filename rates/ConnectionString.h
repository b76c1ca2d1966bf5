#pragma once

#include <QMap>
#include <QString>
#include <optional>

// The ADO-style connection string of Params.ini ("Key=Value;Key=Value"), read into the
// Qt SQL driver and settings that open the same database. It opens nothing itself.
namespace ConnectionString {

// Keys are held in lower case; values without their quotes.
struct Pairs
{
    QMap<QString, QString> values;
    QString Value(const QString &key) const { return values.value(key.toLower()); }
    bool Has(const QString &key) const { return values.contains(key.toLower()); }
};

struct ParseResult
{
    std::optional<Pairs> pairs;
    QString error;
};

// Splits on ';' outside quotes; a value may be quoted with " or ', a doubled quote inside
// standing for one. Empty pieces are skipped; a piece without '=' is an error.
ParseResult Parse(const QString &text);

// What QSqlDatabase needs to open the database the string names.
struct Plan
{
    QString driver;           // QSQLITE, QPSQL, QODBC
    QString databaseName;     // file, database, or the ODBC driver string
    QString host;
    int port = -1;
    QString user;
    QString password;
    QString connectOptions;
    bool fileMustExist = false; // SQLite would otherwise create an empty file silently
    QString engineName;         // how the error texts name the engine
};

struct PlanResult
{
    std::optional<Plan> plan;
    QString error;
};

// Picks the driver by the Provider key: SQLite, PostgreSQL or Microsoft.ACE.OLEDB.12.0.
PlanResult PlanFor(const QString &text);

} // namespace ConnectionString
