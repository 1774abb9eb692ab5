#include "CliCommand.h"

#include "Database.h"
#include "Errors.h"
#include "Schema.h"

#include <QDir>
#include <QFileInfo>

// init: creates the schema and seed rows in a new SQLite file or an empty PostgreSQL database,
// or upgrades a database of an older version. A current database is left as it is.
int RunInit(TCliContext& context)
{
    if (!context.Args.isEmpty()) {
        context.Fail(QStringLiteral("init 不接受参数: %1").arg(context.Args.join(u' ')));
        return 2;
    }
    const bool sqlite = !context.DbFile.isEmpty();
    if (sqlite) {
        const QFileInfo file(context.DbFile);
        if (file.exists() && file.isDir()) return context.Fail(QStringLiteral("%1 是一个目录").arg(context.DbFile));
        if (!file.absoluteDir().exists())
            return context.Fail(QStringLiteral("目录不存在: %1").arg(file.absolutePath()));
    }
    const QString where = sqlite ? context.DbFile : TDatabase::ValueOf(context.ConnectionString(), QStringLiteral("Initial Catalog"));
    TDatabase db;
    if (!context.Connect(db, true)) return 1;
    try {
        const int before = TSchema::Version(db);
        TSchema::CreateOrUpgrade(db);
        const int after = TSchema::Version(db);
        if (before == after)
            context.Out << QStringLiteral("数据库已是当前版本(%1): %2").arg(after).arg(where) << Qt::endl;
        else if (before == 0)
            context.Out << QStringLiteral("已创建数据库(版本 %1): %2").arg(after).arg(where) << Qt::endl;
        else
            context.Out << QStringLiteral("已把数据库从版本 %1 升级到版本 %2: %3").arg(before).arg(after).arg(where) << Qt::endl;
    } catch (const EMqError& e) {
        return context.Fail(e.Message());
    } catch (const EDatabaseError& e) {
        return context.Fail(QStringLiteral("创建数据库失败: %1").arg(e.Message().section(QStringLiteral("\r\n"), 0, 0)));
    }
    return 0;
}
