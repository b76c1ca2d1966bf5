#include "board/Display_main.h"
#include "controls/PictureBox.h"
#include "controls/ReflectionLabel.h"
#include "controls/tiles/TileList.h"
#include "controls/tiplabel/TipLabel.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Monitors.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kInitialTip = u"温馨提示:请各位亲们保管好自己的贵重物品，以防遗失，谢谢！"_s;

QByteArray PngBytes(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A board installation in a temporary folder.
struct Installation
{
    QTemporaryDir dir;

    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }

    void writeDatabase() const
    {
        const QString connStr = u"Provider=SQLite;Data Source="_s + file(u"Database.accdb"_s);
        write(u"Database.accdb"_s, QByteArray());
        RoomStore store;
        store.Open(connStr);
        RoomSchema::CreateTable(store, connStr);
    }
    void writeParams(const QString &along = u"0"_s) const
    {
        write(u"Params.ini"_s,
              (u"[City]\r\nCode=101270101\r\n[connection]\r\n"
               "constr=Provider=SQLite;Data Source=\r\nbasename=old\r\n"
               "basepath=/Database.accdb\r\n[PicAlong]\r\nAlong="_s +
               along + u"\r\n[MoveShow]\r\nMsg=欢迎光临\r\n"_s)
                  .toUtf8());
    }
    // A complete installation: database, parameters and one picture for the slideshow.
    void writeAll() const
    {
        writeDatabase();
        writeParams();
        write(u"images/lobby.png"_s, PngBytes({64, 40}));
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QDir(path()).mkpath(QFileInfo(file(name)).path());
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

class tst_DisplayMain : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fatalChecksEndTheStartup_data();
    void fatalChecksEndTheStartup();
    void withoutParamsTheBoardRunsWithWhatWasDone();
    void noMonitorsReported();
    void readOnlyParamsEndsTheCreation();
    void fullCreation_data();
    void fullCreation();
    void bannersAndLogo_data();
    void bannersAndLogo();
    void headerFollowsTheWidth();
    void clockAndTipLineTicks();
    void trayMenuCaptions();
    void exitEndsTheEventLoop();
    void boardWindowOnlyRaised();

private:
    QList<Messages::Shown> m_shown;
};

void tst_DisplayMain::init()
{
    m_shown.clear();
    Messages::SetPresenterForTesting([this](const Messages::Shown &box) {
        m_shown.append(box);
        return true;
    });
    Monitors::SetSourceForTesting([] { return QList<QRect>{QRect(0, 0, 1920, 1080)}; });
}

void tst_DisplayMain::cleanup()
{
    Messages::SetPresenterForTesting({});
    Monitors::SetSourceForTesting({});
}

using Rects = QList<QRect>;

// A failed check shows its own message and nothing else runs: Params.ini keeps every byte
// and the database stays closed.
void tst_DisplayMain::fatalChecksEndTheStartup_data()
{
    QTest::addColumn<Rects>("monitors");
    QTest::addColumn<bool>("database");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    const QRect hd(0, 0, 1920, 1080);
    const QString resolution = u"显示器分辨率...."_s;
    const QString resolutionText = u"请把电脑显示器与电视机的分辨率设置成一致.....,谢谢！"_s;
    QTest::newRow("width differs") << Rects{hd, QRect(1920, 0, 1280, 1080)} << true
                                   << resolution << resolutionText;
    QTest::newRow("height differs") << Rects{hd, QRect(1920, 0, 1920, 1200)} << true
                                    << resolution << resolutionText;
    QTest::newRow("no database")
        << Rects{hd} << false << u"数据文件缺失...."_s
        << u"系统缺失数据文件,请查看当前目录下是否存在Database.accdb文件.....,谢谢！"_s;
}

void tst_DisplayMain::fatalChecksEndTheStartup()
{
    QFETCH(Rects, monitors);
    QFETCH(bool, database);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    Monitors::SetSourceForTesting([monitors] { return monitors; });
    Installation site;
    if (database)
        site.writeDatabase();
    site.writeParams();
    const QByteArray before = site.read(u"Params.ini"_s);

    TDisplay_mainForm board(site.path());
    QVERIFY(board.StartupEnded());
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].caption, caption);
    QCOMPARE(m_shown[0].text, text);
    QCOMPARE(m_shown[0].icon, Messages::Icon::Error);
    QVERIFY(!board.ADOConnection1.IsOpen());
    QCOMPARE(site.read(u"Params.ini"_s), before);
    QCOMPARE(board.Label3->text(), kInitialTip);
}

