#include "board/clock/Clock.h"

#include <QTest>
#include <climits>

using namespace Qt::Literals::StringLiterals;

class tst_Clock : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void formatTimeText_data();
    void formatTimeText();
    void formatDateText_data();
    void formatDateText();
    void dateIgnoresTheLocale();
    void tileToggleDue_data();
    void tileToggleDue();
    void tileToggleNeverAboveTheHours();
    void nextTipLeft_data();
    void nextTipLeft();
    void onePassTakesWindowPlusTextWidth();
};

// The locale's own long time pattern decides hour form, clock and marks; the time-zone name
// never shows, and digits stay ASCII for the board's fonts.
void tst_Clock::formatTimeText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    const QTime morning(9, 5, 3);
    QTest::newRow("24-hour, leading zero") << u"de_DE"_s << morning << u"09:05:03"_s;
    QTest::newRow("24-hour, zone first") << u"zh_CN"_s << morning << u"09:05:03"_s;
    QTest::newRow("24-hour evening") << u"zh_CN"_s << QTime(20, 12, 45) << u"20:12:45"_s;
    QTest::newRow("12-hour morning") << u"en_US"_s << morning << u"9:05:03 AM"_s;
    QTest::newRow("12-hour evening") << u"en_US"_s << QTime(21, 5, 3) << u"9:05:03 PM"_s;
    QTest::newRow("12-hour midnight") << u"en_US"_s << QTime(0, 0, 0) << u"12:00:00 AM"_s;
    QTest::newRow("12-hour noon") << u"en_US"_s << QTime(12, 30, 0) << u"12:30:00 PM"_s;
    QTest::newRow("Chinese marks, zone in brackets")
        << u"zh_TW"_s << QTime(15, 5, 3) << u"下午3:05:03"_s;
    QTest::newRow("no leading zero, dot separator") << u"fi_FI"_s << morning << u"9.05.03"_s;
    QTest::newRow("native digits become ASCII") << u"fa_IR"_s << morning << u"9:05:03"_s;
    QTest::newRow("quoted words") << u"fr_CA"_s << morning << u"09 h 05 min 03 s"_s;
    QTest::newRow("mark first, unit words")
        << u"ko_KR"_s << QTime(14, 5, 3) << u"오후 2시 5분 3초"_s;
}

void tst_Clock::formatTimeText()
{
    QFETCH(QString, locale);
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(Clock::FormatTimeText(time, QLocale(locale)), text);
}

void tst_Clock::formatDateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("Sunday") << QDate(2016, 12, 25) << u"2016-12-25   星期日"_s;
    QTest::newRow("Monday") << QDate(2016, 12, 26) << u"2016-12-26   星期一"_s;
    QTest::newRow("Tuesday") << QDate(2016, 12, 27) << u"2016-12-27   星期二"_s;
    QTest::newRow("Wednesday") << QDate(2016, 12, 28) << u"2016-12-28   星期三"_s;
    QTest::newRow("Thursday") << QDate(2016, 12, 29) << u"2016-12-29   星期四"_s;
    QTest::newRow("Friday") << QDate(2016, 12, 30) << u"2016-12-30   星期五"_s;
    QTest::newRow("Saturday") << QDate(2016, 12, 31) << u"2016-12-31   星期六"_s;
    QTest::newRow("single-digit month and day") << QDate(2027, 1, 5) << u"2027-01-05   星期二"_s;
    QTest::newRow("leap day") << QDate(2028, 2, 29) << u"2028-02-29   星期二"_s;
}

void tst_Clock::formatDateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(Clock::FormatDateText(date), text);
    QCOMPARE(Clock::GetWeek(date), text.right(3));
}

// Locales that write dates day first, with dots or slashes, or in other digits.
void tst_Clock::dateIgnoresTheLocale()
{
    for (const QString &name : {u"de_DE"_s, u"en_US"_s, u"ar_EG"_s, u"zh_CN"_s}) {
        QLocale::setDefault(QLocale(name));
        QCOMPARE(Clock::FormatDateText(QDate(2016, 12, 25)), u"2016-12-25   星期日"_s);
    }
}

