#include "Field.h"

#include "DataSet.h"
#include "Numbers.h"

TField::TField(TDataSet* dataSet, TFieldType type, const QString& name)
    : m_dataSet(dataSet), m_type(type), m_name(name)
{
    if (IsText()) m_size = 20;
}

void TField::SetVisible(bool v) { m_visible = v; }

bool TField::IsNumeric() const
{
    return m_type == TFieldType::Integer || m_type == TFieldType::Float || m_type == TFieldType::Currency
           || m_type == TFieldType::Fund;
}

bool TField::IsText() const
{
    return m_type == TFieldType::String || m_type == TFieldType::WideString || m_type == TFieldType::Memo;
}

QVariant TField::Value() const { return m_dataSet->FieldValue(this); }
void TField::SetValue(const QVariant& value) { m_dataSet->SetFieldValue(this, value); }

bool TField::IsNull() const
{
    const QVariant v = Value();
    return !v.isValid() || v.isNull();
}

int TField::ToInt(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return 0;
    if (v.typeId() == QMetaType::Double) return int(qRound64(v.toDouble()));
    bool ok = false;
    const int i = v.toInt(&ok);
    return ok ? i : int(v.toString().toDouble());
}

double TField::ToFloat(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return 0.0;
    return v.toDouble();
}

bool TField::ToBool(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return !(s.isEmpty() || s == QLatin1String("0") || s == QLatin1String("false"));
    }
    return v.toDouble() != 0.0;
}

namespace {
// Stored texts are "yyyy-mm-dd" or "yyyy-mm-dd hh:mm:ss": read the digits directly, as format
// parsing is far too slow for large results.
bool parseStamp(const QString& s, QDate& date, QTime& time)
{
    if (!((s.size() == 10 || s.size() == 19) && s[4] == u'-' && s[7] == u'-')) return false;
    auto num = [&s](int from, int len) {
        int n = 0;
        for (int i = from; i < from + len; ++i) {
            const ushort c = s[i].unicode();
            if (c < '0' || c > '9') return -1;
            n = n * 10 + (c - '0');
        }
        return n;
    };
    date = QDate(num(0, 4), num(5, 2), num(8, 2));
    time = s.size() == 19 ? QTime(num(11, 2), num(14, 2), num(17, 2)) : QTime(0, 0);
    return date.isValid() && time.isValid();
}
}  // namespace

QDateTime TField::ToDateTime(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return {};
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
    if (v.typeId() == QMetaType::QDate) return QDateTime(v.toDate(), QTime(0, 0));
    const QString s = v.toString().trimmed();
    if (s.isEmpty()) return {};
    QDate d;
    QTime t;
    if (parseStamp(s, d, t)) return QDateTime(d, t);
    if (s.size() <= 10) {
        d = QDate::fromString(s, QStringLiteral("yyyy-MM-dd"));
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    QDateTime dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!dt.isValid()) dt = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!dt.isValid()) dt = QDateTime::fromString(s.left(16), QStringLiteral("yyyy-MM-dd hh:mm"));
    return dt;
}

QDate TField::ToDate(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate) return v.toDate();
    if (v.typeId() == QMetaType::QString) {
        // Straight from the digits: a QDateTime on the way costs a time-zone lookup per value.
        QDate d;
        QTime t;
        if (parseStamp(v.toString(), d, t)) return d;
    }
    return ToDateTime(v).date();
}

qint64 TField::TimeKey(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate) return v.toDate().toJulianDay() * 86400000LL;
    const QDateTime d = ToDateTime(v);
    return d.date().toJulianDay() * 86400000LL + d.time().msecsSinceStartOfDay();
}

int TField::AsInteger() const { return ToInt(Value()); }

qint64 TField::AsLargeInt() const
{
    const QVariant v = Value();
    return v.isNull() ? 0 : v.toLongLong();
}

