#include "Criteria.h"
#include "DbFixture.h"
#include "RecordSet.h"

#include <QSqlQuery>

namespace {
class DatabaseTest : public DbTest {
protected:
    void Prepare() override
    {
        Db().ExecCommand(QStringLiteral("create table unit (Id integer primary key, Name varchar(30), "
                                        "Rate float, [Note] varchar(50), BizDate date, Flag smallint)"));
        for (int i = 1; i <= 3; ++i)
            Db().Execute(QStringLiteral("insert into unit(Id, Name, Rate, [Note], BizDate, Flag) "
                                        "values (:Id, :Name, :Rate, :Note, :BizDate, :Flag)"),
                         {DBParam("Id", i), DBParam("Name", QStringLiteral("箱%1").arg(i)), DBParam("Rate", i * 1.5),
                          DBParam("Note", QVariant()), DBParam("BizDate", QDate(2013, i, 15)), DBParam("Flag", i == 2)});
    }
    int count(const QString& sql)
    {
        TRecordSet rs;
        rs.Open(sql);
        return rs.FirstValue().toInt();
    }
};
}  // namespace

TEST_P(DatabaseTest, ExecuteReturnsAffectedRows)
{
    EXPECT_EQ(Db().Execute(QStringLiteral("update unit set Rate=2 where Id=:Id"), {DBParam("Id", 99)}), 0);
    EXPECT_EQ(Db().Execute(QStringLiteral("update unit set [Note]=:Note"), {DBParam("Note", "x")}), 3);
    EXPECT_EQ(Db().Execute(QStringLiteral("delete from unit where Id=:Id"), {DBParam("Id", 1)}), 1);
}

TEST_P(DatabaseTest, FailingStatementNamesItself)
{
    const QString sql = QStringLiteral("update nosuchtable set a=1");
    try {
        Db().Execute(sql);
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral("\r\n") + sql)) << e.Message().toStdString();
        EXPECT_GT(e.Message().size(), sql.size() + 2);
    }
    EXPECT_THROW(Db().Execute(QStringLiteral("update unit set Rate=1 where Id=:Id"), {DBParam("Nope", 1)}),
                 EDatabaseError);
}

TEST_P(DatabaseTest, StatementsAsWrittenRunOnTheEngine)
{
    TRecordSet rs;
    EXPECT_EQ(rs.Open(QStringLiteral("select top 1 Id, [Note] from unit order by Id desc")), 1);
    EXPECT_EQ(rs.FirstValue().toInt(), 3);
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit where Month(BizDate)=2")), 1);
    EXPECT_EQ(count(QStringLiteral("select Year(BizDate) from unit where Id=1")), 2013);
    EXPECT_EQ(count(QStringLiteral("select Day(BizDate) from unit where Id=1")), 15);
    EXPECT_EQ(count(QStringLiteral("select Weekday(BizDate) from unit where Id=1")), 3);  // a Tuesday
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit where Flag=true")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit where Name like '箱%'")), 3);
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit where BizDate>=") + Db().DateLiteral(QDate(2013, 2, 15))
                    + QStringLiteral(" and BizDate<=") + Db().DateLiteral(QDateTime(QDate(2013, 3, 15), QTime(14, 30)))),
              2);
    EXPECT_TRUE(Db().ServerTime().isValid());
    EXPECT_LT(qAbs(Db().ServerTime().secsTo(QDateTime::currentDateTime())), 120);
}

