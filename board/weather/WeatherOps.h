#pragma once

#include "board/weather/WeatherReport.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What the weather update computes, value in and value out; only WeatherUpdater touches
// the header.
namespace Weather {

// The request target for a city code, every character kept as it is.
QString WeatherRequestPath(const QString &cityCode);

// The body as UTF-8; a body that is not well-formed UTF-8 gives an empty text, which the
// parser then refuses.
QString DecodeWeatherBody(const QByteArray &body);

struct ParsedWeather
{
    enum class Kind { Report, NothingToShow, Failure };
    Kind kind = Kind::Failure;
    WeatherReport report;
    QString error; // set for Failure
};

// Reads the document leniently: text after the first complete JSON value is ignored, and
// "weatherinfo" may be an object or a string holding one.
ParsedWeather ParseWeatherReport(const QString &text);

// The icon of GDIPPictureContainer2 for a condition text, or none when no character of the
// six matches (the header then keeps its icon).
std::optional<int> WeatherIconIndex(const QString &condition);

// The header changes of one update, in the order they are made. The first value that the
// report lacks ends the list: earlier changes stand and `missingMember` names the value.
struct HeaderUpdate
{
    std::optional<QString> label1;
    std::optional<QString> label2;
    std::optional<int> icon1;
    std::optional<QString> label4;
    std::optional<QString> label5;
    std::optional<int> icon2;
    QString missingMember; // empty when every step ran
};
HeaderUpdate PlanHeaderUpdate(const WeatherReport &report);

// The failure text for a report that stopped at `missingMember`.
QString MissingValueText(const QString &missingMember);

} // namespace Weather
