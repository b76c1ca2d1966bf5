#pragma once

// The parts of the slideshow benchmark; each prints its figures.
void BenchCompose(int rounds);
void BenchGaps(int transitions);
void BenchLongRun(int transitions, int pictures);
