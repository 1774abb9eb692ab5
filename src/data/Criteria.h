#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

class TDatabase;

// Builds the " and "-joined conditions of a list's WHERE clause from the criteria that are set
// (Ids above 0, dates not null, texts not empty). Text is always quoted safely and a typed % or _
// matches literally, so the same text serves SQL and client-side filters.
class TCriteria {
public:
    TCriteria() = default;

    // A ready condition, e.g. "m.Checkman is not null".
    TCriteria& Add(const QString& condition);
    // "column=value" when value > 0.
    TCriteria& Id(const QString& column, qint64 value);
    // "column=value" when the value is not null (Ids of documents, where 0 is a real value).
    TCriteria& IdNotNull(const QString& column, const QVariant& value);
    // "column<op>'yyyy-mm-dd'" when the date is set; op is ">=", "<=", "<" or ">".
    TCriteria& Date(const QString& column, const QString& op, const QVariant& date);
    // "column like '%text%' escape '\'" when text is not empty.
    TCriteria& Contains(const QString& column, const QString& text);
    // "column like 'text%' escape '\'" when text is not empty.
    TCriteria& StartsWith(const QString& column, const QString& text);
    // "column='text'" when text is not empty.
    TCriteria& Equals(const QString& column, const QString& text);

    bool IsEmpty() const { return m_text.isEmpty(); }
    // " and a and b"
    QString Text() const { return m_text; }
    // "a and b"
    QString Conditions() const;
    // "where a and b", or empty when nothing is set.
    QString Where() const;

    static QString Quoted(const QString& text);
    static QString LikePattern(const QString& text, bool prefix);  // '%50\%%' escape '\'
    static QString DateLiteral(const QDate& date);

private:
    QString m_text;
};
