#include "FakeSources.h"
#include "controls/markup/MarkupLayout.h"
#include "controls/markup/MarkupParser.h"

#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

// Pieces that the generator strings together: the dialect's own tags, broken ones, stray
// brackets and ampersands, quotes, Chinese text and the odd very long word.
const QStringList Fragments{u"<b>"_s,
                            u"</b>"_s,
                            u"</B>"_s,
                            u"<font size=\"28\" face=\"黑体\">"_s,
                            u"</font>"_s,
                            u"<font size="_s,
                            u"<font face='x' size=99999999999 color=#ff0000>"_s,
                            u"<br/>"_s,
                            u"<BR>"_s,
                            u"<ul>"_s,
                            u"</ul>"_s,
                            u"<li  type=\"SQUARE\" color=\"clRed\">"_s,
                            u"<li>"_s,
                            u"<IMG src=\"BJ.png\"  width=\"150\" height=\"60\" align=\"right\"/>"_s,
                            u"<img src=\"p.png\" align=middle>"_s,
                            u"<img src=c:\\x.png>"_s,
                            u"<img src=\""_s,
                            u"<"_s,
                            u">"_s,
                            u"</"_s,
                            u"<<"_s,
                            u"&"_s,
                            u"&amp;"_s,
                            u"&#x1F600;"_s,
                            u"&#99999999;"_s,
                            u"\""_s,
                            u"'"_s,
                            u"="_s,
                            u" "_s,
                            u"  "_s,
                            u"\n"_s,
                            u"商务标间"_s,
                            u"￥268.00"_s,
                            u"word"_s,
                            u"(挂牌价)"_s,
                            u"<unknown a=b>"_s,
                            u"<b"_s,
                            u"/>"_s};

// Non-blank characters survive into the runs, whatever the markup: only spaces at a line
// break may be dropped.
qsizetype Visible(const QString &text)
{
    qsizetype count = 0;
    for (QChar c : text)
        count += c != u' ';
    return count;
}

bool Finite(const QRectF &box)
{
    return std::isfinite(box.x()) && std::isfinite(box.y()) && std::isfinite(box.width()) &&
           std::isfinite(box.height());
}

} // namespace

class tst_MarkupFuzz : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void randomMarkup();
    void hugeInputs_data();
    void hugeInputs();

private:
    void Check(const QString &markup, qreal wrapWidth);
    FakeMetrics m_metrics;
    FakePictures m_pictures;
};

void tst_MarkupFuzz::init()
{
    m_pictures.Add(u"BJ.png"_s, 190, 107);
    m_pictures.Add(u"p.png"_s, 20, 30);
}

void tst_MarkupFuzz::Check(const QString &markup, qreal wrapWidth)
{
    const Markup::Document document = Markup::Parse(markup);
    qsizetype expected = 0;
    for (const Markup::Node &node : document)
        expected += node.kind == Markup::NodeKind::Text ? Visible(node.text) : 0;
    Markup::LayoutOptions options;
    options.baseFont = {u"Tahoma"_s, 11, false};
    options.wrapWidth = wrapWidth;
    options.metrics = &m_metrics;
    options.pictures = &m_pictures;
    const Markup::LayoutResult layout = Markup::LayOut(document, options);
    qsizetype placed = 0;
    for (const Markup::TextRun &run : layout.texts) {
        placed += Visible(run.text);
        QVERIFY(Finite(run.box));
        QVERIFY(run.font.pixelSize >= 1 && run.font.pixelSize <= 400);
    }
    for (const Markup::PictureRun &picture : layout.pictures)
        QVERIFY(Finite(picture.box) && picture.box.width() <= 4096);
    QCOMPARE(placed, expected);
    QVERIFY(std::isfinite(layout.height) && layout.height >= 0);
}

// A seeded run, bounded in time, of random strings made of the fragments above and of
// random characters; the seed is printed so that a failure can be replayed.
void tst_MarkupFuzz::randomMarkup()
{
    const quint64 seed = qEnvironmentVariableIsSet("ZORVANE_FUZZ_SEED")
                             ? qEnvironmentVariable("ZORVANE_FUZZ_SEED").toULongLong()
                             : 20261211;
    const int seconds = qEnvironmentVariableIntValue("ZORVANE_FUZZ_SECONDS");
    qInfo("fuzz seed %llu", seed);
    std::mt19937_64 random(seed);
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    while (clock.elapsed() < (seconds > 0 ? seconds : 15) * 1000) {
        QString markup;
        const int pieces = int(random() % 60);
        for (int i = 0; i < pieces; ++i) {
            if (random() % 5 == 0)
                markup += QChar(char16_t(random() % 0x3000 + 1));
            else
                markup += Fragments.at(int(random() % Fragments.size()));
        }
        Check(markup, qreal(random() % 400) - 20);
        if (QTest::currentTestFailed()) {
            qWarning("failed on: %s", qPrintable(markup));
            return;
        }
        ++runs;
    }
    qInfo("%d random documents parsed and laid out", runs);
}

void tst_MarkupFuzz::hugeInputs_data()
{
    QTest::addColumn<QString>("markup");
    const int mega = 1 << 20;
    QTest::newRow("megabytes of words") << QString(u"房价 word "_s).repeated(mega / 4);
    QTest::newRow("one very long word") << QString(mega, u'x');
    QTest::newRow("stray brackets") << QString(mega, u'<');
    QTest::newRow("unclosed tags") << QString(u"<a "_s).repeated(mega / 3);
    QTest::newRow("stray ampersands") << QString(u"&#"_s).repeated(mega / 2);
    QTest::newRow("one tag a megabyte long") << u"<font face=\""_s + QString(mega, u'a') + u">t"_s;
    QTest::newRow("deep lists") << QString(u"<ul><li>a"_s).repeated(100000);
    QTest::newRow("many breaks") << QString(u"<br/>"_s).repeated(200000);
    QTest::newRow("many pictures") << QString(u"<img src=\"p.png\">"_s).repeated(100000);
}

void tst_MarkupFuzz::hugeInputs()
{
    QFETCH(QString, markup);
    Check(markup, 388);
}

QTEST_APPLESS_MAIN(tst_MarkupFuzz)
#include "tst_MarkupFuzz.moc"
