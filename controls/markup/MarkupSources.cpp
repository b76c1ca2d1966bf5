#include "controls/markup/MarkupSources.h"

#include <QFontMetricsF>

namespace Markup {

qreal FontMetricsSource::Advance(const FontSpec &font, QStringView text) const
{
    return MetricsOf(font).horizontalAdvance(text.toString());
}

qreal FontMetricsSource::Ascent(const FontSpec &font) const
{
    return MetricsOf(font).ascent();
}

qreal FontMetricsSource::Descent(const FontSpec &font) const
{
    return MetricsOf(font).descent();
}

const QFontMetricsF &FontMetricsSource::MetricsOf(const FontSpec &font) const
{
    const QString key = font.family + QChar(u'|') + QString::number(font.pixelSize) +
                        (font.bold ? QChar(u'b') : QChar(u'r'));
    auto &cached = m_cache[key];
    if (!cached)
        cached = std::make_shared<QFontMetricsF>(ToQFont(font));
    return *cached;
}

} // namespace Markup
