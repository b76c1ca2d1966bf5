#include "rates/RoomStore.h"

#include "platform/Errors.h"
#include "rates/ConnectionString.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::Literals::StringLiterals;

namespace {

QString NewConnectionName()
{
    static QAtomicInt counter;
    return u"RoomStore-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

// The database's own words where it gave any, else the driver's.
QString ErrorText(const QSqlError &error)
{
    const QString own = error.databaseText().trimmed();
    return own.isEmpty() ? error.text().trimmed() : own;
}

} // namespace

RoomStore::RoomStore() : m_connectionName(NewConnectionName()) {}

RoomStore::~RoomStore()
{
    Close();
}

void RoomStore::Open(const QString &connStr)
{
    m_connStr = connStr;
    Close();
    EnsureOpen();
}

bool RoomStore::IsOpen() const
{
    return QSqlDatabase::contains(m_connectionName)
           && QSqlDatabase::database(m_connectionName, false).isOpen();
}

void RoomStore::Close()
{
    CloseQuery();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void RoomStore::EnsureOpen()
{
    if (IsOpen())
        return;
    Close();
    const ConnectionString::PlanResult result = ConnectionString::PlanFor(m_connStr);
    if (!result.plan)
        throw BoardError(result.error);
    const ConnectionString::Plan &plan = *result.plan;
    if (!QSqlDatabase::isDriverAvailable(plan.driver))
        throw BoardError(u"本机没有安装 %1 的数据库驱动 (%2),无法打开数据库。"_s.arg(
            plan.engineName, plan.driver));
    if (plan.fileMustExist && !QFileInfo(plan.databaseName).isFile())
        throw BoardError(u"无法打开数据库: 数据文件 %1 不存在。"_s.arg(plan.databaseName));

    QSqlDatabase db = QSqlDatabase::addDatabase(plan.driver, m_connectionName);
    db.setDatabaseName(plan.databaseName);
    if (!plan.host.isEmpty())
        db.setHostName(plan.host);
    if (plan.port > 0)
        db.setPort(plan.port);
    if (!plan.user.isEmpty())
        db.setUserName(plan.user);
    if (!plan.password.isEmpty())
        db.setPassword(plan.password);
    db.setConnectOptions(plan.connectOptions);
    if (db.open())
        return;
    QString text = ErrorText(db.lastError());
    if (plan.driver == u"QODBC"_s)
        text = u"无法通过 %1 打开数据库 (引擎未安装或文件无法打开): %2"_s.arg(plan.engineName, text);
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    throw BoardError(text);
}

void RoomStore::CloseQuery()
{
    m_columns.clear();
    m_rows.clear();
    m_current = 0;
}

void RoomStore::Read(const QString &statement)
{
    CloseQuery();
    EnsureOpen();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.exec(statement))
        throw BoardError(ErrorText(query.lastError()));
    const QSqlRecord record = query.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    QList<QList<QVariant>> rows;
    while (query.next()) {
        QList<QVariant> row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row << query.value(i);
        rows << std::move(row);
    }
    if (query.lastError().isValid())
        throw BoardError(ErrorText(query.lastError()));
    m_columns = std::move(columns);
    m_rows = std::move(rows);
}

int RoomStore::RecordCount() const
{
    return int(m_rows.size());
}

bool RoomStore::AtEnd() const
{
    return m_current >= m_rows.size();
}

void RoomStore::Next()
{
    if (!AtEnd())
        ++m_current;
}

int RoomStore::ColumnCount() const
{
    return int(m_columns.size());
}

const QVariant &RoomStore::ValueAt(int position) const
{
    if (AtEnd())
        throw BoardError(u"没有当前记录: 查询已到结尾或没有结果。"_s);
    if (position < 0 || position >= m_columns.size())
        throw BoardError(u"查询结果没有第 %1 列。"_s.arg(position));
    return m_rows.at(m_current).at(position);
}

QString RoomStore::TextAt(int position) const
{
    const QVariant &value = ValueAt(position);
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return value.toString();
}

double RoomStore::NumberAt(int position) const
{
    const QVariant &value = ValueAt(position);
    if (value.isNull())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toDouble();
    default:
        break;
    }
    const QString text = value.toString();
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw BoardError(u"“%1”不是有效的数值。"_s.arg(text));
    return number;
}

QString RoomStore::TextByName(const QString &column) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return TextAt(i);
    }
    throw BoardError(u"查询结果没有字段 %1。"_s.arg(column));
}

void RoomStore::Execute(const QStringList &lines,
                        const QList<std::pair<QString, QString>> &params)
{
    CloseQuery();
    EnsureOpen();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    const QString statement = lines.join(u'\n');
    // PostgreSQL prepares row statements only; one without parameters (the table scripts)
    // runs as it is.
    if (params.isEmpty()) {
        if (!query.exec(statement))
            throw BoardError(ErrorText(query.lastError()));
        return;
    }
    if (!query.prepare(statement))
        throw BoardError(ErrorText(query.lastError()));
    for (const auto &[name, text] : params)
        query.bindValue(u':' + name, text);
    if (!query.exec())
        throw BoardError(ErrorText(query.lastError()));
}
