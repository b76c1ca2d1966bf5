#include "bench/slideshow/BenchSlideshow.h"

#include "controls/picshow/PicShowEffects.h"
#include "tools/contact-sheet/SlideArt.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Median of the 25 frames of one transition, each frame timed `rounds` times.
double MedianFrameMs(int style, const QImage &start, const QImage &next, int rounds)
{
    QImage frame;
    PicShowEffects::ComposeFrame(style, start, next, 4, frame); // first touch of the buffer
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        for (int progress = 4; progress <= 100; progress += 4) {
            const double before = ThreadCpuMs();
            PicShowEffects::ComposeFrame(style, start, next, progress, frame);
            times.push_back(ThreadCpuMs() - before);
        }
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

} // namespace

void BenchCompose(int rounds)
{
    const QSize hd(1920, 1080), uhd(3840, 2160);
    const QImage hdStart = SlideArt::Sample(0, hd), hdNext = SlideArt::Sample(1, hd);
    const QImage uhdStart = SlideArt::Sample(0, uhd), uhdNext = SlideArt::Sample(1, uhd);
    std::printf("Median time to compose one frame of the 25 of a transition, one core,"
                " processor time (ms); aim 4 ms / 16 ms\n");
    std::printf("%5s  %-58s %8s %8s\n", "style", "name", "1080p", "2160p");
    double worstHd = 0, worstUhd = 0;
    int worstHdStyle = 0, worstUhdStyle = 0;
    for (int style = 0; style <= PicShowEffects::LastStyle; ++style) {
        const double a = MedianFrameMs(style, hdStart, hdNext, rounds);
        const double b = MedianFrameMs(style, uhdStart, uhdNext, rounds);
        std::printf("%5d  %-58s %8.2f %8.2f%s\n", style,
                    qPrintable(PicShowEffects::StyleName(style)), a, b,
                    a > 4 || b > 16 ? "  over aim" : "");
        if (a > worstHd)
            worstHd = a, worstHdStyle = style;
        if (b > worstUhd)
            worstUhd = b, worstUhdStyle = style;
    }
    std::printf("slowest at 1080p: style %d, %.2f ms; at 2160p: style %d, %.2f ms\n", worstHdStyle,
                worstHd, worstUhdStyle, worstUhd);
}