// The failed open is reported by the default error report; the rest of the creation is
// skipped, and the timers and the tray menu still find a consistent state.
void tst_DisplayMain::withoutParamsTheBoardRunsWithWhatWasDone()
{
    Installation site;
    site.writeDatabase();
    TDisplay_mainForm board(site.path());
    QVERIFY(!board.StartupEnded());
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].caption, u"电子显示牌...."_s);
    QVERIFY(!m_shown[0].text.isEmpty());
    QCOMPARE(board.Label3->text(), kInitialTip);
    QVERIFY(board.Slides.ImageFiles.isEmpty());
    QVERIFY(board.Slides.ImageFolder.isEmpty());
    QVERIFY(!QFile::exists(site.file(u"Params.ini"_s)));

    for (QTimer *timer : {board.Timer1, board.Timer2, board.Timer, board.Timer3}) {
        QVERIFY(timer->isActive());
        QMetaObject::invokeMethod(timer, "timeout");
    }
    board.N1->trigger();
    QCOMPARE(m_shown.size(), 1);
    QVERIFY(!QFile::exists(site.file(u"Params.ini"_s)));
}

// A window system that reports no monitor at all passes the check, and the move to the
// display monitor then does nothing.
void tst_DisplayMain::noMonitorsReported()
{
    Monitors::SetSourceForTesting([] { return QList<QRect>{}; });
    Installation site;
    site.writeAll();
    TDisplay_mainForm board(site.path());
    QVERIFY(!board.StartupEnded());
    QVERIFY(m_shown.isEmpty());
    const QPoint where = board.pos();
    board.Button1Click();
    QCOMPARE(board.pos(), where);
}

// The failed write of basename ends the creation: the database stays closed and the tip
// text is not read, yet the values read before the write are the board's.
void tst_DisplayMain::readOnlyParamsEndsTheCreation()
{
    Installation site;
    site.writeDatabase();
    site.writeParams(u"1"_s);
    const QString params = site.file(u"Params.ini"_s);
    QFile::setPermissions(params, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const QByteArray before = site.read(u"Params.ini"_s);
    TDisplay_mainForm board(site.path());
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].caption, u"电子显示牌...."_s);
    QCOMPARE(m_shown[0].text, u"Unable to write to "_s + QDir::toNativeSeparators(params));
    QVERIFY(!board.ADOConnection1.IsOpen());
    QVERIFY(board.MoveMsg.isEmpty());
    QCOMPARE(board.Label3->text(), kInitialTip);
    QCOMPARE(board.CityCode, u"101270101"_s);
    QCOMPARE(board.PicAlong, u"1"_s);
    QCOMPARE(site.read(u"Params.ini"_s), before);
}

// Tiles are hidden for "1" exactly; every other value shows them.
void tst_DisplayMain::fullCreation_data()
{
    QTest::addColumn<QString>("along");
    QTest::addColumn<bool>("tilesVisible");
    QTest::newRow("0") << u"0"_s << true;
    QTest::newRow("1") << u"1"_s << false;
    QTest::newRow("2") << u"2"_s << true;
    QTest::newRow("empty") << QString() << true;
}

void tst_DisplayMain::fullCreation()
{
    QFETCH(QString, along);
    QFETCH(bool, tilesVisible);
    Installation site;
    site.writeDatabase();
    site.writeParams(along);
    site.write(u"images/lobby.png"_s, PngBytes({64, 40}));
    TDisplay_mainForm board(site.path());
    QVERIFY2(m_shown.isEmpty(), m_shown.isEmpty() ? "" : qPrintable(m_shown[0].text));
    QCOMPARE(board.PicAlong, along);
    QCOMPARE(board.Label3->text(), u"欢迎光临"_s);
    QVERIFY(board.ADOConnection1.IsOpen());
    QCOMPARE(board.Slides.ImageFiles, QStringList{u"lobby.png"_s});
    QCOMPARE(board.AdvSmoothTileList1->isVisibleTo(&board), tilesVisible);
    QVERIFY(site.read(u"Params.ini"_s).contains(("basename=" + site.path().toUtf8() + "\r\n")));
}

