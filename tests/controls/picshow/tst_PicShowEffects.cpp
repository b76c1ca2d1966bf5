#include "controls/picshow/PicShowEffects.h"
#include "controls/picshow/PicShowFrames.h"

#include <QHash>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace PicShowEffects;

namespace {

// Two pictures in which almost every pixel differs from its neighbours and from the other
// picture, so that a moved, scaled or mirrored copy never looks like the original.
QImage Pattern(int which, QSize size = QSize(240, 135))
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           which == 0 ? qRgb(x, (y * 3) & 255, (x * y) & 255)
                                      : qRgb(255 - y, (x * 5 + 40) & 255, 128 ^ x));
    return image;
}

size_t Key(const QImage &image)
{
    return qHashBits(image.constBits(), size_t(image.sizeInBytes()));
}

} // namespace

class tst_PicShowEffects : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void ends();
    void middle();
    void custom();
    void tinyAndMismatchedSizes();
    void semantics_data();
    void semantics();
    void names();
    void overDraw();

private:
    QImage m_start;
    QImage m_next;
};

void tst_PicShowEffects::initTestCase()
{
    m_start = Pattern(0);
    m_next = Pattern(1);
}

// Every style starts exactly at the starting frame and ends exactly at the new picture.
void tst_PicShowEffects::ends()
{
    for (int style = 0; style <= LastStyle; ++style) {
        QCOMPARE(Frame(style, m_start, m_next, 0), m_start);
        QCOMPARE(Frame(style, m_start, m_next, 100), m_next);
    }
}

// Halfway, every built-in style shows something of both pictures, and styles with
// different names never draw the same frame.
void tst_PicShowEffects::middle()
{
    QHash<size_t, int> seen;
    for (int style = 1; style <= LastStyle; ++style) {
        const QImage frame = Frame(style, m_start, m_next, 50);
        QVERIFY2(frame != m_start, qPrintable(u"style %1 equals the start"_s.arg(style)));
        QVERIFY2(frame != m_next, qPrintable(u"style %1 equals the new picture"_s.arg(style)));
        const size_t key = Key(frame);
        if (seen.contains(key)) {
            const int other = seen.value(key);
            QVERIFY2(StyleName(other) == StyleName(style),
                     qPrintable(u"styles %1 and %2 draw alike"_s.arg(other).arg(style)));
        }
        seen.insert(key, style);
    }
}

// Style 0 holds the old picture until the last frame.
void tst_PicShowEffects::custom()
{
    for (int progress : {4, 50, 96})
        QCOMPARE(Frame(CustomStyle, m_start, m_next, progress), m_start);
}

// Pictures of one or a few pixels, and a starting frame of another size, must neither
// crash nor give a frame of the wrong size; a reused buffer of the wrong size is replaced.
void tst_PicShowEffects::tinyAndMismatchedSizes()
{
    const QList<QSize> sizes = {QSize(1, 1), QSize(7, 3), QSize(3, 7), QSize(33, 17)};
    for (const QSize &size : sizes) {
        const QImage next = Pattern(1, size);
        const QImage start = Pattern(0, QSize(50, 40));
        QImage frame(5, 5, QImage::Format_ARGB32);
        for (int style = 0; style <= LastStyle; ++style) {
            for (int progress = 0; progress <= 100; progress += 12) {
                ComposeFrame(style, start, next, progress, frame);
                QCOMPARE(frame.size(), size);
                QCOMPARE(frame.format(), QImage::Format_RGB32);
            }
        }
    }
    // A null starting frame counts as black.
    const QImage frame = Frame(5, QImage(), m_next, 50);
    QCOMPARE(frame.pixel(frame.width() - 1, 0), qRgb(0, 0, 0));
}

