#include "SqlScript.h"

namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// The statement so far is a trigger definition, whose body holds ";" of its own.
bool isTrigger(const QString& statement)
{
    const QStringList words = statement.simplified().toLower().split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2 || words[0] != QLatin1String("create")) return false;
    int i = 1;
    if (words[i] == QLatin1String("temp") || words[i] == QLatin1String("temporary")) ++i;
    return i < words.size() && words[i] == QLatin1String("trigger");
}

// The last word of the statement so far.
QString lastWord(const QString& statement)
{
    int end = statement.size();
    while (end > 0 && statement[end - 1].isSpace()) --end;
    int start = end;
    while (start > 0 && isWordChar(statement[start - 1])) --start;
    return statement.mid(start, end - start).toLower();
}

}  // namespace

QStringList SqlScript::Split(const QString& script)
{
    QStringList statements;
    QString current;
    const int n = script.size();
    int i = 0;
    auto finish = [&] {
        const QString s = current.trimmed();
        if (!s.isEmpty()) statements << s;
        current.clear();
    };
    while (i < n) {
        const QChar c = script[i];
        if (c == u'-' && i + 1 < n && script[i + 1] == u'-') {
            while (i < n && script[i] != u'\n') ++i;
            continue;
        }
        if (c == u'/' && i + 1 < n && script[i + 1] == u'*') {
            const int end = script.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            current += u' ';
            continue;
        }
        if (c == u'\'' || c == u'"') {
            int j = i + 1;
            while (j < n) {
                if (script[j] == c) {
                    if (j + 1 < n && script[j + 1] == c) {  // doubled quote inside
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            current += script.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (c == u'$' && (i == 0 || !isWordChar(script[i - 1]))) {
            int j = i + 1;
            while (j < n && (script[j].isLetter() || script[j] == u'_')) ++j;
            if (j < n && script[j] == u'$') {  // $tag$ ... $tag$
                const QString tag = script.mid(i, j - i + 1);
                const int end = script.indexOf(tag, j + 1);
                const int stop = end < 0 ? n : end + tag.size();
                current += script.mid(i, stop - i);
                i = stop;
                continue;
            }
        }
        if (c == u';') {
            if (isTrigger(current) && lastWord(current) != QLatin1String("end")) {
                current += c;
                ++i;
                continue;
            }
            finish();
            ++i;
            continue;
        }
        current += c;
        ++i;
    }
    finish();
    return statements;
}