void tst_Clock::tileToggleDue_data()
{
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("picAlong");
    QTest::addColumn<bool>("due");
    QTest::newRow("7 at 7:00:00") << 7 << QTime(7, 0, 0) << u"0"_s << true;
    QTest::newRow("7 at 7:59:59") << 7 << QTime(7, 59, 59) << u"0"_s << true;
    QTest::newRow("7 at 6:59:59") << 7 << QTime(6, 59, 59) << u"0"_s << false;
    QTest::newRow("7 at 8:00:00") << 7 << QTime(8, 0, 0) << u"0"_s << false;
    QTest::newRow("0 at midnight") << 0 << QTime(0, 0, 0) << u"0"_s << true;
    QTest::newRow("23 at 23:30") << 23 << QTime(23, 30, 0) << u"0"_s << true;
    QTest::newRow("along \"00\"") << 7 << QTime(7, 0, 0) << u"00"_s << false;
    QTest::newRow("along \" 0\"") << 7 << QTime(7, 0, 0) << u" 0"_s << false;
    QTest::newRow("along \"0 \"") << 7 << QTime(7, 0, 0) << u"0 "_s << false;
    QTest::newRow("along \"1\"") << 7 << QTime(7, 0, 0) << u"1"_s << false;
    QTest::newRow("along empty") << 7 << QTime(7, 0, 0) << QString() << false;
}

void tst_Clock::tileToggleDue()
{
    QFETCH(int, drawn);
    QFETCH(QTime, time);
    QFETCH(QString, picAlong);
    QFETCH(bool, due);
    QCOMPARE(Clock::TileToggleDue(drawn, time.hour(), picAlong), due);
}

// Draws of 24 to 39 match no hour: the chance of a flip is 1 in 40 at any hour.
void tst_Clock::tileToggleNeverAboveTheHours()
{
    for (int hour = 0; hour < 24; ++hour) {
        int due = 0;
        for (int drawn = 0; drawn < 40; ++drawn) {
            const bool flip = Clock::TileToggleDue(drawn, hour, u"0"_s);
            QVERIFY2(!flip || drawn < 24, qPrintable(QString::number(drawn)));
            due += flip ? 1 : 0;
        }
        QCOMPARE(due, 1);
    }
}

void tst_Clock::nextTipLeft_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("next");
    QTest::newRow("right end reaches the left edge") << -199 << 200 << 1344 << 1344;
    QTest::newRow("one pixel still inside") << -198 << 200 << 1344 << -199;
    QTest::newRow("first tick from the start") << 0 << 820 << 1344 << -1;
    QTest::newRow("returns at the new window width") << -199 << 200 << 1920 << 1920;
    QTest::newRow("wider window, still sliding in") << 1344 << 200 << 1920 << 1343;
    QTest::newRow("beyond a narrower window, keeps sliding") << 1920 << 200 << 1344 << 1919;
    QTest::newRow("empty text, one space wide") << -7 << 8 << 1344 << 1344;
    QTest::newRow("text shortened while out on the left") << -500 << 300 << 1344 << 1344;
    QTest::newRow("far left, no overflow") << INT_MIN << 10 << 1344 << 1344;
}

void tst_Clock::nextTipLeft()
{
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(int, windowWidth);
    QFETCH(int, next);
    QCOMPARE(Clock::NextTipLeft(left, width, windowWidth), next);
}

// From the right edge the text slides through the window and back there in W + width ticks.
void tst_Clock::onePassTakesWindowPlusTextWidth()
{
    const int windowWidth = 1344;
    const int width = 820;
    int left = windowWidth;
    int ticks = 0;
    do {
        left = Clock::NextTipLeft(left, width, windowWidth);
        ++ticks;
    } while (left != windowWidth && ticks < 10000);
    QCOMPARE(ticks, windowWidth + width);
}

QTEST_APPLESS_MAIN(tst_Clock)
#include "tst_clock.moc"
