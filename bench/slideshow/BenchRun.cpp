#include "bench/slideshow/BenchSlideshow.h"
void BenchGaps(int) {}
void BenchLongRun(int, int) {}
