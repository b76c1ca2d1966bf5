#pragma once

// The intervals of the board's four timers. The program always runs at this pace; only a
// test build (the soak run) passes a faster one, never the environment or the command line.
struct BoardPace
{
    int clockMs = 1000;      // Timer1: time, date, tile toggling
    int tipLineMs = 10;      // Timer2: one pixel of the tip line
    int slideMs = 9000;      // Timer: next picture
    int refreshMs = 300000;  // Timer3: weather update and move to the display monitor
};
