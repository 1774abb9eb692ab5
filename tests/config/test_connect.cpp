#include "AppHome.h"
#include "ConnectDatabase.h"
#include "Configer.h"
#include "DbFixture.h"
#include "IniFile.h"
#include "RecordSet.h"
#include "Schema.h"
#include "TestSeams.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int countOf(TDatabase& db, const QString& sql)
{
    TRecordSet q(&db);
    q.Open(sql);
    return q.FirstValue().toInt();
}

// Records how often the connection dialog was shown and answers with a scripted action.
struct TScriptedDialog {
    int Shown = 0;
    std::function<bool(TConfiger&)> Answer = [](TConfiger&) { return false; };
    TConnectionDialog Callback()
    {
        return [this](TConfiger& c) {
            ++Shown;
            return Answer(c);
        };
    }
};

class ConnectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppHome::SetHome(m_dir.path());
    }
    void TearDown() override
    {
        GlobalDatabase().SetConnected(false);
        AppHome::SetHome(QString());
    }
    // A server nobody listens on.
    void WriteDeadServer()
    {
        TConfiger c;
        c.providerIdx = 0;
        c.mssqlServer = QStringLiteral("127.0.0.1");
        c.mssqlPort = 1;
        c.mssqlDb = QStringLiteral("sales");
        c.mssqlUser = QStringLiteral("clerk");
        c.SaveConfig();
    }
    TRecordingMessages Messages;
    TScriptedDialog Dialog;
    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(ConnectTest, FirstStartCreatesTheDefaultDatabaseOnce)
{
    ASSERT_TRUE(ConnectDatabase(Dialog.Callback()));
    EXPECT_EQ(Dialog.Shown, 0);
    EXPECT_TRUE(Messages.Texts.isEmpty()) << Messages.Last().toStdString();
    EXPECT_TRUE(QFileInfo::exists(TConfiger::DefaultDatabaseFile()));
    EXPECT_EQ(TIniFile(TConfiger::DefaultFileName()).ReadInteger(QStringLiteral("db"), QStringLiteral("providerIdx"), -1), 1);
    TDatabase& db = GlobalDatabase();
    EXPECT_FALSE(db.IsSqlServer());
    EXPECT_EQ(TSchema::Version(db), TSchema::CurrentVersion());
    EXPECT_EQ(countOf(db, QStringLiteral("select count(*) from operator where LoginId='sa'")), 1);

    // The next start opens the same file and leaves its data alone.
    db.Execute(QStringLiteral("update operator set Contact='kept' where LoginId='sa'"));
    db.SetConnected(false);
    ASSERT_TRUE(ConnectDatabase(Dialog.Callback()));
    EXPECT_EQ(countOf(db, QStringLiteral("select count(*) from operator where Contact='kept'")), 1);
    EXPECT_EQ(Dialog.Shown, 0);
}

TEST_F(ConnectTest, AWrongServerShowsTheDialogAndCancelGivesUp)
{
    WriteDeadServer();
    const QByteArray before = [] {
        QFile f(TConfiger::DefaultFileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_FALSE(ConnectDatabase(Dialog.Callback()));
    EXPECT_EQ(Dialog.Shown, 1);
    EXPECT_FALSE(GlobalDatabase().Connected());
    ASSERT_EQ(Messages.Plain().size(), 1);
    EXPECT_TRUE(Messages.Plain()[0].startsWith(QStringLiteral("连接时失败,提示如下:\r\n")));
    QFile f(TConfiger::DefaultFileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before) << "a failed attempt changes nothing in cfg.ini";
}

TEST_F(ConnectTest, TheDialogsSettingsAreTriedNext)
{
    WriteDeadServer();
    Dialog.Answer = [](TConfiger& c) {
        c.providerIdx = 1;
        c.defaultCon = true;
        c.SaveConfig();
        return true;
    };
    EXPECT_TRUE(ConnectDatabase(Dialog.Callback()));
    EXPECT_EQ(Dialog.Shown, 1);
    EXPECT_EQ(GlobalDatabase().GetDataSource(), TConfiger::DefaultDatabaseFile());
}

TEST_F(ConnectTest, AMissingFileThatTheUserNamedIsNotCreated)
{
    TConfiger c;
    c.providerIdx = 1;
    c.defaultCon = false;
    c.jetfile = m_dir.filePath(QStringLiteral("typo.db"));
    c.SaveConfig();
    EXPECT_FALSE(ConnectDatabase(Dialog.Callback()));
    EXPECT_EQ(Dialog.Shown, 1);
    EXPECT_FALSE(QFileInfo::exists(c.jetfile));
}

// An empty database named in cfg.ini: a file gets the tables at once, a server after asking.
class ConnectEmptyDatabase : public DbTest {
protected:
    void Prepare() override
    {
        ASSERT_TRUE(m_home.isValid());
        AppHome::SetHome(m_home.path());
        TConfiger c;
        const QString cs = ConnectionString();
        if (Engine() == TEngine::SQLite) {
            c.providerIdx = 1;
            c.defaultCon = false;
            c.jetfile = TDatabase::ValueOf(cs, QStringLiteral("Data Source"));
        } else {
            // The port reaches the connection through the alias written on saving.
            c.providerIdx = 0;
            c.mssqlServer = TDatabase::ValueOf(cs, QStringLiteral("Data Source"));
            c.mssqlPort = TDatabase::ValueOf(cs, QStringLiteral("Port")).toInt();
            c.mssqlDb = TDatabase::ValueOf(cs, QStringLiteral("Initial Catalog"));
            c.mssqlUser = TDatabase::ValueOf(cs, QStringLiteral("User ID"));
            c.mssqlPw = TDatabase::ValueOf(cs, QStringLiteral("Password"));
            c.SmartConnect = false;
        }
        c.SaveConfig();
        Db().SetConnected(false);
    }
    void TearDown() override
    {
        AppHome::SetHome(QString());
        DbTest::TearDown();
    }
    QTemporaryDir m_home;
    TScriptedDialog Dialog;
};

TEST_P(ConnectEmptyDatabase, GetsTheSchema)
{
    if (Engine() == TEngine::PostgreSQL) {
        Messages.Answers.enqueue(false);
        EXPECT_FALSE(ConnectDatabase(Dialog.Callback()));
        EXPECT_EQ(Dialog.Shown, 1);
        ASSERT_FALSE(Messages.Plain().isEmpty());
        EXPECT_TRUE(Messages.Plain()[0].contains(QStringLiteral("是否现在创建?")));
        EXPECT_FALSE(Db().Connected());
        Messages.Texts.clear();
        Messages.Answers.enqueue(true);
    }
    ASSERT_TRUE(ConnectDatabase(Dialog.Callback())) << Messages.Last().toStdString();
    EXPECT_EQ(&GlobalDatabase(), &Db());
    EXPECT_EQ(Db().IsSqlServer(), Engine() == TEngine::PostgreSQL);
    EXPECT_EQ(TSchema::Version(Db()), TSchema::CurrentVersion());
    EXPECT_EQ(countOf(Db(), QStringLiteral("select count(*) from operator where LoginId='sa'")), 1);
    EXPECT_EQ(Messages.Texts.size(), Engine() == TEngine::PostgreSQL ? 1 : 0);
}

MQ_BOTH_ENGINES(ConnectEmptyDatabase);
