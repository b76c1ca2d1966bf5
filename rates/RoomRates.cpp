#include "rates/RoomRates.h"

#include "rates/RoomStore.h"

using namespace Qt::Literals::StringLiterals;

namespace RoomRates {

const QString CheckCaption = u"数据校验...."_s;
const QString AddedText = u"确认成功.....,谢谢！"_s;
const QString ChangedText = u"修改确认成功.....,谢谢！"_s;
const QString DeleteCaption = u"删除确认...."_s;
const QString DeletedText = u"删除成功.....,谢谢！"_s;

QString DeleteQuestion(const QString &code)
{
    return u"确定删除类型代码为“%1”的全部展示房型吗？删除后不能恢复.....,谢谢！"_s.arg(code);
}

QString MissingCodeMessage()
{
    return u"请输入展示房型代码.....,谢谢！"_s;
}

std::optional<QString> MissingFieldMessage(const RoomEntry &entry)
{
    const std::pair<const QString *, QString> checks[] = {
        {&entry.name, u"请输入展示房型名称.....,谢谢！"_s},
        {&entry.code, MissingCodeMessage()},
        {&entry.listed, u"请输入展示房型挂牌价.....,谢谢！"_s},
        {&entry.executed, u"请输入展示房型执行价.....,谢谢！"_s},
        {&entry.member, u"请输入展示房会员价.....,谢谢！"_s},
        {&entry.index, u"请输入展示房性价比.....,谢谢！"_s},
    };
    for (const auto &[field, message] : checks) {
        if (field->isEmpty())
            return message;
    }
    return std::nullopt;
}

QList<RoomListRow> ReadList(RoomStore &store)
{
    store.Read(RoomStatements::ListRead);
    QList<RoomListRow> rows;
    for (int r = 0, n = store.RecordCount(); r < n; ++r, store.Next()) {
        rows << RoomListRow{store.TextByName(u"Code"_s),      store.TextByName(u"Roomname"_s),
                            store.TextByName(u"Stdprice"_s),  store.TextByName(u"Saleprice"_s),
                            store.TextByName(u"clubprice"_s), store.TextByName(u"Flag"_s)};
    }
    return rows;
}

void Add(RoomStore &store, const RoomEntry &entry)
{
    store.Execute(RoomStatements::Add, {{u"Roomname"_s, entry.name},
                                        {u"Code"_s, entry.code},
                                        {u"Stdprice"_s, entry.listed},
                                        {u"Saleprice"_s, entry.executed},
                                        {u"clubprice"_s, entry.member},
                                        {u"Flag"_s, entry.index}});
}

void Change(RoomStore &store, const RoomEntry &entry)
{
    store.Execute(RoomStatements::Change, {{u"Roomname"_s, entry.name},
                                           {u"Std"_s, entry.listed},
                                           {u"sale"_s, entry.executed},
                                           {u"club"_s, entry.member},
                                           {u"Flag"_s, entry.index},
                                           {u"Code"_s, entry.code}});
}

void Delete(RoomStore &store, const QString &code)
{
    store.Execute(RoomStatements::Delete, {{u"Code"_s, code}});
}

} // namespace RoomRates
