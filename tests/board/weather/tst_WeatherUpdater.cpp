#include "TestHttpServer.h"

#include "board/weather/WeatherIcons.h"
#include "board/weather/WeatherUpdater.h"
#include "controls/PictureBox.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "tools/weather-stub/StubAnswers.h"

#include <QDir>

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QByteArray ExampleBody =
    uR"({"weatherinfo":{"city":"成都","temp1":"4~13℃","weather1":"多云转小雨",)"
    uR"("temp2":"5~12℃","weather2":"阴"}})"_s.toUtf8();

QByteArray Ok(const QByteArray &body, const QList<QByteArray> &headers = {})
{
    return TestHttpServer::Response("HTTP/1.1 200 OK", body,
                                    QList<QByteArray>{"Content-Type: text/html"} + headers);
}

// The header elements with marked contents, so that every change and every element left
// alone can be seen.
struct Header
{
    QWidget window;
    WeatherPanel panel{new QLabel(u"old1"_s, &window), new QLabel(u"old2"_s, &window),
                       new QLabel(u"old4"_s, &window), new QLabel(u"old5"_s, &window),
                       new PictureBox(&window),        new PictureBox(&window)};
    QImage marker1 = Marker(Qt::red);
    QImage marker2 = Marker(Qt::green);

    Header()
    {
        panel.AdvGDIPPicture1->setPicture(marker1);
        panel.AdvGDIPPicture2->setPicture(marker2);
    }
    static QImage Marker(Qt::GlobalColor color)
    {
        QImage image(2, 2, QImage::Format_ARGB32);
        image.fill(color);
        return image;
    }
    QStringList Texts() const
    {
        return {panel.Label1->text(), panel.Label2->text(), Icon(panel.AdvGDIPPicture1),
                panel.Label4->text(), panel.Label5->text(), Icon(panel.AdvGDIPPicture2)};
    }
    QString Icon(const PictureBox *box) const
    {
        if (box->picture() == marker1 || box->picture() == marker2)
            return u"old"_s;
        for (int i = 0; i < WeatherIcons::Count; ++i) {
            if (box->picture() == WeatherIcons::Picture(i))
                return QString::number(i);
        }
        return u"?"_s;
    }
};

} // namespace

class tst_WeatherUpdater : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void requestLineAndHeaders_data();
    void requestLineAndHeaders();
    void cookiesComeBack();
    void failedRequests_data();
    void failedRequests();
    void silentServiceFailsWhileClockRuns();
    void largeBodyFailsWithMemoryBounded_data();
    void largeBodyFailsWithMemoryBounded();
    void noConnection();
    void noSecondRefreshWhileOneRuns();
    void updaterGoneDuringRequest();
    void stubModes_data();
    void stubModes();
    void headerFromStub();

private:
    // Runs one update against the server and returns whether it completed.
    bool Update(WeatherUpdater &updater, const QString &host,
                const QString &cityCode = u"101270101"_s);

    QList<Messages::Shown> m_boxes;
};

void tst_WeatherUpdater::init()
{
    m_boxes.clear();
    Messages::SetPresenterForTesting([this](const Messages::Shown &shown) {
        m_boxes.append(shown);
        return true;
    });
}

void tst_WeatherUpdater::cleanup()
{
    Messages::SetPresenterForTesting({});
}

bool tst_WeatherUpdater::Update(WeatherUpdater &updater, const QString &host,
                                const QString &cityCode)
{
    updater.SetConnectivityForTesting([] { return true; });
    QSignalSpy finished(&updater, &WeatherUpdater::finished);
    if (!updater.Start(host, cityCode))
        return false;
    if (!finished.wait(20000))
        return false;
    return finished.first().first().toBool();
}

