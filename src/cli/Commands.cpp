#include "CliCommand.h"

const QList<TCliCommand>& CliCommands()
{
    static const QList<TCliCommand> commands{
        {QStringLiteral("init"), QStringLiteral("创建数据库,或把已有的数据库升级到当前版本"),
         QStringLiteral("create the database, or upgrade an existing one to the current version"), QString(), true,
         RunInit},
    };
    return commands;
}
