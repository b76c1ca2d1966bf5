#include "board/ScreenCheck.h"

#include <QTest>

class tst_ScreenCheck : public QObject
{
    Q_OBJECT
private slots:
    void monitorsAgree_data();
    void monitorsAgree();
};

using Rects = QList<QRect>;
Q_DECLARE_METATYPE(Rects)

// Only monitors 0 and 1 are compared, by full width and height; position never matters.
void tst_ScreenCheck::monitorsAgree_data()
{
    QTest::addColumn<Rects>("monitors");
    QTest::addColumn<bool>("agree");
    const QRect hd(0, 0, 1920, 1080);
    QTest::newRow("none") << Rects{} << true;
    QTest::newRow("one") << Rects{QRect(0, 0, 1024, 768)} << true;
    QTest::newRow("two equal") << Rects{hd, QRect(1920, 0, 1920, 1080)} << true;
    QTest::newRow("two equal, stacked") << Rects{hd, QRect(0, 1080, 1920, 1080)} << true;
    QTest::newRow("width differs") << Rects{hd, QRect(1920, 0, 1280, 1080)} << false;
    QTest::newRow("height differs") << Rects{hd, QRect(1920, 0, 1920, 1200)} << false;
    QTest::newRow("third differs only")
        << Rects{hd, QRect(1920, 0, 1920, 1080), QRect(3840, 0, 800, 600)} << true;
    QTest::newRow("second differs of three")
        << Rects{hd, QRect(1920, 0, 1366, 768), hd.translated(3286, 0)} << false;
}

void tst_ScreenCheck::monitorsAgree()
{
    QFETCH(Rects, monitors);
    QFETCH(bool, agree);
    QCOMPARE(ScreenCheck::MonitorsAgree(monitors), agree);
}

QTEST_APPLESS_MAIN(tst_ScreenCheck)
#include "tst_screencheck.moc"
