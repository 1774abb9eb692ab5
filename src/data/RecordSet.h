#pragma once
#include "DataSet.h"
#include "Database.h"

#include <QObject>

// One SQL result on a connection. Subclasses declare their fields once in the constructor and
// read through them; every change is written with explicit SQL through Execute, after which the
// subclass patches its local rows (Locate, Edit/Append, Post) so lists show it without reopening.
class TRecordSet : public QObject {
    Q_OBJECT
public:
    explicit TRecordSet(QObject* parent = nullptr);
    explicit TRecordSet(TDatabase* database, QObject* parent = nullptr);
    ~TRecordSet() override;

    TDataSet* DataSet() const { return m_dataSet; }
    TDatabase& Database() const;
    QString SqlText() const { return m_sql; }
    QString GetSqlText() const { return m_sql; }

    // A negative size keeps the type's default.
    TField* AddField(TFieldType type, const QString& name, int size = -1, bool visible = true,
                     const QString& label = QString());

    // Runs the statement and binds its columns to the declared fields by name; without declared
    // fields every column becomes a field. Returns the row count. A failure leaves the set closed
    // and empty and raises an error naming the statement.
    int Open(const QString& sql, const TDBParameters& params = {});
    void Refresh();
    void Close();

    virtual void DeleteCurrent();
    virtual void DeleteAll();
    QString JoinValues(const TField* field, const QString& separator);
    double SumField(const TField* field);

    // Shortcuts over the data set.
    bool Active() const { return m_dataSet->Active(); }
    int RecordCount() const { return m_dataSet->RecordCount(); }
    bool IsEmpty() const { return m_dataSet->IsEmpty(); }
    TField* FieldByName(const QString& name) const { return m_dataSet->FieldByName(name); }
    TField* FindField(const QString& name) const { return m_dataSet->FindField(name); }
    bool Locate(const QString& fields, const QVariant& values, int options = 0)
    {
        return m_dataSet->Locate(fields, values, options);
    }
    // The first column of the first row (one-off queries); null when there is no row.
    QVariant FirstValue() const;

protected:
    // Locates the row whose Id field equals id, or appends one, and leaves it in edit state.
    void EditOrAppendById(TField* idField, const QVariant& id);

private:
    TDatabase* m_database = nullptr;
    TDataSet* m_dataSet;
    QString m_sql;
    TDBParameters m_params;
    bool m_declared = false;
    int m_displayWidth = 0;
    friend class TQuerySet;
};

// The plain-object variant; its fields default to a display width of 75 characters.
class TQuerySet : public TRecordSet {
    Q_OBJECT
public:
    explicit TQuerySet(QObject* parent = nullptr);
    TDataSet* Query() const { return DataSet(); }
    void UpdateRecord() { DataSet()->Post(); }
};
