#include "controls/tiplabel/TipLabel.h"
#include "platform/Fonts.h"

#include <QDir>
#include <QPainter>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_TipLabel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::InstallSubstitutes(); }
    void sizesItselfToTheShownText_data();
    void sizesItselfToTheShownText();
    void followsFontChanges();
    void markerUnderlinesTheNextCharacterOnly();
    void screenshot();

private:
    static QFont TipFont() { return Fonts::Pixel(u"微软雅黑"_s, 29, true); }
};

// The label is as wide as what it shows: without the "&" marks, and one space when empty, so
// the tip line always has a width to scroll by.
void tst_TipLabel::sizesItselfToTheShownText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("measured");
    QTest::newRow("Chinese") << u"温馨提示:请各位亲们保管好自己的贵重物品"_s
                             << u"温馨提示:请各位亲们保管好自己的贵重物品"_s;
    QTest::newRow("marker not shown") << u"确认&A"_s << u"确认A"_s;
    QTest::newRow("double shows one") << u"A&&B"_s << u"A&B"_s;
    QTest::newRow("empty is one space") << QString() << u" "_s;
}

void tst_TipLabel::sizesItselfToTheShownText()
{
    QFETCH(QString, text);
    QFETCH(QString, measured);
    TipLabel label(u"placeholder that is rather long"_s);
    label.setFont(TipFont());
    label.setText(text);
    const QFontMetrics metrics(TipFont());
    QVERIFY(label.width() > 0);
    QVERIFY2(qAbs(label.width() - metrics.horizontalAdvance(measured)) <= 1,
             qPrintable(u"%1 vs %2"_s.arg(label.width()).arg(metrics.horizontalAdvance(measured))));
    QCOMPARE(label.height(), metrics.height());
    QCOMPARE(label.size(), label.sizeHint());
}

void tst_TipLabel::followsFontChanges()
{
    TipLabel label(u"温馨提示"_s);
    label.setFont(Fonts::Pixel(u"微软雅黑"_s, 12, true));
    const QSize small = label.size();
    label.setFont(TipFont());
    QVERIFY(label.width() > small.width() * 2);
    QVERIFY(label.height() > small.height() * 2);
}

// The marked character gets an underline; the other characters look as without marks.
void tst_TipLabel::markerUnderlinesTheNextCharacterOnly()
{
    TipLabel plain(u"AB温"_s);
    TipLabel marked(u"A&B温"_s);
    for (TipLabel *label : {&plain, &marked}) {
        label->setFont(TipFont());
        label->setAttribute(Qt::WA_DontShowOnScreen);
    }
    QCOMPARE(marked.size(), plain.size());
    const QImage a = plain.grab().toImage();
    const QImage b = marked.grab().toImage();
    const QFontMetrics metrics(TipFont());
    const int bLeft = metrics.horizontalAdvance(u"A"_s);
    const int bRight = metrics.horizontalAdvance(u"AB"_s);
    int changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            ++changed;
            QVERIFY2(x >= bLeft - 1 && x <= bRight + 1, qPrintable(u"x %1"_s.arg(x)));
            QVERIFY2(y >= metrics.ascent() - 2, qPrintable(u"y %1"_s.arg(y)));
        }
    }
    QVERIFY(changed >= bRight - bLeft - 2);
}

// Red tip text over a banner-like band, as the footer shows it; saved for a look.
void tst_TipLabel::screenshot()
{
    QWidget footer;
    footer.resize(1100, 54);
    QPalette band = footer.palette();
    band.setColor(QPalette::Window, QColor(0x20, 0x40, 0x80));
    footer.setPalette(band);
    footer.setAutoFillBackground(true);
    auto *tip = new TipLabel(u"温馨提示:请保管好贵重物品，谢谢！ 确认&A && 关闭&Q"_s, &footer);
    tip->setFont(TipFont());
    QPalette red = tip->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    tip->setPalette(red);
    tip->move(10, 8);
    const QImage shot = footer.grab().toImage();
    const QString path = QDir::temp().filePath(u"zorvane-tiplabel.png"_s);
    QVERIFY(shot.save(path));
    qInfo("screenshot: %s", qPrintable(path));
    // Red pixels where the text stands, the band's colour elsewhere.
    QCOMPARE(shot.pixelColor(2, 2), QColor(0x20, 0x40, 0x80));
    int red_pixels = 0;
    for (int x = 10; x < 10 + tip->width(); ++x)
        for (int y = 8; y < 8 + tip->height(); ++y)
            red_pixels += shot.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
    QVERIFY(red_pixels > 1000);
}

QTEST_MAIN(tst_TipLabel)
#include "tst_tiplabel.moc"
