#include "FakeSources.h"
#include "controls/markup/MarkupLayout.h"
#include "controls/markup/MarkupParser.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Every case uses a 10 px base font: ASCII 5 px wide, a line 10 px high, 2 px between lines.
class tst_MarkupLayout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void textWrapsAtSpaces();
    void longWordPassesTheEdgeAlone();
    void boldOnAndOff();
    void fontSetsFaceAndSize();
    void fontEndReturnsToBaseKeepingBold();
    void breaks_data();
    void breaks();
    void listItems();
    void wrappedItemLinesKeepTheirIndent();
    void pictureOwnSizeOrScaled_data();
    void pictureOwnSizeOrScaled();
    void pictureAlign_data();
    void pictureAlign();
    void pictureMovesToTheNextLine();
    void missingPictureTakesNoRoom_data();
    void missingPictureTakesNoRoom();
    void lineIsAsHighAsItsTallestText();

private:
    Markup::LayoutResult Lay(const QString &markup, qreal wrapWidth = 100);
    FakeMetrics m_metrics;
    FakePictures m_pictures;
};

void tst_MarkupLayout::init()
{
    m_pictures = FakePictures();
    m_pictures.Add(u"p.png"_s, 20, 30);
}

Markup::LayoutResult tst_MarkupLayout::Lay(const QString &markup, qreal wrapWidth)
{
    Markup::LayoutOptions options;
    options.baseFont = {u"Base"_s, 10, false};
    options.wrapWidth = wrapWidth;
    options.metrics = &m_metrics;
    options.pictures = &m_pictures;
    return Markup::LayOut(Markup::Parse(markup), options);
}

void tst_MarkupLayout::textWrapsAtSpaces()
{
    // "aaaa bbbb " is 50 px and fits exactly; "cccc" would pass 50 px, so it moves down.
    const auto layout = Lay(u"aaaa bbbb cccc"_s, 50);
    QCOMPARE(layout.lineCount, 2);
    QCOMPARE(layout.texts.size(), 2);
    QCOMPARE(layout.texts[0].text, u"aaaa bbbb "_s);
    QCOMPARE(layout.texts[1].text, u"cccc"_s);
    QCOMPARE(layout.texts[1].box.topLeft(), QPointF(0, 12));
    QCOMPARE(layout.height, 22.0);
}

void tst_MarkupLayout::longWordPassesTheEdgeAlone()
{
    const auto layout = Lay(u"ab "_s + QString(40, u'x') + u" cd"_s, 50);
    QCOMPARE(layout.lineCount, 3);
    QCOMPARE(layout.texts[1].text, QString(40, u'x'));
    QCOMPARE(layout.texts[1].box.left(), 0.0);
    QCOMPARE(layout.texts[1].box.width(), 200.0);
    QCOMPARE(layout.texts[2].text, u"cd"_s);
}

void tst_MarkupLayout::boldOnAndOff()
{
    const auto layout = Lay(u"<b>a</B>b"_s);
    QCOMPARE(layout.texts.size(), 2);
    QVERIFY(layout.texts[0].font.bold);
    QVERIFY(!layout.texts[1].font.bold);
    QCOMPARE(layout.texts[1].box.left(), 5.0);
}

void tst_MarkupLayout::fontSetsFaceAndSize()
{
    // 16, 26 and 28 points are 21, 35 and 37 px on a 96 dpi screen.
    const auto layout = Lay(u"<font size=\"16\" face=\"黑体\">a<font size=\"28\">b"
                            u"<font size=\"26\" color=\"clRed\">c"_s,
                            500);
    QCOMPARE(layout.texts.size(), 3);
    QCOMPARE(layout.texts[0].font, (Markup::FontSpec{u"黑体"_s, 21, false}));
    QCOMPARE(layout.texts[1].font, (Markup::FontSpec{u"黑体"_s, 37, false}));
    QCOMPARE(layout.texts[2].font.pixelSize, 35);
    QCOMPARE(layout.texts[2].color, QColor(255, 0, 0));
    QCOMPARE(layout.texts[0].color, QColor(Qt::black));
}

