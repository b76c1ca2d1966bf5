#include "board/weather/WeatherOps.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Weather::ParsedWeather;

namespace {

const QString Missing = u"<missing>"_s;

QStringList Texts(const WeatherReport &report)
{
    QStringList texts;
    for (const auto *value :
         {&report.city, &report.temp1, &report.weather1, &report.temp2, &report.weather2})
        texts << value->value_or(Missing);
    return texts;
}

// The example document of the weather service, in the object form.
const QString Example = uR"({"weatherinfo":{"city":"成都","temp1":"4~13℃","weather1":"多云转小雨",)"
                        uR"("temp2":"5~12℃","weather2":"阴"}})"_s;

} // namespace

class tst_WeatherOps : public QObject
{
    Q_OBJECT
private slots:
    void requestPath_data();
    void requestPath();
    void iconIndex_data();
    void iconIndex();
    void decode_data();
    void decode();
    void parseReport_data();
    void parseReport();
    void parseNothingToShow();
    void parseFailure_data();
    void parseFailure();
    void planStopsAtMissingValue_data();
    void planStopsAtMissingValue();
};

// The city code goes into the target untouched, whatever it holds.
void tst_WeatherOps::requestPath_data()
{
    QTest::addColumn<QString>("cityCode");
    QTest::addColumn<QString>("target");
    QTest::newRow("default city")
        << u"101270101"_s << u"/weatherinfo/GetMoreWeather?cityCode=101270101&weatherType=0"_s;
    QTest::newRow("empty") << QString() << u"/weatherinfo/GetMoreWeather?cityCode=&weatherType=0"_s;
    QTest::newRow("no encoding")
        << u"成都%20&x"_s << u"/weatherinfo/GetMoreWeather?cityCode=成都%20&x&weatherType=0"_s;
}

void tst_WeatherOps::requestPath()
{
    QFETCH(QString, cityCode);
    QFETCH(QString, target);
    QCOMPARE(Weather::WeatherRequestPath(cityCode), target);
}

// The whole example table: the last matching test wins.
void tst_WeatherOps::iconIndex_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<int>("index"); // -1: none
    const QList<std::pair<QString, int>> table{
        {u"晴"_s, 0},         {u"多云"_s, 1},     {u"晴转多云"_s, 1}, {u"多云转晴"_s, 1},
        {u"阴"_s, 4},         {u"阴转小雨"_s, 4}, {u"小雨"_s, 3},     {u"雷阵雨"_s, 3},
        {u"小雨转晴"_s, 3},   {u"小雪"_s, 5},     {u"雨夹雪"_s, 5},   {u"阴转雨夹雪"_s, 5},
        {u"多云转小雨"_s, 1}, {u"霾"_s, 8},       {u"多云转霾"_s, 8}, {u"雾"_s, -1},
        {u"扬沙"_s, -1},      {QString(), -1}};
    for (const auto &[condition, index] : table)
        QTest::newRow(condition.isEmpty() ? "empty text" : qPrintable(condition))
            << condition << index;
}

void tst_WeatherOps::iconIndex()
{
    QFETCH(QString, condition);
    QFETCH(int, index);
    QCOMPARE(Weather::WeatherIconIndex(condition).value_or(-1), index);
}

// Malformed UTF-8 decodes to nothing at all, never to a text with replacement characters.
void tst_WeatherOps::decode_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("well formed") << u"成都 4~13℃"_s.toUtf8() << u"成都 4~13℃"_s;
    QTest::newRow("ends inside a sequence") << QByteArray("{\"city\":\"\xe6\x88") << QString();
    QTest::newRow("bad continuation") << QByteArray("a\xe6\x41\x42") << QString();
    QTest::newRow("lone continuation") << QByteArray("\x80") << QString();
    QTest::newRow("GBK bytes") << QByteArray("\xb3\xc9\xb6\xbc") << QString();
}

void tst_WeatherOps::decode()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QCOMPARE(Weather::DecodeWeatherBody(body), text);
}

void tst_WeatherOps::parseReport_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values"); // city, temp1, weather1, temp2, weather2
    const QStringList example{u"成都"_s, u"4~13℃"_s, u"多云转小雨"_s, u"5~12℃"_s, u"阴"_s};
    QTest::newRow("object form") << Example << example;
    QTest::newRow("string form")
        << uR"({"weatherinfo":"{\"city\":\"成都\",\"temp1\":\"4~13℃\",\"weather1\":)"
           uR"(\"多云转小雨\",\"temp2\":\"5~12℃\",\"weather2\":\"阴\"}"})"_s
        << example;
    QTest::newRow("text after the value is ignored") << Example + u"}} <html>"_s << example;
    QTest::newRow("other members ignored")
        << uR"({"a":1,"weatherinfo":{"x":[1],"city":"北京","temp1":"1","weather1":"晴",)"
           uR"("temp2":"2","weather2":"雪"},"b":{}})"_s
        << QStringList{u"北京"_s, u"1"_s, u"晴"_s, u"2"_s, u"雪"_s};
    QTest::newRow("values as JSON text")
        << uR"({"weatherinfo":{"city":null,"temp1":13,"weather1":true,"temp2":[1,"a"],)"
           uR"("weather2":{"k":"晴"}}})"_s
        << QStringList{u"null"_s, u"13"_s, u"true"_s, uR"([1,"a"])"_s, uR"({"k":"晴"})"_s};
    QTest::newRow("empty and missing members")
        << uR"({"weatherinfo":{"city":"","temp1":"3~9℃"}})"_s
        << QStringList{QString(), u"3~9℃"_s, Missing, Missing, Missing};
}

