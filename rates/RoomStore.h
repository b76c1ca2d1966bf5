#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>

// The board's one database connection and its one query object. Every statement of the
// program runs through here; a read fetches its whole result, so RecordCount is exact.
// While the connection is closed (or an open failed), each statement opens it again with
// the same connection string first. Failures are BoardErrors with the database's own text.
class RoomStore
{
public:
    RoomStore();
    ~RoomStore();
    RoomStore(const RoomStore &) = delete;
    RoomStore &operator=(const RoomStore &) = delete;

    void Open(const QString &connStr);
    bool IsOpen() const;
    void Close();

    // Closes the query, runs the statement, fetches the whole result; the cursor stands
    // on the first record.
    void Read(const QString &statement);
    int RecordCount() const;
    bool AtEnd() const;
    void Next();
    int ColumnCount() const;
    QString TextAt(int position) const;   // NULL gives an empty text
    double NumberAt(int position) const;  // NULL gives 0; a non-decimal text is an error
    QString TextByName(const QString &column) const;

    // The lines joined by a line break; each parameter bound by its name (without the
    // colon) to a text, which the database converts to the column's type.
    void Execute(const QStringList &lines, const QList<std::pair<QString, QString>> &params);

private:
    void EnsureOpen();
    void CloseQuery();
    const QVariant &ValueAt(int position) const;

    QString m_connStr;
    QString m_connectionName;
    QStringList m_columns;
    QList<QList<QVariant>> m_rows;
    int m_current = 0;
};

// The statements of the board, exactly as the database receives them.
namespace RoomStatements {
extern const QString TileRead;
extern const QString ListRead;
extern const QStringList Add;
extern const QStringList Change;
extern const QStringList Delete;
} // namespace RoomStatements
