#include "BillJson.h"

#include "Database.h"
#include "Errors.h"

#include <QSqlQuery>
#include <cmath>

TJsonIn::TJsonIn(const QJsonObject& object, const QString& where) : m_object(object), m_where(where) {}

bool TJsonIn::Has(const QString& key) const
{
    const auto it = m_object.constFind(key);
    return it != m_object.constEnd() && !it->isNull() && !it->isUndefined();
}

QJsonValue TJsonIn::take(const QString& key)
{
    m_known.insert(key);
    return m_object.value(key);
}

void TJsonIn::wrongType(const QString& key, const QString& expected) const
{
    throw EMqError(QStringLiteral("%1的字段 %2 必须是%3").arg(m_where, key, expected));
}

std::optional<int> TJsonIn::Int(const QString& key)
{
    const QJsonValue v = take(key);
    if (v.isNull() || v.isUndefined()) return std::nullopt;
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || d != std::floor(d) || std::abs(d) > 2147483647.0) wrongType(key, QStringLiteral("整数"));
    return int(d);
}

std::optional<double> TJsonIn::Num(const QString& key)
{
    const QJsonValue v = take(key);
    if (v.isNull() || v.isUndefined()) return std::nullopt;
    if (v.isDouble()) return v.toDouble();
    // Amounts may come as text, as spreadsheets write them.
    if (v.isString()) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok && std::isfinite(d)) return d;
    }
    wrongType(key, QStringLiteral("数值"));
}

std::optional<QString> TJsonIn::Text(const QString& key)
{
    const QJsonValue v = take(key);
    if (v.isNull() || v.isUndefined()) return std::nullopt;
    if (!v.isString()) wrongType(key, QStringLiteral("文本"));
    return v.toString();
}

std::optional<QDate> TJsonIn::Date(const QString& key)
{
    const QJsonValue v = take(key);
    if (v.isNull() || v.isUndefined()) return std::nullopt;
    const QDate d = QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd"));
    if (!v.isString() || !d.isValid()) wrongType(key, QStringLiteral("日期(yyyy-mm-dd)"));
    return d;
}

QJsonArray TJsonIn::Array(const QString& key)
{
    const QJsonValue v = take(key);
    if (v.isNull() || v.isUndefined()) return {};
    if (!v.isArray()) wrongType(key, QStringLiteral("数组"));
    return v.toArray();
}

void TJsonIn::Done() const
{
    for (auto it = m_object.constBegin(); it != m_object.constEnd(); ++it)
        if (!m_known.contains(it.key())) throw EMqError(QStringLiteral("%1中有未知的字段: %2").arg(m_where, it.key()));
}

namespace JsonOut {
QJsonValue Of(const std::optional<int>& v) { return v ? QJsonValue(*v) : QJsonValue(); }
QJsonValue Of(const std::optional<double>& v) { return v ? QJsonValue(*v) : QJsonValue(); }
QJsonValue Of(const std::optional<QDate>& v) { return v && v->isValid() ? Of(*v) : QJsonValue(); }
QJsonValue Of(const std::optional<QDateTime>& v)
{
    return v && v->isValid() ? QJsonValue(v->toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))) : QJsonValue();
}
QJsonValue Of(const QDate& v) { return v.isValid() ? QJsonValue(v.toString(QStringLiteral("yyyy-MM-dd"))) : QJsonValue(); }
}  // namespace JsonOut

void RequireRow(const QString& table, const std::optional<int>& id, const QString& what)
{
    if (!id) return;
    QSqlQuery q = GlobalDatabase().Select(QStringLiteral("select count(*) from %1 where Id=:Id").arg(table),
                                          {DBParam(QStringLiteral("Id"), *id)});
    if (!q.next() || q.value(0).toInt() != 1) throw EMqError(QStringLiteral("%1不存在: %2").arg(what).arg(*id));
}
