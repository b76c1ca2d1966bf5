#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace Markup {

// A font as the markup sets it. Sizes are pixels; the markup's point sizes are converted
// as the board's screens show them (96 dots per inch).
struct FontSpec
{
    QString family;
    int pixelSize = 11;
    bool bold = false;

    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

// The pixel size of a markup point size, kept within what a screen can sensibly show so
// that a wild value cannot ask the font engine for a glyph bigger than the screen.
int PixelsFromPoints(int points);

QFont ToQFont(const FontSpec &spec);

// A colour as the markup names it: the form framework's names ("clRed", "clNavy", …, any
// case) or "#RRGGBB"; nothing for a name that we do not know.
std::optional<QColor> ParseColor(const QString &name);

} // namespace Markup
