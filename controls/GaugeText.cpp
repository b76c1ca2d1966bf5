#include "controls/GaugeText.h"

#include <algorithm>

namespace GaugeText {

QString Text(int value)
{
    return QString::asprintf("%d%%", value);
}

int FillWidth(int value, int minimum, int maximum, int innerWidth)
{
    if (maximum <= minimum || innerWidth <= 0)
        return 0;
    const int clamped = std::clamp(value, minimum, maximum);
    return static_cast<int>(static_cast<long long>(clamped - minimum) * innerWidth /
                            (maximum - minimum));
}

} // namespace GaugeText
