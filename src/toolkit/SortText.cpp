#include "SortText.h"

#include <QStringList>

QList<TSortKey> SortText::Parse(const QString& text)
{
    QList<TSortKey> keys;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        keys.append({words[0], words.size() > 1 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0});
    }
    return keys;
}

QString SortText::Join(const QList<TSortKey>& keys)
{
    QString s;
    for (const TSortKey& k : keys) s += k.Field + (k.Desc ? QStringLiteral(" DESC , ") : QStringLiteral(", "));
    s.chop(2);
    return s;
}
