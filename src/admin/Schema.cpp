#include "Schema.h"

#include "Database.h"
#include "Errors.h"
#include "RecordSet.h"
#include "Seams.h"
#include "SqlScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kRoot = QStringLiteral(":/schema");

// Scripts of one folder by version; a version may have several files, run in name order.
QMap<int, QStringList> scriptsIn(const QString& folder)
{
    QMap<int, QStringList> scripts;
    const QDir dir(kRoot + u'/' + folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        int digits = 0;
        while (digits < name.size() && name[digits].isDigit()) ++digits;
        if (digits == 0) continue;
        scripts[name.left(digits).toInt()] << dir.filePath(name);
    }
    return scripts;
}

QString engineFolder(TEngine engine)
{
    return engine == TEngine::PostgreSQL ? QStringLiteral("postgresql") : QStringLiteral("sqlite");
}

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw EMqError(QStringLiteral("找不到数据库脚本: %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

// Scripts run as written for their engine, past the dialect of the program's own statements.
void runScript(TDatabase& db, const QString& path)
{
    for (const QString& statement : SqlScript::Split(readText(path))) {
        QSqlQuery q(db.Handle());
        if (!q.exec(statement)) throw EDatabaseError(q.lastError().text() + QStringLiteral("\r\n") + statement);
    }
}

int count(TDatabase& db, const QString& sql, const TDBParameters& params = {})
{
    QSqlQuery q = db.Select(sql, params);
    return q.next() ? q.value(0).toInt() : 0;
}

bool hasTable(TDatabase& db, const QString& name)
{
    if (db.Engine() == TEngine::PostgreSQL)
        return count(db,
                     QStringLiteral("select count(*) from information_schema.tables "
                                    "where table_schema=current_schema() and table_name=:Name"),
                     {DBParam(QStringLiteral("Name"), name.toLower())})
               > 0;
    return count(db, QStringLiteral("select count(*) from sqlite_master where type='table' and name=:Name"),
                 {DBParam(QStringLiteral("Name"), name)})
           > 0;
}

int tableCount(TDatabase& db)
{
    if (db.Engine() == TEngine::PostgreSQL)
        return count(db, QStringLiteral("select count(*) from information_schema.tables "
                                         "where table_schema=current_schema() and table_type='BASE TABLE'"));
    return count(db, QStringLiteral("select count(*) from sqlite_master where type='table' "
                                    "and substr(name, 1, 7)<>'sqlite_'"));
}

}  // namespace

int TSchema::CurrentVersion()
{
    static const int version = [] {
        int v = 0;
        for (const QString& folder : {QStringLiteral("sqlite"), QStringLiteral("postgresql"), QStringLiteral("common")}) {
            const QMap<int, QStringList> scripts = scriptsIn(folder);
            if (!scripts.isEmpty()) v = qMax(v, scripts.lastKey());
        }
        return v;
    }();
    return version;
}

int TSchema::Version(TDatabase& db)
{
    if (!hasTable(db, QStringLiteral("schema_version"))) return 0;
    return count(db, QStringLiteral("select max(Version) from schema_version"));
}

void TSchema::CreateOrUpgrade(TDatabase& db)
{
    const int target = CurrentVersion();
    if (target == 0) throw EMqError(QStringLiteral("程序中没有数据库脚本"));
    if (Version(db) == target) return;

    TTransaction transaction(db);
    // Two workstations upgrading one server at once: the second waits and then finds it done.
    db.LockForUpdate(QStringLiteral("mq.schema"));
    const int version = Version(db);
    if (version > target)
        throw EMqError(QStringLiteral("数据库的版本(%1)比本程序的版本(%2)新,请使用新版本的程序.").arg(version).arg(target));
    if (version == 0 && tableCount(db) > 0)
        throw EMqError(QStringLiteral("数据库中已有其他的数据表,不能在其中创建本系统的数据库."));

    const QMap<int, QStringList> engineScripts = scriptsIn(engineFolder(db.Engine()));
    const QMap<int, QStringList> commonScripts = scriptsIn(QStringLiteral("common"));
    for (int v = version + 1; v <= target; ++v) {
        for (const QString& path : engineScripts.value(v)) runScript(db, path);
        for (const QString& path : commonScripts.value(v)) runScript(db, path);
        db.Execute(QStringLiteral("insert into schema_version(Version, Applied) values (:Version, :Applied)"),
                   {DBParam(QStringLiteral("Version"), v),
                    DBParam(QStringLiteral("Applied"),
                            Platform::Clock().Now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))});
    }
    SeedPrintTemplates(db, kRoot + QStringLiteral("/templates"));
    transaction.Commit();
}

int TSchema::SeedPrintTemplates(TDatabase& db, const QString& folder)
{
    QFile index(folder + QStringLiteral("/index.txt"));
    if (!index.open(QIODevice::ReadOnly)) return 0;
    int added = 0;
    const QStringList lines = QString::fromUtf8(index.readAll()).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList parts = lines[i].split(u'\t');
        bool idOk = false;
        bool groupOk = false;
        const int id = parts.value(0).trimmed().toInt(&idOk);
        const int group = parts.value(1).trimmed().toInt(&groupOk);
        if (parts.size() < 3 || !idOk || !groupOk)
            throw EMqError(QStringLiteral("打印模板清单第 %1 行格式不对: %2").arg(i + 1).arg(line));
        if (count(db, QStringLiteral("select count(*) from report where Id=:Id"), {DBParam(QStringLiteral("Id"), id)}) > 0)
            continue;
        QByteArray content;
        const QString file = parts.value(3).trimmed();
        if (!file.isEmpty()) {
            QFile f(folder + u'/' + file);
            if (!f.open(QIODevice::ReadOnly)) throw EMqError(QStringLiteral("找不到打印模板文件: %1").arg(f.fileName()));
            content = f.readAll();
        }
        db.Execute(QStringLiteral("insert into report(Id, GrpId, Title, Fr3File) values (:Id, :GrpId, :Title, :Fr3File)"),
                   {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("GrpId"), group),
                    DBParam(QStringLiteral("Title"), parts[2].trimmed())},
                   {xDBParam(QStringLiteral("Fr3File"), content)});
        ++added;
    }
    return added;
}
