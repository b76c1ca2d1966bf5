#pragma once

#include <functional>

// Every entry point from the event loop runs through here: a thrown failure becomes the
// default error report and ends that handler, a silent abort ends it quietly. Nothing
// thrown ever reaches Qt's event loop. Returns true when the handler ran to its end.
bool RunHandler(const std::function<void()> &handler);
