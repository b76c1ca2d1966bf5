#include "controls/markup/MarkupLayout.h"

#include <QSizeF>

using namespace Qt::Literals::StringLiterals;

namespace Markup {
namespace {

// Scaled pictures stay within what a screen can show, whatever the markup asks for.
constexpr int LargestPictureSide = 4096;

struct Pending
{
    enum class Kind { Text, Square, Picture } kind = Kind::Text;
    qreal x = 0;
    qreal width = 0;
    qreal ascent = 0;  // Text
    qreal descent = 0; // Text
    qreal height = 0;  // Picture
    QString text;
    FontSpec font;
    QColor color;
    QImage picture;
    QString align;
};

class Layouter
{
public:
    explicit Layouter(const LayoutOptions &options)
        : m_options(options), m_font(options.baseFont), m_color(options.baseColor)
    {
    }

    LayoutResult Run(const Document &document)
    {
        for (const Node &node : document)
            Apply(node);
        EndLine(false);
        m_result.height = m_result.lineCount > 0 ? m_y - LineGap : 0;
        return std::move(m_result);
    }

private:
    void Apply(const Node &node)
    {
        switch (node.kind) {
        case NodeKind::Text:
            PlaceText(node.text);
            break;
        case NodeKind::BoldOn:
        case NodeKind::BoldOff:
            m_font.bold = node.kind == NodeKind::BoldOn;
            break;
        case NodeKind::Font:
            SetFont(node);
            break;
        case NodeKind::FontEnd:
            // Back to the base font, not to an enclosing font tag's; bold stays.
            m_font.family = m_options.baseFont.family;
            m_font.pixelSize = m_options.baseFont.pixelSize;
            m_color = m_options.baseColor;
            break;
        case NodeKind::Break:
            EndLine(true);
            break;
        case NodeKind::ListOpen:
            EndLine(false);
            ++m_listLevel;
            m_lineIndent = ListIndent * (m_listLevel - 1);
            m_x = m_lineIndent;
            break;
        case NodeKind::ListClose:
            EndLine(false);
            m_listLevel = qMax(0, m_listLevel - 1);
            m_lineIndent = ListIndent * m_listLevel;
            m_x = m_lineIndent;
            break;
        case NodeKind::ListItem:
            BeginItem(node);
            break;
        case NodeKind::Picture:
            PlacePicture(node);
            break;
        }
    }

    void SetFont(const Node &node)
    {
        if (!node.face.isEmpty())
            m_font.family = node.face;
        if (node.size > 0)
            m_font.pixelSize = PixelsFromPoints(node.size);
        if (const auto color = ParseColor(node.color))
            m_color = *color;
    }

    void BeginItem(const Node &node)
    {
        EndLine(false);
        const qreal squareX = ListIndent * (qMax(m_listLevel, 1) - 1);
        Pending square;
        square.kind = Pending::Kind::Square;
        square.x = squareX;
        square.width = SquareSize;
        square.color = ParseColor(node.color).value_or(m_color);
        m_line.append(std::move(square));
        m_lineIndent = squareX + ListIndent;
        m_x = m_lineIndent;
        m_lineHasContent = true;
    }

    void PlaceText(const QString &text)
    {
        qsizetype i = 0;
        const qsizetype n = text.size();
        while (i < n) {
            const bool spaces = text[i] == u' ';
            qsizetype end = i;
            while (end < n && (text[end] == u' ') == spaces)
                ++end;
            PlacePiece(text.sliced(i, end - i), spaces);
            i = end;
        }
    }

    // A word moves to the next line when it would pass the wrapping width; spaces at such
    // a break are dropped.
    void PlacePiece(const QString &piece, bool spaces)
    {
        const qreal width = m_options.metrics->Advance(m_font, piece);
        if (m_lineHasContent && m_x + width > m_options.wrapWidth) {
            EndLine(false);
            if (spaces)
                return;
        }
        if (!m_line.isEmpty()) {
            Pending &last = m_line.last();
            if (last.kind == Pending::Kind::Text && last.font == m_font && last.color == m_color &&
                last.x + last.width == m_x) {
                last.text += piece;
                last.width += width;
                m_x += width;
                return;
            }
        }
        Pending run;
        run.kind = Pending::Kind::Text;
        run.x = m_x;
        run.width = width;
        run.ascent = m_options.metrics->Ascent(m_font);
        run.descent = m_options.metrics->Descent(m_font);
        run.text = piece;
        run.font = m_font;
        run.color = m_color;
        m_line.append(std::move(run));
        m_x += width;
        m_lineHasContent = true;
    }

