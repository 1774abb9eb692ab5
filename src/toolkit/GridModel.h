#pragma once
#include "DataSetModel.h"

#include <QSet>

// The grid's model over a data set: per-column read-only flags, the tint of read-only cells in
// bill grids, and edits made through the data set's cursor (Edit, set value; the grid posts).
class TGridModel : public TDataSetModel {
    Q_OBJECT
public:
    explicit TGridModel(TDataSet* dataSet, QObject* parent = nullptr);

    void SetCellsEditable(bool editable);
    bool CellsEditable() const { return m_editable; }
    void SetColumnReadOnly(const TField* field, bool readOnly);
    bool ColumnReadOnly(const TField* field) const;
    // Editable grid, field can be modified and its column is not read-only.
    bool CanModify(int column) const;
    // Read-only cells alternate cream and pale green by record number.
    void SetTintReadOnly(bool on) { m_tint = on; }

    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QSet<int> m_readOnlyFields;  // by field index, so they survive column rebuilds
    bool m_editable = false;
    bool m_tint = false;
};