// A few pixels per kind of effect, showing that it moves what its name says.
void tst_PicShowEffects::semantics_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("which"); // 0 start, 1 new picture
    QTest::addColumn<QPoint>("from");
    // 240 x 135 at 50 %.
    QTest::newRow("5 reveal: new picture in place on the left")
        << 5 << QPoint(10, 60) << 1 << QPoint(10, 60);
    QTest::newRow("5 reveal: start on the right") << 5 << QPoint(200, 60) << 0 << QPoint(200, 60);
    QTest::newRow("3 slide in from right: left edge arrives mid")
        << 3 << QPoint(120, 60) << 1 << QPoint(0, 60);
    QTest::newRow("1 expand from right: squeezed by half")
        << 1 << QPoint(160, 60) << 1 << QPoint(80, 60);
    QTest::newRow("129 push right: old left edge pushed to mid")
        << 129 << QPoint(120, 60) << 0 << QPoint(0, 60);
    QTest::newRow("129 push right: new right edge at mid")
        << 129 << QPoint(119, 60) << 1 << QPoint(239, 60);
    QTest::newRow("22 reveal from top") << 22 << QPoint(100, 10) << 1 << QPoint(100, 10);
    QTest::newRow("53 reveal out from centre: centre")
        << 53 << QPoint(120, 67) << 1 << QPoint(120, 67);
    QTest::newRow("53 reveal out from centre: corner") << 53 << QPoint(2, 2) << 0 << QPoint(2, 2);
    QTest::newRow("54 reveal in to centre: corner") << 54 << QPoint(2, 2) << 1 << QPoint(2, 2);
    QTest::newRow("51 contract to middle: old picture halved")
        << 51 << QPoint(60, 34) << 0 << QPoint(0, 0);
    QTest::newRow("84 ellipse out: centre") << 84 << QPoint(120, 67) << 1 << QPoint(120, 67);
    QTest::newRow("85 ellipse in: centre keeps the old")
        << 85 << QPoint(120, 67) << 0 << QPoint(120, 67);
    QTest::newRow("110 diagonal from top left") << 110 << QPoint(3, 3) << 1 << QPoint(3, 3);
    QTest::newRow("110 diagonal: far corner") << 110 << QPoint(236, 131) << 0 << QPoint(236, 131);
    QTest::newRow("144 sweep clockwise: right of top centre")
        << 144 << QPoint(180, 20) << 1 << QPoint(180, 20);
    QTest::newRow("144 sweep clockwise: left of top centre")
        << 144 << QPoint(60, 20) << 0 << QPoint(60, 20);
}

void tst_PicShowEffects::semantics()
{
    QFETCH(int, style);
    QFETCH(QPoint, at);
    QFETCH(int, which);
    QFETCH(QPoint, from);
    const QImage frame = Frame(style, m_start, m_next, 50);
    const QImage &source = which ? m_next : m_start;
    QCOMPARE(frame.pixel(at), source.pixel(from));
}

void tst_PicShowEffects::names()
{
    QCOMPARE(StyleName(0), u"Custom"_s);
    QCOMPARE(StyleName(1), u"Expand from right"_s);
    QCOMPARE(StyleName(76), u"Unven shred from bottom"_s);
    QCOMPARE(StyleName(146), u"Rectangles apear from left and disapear to right"_s);
    QCOMPARE(StyleName(172), u"Channel Mix"_s);
    QCOMPARE(StyleName(33), StyleName(18));
    QCOMPARE(StyleName(34), StyleName(25));
    QVERIFY(StyleName(173).isEmpty());
    QVERIFY(StyleName(-1).isEmpty());
}

// Same size: the transition starts from the frame on screen. Another size, or nothing on
// screen yet: from the backdrop behind the picture's place, scaled to the new size.
void tst_PicShowEffects::overDraw()
{
    using namespace PicShowFrames;
    QImage backdrop(100, 80, QImage::Format_RGB32);
    backdrop.fill(Qt::red);
    for (int y = 10; y < 50; ++y)
        for (int x = 10; x < 60; ++x)
            backdrop.setPixel(x, y, qRgb(0, 255, 0));
    const QRect place(10, 10, 50, 40);
    const QImage screen = Pattern(0, QSize(20, 10));

    QCOMPARE(StartingFrame(screen, backdrop, place, QSize(20, 10), true), screen);

    const QImage fromBackdrop = StartingFrame(screen, backdrop, place, QSize(30, 15), true);
    QCOMPARE(fromBackdrop.size(), QSize(30, 15));
    QCOMPARE(fromBackdrop.pixel(15, 7), qRgb(0, 255, 0));
    QCOMPARE(fromBackdrop.pixel(0, 0), qRgb(0, 255, 0));

    QCOMPARE(StartingFrame(QImage(), backdrop, place, QSize(20, 10), true).pixel(5, 5),
             qRgb(0, 255, 0));
    QCOMPARE(StartingFrame(screen, backdrop, place, QSize(20, 10), false).pixel(5, 5),
             qRgb(0, 255, 0));
}

QTEST_APPLESS_MAIN(tst_PicShowEffects)
#include "tst_PicShowEffects.moc"
