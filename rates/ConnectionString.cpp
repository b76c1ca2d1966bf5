#include "rates/ConnectionString.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace ConnectionString {

namespace {

// Reads a quoted value starting at text[pos] (the quote); pos ends after the closing quote.
std::optional<QString> ReadQuoted(const QString &text, qsizetype &pos)
{
    const QChar quote = text.at(pos++);
    QString value;
    while (pos < text.size()) {
        const QChar c = text.at(pos++);
        if (c != quote) {
            value += c;
            continue;
        }
        if (pos < text.size() && text.at(pos) == quote) {
            value += quote;
            ++pos;
            continue;
        }
        return value;
    }
    return std::nullopt;
}

QString FirstOf(const Pairs &pairs, const QStringList &keys)
{
    for (const QString &key : keys) {
        if (pairs.Has(key))
            return pairs.Value(key).trimmed();
    }
    return {};
}

// Params.ini of a Windows board writes the file path with backslashes.
QString FilePath(const QString &value)
{
    QString path = value.trimmed();
    path.replace(u'\\', u'/');
    return path;
}

PlanResult Fail(const QString &error)
{
    return {std::nullopt, error};
}

PlanResult SqlitePlan(const Pairs &pairs)
{
    const QString file = FilePath(pairs.Value(u"Data Source"_s));
    if (file.isEmpty())
        return Fail(u"数据库连接字符串缺少数据文件 (Data Source)。"_s);
    Plan plan;
    plan.driver = u"QSQLITE"_s;
    plan.databaseName = file;
    // Other programs may write the file at the same time: wait for their lock a while.
    plan.connectOptions = u"QSQLITE_BUSY_TIMEOUT=5000"_s;
    plan.fileMustExist = true;
    plan.engineName = u"SQLite"_s;
    return {plan, {}};
}

PlanResult PostgresPlan(const Pairs &pairs)
{
    Plan plan;
    plan.driver = u"QPSQL"_s;
    plan.engineName = u"PostgreSQL"_s;
    plan.host = FirstOf(pairs, {u"Host"_s, u"Server"_s});
    plan.databaseName = FirstOf(pairs, {u"Database"_s, u"Initial Catalog"_s});
    plan.user = FirstOf(pairs, {u"User ID"_s, u"User"_s, u"UID"_s, u"Username"_s});
    plan.password = pairs.Has(u"Password"_s) ? pairs.Value(u"Password"_s)
                                             : pairs.Value(u"PWD"_s);
    if (plan.databaseName.isEmpty())
        return Fail(u"数据库连接字符串缺少数据库名 (Database)。"_s);
    const QString port = pairs.Value(u"Port"_s).trimmed();
    if (!port.isEmpty()) {
        bool ok = false;
        plan.port = port.toInt(&ok);
        if (!ok || plan.port <= 0 || plan.port > 65535)
            return Fail(u"数据库连接字符串的端口 (Port) 无效: %1"_s.arg(port));
    }
    return {plan, {}};
}

PlanResult AccessPlan(const Pairs &pairs)
{
    const QString file = pairs.Value(u"Data Source"_s).trimmed();
    if (file.isEmpty())
        return Fail(u"数据库连接字符串缺少数据文件 (Data Source)。"_s);
    Plan plan;
    plan.driver = u"QODBC"_s;
    plan.engineName = u"Microsoft Access 数据库引擎 (Microsoft.ACE.OLEDB.12.0)"_s;
    plan.databaseName = u"DRIVER={Microsoft Access Driver (*.mdb, *.accdb)};DBQ=%1;"_s.arg(file);
    const QString password = pairs.Value(u"Jet OLEDB:Database Password"_s);
    if (!password.isEmpty())
        plan.databaseName += u"PWD=%1;"_s.arg(password);
    return {plan, {}};
}

} // namespace

ParseResult Parse(const QString &text)
{
    Pairs pairs;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype equals = text.indexOf(u'=', pos);
        const qsizetype semicolon = text.indexOf(u';', pos);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            const qsizetype end = semicolon < 0 ? text.size() : semicolon;
            const QString piece = text.mid(pos, end - pos).trimmed();
            if (!piece.isEmpty())
                return {std::nullopt, u"数据库连接字符串格式错误: “%1”缺少等号。"_s.arg(piece)};
            pos = end + 1;
            continue;
        }
        const QString key = text.mid(pos, equals - pos).trimmed().toLower();
        if (key.isEmpty())
            return {std::nullopt, u"数据库连接字符串格式错误: 等号前缺少名称。"_s};
        pos = equals + 1;
        while (pos < text.size() && text.at(pos).isSpace())
            ++pos;
        QString value;
        if (pos < text.size() && (text.at(pos) == u'"' || text.at(pos) == u'\'')) {
            const std::optional<QString> quoted = ReadQuoted(text, pos);
            if (!quoted)
                return {std::nullopt, u"数据库连接字符串格式错误: %1 的引号没有结束。"_s.arg(key)};
            value = *quoted;
            const qsizetype end = text.indexOf(u';', pos);
            if (!text.mid(pos, end < 0 ? -1 : end - pos).trimmed().isEmpty())
                return {std::nullopt, u"数据库连接字符串格式错误: %1 的引号后有多余的文字。"_s.arg(key)};
            pos = end < 0 ? text.size() : end + 1;
        } else {
            const qsizetype end = text.indexOf(u';', pos);
            value = text.mid(pos, end < 0 ? -1 : end - pos).trimmed();
            pos = end < 0 ? text.size() : end + 1;
        }
        pairs.values.insert(key, value);
    }
    return {pairs, {}};
}

PlanResult PlanFor(const QString &text)
{
    if (text.trimmed().isEmpty())
        return Fail(u"数据库连接字符串为空,无法打开数据库 (请检查 Params.ini 的 [connection] constr)。"_s);
    const ParseResult parsed = Parse(text);
    if (!parsed.pairs)
        return Fail(parsed.error);
    const Pairs &pairs = *parsed.pairs;
    const QString provider = pairs.Value(u"Provider"_s).trimmed();
    if (provider.isEmpty())
        return Fail(u"数据库连接字符串没有指定数据库提供程序 (Provider)。"_s);
    if (provider.compare(u"SQLite"_s, Qt::CaseInsensitive) == 0)
        return SqlitePlan(pairs);
    if (provider.compare(u"PostgreSQL"_s, Qt::CaseInsensitive) == 0)
        return PostgresPlan(pairs);
    if (provider.compare(u"Microsoft.ACE.OLEDB.12.0"_s, Qt::CaseInsensitive) == 0)
        return AccessPlan(pairs);
    return Fail(u"不支持的数据库提供程序: %1 (可用: SQLite, PostgreSQL, Microsoft.ACE.OLEDB.12.0)。"_s
                    .arg(provider));
}

} // namespace ConnectionString
