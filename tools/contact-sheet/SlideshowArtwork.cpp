// Writes the slideshow's stored backdrop. Usage: slideshow-artwork <output folder>;
// the board ships resources/slideshow/Backdrop.jpg made by it.
#include "tools/contact-sheet/SlideArt.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: slideshow-artwork <output folder>\n");
        return 2;
    }
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath(u"Backdrop.jpg"_s);
    if (!SlideArt::Backdrop().save(path, "JPEG", 88)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}
