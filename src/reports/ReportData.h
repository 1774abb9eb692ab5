#pragma once
#include "DataSet.h"
#include "Database.h"

#include <QDate>

#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

// A (usually grouped) result read whole, so that a computation can go over it in memory and
// report its progress against the row count.
class TResultRows {
public:
    TResultRows(const QString& sql, const TDBParameters& params = {});

    int Count() const { return int(m_rows.size()); }
    // The column of a name, case-insensitive; -1 when the result has none.
    int Column(const QString& name) const;
    const QVariant& At(int row, int column) const { return m_rows[size_t(row)][column]; }
    const QVector<QVariant>& Row(int row) const { return m_rows[size_t(row)]; }

private:
    QStringList m_names;
    std::vector<QVector<QVariant>> m_rows;
};

// The rows of a computed dataset, built in memory and handed to the dataset at once (one
// reset for the views instead of one signal per cell).
class TRowBuffer {
public:
    explicit TRowBuffer(TDataSet* dataSet) : m_dataSet(dataSet) {}

    QVector<QVariant>& Append();
    int Count() const { return int(m_rows.size()); }
    QVector<QVariant>& Row(int index) { return m_rows[size_t(index)]; }
    void Reserve(int count) { m_rows.reserve(size_t(count)); }
    // Replaces the dataset's rows with the buffer's.
    void LoadInto();

    // A value converted to the field's type.
    static void Set(QVector<QVariant>& row, const TField* field, const QVariant& value)
    {
        row[field->Index()] = field->Convert(value);
    }
    static const QVariant& Get(const QVector<QVariant>& row, const TField* field) { return row[field->Index()]; }

private:
    TDataSet* m_dataSet;
    std::vector<QVector<QVariant>> m_rows;
};

// Keeps a dataset's bound controls frozen while in scope; also when an error leaves it.
class TFrozenControls {
public:
    explicit TFrozenControls(TDataSet* dataSet) : m_dataSet(dataSet) { m_dataSet->DisableControls(); }
    ~TFrozenControls() { m_dataSet->EnableControls(); }
    TFrozenControls(const TFrozenControls&) = delete;
    TFrozenControls& operator=(const TFrozenControls&) = delete;

private:
    TDataSet* m_dataSet;
};

// A business date as the engines return it (a date, or "yyyy-mm-dd..." text), read without
// the time-zone work of a date-time: reports read one per row.
QDate DateOf(const QVariant& value);

// Null and invalid values count as empty.
inline bool IsEmptyValue(const QVariant& v) { return !v.isValid() || v.isNull(); }
