#pragma once

#include <QList>
#include <QString>

// A label's text with its accelerator marks read: "&" is not shown and underlines the
// character after it, "&&" shows one "&"; a lone "&" at the end shows nothing.
namespace TipText {

struct Shown
{
    QString text;
    // Positions in `text` of the first UTF-16 unit of each underlined character.
    QList<qsizetype> underlined;
    bool operator==(const Shown &) const = default;
};

Shown Read(const QString &text);

} // namespace TipText
