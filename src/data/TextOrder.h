#pragma once
#include <QCollatorSortKey>
#include <QString>

// The order Chinese users expect for text: pinyin order for Chinese characters, equal only when
// the texts are equal.
namespace TextOrder {
int Compare(const QString& a, const QString& b);
// A precomputed key for sorting many rows; compare keys, then the texts on a tie.
QCollatorSortKey SortKey(const QString& s);
}
