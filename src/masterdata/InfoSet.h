#pragma once
#include "MasterSql.h"
#include "RecordSet.h"

#include <QList>
#include <QStringList>
#include <QVariantList>
#include <variant>

// The small master tables (employees, departments, warehouses, units, bank accounts, receivable
// and expense items) share one shape: an Id, a few columns, and the same open, save, delete and
// load statements. Each table is described once; the statements are built from the description.

struct TInfoColumn {
    QString Name;  // column and field name
    TFieldType Type;
    int Size;
    bool Visible;
    QString Label;
};

struct TInfoTable {
    QString Table;
    QList<TInfoColumn> Columns;  // after Id, in field order
    bool IdVisible = true;
    QString IdLabel = QStringLiteral("ID");
    // Statements (with :Id) that release references to the row; they run in the delete's
    // transaction and count only when the delete removes the row.
    QStringList DeleteReleases;
    // The delete shows the database's refusal itself (ShowDeleteRefused) and reports false.
    bool DeleteShowsRefusal = false;
};

class TInfoSet : public TRecordSet {
    Q_OBJECT
public:
    TInfoSet(const TInfoTable& table, QObject* parent = nullptr);
    const TInfoTable& Table() const { return *m_table; }

    TField* IdFld;
    TField* NameFld;
    TField* NoteFld;

    void OpenAll();
    // True when the row was found.
    bool OpenById(int id);

    // The current row's values in column order (Id excluded).
    QVariantList Values() const;
    // Writes a row into the loaded rows (never the database): edits the row with the Id or appends one.
    void SetValues(int id, const QVariantList& values);

    // Updates the row (id > 0) or inserts it under a new Id that id then receives; true when
    // exactly one row was written.
    static bool Save(const TInfoTable& table, int& id, const QVariantList& values);
    // True when exactly one row was deleted. A refusal by the database passes on as its error,
    // or is shown and reported as false where the table says so.
    static bool Delete(const TInfoTable& table, int id);

private:
    const TInfoTable* m_table;
};

// A record type's view of its table: which record member each column holds.
template <class R>
struct TInfoSchema {
    using TMember = std::variant<QString R::*, double R::*>;
    TInfoTable Table;
    QList<TMember> Members;  // one per column
};

// The record set of one small table, reading and writing its record type. Each record type
// gives its schema by specialising Schema().
template <class R>
class TInfoSetOf : public TInfoSet {
public:
    static const TInfoSchema<R>& Schema();

    explicit TInfoSetOf(QObject* parent = nullptr) : TInfoSet(Schema().Table, parent) {}

    R AsData() const
    {
        R r;
        r.Id = IdFld->AsInteger();
        const QVariantList values = Values();
        const auto& members = Schema().Members;
        for (int i = 0; i < members.size(); ++i) {
            if (const auto text = std::get_if<QString R::*>(&members[i])) r.*(*text) = values[i].toString();
            else r.*std::get<double R::*>(members[i]) = values[i].toDouble();
        }
        return r;
    }
    void SetAsData(const R& r) { SetValues(r.Id, valuesOf(r)); }

    static bool Save(R& r) { return TInfoSet::Save(Schema().Table, r.Id, valuesOf(r)); }
    static bool Delete(int id) { return TInfoSet::Delete(Schema().Table, id); }
    static bool Load(int id, R& r) { return MasterSql::LoadById<TInfoSetOf<R>>(id, r); }

private:
    static QVariantList valuesOf(const R& r)
    {
        QVariantList values;
        for (const auto& m : Schema().Members)
            std::visit([&](auto member) { values.append(QVariant(r.*member)); }, m);
        return values;
    }
};