// What each answer leaves in the header; `completed` is what lets the board move to the
// display monitor. Old marks the element's earlier content.
void tst_WeatherUpdater::answers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QString>("report"); // a part of the error report's text, empty: none
    const QStringList example{u"成都今日"_s, u"4~13℃"_s, u"1"_s, u"明日"_s, u"5~12℃"_s, u"4"_s};
    const QStringList untouched{u"old1"_s, u"old2"_s, u"old"_s, u"old4"_s, u"old5"_s, u"old"_s};
    QTest::newRow("example") << ExampleBody << true << example << QString();
    QTest::newRow("string form")
        << uR"({"weatherinfo":"{\"city\":\"成都\",\"temp1\":\"4~13℃\",\"weather1\":)"
           uR"(\"多云转小雨\",\"temp2\":\"5~12℃\",\"weather2\":\"阴\"}"})"_s.toUtf8()
        << true << example << QString();
    QTest::newRow("empty weatherinfo")
        << QByteArray(R"({"weatherinfo":""})") << true << untouched << QString();
    QTest::newRow("number value")
        << uR"({"weatherinfo":{"city":"成都","temp1":13,"weather1":"晴","temp2":"5",)"
           uR"("weather2":"雪"}})"_s.toUtf8()
        << true << QStringList{u"成都今日"_s, u"13"_s, u"0"_s, u"明日"_s, u"5"_s, u"5"_s}
        << QString();
    QTest::newRow("empty city, empty condition")
        << uR"({"weatherinfo":{"city":"","temp1":"1~2℃","weather1":"","temp2":"3~4℃",)"
           uR"("weather2":"雨夹雪"}})"_s.toUtf8()
        << true << QStringList{u"今日"_s, u"1~2℃"_s, u"old"_s, u"明日"_s, u"3~4℃"_s, u"5"_s}
        << QString();
    QTest::newRow("fog keeps the icons")
        << uR"({"weatherinfo":{"city":"成都","temp1":"1","weather1":"雾","temp2":"2",)"
           uR"("weather2":"大雾"}})"_s.toUtf8()
        << true << QStringList{u"成都今日"_s, u"1"_s, u"old"_s, u"明日"_s, u"2"_s, u"old"_s}
        << QString();
    QTest::newRow("no temp2")
        << uR"({"weatherinfo":{"city":"成都","temp1":"4~13℃","weather1":"多云转小雨",)"
           uR"("weather2":"阴"}})"_s.toUtf8()
        << false << QStringList{u"成都今日"_s, u"4~13℃"_s, u"1"_s, u"明日"_s, u"old5"_s, u"old"_s}
        << u"temp2"_s;
    QTest::newRow("not UTF-8") << QByteArray("{\"weatherinfo\":{\"city\":\"\xb3\xc9\xb6\xbc\"}}")
                               << false << untouched << u"UTF-8"_s;
    QTest::newRow("not JSON") << QByteArray("<html>maintenance</html>") << false << untouched
                              << u"JSON"_s;
}

void tst_WeatherUpdater::answers()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, completed);
    QFETCH(QStringList, header);
    QFETCH(QString, report);
    TestHttpServer server;
    server.answerWith(Ok(body));
    Header h;
    WeatherUpdater updater(h.panel);
    QCOMPARE(Update(updater, server.host()), completed);
    QCOMPARE(h.Texts(), header);
    if (report.isEmpty()) {
        QCOMPARE(m_boxes.size(), 0);
    } else {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].caption, Messages::ProgramTitle());
        QVERIFY2(m_boxes[0].text.contains(report), qPrintable(m_boxes[0].text));
    }
}

// The request line and exactly these headers; libcurl puts Host first.
void tst_WeatherUpdater::requestLineAndHeaders_data()
{
    QTest::addColumn<QString>("cityCode");
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("default city")
        << u"101270101"_s
        << QByteArray("/weatherinfo/GetMoreWeather?cityCode=101270101&weatherType=0");
    QTest::newRow("empty city code")
        << QString() << QByteArray("/weatherinfo/GetMoreWeather?cityCode=&weatherType=0");
    QTest::newRow("sent as it is")
        << u"%41#b"_s << QByteArray("/weatherinfo/GetMoreWeather?cityCode=%41#b&weatherType=0");
}

