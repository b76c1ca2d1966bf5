#include "controls/Gauge.h"
#include "controls/GaugeText.h"

#include <QApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_Gauge : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void textInvertsTheBarBeneathIt();
};

void tst_Gauge::text_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fill");
    QTest::newRow("0") << 0 << u"0%"_s << 0;
    QTest::newRow("49") << 49 << u"49%"_s << 109;
    QTest::newRow("100") << 100 << u"100%"_s << 224;
}

void tst_Gauge::text()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(int, fill);
    QCOMPARE(GaugeText::Text(value), text);
    QCOMPARE(GaugeText::FillWidth(value, 0, 100, 224), fill);
}

// The text takes the inverse of the bar beneath each pixel: yellow over the blue fill,
// black over the white rest, with anti-aliased edges blending towards the inverse only.
void tst_Gauge::textInvertsTheBarBeneathIt()
{
    Gauge gauge;
    gauge.resize(226, 21);
    gauge.setValue(50);
    const QImage shot = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int edge = 1 + GaugeText::FillWidth(50, 0, 100, 224);
    int inverseOverFill = 0;
    int inverseOverWhite = 0;
    for (int y = 2; y < shot.height() - 2; ++y) {
        for (int x = 2; x < shot.width() - 2; ++x) {
            const QRgb px = shot.pixel(x, y);
            const bool overFill = x < edge;
            if (overFill && qRed(px) > 200 && qBlue(px) < 60)
                ++inverseOverFill;
            if (!overFill && qRed(px) < 60 && qGreen(px) < 60 && qBlue(px) < 60)
                ++inverseOverWhite;
            if (overFill) {
                QCOMPARE(qRed(px), qGreen(px));
                QVERIFY(qAbs(qRed(px) + qBlue(px) - 255) <= 2);
            }
        }
    }
    QVERIFY(inverseOverFill > 5);
    QVERIFY(inverseOverWhite > 5);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tst_Gauge test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gauge.moc"
