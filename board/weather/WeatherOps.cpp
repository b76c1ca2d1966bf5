#include "board/weather/WeatherOps.h"

#include <QStringDecoder>
#include <nlohmann/json.hpp>

#include <array>
#include <sstream>

using namespace Qt::Literals::StringLiterals;
using nlohmann::json;

namespace Weather {

QString WeatherRequestPath(const QString &cityCode)
{
    return u"/weatherinfo/GetMoreWeather?cityCode="_s + cityCode + u"&weatherType=0"_s;
}

QString DecodeWeatherBody(const QByteArray &body)
{
    // Stateless: a body that ends inside a sequence is an error, not a pending character.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(body);
    if (decoder.hasError())
        return {};
    return text;
}

namespace {

// Deeper nesting is refused before parsing: printing a value back as text recurses once per
// level, and an answer of a few hundred kilobytes of brackets would overflow the stack.
constexpr int kMaxNesting = 64;

// True when the text opens more than kMaxNesting arrays or objects before its first one closes.
bool NestsTooDeep(const std::string &text)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxNesting)
                return true;
        } else if ((c == ']' || c == '}') && --depth <= 0) {
            return false;
        }
    }
    return false;
}

// Reads the first complete JSON value of the text; what follows it is ignored.
std::optional<json> ParseLeading(const QString &text)
{
    const std::string utf8 = text.toStdString();
    if (NestsTooDeep(utf8))
        return std::nullopt;
    std::istringstream stream(utf8);
    json value;
    try {
        stream >> value;
    } catch (const json::exception &) {
        return std::nullopt;
    }
    return value;
}

// A string gives its characters; any other value gives its JSON text ("13", "null").
QString ValueText(const json &value)
{
    if (value.is_string())
        return QString::fromStdString(value.get<std::string>());
    return QString::fromStdString(value.dump(-1, ' ', false, json::error_handler_t::replace));
}

std::optional<QString> MemberText(const json &object, const char *name)
{
    const auto found = object.find(name);
    if (found == object.end())
        return std::nullopt;
    return ValueText(*found);
}

ParsedWeather Failed(const QString &why)
{
    ParsedWeather parsed;
    parsed.error = u"天气数据无法读取："_s + why;
    return parsed;
}

} // namespace

ParsedWeather ParseWeatherReport(const QString &text)
{
    if (text.isEmpty())
        return Failed(u"天气服务的回答是空的，或不是 UTF-8 文本。"_s);
    const std::optional<json> document = ParseLeading(text);
    if (!document)
        return Failed(u"回答不是 JSON 文本。"_s);
    if (!document->is_object() || !document->contains("weatherinfo"))
        return Failed(u"回答里没有 weatherinfo。"_s);

    const QString info = ValueText(document->at("weatherinfo"));
    if (info.isEmpty())
        return {ParsedWeather::Kind::NothingToShow, {}, {}};
    const std::optional<json> object = ParseLeading(info);
    if (!object || !object->is_object())
        return Failed(u"weatherinfo 不是 JSON 对象。"_s);

    ParsedWeather parsed;
    parsed.kind = ParsedWeather::Kind::Report;
    parsed.report.city = MemberText(*object, "city");
    parsed.report.temp1 = MemberText(*object, "temp1");
    parsed.report.weather1 = MemberText(*object, "weather1");
    parsed.report.temp2 = MemberText(*object, "temp2");
    parsed.report.weather2 = MemberText(*object, "weather2");
    return parsed;
}

std::optional<int> WeatherIconIndex(const QString &condition)
{
    struct Test
    {
        char16_t character;
        int index;
    };
    // Every test that hits overwrites the result, so the later rows outrank the earlier.
    static constexpr std::array<Test, 6> tests{
        {{u'晴', 0}, {u'雨', 3}, {u'阴', 4}, {u'雪', 5}, {u'云', 1}, {u'霾', 8}}};
    std::optional<int> index;
    for (const Test &test : tests) {
        if (condition.contains(QChar(test.character)))
            index = test.index;
    }
    return index;
}

HeaderUpdate PlanHeaderUpdate(const WeatherReport &report)
{
    HeaderUpdate update;
    const auto lacks = [&update](const std::optional<QString> &value, const QString &name) {
        if (value)
            return false;
        update.missingMember = name;
        return true;
    };
    if (lacks(report.city, u"city"_s))
        return update;
    update.label1 = *report.city + u"今日"_s;
    if (lacks(report.temp1, u"temp1"_s))
        return update;
    update.label2 = *report.temp1;
    if (lacks(report.weather1, u"weather1"_s))
        return update;
    update.icon1 = WeatherIconIndex(*report.weather1);
    update.label4 = u"明日"_s;
    if (lacks(report.temp2, u"temp2"_s))
        return update;
    update.label5 = *report.temp2;
    if (lacks(report.weather2, u"weather2"_s))
        return update;
    update.icon2 = WeatherIconIndex(*report.weather2);
    return update;
}

QString MissingValueText(const QString &missingMember)
{
    return u"天气数据无法读取：weatherinfo 里缺少 "_s + missingMember + u"。"_s;
}

} // namespace Weather
