#include "SqlScript.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* Name;
    const char* Script;
    QStringList Expected;
};

}  // namespace

TEST(SqlScript, SplitsAtSemicolonsOutsideLiteralsCommentsAndBodies)
{
    const SplitCase cases[] = {
        {"plain", "create table a (x int);\ncreate table b (y int);",
         {QStringLiteral("create table a (x int)"), QStringLiteral("create table b (y int)")}},
        {"comments with quotes and semicolons are dropped",
         "-- it's a comment; still one\ncreate table a (x int); /* b; c's */ select 1;",
         {QStringLiteral("create table a (x int)"), QStringLiteral("select 1")}},
        {"string literal with semicolon, doubled quote and line break",
         "insert into t values ('a;b', 'it''s', 'x\ny');",
         {QStringLiteral("insert into t values ('a;b', 'it''s', 'x\ny')")}},
        {"quoted name", "insert into options (\"key;\") values (1);",
         {QStringLiteral("insert into options (\"key;\") values (1)")}},
        {"sqlite trigger body",
         "create trigger t before delete on a\nwhen exists (select 1 from b)\nbegin\n  select raise(abort, 'x;y');\n  "
         "select 2;\nend;\nselect 3;",
         {QStringLiteral("create trigger t before delete on a\nwhen exists (select 1 from b)\nbegin\n  select "
                         "raise(abort, 'x;y');\n  select 2;\nend"),
          QStringLiteral("select 3")}},
        {"dollar-quoted function body",
         "create function f() returns trigger language plpgsql as $$\nbegin\n  return old;\nend\n$$;\nselect 4;",
         {QStringLiteral("create function f() returns trigger language plpgsql as $$\nbegin\n  return old;\nend\n$$"),
          QStringLiteral("select 4")}},
        {"tagged dollar quote", "select $body$ a;b $$ $body$;",
         {QStringLiteral("select $body$ a;b $$ $body$")}},
        {"empty statements and a last one without semicolon", ";;\n  ;select 5\n",
         {QStringLiteral("select 5")}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SqlScript::Split(QString::fromUtf8(c.Script)), c.Expected) << c.Name;
}
