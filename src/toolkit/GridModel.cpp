#include "GridModel.h"

#include "DataSet.h"

#include <QBrush>
#include <QColor>

TGridModel::TGridModel(TDataSet* dataSet, QObject* parent) : TDataSetModel(dataSet, parent) {}

void TGridModel::SetCellsEditable(bool editable)
{
    m_editable = editable;
    SetEditable(editable);
}

void TGridModel::SetColumnReadOnly(const TField* field, bool readOnly)
{
    if (readOnly) m_readOnlyFields.insert(field->Index());
    else m_readOnlyFields.remove(field->Index());
}

bool TGridModel::ColumnReadOnly(const TField* field) const { return m_readOnlyFields.contains(field->Index()); }

bool TGridModel::CanModify(int column) const
{
    const TField* f = FieldAt(column);
    return m_editable && f && !f->ReadOnly() && !ColumnReadOnly(f);
}

QVariant TGridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::BackgroundRole && m_tint) {
        if (CanModify(index.column())) return QBrush(Qt::white);
        const bool odd = (index.row() + 1) % 2 == 1;
        return QBrush(odd ? QColor(255, 251, 240) : QColor(192, 220, 192));
    }
    return TDataSetModel::data(index, role);
}

bool TGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const TField* f = FieldAt(index.column());
    if (!f || role != Qt::EditRole || !CanModify(index.column())) return false;
    TDataSet* ds = DataSet();
    if (ds->RecNo() != index.row() + 1) ds->SetRecNo(index.row() + 1);
    if (ds->State() == TDataSet::TState::Browse) ds->Edit();
    ds->SetFieldValue(f, value);
    return true;
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags fl = QAbstractTableModel::flags(index);
    if (CanModify(index.column())) fl |= Qt::ItemIsEditable;
    return fl;
}
