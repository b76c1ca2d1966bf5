#pragma once

#include "board/weather/CookieJar.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <mutex>

namespace Weather {

// Where the weather service is when Params.ini names none: the weather stub of the demo
// installation, on this computer.
QString DefaultHost();

// The [Weather] Host setting as the board uses it: trimmed, the default when empty.
QString ServiceHost(const QString &setting);

// Running past any of these is a failed request, so that a silent service cannot hold
// an update for ever.
struct Limits
{
    std::chrono::milliseconds connect{5000};
    std::chrono::milliseconds total{15000};
    qsizetype maxBody = 1024 * 1024;
};

struct FetchOutcome
{
    bool ok = false;
    QByteArray body;
    QString error;           // the failure's text; for a status other than 2xx its status line
    qsizetype heldBytes = 0; // the most body bytes held at any time
};

// The board's HTTP client for the weather service: one GET per call, made with libcurl.
// Get blocks, so the board calls it off the main thread; the cookie store is shared by the
// calls and lives as long as the client. Redirects are never followed.
class WeatherClient
{
public:
    explicit WeatherClient(Limits limits = {});

    // `host` is "name" or "name:port"; `target` is sent as it is on the request line.
    FetchOutcome Get(const QString &host, const QString &target);

private:
    Limits m_limits;
    std::mutex m_cookieMutex;
    CookieJar m_cookies;
};

} // namespace Weather
