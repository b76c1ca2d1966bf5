#include "StubAnswers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace StubAnswers {
namespace {

struct City
{
    const char *code;
    QString name, temp1, weather1, temp2, weather2;
};

const std::array<City, 5> &Cities()
{
    static const std::array<City, 5> cities{{
        {"101270101", u"成都"_s, u"4~13℃"_s, u"多云转小雨"_s, u"5~12℃"_s, u"阴"_s},
        {"101010100", u"北京"_s, u"-6~3℃"_s, u"晴"_s, u"-5~4℃"_s, u"霾"_s},
        {"101020100", u"上海"_s, u"8~14℃"_s, u"小雨"_s, u"7~11℃"_s, u"雨夹雪"_s},
        {"101280101", u"广州"_s, u"16~24℃"_s, u"雷阵雨"_s, u"17~25℃"_s, u"多云"_s},
        {"101050101", u"哈尔滨"_s, u"-21~-9℃"_s, u"小雪"_s, u"-23~-12℃"_s, u"晴"_s},
    }};
    return cities;
}

const std::array<std::pair<const char *, Mode>, 11> ModeTable{{
    {"ok", Mode::Ok},
    {"string", Mode::String},
    {"empty", Mode::Empty},
    {"partial", Mode::Partial},
    {"garbage", Mode::Garbage},
    {"not-utf8", Mode::NotUtf8},
    {"big", Mode::Big},
    {"500", Mode::Status500},
    {"redirect", Mode::Redirect},
    {"hang", Mode::Hang},
    {"close", Mode::Close},
}};

QByteArray Http(const QByteArray &statusLine, const QByteArray &body,
                const QByteArray &extraHeaders = {})
{
    return statusLine + "\r\nContent-Type: text/html; charset=utf-8\r\n" + extraHeaders +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
           body;
}

} // namespace

bool ParseMode(const QString &name, Mode &mode)
{
    for (const auto &[text, value] : ModeTable) {
        if (name == QLatin1StringView(text)) {
            mode = value;
            return true;
        }
    }
    return false;
}

QString ModeNames()
{
    QStringList names;
    for (const auto &entry : ModeTable)
        names << QString::fromLatin1(entry.first);
    return names.join(u", "_s);
}

bool CityCode(const QByteArray &target, QByteArray &cityCode)
{
    static const QByteArray prefix = "/weatherinfo/GetMoreWeather?cityCode=";
    static const QByteArray suffix = "&weatherType=0";
    if (!target.startsWith(prefix) || !target.endsWith(suffix))
        return false;
    cityCode = target.mid(prefix.size(), target.size() - prefix.size() - suffix.size());
    return true;
}

QByteArray SampleDocument(const QByteArray &cityCode, bool asString)
{
    const City *city = &Cities()[0];
    for (const City &known : Cities()) {
        if (cityCode == known.code)
            city = &known;
    }
    const QJsonObject info{{u"city"_s, city->name},   {u"cityid"_s, QString::fromLatin1(cityCode)},
                           {u"temp1"_s, city->temp1}, {u"weather1"_s, city->weather1},
                           {u"temp2"_s, city->temp2}, {u"weather2"_s, city->weather2}};
    const QByteArray infoText = QJsonDocument(info).toJson(QJsonDocument::Compact);
    const QJsonObject document{
        {u"weatherinfo"_s, asString ? QJsonValue(QString::fromUtf8(infoText)) : QJsonValue(info)}};
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QByteArray Response(Mode mode, const QByteArray &target, const QByteArray &document)
{
    QByteArray cityCode;
    if (!CityCode(target, cityCode))
        return Http("HTTP/1.1 404 Not Found", "not the weather path\n");
    const QByteArray sample = document.isEmpty() ? SampleDocument(cityCode, false) : document;
    switch (mode) {
    case Mode::Ok:
        return Http("HTTP/1.1 200 OK", sample);
    case Mode::String:
        return Http("HTTP/1.1 200 OK", SampleDocument(cityCode, true));
    case Mode::Empty:
        return Http("HTTP/1.1 200 OK", R"({"weatherinfo":""})");
    case Mode::Partial:
        return Http(
            "HTTP/1.1 200 OK",
            uR"({"weatherinfo":{"city":"成都","temp1":"4~13℃","weather1":"晴","weather2":"阴"}})"_s
                .toUtf8());
    case Mode::Garbage:
        return Http("HTTP/1.1 200 OK", "<html><body>maintenance</body></html>");
    case Mode::NotUtf8:
        return Http("HTTP/1.1 200 OK", "{\"weatherinfo\":{\"city\":\"\xb3\xc9\xb6\xbc\"}}");
    case Mode::Big:
        return Http("HTTP/1.1 200 OK", QByteArray(10 * 1024 * 1024, ' ') + sample);
    case Mode::Status500:
        return Http("HTTP/1.1 500 Internal Server Error", "server error\n");
    case Mode::Redirect:
        return Http("HTTP/1.1 302 Found", {}, "Location: /weatherinfo/moved\r\n");
    case Mode::Hang:
    case Mode::Close:
        break;
    }
    return {};
}

} // namespace StubAnswers
