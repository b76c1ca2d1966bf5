#include "board/weather/WeatherUpdater.h"

#include "board/weather/CheckInternet.h"
#include "board/weather/WeatherIcons.h"
#include "controls/PictureBox.h"
#include "platform/Errors.h"
#include "platform/Handler.h"
#include "platform/Messages.h"

#include <QLabel>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace {

// The header's labels size themselves to their text, so that a longer city name or a
// negative temperature is never cut off.
void SetText(QLabel *label, const std::optional<QString> &text)
{
    if (!text)
        return;
    label->setText(*text);
    label->adjustSize();
}

void SetIcon(PictureBox *picture, std::optional<int> index)
{
    if (index)
        picture->setPicture(WeatherIcons::Picture(*index));
}

} // namespace

void ShowInitialWeather(const WeatherPanel &panel)
{
    SetText(panel.Label1, u"成都今日"_s);
    SetText(panel.Label2, u"4~13℃"_s);
    SetIcon(panel.AdvGDIPPicture1, 0);
    SetText(panel.Label4, u"明日"_s);
    SetText(panel.Label5, u"4~13℃"_s);
    SetIcon(panel.AdvGDIPPicture2, 1);
}

void ApplyHeaderUpdate(const WeatherPanel &panel, const Weather::HeaderUpdate &update)
{
    SetText(panel.Label1, update.label1);
    SetText(panel.Label2, update.label2);
    SetIcon(panel.AdvGDIPPicture1, update.icon1);
    SetText(panel.Label4, update.label4);
    SetText(panel.Label5, update.label5);
    SetIcon(panel.AdvGDIPPicture2, update.icon2);
}

WeatherUpdater::WeatherUpdater(const WeatherPanel &panel, QObject *parent, Weather::Limits limits)
    : QObject(parent), m_panel(panel), m_client(std::make_shared<Weather::WeatherClient>(limits)),
      m_connected(&Weather::CheckInternet)
{
}

void WeatherUpdater::SetConnectivityForTesting(std::function<bool()> check)
{
    m_connected = check ? std::move(check) : std::function<bool()>(&Weather::CheckInternet);
}

bool WeatherUpdater::Start(const QString &host, const QString &cityCode)
{
    if (m_running)
        return false;
    m_running = true;
    QMetaObject::invokeMethod(
        this, [this, host, cityCode] { Begin(host, cityCode); }, Qt::QueuedConnection);
    return true;
}

void WeatherUpdater::Begin(const QString &host, const QString &cityCode)
{
    const bool connected = RunHandler([this] {
        if (m_connected())
            return;
        QWidget *owner = m_panel.Label1 ? m_panel.Label1->window() : nullptr;
        Messages::Show(u"连接网络失败...."_s,
                       u"请把电脑连接上互联网,要获取天气等数据信息.....,谢谢！"_s,
                       Messages::Icon::Error, owner);
        throw SilentAbort{};
    });
    if (!connected) {
        Finish(false);
        return;
    }
    // The thread owns copies of everything it uses, so that it may outlive this object
    // when the program ends during a request; it deletes itself when done.
    auto outcome = std::make_shared<Weather::FetchOutcome>();
    const QString target = Weather::WeatherRequestPath(cityCode);
    QThread *thread = QThread::create(
        [client = m_client, host, target, outcome] { *outcome = client->Get(host, target); });
    connect(thread, &QThread::finished, this, [this, outcome] { Deliver(*outcome); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void WeatherUpdater::Deliver(const Weather::FetchOutcome &outcome)
{
    Finish(RunHandler([this, &outcome] { Apply(outcome); }));
}

void WeatherUpdater::Apply(const Weather::FetchOutcome &outcome)
{
    if (!outcome.ok)
        throw BoardError(outcome.error);
    const Weather::ParsedWeather parsed =
        Weather::ParseWeatherReport(Weather::DecodeWeatherBody(outcome.body));
    if (parsed.kind == Weather::ParsedWeather::Kind::NothingToShow)
        return;
    if (parsed.kind == Weather::ParsedWeather::Kind::Failure)
        throw BoardError(parsed.error);
    const Weather::HeaderUpdate update = Weather::PlanHeaderUpdate(parsed.report);
    ApplyHeaderUpdate(m_panel, update);
    if (!update.missingMember.isEmpty())
        throw BoardError(Weather::MissingValueText(update.missingMember));
}

void WeatherUpdater::Finish(bool completed)
{
    m_running = false;
    emit finished(completed);
}
