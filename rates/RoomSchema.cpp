#include "rates/RoomSchema.h"

#include "platform/Errors.h"
#include "rates/ConnectionString.h"
#include "rates/RoomRates.h"
#include "rates/RoomStore.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace RoomSchema {

namespace {

QString SchemaResource(const QString &connStr)
{
    const ConnectionString::PlanResult result = ConnectionString::PlanFor(connStr);
    if (!result.plan)
        throw BoardError(result.error);
    if (result.plan->driver == u"QSQLITE"_s)
        return u":/rates/schema/sqlite.sql"_s;
    if (result.plan->driver == u"QPSQL"_s)
        return u":/rates/schema/postgresql.sql"_s;
    throw BoardError(u"没有 %1 的建表脚本: 请用数据库自己的工具建立 Room 表。"_s.arg(
        result.plan->engineName));
}

} // namespace

QStringList StatementsFor(const QString &connStr)
{
    QFile file(SchemaResource(connStr));
    if (!file.open(QIODevice::ReadOnly))
        throw BoardError(u"建表脚本 %1 无法读取。"_s.arg(file.fileName()));
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().startsWith(u"--"_s))
            lines << line;
    }
    QStringList statements;
    for (const QString &piece : lines.join(u'\n').split(u';')) {
        if (!piece.trimmed().isEmpty())
            statements << piece.trimmed();
    }
    return statements;
}

void CreateTable(RoomStore &store, const QString &connStr)
{
    for (const QString &statement : StatementsFor(connStr))
        store.Execute({statement}, {});
}

QList<RoomEntry> SampleRooms()
{
    return {
        {u"标准间"_s, u"BJ"_s, u"388"_s, u"268"_s, u"238"_s, u"4"_s},
        {u"大床房"_s, u"DJ"_s, u"428"_s, u"298"_s, u"268"_s, u"3"_s},
        {u"豪华大床房"_s, u"HDJ"_s, u"588"_s, u"428"_s, u"398"_s, u"5"_s},
        {u"行政套房"_s, u"TF"_s, u"988"_s, u"768"_s, u"698.5"_s, u"4"_s},
        {u"亲子主题房"_s, u"QZ"_s, u"498"_s, u"358"_s, u"328"_s, u"2"_s},
    };
}

void AddSampleRooms(RoomStore &store)
{
    for (const RoomEntry &room : SampleRooms())
        RoomRates::Add(store, room);
}

} // namespace RoomSchema
