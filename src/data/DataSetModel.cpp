#include "DataSetModel.h"

#include "DataSet.h"

TDataSetModel::TDataSetModel(TDataSet* dataSet, QObject* parent) : QAbstractTableModel(parent), m_dataSet(dataSet)
{
    RefreshColumns();
    connect(dataSet, &TDataSet::DataReset, this, [this] {
        beginResetModel();
        m_columns.clear();
        for (int i = 0; i < m_dataSet->FieldCount(); ++i)
            if (m_dataSet->Field(i)->Visible()) m_columns.push_back(i);
        endResetModel();
    });
    connect(dataSet, &TDataSet::RowChanged, this, [this](int row) {
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(dataSet, &TDataSet::RowsInserted, this, [this](int first, int last) {
        beginInsertRows({}, first, last);
        endInsertRows();
    });
    connect(dataSet, &TDataSet::RowsRemoved, this, [this](int first, int last) {
        beginRemoveRows({}, first, last);
        endRemoveRows();
    });
}

void TDataSetModel::RefreshColumns()
{
    beginResetModel();
    m_columns.clear();
    if (m_dataSet)
        for (int i = 0; i < m_dataSet->FieldCount(); ++i)
            if (m_dataSet->Field(i)->Visible()) m_columns.push_back(i);
    endResetModel();
}

TField* TDataSetModel::FieldAt(int column) const
{
    if (!m_dataSet || column < 0 || column >= int(m_columns.size())) return nullptr;
    return m_dataSet->Field(m_columns[size_t(column)]);
}

int TDataSetModel::ColumnOf(const TField* field) const
{
    for (int c = 0; c < int(m_columns.size()); ++c)
        if (m_columns[size_t(c)] == field->Index()) return c;
    return -1;
}

int TDataSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_dataSet ? 0 : m_dataSet->RecordCount();
}

int TDataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TDataSetModel::data(const QModelIndex& index, int role) const
{
    const TField* f = FieldAt(index.column());
    if (!f) return {};
    switch (role) {
    case Qt::DisplayRole:
        return f->Format(m_dataSet->ValueAt(index.row(), f->Index()));
    case Qt::EditRole:
        return m_dataSet->ValueAt(index.row(), f->Index());
    case Qt::TextAlignmentRole:
        return f->IsNumeric() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool TDataSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const TField* f = FieldAt(index.column());
    if (!f || role != Qt::EditRole) return false;
    m_dataSet->SetValueAt(index.row(), f->Index(), value);
    return true;
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const TField* f = FieldAt(section);
        return f ? f->DisplayLabel() : QVariant();
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

Qt::ItemFlags TDataSetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags fl = QAbstractTableModel::flags(index);
    const TField* f = FieldAt(index.column());
    if (m_editable && f && !f->ReadOnly()) fl |= Qt::ItemIsEditable;
    return fl;
}
