#pragma once

#include "controls/markup/MarkupDocument.h"
#include "controls/markup/MarkupLayout.h"
#include "controls/tiles/TileListAppearance.h"

#include <QList>
#include <QWidget>
#include <optional>

class PictureContainer;

enum class TileTextPosition {
    TopLeft, // the text box starts at the inner rectangle's corner
    Custom,  // the text box starts textLeft, textTop into the inner rectangle
};

struct Tile
{
    QString content; // markup
    TileTextPosition textPosition = TileTextPosition::TopLeft;
    int textLeft = 0;
    int textTop = 0;
};

// The grid of room tiles (`AdvSmoothTileList1`): Rows by Columns tiles a page, the first
// page on screen, no header or footer and so no page navigation. Tiles cannot be moved,
// deleted or maximised by the pointer; a click only selects one.
class TileList : public QWidget
{
    Q_OBJECT
public:
    explicit TileList(QWidget *parent = nullptr);

    void setRows(int rows);
    int rows() const { return m_rows; }
    void setColumns(int columns);
    int columns() const { return m_columns; }

    void clearTiles();
    int appendTile(); // the new tile's index
    int tileCount() const { return int(m_tiles.size()); }
    const Tile &tile(int index) const { return m_tiles.at(index).tile; }
    void setTileContent(int index, const QString &markup);
    void setTileTextPosition(int index, TileTextPosition position, int left, int top);

    // The container must outlive the list; none: no picture is drawn.
    void setPictureContainer(const PictureContainer *pictures);
    const TileListAppearance &appearance() const { return m_appearance; }

    // In the list's coordinates; tiles of later pages lie right of the visible area.
    QRect tileRect(int index) const;
    QPoint textOrigin(int index) const;
    const Markup::LayoutResult &tileLayout(int index) const;
    int tileAt(QPoint position) const; // -1: none
    int hoveredTile() const { return m_hovered; }
    int selectedTile() const { return m_selected; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    struct Entry
    {
        Tile tile;
        Markup::Document document;
        mutable std::optional<Markup::LayoutResult> layout;
    };

    void invalidateLayouts();
    void paintTile(QPainter &painter, int index) const;
    const TileFill &fillOf(int index) const;

    TileListAppearance m_appearance;
    Markup::FontMetricsSource m_metrics;
    const PictureContainer *m_pictures = nullptr;
    QList<Entry> m_tiles;
    int m_rows = 1;
    int m_columns = 1;
    int m_hovered = -1;
    int m_selected = -1;
};
