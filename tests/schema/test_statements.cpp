#include "SchemaFixture.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

const char* const kStatements[] = {
#include "statements.inc"
};

}  // namespace

class SchemaStatements : public SchemaTest {};
MQ_BOTH_ENGINES(SchemaStatements);

// Every statement of the model classes names tables and columns that exist, in a form the engine
// accepts: each is compiled (prepared) against a new database.
TEST_P(SchemaStatements, EveryStatementOfTheProgramCompiles)
{
    int checked = 0;
    for (const char* text : kStatements) {
        const QString sql = QString::fromUtf8(text);
        QSqlQuery q(Db().Handle());
        const TTranslatedSql t = TSqlDialect::Translate(sql, Engine());
        EXPECT_TRUE(q.prepare(t.Text)) << sql.toStdString() << "\n" << q.lastError().text().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 200);
}
