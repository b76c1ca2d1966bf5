// The board at a faster pace for a soak run: pictures every 1.5 s, a weather refresh every
// 3 s, the clock and the tip line at their own pace. Prints one line per report period:
//   soak t=<s> rss_kb=<n> tip_gap_ms=<longest gap between two tip-line ticks> transitions=<n>
// Usage: zorvane-soak <seconds> [report seconds]
#include "app/StartupSequence.h"
#include "board/Display_main.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::InstallSubstitutes();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int report = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

    BoardPace pace;
    pace.slideMs = 1500;
    pace.refreshMs = 3000;
    QElapsedTimer sinceStart;
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    long transitions = 0;
    QTimer reporter;
    QTimer ending;
    const auto onBoard = [&](TDisplay_mainForm &board) {
        QObject::connect(board.Timer2, &QTimer::timeout, [&] {
            if (sinceTick.isValid())
                longestGap = std::max(longestGap, sinceTick.elapsed());
            sinceTick.restart();
        });
        QObject::connect(board.Timer, &QTimer::timeout, [&] { ++transitions; });
        QObject::connect(&reporter, &QTimer::timeout, [&] {
            std::printf("soak t=%lld rss_kb=%ld tip_gap_ms=%lld transitions=%ld\n",
                        sinceStart.elapsed() / 1000, ResidentKb(), longestGap, transitions);
            std::fflush(stdout);
            longestGap = 0;
        });
        QObject::connect(&ending, &QTimer::timeout, [] { QCoreApplication::quit(); });
        sinceStart.start();
        reporter.start(report * 1000);
        ending.setSingleShot(true);
        ending.start(seconds * 1000);
    };
    return RunStartup(ProgramFolder::Path(), SplashPacing{}, pace, onBoard);
}
