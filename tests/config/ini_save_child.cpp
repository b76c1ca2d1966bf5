// Saves Params.ini for the crash test and dies where it is told to:
//   ini_save_child <file> step <n>   one save of the new text, killed at step n of the save
//   ini_save_child <file> loop       saves the two texts in turn until it is killed
#include "CrashStates.h"
#include "config/AtomicFile.h"
#include "config/IniFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString path = args[1];
    if (args[2] == u"step"_s && args.size() == 4) {
        const int kill = args[3].toInt();
        AtomicFile::SetStepHookForTesting([kill](AtomicFile::Step step) {
            if (int(step) == kill)
                std::raise(SIGKILL);
        });
        IniFile(path).WriteString(u"MoveShow"_s, u"Msg"_s, CrashStates::New());
        return 0;
    }
    for (bool toNew = true;; toNew = !toNew) {
        IniFile(path).WriteString(u"MoveShow"_s, u"Msg"_s,
                                  toNew ? CrashStates::New() : CrashStates::Old());
        std::fputs("saved\n", stdout);
        std::fflush(stdout);
    }
}
