#include "board/tiles/BuildRoomTiles.h"
#include "board/tiles/TileText.h"
#include "controls/markup/MarkupLayout.h"
#include "controls/markup/MarkupParser.h"
#include "controls/tiles/PictureContainer.h"
#include "tests/controls/markup/FakeSources.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

// A room's tile laid out with the board's nine pictures, the base font (11 px) and the
// wrapping width of a tile of the two-column grid (418 - 30 px), on fake metrics.
class tst_TileLayout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void theExampleTile();
    void storedPicturesHaveTheirSizes();
    void codeFindsItsPictureIgnoringCase_data();
    void codeFindsItsPictureIgnoringCase();
    void flagOutsideOneToFiveShowsNoStars_data();
    void flagOutsideOneToFiveShowsNoStars();
    void nameHoldingMarkupBreaksTheLine();

private:
    Markup::LayoutResult Lay(const RoomRecord &record) const;
    PictureContainer m_pictures;
    FakeMetrics m_metrics;
};

namespace {

RoomRecord Example()
{
    return {u"商务标间"_s, u"BJ"_s, 268, 198, 168, u"3"_s};
}

} // namespace

void tst_TileLayout::initTestCase()
{
    Tiles::LoadTilePictures(m_pictures);
}

Markup::LayoutResult tst_TileLayout::Lay(const RoomRecord &record) const
{
    Markup::LayoutOptions options;
    options.baseFont = {u"Tahoma"_s, 11, false};
    options.wrapWidth = 418 - 30;
    options.metrics = &m_metrics;
    options.pictures = &m_pictures;
    return Markup::LayOut(Markup::Parse(Tiles::BuildRoomTileText(record)), options);
}

// The eight lines of the example tile: name and room picture, empty line, index and
// stars, empty line, "房价:", and three rate lines behind red squares.
void tst_TileLayout::theExampleTile()
{
    const Markup::LayoutResult layout = Lay(Example());
    QCOMPARE(layout.lineCount, 8);
    QCOMPARE(layout.pictures.size(), 2);
    const Markup::TextRun &name = layout.texts[0];
    QCOMPARE(name.text, u"商务标间"_s);
    QCOMPARE(name.font, (Markup::FontSpec{u"黑体"_s, 37, true}));
    // The room picture follows the name on its line, scaled to 150 x 60.
    QCOMPARE(layout.pictures[0].box, QRectF(4 * 37, 0, 150, 60));
    const Markup::PictureRun &stars = layout.pictures[1];
    QCOMPARE(stars.box.size(), QSizeF(80, 16));
    QCOMPARE(stars.picture, m_pictures.Find(u"3.png"_s).value());

    QStringList texts;
    for (const Markup::TextRun &run : layout.texts)
        texts << run.text;
    QCOMPARE(texts, (QStringList{u"商务标间"_s, u"推荐指数:"_s, u" "_s, u"房价:"_s, u" "_s,
                                 u"￥268.00"_s, u" (挂牌价)"_s, u"￥198.00"_s, u" (执行价)"_s,
                                 u"￥168.00"_s, u" (会员价)"_s}));
    QCOMPARE(layout.texts[2].font.pixelSize, 11); // the space before the stars
    QCOMPARE(layout.texts[5].font, (Markup::FontSpec{u"黑体"_s, 35, true}));
    QCOMPARE(layout.texts[6].font, (Markup::FontSpec{u"黑体"_s, 35, false}));
    QCOMPARE(layout.texts[7].box.left(), 12.0); // no space after the second square
    QCOMPARE(layout.squares.size(), 3);
    for (const Markup::SquareRun &square : layout.squares) {
        QCOMPARE(square.color, QColor(255, 0, 0));
        QCOMPARE(square.box.size(), QSizeF(8, 8));
        QCOMPARE(square.box.left(), 0.0);
    }
    QVERIFY(layout.squares[0].box.top() > stars.box.bottom());
}

void tst_TileLayout::storedPicturesHaveTheirSizes()
{
    const QList<std::pair<QString, QSize>> expected{
        {u"1.png"_s, {80, 16}},    {u"2.png"_s, {80, 16}},    {u"3.png"_s, {80, 16}},
        {u"4.png"_s, {80, 16}},    {u"5.png"_s, {80, 16}},    {u"BJ.png"_s, {190, 107}},
        {u"DJ.png"_s, {195, 103}}, {u"HDJ.png"_s, {196, 86}}, {u"TF.png"_s, {143, 78}}};
    QCOMPARE(m_pictures.Count(), 9);
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(m_pictures.NameAt(i), expected[i].first);
        QCOMPARE(m_pictures.Find(expected[i].first)->size(), expected[i].second);
    }
}

void tst_TileLayout::codeFindsItsPictureIgnoringCase_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("picture");
    QTest::newRow("bj finds BJ.png") << u"bj"_s << true;
    QTest::newRow("Hdj finds HDJ.png") << u"Hdj"_s << true;
    QTest::newRow("empty code") << QString() << false;
    QTest::newRow("code without picture") << u"QZ"_s << false;
    QTest::newRow("path with a colon") << u"C:\\box\\BJ"_s << false;
}

// Without a picture the name stands alone on the first line, and the line is as high as
// the name.
void tst_TileLayout::codeFindsItsPictureIgnoringCase()
{
    QFETCH(QString, code);
    QFETCH(bool, picture);
    RoomRecord record = Example();
    record.Code = code;
    const Markup::LayoutResult layout = Lay(record);
    QCOMPARE(layout.pictures.size(), picture ? 2 : 1);
    if (picture)
        QCOMPARE(layout.pictures[0].box.size(), QSizeF(150, 60));
    const qreal firstLine = picture ? 60 : 37;
    QCOMPARE(layout.texts[1].box.top(), firstLine + 2 + 11 + 2);
}

void tst_TileLayout::flagOutsideOneToFiveShowsNoStars_data()
{
    QTest::addColumn<QString>("flag");
    QTest::newRow("0") << u"0"_s;
    QTest::newRow("6") << u"6"_s;
    QTest::newRow("empty") << QString();
}

void tst_TileLayout::flagOutsideOneToFiveShowsNoStars()
{
    QFETCH(QString, flag);
    RoomRecord record = Example();
    record.Flag = flag;
    const Markup::LayoutResult withStars = Lay(Example());
    const Markup::LayoutResult layout = Lay(record);
    QCOMPARE(layout.pictures.size(), 1);
    QCOMPARE(layout.texts[1].text, u"推荐指数:"_s);
    // No room taken: the line ends after the space, and as the 16 px star row is lower
    // than the 21 px text, the tile's height is the same.
    QCOMPARE(layout.lineCount, 8);
    QCOMPARE(layout.height, withStars.height);
    QCOMPARE(layout.texts[2].box.right(), layout.texts[1].box.right() + 5.5);
}

void tst_TileLayout::nameHoldingMarkupBreaksTheLine()
{
    RoomRecord record = Example();
    record.Roomname = u"商务<br/>标间"_s;
    const Markup::LayoutResult layout = Lay(record);
    QCOMPARE(layout.lineCount, 9);
    QCOMPARE(layout.texts[0].text, u"商务"_s);
    QCOMPARE(layout.texts[1].text, u"标间"_s);
    QCOMPARE(layout.texts[1].box.left(), 0.0);
    QVERIFY(layout.texts[1].box.top() > layout.texts[0].box.bottom());
    // The picture follows the second half of the name.
    QCOMPARE(layout.pictures[0].box.left(), 2 * 37.0);
}

QTEST_GUILESS_MAIN(tst_TileLayout)
#include "tst_TileLayout.moc"