void tst_WeatherOps::parseReport()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    const ParsedWeather parsed = Weather::ParseWeatherReport(text);
    QCOMPARE(parsed.kind, ParsedWeather::Kind::Report);
    QCOMPARE(Texts(parsed.report), values);
}

void tst_WeatherOps::parseNothingToShow()
{
    const ParsedWeather parsed = Weather::ParseWeatherReport(uR"({"weatherinfo":""})"_s);
    QCOMPARE(parsed.kind, ParsedWeather::Kind::NothingToShow);
}

void tst_WeatherOps::parseFailure_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty text") << QString();
    QTest::newRow("not JSON") << u"<html>502 Bad Gateway</html>"_s;
    QTest::newRow("cut short") << uR"({"weatherinfo":{"city":"成都")"_s;
    QTest::newRow("array") << uR"([{"weatherinfo":""}])"_s;
    QTest::newRow("no weatherinfo") << uR"({"weather":{}})"_s;
    QTest::newRow("weatherinfo null") << uR"({"weatherinfo":null})"_s;
    QTest::newRow("weatherinfo number") << uR"({"weatherinfo":5})"_s;
    QTest::newRow("weatherinfo string, not JSON") << uR"({"weatherinfo":"晴"})"_s;
    QTest::newRow("weatherinfo string, an array") << uR"({"weatherinfo":"[1]"})"_s;
}

void tst_WeatherOps::parseFailure()
{
    QFETCH(QString, text);
    const ParsedWeather parsed = Weather::ParseWeatherReport(text);
    QCOMPARE(parsed.kind, ParsedWeather::Kind::Failure);
    QVERIFY(!parsed.error.isEmpty());
}

// The steps run in their order; the first missing value ends them and names itself, and
// what came before it stands.
void tst_WeatherOps::planStopsAtMissingValue_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<QStringList>("changes"); // label1, label2, icon1, label4, label5, icon2
    QTest::addColumn<QString>("missing");
    const QString none = u"-"_s;
    QTest::newRow("complete")
        << uR"("city":"成都","temp1":"4~13℃","weather1":"多云转小雨","temp2":"5~12℃","weather2":"阴")"_s
        << QStringList{u"成都今日"_s, u"4~13℃"_s, u"1"_s, u"明日"_s, u"5~12℃"_s, u"4"_s}
        << QString();
    QTest::newRow("no city") << uR"("temp1":"1")"_s
                             << QStringList{none, none, none, none, none, none} << u"city"_s;
    QTest::newRow("no weather1") << uR"("city":"","temp1":"1","temp2":"2","weather2":"晴")"_s
                                 << QStringList{u"今日"_s, u"1"_s, none, none, none, none}
                                 << u"weather1"_s;
    QTest::newRow("no temp2") << uR"("city":"成都","temp1":"1","weather1":"晴","weather2":"晴")"_s
                              << QStringList{u"成都今日"_s, u"1"_s, u"0"_s, u"明日"_s, none, none}
                              << u"temp2"_s;
    QTest::newRow("fog and empty condition keep the icons")
        << uR"("city":"成都","temp1":"1","weather1":"雾","temp2":"2","weather2":"")"_s
        << QStringList{u"成都今日"_s, u"1"_s, none, u"明日"_s, u"2"_s, none} << QString();
}

void tst_WeatherOps::planStopsAtMissingValue()
{
    QFETCH(QString, members);
    QFETCH(QStringList, changes);
    QFETCH(QString, missing);
    const ParsedWeather parsed =
        Weather::ParseWeatherReport(u"{\"weatherinfo\":{"_s + members + u"}}"_s);
    QCOMPARE(parsed.kind, ParsedWeather::Kind::Report);
    const Weather::HeaderUpdate update = Weather::PlanHeaderUpdate(parsed.report);
    const auto text = [](const std::optional<QString> &value) { return value.value_or(u"-"_s); };
    const auto icon = [](std::optional<int> value) {
        return value ? QString::number(*value) : u"-"_s;
    };
    QCOMPARE((QStringList{text(update.label1), text(update.label2), icon(update.icon1),
                          text(update.label4), text(update.label5), icon(update.icon2)}),
             changes);
    QCOMPARE(update.missingMember, missing);
}

QTEST_APPLESS_MAIN(tst_WeatherOps)
#include "tst_WeatherOps.moc"
