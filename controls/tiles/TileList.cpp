#include "controls/tiles/TileList.h"

#include "controls/markup/MarkupPainter.h"
#include "controls/markup/MarkupParser.h"
#include "controls/tiles/PictureContainer.h"
#include "controls/tiles/TileGeometry.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TileList::TileList(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TileList::setRows(int rows)
{
    m_rows = qMax(1, rows);
    invalidateLayouts();
}

void TileList::setColumns(int columns)
{
    m_columns = qMax(1, columns);
    invalidateLayouts();
}

void TileList::clearTiles()
{
    m_tiles.clear();
    m_hovered = -1;
    m_selected = -1;
    update();
}

int TileList::appendTile()
{
    m_tiles.append(Entry{});
    update();
    return int(m_tiles.size()) - 1;
}

void TileList::setTileContent(int index, const QString &markup)
{
    Entry &entry = m_tiles[index];
    entry.tile.content = markup;
    entry.document = Markup::Parse(markup);
    entry.layout.reset();
    update();
}

void TileList::setTileTextPosition(int index, TileTextPosition position, int left, int top)
{
    Entry &entry = m_tiles[index];
    entry.tile.textPosition = position;
    entry.tile.textLeft = left;
    entry.tile.textTop = top;
    entry.layout.reset();
    update();
}

void TileList::setPictureContainer(const PictureContainer *pictures)
{
    m_pictures = pictures;
    invalidateLayouts();
}

QRect TileList::tileRect(int index) const
{
    return TileGeometry::TileRect(size(), m_rows, m_columns, index);
}

QPoint TileList::textOrigin(int index) const
{
    const QRect inner = TileGeometry::InnerRect(tileRect(index));
    const Tile &t = tile(index);
    if (t.textPosition == TileTextPosition::Custom)
        return inner.topLeft() + QPoint(t.textLeft, t.textTop);
    return inner.topLeft();
}

const Markup::LayoutResult &TileList::tileLayout(int index) const
{
    const Entry &entry = m_tiles.at(index);
    if (!entry.layout) {
        const QRect inner = TileGeometry::InnerRect(tileRect(index));
        Markup::LayoutOptions options;
        options.baseFont = m_appearance.baseFont;
        options.baseColor = m_appearance.baseColor;
        options.wrapWidth = inner.right() + 1 - textOrigin(index).x();
        options.metrics = &m_metrics;
        options.pictures = m_pictures;
        entry.layout = Markup::LayOut(entry.document, options);
    }
    return *entry.layout;
}

int TileList::tileAt(QPoint position) const
{
    for (int i = 0; i < tileCount(); ++i) {
        if (tileRect(i).contains(position))
            return i;
    }
    return -1;
}

void TileList::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_appearance.background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < tileCount(); ++i) {
        if (tileRect(i).intersects(rect()))
            paintTile(painter, i);
    }
}

void TileList::paintTile(QPainter &painter, int index) const
{
    const QRectF box = QRectF(tileRect(index)).adjusted(0.5, 0.5, -0.5, -0.5);
    const TileFill &fill = fillOf(index);
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, fill.top);
    gradient.setColorAt(1, fill.bottom);
    QPainterPath path;
    path.addRoundedRect(box, m_appearance.cornerRadius, m_appearance.cornerRadius);
    painter.setPen(QPen(m_appearance.border, 1));
    painter.setBrush(gradient);
    painter.drawPath(path);

    painter.save();
    painter.setClipRect(TileGeometry::InnerRect(tileRect(index)));
    Markup::Paint(painter, tileLayout(index), textOrigin(index));
    painter.restore();
}

const TileFill &TileList::fillOf(int index) const
{
    if (index == m_selected)
        return m_appearance.selected;
    if (index == m_hovered)
        return m_appearance.hovered;
    return m_appearance.normal;
}

void TileList::invalidateLayouts()
{
    for (Entry &entry : m_tiles)
        entry.layout.reset();
    update();
}

void TileList::resizeEvent(QResizeEvent *event)
{
    invalidateLayouts();
    QWidget::resizeEvent(event);
}

void TileList::mouseMoveEvent(QMouseEvent *event)
{
    const int hovered = tileAt(event->position().toPoint());
    if (hovered != m_hovered) {
        m_hovered = hovered;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TileList::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_selected = tileAt(event->position().toPoint());
        update();
    }
    QWidget::mousePressEvent(event);
}

void TileList::leaveEvent(QEvent *event)
{
    if (m_hovered != -1) {
        m_hovered = -1;
        update();
    }
    QWidget::leaveEvent(event);
}
