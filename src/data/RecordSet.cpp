#include "RecordSet.h"

#include <QSqlQuery>
#include <QSqlField>
#include <QSqlRecord>

TRecordSet::TRecordSet(QObject* parent) : TRecordSet(nullptr, parent) {}

TRecordSet::TRecordSet(TDatabase* database, QObject* parent)
    : QObject(parent), m_database(database), m_dataSet(new TDataSet(this))
{
}

TRecordSet::~TRecordSet() = default;

TDatabase& TRecordSet::Database() const { return m_database ? *m_database : GlobalDatabase(); }

TField* TRecordSet::AddField(TFieldType type, const QString& name, int size, bool visible, const QString& label)
{
    m_declared = true;
    TField* f = m_dataSet->AddField(type, name, size, visible, label);
    if (m_displayWidth > 0) f->SetDisplayWidth(m_displayWidth);
    return f;
}

int TRecordSet::Open(const QString& sql, const TDBParameters& params)
{
    m_dataSet->Close();
    m_sql = sql;
    m_params = params;
    try {
        QSqlQuery q = Database().Select(sql, params);
        const QSqlRecord rec = q.record();
        if (!m_declared) {
            m_dataSet->ClearFields();
            for (int i = 0; i < rec.count(); ++i) {
                const QMetaType t = rec.field(i).metaType();
                TFieldType ft = TFieldType::WideString;
                switch (t.id()) {
                case QMetaType::Int:
                case QMetaType::LongLong:
                case QMetaType::UInt:
                case QMetaType::ULongLong:
                case QMetaType::Short:
                    ft = TFieldType::Integer;
                    break;
                case QMetaType::Double:
                case QMetaType::Float:
                    ft = TFieldType::Float;
                    break;
                case QMetaType::QDate:
                case QMetaType::QDateTime:
                    ft = TFieldType::DateTime;
                    break;
                case QMetaType::QByteArray:
                    ft = TFieldType::Blob;
                    break;
                case QMetaType::Bool:
                    ft = TFieldType::Boolean;
                    break;
                default:
                    ft = TFieldType::WideString;
                    break;
                }
                m_dataSet->AddField(ft, rec.fieldName(i));
            }
        }
        const int n = m_dataSet->FieldCount();
        std::vector<int> columnOf(size_t(n), -1);
        for (int i = 0; i < n; ++i) {
            TField* f = m_dataSet->Field(i);
            const int col = rec.indexOf(f->FieldName());
            if (col < 0) throw EDatabaseError(QStringLiteral("字段 %1 未找到").arg(f->FieldName()));
            columnOf[size_t(i)] = col;
        }
        std::vector<QVector<QVariant>> rows;
        // Undeclared columns keep the driver's values (SQLite types computed columns by value).
        const bool untyped = !m_declared;
        while (q.next()) {
            QVector<QVariant> row(n);
            for (int i = 0; i < n; ++i) {
                const QVariant raw = q.value(columnOf[size_t(i)]);
                row[i] = untyped ? raw : m_dataSet->Field(i)->Convert(raw);
            }
            rows.push_back(std::move(row));
        }
        m_dataSet->LoadRows(std::move(rows));
    } catch (const EDatabaseError& e) {
        m_dataSet->Close();
        QString driverText = e.Message();
        const QString tail = QStringLiteral("\r\n") + sql;
        if (driverText.endsWith(tail)) driverText.chop(tail.size());
        throw EDatabaseError(QStringLiteral("SQL语句错误,原文如下:\r\n") + sql
                             + QStringLiteral("\r\n\r\n错误提示:\r\n") + driverText);
    }
    return m_dataSet->RecordCount();
}

void TRecordSet::Refresh()
{
    if (!m_dataSet->Active()) return;
    const QVariant id = m_dataSet->FindField(QStringLiteral("Id")) ? m_dataSet->FindField(QStringLiteral("Id"))->Value()
                                                                   : QVariant();
    const int recNo = m_dataSet->RecNo();
    m_dataSet->DisableControls();
    try {
        Open(m_sql, m_params);
        if (!(id.isValid() && m_dataSet->Locate(QStringLiteral("Id"), id))) m_dataSet->SetRecNo(recNo);
    } catch (...) {
        m_dataSet->EnableControls();
        throw;
    }
    m_dataSet->EnableControls();
}

void TRecordSet::Close() { m_dataSet->Close(); }

void TRecordSet::DeleteCurrent()
{
    if (m_dataSet->Active() && !m_dataSet->IsEmpty()) m_dataSet->Delete();
}

void TRecordSet::DeleteAll()
{
    if (!m_dataSet->Active()) return;
    m_dataSet->EmptyDataSet();
}

QString TRecordSet::JoinValues(const TField* field, const QString& separator)
{
    if (!m_dataSet->Active() || m_dataSet->IsEmpty()) return QString();
    QStringList parts;
    for (int i = 0; i < m_dataSet->RecordCount(); ++i)
        parts << m_dataSet->ValueAt(i, field->Index()).toString();
    m_dataSet->Last();
    return parts.join(separator);
}

double TRecordSet::SumField(const TField* field)
{
    // Sums without moving the cursor, so bound controls stay where they are.
    return m_dataSet->Sum(field);
}

QVariant TRecordSet::FirstValue() const
{
    if (!m_dataSet->Active() || m_dataSet->IsEmpty() || m_dataSet->FieldCount() == 0) return QVariant();
    return m_dataSet->ValueAt(0, 0);
}

void TRecordSet::EditOrAppendById(TField* idField, const QVariant& id)
{
    if (!m_dataSet->Active()) m_dataSet->CreateDataSet();
    if (m_dataSet->Locate(idField->FieldName(), id)) m_dataSet->Edit();
    else m_dataSet->Append();
}

TQuerySet::TQuerySet(QObject* parent) : TRecordSet(parent) { m_displayWidth = 75; }