// "</font>" goes back to the base font, not to an enclosing font tag; bold is untouched.
void tst_MarkupLayout::fontEndReturnsToBaseKeepingBold()
{
    const auto layout = Lay(u"<font size=\"16\" face=\"A\" color=\"clBlue\"><b><font size=\"26\">x"
                            u"</font>y</b>z"_s,
                            500);
    QCOMPARE(layout.texts.size(), 3);
    QCOMPARE(layout.texts[1].font, (Markup::FontSpec{u"Base"_s, 10, true}));
    QCOMPARE(layout.texts[1].color, QColor(Qt::black));
    QCOMPARE(layout.texts[2].font, (Markup::FontSpec{u"Base"_s, 10, false}));
}

void tst_MarkupLayout::breaks_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<int>("lines");
    QTest::addColumn<qreal>("lastTop");
    QTest::newRow("one break ends the line") << u"a<br/>b"_s << 2 << 12.0;
    QTest::newRow("a second leaves an empty line") << u"a<br/><br/>b"_s << 3 << 24.0;
    // The empty line is as high as the current font's line: 21 px at 16 points.
    QTest::newRow("empty line in the current font")
        << u"a<font size=\"16\"><br/><br/></font>b"_s << 3 << 35.0;
    QTest::newRow("break at the start") << u"<br/>b"_s << 2 << 12.0;
    QTest::newRow("trailing break") << u"b<br/>"_s << 1 << 0.0;
}

void tst_MarkupLayout::breaks()
{
    QFETCH(QString, markup);
    QFETCH(int, lines);
    QFETCH(qreal, lastTop);
    const auto layout = Lay(markup);
    QCOMPARE(layout.lineCount, lines);
    // The last text's top: bottom-aligned in its line, so the line's top for a 10 px text
    // in a line of the same height.
    QCOMPARE(layout.texts.last().box.top(), lastTop);
}

// Items begin on lines of their own with an 8 x 8 square 2 px below the line's top; the
// content starts 12 px in.
void tst_MarkupLayout::listItems()
{
    const auto layout =
        Lay(u"x<ul><li type=\"SQUARE\" color=\"clRed\"> a<li type=\"SQUARE\">b</ul>c"_s);
    QCOMPARE(layout.lineCount, 4);
    QCOMPARE(layout.squares.size(), 2);
    QCOMPARE(layout.squares[0].box, QRectF(0, 14, 8, 8));
    QCOMPARE(layout.squares[0].color, QColor(255, 0, 0));
    QCOMPARE(layout.squares[1].box, QRectF(0, 26, 8, 8));
    QCOMPARE(layout.squares[1].color, QColor(Qt::black));
    QCOMPARE(layout.texts[1].text, u" a"_s);
    QCOMPARE(layout.texts[1].box.topLeft(), QPointF(12, 12));
    QCOMPARE(layout.texts[2].box.topLeft(), QPointF(12, 24));
    QCOMPARE(layout.texts[3].box.topLeft(), QPointF(0, 36));
}

void tst_MarkupLayout::wrappedItemLinesKeepTheirIndent()
{
    const auto layout = Lay(u"<ul><li>aaaa bbbb<ul><li>c</ul>d"_s, 40);
    QCOMPARE(layout.texts.size(), 4);
    QCOMPARE(layout.texts[1].box.topLeft(), QPointF(12, 12));
    // A nested level puts its square one indent further in.
    QCOMPARE(layout.squares[1].box.left(), 12.0);
    QCOMPARE(layout.texts[2].box.left(), 24.0);
    QCOMPARE(layout.texts[3].box.left(), 12.0);
}

