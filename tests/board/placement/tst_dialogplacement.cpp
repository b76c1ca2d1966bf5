#include "about/Aboutus.h"
#include "config/sysParams.h"
#include "platform/Messages.h"
#include "platform/Monitors.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"
#include "rates/ShowRoom.h"

#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

// Every dialog puts itself at the top-left corner of monitor 0 when it becomes active, and
// again each time it is activated after being moved away. Runs on Xvfb with the monitors
// that tests/xvfb-run.sh makes (two side by side, or one).
class tst_DialogPlacement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void dialogReturnsToMonitorZero_data();
    void dialogReturnsToMonitorZero();

private:
    std::unique_ptr<QDialog> makeDialog(const QString &which, QWidget *owner);

    QTemporaryDir m_folder;
    RoomStore m_store;
    QStringList m_boxes;
};

void tst_DialogPlacement::initTestCase()
{
    QVERIFY(m_folder.isValid());
    Messages::SetPresenterForTesting([this](const Messages::Shown &box) {
        m_boxes << box.caption + u": "_s + box.text;
        return false;
    });
    const QString connStr =
        u"Provider=SQLite;Data Source="_s + m_folder.filePath(u"Database.accdb"_s);
    QFile database(m_folder.filePath(u"Database.accdb"_s));
    QVERIFY(database.open(QIODevice::WriteOnly));
    database.close();
    m_store.Open(connStr);
    RoomSchema::CreateTable(m_store, connStr);
    RoomSchema::AddSampleRooms(m_store);
    qInfo("monitors: %lld", qlonglong(Monitors::Rects().size()));
    QVERIFY(!Monitors::Rects().isEmpty());
}

void tst_DialogPlacement::cleanupTestCase()
{
    Messages::SetPresenterForTesting({});
}

std::unique_ptr<QDialog> tst_DialogPlacement::makeDialog(const QString &which, QWidget *owner)
{
    if (which == u"TsysParamsForm"_s)
        return std::make_unique<TsysParamsForm>(m_folder.path(), owner);
    if (which == u"TShowRoomForm"_s)
        return std::make_unique<TShowRoomForm>(m_store, owner);
    return std::make_unique<TAboutusForm>(owner);
}

void tst_DialogPlacement::dialogReturnsToMonitorZero_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("parameters dialog") << u"TsysParamsForm"_s;
    QTest::newRow("room-rate editor") << u"TShowRoomForm"_s;
    QTest::newRow("about box") << u"TAboutusForm"_s;
}

void tst_DialogPlacement::dialogReturnsToMonitorZero()
{
    QFETCH(QString, which);
    const QList<QRect> monitors = Monitors::Rects();
    const QPoint corner = monitors.at(0).topLeft();
    // The board stands on the last monitor, as the show sequence leaves it.
    const QRect boardArea = monitors.last();
    QWidget board(nullptr, Qt::Window | Qt::FramelessWindowHint);
    board.setGeometry(boardArea.adjusted(0, 0, -boardArea.width() / 2, -boardArea.height() / 2));
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    const std::unique_ptr<QDialog> dialog = makeDialog(which, &board);
    const QPoint away = boardArea.topLeft() + QPoint(boardArea.width() / 3, 200);
    dialog->move(away);
    dialog->show();
    dialog->activateWindow();
    QTRY_VERIFY(dialog->isActiveWindow());
    QTRY_COMPARE(dialog->pos(), corner);
    QCOMPARE(QGuiApplication::screenAt(dialog->geometry().center()),
             QGuiApplication::screens().at(0));
    const QSize size = dialog->size();

    // Dragged away, then the board is active for a while, then the dialog again.
    dialog->move(away);
    QTRY_COMPARE(dialog->pos(), away);
    board.activateWindow();
    QTRY_VERIFY(board.isActiveWindow());
    QCOMPARE(dialog->pos(), away);
    dialog->activateWindow();
    QTRY_VERIFY(dialog->isActiveWindow());
    QTRY_COMPARE(dialog->pos(), corner);
    QCOMPARE(dialog->size(), size);

    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir::temp().filePath(u"zorvane-placement-%1.png"_s.arg(which)));
    QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(u'\n')));
}

QTEST_MAIN(tst_DialogPlacement)
#include "tst_dialogplacement.moc"
