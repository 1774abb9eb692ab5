#pragma once
#include <QList>
#include <QString>

// One key of a data set's sort text.
struct TSortKey {
    QString Field;
    bool Desc = false;
};

namespace SortText {
// "Code DESC , Name" or "Name ASC,Code DESC" -> keys in order; a key without a direction is
// ascending.
QList<TSortKey> Parse(const QString& text);
// The grid's form: each name followed by " DESC , " or ", ", the last two characters cut off.
QString Join(const QList<TSortKey>& keys);
}  // namespace SortText
