#include "bench/slideshow/BenchSlideshow.h"

#include "board/BoardRandom.h"
#include "board/slideshow/Slideshow.h"
#include "controls/picshow/TPicShow.h"
#include "platform/Handler.h"
#include "platform/Messages.h"
#include "tools/contact-sheet/SlideArt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The slideshow's place on a 1920 x 1080 board: right of the 851-pixel tile list,
// between header and footer.
const QSize kArea(1069, 820);

// Photograph-like pictures: a scene with soft gradients, shapes and grain, so that the
// JPEG decoder has as much work as with a real photograph.
void WritePictures(const QString &folder, int count, const QSize &size)
{
    QDir().mkpath(folder);
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> byte(0, 255);
    const QImage scene =
        SlideArt::Backdrop().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int i = 0; i < count; ++i) {
        QImage picture = scene.convertToFormat(QImage::Format_RGB32);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        for (int k = 0; k < 12; ++k) {
            p.setBrush(QColor(byte(random), byte(random), byte(random), 140));
            p.setPen(Qt::NoPen);
            const int r = 40 + byte(random);
            p.drawEllipse(
                QPoint(byte(random) * size.width() / 256, byte(random) * size.height() / 256), r,
                r);
        }
        p.end();
        for (int y = 0; y < size.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                const int n = (byte(random) >> 5) - 4;
                const QRgb c = line[x];
                line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                               qBound(0, qBlue(c) + n, 255));
            }
        }
        picture.save(folder + u"/photo%1.jpg"_s.arg(i, 2, 10, QChar(u'0')), "JPEG", 90);
    }
}

double ResidentMB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1048576.0 : 0;
}

// A board-sized slideshow over `count` pictures in a temporary program folder.
struct Rig
{
    Rig(int count, const QSize &pictureSize)
    {
        WritePictures(program.path() + u"/images"_s, count, pictureSize);
        view.resize(kArea);
        view.show();
        Messages::SetPresenterForTesting([this](const Messages::Shown &box) {
            std::printf("message: %s\n", qPrintable(box.text));
            ++failures;
            return true;
        });
        RunHandler([&] { show.Start(program.path()); });
        std::function<void()> load = view.OnStart;
        view.OnStart = [this, load] {
            const double before = ThreadCpuMs();
            load();
            loads.push_back(ThreadCpuMs() - before);
        };
        QTest::qWait(200); // the board shows its backdrop for 9 s before the first tick
    }
    // One tick, then the event loop until its transition has ended.
    void transition()
    {
        RunHandler([&] { show.TimerTimer(); });
        while (view.TransitionRunning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    QTemporaryDir program;
    TPicShow view;
    BoardRandom random;
    SlideshowState state;
    Slideshow show{view, random, state};
    int failures = 0;
    std::vector<double> loads; // CPU time of each choice and decode of the next picture
};

} // namespace

void BenchGaps(int transitions)
{
    std::printf("\nGaps between shown frames, %d transitions between 1920 x 1080 JPEGs,"
                " area %d x %d, Delay 40 ms (aim: longest at most 60 ms)\n",
                transitions, kArea.width(), kArea.height());
    Rig rig(20, QSize(1920, 1080));
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    double lastCpu = 0;
    // Wall time between two shown frames, and the part of it this thread was working
    // (the rest is the 40 ms wait, or other programs holding the core).
    std::vector<double> gaps, firstGaps, work, firstWork;
    bool first = false;
    QObject::connect(&rig.view, &TPicShow::frameShown, [&](int) {
        const qint64 now = clock.nsecsElapsed();
        const double cpu = ThreadCpuMs();
        (first ? firstGaps : gaps).push_back((now - last) / 1e6);
        (first ? firstWork : work).push_back(cpu - lastCpu);
        first = false;
        last = now;
        lastCpu = cpu;
    });
    for (int i = 0; i < transitions; ++i) {
        first = true;
        last = clock.nsecsElapsed();
        lastCpu = ThreadCpuMs();
        rig.transition();
        QTest::qWait(60); // the smooth still after the last frame, outside the transition
    }
    std::printf("  first transition (from the backdrop): tick to first frame %.1f ms of work,"
                " reading %.1f ms\n",
                firstWork.front(), rig.loads.front());
    for (auto *v : {&gaps, &firstGaps, &work, &firstWork, &rig.loads})
        std::sort(v->begin(), v->end());
    auto median = [](const std::vector<double> &v) { return v[v.size() / 2]; };
    std::printf("  tick to first frame (starting frame, decode of the next picture, first frame):\n"
                "    wall median %.1f ms, longest %.1f ms; work median %.1f ms, longest %.1f ms\n",
                median(firstGaps), firstGaps.back(), median(firstWork), firstWork.back());
    std::printf("    of which reading the next picture: median %.1f ms, longest %.1f ms\n",
                median(rig.loads), rig.loads.back());
    std::printf("  between two frames (%zu gaps):\n"
                "    wall median %.1f ms, longest %.1f ms; work median %.1f ms, longest %.1f ms\n",
                gaps.size(), median(gaps), gaps.back(), median(work), work.back());
    std::printf("  longest gap on an idle core (first: its work; others: 40 ms + work): %.1f ms;"
                " longest wall gap measured: %.1f ms; failures: %d\n",
                std::max(40 + work.back(), firstWork.back()),
                std::max(gaps.back(), firstGaps.back()), rig.failures);
}

void BenchLongRun(int transitions, int pictures)
{
    std::printf("\nLong run: %d transitions over %d pictures of 1920 x 1080, Delay 0\n",
                transitions, pictures);
    Rig rig(pictures, QSize(1920, 1080));
    rig.view.SetDelay(0);
    double afterFifty = 0, highest = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= transitions; ++i) {
        rig.transition();
        const double rss = ResidentMB();
        highest = std::max(highest, rss);
        if (i == 50)
            afterFifty = rss;
        if (i == 50 || i % 200 == 0)
            std::printf("  after %4d transitions: resident %.1f MB\n", i, rss);
    }
    const double end = ResidentMB();
    std::printf("  growth after the first 50: %.2f MB (aim below 2 MB); highest %.1f MB;"
                " %.1f s; failures: %d\n",
                end - afterFifty, highest, clock.elapsed() / 1000.0, rig.failures);
}
