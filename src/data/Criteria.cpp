#include "Criteria.h"

#include "Field.h"

TCriteria& TCriteria::Add(const QString& condition)
{
    if (!condition.trimmed().isEmpty()) m_text += QStringLiteral(" and ") + condition;
    return *this;
}

TCriteria& TCriteria::Id(const QString& column, qint64 value)
{
    if (value > 0) Add(QStringLiteral("%1=%2").arg(column).arg(value));
    return *this;
}

TCriteria& TCriteria::IdNotNull(const QString& column, const QVariant& value)
{
    if (value.isValid() && !value.isNull()) Add(QStringLiteral("%1=%2").arg(column).arg(value.toLongLong()));
    return *this;
}

TCriteria& TCriteria::Date(const QString& column, const QString& op, const QVariant& date)
{
    const QDateTime d = TField::ToDateTime(date);
    if (d.isValid()) Add(column + op + DateLiteral(d.date()));
    return *this;
}

TCriteria& TCriteria::Contains(const QString& column, const QString& text)
{
    if (!text.isEmpty()) Add(column + QStringLiteral(" like ") + LikePattern(text, false));
    return *this;
}

TCriteria& TCriteria::StartsWith(const QString& column, const QString& text)
{
    if (!text.isEmpty()) Add(column + QStringLiteral(" like ") + LikePattern(text, true));
    return *this;
}

TCriteria& TCriteria::Equals(const QString& column, const QString& text)
{
    if (!text.isEmpty()) Add(column + QStringLiteral("=") + Quoted(text));
    return *this;
}

QString TCriteria::Conditions() const { return m_text.mid(5); }

QString TCriteria::Where() const { return m_text.isEmpty() ? QString() : QStringLiteral("where ") + Conditions(); }

QString TCriteria::Quoted(const QString& text)
{
    QString t = text;
    t.replace(u'\'', QStringLiteral("''"));
    return u'\'' + t + u'\'';
}

QString TCriteria::LikePattern(const QString& text, bool prefix)
{
    QString t;
    t.reserve(text.size() + 8);
    for (const QChar c : text) {
        // '*' too: client-side filters take it as a wildcard, SQL as itself.
        if (c == u'\\' || c == u'%' || c == u'_' || c == u'*') t += u'\\';
        if (c == u'\'') t += u'\'';
        t += c;
    }
    return (prefix ? QStringLiteral("'") : QStringLiteral("'%")) + t + QStringLiteral("%' escape '\\'");
}

QString TCriteria::DateLiteral(const QDate& date)
{
    return u'\'' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'\'';
}
