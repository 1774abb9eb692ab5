#include "DbFixture.h"
#include "Schema.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

struct TRun {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

TRun RunCtl(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(MQSALECTL_PATH), args);
    TRun r;
    if (!p.waitForFinished(120000)) return r;
    r.ExitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Out = QString::fromUtf8(p.readAllStandardOutput());
    r.Err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// A failure is one line on stderr, in Chinese, and nothing on stdout.
void ExpectOneLineError(const TRun& r, int exitCode, const QString& part)
{
    EXPECT_EQ(r.ExitCode, exitCode) << r.Err.toStdString();
    EXPECT_TRUE(r.Out.isEmpty()) << r.Out.toStdString();
    EXPECT_TRUE(r.Err.startsWith(QStringLiteral("mqsalectl: "))) << r.Err.toStdString();
    EXPECT_EQ(r.Err.count(u'\n'), 1) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(part)) << r.Err.toStdString();
}

int Operators(TDatabase& db)
{
    QSqlQuery q = db.Select(QStringLiteral("select count(*) from [operator] where LoginId='sa'"), {});
    return q.next() ? q.value(0).toInt() : -1;
}

}  // namespace

class CliInit : public DbTest {
protected:
    QStringList DatabaseArgs() const
    {
        if (Engine() == TEngine::SQLite)
            return {QStringLiteral("--db"), TDatabase::ValueOf(ConnectionString(), QStringLiteral("Data Source"))};
        return {QStringLiteral("--pg"), ConnectionString()};
    }
};
MQ_BOTH_ENGINES(CliInit);

TEST_P(CliInit, CreatesTheSchemaInAnEmptyDatabaseThenLeavesItAlone)
{
    const TRun first = RunCtl(DatabaseArgs() << QStringLiteral("init"));
    ASSERT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    EXPECT_TRUE(first.Out.contains(QStringLiteral("已创建数据库"))) << first.Out.toStdString();
    EXPECT_EQ(TSchema::Version(Db()), TSchema::CurrentVersion());
    EXPECT_EQ(Operators(Db()), 1);

    const TRun again = RunCtl(DatabaseArgs() << QStringLiteral("init"));
    EXPECT_EQ(again.ExitCode, 0) << again.Err.toStdString();
    EXPECT_TRUE(again.Out.contains(QStringLiteral("已是当前版本"))) << again.Out.toStdString();
    EXPECT_EQ(Operators(Db()), 1);
}

TEST_P(CliInit, RefusesADatabaseOfAnotherProgram)
{
    Db().Execute(QStringLiteral("create table invoices (n integer)"));
    ExpectOneLineError(RunCtl(DatabaseArgs() << QStringLiteral("init")), 1, QStringLiteral("已有其他的数据表"));
    EXPECT_EQ(TSchema::Version(Db()), 0);
}

TEST(Cli, InitCreatesANewDatabaseFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("新建.db"));
    const TRun r = RunCtl({QStringLiteral("--db"), file, QStringLiteral("init")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    TDatabase db;
    ASSERT_TRUE(db.Connect(QStringLiteral("Provider=SQLite;Data Source=") + file));
    EXPECT_EQ(TSchema::Version(db), TSchema::CurrentVersion());
    EXPECT_EQ(Operators(db), 1);
}

TEST(Cli, ReportsWrongUseAndFailuresOnOneLine)
{
    QTemporaryDir dir;
    const QString notADatabase = dir.filePath(QStringLiteral("notes.txt"));
    QFile f(notADatabase);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("these are not the tables you are looking for\n");
    f.close();

    ExpectOneLineError(RunCtl({QStringLiteral("--db"), dir.filePath(QStringLiteral("no/such/dir/x.db")), QStringLiteral("init")}),
                       1, QStringLiteral("目录不存在"));
    ExpectOneLineError(RunCtl({QStringLiteral("--db"), notADatabase, QStringLiteral("init")}), 1,
                       QStringLiteral("无法连接数据库"));
    ExpectOneLineError(RunCtl({QStringLiteral("init")}), 2, QStringLiteral("需要 --db 或 --pg"));
    ExpectOneLineError(RunCtl({QStringLiteral("--db"), notADatabase}), 2, QStringLiteral("没有指定命令"));
    ExpectOneLineError(RunCtl({QStringLiteral("--db"), notADatabase, QStringLiteral("frobnicate")}), 2,
                       QStringLiteral("未知的命令"));
    ExpectOneLineError(RunCtl({QStringLiteral("--db")}), 2, QStringLiteral("缺少值"));
    ExpectOneLineError(RunCtl({QStringLiteral("--pg"), QStringLiteral("Data Source=127.0.0.1;Port=1;Initial Catalog=x;User ID=u"),
                               QStringLiteral("init")}),
                       1, QStringLiteral("无法连接数据库"));
}

TEST(Cli, HelpInChineseAndEnglish)
{
    const TRun r = RunCtl({QStringLiteral("--help")});
    EXPECT_EQ(r.ExitCode, 0);
    for (const char* text : {"用法", "Usage", "init", "创建数据库", "create the database", "--db", "--pg"})
        EXPECT_TRUE(r.Out.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(RunCtl({QStringLiteral("init"), QStringLiteral("--help")}).ExitCode, 0);
}
