#pragma once

#include "board/BoardPace.h"

#include <QString>
#include <array>
#include <functional>

class TFirstForm;

struct SplashStage
{
    int progress;
    QString text;
};

// The six splash stages, in order.
const std::array<SplashStage, 6> &SplashStages();

// The pauses of the start-up; tests run it with zero pauses.
struct SplashPacing
{
    int stageMs = 500;
    int lastStageMs = 700;
    int afterReleaseMs = 700;
};

// Paces the splash through its stages, blocking between them. `stageShown` runs after each
// stage is on screen (tests read the splash there).
void RunSplashStages(TFirstForm &splash, const SplashPacing &pacing,
                     const std::function<void(int stage)> &stageShown = {});

// The whole main routine after the application object exists: splash, board, event loop.
// Returns the process's exit status, 0 also after a fatal start-up check.
// `onBoard` runs once the board exists and before its event loop (the soak run watches it).
class TDisplay_mainForm;
int RunStartup(const QString &programFolder, const SplashPacing &pacing = {},
               const BoardPace &pace = {},
               const std::function<void(TDisplay_mainForm &)> &onBoard = {});
