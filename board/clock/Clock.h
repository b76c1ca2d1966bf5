#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// What the clock and the tip line show, computed from a clock reading or a position; the
// main window's timers put the results into the labels and the tile list.
namespace Clock {

// The time in the locale's long time format (its hour form, 12- or 24-hour clock, morning and
// afternoon marks and separators), without the time-zone name the format may carry. Digits
// are always ASCII, as the board's fonts draw them.
QString FormatTimeText(const QTime &time, const QLocale &locale = QLocale());

// The Chinese weekday name, "星期日" for Sunday to "星期六" for Saturday.
QString GetWeek(const QDate &date);

// "YYYY-MM-DD", three spaces, then the weekday name, whatever the locale.
QString FormatDateText(const QDate &date);

// Whether this second's drawn number (0 to 39) flips the tile list: only when PicAlong is
// exactly "0" and the number equals the hour, so one tick in forty whatever the hour.
bool TileToggleDue(int drawn, int hour, const QString &picAlong);

// The tip line's left edge after one tick: one pixel to the left, and back to the window's
// right edge once the text has left the window on the left.
int NextTipLeft(int left, int width, int windowWidth);

} // namespace Clock
