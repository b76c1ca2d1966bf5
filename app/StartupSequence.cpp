#include "app/StartupSequence.h"

#include "app/FirstFrom.h"
#include "board/Display_main.h"
#include "controls/Gauge.h"
#include "platform/Taskbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>
#include <QTimer>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

const std::array<SplashStage, 6> &SplashStages()
{
    static const std::array<SplashStage, 6> stages{{
        {10, u"准备加载系统......."_s},
        {28, u"加载数据引擎......."_s},
        {49, u"加载主系统......."_s},
        {66, u"加载消息线程......."_s},
        {82, u"加载Agent......."_s},
        {100, u"准备启动系统......"_s},
    }};
    return stages;
}

static void Pause(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

// The splash ignores input, but the window system must map and paint it: let through
// everything except user input until it is exposed (at most a second).
static void WaitUntilPainted(TFirstForm &splash)
{
    QElapsedTimer waited;
    waited.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    } while (splash.windowHandle() && !splash.windowHandle()->isExposed() &&
             waited.elapsed() < 1000);
    splash.repaint();
}

void RunSplashStages(TFirstForm &splash, const SplashPacing &pacing,
                     const std::function<void(int stage)> &stageShown)
{
    const auto &stages = SplashStages();
    for (int i = 0; i < int(stages.size()); ++i) {
        if (i == 2)
            Taskbar::Skip(splash.windowHandle());
        splash.Gauge1->setValue(stages[i].progress);
        splash.Label1->setText(stages[i].text);
        splash.Label1->adjustSize();
        splash.repaint();
        if (stageShown)
            stageShown(i + 1);
        Pause(i + 1 < int(stages.size()) ? pacing.stageMs : pacing.lastStageMs);
    }
}

int RunStartup(const QString &programFolder, const SplashPacing &pacing, const BoardPace &pace,
               const std::function<void(TDisplay_mainForm &)> &onBoard)
{
    auto *splash = new TFirstForm;
    splash->show();
    WaitUntilPainted(*splash);
    RunSplashStages(*splash, pacing);
    // Deferred: the splash stays on screen while the board is created, and goes when an
    // event loop next runs.
    splash->deleteLater();
    Pause(pacing.afterReleaseMs);

    TDisplay_mainForm board(programFolder, pace);
    if (board.StartupEnded())
        return 0;
    if (onBoard)
        onBoard(board);
    QTimer::singleShot(0, &board, [&board] { board.FirstShow(); });
    QApplication::exec();
    return 0;
}
