#pragma once

#include "controls/markup/MarkupStyle.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

class QFontMetricsF;

// What the layout asks of the outside world: how wide and high text is, and which
// picture a name stands for. Tests give fakes; the painter's side gives Qt's fonts.
namespace Markup {

class Metrics
{
public:
    virtual ~Metrics() = default;
    virtual qreal Advance(const FontSpec &font, QStringView text) const = 0;
    virtual qreal Ascent(const FontSpec &font) const = 0;
    virtual qreal Descent(const FontSpec &font) const = 0;
};

class Pictures
{
public:
    virtual ~Pictures() = default;
    // The picture a name stands for, or nothing.
    virtual std::optional<QImage> Find(const QString &name) const = 0;
};

// Qt's font metrics, one cached per font; needs a QGuiApplication.
class FontMetricsSource : public Metrics
{
public:
    qreal Advance(const FontSpec &font, QStringView text) const override;
    qreal Ascent(const FontSpec &font) const override;
    qreal Descent(const FontSpec &font) const override;

private:
    const QFontMetricsF &MetricsOf(const FontSpec &font) const;
    mutable QHash<QString, std::shared_ptr<QFontMetricsF>> m_cache;
};

} // namespace Markup