void tst_WeatherUpdater::requestLineAndHeaders()
{
    QFETCH(QString, cityCode);
    QFETCH(QByteArray, target);
    TestHttpServer server;
    server.answerWith(Ok(ExampleBody));
    Header h;
    WeatherUpdater updater(h.panel);
    QVERIFY(Update(updater, server.host(), cityCode));
    QCOMPARE(server.requests().size(), 1);
    const QByteArray expected = "GET " + target +
                                " HTTP/1.1\r\n"
                                "Host: 127.0.0.1:" +
                                QByteArray::number(server.port()) +
                                "\r\n"
                                "Content-Type: text/html\r\n"
                                "Accept: text/html, */*\r\n"
                                "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                                "\r\n";
    QCOMPARE(server.requests()[0], expected);
}

// Cookies of an answer go back, as the last header, to the same host only.
void tst_WeatherUpdater::cookiesComeBack()
{
    TestHttpServer server;
    server.answerWith(
        Ok(ExampleBody, {"Set-Cookie: sid=a1b2; Path=/", "Set-cookie2: v=7; Version=1"}));
    Header h;
    WeatherUpdater updater(h.panel);
    QVERIFY(Update(updater, server.host()));
    server.answerWith(Ok(ExampleBody));
    QVERIFY(Update(updater, server.host()));
    QVERIFY(Update(updater, u"localhost:%1"_s.arg(server.port())));
    QCOMPARE(server.requests().size(), 3);
    QVERIFY(!server.requests()[0].contains("Cookie"));
    QVERIFY2(
        server.requests()[1].endsWith(
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\nCookie: sid=a1b2; v=7\r\n\r\n"),
        server.requests()[1].constData());
    QVERIFY(!server.requests()[2].contains("Cookie"));
}

// A failed request changes nothing and is reported with its own text.
void tst_WeatherUpdater::failedRequests_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<QString>("report");
    QTest::newRow("302 is not followed")
        << TestHttpServer::Response("HTTP/1.1 302 Found", {}, {"Location: /weatherinfo/x"})
        << u"HTTP/1.1 302 Found"_s;
    QTest::newRow("500") << TestHttpServer::Response("HTTP/1.1 500 Internal Server Error", "oops")
                         << u"HTTP/1.1 500 Internal Server Error"_s;
    QTest::newRow("connection closed") << QByteArray() << QString();
}

void tst_WeatherUpdater::failedRequests()
{
    QFETCH(QByteArray, response);
    QFETCH(QString, report);
    TestHttpServer server;
    server.answerWith(response);
    Header h;
    const QStringList before = h.Texts();
    WeatherUpdater updater(h.panel);
    QVERIFY(!Update(updater, server.host()));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(h.Texts(), before);
    QCOMPARE(m_boxes.size(), 1);
    if (report.isEmpty())
        QVERIFY2(m_boxes[0].text.startsWith(u"天气服务请求失败："_s), qPrintable(m_boxes[0].text));
    else
        QCOMPARE(m_boxes[0].text, report);
}

// A service that takes the connection and never answers ends as a failure at the limit,
// and the board's own timers run all the while.
void tst_WeatherUpdater::silentServiceFailsWhileClockRuns()
{
    TestHttpServer server;
    server.setResponder([](QTcpSocket *, const QByteArray &) {});
    Header h;
    QLabel clock;
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, &clock, [&] { clock.setText(QString::number(++ticks)); });
    tick.start(50);
    WeatherUpdater updater(h.panel, nullptr, {1000ms, 1500ms, 1024 * 1024});
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!Update(updater, server.host()));
    QVERIFY2(elapsed.elapsed() < 5000, qPrintable(QString::number(elapsed.elapsed())));
    QVERIFY2(ticks >= 15, qPrintable(QString::number(ticks)));
    QCOMPARE(clock.text(), QString::number(ticks));
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes[0].text.startsWith(u"天气服务请求失败："_s), qPrintable(m_boxes[0].text));
}

// 10 MiB, announced or not: the client stops at its limit instead of holding it all.
void tst_WeatherUpdater::largeBodyFailsWithMemoryBounded_data()
{
    QTest::addColumn<bool>("announced");
    QTest::newRow("with Content-Length") << true;
    QTest::newRow("until the connection closes") << false;
}

