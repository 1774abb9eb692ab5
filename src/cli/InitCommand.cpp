#include "CliCommand.h"

#include "Database.h"
#include "Errors.h"
#include "Schema.h"
#include "CommonObjects.h"
#include "DemoData.h"

#include <QElapsedTimer>
#include <optional>

#include <QDir>
#include <QFileInfo>

namespace {

int fillDemo(TCliContext& context, TDatabase& db, TDemoSize size, quint32 seed)
{
    if (!context.Login()) return 1;
    LoadCommonObjects();
    TDemoOptions options;
    options.Size = size;
    options.Seed = seed;
    QElapsedTimer timer;
    timer.start();
    options.Progress = [&](const QString& stage, qint64 done, qint64 total) {
        context.Progress(QStringLiteral("演示数据: %1 %2/%3 (%4 秒)").arg(stage).arg(done).arg(total).arg(timer.elapsed() / 1000.0, 0, 'f', 1));
    };
    const TDemoCounts c = MqDemo::Fill(db, options);
    context.Out << QStringLiteral("已填入演示数据: 客户 %1, 货品 %2, 报价单 %3, 订单 %4, 发货单 %5 (明细 %6), 收款单 %7, 发票 %8, "
                                  "其他应收单 %9, 费用单 %10")
                       .arg(c.Clients).arg(c.Goods).arg(c.Quotations).arg(c.Orders).arg(c.Deliveries).arg(c.DeliveryLines)
                       .arg(c.Receipts).arg(c.Invoices).arg(c.OtherReceivables).arg(c.Expenses)
                << Qt::endl;
    return 0;
}

}  // namespace

// init: creates the schema and seed rows in a new SQLite file or an empty PostgreSQL database,
// or upgrades a database of an older version. A current database is left as it is.
int RunInit(TCliContext& context)
{
    std::optional<TDemoSize> demo;
    quint32 seed = 1;
    QStringList args = context.Args;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a != QLatin1String("--demo") && a != QLatin1String("--seed")) {
            context.Fail(QStringLiteral("init 不接受参数: %1").arg(a));
            return 2;
        }
        if (args.isEmpty()) {
            context.Fail(QStringLiteral("%1 后面缺少值").arg(a));
            return 2;
        }
        const QString value = args.takeFirst();
        if (a == QLatin1String("--demo")) {
            if (value == QLatin1String("small")) demo = TDemoSize::Small;
            else if (value == QLatin1String("large")) demo = TDemoSize::Large;
            else {
                context.Fail(QStringLiteral("--demo 只能是 small 或 large: %1").arg(value));
                return 2;
            }
        } else {
            bool ok = false;
            seed = value.toUInt(&ok);
            if (!ok) {
                context.Fail(QStringLiteral("--seed 必须是一个非负整数: %1").arg(value));
                return 2;
            }
        }
    }
    const bool sqlite = !context.DbFile.isEmpty();
    if (sqlite) {
        const QFileInfo file(context.DbFile);
        if (file.exists() && file.isDir()) return context.Fail(QStringLiteral("%1 是一个目录").arg(context.DbFile));
        if (!file.absoluteDir().exists())
            return context.Fail(QStringLiteral("目录不存在: %1").arg(file.absolutePath()));
    }
    const QString where = sqlite ? context.DbFile : TDatabase::ValueOf(context.ConnectionString(), QStringLiteral("Initial Catalog"));
    TDatabase& db = GlobalDatabase();
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
        if (demo) return fillDemo(context, db, *demo, seed);
    } catch (const EMqError& e) {
        return context.Fail(e.Message());
    } catch (const EDatabaseError& e) {
        return context.Fail(QStringLiteral("创建数据库失败: %1").arg(e.Message().section(QStringLiteral("\r\n"), 0, 0)));
    }
    return 0;
}
