#pragma once
#include "Operator.h"
#include "RecordSet.h"
#include "SchemaFixture.h"
#include "ViewList.h"

#include <QStringList>

// An editor that the user fills with a name and confirms.
template <class R>
TEditorRoutine<R> NamingEditor(const QString& name)
{
    return [name](const R& record, const TSaveEvent<R>& save) {
        R edited = record;
        edited.Name = name;
        return save(edited);
    };
}

// A database with the full schema, the system operator logged in, and one-line SQL helpers.
class MasterTest : public SchemaTest {
protected:
    void Prepare() override
    {
        SchemaTest::Prepare();
        CurrentOperator().Clear();
        CurrentOperator().LoginId = QStringLiteral("sa");
    }
    void TearDown() override
    {
        CurrentOperator().Clear();
        SchemaTest::TearDown();
    }

    void Exec(const QString& sql) { Db().ExecCommand(sql); }
    QVariant Scalar(const QString& sql)
    {
        TQuerySet q;
        q.Open(sql);
        return q.FirstValue();
    }
    // The first column of every row, as text, in the statement's order.
    QStringList Column(const QString& sql)
    {
        TQuerySet q;
        q.Open(sql);
        QStringList out;
        for (q.DataSet()->First(); !q.DataSet()->Eof(); q.DataSet()->Next()) out << q.DataSet()->Field(0)->AsString();
        return out;
    }
    // The values of one field over the visible rows of a data set, sorted.
    static QStringList Visible(TDataSet* ds, const QString& field)
    {
        QStringList out;
        const int index = ds->FieldByName(field)->Index();
        for (int row = 0; row < ds->RecordCount(); ++row) out << ds->ValueAt(row, index).toString();
        out.sort();
        return out;
    }
};
