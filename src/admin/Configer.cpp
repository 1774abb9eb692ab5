#include "Configer.h"

#include "AppHome.h"
#include "Database.h"
#include "Errors.h"
#include "IniFile.h"
#include "MqLib.h"
#include "Seams.h"

#include <QFileInfo>
#include <QUrl>

namespace {

const QString kDb = QStringLiteral("db");
const QString kAlias = QStringLiteral("alias");
const QString kIniName = QStringLiteral("cfg.ini");
const QString kBaseName = QStringLiteral("mqscm3");
const int kDipTimeoutMs = 15000;

// A value of a "Key=Value;" connection string; one holding ';' or quotes is quoted.
QString connValue(const QString& v)
{
    if (!v.contains(u';') && !v.contains(u'"') && v.trimmed() == v) return v;
    QString q = v;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString serverString(const QString& server, const QString& port, const QString& db, const QString& user,
                     const QString& password)
{
    QString s = QStringLiteral("Provider=PostgreSQL;Data Source=") + connValue(server);
    if (!port.isEmpty()) s += QStringLiteral(";Port=") + connValue(port);
    return s + QStringLiteral(";Initial Catalog=") + connValue(db) + QStringLiteral(";User ID=") + connValue(user)
           + QStringLiteral(";Password=") + connValue(password);
}

QString fileString(const QString& file) { return QStringLiteral("Provider=SQLite;Data Source=") + connValue(file); }

void writeAlias(TIniFile& ini, const QString& server, const QString& port, bool remove)
{
    if (server.trimmed().isEmpty()) return;
    if (remove)
        ini.DeleteKey(kAlias, server);
    else
        ini.WriteString(kAlias, server, port.isEmpty() ? server : server + u',' + port);
}

}  // namespace

TConfiger::TConfiger()
    : TConfiger(DefaultFileName())
{
}

TConfiger::TConfiger(const QString& iniFile)
    : m_fileName(iniFile)
{
    read();
}

void TConfiger::read()
{
    const TIniFile ini(m_fileName);
    // A first start (no file at all) opens the embedded database rather than a server nobody set up.
    providerIdx = ini.ReadInteger(kDb, QStringLiteral("providerIdx"), ini.Exists() ? 0 : 1);
    defaultCon = ini.ReadBool(kDb, QStringLiteral("defaultCon"), true);
    mssqlServer = ini.ReadString(kDb, QStringLiteral("mssqlServer"));
    mssqlPort = ini.ReadInteger(kDb, QStringLiteral("mssqlPort"), DefaultServerPort);
    mssqlDb = ini.ReadString(kDb, QStringLiteral("mssqlDb"));
    mssqlUser = ini.ReadString(kDb, QStringLiteral("mssqlUser"));
    mssqlPw = UnscrambleText(ini.ReadBytes(kDb, QStringLiteral("mssqlPw")));
    jetfile = UnscrambleText(ini.ReadBytes(kDb, QStringLiteral("jetfile")));
    jetUser = ini.ReadString(kDb, QStringLiteral("jetUser"));
    jetPw = UnscrambleText(ini.ReadBytes(kDb, QStringLiteral("jetPw")));
    dipUrl = ini.ReadString(kDb, QStringLiteral("dipUrl"));
    dipUser = ini.ReadString(kDb, QStringLiteral("dipUser"));
    SmartConnect = false;
}

QString TConfiger::DefaultFileName() { return AppHome::FilePath(kIniName); }

bool TConfiger::Exists() { return QFileInfo::exists(DefaultFileName()); }

QString TConfiger::DefaultDatabaseFile() { return AppHome::FilePath(kBaseName + QStringLiteral(".db")); }

QString TConfiger::DefaultDatabaseString() { return fileString(DefaultDatabaseFile()); }

QByteArray TConfiger::Scramble(const QByteArray& bytes)
{
    static const char key[] = "quillbrand";
    QByteArray out = bytes;
    for (qsizetype i = 0; i < out.size(); ++i) out[i] = char(out[i] ^ (key[(i + 1) % 10] % 10));
    return out;
}

QByteArray TConfiger::ScrambleText(const QString& text) { return Scramble(TIniFile::Encode(text)); }

QString TConfiger::UnscrambleText(const QByteArray& stored) { return TIniFile::Decode(Scramble(stored)); }

QString TConfiger::GetConnectionString()
{
    QString s;
    if (UsesDefaultFile()) {
        s = DefaultDatabaseString();
    } else if (providerIdx == 2) {
        s = FetchDipConnection();
    } else {
        s = UnscrambleText(TIniFile(m_fileName).ReadBytes(kDb, QStringLiteral("ConnStr")));
    }
    return ApplyServerAlias(s);
}

QString TConfiger::BuildConnectionString() const
{
    switch (providerIdx) {
    case 0:
        // The port reaches the connection through the [alias] entry, unless smart connection
        // leaves the server's own default in force.
        return serverString(mssqlServer, QString(), mssqlDb, mssqlUser, mssqlPw);
    case 1:
        return fileString(jetfile);
    default:
        return QString();
    }
}

void TConfiger::SaveConfig()
{
    TIniFile ini(m_fileName);
    ini.WriteString(kDb, QStringLiteral("mssqlServer"), mssqlServer);
    ini.WriteInteger(kDb, QStringLiteral("mssqlPort"), mssqlPort);
    ini.WriteString(kDb, QStringLiteral("mssqlDb"), mssqlDb);
    ini.WriteString(kDb, QStringLiteral("mssqlUser"), mssqlUser);
    ini.WriteBytes(kDb, QStringLiteral("mssqlPw"), ScrambleText(mssqlPw));
    ini.WriteBytes(kDb, QStringLiteral("jetfile"), ScrambleText(jetfile));
    ini.WriteString(kDb, QStringLiteral("jetUser"), jetUser);
    ini.WriteBytes(kDb, QStringLiteral("jetPw"), ScrambleText(jetPw));
    ini.WriteString(kDb, QStringLiteral("dipUrl"), dipUrl);
    ini.WriteString(kDb, QStringLiteral("dipUser"), dipUser);
    ini.WriteInteger(kDb, QStringLiteral("providerIdx"), providerIdx);
    ini.WriteBool(kDb, QStringLiteral("defaultCon"), defaultCon);
    if (providerIdx == 0) writeAlias(ini, mssqlServer, QString::number(mssqlPort), SmartConnect);
    ini.WriteBytes(kDb, QStringLiteral("ConnStr"), ScrambleText(BuildConnectionString()));
    if (!ini.UpdateFile())
        throw EMqError(QStringLiteral("无法保存配置文件 %1,请检查该文件夹是否允许写入.").arg(m_fileName));
}

bool TConfiger::SetServerAlias(const QString& server, const QString& port, bool remove)
{
    TIniFile ini(m_fileName);
    writeAlias(ini, server, port, remove);
    return ini.UpdateFile();
}

QString TConfiger::ApplyServerAlias(const QString& cs) const
{
    if (TDatabase::EngineOf(cs) != TEngine::PostgreSQL) return cs;
    if (!TDatabase::ValueOf(cs, QStringLiteral("Port")).isEmpty()) return cs;
    const QString server = TDatabase::ValueOf(cs, QStringLiteral("Data Source"));
    if (server.isEmpty()) return cs;
    const QString alias = TIniFile(m_fileName).ReadString(kAlias, server).trimmed();
    if (alias.isEmpty()) return cs;
    const qsizetype comma = alias.lastIndexOf(u',');
    const QString host = (comma < 0 ? alias : alias.left(comma)).trimmed();
    const QString port = comma < 0 ? QString() : alias.mid(comma + 1).trimmed();
    return serverString(host.isEmpty() ? server : host, port,
                        TDatabase::ValueOf(cs, QStringLiteral("Initial Catalog")),
                        TDatabase::ValueOf(cs, QStringLiteral("User ID")),
                        TDatabase::ValueOf(cs, QStringLiteral("Password")));
}

QString TConfiger::FetchDipConnection()
{
    const QString url = QStringLiteral("%1?user=%2").arg(dipUrl, QString::fromLatin1(QUrl::toPercentEncoding(dipUser)));
    const THttpReply reply = Platform::Http().Get(url, kDipTimeoutMs);
    if (!reply.Ok) {
        ShowInfo(QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
        return QString();
    }
    QStringList lines = QString::fromUtf8(reply.Body).split(u'\n');
    // A final line break ends the last line; it does not start another.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1);
    if (lines.size() != 5) return QString();
    const QString& server = lines[0];
    SetServerAlias(server, lines[1], false);
    return QStringLiteral("Provider=PostgreSQL;Data Source=%1;User ID=%2;Password=%3;Initial Catalog=%4")
        .arg(connValue(server), connValue(lines[2]), connValue(lines[3]), connValue(lines[4]));
}

bool TConfiger::CreateIfMissing()
{
    if (Exists()) return false;
    TConfiger first;  // reads the first-start defaults: the embedded database file
    try {
        first.SaveConfig();
    } catch (const EMqError&) {
        return false;
    }
    return true;
}

QString TConfiger::ReadLastLoginId()
{
    return TIniFile(DefaultFileName()).ReadString(QStringLiteral("Login"), QStringLiteral("LastLoginId"));
}

bool TConfiger::WriteLastLoginId(const QString& loginId)
{
    TIniFile ini(DefaultFileName());
    ini.WriteString(QStringLiteral("Login"), QStringLiteral("LastLoginId"), loginId);
    return ini.UpdateFile();
}

QString TConfiger::ReadBuildSuffix()
{
    return TIniFile(DefaultFileName()).ReadString(QStringLiteral("publish"), QStringLiteral("b"));
}
