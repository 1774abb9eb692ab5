#include "AppHome.h"
#include "Configer.h"
#include "Database.h"
#include "IniFile.h"
#include "TestSeams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray gbk(const QString& s) { return TIniFile::Encode(s); }

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString value(const QString& cs, const char* key) { return TDatabase::ValueOf(cs, QString::fromLatin1(key)); }

// Every test gets its own home folder, so cfg.ini and the default database are its own.
class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppHome::SetHome(m_dir.path());
    }
    void TearDown() override { AppHome::SetHome(QString()); }
    QString Ini() const { return m_dir.filePath(QStringLiteral("cfg.ini")); }
    QString Home() const { return QDir(m_dir.path()).canonicalPath(); }

    TRecordingMessages Messages;
    QTemporaryDir m_dir;
};

}  // namespace

TEST(Scramble, IsItsOwnInverseAndUsesTheKeyDigits)
{
    // Key "quillbrand": position i uses the letter at (i + 1) mod 10, i.e. u(7) i(5) l(8) ...
    EXPECT_EQ(TConfiger::Scramble("abc"), QByteArray("fgk"));
    EXPECT_EQ(TConfiger::Scramble(QByteArray()), QByteArray());
    const QByteArray samples[] = {"sa", "0123456789ABCDEFGHIJ", gbk(QStringLiteral("恒川销售管理系统")),
                                  QByteArray("\x00\x0a\xff=;", 5)};
    for (const QByteArray& s : samples) EXPECT_EQ(TConfiger::Scramble(TConfiger::Scramble(s)), s);
}

TEST_F(ConfigTest, ScrambledValuesSurviveTheFileByteForByte)
{
    // Chosen so that the scrambled bytes hold a line break, '=', ';', a quote, a backslash,
    // carriage return or surrounding spaces: all must read back exactly.
    const QString samples[] = {
        QStringLiteral("管理员密码"),
        QStringLiteral("abcdefghi\t"),   // tab at position 9 turns into a line break
        QStringLiteral(":x"),            // ':' at position 0 turns into '='
        QStringLiteral("<x"),            // ... into ';'
        QStringLiteral("%abcdefgh\""),   // into a quote at both ends
        QStringLiteral("[a"),            // into a backslash
        QStringLiteral("\nz"),           // into a carriage return
        QStringLiteral("'abcdefg "),     // into a leading and a trailing space
        QStringLiteral("/home/用户/数据 库/账套.db"),
    };
    for (const QString& s : samples) {
        SCOPED_TRACE(s.toStdString());
        TConfiger c;
        c.mssqlPw = s;
        c.jetfile = s;
        c.jetPw = s;
        c.SaveConfig();
        const TConfiger r;
        EXPECT_EQ(r.mssqlPw, s);
        EXPECT_EQ(r.jetfile, s);
        EXPECT_EQ(r.jetPw, s);
        // The other keys were not broken by the stored bytes.
        EXPECT_EQ(r.providerIdx, c.providerIdx);
        EXPECT_EQ(r.dipUser, c.dipUser);
    }
}

TEST_F(ConfigTest, IniKeepsEveryByteOfAValue)
{
    TIniFile ini(Ini());
    for (int b = 0; b < 256; ++b) {
        ini.WriteBytes(QStringLiteral("bytes"), QString::number(b), QByteArray(1, char(b)));
        ini.WriteBytes(QStringLiteral("inner"), QString::number(b), "x" + QByteArray(1, char(b)) + "\\x41y");
    }
    ASSERT_TRUE(ini.UpdateFile());
    const TIniFile back(Ini());
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(back.ReadBytes(QStringLiteral("bytes"), QString::number(b)), QByteArray(1, char(b))) << b;
        EXPECT_EQ(back.ReadBytes(QStringLiteral("inner"), QString::number(b)), "x" + QByteArray(1, char(b)) + "\\x41y")
            << b;
    }
}

