// The parameters dialog on a real window system with two monitors: whenever it becomes the
// active window it goes back to the first monitor's corner.
#include "config/sysParams.h"
#include "platform/Fonts.h"
#include "platform/Monitors.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_sysParamsX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::InstallSubstitutes(); }
    void backToFirstMonitorOnActivation();
};

void tst_sysParamsX11::backToFirstMonitorOnActivation()
{
    const QList<QRect> monitors = Monitors::Rects();
    if (monitors.size() < 2)
        QSKIP("needs two monitors");
    QTemporaryDir dir;
    TsysParamsForm form(QDir::toNativeSeparators(dir.path()), nullptr);
    form.show();
    // No window manager runs here to activate a new window, so the test does it.
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_COMPARE(form.pos(), monitors[0].topLeft());

    // Moved to the display screen, then another program takes the focus and gives it back.
    form.move(monitors[1].topLeft() + QPoint(200, 150));
    QTRY_COMPARE(form.pos(), monitors[1].topLeft() + QPoint(200, 150));
    QWidget other;
    other.setGeometry(QRect(monitors[1].topLeft() + QPoint(600, 400), QSize(200, 100)));
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_COMPARE(form.pos(), monitors[0].topLeft());

    QGuiApplication::primaryScreen()
        ->grabWindow(0, 0, 0, 900, 400)
        .save(QDir::temp().filePath(u"zorvane_sysParams_x11.png"_s));
}

QTEST_MAIN(tst_sysParamsX11)
#include "tst_sysParamsX11.moc"