void tst_WeatherUpdater::largeBodyFailsWithMemoryBounded()
{
    QFETCH(bool, announced);
    const qint64 size = 10 * 1024 * 1024;
    TestHttpServer server;
    server.setResponder([announced, size](QTcpSocket *socket, const QByteArray &) {
        QByteArray head = "HTTP/1.1 200 OK\r\n";
        head += announced ? "Content-Length: " + QByteArray::number(size) + "\r\n\r\n"
                          : QByteArray("Connection: close\r\n\r\n");
        socket->write(head);
        // Written as the client takes it, so that the server holds little itself.
        auto sent = std::make_shared<qint64>(0);
        const auto more = [socket, sent, size] {
            while (*sent < size && socket->bytesToWrite() < 256 * 1024) {
                socket->write(QByteArray(64 * 1024, '{'));
                *sent += 64 * 1024;
            }
            if (*sent >= size)
                socket->disconnectFromHost();
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
    });
    Weather::WeatherClient client;
    Weather::FetchOutcome outcome;
    QThread *thread = QThread::create(
        [&] { outcome = client.Get(server.host(), Weather::WeatherRequestPath(u"1"_s)); });
    QSignalSpy done(thread, &QThread::finished);
    thread->start();
    QVERIFY(done.wait(20000));
    delete thread;
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.error.contains(u"1024 KiB"_s), qPrintable(outcome.error));
    QVERIFY(outcome.heldBytes <= 1024 * 1024);
    QVERIFY(outcome.body.isEmpty());
}

void tst_WeatherUpdater::noConnection()
{
    TestHttpServer server;
    server.answerWith(Ok(ExampleBody));
    Header h;
    const QStringList before = h.Texts();
    WeatherUpdater updater(h.panel);
    updater.SetConnectivityForTesting([] { return false; });
    QSignalSpy finished(&updater, &WeatherUpdater::finished);
    QVERIFY(updater.Start(server.host(), u"101270101"_s));
    QCOMPARE(m_boxes.size(), 0); // shown from the event loop, not inside Start
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, u"连接网络失败...."_s);
    QCOMPARE(m_boxes[0].text, u"请把电脑连接上互联网,要获取天气等数据信息.....,谢谢！"_s);
    QCOMPARE(m_boxes[0].icon, Messages::Icon::Error);
    QCOMPARE(server.requests().size(), 0);
    QCOMPARE(h.Texts(), before);
}

void tst_WeatherUpdater::noSecondRefreshWhileOneRuns()
{
    TestHttpServer server;
    QTcpSocket *waiting = nullptr;
    server.setResponder([&waiting](QTcpSocket *socket, const QByteArray &) { waiting = socket; });
    Header h;
    WeatherUpdater updater(h.panel);
    updater.SetConnectivityForTesting([] { return true; });
    QSignalSpy finished(&updater, &WeatherUpdater::finished);
    QVERIFY(updater.Start(server.host(), u"1"_s));
    QTRY_VERIFY(waiting);
    QVERIFY(updater.IsRunning());
    QVERIFY(!updater.Start(server.host(), u"1"_s));
    waiting->write(Ok(ExampleBody));
    waiting->disconnectFromHost();
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(server.requests().size(), 1);
    QVERIFY(!updater.IsRunning());
    server.answerWith(Ok(ExampleBody));
    QVERIFY(updater.Start(server.host(), u"1"_s));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.last().first().toBool(), true);
}

// The board may end while a request runs: the request finishes on its own and its outcome
// goes nowhere.
void tst_WeatherUpdater::updaterGoneDuringRequest()
{
    TestHttpServer server;
    QTcpSocket *waiting = nullptr;
    server.setResponder([&waiting](QTcpSocket *socket, const QByteArray &) { waiting = socket; });
    Header h;
    auto *updater = new WeatherUpdater(h.panel);
    updater->SetConnectivityForTesting([] { return true; });
    QVERIFY(updater->Start(server.host(), u"1"_s));
    QTRY_VERIFY(waiting);
    delete updater;
    waiting->write(Ok(ExampleBody));
    waiting->disconnectFromHost();
    QTest::qWait(300);
    QCOMPARE(h.panel.Label1->text(), u"old1"_s);
    QCOMPARE(m_boxes.size(), 0);
}

