#include "controls/tiles/PictureContainer.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QImage Picture(int width)
{
    QImage picture(width, 1, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    return picture;
}

} // namespace

class tst_PictureContainer : public QObject
{
    Q_OBJECT
private slots:
    void find_data();
    void find();
};

void tst_PictureContainer::find_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width"); // of the picture found; 0: none

    QTest::newRow("exact") << u"BJ.png"_s << 1;
    QTest::newRow("bj finds BJ") << u"bj.png"_s << 1;
    QTest::newRow("first match wins") << u"DJ.PNG"_s << 2;
    QTest::newRow("only A to Z fold") << u"ä.png"_s << 0;
    QTest::newRow("exact non-ASCII") << u"Ä.png"_s << 4;
    QTest::newRow("a colon is never looked up") << u"c:x.png"_s << 0;
    QTest::newRow("no such name") << u"TF.png"_s << 0;
    QTest::newRow("empty name") << QString() << 0;
    QTest::newRow("prefix only") << u"BJ"_s << 0;
}

void tst_PictureContainer::find()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    PictureContainer container;
    container.Add(u"BJ.png"_s, Picture(1));
    container.Add(u"DJ.png"_s, Picture(2));
    container.Add(u"dj.png"_s, Picture(3));
    container.Add(u"Ä.png"_s, Picture(4));
    container.Add(u"c:x.png"_s, Picture(5));
    const std::optional<QImage> found = container.Find(name);
    QCOMPARE(found ? found->width() : 0, width);
}

QTEST_APPLESS_MAIN(tst_PictureContainer)
#include "tst_PictureContainer.moc"
