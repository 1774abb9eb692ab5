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

QDate DateOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate) return value.toDate();
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString();
        if (s.size() >= 10 && s[4] == u'-' && s[7] == u'-') {
            int digits[8];
            int n = 0;
            for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
                const int d = s[i].digitValue();
                if (d < 0) return TField::ToDate(value);
                digits[n++] = d;
            }
            return QDate(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5],
                         digits[6] * 10 + digits[7]);
        }
    }
    return TField::ToDate(value);
}
