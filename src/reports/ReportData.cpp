#include "ReportData.h"

#include <QSqlQuery>
#include <QSqlRecord>

TResultRows::TResultRows(const QString& sql, const TDBParameters& params)
{
    QSqlQuery q = GlobalDatabase().Select(sql, params);
    const QSqlRecord rec = q.record();
    const int n = rec.count();
    for (int i = 0; i < n; ++i) m_names << rec.fieldName(i);
    while (q.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i) row[i] = q.value(i);
        m_rows.push_back(std::move(row));
    }
}

int TResultRows::Column(const QString& name) const
{
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVector<QVariant>& TRowBuffer::Append()
{
    m_rows.emplace_back(m_dataSet->FieldCount());
    return m_rows.back();
}

void TRowBuffer::LoadInto()
{
    m_dataSet->LoadRows(std::move(m_rows));
    m_rows.clear();
}
