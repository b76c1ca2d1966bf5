#pragma once

#include "controls/markup/MarkupSources.h"

#include <QHash>
#include <QStringList>

// Metrics that a test can work out by hand: an ASCII character is half the pixel size
// wide, any other a whole one; ascent is three quarters of the size, descent a quarter.
class FakeMetrics : public Markup::Metrics
{
public:
    qreal Advance(const Markup::FontSpec &font, QStringView text) const override
    {
        qreal width = 0;
        for (QChar c : text)
            width += c.unicode() < 128 ? font.pixelSize / 2.0 : font.pixelSize;
        return width;
    }
    qreal Ascent(const Markup::FontSpec &font) const override { return font.pixelSize * 0.75; }
    qreal Descent(const Markup::FontSpec &font) const override { return font.pixelSize * 0.25; }
};

// Pictures by exact name, remembering every name asked for.
class FakePictures : public Markup::Pictures
{
public:
    void Add(const QString &name, int width, int height)
    {
        QImage picture(width, height, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        m_pictures.insert(name, picture);
    }
    std::optional<QImage> Find(const QString &name) const override
    {
        m_asked << name;
        const auto found = m_pictures.constFind(name);
        if (found == m_pictures.cend())
            return std::nullopt;
        return *found;
    }
    const QStringList &asked() const { return m_asked; }

private:
    QHash<QString, QImage> m_pictures;
    mutable QStringList m_asked;
};
