#include "platform/Errors.h"
#include "platform/FormMonitor.h"
#include "platform/Handler.h"
#include "platform/Messages.h"
#include "platform/Monitors.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

class tst_Platform : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void handlerReportsAndEnds_data();
    void handlerReportsAndEnds();
    void joinIgnoringCase();
    void setFormMonitor_data();
    void setFormMonitor();
};

void tst_Platform::cleanup()
{
    Messages::SetPresenterForTesting({});
    Monitors::SetSourceForTesting({});
}

// A failure becomes one error box with its own text and the program's title; the silent
// abort shows nothing; either way the handler ends there and nothing escapes.
void tst_Platform::handlerReportsAndEnds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::newRow("board error") << 0 << u"Unable to write to /x/Params.ini"_s;
    QTest::newRow("std exception") << 1 << u"boom"_s;
    QTest::newRow("silent abort") << 2 << QString();
    QTest::newRow("anything else") << 3 << u"Unknown error"_s;
}

void tst_Platform::handlerReportsAndEnds()
{
    QFETCH(int, kind);
    QFETCH(QString, shown);
    QList<Messages::Shown> boxes;
    Messages::SetPresenterForTesting([&](const Messages::Shown &box) {
        boxes.append(box);
        return true;
    });
    bool reachedEnd = false;
    const bool ran = RunHandler([&] {
        switch (kind) {
        case 0:
            throw BoardError(u"Unable to write to /x/Params.ini"_s);
        case 1:
            throw std::runtime_error("boom");
        case 2:
            throw SilentAbort{};
        default:
            throw 42;
        }
        reachedEnd = true;
    });
    QVERIFY(!ran);
    QVERIFY(!reachedEnd);
    if (shown.isEmpty()) {
        QVERIFY(boxes.isEmpty());
        return;
    }
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].caption, u"电子显示牌...."_s);
    QCOMPARE(boxes[0].text, shown);
    QCOMPARE(boxes[0].icon, Messages::Icon::Error);
}

void tst_Platform::joinIgnoringCase()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"Box"_s));
    QFile f(dir.filePath(u"Box/LOGO.png"_s));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString sep = QDir::separator();
    QCOMPARE(ProgramFolder::JoinIgnoringCase(dir.path(), u"\\box\\Logo.png"_s),
             dir.path() + sep + u"Box"_s + sep + u"LOGO.png"_s);
    QCOMPARE(ProgramFolder::JoinIgnoringCase(dir.path(), u"\\box\\Botbanner.Jpg"_s),
             dir.path() + sep + u"Box"_s + sep + u"Botbanner.Jpg"_s);
    QCOMPARE(ProgramFolder::Join(u"/opt/board"_s, u"\\Params.ini"_s),
             u"/opt/board"_s + sep + u"Params.ini"_s);
}

using Rects = QList<QRect>;

// The corner lands on the monitor's corner, the size stays; an index outside the list
// leaves the window where it is.
void tst_Platform::setFormMonitor_data()
{
    QTest::addColumn<Rects>("monitors");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("expected");
    const Rects two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)};
    QTest::newRow("monitor 1") << two << 1 << QPoint(1920, 0);
    QTest::newRow("monitor 0") << two << 0 << QPoint(0, 0);
    QTest::newRow("index too large") << two << 2 << QPoint(300, 200);
    QTest::newRow("negative") << two << -1 << QPoint(300, 200);
    QTest::newRow("no monitors") << Rects{} << 0 << QPoint(300, 200);
}

void tst_Platform::setFormMonitor()
{
    QFETCH(Rects, monitors);
    QFETCH(int, index);
    QFETCH(QPoint, expected);
    Monitors::SetSourceForTesting([monitors] { return monitors; });
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(300, 200, 640, 480);
    SetFormMonitor(&window, index);
    QCOMPARE(window.pos(), expected);
    QCOMPARE(window.size(), QSize(640, 480));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tst_Platform test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_platform.moc"
