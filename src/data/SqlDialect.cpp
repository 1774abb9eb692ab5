#include "SqlDialect.h"

#include <QHash>
#include <vector>

namespace {

bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

struct FunctionMap {
    QString prefix;
    QString suffix;
};

// Date-part functions that SQLite gets as registered functions and PostgreSQL needs spelled out.
const QHash<QString, FunctionMap>& pgFunctions()
{
    static const QHash<QString, FunctionMap> map = {
        {QStringLiteral("month"), {QStringLiteral("cast(extract(month from "), QStringLiteral(") as integer)")}},
        {QStringLiteral("year"), {QStringLiteral("cast(extract(year from "), QStringLiteral(") as integer)")}},
        {QStringLiteral("day"), {QStringLiteral("cast(extract(day from "), QStringLiteral(") as integer)")}},
        {QStringLiteral("weekday"), {QStringLiteral("cast(extract(dow from "), QStringLiteral(")+1 as integer)")}},
    };
    return map;
}

QString nowExpression(TEngine engine)
{
    return engine == TEngine::PostgreSQL ? QStringLiteral("localtimestamp(0)")
                                         : QStringLiteral("datetime('now','localtime')");
}

class Translator {
public:
    Translator(const QString& sql, TEngine engine) : m_sql(sql), m_engine(engine) {}

    TTranslatedSql run()
    {
        const bool pg = m_engine == TEngine::PostgreSQL;
        const int n = m_sql.size();
        int i = 0;
        while (i < n) {
            const QChar c = m_sql[i];
            if (c == u'\'') {  // string literal, '' inside stays
                int j = i + 1;
                while (j < n) {
                    if (m_sql[j] == u'\'') {
                        if (j + 1 < n && m_sql[j + 1] == u'\'') { j += 2; continue; }
                        break;
                    }
                    ++j;
                }
                m_out += m_sql.mid(i, j - i + 1);
                i = j + 1;
                continue;
            }
            if (c == u'"') {
                const int j = m_sql.indexOf(u'"', i + 1);
                const int end = j < 0 ? n : j + 1;
                m_out += m_sql.mid(i, end - i);
                i = end;
                continue;
            }
            if (c == u'-' && i + 1 < n && m_sql[i + 1] == u'-') {  // comments are dropped
                const int j = m_sql.indexOf(u'\n', i);
                i = j < 0 ? n : j;
                continue;
            }
            if (c == u'[') {
                const int j = m_sql.indexOf(u']', i + 1);
                const int end = j < 0 ? n : j;
                const QString name = m_sql.mid(i + 1, end - i - 1);
                m_out += pg ? QStringLiteral("\"") + name.toLower() + QStringLiteral("\"")
                            : QStringLiteral("[") + name + QStringLiteral("]");
                i = end + 1;
                continue;
            }
            if (c == u':') {
                if (i + 1 < n && m_sql[i + 1] == u':') {  // PostgreSQL cast
                    m_out += QStringLiteral("::");
                    i += 2;
                    continue;
                }
                if (i + 1 < n && isIdentStart(m_sql[i + 1])) {
                    int j = i + 1;
                    while (j < n && isIdentChar(m_sql[j])) ++j;
                    m_params << m_sql.mid(i + 1, j - i - 1);
                    m_out += u'?';
                    i = j;
                    continue;
                }
            }
            if (c == u'(') {
                m_parens.push_back(QString());
                m_out += c;
                ++i;
                continue;
            }
            if (c == u')') {
                QString suffix = m_parens.empty() ? QString() : m_parens.back();
                if (!m_parens.empty()) m_parens.pop_back();
                m_out += suffix.isEmpty() ? QStringLiteral(")") : suffix;
                ++i;
                continue;
            }
            if (isIdentStart(c)) {
                int j = i;
                while (j < n && isIdentChar(m_sql[j])) ++j;
                word(m_sql.mid(i, j - i), j);
                i = m_next;
                continue;
            }
            m_out += c;
            ++i;
        }
        QString text = m_out;
        if (!m_limit.isEmpty()) {
            while (!text.isEmpty() && (text.back().isSpace() || text.back() == u';')) text.chop(1);
            text += QStringLiteral(" limit ") + m_limit;
        }
        return {text, m_params};
    }

private:
    int skipSpaces(int j) const
    {
        while (j < m_sql.size() && m_sql[j].isSpace()) ++j;
        return j;
    }

    void word(const QString& w, int end)
    {
        const QString lw = w.toLower();
        const bool pg = m_engine == TEngine::PostgreSQL;
        m_next = end;
        const int after = skipSpaces(end);
        const bool callsParen = after < m_sql.size() && m_sql[after] == u'(';

        if (lw == QLatin1String("top") && m_lastWord == QLatin1String("select") && m_parens.empty()
            && m_limit.isEmpty()) {
            int j = after;
            while (j < m_sql.size() && m_sql[j].isDigit()) ++j;
            if (j > after) {
                m_limit = m_sql.mid(after, j - after);
                m_next = skipSpaces(j);
                m_lastWord = lw;
                return;
            }
        }
        if (lw == QLatin1String("now") || lw == QLatin1String("getdate")) {
            if (callsParen) {  // now() / GetDate(): swallow the empty argument list
                int j = skipSpaces(after + 1);
                if (j < m_sql.size() && m_sql[j] == u')') {
                    m_out += nowExpression(m_engine);
                    m_next = j + 1;
                    m_lastWord = lw;
                    return;
                }
            } else if (lw == QLatin1String("now")) {
                m_out += nowExpression(m_engine);
                m_lastWord = lw;
                return;
            }
        }
        if (pg && callsParen && pgFunctions().contains(lw)) {
            const FunctionMap& f = pgFunctions()[lw];
            m_out += f.prefix;
            m_parens.push_back(f.suffix);
            m_next = after + 1;
            m_lastWord = lw;
            return;
        }
        if (lw == QLatin1String("true") || lw == QLatin1String("false")) {
            m_out += lw == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0");
            m_lastWord = lw;
            return;
        }
        if (pg && lw == QLatin1String("like")) {
            m_out += QStringLiteral("ilike");
            m_lastWord = lw;
            return;
        }
        m_out += w;
        m_lastWord = lw;
    }

    const QString& m_sql;
    TEngine m_engine;
    QString m_out;
    QStringList m_params;
    std::vector<QString> m_parens;
    QString m_limit;
    QString m_lastWord;
    int m_next = 0;
};

}  // namespace

TTranslatedSql TSqlDialect::Translate(const QString& sql, TEngine engine)
{
    return Translator(sql, engine).run();
}

QStringList TSqlDialect::ParameterNames(const QString& sql)
{
    QStringList names;
    for (const QString& n : Translate(sql, TEngine::SQLite).ParamNames) {
        bool seen = false;
        for (const QString& s : names) seen = seen || s.compare(n, Qt::CaseInsensitive) == 0;
        if (!seen) names << n;
    }
    return names;
}
