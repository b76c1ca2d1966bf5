#pragma once

#include <QTableWidget>

// The editor's string grid (AdvStringGrid2): row 0 is the header row, rows from 1 hold
// text cells, as the grid the board was designed with counts them. It only shows text;
// nothing typed into it goes anywhere, so its cells are read-only.
class RoomGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit RoomGrid(QWidget *parent);

    // Rows including the header row; at least 2 (the header and one row).
    int RowCount() const;
    void SetRowCount(int rows);
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString &text);
    QString HeaderText(int column) const;
    // The selected row counted with the header (1 for the first row); 0 when none.
    int SelectedRow() const;

private:
    void createHeader();
    void createColours();
};
