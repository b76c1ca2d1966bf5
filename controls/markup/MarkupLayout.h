#pragma once

#include "controls/markup/MarkupDocument.h"
#include "controls/markup/MarkupSources.h"
#include "controls/markup/MarkupStyle.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>

// Turns a markup document into positioned runs; it does not paint (MarkupPainter does).
namespace Markup {

struct TextRun
{
    QRectF box;     // left, top, advance and the text's ascent plus descent
    qreal baseline; // y of the baseline
    QString text;
    FontSpec font;
    QColor color;
};

struct SquareRun
{
    QRectF box;
    QColor color;
};

struct PictureRun
{
    QRectF box; // where the picture is drawn, scaled to fill it
    QImage picture;
};

struct LayoutResult
{
    QList<TextRun> texts;
    QList<SquareRun> squares;
    QList<PictureRun> pictures;
    int lineCount = 0;
    qreal height = 0; // of all lines with the space between them
};

struct LayoutOptions
{
    FontSpec baseFont;
    QColor baseColor = Qt::black;
    qreal wrapWidth = 0;
    const Metrics *metrics = nullptr;   // required
    const Pictures *pictures = nullptr; // none: no picture is drawn
};

// Coordinates are relative to the top-left corner of the text box. Lines wrap at spaces
// when a word would pass the wrapping width; a word or picture that does not fit on an
// empty line is placed anyway and passes the edge.
LayoutResult LayOut(const Document &document, const LayoutOptions &options);

// Space between two lines, the list square's size and where the item's content starts.
constexpr qreal LineGap = 2;
constexpr qreal SquareSize = 8;
constexpr qreal SquareDrop = 2;
constexpr qreal ListIndent = 12;

} // namespace Markup
