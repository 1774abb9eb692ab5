#pragma once
#include "DBGrid.h"

// The line grid of document entry windows: cells editable only in columns whose field can be
// changed (read-only cells tinted), the editor shown on entering such a cell, Enter walking the
// editable cells and raising LastCell at the end of the last row, a footer row with sums, and
// Shift+click selecting a range of rows.
class TmqBillGrid : public TmqDBGrid {
    Q_OBJECT
public:
    explicit TmqBillGrid(QWidget* parent = nullptr);

    // Enter: the next editable cell to the right, else the first editable cell of the next row;
    // on the last row LastCell is raised and the cell stays.
    void NextCell();
    // Whether the model column is visible, its field can be modified and it is not read-only.
    bool CellEditable(int modelColumn) const;

Q_SIGNALS:
    // Enter in the last editable cell of the last row: the window usually appends a line.
    void LastCell(TmqBillGrid* grid);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void columnExit(int modelColumn) override;
};
