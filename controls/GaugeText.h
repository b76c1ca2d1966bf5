#pragma once

#include <QString>

// What the progress bar shows, apart from how it is painted.
namespace GaugeText {

// The value as centred text, "%d%%": 49 gives "49%".
QString Text(int value);

// Width in pixels of the filled part of a bar `innerWidth` wide, for a value clamped to
// [minimum, maximum].
int FillWidth(int value, int minimum, int maximum, int innerWidth);

} // namespace GaugeText
