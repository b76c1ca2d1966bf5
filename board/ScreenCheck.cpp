#include "board/ScreenCheck.h"

namespace ScreenCheck {

bool MonitorsAgree(const QList<QRect> &monitors)
{
    if (monitors.size() < 2)
        return true;
    return monitors.at(0).size() == monitors.at(1).size();
}

} // namespace ScreenCheck
