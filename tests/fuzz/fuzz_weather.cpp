#include "FuzzSupport.h"
#include "board/weather/WeatherOps.h"

// Any bytes as the weather service's answer, through every step the header update takes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body = Fuzz::Bytes(data, size);
    const QString text = Weather::DecodeWeatherBody(body);
    // Only well-formed UTF-8 gives a text, and then all of it but a byte-order mark.
    if (!text.isEmpty()) {
        const QByteArray bom("\xEF\xBB\xBF");
        FUZZ_CHECK(text.toUtf8() == (body.startsWith(bom) ? body.sliced(bom.size()) : body));
    }

    const Weather::ParsedWeather parsed = Weather::ParseWeatherReport(text);
    switch (parsed.kind) {
    case Weather::ParsedWeather::Kind::Failure:
        FUZZ_CHECK(!parsed.error.isEmpty());
        break;
    case Weather::ParsedWeather::Kind::NothingToShow:
        break;
    case Weather::ParsedWeather::Kind::Report: {
        const WeatherReport &report = parsed.report;
        const Weather::HeaderUpdate update = Weather::PlanHeaderUpdate(report);
        // Every step ran, or the one that stopped names what the report lacks.
        const bool complete =
            report.city && report.temp1 && report.weather1 && report.temp2 && report.weather2;
        FUZZ_CHECK(update.missingMember.isEmpty() == complete);
        if (!update.missingMember.isEmpty())
            FUZZ_CHECK(
                Weather::MissingValueText(update.missingMember).contains(update.missingMember));
        for (const std::optional<int> icon : {update.icon1, update.icon2})
            FUZZ_CHECK(!icon || (*icon >= 0 && *icon <= 8));
        break;
    }
    }
    return 0;
}
