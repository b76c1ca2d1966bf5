#include "controls/ReflectionLabel.h"
#include "platform/Fonts.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_ReflectionLabel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::InstallSubstitutes(); }
    void reflectionFadesFromHalfToNothing_data();
    void reflectionFadesFromHalfToNothing();
    void noRowsNoReflection();
};

namespace {

// The label alone on a transparent image, so that alpha is the label's own coverage.
QImage Render(ReflectionLabel &label)
{
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int MaxAlpha(const QImage &image, int fromRow, int toRow)
{
    int alpha = 0;
    for (int y = std::max(0, fromRow); y < std::min(toRow, image.height()); ++y)
        for (int x = 0; x < image.width(); ++x)
            alpha = std::max(alpha, qAlpha(image.pixel(x, y)));
    return alpha;
}

} // namespace

void tst_ReflectionLabel::reflectionFadesFromHalfToNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::newRow("date") << u"2016-12-26   星期一"_s << QSize(393, 80);
    QTest::newRow("time") << u"20:12:45"_s << QSize(153, 80);
}

// The text is drawn solid; right below its lowest inked row its mirror image starts at half
// opacity (128 of 255), fades, and nothing is drawn beyond 20 rows.
void tst_ReflectionLabel::reflectionFadesFromHalfToNothing()
{
    QFETCH(QString, text);
    QFETCH(QSize, size);
    ReflectionLabel label;
    label.setFont(Fonts::Pixel(u"微软雅黑"_s, 32, true));
    label.resize(size);
    label.setText(text);
    label.setReflectionRows(0);
    const QImage textOnly = Render(label);
    label.setReflectionRows(20);
    const QImage image = Render(label);

    int inkBottom = size.height() - 1;
    while (inkBottom >= 0 && MaxAlpha(textOnly, inkBottom, inkBottom + 1) == 0)
        --inkBottom;
    QVERIFY(inkBottom > 20 && inkBottom + 21 < size.height());
    QCOMPARE(MaxAlpha(textOnly, 0, inkBottom + 1), 255);
    QCOMPARE(image.copy(0, 0, size.width(), inkBottom + 1),
             textOnly.copy(0, 0, size.width(), inkBottom + 1));

    const int first = inkBottom + 1;
    const int touching = MaxAlpha(image, first, first + 2);
    QVERIFY2(touching > 80 && touching <= 129, qPrintable(QString::number(touching)));
    QVERIFY(MaxAlpha(image, first, first + 4) > MaxAlpha(image, first + 16, first + 20));
    QVERIFY(MaxAlpha(image, first + 16, first + 20) < 40);
    QCOMPARE(MaxAlpha(image, first + 20, size.height()), 0);
}

void tst_ReflectionLabel::noRowsNoReflection()
{
    ReflectionLabel label;
    label.setFont(Fonts::Pixel(u"微软雅黑"_s, 32, true));
    label.resize(200, 80);
    label.setText(u"20:12:45"_s);
    label.setReflectionRows(0);
    const int line = QFontMetrics(label.font()).height();
    QCOMPARE(MaxAlpha(Render(label), line, 80), 0);
    label.setText(QString());
    label.setReflectionRows(20);
    QCOMPARE(MaxAlpha(Render(label), 0, 80), 0);
}

QTEST_MAIN(tst_ReflectionLabel)
#include "tst_reflectionlabel.moc"
