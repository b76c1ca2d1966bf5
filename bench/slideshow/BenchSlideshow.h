#pragma once

#include <ctime>

// Milliseconds of processor time this thread has used: other programs on the same core
// do not count, as they do in wall time.
inline double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The parts of the slideshow benchmark; each prints its figures.
void BenchCompose(int rounds);
void BenchGaps(int transitions);
void BenchLongRun(int transitions, int pictures);
