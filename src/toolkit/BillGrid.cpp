#include "BillGrid.h"

#include "DataSet.h"
#include "GridDelegate.h"
#include "GridModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

TmqBillGrid::TmqBillGrid(QWidget* parent) : TmqDBGrid(parent)
{
    SetReadOnly(false);
    SetTintReadOnly(true);
    // The editor opens as soon as an editable cell is entered.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::SelectedClicked);
    SetFooterVisible(true);
    connect(delegate(), &TGridDelegate::EnterPressed, this, [this](Qt::KeyboardModifiers) { NextCell(); });
}

bool TmqBillGrid::CellEditable(int modelColumn) const
{
    return modelColumn >= 0 && !horizontalHeader()->isSectionHidden(modelColumn) && GridModel()
           && GridModel()->CanModify(modelColumn);
}

void TmqBillGrid::NextCell()
{
    const QModelIndex cur = currentIndex();
    if (!cur.isValid() || !DataSet()) return;
    for (int c = neighbourColumn(cur.column(), +1); c >= 0; c = neighbourColumn(c, +1))
        if (CellEditable(c)) {
            moveToCell(cur.row(), c);
            return;
        }
    if (DataSet()->RecNo() >= DataSet()->RecordCount()) {
        Q_EMIT LastCell(this);
        return;
    }
    const int first = neighbourColumn(-1, +1);
    int target = -1;
    for (int c = neighbourColumn(first, +1); c >= 0; c = neighbourColumn(c, +1))
        if (CellEditable(c)) {
            target = c;
            break;
        }
    moveToCell(cur.row() + 1, target >= 0 ? target : first);
}

void TmqBillGrid::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        NextCell();
        Q_EMIT KeyDown(e->key(), e->modifiers());
        return;
    }
    TmqDBGrid::keyPressEvent(e);
}

void TmqBillGrid::columnExit(int modelColumn)
{
    TDataSet* ds = DataSet();
    // A row being inserted is posted only when the cursor leaves it.
    if (ds && CellEditable(modelColumn) && ds->State() == TDataSet::TState::Edit) ds->Post();
}

void TmqBillGrid::mousePressEvent(QMouseEvent* e)
{
    const QList<int> before = SelectedRows();
    const int anchor = before.isEmpty() ? -1 : before.first();
    TmqDBGrid::mousePressEvent(e);
    const QModelIndex clicked = indexAt(e->position().toPoint());
    if (!(e->modifiers() & Qt::ShiftModifier) || anchor < 0 || !clicked.isValid()) return;
    setUpdatesEnabled(false);
    const int step = clicked.row() >= anchor ? 1 : -1;
    QItemSelection rows;
    for (int r = anchor; r != clicked.row(); r += step)
        rows.select(model()->index(r, 0), model()->index(r, model()->columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::Select);
    setUpdatesEnabled(true);
}
