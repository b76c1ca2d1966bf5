#include "controls/markup/MarkupStyle.h"

#include <QHash>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace Markup {

int PixelsFromPoints(int points)
{
    constexpr int largest = 400;
    const int pixels = int(std::lround(points * 96.0 / 72.0));
    return qBound(1, pixels, largest);
}

QFont ToQFont(const FontSpec &spec)
{
    QFont font(spec.family);
    font.setPixelSize(qMax(1, spec.pixelSize));
    font.setBold(spec.bold);
    return font;
}

std::optional<QColor> ParseColor(const QString &name)
{
    static const QHash<QString, QColor> named{
        {u"clblack"_s, QColor(0, 0, 0)},        {u"clmaroon"_s, QColor(128, 0, 0)},
        {u"clgreen"_s, QColor(0, 128, 0)},      {u"clolive"_s, QColor(128, 128, 0)},
        {u"clnavy"_s, QColor(0, 0, 128)},       {u"clpurple"_s, QColor(128, 0, 128)},
        {u"clteal"_s, QColor(0, 128, 128)},     {u"clgray"_s, QColor(128, 128, 128)},
        {u"clsilver"_s, QColor(192, 192, 192)}, {u"clred"_s, QColor(255, 0, 0)},
        {u"cllime"_s, QColor(0, 255, 0)},       {u"clyellow"_s, QColor(255, 255, 0)},
        {u"clblue"_s, QColor(0, 0, 255)},       {u"clfuchsia"_s, QColor(255, 0, 255)},
        {u"claqua"_s, QColor(0, 255, 255)},     {u"clwhite"_s, QColor(255, 255, 255)}};
    const QString key = name.trimmed().toLower();
    const auto found = named.constFind(key);
    if (found != named.cend())
        return *found;
    if (key.size() == 7 && key.startsWith(u'#')) {
        bool ok = false;
        const uint rgb = key.sliced(1).toUInt(&ok, 16);
        if (ok)
            return QColor::fromRgb(QRgb(0xFF000000u | rgb));
    }
    return std::nullopt;
}

} // namespace Markup
