#include "platform/FormMonitor.h"

#include "platform/Monitors.h"

#include <QWidget>

void SetFormMonitor(QWidget *window, int index)
{
    const QList<QRect> monitors = Monitors::Rects();
    if (!window || index < 0 || index >= monitors.size())
        return;
    // move() places the frame's corner, so a framed dialog lands with its title bar on
    // the monitor; a frameless window lands exactly.
    window->move(monitors.at(index).topLeft());
}
