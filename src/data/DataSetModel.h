#pragma once
#include <QAbstractTableModel>
#include <QPointer>
#include <vector>

class TDataSet;
class TField;

// Shows a data set in a Qt view: one column per visible field, display labels as headers,
// display formats applied, edits written to the local rows.
class TDataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDataSetModel(TDataSet* dataSet, QObject* parent = nullptr);

    TDataSet* DataSet() const { return m_dataSet; }
    TField* FieldAt(int column) const;
    int ColumnOf(const TField* field) const;
    // Call after fields were shown or hidden.
    void RefreshColumns();
    void SetEditable(bool editable) { m_editable = editable; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QPointer<TDataSet> m_dataSet;
    std::vector<int> m_columns;  // field index per column
    bool m_editable = false;
};
