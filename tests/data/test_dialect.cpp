#include "SqlDialect.h"

#include <gtest/gtest.h>

namespace {
QString pg(const char* s) { return TSqlDialect::Translate(QString::fromUtf8(s), TEngine::PostgreSQL).Text; }
QString lite(const char* s) { return TSqlDialect::Translate(QString::fromUtf8(s), TEngine::SQLite).Text; }
}  // namespace

TEST(SqlDialect, TranslatesEachConstructForBothEngines)
{
    struct Case {
        const char* in;
        const char* sqlite;
        const char* postgres;
    } cases[] = {
        {"select [Key], [Label] from options where [Key]=:Key", "select [Key], [Label] from options where [Key]=?",
         "select \"key\", \"label\" from options where \"key\"=?"},
        {"select top 1 Id from sale order by Id desc", "select Id from sale order by Id desc limit 1",
         "select Id from sale order by Id desc limit 1"},
        {"select now", "select datetime('now','localtime')", "select localtimestamp(0)"},
        {"select GetDate()", "select datetime('now','localtime')", "select localtimestamp(0)"},
        {"select Month(BizDate) from sale", "select Month(BizDate) from sale",
         "select cast(extract(month from BizDate) as integer) from sale"},
        {"select sum(Fund) from sale where Weekday(BizDate)=2", "select sum(Fund) from sale where Weekday(BizDate)=2",
         "select sum(Fund) from sale where cast(extract(dow from BizDate)+1 as integer)=2"},
        {"select * from ware where Name like '%a:b[c]%'", "select * from ware where Name like '%a:b[c]%'",
         "select * from ware where Name ilike '%a:b[c]%'"},
        {"update t set a=true, b=false", "update t set a=1, b=0", "update t set a=1, b=0"},
        {"select x::text from t -- it's a comment\n", "select x::text from t \n", "select x::text from t \n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lite(c.in), QString::fromUtf8(c.sqlite)) << c.in;
        EXPECT_EQ(pg(c.in), QString::fromUtf8(c.postgres)) << c.in;
    }
}

TEST(SqlDialect, CollectsParametersInOrderIncludingRepeats)
{
    const TTranslatedSql t = TSqlDialect::Translate(
        QStringLiteral("update a set x=:X, y=':Y' where id=:Id or parent=:Id"), TEngine::SQLite);
    EXPECT_EQ(t.ParamNames, (QStringList{"X", "Id", "Id"}));
    EXPECT_EQ(TSqlDialect::ParameterNames(QStringLiteral("select :A, :a, :B")), (QStringList{"A", "B"}));
}
