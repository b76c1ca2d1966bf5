#pragma once

#include <QString>
#include <optional>

// The five texts the header shows, as read from the weather document. A member the
// document lacks stays empty (std::nullopt), which is not the same as an empty text.
struct WeatherReport
{
    std::optional<QString> city;
    std::optional<QString> temp1;
    std::optional<QString> weather1;
    std::optional<QString> temp2;
    std::optional<QString> weather2;
};
