#pragma once

#include <QImage>
#include <QString>

// The weather icons, drawn on a transparent ground so that the header's background shows.
namespace WeatherArt {

enum class Scene { Clear, CloudSun, SunRain, Rain, HeavyRain, Sleet, Snow, Thunder, Haze };

QImage Draw(Scene scene, QSize size);

} // namespace WeatherArt
