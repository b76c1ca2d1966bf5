#pragma once

#include "board/weather/WeatherClient.h"
#include "board/weather/WeatherOps.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class PictureBox;

// The header elements that the weather update writes; the main window owns them.
struct WeatherPanel
{
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    PictureBox *AdvGDIPPicture1 = nullptr;
    PictureBox *AdvGDIPPicture2 = nullptr;
};

// What the header shows before the first update.
void ShowInitialWeather(const WeatherPanel &panel);

// Writes one update's changes to the header, in their order.
void ApplyHeaderUpdate(const WeatherPanel &panel, const Weather::HeaderUpdate &update);

// The weather update. The request runs on a thread of its own, so the clock, the tip line
// and the slideshow go on while the service is slow; its outcome comes back to the main
// thread, which alone touches the header. A refresh never starts while one runs, its
// messages included.
class WeatherUpdater : public QObject
{
    Q_OBJECT
public:
    explicit WeatherUpdater(const WeatherPanel &panel, QObject *parent = nullptr,
                            Weather::Limits limits = {});

    // Starts an update for the service at `host` ("name" or "name:port"). Returns false,
    // and does nothing, while the previous update still runs. The update's messages and
    // `finished` come from the event loop, never from inside this call.
    bool Start(const QString &host, const QString &cityCode);
    bool IsRunning() const { return m_running; }

    // Tests stand in for the system's connectivity query.
    void SetConnectivityForTesting(std::function<bool()> check);

signals:
    // Emitted on the main thread once the header is updated and any message is closed;
    // `completed` is false when the update stopped (no connection, a failed request or an
    // unreadable answer).
    void finished(bool completed);

private:
    void Begin(const QString &host, const QString &cityCode);
    void Deliver(const Weather::FetchOutcome &outcome);
    void Apply(const Weather::FetchOutcome &outcome);
    void Finish(bool completed);

    WeatherPanel m_panel;
    std::shared_ptr<Weather::WeatherClient> m_client;
    std::function<bool()> m_connected;
    bool m_running = false;
};
