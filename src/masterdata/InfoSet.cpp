#include "InfoSet.h"

#include "Errors.h"
#include "MasterSql.h"
#include "MqLib.h"

namespace {
// Column names that are reserved words are bracketed in every statement.
QString sqlName(const QString& column)
{
    static const QStringList reserved{QStringLiteral("Note"), QStringLiteral("NoteX")};
    return reserved.contains(column) ? u'[' + column + u']' : column;
}
}  // namespace

TInfoSet::TInfoSet(const TInfoTable& table, QObject* parent) : TRecordSet(parent), m_table(&table)
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), 0, table.IdVisible, table.IdLabel);
    NameFld = nullptr;
    NoteFld = nullptr;
    for (const TInfoColumn& c : table.Columns) {
        TField* f = AddField(c.Type, c.Name, c.Size, c.Visible, c.Label);
        if (c.Name == QLatin1String("Name")) NameFld = f;
        if (c.Name.startsWith(QLatin1String("Note"))) NoteFld = f;
    }
}

void TInfoSet::OpenAll() { Open(QStringLiteral("select * from %1 order by Id").arg(m_table->Table)); }

bool TInfoSet::OpenById(int id)
{
    return Open(QStringLiteral("select * from %1 where Id=:Id").arg(m_table->Table), {DBParam(QStringLiteral("Id"), id)})
           == 1;
}

QVariantList TInfoSet::Values() const
{
    QVariantList values;
    for (int i = 1; i < DataSet()->FieldCount(); ++i) values.append(DataSet()->Field(i)->Value());
    return values;
}

void TInfoSet::SetValues(int id, const QVariantList& values)
{
    EditOrAppendById(IdFld, id);
    IdFld->SetValue(id);
    for (int i = 0; i < values.size() && i + 1 < DataSet()->FieldCount(); ++i) DataSet()->Field(i + 1)->SetValue(values[i]);
    DataSet()->Post();
}

bool TInfoSet::Save(const TInfoTable& table, int& id, const QVariantList& values)
{
    TDBParameters params;
    QStringList assignments, columns, markers;
    for (int i = 0; i < table.Columns.size(); ++i) {
        const QString& name = table.Columns[i].Name;
        params.append(DBParam(name, values.value(i)));
        assignments << sqlName(name) + QStringLiteral("=:") + name;
        columns << sqlName(name);
        markers << u':' + name;
    }
    if (id > 0) {
        params.append(DBParam(QStringLiteral("Id"), id));
        return GlobalDatabase().Execute(QStringLiteral("update %1 set %2 where Id=:Id")
                                            .arg(table.Table, assignments.join(u',')),
                                        params)
               == 1;
    }
    return MasterSql::InsertWithNewId(table.Table,
                                      QStringLiteral("insert into %1(%2,Id)values(%3,:Id)")
                                          .arg(table.Table, columns.join(u','), markers.join(u',')),
                                      params, id);
}

bool TInfoSet::Delete(const TInfoTable& table, int id)
{
    TDatabase& db = GlobalDatabase();
    const TDBParameters params{DBParam(QStringLiteral("Id"), id)};
    try {
        // Releasing first lets the database keep its references checked; the transaction undoes
        // the release when the row itself cannot go.
        TTransaction trans(db);
        for (const QString& release : table.DeleteReleases) db.Execute(release, params);
        if (db.Execute(QStringLiteral("delete from %1 where Id=:Id").arg(table.Table), params) != 1) return false;
        trans.Commit();
        return true;
    } catch (const EDatabaseError& e) {
        if (!table.DeleteShowsRefusal) throw;
        ShowDeleteRefused(e.Message());
        return false;
    }
}
