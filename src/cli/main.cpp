#include "CliCommand.h"
#include "Errors.h"

#include <QCoreApplication>

// mqsalectl [--db FILE | --pg CONNECTION] COMMAND [ARGUMENTS]
namespace {

void printHelp(QTextStream& out)
{
    out << QStringLiteral(
        "恒川销售管理系统 命令行工具 / command-line companion\n"
        "\n"
        "用法 / Usage:\n"
        "  mqsalectl --db 文件 命令 [参数]\n"
        "  mqsalectl --pg \"连接串\" 命令 [参数]\n"
        "\n"
        "选项 / Options:\n"
        "  --db FILE         SQLite 数据库文件 / SQLite database file\n"
        "  --pg CONN         PostgreSQL 连接串 / PostgreSQL connection string, e.g.\n"
        "                    \"Provider=PostgreSQL;Data Source=127.0.0.1;Port=5432;Initial Catalog=db;User ID=u;Password=p\"\n"
        "  --user LOGIN      操作员, 默认 sa / operator, sa by default\n"
        "  --password PW     操作员的密码, 默认为空 / the operator's password, empty by default\n"
        "  -h, --help        显示本帮助 / show this help\n"
        "\n"
        "命令 / Commands:\n");
    for (const TCliCommand& c : CliCommands()) {
        out << QStringLiteral("  %1\n").arg(QString(c.Name + u' ' + c.Usage).trimmed());
        out << QStringLiteral("      %1\n").arg(c.SummaryZh);
        out << QStringLiteral("      %1\n").arg(c.SummaryEn);
    }
    out << QStringLiteral(
        "\n"
        "退出码 / Exit status: 0 成功 / success, 1 失败 / failure, 2 用法错误 / wrong use.\n");
    out.flush();
}

bool isGlobalOption(const QString& a)
{
    return a == QLatin1String("--db") || a == QLatin1String("--pg") || a == QLatin1String("--user") ||
           a == QLatin1String("--password");
}

QString& globalOption(TCliContext& context, const QString& a)
{
    if (a == QLatin1String("--db")) return context.DbFile;
    if (a == QLatin1String("--pg")) return context.PgConnection;
    if (a == QLatin1String("--user")) return context.UserId;
    return context.Password;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mqsalectl"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    TCliContext context{QString(), QString(), QStringList(), out, err};

    QStringList args = QCoreApplication::arguments().mid(1);
    QString command;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("help")) {
            printHelp(out);
            return 0;
        }
        if (isGlobalOption(a)) {
            if (args.isEmpty()) {
                context.Fail(QStringLiteral("%1 后面缺少值").arg(a));
                return 2;
            }
            globalOption(context, a) = args.takeFirst();
            continue;
        }
        if (a.startsWith(QLatin1String("-"))) {
            context.Fail(QStringLiteral("未知的选项: %1 (用 --help 查看用法)").arg(a));
            return 2;
        }
        command = a;
        // The global options may also follow the command's own arguments.
        while (!args.isEmpty()) {
            const QString b = args.takeFirst();
            if (isGlobalOption(b)) {
                if (args.isEmpty()) {
                    context.Fail(QStringLiteral("%1 后面缺少值").arg(b));
                    return 2;
                }
                globalOption(context, b) = args.takeFirst();
            } else {
                context.Args << b;
            }
        }
        break;
    }
    if (command.isEmpty()) {
        context.Fail(QStringLiteral("没有指定命令 (用 --help 查看用法)"));
        return 2;
    }
    if (context.Args.contains(QLatin1String("--help")) || context.Args.contains(QLatin1String("-h"))) {
        printHelp(out);
        return 0;
    }
    for (const TCliCommand& c : CliCommands()) {
        if (c.Name != command) continue;
        if (!context.DbFile.isEmpty() && !context.PgConnection.isEmpty()) {
            context.Fail(QStringLiteral("--db 和 --pg 只能指定一个"));
            return 2;
        }
        if (c.NeedsDatabase && !context.HasDatabase()) {
            context.Fail(QStringLiteral("命令 %1 需要 --db 或 --pg 指定数据库").arg(command));
            return 2;
        }
        // Every message a model shows is collected; a refused right ends the command with it.
        TCliMessages messages;
        try {
            return c.Run(context);
        } catch (const EAbort&) {
            return context.Fail(messages.Last(QStringLiteral("操作已取消")));
        } catch (const EMqError& e) {
            return context.Fail(e.Message());
        } catch (const EDatabaseError& e) {
            return context.Fail(QStringLiteral("数据库错误: %1").arg(e.Message().section(QStringLiteral("\r\n"), 0, 0)));
        }
    }
    context.Fail(QStringLiteral("未知的命令: %1 (用 --help 查看用法)").arg(command));
    return 2;
}
