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

void ShowInitialWeather(const WeatherPanel &panel)
{
    panel.Label1->setText(u"成都今日"_s);
    panel.Label2->setText(u"4~13℃"_s);
    panel.AdvGDIPPicture1->setPicture(WeatherIcons::Picture(0));
    panel.Label4->setText(u"明日"_s);
    panel.Label5->setText(u"4~13℃"_s);
    panel.AdvGDIPPicture2->setPicture(WeatherIcons::Picture(1));
}

void ApplyHeaderUpdate(const WeatherPanel &panel, const Weather::HeaderUpdate &update)
{
    if (update.label1)
        panel.Label1->setText(*update.label1);
    if (update.label2)
        panel.Label2->setText(*update.label2);
    if (update.icon1)
        panel.AdvGDIPPicture1->setPicture(WeatherIcons::Picture(*update.icon1));
    if (update.label4)
        panel.Label4->setText(*update.label4);
    if (update.label5)
        panel.Label5->setText(*update.label5);
    if (update.icon2)
        panel.AdvGDIPPicture2->setPicture(WeatherIcons::Picture(*update.icon2));
}

WeatherUpdater::WeatherUpdater(const WeatherPanel &panel, QObject *parent, Weather::Limits limits)
    : QObject(parent), m_panel(panel),
      m_client(std::make_shared<Weather::WeatherClient>(limits)), m_connected(&Weather::CheckInternet)
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
