#include "board/weather/CheckInternet.h"
#include "board/weather/CookieJar.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(QList<Weather::InterfaceState>)

// The cookie store of the weather client and the connectivity rule.
namespace {
const qint64 Now = 1'800'000'000;
const QString Host = u"weather.example.cn"_s;

// A line of libcurl's cookie list: domain, subdomains, path, secure, expiry, name, value.
QByteArray Line(const QByteArray &domain, const QByteArray &path, qint64 expires,
                const QByteArray &name, const QByteArray &value, bool subdomains = false)
{
    return domain + '\t' + (subdomains ? "TRUE" : "FALSE") + '\t' + path + "\tFALSE\t" +
           QByteArray::number(expires) + '\t' + name + '\t' + value;
}
} // namespace

class tst_WeatherNetwork : public QObject
{
    Q_OBJECT
private slots:
    void sentOnlyWhereTheyApply_data();
    void sentOnlyWhereTheyApply();
    void laterAnswersReplaceAndExpire();
    void cookie2();
    void connection_data();
    void connection();
};

void tst_WeatherNetwork::sentOnlyWhereTheyApply_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("sent");
    const QByteArray target = "/weatherinfo/GetMoreWeather";
    QTest::newRow("same host") << Line("weather.example.cn", "/", 0, "a", "1") << Host << target
                               << true;
    QTest::newRow("host case") << Line("weather.example.cn", "/", 0, "a", "1")
                               << u"Weather.Example.CN"_s << target << true;
    QTest::newRow("other host") << Line("weather.example.cn", "/", 0, "a", "1") << u"example.cn"_s
                                << target << false;
    QTest::newRow("host-only, subdomain")
        << Line("example.cn", "/", 0, "a", "1") << Host << target << false;
    QTest::newRow("domain cookie, subdomain")
        << Line(".example.cn", "/", 0, "a", "1", true) << Host << target << true;
    QTest::newRow("path below") << Line("weather.example.cn", "/weatherinfo", 0, "a", "1") << Host
                                << target << true;
    QTest::newRow("path prefix only")
        << Line("weather.example.cn", "/weather", 0, "a", "1") << Host << target << false;
    QTest::newRow("expired") << Line("weather.example.cn", "/", Now - 1, "a", "1") << Host << target
                             << false;
    QTest::newRow("not yet expired")
        << Line("weather.example.cn", "/", Now + 60, "a", "1") << Host << target << true;
}

void tst_WeatherNetwork::sentOnlyWhereTheyApply()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, host);
    QFETCH(QByteArray, path);
    QFETCH(bool, sent);
    CookieJar jar;
    jar.TakeAnswer(Host, {line}, {"a"}, Now - 10);
    QCOMPARE(jar.HeaderValue(host, path, Now), sent ? QByteArray("a=1") : QByteArray());
}

void tst_WeatherNetwork::laterAnswersReplaceAndExpire()
{
    CookieJar jar;
    jar.TakeAnswer(Host,
                   {Line("weather.example.cn", "/", 0, "sid", "1"),
                    Line("weather.example.cn", "/", 0, "lang", "zh")},
                   {"sid", "lang"}, Now);
    jar.TakeAnswer(Host, {Line("weather.example.cn", "/", 0, "sid", "2")}, {"sid"}, Now);
    QCOMPARE(jar.HeaderValue(Host, "/", Now), QByteArray("sid=2; lang=zh"));
    // An answer that sets nothing keeps the cookies; one that expires "lang" drops it.
    jar.TakeAnswer(Host, {}, {}, Now);
    QCOMPARE(jar.HeaderValue(Host, "/", Now), QByteArray("sid=2; lang=zh"));
    jar.TakeAnswer(Host, {}, {"lang"}, Now);
    QCOMPARE(jar.HeaderValue(Host, "/", Now), QByteArray("sid=2"));
}

void tst_WeatherNetwork::cookie2()
{
    CookieJar jar;
    jar.TakeCookie2(Host, R"(a="x,y"; Version="1"; Path="/weatherinfo", b=2; Discard)", Now);
    QCOMPARE(jar.HeaderValue(Host, "/weatherinfo/GetMoreWeather", Now),
             QByteArray(R"(a="x,y"; b=2)"));
    QCOMPARE(jar.HeaderValue(Host, "/other", Now), QByteArray("b=2"));
    jar.TakeCookie2(Host, "b=2; Max-Age=0", Now);
    QCOMPARE(jar.HeaderValue(Host, "/other", Now), QByteArray());
}

void tst_WeatherNetwork::connection_data()
{
    using Weather::InterfaceState;
    QTest::addColumn<QList<InterfaceState>>("interfaces");
    QTest::addColumn<bool>("connected");
    const InterfaceState loopback{true, true, true};
    const InterfaceState lan{true, false, true};
    const InterfaceState down{false, false, true};
    const InterfaceState noAddress{true, false, false};
    QTest::newRow("none") << QList<InterfaceState>{} << false;
    QTest::newRow("loopback only") << QList<InterfaceState>{loopback} << false;
    QTest::newRow("cable out") << QList<InterfaceState>{loopback, down} << false;
    QTest::newRow("no address yet") << QList<InterfaceState>{loopback, noAddress} << false;
    QTest::newRow("local network") << QList<InterfaceState>{loopback, down, lan} << true;
}

void tst_WeatherNetwork::connection()
{
    QFETCH(QList<Weather::InterfaceState>, interfaces);
    QFETCH(bool, connected);
    QCOMPARE(Weather::AnyConnection(interfaces), connected);
}

QTEST_APPLESS_MAIN(tst_WeatherNetwork)
#include "tst_WeatherNetwork.moc"