void tst_MarkupLayout::pictureOwnSizeOrScaled_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QRectF>("box");
    QTest::newRow("own size") << u"a<img src=\"p.png\"/>"_s << QRectF(5, 0, 20, 30);
    QTest::newRow("scaled") << u"a<IMG src=\"p.png\" width=\"50\" height=\"60\"/>"_s
                            << QRectF(5, 0, 50, 60);
    QTest::newRow("width alone") << u"a<img src=\"p.png\" width=\"50\"/>"_s << QRectF(5, 0, 20, 30);
    QTest::newRow("zero height") << u"a<img src=\"p.png\" width=\"50\" height=\"0\"/>"_s
                                 << QRectF(5, 0, 20, 30);
    QTest::newRow("huge is bounded")
        << u"<img src=\"p.png\" width=\"99999999\" height=\"99999999\"/>"_s
        << QRectF(0, 0, 4096, 4096);
}

void tst_MarkupLayout::pictureOwnSizeOrScaled()
{
    QFETCH(QString, markup);
    QFETCH(QRectF, box);
    const auto layout = Lay(markup, 10000);
    QCOMPARE(layout.pictures.size(), 1);
    QCOMPARE(layout.pictures[0].box, box);
    // The line grows to the picture; text stands on the line's bottom.
    QCOMPARE(layout.height, box.height());
}

void tst_MarkupLayout::pictureAlign_data()
{
    QTest::addColumn<QString>("align");
    QTest::addColumn<qreal>("top");
    QTest::newRow("right has no effect") << u"right"_s << 50.0;
    QTest::newRow("top") << u"top"_s << 0.0;
    QTest::newRow("middle") << u"middle"_s << 25.0;
}

void tst_MarkupLayout::pictureAlign()
{
    QFETCH(QString, align);
    QFETCH(qreal, top);
    const auto layout =
        Lay(u"<img src=\"p.png\" width=\"10\" height=\"60\"/>"
            u"<img src=\"p.png\" width=\"10\" height=\"10\" align=\"%1\"/>"_s.arg(align));
    QCOMPARE(layout.pictures[1].box.top(), top);
}

void tst_MarkupLayout::pictureMovesToTheNextLine()
{
    const auto layout = Lay(u"aaaaaaaaaaaaaaaaaa<img src=\"p.png\"/>b"_s, 100);
    QCOMPARE(layout.lineCount, 2);
    QCOMPARE(layout.pictures[0].box, QRectF(0, 12, 20, 30));
    QCOMPARE(layout.texts[1].box.topLeft(), QPointF(20, 32));
}

void tst_MarkupLayout::missingPictureTakesNoRoom_data()
{
    QTest::addColumn<QString>("src");
    QTest::addColumn<bool>("lookedUp");
    QTest::newRow("no such name") << u"q.png"_s << true;
    QTest::newRow("empty name") << u".png"_s << true;
    QTest::newRow("colon: never looked up") << u"file:p.png"_s << false;
    QTest::newRow("drive letter") << u"C:\\p.png"_s << false;
}

void tst_MarkupLayout::missingPictureTakesNoRoom()
{
    QFETCH(QString, src);
    QFETCH(bool, lookedUp);
    const auto layout = Lay(u"a <img src=\"%1\" width=\"150\" height=\"60\"/>b"_s.arg(src));
    QVERIFY(layout.pictures.isEmpty());
    QCOMPARE(layout.lineCount, 1);
    QCOMPARE(layout.texts.size(), 1);
    QCOMPARE(layout.texts[0].text, u"a b"_s);
    QCOMPARE(layout.height, 10.0);
    QCOMPARE(m_pictures.asked().contains(src), lookedUp);
}

void tst_MarkupLayout::lineIsAsHighAsItsTallestText()
{
    // 10 px base and 37 px (28 pt) text share a line 37 px high and one baseline.
    const auto layout = Lay(u"a<font size=\"28\">B</font><br/>c"_s);
    QCOMPARE(layout.texts[0].baseline, layout.texts[1].baseline);
    QCOMPARE(layout.texts[1].box.top(), 0.0);
    QCOMPARE(layout.texts[2].box.top(), 39.0);
}

QTEST_APPLESS_MAIN(tst_MarkupLayout)
#include "tst_MarkupLayout.moc"
