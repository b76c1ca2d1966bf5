#include "board/clock/HeaderLayout.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using HeaderLayout::HeaderLefts;
using HeaderLayout::HeaderTexts;

class tst_HeaderLayout : public QObject
{
    Q_OBJECT
private slots:
    void gbkByteCount_data();
    void gbkByteCount();
    void compute_data();
    void compute();
};

Q_DECLARE_METATYPE(HeaderTexts)
Q_DECLARE_METATYPE(HeaderLefts)

void tst_HeaderLayout::gbkByteCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("date line") << u"2016-12-26   星期一"_s << 19;
    QTest::newRow("tomorrow") << u"明日"_s << 4;
    QTest::newRow("temperatures with ℃") << u"4~13℃"_s << 6;
    QTest::newRow("negative temperatures") << u"-5~-1℃"_s << 7;
    QTest::newRow("today's caption") << u"成都今日"_s << 8;
    QTest::newRow("time") << u"20:12:45"_s << 8;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("full-width comma") << u"，"_s << 2;
    QTest::newRow("pinyin letter GBK has") << u"é"_s << 2;
    QTest::newRow("euro, one byte in 936") << u"€"_s << 1;
    QTest::newRow("bullet GBK lacks") << u"•"_s << 1;
    QTest::newRow("emoji GBK lacks") << u"晴😀"_s << 3;
    QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) << 1;
}

void tst_HeaderLayout::gbkByteCount()
{
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(HeaderLayout::GbkByteCount(text), bytes);
}

void tst_HeaderLayout::compute_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<HeaderTexts>("texts");
    QTest::addColumn<HeaderLefts>("lefts");
    const HeaderTexts design{
        u"2016-12-26   星期一"_s, u"20:12:45"_s, u"成都今日"_s, u"4~13℃"_s, u"明日"_s, u"4~13℃"_s};
    // date 1920 - 34 × 21, time 1920 - 62 × 10, captions 48 × 8 and 46 × 4, temperatures
    // 40 × 6 and 20 × 6; the icons at fixed distances.
    QTest::newRow("full HD") << 1920 << design
                             << HeaderLefts{1206, 1300, 1536, 1680, 1736, 1800, 1625, 1780};
    QTest::newRow("design width") << 1344 << design
                                  << HeaderLefts{630, 724, 960, 1104, 1160, 1224, 1049, 1204};
    const HeaderTexts other{u"2016-12-26   星期一"_s,
                            u"9:05:03 PM"_s,
                            u"乌鲁木齐今日"_s,
                            u"-15~-3℃"_s,
                            u"明日"_s,
                            u"-18~-6℃"_s};
    QTest::newRow("12-hour clock, long city, frost")
        << 1920 << other << HeaderLefts{1206, 1176, 1344, 1600, 1736, 1760, 1625, 1780};
    QTest::newRow("empty texts") << 1920 << HeaderTexts{}
                                 << HeaderLefts{1852, 1796, 1920, 1920, 1920, 1920, 1625, 1780};
}

void tst_HeaderLayout::compute()
{
    QFETCH(int, width);
    QFETCH(HeaderTexts, texts);
    QFETCH(HeaderLefts, lefts);
    const HeaderLefts got = HeaderLayout::Compute(width, texts);
    QCOMPARE(got.date, lefts.date);
    QCOMPARE(got.time, lefts.time);
    QCOMPARE(got.todayCaption, lefts.todayCaption);
    QCOMPARE(got.todayTemps, lefts.todayTemps);
    QCOMPARE(got.tomorrowCaption, lefts.tomorrowCaption);
    QCOMPARE(got.tomorrowTemps, lefts.tomorrowTemps);
    QCOMPARE(got.todayIcon, lefts.todayIcon);
    QCOMPARE(got.tomorrowIcon, lefts.tomorrowIcon);
}

QTEST_APPLESS_MAIN(tst_HeaderLayout)
#include "tst_headerlayout.moc"
