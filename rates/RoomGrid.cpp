#include "rates/RoomGrid.h"

#include "platform/Fonts.h"

#include <QHeaderView>

using namespace Qt::Literals::StringLiterals;

namespace {

struct GridColumn
{
    QString header; // leading blanks kept: they place the text in the cell
    int width;
};

const GridColumn Columns[] = {
    {u""_s, 23},         {u"  编号"_s, 76},   {u"      房型"_s, 139}, {u"  挂牌价"_s, 72},
    {u"  执行价"_s, 64}, {u"  会员价"_s, 64}, {u"  推荐"_s, 44},
};
constexpr int RowHeight = 23;

// Windows draws the active window border in this grey; Qt has no such role.
const QColor ActiveBorder(180, 180, 180);
const QColor Band(231, 231, 173);
const QColor SelectedText(233, 247, 179);

} // namespace

RoomGrid::RoomGrid(QWidget *parent) : QTableWidget(parent)
{
    setObjectName(u"AdvStringGrid2"_s);
    setFont(QFont(u"Tahoma"_s, 8));
    setColumnCount(int(std::size(Columns)));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    createHeader();
    createColours();
    SetRowCount(2);
}

void RoomGrid::createHeader()
{
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView *header = horizontalHeader();
    header->setFixedHeight(RowHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setStyleSheet(u"QHeaderView::section { background-color: rgb(%1,%2,%3);"
                          " border: none; border-right: 1px solid rgb(140,140,140);"
                          " border-bottom: 1px solid rgb(140,140,140); padding-left: 2px; }"_s
                              .arg(ActiveBorder.red())
                              .arg(ActiveBorder.green())
                              .arg(ActiveBorder.blue()));
    for (int c = 0; c < columnCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem(Columns[c].header));
        setColumnWidth(c, Columns[c].width);
    }
}

void RoomGrid::createColours()
{
    setAlternatingRowColors(true);
    QPalette colours = palette();
    const QColor window = colours.color(QPalette::Base);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        // The area below the last row stays in the window colour; every second row is banded.
        colours.setColor(group, QPalette::Base, window);
        colours.setColor(group, QPalette::AlternateBase, Band);
        // The grid has a font of its own, in the window text colour, not the panel's green.
        colours.setColor(group, QPalette::Text, Qt::black);
        colours.setColor(group, QPalette::ButtonText, Qt::black);
        colours.setColor(group, QPalette::HighlightedText, SelectedText);
        colours.setColor(group, QPalette::Highlight,
                         colours.color(QPalette::Active, QPalette::Highlight));
    }
    setPalette(colours);
}

int RoomGrid::RowCount() const
{
    return rowCount() + 1;
}

void RoomGrid::SetRowCount(int rows)
{
    const int old = rowCount();
    setRowCount(std::max(rows, 2) - 1);
    for (int r = old; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, new QTableWidgetItem());
    }
}

QString RoomGrid::Cell(int row, int column) const
{
    if (row == 0)
        return HeaderText(column);
    const QTableWidgetItem *cell = item(row - 1, column);
    return cell ? cell->text() : QString();
}

void RoomGrid::SetCell(int row, int column, const QString &text)
{
    Q_ASSERT(row >= 1 && row < RowCount());
    item(row - 1, column)->setText(text);
}

QString RoomGrid::HeaderText(int column) const
{
    return horizontalHeaderItem(column)->text();
}

int RoomGrid::SelectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? 0 : ranges.first().topRow() + 1;
}