TEST_F(ConfigTest, ReadsAWindowsFileAndKeepsWhatItDoesNotKnow)
{
    const QByteArray original = "; written by hand\r\n"
                                "[DB]\r\n"
                                "providerIdx = 0\r\n"
                                "mssqlServer= " + gbk(QStringLiteral("财务服务器")) + "\r\n"
                                "mssqlDb =sales\r\n"
                                "custom=keep me\r\n"
                                "\r\n"
                                "[Login]\r\n"
                                "LastLoginId=" + gbk(QStringLiteral("张三")) + "\r\n"
                                "\r\n"
                                "[other]\r\n"
                                "x=1\r\n";
    writeFile(Ini(), original);
    TConfiger c;
    EXPECT_EQ(c.providerIdx, 0);
    EXPECT_EQ(c.mssqlServer, QStringLiteral("财务服务器"));
    EXPECT_EQ(c.mssqlDb, QStringLiteral("sales"));
    EXPECT_EQ(c.mssqlPort, 5432);  // absent: the server's default port
    EXPECT_TRUE(c.defaultCon);
    EXPECT_EQ(TConfiger::ReadLastLoginId(), QStringLiteral("张三"));

    c.mssqlDb = QStringLiteral("销售账套");
    c.SmartConnect = true;
    c.SaveConfig();
    const QByteArray saved = fileBytes(Ini());
    EXPECT_TRUE(saved.startsWith("; written by hand\r\n[DB]\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("custom=keep me\r\n"));
    EXPECT_TRUE(saved.contains("[other]\r\nx=1\r\n"));
    EXPECT_TRUE(saved.contains(QByteArray("mssqlDb=" + gbk(QStringLiteral("销售账套")) + "\r\n")));
    EXPECT_TRUE(saved.contains(QByteArray("LastLoginId=" + gbk(QStringLiteral("张三")))));
    EXPECT_FALSE(saved.contains("\n\n")) << "line endings of the file are kept";
    EXPECT_EQ(TConfiger().mssqlDb, QStringLiteral("销售账套"));
}

TEST_F(ConfigTest, AFirstStartOpensTheEmbeddedDatabase)
{
    ASSERT_FALSE(TConfiger::Exists());
    TConfiger fresh;
    EXPECT_EQ(fresh.providerIdx, 1);
    EXPECT_TRUE(fresh.defaultCon);
    EXPECT_EQ(fresh.GetConnectionString(), QStringLiteral("Provider=SQLite;Data Source=%1/mqscm3.db").arg(Home()));

    EXPECT_TRUE(TConfiger::CreateIfMissing());
    EXPECT_FALSE(TConfiger::CreateIfMissing());
    const TIniFile ini(Ini());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("db"), QStringLiteral("providerIdx"), -1), 1);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("db"), QStringLiteral("defaultCon"), -1), 1);

    // A file that exists but lacks the key means the server, as it always has.
    writeFile(Ini(), "[db]\nmssqlServer=x\n");
    EXPECT_EQ(TConfiger().providerIdx, 0);
}

TEST_F(ConfigTest, ConnectionStringPerProvider)
{
    const QString defaultFile = QStringLiteral("Provider=SQLite;Data Source=%1/mqscm3.db").arg(Home());
    struct Case {
        int provider;
        bool defaultCon;
        QString expected;
    };
    const Case cases[] = {
        {1, true, defaultFile},  // whatever ConnStr holds
        {1, false, QStringLiteral("Provider=SQLite;Data Source=/data/公司 账套.db")},
        {0, true, QStringLiteral("Provider=PostgreSQL;Data Source=db.local;Port=6543;Initial Catalog=sales;"
                                 "User ID=clerk;Password=\"p;w\"\"d\"")},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.provider);
        TConfiger c;
        c.providerIdx = k.provider;
        c.defaultCon = false;
        c.jetfile = QStringLiteral("/data/公司 账套.db");
        c.jetPw = QStringLiteral("secret");
        c.mssqlServer = QStringLiteral("db.local");
        c.mssqlPort = 6543;
        c.mssqlDb = QStringLiteral("sales");
        c.mssqlUser = QStringLiteral("clerk");
        c.mssqlPw = QStringLiteral("p;w\"d");
        c.SaveConfig();
        TConfiger r;
        if (k.defaultCon) {
            r.defaultCon = true;
            r.SaveConfig();
            r = TConfiger();
        }
        EXPECT_EQ(r.GetConnectionString(), k.expected);
    }
    // A password with ';' reaches the connection whole.
    EXPECT_EQ(value(cases[2].expected, "Password"), QStringLiteral("p;w\"d"));
}

