#include "SqliteExtensions.h"

#include "TextOrder.h"

#include <QDate>
#include <QString>
#include <sqlite3.h>

namespace {

QString textArg(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

QDate dateArg(sqlite3_value* v)
{
    return QDate::fromString(textArg(v).left(10), QStringLiteral("yyyy-MM-dd"));
}

template <int Part>
void datePart(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDate d = dateArg(argv[0]);
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    int r = 0;
    switch (Part) {
    case 0: r = d.year(); break;
    case 1: r = d.month(); break;
    case 2: r = d.day(); break;
    default: r = d.dayOfWeek() % 7 + 1; break;  // Sunday 1 .. Saturday 7
    }
    sqlite3_result_int(ctx, r);
}

void leftFn(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray out = textArg(argv[0]).left(sqlite3_value_int(argv[1])).toUtf8();
    sqlite3_result_text(ctx, out.constData(), out.size(), SQLITE_TRANSIENT);
}

int zhCompare(void*, int n1, const void* s1, int n2, const void* s2)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(s1), n1);
    const QString b = QString::fromUtf8(static_cast<const char*>(s2), n2);
    return TextOrder::Compare(a, b);
}

}  // namespace

void RegisterSqliteExtensions(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "Year", 1, flags, nullptr, datePart<0>, nullptr, nullptr);
    sqlite3_create_function(db, "Month", 1, flags, nullptr, datePart<1>, nullptr, nullptr);
    sqlite3_create_function(db, "Day", 1, flags, nullptr, datePart<2>, nullptr, nullptr);
    sqlite3_create_function(db, "Weekday", 1, flags, nullptr, datePart<3>, nullptr, nullptr);
    sqlite3_create_function(db, "Left", 2, flags, nullptr, leftFn, nullptr, nullptr);
    sqlite3_create_collation(db, "zh", SQLITE_UTF8, nullptr, zhCompare);
}
