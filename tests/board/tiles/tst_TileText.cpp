#include "board/tiles/TileText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_TileText : public QObject
{
    Q_OBJECT
private slots:
    void columnCount_data();
    void columnCount();
    void formatRoomPrice_data();
    void formatRoomPrice();
    void tileTextOfTheExampleRecord();
    void fieldsGoInUnescaped();
    void prefixStopsBeforeTheFailingRate();
    void listVisibility_data();
    void listVisibility();
};

// Two rows: half the records rounded with halves to the even neighbour, never below one.
void tst_TileText::columnCount_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("columns");
    const int expected[] = {1, 1, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6};
    for (int records = 0; records <= 13; ++records)
        QTest::addRow("%d records", records) << records << expected[records];
    QTest::newRow("2.5 to even 2") << 5 << 2;
    QTest::newRow("4.5 to even 4") << 9 << 4;
    QTest::newRow("3.5 to even 4") << 7 << 4;
    QTest::newRow("negative") << -7 << 1;
    QTest::newRow("largest") << std::numeric_limits<int>::max() << (1 << 30);
}

void tst_TileText::columnCount()
{
    QFETCH(int, records);
    QFETCH(int, columns);
    QCOMPARE(Tiles::TileColumnCount(records), columns);
}

void tst_TileText::formatRoomPrice_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 268.0 << u"268.00"_s;
    QTest::newRow("one decimal") << 99.5 << u"99.50"_s;
    QTest::newRow("zero, no padding left") << 0.0 << u"0.00"_s;
    QTest::newRow("no thousands separator") << 1234567.891 << u"1234567.89"_s;
    QTest::newRow("negative") << -5.0 << u"-5.00"_s;
    QTest::newRow("rounds to two decimals") << 698.456 << u"698.46"_s;
}

void tst_TileText::formatRoomPrice()
{
    QFETCH(double, rate);
    QFETCH(QString, text);
    QCOMPARE(Tiles::FormatRoomPrice(rate), text);
}

// The whole markup of one record, piece by piece, with the two double spaces.
void tst_TileText::tileTextOfTheExampleRecord()
{
    const RoomRecord record{u"商务标间"_s, u"BJ"_s, 268, 198, 168, u"3"_s};
    const QString expected =
        u"<b><font size=\"28\" face=\"黑体\">商务标间</font></B>"
        u"<IMG src=\"BJ.png\"  width=\"150\" height=\"60\" align=\"right\"/>"
        u"<br/><br/><font size=\"16\" face=\"黑体\">推荐指数:</font> <IMG src=\"3.png\"/>"
        u"<br/><br/><font size=\"16\" face=\"黑体\">房价:</font><ul>"
        u"<li  type=\"SQUARE\" color=\"clRed\"> <font size=\"26\" face=\"黑体\"><b>￥268.00"
        u"</b> (挂牌价)</font>"
        u"<li type=\"SQUARE\" color=\"clRed\"><b><font size=\"26\" face=\"黑体\">￥198.00"
        u"</b> (执行价)</font>"
        u"<li type=\"SQUARE\" color=\"clRed\"><b><font size=\"26\" face=\"黑体\">￥168.00"
        u"</b> (会员价)</font>"_s;
    QCOMPARE(Tiles::BuildRoomTileText(record), expected);
}

void tst_TileText::fieldsGoInUnescaped()
{
    const RoomRecord record{u"A<br/>&B\""_s, u"x\"y"_s, 0, 0, 0, QString()};
    const QString text = Tiles::BuildRoomTileText(record);
    QVERIFY(text.contains(u"face=\"黑体\">A<br/>&B\"</font>"_s));
    QVERIFY(text.contains(u"<IMG src=\"x\"y.png\"  width"_s));
    QVERIFY(text.contains(u"<IMG src=\".png\"/>"_s));
    QVERIFY(text.contains(u"￥0.00</b> (挂牌价)"_s));
}

// A tile whose rate cannot be read keeps the markup assembled before that rate.
void tst_TileText::prefixStopsBeforeTheFailingRate()
{
    const RoomRecord record{u"商务标间"_s, u"BJ"_s, 268, 198, 168, u"3"_s};
    const QString whole = Tiles::BuildRoomTileText(record);
    const QString beforeStd = Tiles::BuildRoomTileTextPrefix(record, Tiles::PiecesBeforeStdprice);
    QVERIFY(beforeStd.endsWith(u"face=\"黑体\"><b>￥"_s));
    QVERIFY(whole.startsWith(beforeStd + u"268.00</b>"_s));
    const QString beforeSale = Tiles::BuildRoomTileTextPrefix(record, Tiles::PiecesBeforeSaleprice);
    QVERIFY(whole.startsWith(beforeSale + u"198.00</b> (执行价)"_s));
    const QString beforeClub = Tiles::BuildRoomTileTextPrefix(record, Tiles::PiecesBeforeClubprice);
    QCOMPARE(beforeClub + u"168.00</b> (会员价)</font>"_s, whole);
    QCOMPARE(Tiles::BuildRoomTileTextPrefix(record, 18), whole);
}

void tst_TileText::listVisibility_data()
{
    QTest::addColumn<QString>("picAlong");
    QTest::addColumn<bool>("visible");
    QTest::newRow("1 hides") << u"1"_s << false;
    QTest::newRow("0") << u"0"_s << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("1 with a blank") << u"1 "_s << true;
    QTest::newRow("other") << u"yes"_s << true;
}

void tst_TileText::listVisibility()
{
    QFETCH(QString, picAlong);
    QFETCH(bool, visible);
    QCOMPARE(Tiles::TileListVisible(picAlong), visible);
}

QTEST_APPLESS_MAIN(tst_TileText)
#include "tst_TileText.moc"
