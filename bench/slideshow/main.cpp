// Slideshow figures: compose time of every effect at 1080p and 2160p, the longest gap
// between two shown frames of a transition between 1080p JPEGs (decode included), and the
// resident memory over a long run of transitions. Runs on one core.
// Usage: bench_slideshow [compose] [gaps] [longrun]   (all three without arguments)
#include "bench/slideshow/BenchSlideshow.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <sched.h>

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // figures appear as they come
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    const bool pinned = sched_setaffinity(0, sizeof one, &one) == 0;
    std::printf("pinned to one core: %s\n", pinned ? "yes" : "no");
    QApplication app(argc, argv);
    QStringList parts = app.arguments().mid(1);
    if (parts.isEmpty())
        parts = {QStringLiteral("compose"), QStringLiteral("gaps"), QStringLiteral("longrun")};
    if (parts.contains(QStringLiteral("compose")))
        BenchCompose(3);
    if (parts.contains(QStringLiteral("gaps")))
        BenchGaps(20);
    if (parts.contains(QStringLiteral("longrun")))
        BenchLongRun(1000, 20);
    return 0;
}
