#pragma once

class QWidget;

// Moves a window's top-left corner to the top-left corner of monitor `index`, keeping its
// size. An index outside the monitor list does nothing.
void SetFormMonitor(QWidget *window, int index);
