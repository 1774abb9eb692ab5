#pragma once
#include "ClientDataSet.h"
#include "Nullable.h"

#include <QVector>
#include <functional>
#include <vector>

// Which member of a line record each field of a line dataset holds, declared once and used both
// ways: AsDatas reads every row into records, SetAsDatas writes records into rows.
template <class R>
class TLineBinding {
public:
    void Bind(const TField* f, int R::*m)
    {
        add(f, [m](const R& r) { return QVariant(r.*m); }, [m](R& r, const QVariant& v) { r.*m = TField::ToInt(v); });
    }
    void Bind(const TField* f, double R::*m)
    {
        add(f, [m](const R& r) { return QVariant(r.*m); }, [m](R& r, const QVariant& v) { r.*m = TField::ToFloat(v); });
    }
    void Bind(const TField* f, QString R::*m)
    {
        add(f, [m](const R& r) { return QVariant(r.*m); },
            [m](R& r, const QVariant& v) { r.*m = Nullable::IsNull(v) ? QString() : v.toString(); });
    }
    void Bind(const TField* f, std::optional<int> R::*m)
    {
        add(f, [m](const R& r) { return Nullable::Of(r.*m); }, [m](R& r, const QVariant& v) { r.*m = Nullable::Int(v); });
    }
    void Bind(const TField* f, std::optional<double> R::*m)
    {
        add(f, [m](const R& r) { return Nullable::Of(r.*m); }, [m](R& r, const QVariant& v) { r.*m = Nullable::Num(v); });
    }
    void Bind(const TField* f, std::optional<QDate> R::*m)
    {
        add(f, [m](const R& r) { return Nullable::Of(r.*m); }, [m](R& r, const QVariant& v) { r.*m = Nullable::Date(v); });
    }

    // Every visible row in display order; a pending edit is posted first, the cursor stays.
    QList<R> Read(TDataSet& ds) const
    {
        QList<R> lines;
        if (!ds.Active()) return lines;
        ds.Post();
        const int n = ds.RecordCount();
        lines.reserve(n);
        for (int row = 0; row < n; ++row) {
            R r;
            for (const TBound& b : m_bound) b.Set(r, ds.ValueAt(row, b.Index));
            lines << r;
        }
        return lines;
    }

    QVector<QVariant> Row(const R& r, int fieldCount) const
    {
        QVector<QVariant> row(fieldCount);
        for (const TBound& b : m_bound) row[b.Index] = b.Get(r);
        return row;
    }

    // Replaces all rows and goes to the first.
    void Write(TDataSet& ds, const QList<R>& lines) const
    {
        std::vector<QVector<QVariant>> rows;
        rows.reserve(size_t(lines.size()));
        for (const R& r : lines) rows.push_back(Row(r, ds.FieldCount()));
        ds.DisableControls();
        if (!ds.Active()) ds.CreateDataSet();
        ds.LoadRows(std::move(rows));
        ds.First();
        ds.EnableControls();
    }

    // Appends one record as a posted row and makes it current.
    void Append(TDataSet& ds, const R& r) const
    {
        const QVector<QVariant> values = Row(r, ds.FieldCount());
        ds.Append();
        for (TField* f : ds.Fields()) f->SetValue(values[f->Index()]);
        ds.Post();
    }

private:
    struct TBound {
        int Index;
        std::function<QVariant(const R&)> Get;
        std::function<void(R&, const QVariant&)> Set;
    };
    void add(const TField* f, std::function<QVariant(const R&)> get, std::function<void(R&, const QVariant&)> set)
    {
        m_bound.push_back(TBound{f->Index(), std::move(get), std::move(set)});
    }
    std::vector<TBound> m_bound;
};
