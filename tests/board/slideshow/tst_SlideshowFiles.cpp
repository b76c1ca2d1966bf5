#include "board/slideshow/PictureDecoder.h"
#include "board/slideshow/SlideshowFiles.h"
#include "platform/Errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <random>

using namespace Qt::Literals::StringLiterals;
using namespace SlideshowFiles;

namespace {

void Touch(const QString &path, const QByteArray &content = "x")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A PNG whose header claims 100000 x 100000 pixels, a few dozen bytes on disk.
QByteArray PngBomb()
{
    auto crc = [](const QByteArray &bytes) {
        quint32 c = 0xffffffffU;
        for (char ch : bytes) {
            c ^= quint8(ch);
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320U ^ (c >> 1) : c >> 1;
        }
        return c ^ 0xffffffffU;
    };
    auto chunk = [&](const QByteArray &type, const QByteArray &data) {
        QByteArray out(4, 0);
        qToBigEndian(quint32(data.size()), out.data());
        const QByteArray body = type + data;
        QByteArray tail(4, 0);
        qToBigEndian(crc(body), tail.data());
        return out + body + tail;
    };
    QByteArray header(13, 0);
    qToBigEndian(quint32(100000), header.data());
    qToBigEndian(quint32(100000), header.data() + 4);
    header[8] = 8;                                                    // bit depth
    header[9] = 2;                                                    // RGB
    const QByteArray zeros = QByteArray::fromHex("789c030000000001"); // an empty zlib stream
    return QByteArray::fromHex("89504e470d0a1a0a") + chunk("IHDR", header) + chunk("IDAT", zeros) +
           chunk("IEND", QByteArray());
}

} // namespace

class tst_SlideshowFiles : public QObject
{
    Q_OBJECT
private slots:
    void mask();
    void imagesFolder();
    void listing();
    void listingOnlyHidden();
    void missingFolder();
    void paths_data();
    void paths();
    void pickEmptyAndOne();
    void pickTwoAlternates();
    void pickManyNeverCurrentAndUniform();
    void decodeFormats_data();
    void decodeFormats();
    void decodeFailures_data();
    void decodeFailures();
};

// Newest registration first, one pattern per format with an extension.
void tst_SlideshowFiles::mask()
{
    QCOMPARE(FileMask(RegisteredFormats()), u"*.png;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf"_s);
    QCOMPARE(FileMask({{u"a"_s, {}}, {QString(), {}}, {u"b"_s, {}}}), u"*.b;*.a"_s);
}

void tst_SlideshowFiles::imagesFolder()
{
    QTemporaryDir program;
    QCOMPARE(ImagesFolder(program.path()), program.path() + u"/images"_s);
    QVERIFY(QDir(program.path()).mkdir(u"Images"_s));
    QCOMPARE(ImagesFolder(program.path()), program.path() + u"/Images"_s);
}

// Upper-case extensions are taken; hidden files, folders named like pictures, links to
// folders and other files are not.
void tst_SlideshowFiles::listing()
{
    QTemporaryDir dir;
    const QString d = dir.path();
    Touch(d + u"/PHOTO.JPG"_s);
    Touch(d + u"/a.png"_s);
    Touch(d + u"/b.Jpeg"_s);
    Touch(d + u"/c.bmp"_s);
    Touch(d + u"/d.ico"_s);
    Touch(d + u"/e.wmf"_s);
    Touch(d + u"/f.emf"_s);
    Touch(d + u"/.hidden.jpg"_s);
    Touch(d + u"/notes.txt"_s);
    Touch(d + u"/gif.gif"_s);
    QVERIFY(QDir(d).mkpath(u"x.jpg"_s));
    Touch(d + u"/x.jpg/inner.jpg"_s);
    QVERIFY(QFile::link(d + u"/x.jpg"_s, d + u"/link.png"_s));
    QVERIFY(QFile::link(d + u"/a.png"_s, d + u"/alias.png"_s));
    QFile::setPermissions(d + u"/c.bmp"_s, QFile::ReadOwner); // read-only: still taken
    QStringList names = ListPictures(d, FileMask(RegisteredFormats()));
    names.sort();
    QCOMPARE(names, QStringList({u"PHOTO.JPG"_s, u"a.png"_s, u"alias.png"_s, u"b.Jpeg"_s,
                                 u"c.bmp"_s, u"d.ico"_s, u"e.wmf"_s, u"f.emf"_s}));
}

void tst_SlideshowFiles::listingOnlyHidden()
{
    QTemporaryDir dir;
    Touch(dir.path() + u"/.a.jpg"_s);
    QVERIFY(QDir(dir.path()).mkpath(u"b.png"_s));
    QVERIFY(ListPictures(dir.path(), FileMask(RegisteredFormats())).isEmpty());
}

void tst_SlideshowFiles::missingFolder()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(BoardError, ListPictures(dir.path() + u"/images"_s, u"*.png"_s));
}