// The demo's stub and the board agree: each of its modes gives the outcome it stands for.
void tst_WeatherUpdater::stubModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("cityCode");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<QString>("label1");
    const QList<std::tuple<const char *, const char *, bool, QString>> rows{
        {"ok", "101270101", true, u"成都今日"_s},
        {"ok", "101010100", true, u"北京今日"_s},
        {"ok", "", true, u"成都今日"_s},
        {"string", "101020100", true, u"上海今日"_s},
        {"empty", "101270101", true, u"old1"_s},
        {"partial", "101270101", false, u"成都今日"_s},
        {"garbage", "101270101", false, u"old1"_s},
        {"not-utf8", "101270101", false, u"old1"_s},
        {"big", "101270101", false, u"old1"_s},
        {"500", "101270101", false, u"old1"_s},
        {"redirect", "101270101", false, u"old1"_s}};
    for (const auto &[mode, city, completed, label1] : rows)
        QTest::addRow("%s %s", mode, city)
            << QString::fromLatin1(mode) << QString::fromLatin1(city) << completed << label1;
}

void tst_WeatherUpdater::stubModes()
{
    QFETCH(QString, mode);
    QFETCH(QString, cityCode);
    QFETCH(bool, completed);
    QFETCH(QString, label1);
    StubAnswers::Mode stubMode{};
    QVERIFY(StubAnswers::ParseMode(mode, stubMode));
    TestHttpServer server;
    server.setResponder([stubMode](QTcpSocket *socket, const QByteArray &request) {
        const QByteArray target = request.left(request.indexOf("\r\n")).split(' ').value(1);
        socket->write(StubAnswers::Response(stubMode, target, {}));
        socket->disconnectFromHost();
    });
    Header h;
    WeatherUpdater updater(h.panel);
    QCOMPARE(Update(updater, server.host(), cityCode), completed);
    QCOMPARE(h.panel.Label1->text(), label1);
}

// The weather end of the header at its design places, filled from the stub's document.
// Saved to $ZORVANE_SCREENSHOTS/weather-header.png when that folder is given;
// $ZORVANE_WEATHER_HOST points it at a running weather-stub instead of the stub's answers
// served here.
void tst_WeatherUpdater::headerFromStub()
{
    Fonts::InstallSubstitutes();
    TestHttpServer server;
    server.setResponder([](QTcpSocket *socket, const QByteArray &request) {
        const QByteArray target = request.left(request.indexOf("\r\n")).split(' ').value(1);
        socket->write(StubAnswers::Response(StubAnswers::Mode::Ok, target, {}));
        socket->disconnectFromHost();
    });
    QWidget header;
    header.setFixedSize(400, 103);
    header.setStyleSheet(u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                         u" stop:0 #eaf2fb, stop:1 #b9cde6);"_s);
    const QFont font = Fonts::Pixel(u"微软雅黑"_s, 21, true);
    const auto label = [&](int x, int y) {
        auto *l = new QLabel(&header);
        l->setFont(font);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setStyleSheet(u"background: transparent;"_s);
        l->move(x - 950, y);
        return l;
    };
    const auto picture = [&](int x) {
        auto *p = new PictureBox(&header);
        p->setGeometry(x - 950, 4, 100, 73);
        return p;
    };
    const WeatherPanel panel{label(968, 34),  label(1077, 75), label(1179, 33),
                             label(1243, 76), picture(1063),   picture(1222)};
    panel.Label2->setFont(Fonts::WithSigns(font));
    panel.Label5->setFont(Fonts::WithSigns(font));
    ShowInitialWeather(panel);
    WeatherUpdater updater(panel);
    const QString host = qEnvironmentVariable("ZORVANE_WEATHER_HOST", server.host());
    QVERIFY(Update(updater, host, u"101280101"_s));
    QCOMPARE(panel.Label2->text(), u"16~24℃"_s);
    QVERIFY(panel.Label2->width() >= panel.Label2->sizeHint().width());
    const QImage shot = header.grab().toImage();
    QCOMPARE(shot.size(), QSize(400, 103));
    const QString folder = qEnvironmentVariable("ZORVANE_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(shot.save(QDir(folder).filePath(u"weather-header.png"_s)));
}

QTEST_MAIN(tst_WeatherUpdater)
#include "tst_WeatherUpdater.moc"