TEST_F(ConfigTest, ServerAliasFollowsSmartConnect)
{
    TConfiger c;
    c.providerIdx = 0;
    c.mssqlServer = QStringLiteral("dbhost");
    c.mssqlPort = 5433;
    c.mssqlDb = QStringLiteral("sales");
    c.SmartConnect = false;
    c.SaveConfig();
    EXPECT_EQ(TIniFile(Ini()).ReadString(QStringLiteral("alias"), QStringLiteral("dbhost")),
              QStringLiteral("dbhost,5433"));
    QString cs = TConfiger().GetConnectionString();
    EXPECT_EQ(value(cs, "Data Source"), QStringLiteral("dbhost"));
    EXPECT_EQ(value(cs, "Port"), QStringLiteral("5433"));
    EXPECT_EQ(value(cs, "Initial Catalog"), QStringLiteral("sales"));

    c.SmartConnect = true;
    c.SaveConfig();
    EXPECT_FALSE(TIniFile(Ini()).ValueExists(QStringLiteral("alias"), QStringLiteral("dbhost")));
    cs = TConfiger().GetConnectionString();
    EXPECT_EQ(value(cs, "Port"), QString()) << "the server's default port";

    // An alias written by hand may send a name to another host; a password holding ";Port="
    // does not pass for a port.
    TIniFile ini(Ini());
    ini.WriteString(QStringLiteral("alias"), QStringLiteral("office"), QStringLiteral("10.0.0.5,5544"));
    ASSERT_TRUE(ini.UpdateFile());
    TConfiger a;
    cs = a.ApplyServerAlias(QStringLiteral("Provider=PostgreSQL;Data Source=office;Initial Catalog=d;User ID=u;"
                                           "Password=\";Port=1\""));
    EXPECT_EQ(value(cs, "Data Source"), QStringLiteral("10.0.0.5"));
    EXPECT_EQ(value(cs, "Port"), QStringLiteral("5544"));
    EXPECT_EQ(value(cs, "Password"), QStringLiteral(";Port=1"));
    EXPECT_EQ(value(cs, "Initial Catalog"), QStringLiteral("d"));
    const QString own = QStringLiteral("Provider=PostgreSQL;Data Source=office;Port=7000");
    EXPECT_EQ(a.ApplyServerAlias(own), own);
}