TEST_P(DatabaseTest, TextCriteriaAreSafe)
{
    Db().Execute(QStringLiteral("insert into unit(Id, Name) values (10, 'O''Brien'), (11, '50%'), (12, '500')"));
    const auto ids = [this](const TCriteria& c) {
        TRecordSet rs;
        rs.Open(QStringLiteral("select Id from unit ") + c.Where() + QStringLiteral(" order by Id"));
        return rs.JoinValues(rs.FieldByName(QStringLiteral("Id")), QStringLiteral(","));
    };
    EXPECT_EQ(ids(TCriteria().Equals(QStringLiteral("Name"), QStringLiteral("O'Brien"))), QStringLiteral("10"));
    EXPECT_EQ(ids(TCriteria().Contains(QStringLiteral("Name"), QStringLiteral("'Bri"))), QStringLiteral("10"));
    EXPECT_EQ(ids(TCriteria().Contains(QStringLiteral("Name"), QStringLiteral("50%"))), QStringLiteral("11"));
    EXPECT_EQ(ids(TCriteria().StartsWith(QStringLiteral("Name"), QStringLiteral("5"))), QStringLiteral("11,12"));
    EXPECT_EQ(ids(TCriteria().Contains(QStringLiteral("Name"), QStringLiteral("o'b"))), QStringLiteral("10"));
}

TEST_P(DatabaseTest, TransactionsCommitRollBackAndNest)
{
    Db().BeginTrans();
    Db().Execute(QStringLiteral("delete from unit where Id=1"));
    Db().RollbackTrans();
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit")), 3);

    EXPECT_EQ(Db().BeginTrans(), 1);
    Db().Execute(QStringLiteral("delete from unit where Id=1"));
    EXPECT_EQ(Db().BeginTrans(), 2);
    Db().Execute(QStringLiteral("delete from unit where Id=2"));
    Db().RollbackTrans();
    Db().CommitTrans();
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit")), 2);
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit where Id=2")), 1);

    {
        TTransaction t;
        Db().Execute(QStringLiteral("delete from unit"));
    }  // left without commit
    EXPECT_EQ(count(QStringLiteral("select count(*) from unit")), 2);
}

TEST_P(DatabaseTest, BinaryParametersRoundTrip)
{
    Db().ExecCommand(QStringLiteral("create table blobs (Id integer primary key, Data %1)")
                         .arg(Engine() == TEngine::SQLite ? "blob" : "bytea"));
    QByteArray data("\x00\x01\xff report", 10);
    Db().Execute(QStringLiteral("insert into blobs(Id, Data) values (:Id, :Data)"), {DBParam("Id", 1)},
                 {xDBParam("Data", data)});
    TRecordSet rs;
    rs.Open(QStringLiteral("select Data from blobs"));
    EXPECT_EQ(rs.FirstValue().toByteArray(), data);
}

TEST_P(DatabaseTest, ConnectFailureIsShownOnceAndTheObjectStaysUsable)
{
    TRecordingMessages messages;
    TDatabase other;
    EXPECT_FALSE(other.Connect(QStringLiteral("Provider=SQLite;Data Source=/nonexistent/dir/x.db")));
    ASSERT_EQ(messages.Texts.size(), 1);
    EXPECT_TRUE(messages.Texts[0].startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")));
    EXPECT_FALSE(other.Connected());
    EXPECT_TRUE(other.Connect(ConnectionString()));
    EXPECT_EQ(other.Execute(QStringLiteral("update unit set Rate=Rate")), 3);
}

MQ_BOTH_ENGINES(DatabaseTest);

TEST(DatabaseStrings, ConnectionValuesAndDialectFlags)
{
    TDatabase db;
    const QString s1 = QStringLiteral("Provider=SQLite;Data Source=/tmp/a.db;Mode=rw");
    const QString s2 = QStringLiteral("Provider=PostgreSQL;Port=5432;Data Source=db.local");
    EXPECT_EQ(TDatabase::ValueOf(s1, QStringLiteral("Data Source")), QStringLiteral("/tmp/a.db"));
    EXPECT_EQ(TDatabase::ValueOf(s2, QStringLiteral("Data Source")), QStringLiteral("db.local"));
    EXPECT_EQ(TDatabase::ValueOf(s2, QStringLiteral("Provider")), QStringLiteral("PostgreSQL"));
    EXPECT_EQ(TDatabase::EngineOf(s1), TEngine::SQLite);
    EXPECT_EQ(TDatabase::EngineOf(s2), TEngine::PostgreSQL);
    EXPECT_EQ(db.DateLiteral(QDateTime(QDate(2013, 1, 15), QTime(14, 30))), QStringLiteral("'2013-01-15'"));
}
