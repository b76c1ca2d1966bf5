#pragma once

class QWindow;

namespace Taskbar {

// Keeps the window out of the taskbar and the pager. On X11 this sets
// _NET_WM_STATE_SKIP_TASKBAR, which the window system keeps when the window is mapped.
void Skip(QWindow *window);

// True when the window carries the skip-taskbar state (X11), or when nothing can tell.
bool IsSkipped(QWindow *window);

} // namespace Taskbar
