#pragma once
#include "Field.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

using TBookmark = quint64;  // 0 stands for no bookmark

class TFilterExpr;

// Rows held in memory under declared fields, with a cursor, local edits, locate, bookmarks,
// sorting by a sort text and filtering by a filter expression. Record sets fill it from a
// query; client datasets fill it themselves. Nothing here writes to a database.
class TDataSet : public QObject {
    Q_OBJECT
public:
    enum class TState { Inactive, Browse, Edit, Insert };

    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    // Declaration (while closed). A negative size keeps the type's default.
    TField* AddField(TFieldType type, const QString& name, int size = -1, bool visible = true,
                     const QString& label = QString());
    TField* AdoptField(std::unique_ptr<TField> field);
    void ClearFields();
    TField* FindField(const QString& name) const;
    TField* FieldByName(const QString& name) const;  // throws when missing
    int FieldCount() const { return int(m_fields.size()); }
    TField* Field(int index) const { return m_fields[size_t(index)].get(); }
    QList<TField*> Fields() const;

    // State.
    bool Active() const { return m_state != TState::Inactive; }
    TState State() const { return m_state; }
    void CreateDataSet();  // opens empty
    void Close();
    // Replaces all rows (record sets after a query); each row holds one value per field.
    void LoadRows(std::vector<QVector<QVariant>>&& rows);
    void EmptyDataSet();

    // Cursor over the visible (filtered, sorted) rows; RecNo counts from 1, 0 when empty.
    int RecordCount() const { return int(m_view.size()); }
    bool IsEmpty() const { return m_view.empty(); }
    int RecNo() const { return m_view.empty() ? 0 : m_cursor + 1; }
    void SetRecNo(int recNo);
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    void First();
    void Last();
    void Next();
    void Prior();

    // Local editing. Append adds an empty row at the end and makes it current.
    void Edit();
    void Append();
    void Post();
    void Cancel();
    void Delete();

    // Values of the current row.
    QVariant FieldValue(const TField* field) const;
    void SetFieldValue(const TField* field, const QVariant& value);
    // Values by visible row (0-based) and field index, for views.
    QVariant ValueAt(int row, int fieldIndex) const;
    void SetValueAt(int row, int fieldIndex, const QVariant& value);

    // Locate by one or more fields separated by ';' (values in a list for several fields).
    enum LocateOption { CaseInsensitive = 1, PartialKey = 2 };
    bool Locate(const QString& fields, const QVariant& values, int options = 0);

    TBookmark GetBookmark() const;
    bool GotoBookmark(TBookmark bookmark);
    bool BookmarkValid(TBookmark bookmark) const;

    // Filter expression: field like 'x%', =, <>, <, >, <=, >=, = null, <> null, and, or, not,
    // parentheses. A malformed expression raises EMqError when the filter is switched on.
    void SetFilter(const QString& expression);
    QString Filter() const { return m_filterText; }
    void SetFiltered(bool on);
    bool Filtered() const { return m_filtered; }
    // An extra row test set by views (the grid's quick filter); empty to remove it.
    void SetRowFilter(std::function<bool(const QVector<QVariant>&)> test);

    // Sort text: "Code DESC , Name"; empty for the loading order.
    void SetSort(const QString& sortText);
    QString Sort() const { return m_sortText; }

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disabled > 0; }

    // Sum of a field over the visible rows.
    double Sum(const TField* field) const;
    // Values of a row (for views and exports).
    const QVector<QVariant>& RowValues(int row) const;

Q_SIGNALS:
    void DataReset();
    void RowChanged(int row);
    void RowsInserted(int first, int last);
    void RowsRemoved(int first, int last);
    void CurrentChanged(int row);

private:
    struct TRow {
        quint64 Serial;
        QVector<QVariant> Values;
    };
    QVector<QVariant>& currentValues();
    const QVector<QVariant>* currentValuesOrNull() const;
    void rebuildView();
    void applySort();
    bool passes(const TRow& row) const;
    void setCursor(int index);
    void notifyReset();
    void requireActive() const;
    int viewIndexOf(quint64 serial) const;

    std::vector<std::unique_ptr<TField>> m_fields;
    std::vector<std::unique_ptr<TRow>> m_rows;  // storage in loading order
    std::vector<TRow*> m_view;                  // visible rows in display order
    quint64 m_nextSerial = 1;
    int m_cursor = 0;
    bool m_eof = true;
    bool m_bof = true;
    TState m_state = TState::Inactive;
    QVector<QVariant> m_backup;
    int m_disabled = 0;
    bool m_pendingReset = false;
    QString m_filterText;
    bool m_filtered = false;
    std::unique_ptr<TFilterExpr> m_filter;
    std::function<bool(const QVector<QVariant>&)> m_rowFilter;
    QString m_sortText;
    // Every row in sort order, valid while m_dataVersion and the sort text are unchanged.
    std::vector<TRow*> m_sortedAll;
    quint64 m_dataVersion = 0;
    quint64 m_sortedVersion = ~quint64(0);
    QString m_sortedText;
};
