#include "TextOrder.h"

#include <QCollator>
#include <QLocale>

namespace {
const QCollator& collator()
{
    thread_local QCollator c = [] {
        QCollator k(QLocale(QLocale::Chinese, QLocale::China));
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        return k;
    }();
    return c;
}
}  // namespace

int TextOrder::Compare(const QString& a, const QString& b)
{
    const int r = collator().compare(a, b);
    if (r != 0) return r < 0 ? -1 : 1;
    const int s = a.compare(b);
    return s < 0 ? -1 : (s > 0 ? 1 : 0);
}

QCollatorSortKey TextOrder::SortKey(const QString& s)
{
    return collator().sortKey(s);
}
