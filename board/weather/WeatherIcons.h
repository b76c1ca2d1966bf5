#pragma once

#include <QImage>
#include <QString>

// GDIPPictureContainer2: the nine stored weather icons under their item names, index 0 to 8
// as WeatherIconIndex chooses them.
namespace WeatherIcons {

inline constexpr int Count = 9;

// "晴.png", "多云晴.png", … ; an index outside 0 to 8 gives an empty name.
QString Name(int index);

// The stored picture; an empty image for an index outside 0 to 8.
QImage Picture(int index);

} // namespace WeatherIcons