TEST_F(ConfigTest, DipAnswerOfFiveLines)
{
    TFakeHttp http;
    struct Case {
        QByteArray body;
        bool ok;
        bool connects;
    };
    const Case cases[] = {
        {"srv.example\n5433\nclerk\npw\nsales\n", true, true},
        {"srv.example\r\n5433\r\nclerk\r\npw\r\nsales", true, true},
        {"srv.example\n5433\nclerk\npw\n", true, false},
        {"srv.example\n5433\nclerk\npw\nsales\nextra\n", true, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.body.toStdString());
        QFile::remove(Ini());
        Messages.Texts.clear();
        http.Urls.clear();
        http.Reply = THttpReply{k.ok, 200, k.body, QString()};
        TConfiger c;
        c.providerIdx = 2;
        c.dipUrl = QStringLiteral("http://dip.example/conn");
        c.dipUser = QStringLiteral("shop 1&2");
        const QString cs = c.GetConnectionString();
        EXPECT_EQ(http.Urls, QStringList{QStringLiteral("http://dip.example/conn?user=shop%201%262")});
        EXPECT_TRUE(Messages.Texts.isEmpty());
        if (!k.connects) {
            EXPECT_EQ(cs, QString());
            continue;
        }
        EXPECT_EQ(value(cs, "Provider"), QStringLiteral("PostgreSQL"));
        EXPECT_EQ(value(cs, "Data Source"), QStringLiteral("srv.example"));
        EXPECT_EQ(value(cs, "Port"), QStringLiteral("5433"));
        EXPECT_EQ(value(cs, "User ID"), QStringLiteral("clerk"));
        EXPECT_EQ(value(cs, "Password"), QStringLiteral("pw"));
        EXPECT_EQ(value(cs, "Initial Catalog"), QStringLiteral("sales"));
    }

    http.Reply = THttpReply{false, 0, QByteArray(), QStringLiteral("Host not found")};
    TConfiger c;
    c.providerIdx = 2;
    EXPECT_EQ(c.GetConnectionString(), QString());
    EXPECT_EQ(Messages.Plain(), QStringList{QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通.")});
}

TEST_F(ConfigTest, LastLoginIdAndBuildSuffix)
{
    EXPECT_EQ(TConfiger::ReadLastLoginId(), QString());
    EXPECT_EQ(TConfiger::ReadBuildSuffix(), QString());

    TConfiger dialog;  // as the connection dialog holds it while the login is written
    ASSERT_TRUE(TConfiger::WriteLastLoginId(QStringLiteral("张三")));
    dialog.SaveConfig();
    EXPECT_EQ(TConfiger::ReadLastLoginId(), QStringLiteral("张三"));
    EXPECT_TRUE(fileBytes(Ini()).contains(QByteArray("LastLoginId=" + gbk(QStringLiteral("张三")))));

    TIniFile ini(Ini());
    ini.WriteString(QStringLiteral("publish"), QStringLiteral("b"), QStringLiteral(" 专业版"));
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(TConfiger::ReadBuildSuffix(), QStringLiteral(" 专业版"));
}

TEST_F(ConfigTest, SavingToAnUnwritableFolderSaysSo)
{
    TConfiger c(m_dir.filePath(QStringLiteral("missing/folder/cfg.ini")));
    try {
        c.SaveConfig();
        FAIL() << "no error";
    } catch (const EMqError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("无法保存配置文件"))) << e.Message().toStdString();
    }
}

TEST(AppHomeTest, CommandLineHomeIsCreatedAndTakenOut)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("a/b"));
    const QStringList rest = AppHome::Init({QStringLiteral("mqsale"), QStringLiteral("--home"), home,
                                            QStringLiteral("sa"), QStringLiteral("pw")});
    EXPECT_EQ(rest, (QStringList{QStringLiteral("mqsale"), QStringLiteral("sa"), QStringLiteral("pw")}));
    EXPECT_EQ(AppHome::Home(), QDir::cleanPath(home));
    EXPECT_TRUE(QDir(home).exists());
    EXPECT_EQ(TConfiger::DefaultFileName(), home + QStringLiteral("/cfg.ini"));

    writeFile(AppHome::FilePath(QStringLiteral("splash.jpg")), "x");
    EXPECT_EQ(AppHome::ResourcePath(QStringLiteral("splash.jpg")), home + QStringLiteral("/splash.jpg"));
    EXPECT_EQ(AppHome::ResourcePath(QStringLiteral("no-such-file.txt")), QString());

    // Without an override the environment decides (the test run sets MQ_HOME).
    AppHome::SetHome(QString());
    qputenv("MQ_HOME", dir.filePath(QStringLiteral("env")).toLocal8Bit());
    EXPECT_EQ(AppHome::Home(), dir.filePath(QStringLiteral("env")));
    qunsetenv("MQ_HOME");
    AppHome::SetHome(QString());
    EXPECT_FALSE(AppHome::Home().isEmpty());
}