// Names in box/ match without regard to case; a missing file keeps the stored default,
// one that cannot be decoded (or is not a file) leaves the element empty.
void tst_DisplayMain::bannersAndLogo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("hasPicture");
    const QByteArray png = PngBytes({40, 10});
    QTest::newRow("logo, exact name") << u"box/Logo.png"_s << png << u"AdvGDIPPicture3"_s << true;
    QTest::newRow("logo, other case") << u"BOX/LOGO.PNG"_s << png << u"AdvGDIPPicture3"_s << true;
    QTest::newRow("logo, garbage") << u"box/Logo.png"_s << QByteArray("\x89PNG\x01garbage", 12)
                                   << u"AdvGDIPPicture3"_s << false;
    QTest::newRow("header, zero bytes") << u"box/Topbanner.Jpg"_s << QByteArray()
                                        << u"AdvPanel2"_s << false;
    QTest::newRow("header, png content") << u"box/topbanner.jpg"_s << png << u"AdvPanel2"_s
                                         << true;
    QTest::newRow("footer, png named jpg") << u"box/Botbanner.Jpg"_s << png << u"Image2"_s
                                           << true;
    QTest::newRow("footer, a folder") << u"box/Botbanner.Jpg/x"_s << png << u"Image2"_s << false;
    QTest::newRow("missing: default logo") << u"box/other.png"_s << png << u"AdvGDIPPicture3"_s
                                           << true;
    QTest::newRow("missing: default header") << u"box/other.png"_s << png << u"AdvPanel2"_s
                                             << true;
}

void tst_DisplayMain::bannersAndLogo()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, element);
    QFETCH(bool, hasPicture);
    Installation site;
    site.writeAll();
    site.write(name, bytes);
    TDisplay_mainForm board(site.path());
    QVERIFY(m_shown.isEmpty());
    auto *picture = board.findChild<PictureBox *>(element);
    QVERIFY(picture);
    QCOMPARE(!picture->picture().isNull(), hasPicture);
}

// Before the board is seen at a new width the date, time and weather stand at their
// distances from the right edge, computed from the texts shown at that moment.
void tst_DisplayMain::headerFollowsTheWidth()
{
    Installation site;
    TDisplay_mainForm board(site.path());
    board.AdvReflectionLabel1->setText(u"2016-12-26   星期一"_s);
    board.resize(1920, 1080);
    board.show();
    QCOMPARE(board.AdvReflectionLabel1->x(), 1920 - 34 * 21);
    QCOMPARE(board.Label4->x(), 1736);
    QCOMPARE(board.AdvGDIPPicture1->x(), 1625);
    QCOMPARE(board.AdvGDIPPicture2->x(), 1780);
    QCOMPARE(board.AdvGDIPPicture1->y(), 4);
}

void tst_DisplayMain::clockAndTipLineTicks()
{
    Installation site;
    site.writeAll();
    TDisplay_mainForm board(site.path());
    board.resize(1920, 1080);
    board.show();
    QMetaObject::invokeMethod(board.Timer1, "timeout");
    QVERIFY(board.AdvReflectionLabel1->text().startsWith(
        QDate::currentDate().toString(u"yyyy-MM-dd"_s) + u"   星期"_s));
    QVERIFY(board.AdvReflectionLabel2->text() != u"20:12:45"_s);
    const int left = board.Label3->x();
    QMetaObject::invokeMethod(board.Timer2, "timeout");
    QCOMPARE(board.Label3->x(), left - 1);
}

void tst_DisplayMain::trayMenuCaptions()
{
    Installation site;
    TDisplay_mainForm board(site.path());
    QStringList captions;
    QStringList names;
    for (const QAction *action : board.AdvPopupMenu1->actions()) {
        captions << action->text();
        names << action->objectName();
    }
    QCOMPARE(names, (QStringList{u"N1"_s, u"N2"_s, u"N3"_s, u"N5"_s, u"N4"_s}));
    QCOMPARE(captions, (QStringList{u"房价展示窗口..."_s, u"房价设置"_s, u"参数设置"_s,
                                    u"关于与技术帮助"_s, u"退出展示系统"_s}));
    QCOMPARE(board.CoolTrayIcon->toolTip(), u"Zorvane...."_s);
}

void tst_DisplayMain::exitEndsTheEventLoop()
{
    Installation site;
    site.writeAll();
    TDisplay_mainForm board(site.path());
    QTimer::singleShot(0, board.N4, &QAction::trigger);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    watchdog.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

// N1 brings the board to the front and runs neither the creation nor the show sequence.
void tst_DisplayMain::boardWindowOnlyRaised()
{
    Monitors::SetSourceForTesting([] {
        return QList<QRect>{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)};
    });
    Installation site;
    site.writeAll();
    TDisplay_mainForm board(site.path());
    board.show();
    const QByteArray params = site.read(u"Params.ini"_s);
    const QPoint where = board.pos();
    board.N1->trigger();
    QVERIFY(board.isVisible());
    QCOMPARE(board.pos(), where);
    QCOMPARE(site.read(u"Params.ini"_s), params);
    QVERIFY(m_shown.isEmpty());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::InstallSubstitutes();
    tst_DisplayMain test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_displaymain.moc"