void tst_SlideshowFiles::paths_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("stripped");
    QTest::newRow("plain") << u"/srv/board/images"_s << u"/srv/board/images"_s;
    QTest::newRow("trailing slash") << u"/srv/board/images/"_s << u"/srv/board/images"_s;
    QTest::newRow("trailing backslash") << u"D:\\Board\\images\\"_s << u"D:\\Board\\images"_s;
    QTest::newRow("only one removed") << u"/srv/images//"_s << u"/srv/images/"_s;
    QTest::newRow("empty") << QString() << QString();
}

void tst_SlideshowFiles::paths()
{
    QFETCH(QString, folder);
    QFETCH(QString, stripped);
    QCOMPARE(WithoutTrailingSeparator(folder), stripped);
}

void tst_SlideshowFiles::pickEmptyAndOne()
{
    auto zero = [](int) { return 0; };
    QVERIFY(!PickNextImage({}, u"a"_s, zero));
    QCOMPARE(PickNextImage({u"a"_s}, u"a"_s, zero), u"a"_s);
    QCOMPARE(PickNextImage({u"a"_s}, QString(), zero), u"a"_s);
    // A list of nothing but the current name ends too.
    QCOMPARE(PickNextImage({u"a"_s, u"a"_s}, u"a"_s, zero), u"a"_s);
}

void tst_SlideshowFiles::pickTwoAlternates()
{
    std::mt19937 engine(7);
    auto random = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    const QStringList files = {u"a.jpg"_s, u"b.png"_s};
    QString current = *PickNextImage(files, QString(), random);
    for (int i = 0; i < 200; ++i) {
        const QString next = *PickNextImage(files, current, random);
        QVERIFY(next != current);
        current = next;
    }
}

// With three or more names the current one never comes again, and the others come about
// equally often (within 10 % of their share over 10,000 draws).
void tst_SlideshowFiles::pickManyNeverCurrentAndUniform()
{
    std::mt19937 engine(11);
    auto random = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    const QStringList files = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QHash<QString, int> counts;
    const QString current = u"c"_s;
    for (int i = 0; i < 10000; ++i) {
        const QString next = *PickNextImage(files, current, random);
        QVERIFY(next != current);
        ++counts[next];
    }
    QCOMPARE(counts.size(), 3);
    for (int count : std::as_const(counts))
        QVERIFY2(qAbs(count - 10000 / 3) < 10000 / 3 / 10, qPrintable(QString::number(count)));
}

void tst_SlideshowFiles::decodeFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << u"a.png"_s << QByteArray("png");
    QTest::newRow("jpg upper case") << u"B.JPG"_s << QByteArray("jpeg");
    QTest::newRow("jpeg") << u"c.jpeg"_s << QByteArray("jpeg");
    QTest::newRow("bmp") << u"d.bmp"_s << QByteArray("bmp");
    QTest::newRow("ico") << u"e.ico"_s << QByteArray("ico");
}

void tst_SlideshowFiles::decodeFormats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    QImage picture(48, 32, QImage::Format_ARGB32);
    picture.fill(qRgba(250, 20, 20, 255));
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0)); // transparent: shown on black
    const QString path = dir.filePath(name);
    QVERIFY(picture.save(path, format.constData()));
    const QImage decoded = PictureDecoder::DecodePicture(path);
    QCOMPARE(decoded.size(), QSize(48, 32));
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    QVERIFY(qRed(decoded.pixel(24, 16)) > 200);
    if (format != "jpeg")
        QCOMPARE(decoded.pixel(0, 0), qRgb(0, 0, 0));
}

void tst_SlideshowFiles::decodeFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::green);
    QByteArray pngBytes;
    {
        QBuffer buffer(&pngBytes);
        buffer.open(QIODevice::WriteOnly);
        png.save(&buffer, "PNG");
    }
    QTest::newRow("missing") << u"gone.jpg"_s << QByteArray() << u"gone.jpg"_s;
    QTest::newRow("not a picture") << u"text.jpg"_s << QByteArray("hello") << u"text.jpg"_s;
    QTest::newRow("png named jpg") << u"png.jpg"_s << pngBytes << u"png.jpg"_s;
    QTest::newRow("empty file") << u"empty.png"_s << QByteArray("") << u"empty.png"_s;
    QTest::newRow("metafile") << u"logo.wmf"_s << QByteArray("x") << u"WMF"_s;
    QTest::newRow("decompression bomb") << u"bomb.png"_s << PngBomb() << u"too large"_s;
}

// Each failure is an error naming the file or the reason, never a crash or a huge
// allocation.
void tst_SlideshowFiles::decodeFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (name != u"gone.jpg")
        Touch(path, content);
    try {
        PictureDecoder::DecodePicture(path);
        QFAIL("no error");
    } catch (const BoardError &error) {
        QVERIFY2(error.text().contains(says), qPrintable(error.text()));
    }
}

QTEST_GUILESS_MAIN(tst_SlideshowFiles)
#include "tst_SlideshowFiles.moc"