double TField::AsFloat() const { return ToFloat(Value()); }
bool TField::AsBoolean() const { return ToBool(Value()); }

QString TField::AsString() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull()) return QString();
    if (m_type == TFieldType::DateTime) {
        const QDateTime d = ToDateTime(v);
        return d.time() == QTime(0, 0) ? d.toString(QStringLiteral("yyyy-MM-dd"))
                                       : d.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    if (m_type == TFieldType::Boolean) return ToBool(v) ? QStringLiteral("True") : QStringLiteral("False");
    if (m_type == TFieldType::Float || m_type == TFieldType::Currency || m_type == TFieldType::Fund)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

QDateTime TField::AsDateTime() const { return ToDateTime(Value()); }
QDate TField::AsDate() const { return ToDate(Value()); }

QVariant TField::Convert(const QVariant& raw) const
{
    if (!raw.isValid() || raw.isNull()) return QVariant();
    switch (m_type) {
    case TFieldType::Integer:
        return raw.typeId() == QMetaType::Int || raw.typeId() == QMetaType::LongLong ? raw : QVariant(raw.toLongLong());
    case TFieldType::Float:
    case TFieldType::Currency:
    case TFieldType::Fund:
        return raw.typeId() == QMetaType::Double ? raw : QVariant(raw.toDouble());
    case TFieldType::Boolean:
        return ToBool(raw);
    case TFieldType::DateTime: {
        // Business dates stay plain dates: no time zone work when thousands of rows load.
        if (raw.typeId() == QMetaType::QDate) return raw;
        if (raw.typeId() == QMetaType::QString) {
            QDate d;
            QTime t;
            if (parseStamp(raw.toString(), d, t)) return t == QTime(0, 0) && raw.toString().size() == 10 ? QVariant(d) : QVariant(QDateTime(d, t));
        }
        const QDateTime d = ToDateTime(raw);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case TFieldType::Blob:
        return raw.toByteArray();
    default:
        return raw.typeId() == QMetaType::QString ? raw : QVariant(raw.toString());
    }
}

QString TField::Format(const QVariant& v) const
{
    if (!v.isValid() || v.isNull()) return QString();
    switch (m_type) {
    case TFieldType::Float:
    case TFieldType::Currency:
    case TFieldType::Fund:
        if (!m_displayFormat.isEmpty()) return Numbers::FormatFloat(m_displayFormat, v.toDouble());
        return QString::number(v.toDouble(), 'g', 15);
    case TFieldType::Integer:
        return QString::number(v.toLongLong());
    case TFieldType::DateTime: {
        if (v.typeId() == QMetaType::QDate && m_displayFormat.isEmpty()) return v.toDate().toString(Qt::ISODate);
        const QDateTime d = ToDateTime(v);
        if (!m_displayFormat.isEmpty()) {
            QString f = m_displayFormat;
            // Display formats name months "mm" and minutes "nn".
            f.replace(QLatin1String("mm"), QLatin1String("MM"));
            f.replace(QLatin1String("nn"), QLatin1String("mm"));
            return d.toString(f);
        }
        return d.time() == QTime(0, 0) ? d.toString(QStringLiteral("yyyy-MM-dd"))
                                       : d.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    case TFieldType::Boolean:
        return ToBool(v) ? QStringLiteral("是") : QStringLiteral("否");
    default:
        return v.toString();
    }
}

QString TField::DisplayText() const { return Format(Value()); }

TCurrencyField::TCurrencyField(TDataSet* dataSet, const QString& name)
    : TField(dataSet, TFieldType::Currency, name)
{
    SetDisplayFormat(QStringLiteral(",0.00"));
}

QString& TFundField::AmountFormat()
{
    static QString format = QStringLiteral("0.00");
    return format;
}

TFundField::TFundField(TDataSet* dataSet, const QString& name) : TField(dataSet, TFieldType::Fund, name)
{
    SetDisplayFormat(AmountFormat());
}
