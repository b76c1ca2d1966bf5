#include "platform/Monitors.h"

#include <QGuiApplication>
#include <QScreen>

namespace Monitors {

static std::function<QList<QRect>()> &Source()
{
    static std::function<QList<QRect>()> source;
    return source;
}

QList<QRect> Rects()
{
    if (Source())
        return Source()();
    QList<QRect> rects;
    for (const QScreen *screen : QGuiApplication::screens())
        rects.append(screen->geometry());
    return rects;
}

void SetSourceForTesting(std::function<QList<QRect>()> source)
{
    Source() = std::move(source);
}

} // namespace Monitors
