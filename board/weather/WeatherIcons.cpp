#include "board/weather/WeatherIcons.h"

#include "resources/Resources.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace WeatherIcons {

QString Name(int index)
{
    static const std::array<QString, Count> names{u"晴.png"_s,   u"多云晴.png"_s, u"晴雨.png"_s,
                                                  u"阴雨.png"_s, u"大雨.png"_s,   u"雨加雪.png"_s,
                                                  u"雪.png"_s,   u"雷阵雨.png"_s, u"霾.png"_s};
    if (index < 0 || index >= Count)
        return {};
    return names[size_t(index)];
}

QImage Picture(int index)
{
    const QString name = Name(index);
    if (name.isEmpty())
        return {};
    return QImage(Resources::Path(u"weather/"_s + name));
}

} // namespace WeatherIcons