    void PlacePicture(const Node &node)
    {
        // A name with a colon is a path or an address, never one of the container's names.
        if (node.src.contains(u':') || !m_options.pictures)
            return;
        const std::optional<QImage> picture = m_options.pictures->Find(node.src);
        if (!picture || picture->isNull())
            return;
        QSizeF size = picture->size();
        if (node.width >= 1 && node.height >= 1)
            size =
                QSizeF(qMin(node.width, LargestPictureSide), qMin(node.height, LargestPictureSide));
        if (m_lineHasContent && m_x + size.width() > m_options.wrapWidth)
            EndLine(false);
        Pending item;
        item.kind = Pending::Kind::Picture;
        item.x = m_x;
        item.width = size.width();
        item.height = size.height();
        item.picture = *picture;
        item.align = node.align;
        m_line.append(std::move(item));
        m_x += size.width();
        m_lineHasContent = true;
    }

    // Ends the current line. An empty line counts only when a break asks for it, and is
    // then as high as a line of the current font.
    void EndLine(bool forced)
    {
        if (!m_lineHasContent && !forced)
            return;
        qreal ascent = 0;
        qreal descent = 0;
        qreal height = 0;
        for (const Pending &item : std::as_const(m_line)) {
            if (item.kind == Pending::Kind::Text) {
                ascent = qMax(ascent, item.ascent);
                descent = qMax(descent, item.descent);
            } else if (item.kind == Pending::Kind::Picture) {
                height = qMax(height, item.height);
            } else {
                height = qMax(height, SquareDrop + SquareSize);
            }
        }
        height = qMax(height, ascent + descent);
        if (m_line.isEmpty())
            height = m_options.metrics->Ascent(m_font) + m_options.metrics->Descent(m_font);
        for (Pending &item : m_line)
            Emit(item, height, descent);
        m_line.clear();
        m_y += height + LineGap;
        ++m_result.lineCount;
        m_x = m_lineIndent;
        m_lineHasContent = false;
    }

    // Texts share one baseline at the bottom of the line; pictures stand on the line's
    // bottom unless they ask for its top or middle.
    void Emit(Pending &item, qreal lineHeight, qreal lineDescent)
    {
        switch (item.kind) {
        case Pending::Kind::Text: {
            const qreal baseline = m_y + lineHeight - lineDescent;
            m_result.texts.append(
                {QRectF(item.x, baseline - item.ascent, item.width, item.ascent + item.descent),
                 baseline, std::move(item.text), item.font, item.color});
            break;
        }
        case Pending::Kind::Square:
            m_result.squares.append(
                {QRectF(item.x, m_y + SquareDrop, SquareSize, SquareSize), item.color});
            break;
        case Pending::Kind::Picture: {
            qreal top = m_y + lineHeight - item.height;
            if (item.align == u"top"_s)
                top = m_y;
            else if (item.align == u"middle"_s)
                top = m_y + (lineHeight - item.height) / 2;
            m_result.pictures.append(
                {QRectF(item.x, top, item.width, item.height), std::move(item.picture)});
            break;
        }
        }
    }

    const LayoutOptions &m_options;
    LayoutResult m_result;
    FontSpec m_font;
    QColor m_color;
    QList<Pending> m_line;
    qreal m_x = 0;
    qreal m_y = 0;
    qreal m_lineIndent = 0;
    bool m_lineHasContent = false;
    int m_listLevel = 0;
};

} // namespace

LayoutResult LayOut(const Document &document, const LayoutOptions &options)
{
    Q_ASSERT(options.metrics);
    return Layouter(options).Run(document);
}

} // namespace Markup
