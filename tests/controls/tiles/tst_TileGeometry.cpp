#include "controls/tiles/TileGeometry.h"

#include <QTest>

class tst_TileGeometry : public QObject
{
    Q_OBJECT
private slots:
    void tileRect_data();
    void tileRect();
    void innerRect();
};

// The board's list is 851 x 923 (the middle band of a 1080-line screen).
void tst_TileGeometry::tileRect_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("first tile at 2, 2") << 2 << 0 << QRect(2, 2, 422, 458);
    QTest::newRow("second in the row") << 2 << 1 << QRect(426, 2, 422, 458);
    QTest::newRow("second row") << 2 << 2 << QRect(2, 462, 422, 458);
    QTest::newRow("fifth on the second page") << 2 << 4 << QRect(853, 2, 422, 458);
    QTest::newRow("three columns") << 3 << 2 << QRect(568, 2, 281, 458);
    QTest::newRow("one column") << 1 << 1 << QRect(2, 462, 847, 458);
    QTest::newRow("third page") << 1 << 5 << QRect(1704, 462, 847, 458);
}

void tst_TileGeometry::tileRect()
{
    QFETCH(int, columns);
    QFETCH(int, index);
    QFETCH(QRect, rect);
    QCOMPARE(TileGeometry::TileRect(QSize(851, 923), 2, columns, index), rect);
}

void tst_TileGeometry::innerRect()
{
    QCOMPARE(TileGeometry::InnerRect(QRect(2, 2, 422, 458)), QRect(4, 4, 418, 454));
    // A list too small for its grid gives empty tiles, never negative ones.
    QCOMPARE(TileGeometry::TileRect(QSize(5, 5), 2, 6, 0).size(), QSize(0, 0));
}

QTEST_APPLESS_MAIN(tst_TileGeometry)
#include "tst_TileGeometry.moc"
