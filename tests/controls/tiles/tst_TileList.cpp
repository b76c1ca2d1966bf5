#include "controls/tiles/PictureContainer.h"
#include "controls/tiles/TileList.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QColor Over(const QColor &top, const QColor &below)
{
    const qreal a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + below.redF() * (1 - a),
                            top.greenF() * a + below.greenF() * (1 - a),
                            top.blueF() * a + below.blueF() * (1 - a));
}

bool Near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 &&
           qAbs(a.blue() - b.blue()) <= 3;
}

void Move(QWidget &widget, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

class tst_TileList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fillsBorderAndBackground();
    void pointerOverAndSelectedFills();
    void laterPagesAreNotDrawn();
    void textBoxAndWrappingWidth();
    void clearRemovesEverything();

private:
    QImage Grab() { return m_list->grab().toImage(); }
    TileList *m_list = nullptr;
    PictureContainer m_pictures;
};

void tst_TileList::initTestCase()
{
    Fonts::InstallSubstitutes();
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(QColor(0, 0, 255));
    m_pictures.Add(u"BLUE.png"_s, picture);
}

void tst_TileList::init()
{
    m_list = new TileList;
    m_list->setPictureContainer(&m_pictures);
    m_list->resize(851, 923);
    m_list->setRows(2);
    m_list->setColumns(2);
}

void tst_TileList::cleanup()
{
    delete m_list;
    m_list = nullptr;
}

void tst_TileList::fillsBorderAndBackground()
{
    m_list->appendTile();
    const QImage image = Grab();
    const TileListAppearance &look = m_list->appearance();
    QCOMPARE(image.pixelColor(1, 1), look.background);
    // An empty slot of the grid shows the list's background.
    QCOMPARE(image.pixelColor(600, 600), look.background);
    QVERIFY(Near(image.pixelColor(200, 200), Over(look.normal.top, look.background)));
    QVERIFY(Near(image.pixelColor(2, 200), look.border));
    QVERIFY(Near(image.pixelColor(200, 459), look.border));
}

void tst_TileList::pointerOverAndSelectedFills()
{
    m_list->appendTile();
    m_list->appendTile();
    const TileListAppearance &look = m_list->appearance();
    Move(*m_list, QPoint(600, 100));
    QCOMPARE(m_list->hoveredTile(), 1);
    QTest::mouseClick(m_list, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(m_list->selectedTile(), 0);
    const QImage image = Grab();
    // The gradients run from the tile's top to its bottom.
    QVERIFY(Near(image.pixelColor(600, 4), Over(look.hovered.top, look.background)));
    QVERIFY(Near(image.pixelColor(600, 456), look.hovered.bottom));
    QVERIFY(Near(image.pixelColor(100, 4), look.selected.top));
    QVERIFY(Near(image.pixelColor(100, 456), look.selected.bottom));
    Move(*m_list, QPoint(600, 900));
    QCOMPARE(m_list->hoveredTile(), -1);
}

// Five tiles in a 2 x 2 grid: the fifth lies on the second page, right of the list.
void tst_TileList::laterPagesAreNotDrawn()
{
    for (int i = 0; i < 5; ++i) {
        const int tile = m_list->appendTile();
        m_list->setTileContent(tile, u"<img src=\"blue.png\"/>"_s);
    }
    QVERIFY(m_list->tileRect(4).left() >= m_list->width());
    QCOMPARE(m_list->tileAt(QPoint(10, 10)), 0);
    QCOMPARE(m_list->tileAt(QPoint(850, 10)), -1);
    const QImage image = Grab();
    int bluePixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            bluePixels += image.pixel(x, y) == qRgb(0, 0, 255);
    QCOMPARE(bluePixels, 4 * 40 * 20);
}

// A custom text box starts at TextLeft, TextTop inside the inner rectangle and wraps at
// the inner rectangle's right edge.
void tst_TileList::textBoxAndWrappingWidth()
{
    const int tile = m_list->appendTile();
    m_list->setTileContent(tile, QString(u"word "_s).repeated(200));
    m_list->setTileTextPosition(tile, TileTextPosition::Custom, 30, 10);
    QCOMPARE(m_list->textOrigin(tile), QPoint(4 + 30, 4 + 10));
    const Markup::LayoutResult &layout = m_list->tileLayout(tile);
    QVERIFY(layout.lineCount > 5);
    for (const Markup::TextRun &run : layout.texts)
        QVERIFY2(run.box.right() - 4 <= 418 - 30, qPrintable(run.text));
    const QImage image = Grab();
    int dark = 0;
    for (int y = 14; y < 40; ++y)
        for (int x = 34; x < 200; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    QVERIFY(dark > 50);
    for (int y = 5; y < 14; ++y)
        for (int x = 5; x < 34; ++x)
            QVERIFY(qGray(image.pixel(x, y)) > 150);
}

void tst_TileList::clearRemovesEverything()
{
    m_list->appendTile();
    QTest::mouseClick(m_list, Qt::LeftButton, {}, QPoint(100, 100));
    m_list->clearTiles();
    QCOMPARE(m_list->tileCount(), 0);
    QCOMPARE(m_list->selectedTile(), -1);
    const QImage image = Grab();
    QCOMPARE(image.pixelColor(200, 200), m_list->appearance().background);
}

QTEST_MAIN(tst_TileList)
#include "tst_TileList.moc"
