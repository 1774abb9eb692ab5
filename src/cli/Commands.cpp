#include "CliCommand.h"

const QList<TCliCommand>& CliCommands()
{
    static const QList<TCliCommand> commands{
        {QStringLiteral("init"),
         QStringLiteral("创建数据库,或把已有的数据库升级到当前版本; --demo 填入演示数据(small: 少量, 供试用; large: 十年的大量数据, 供性能测试)"),
         QStringLiteral("create the database, or upgrade an existing one to the current version; --demo fills in "
                        "demo data (small: a few of everything to try the program; large: ten years of data for benchmarks)"),
         QStringLiteral("[--demo small|large] [--seed N]"), true, RunInit},
        {QStringLiteral("bill"),
         QStringLiteral("单据: new 从标准输入读入 JSON 新建并保存, show 显示, check 审核, uncheck 反审, delete 删除; "
                        "类型: 9 销售订单, 10 发货单, 11 收款单, 12 其他应收单, 14 报价单, 15 销售发票, 16 费用单"),
         QStringLiteral("one document: new reads it as JSON on stdin and saves it, show prints it, check, uncheck, "
                        "delete; types: 9 sales order, 10 delivery, 11 receipt, 12 other receivable, 14 quotation, 15 sales invoice, "
                        "16 expense voucher"),
         QStringLiteral("new|show|check|uncheck|delete --type N [--id ID]"), true, RunBill},
        {QStringLiteral("report"),
         QStringLiteral("按报表窗口的条件计算一个报表, 以 CSV 写到标准输出; 报表: sale-details, sale-gathering, order-progress, "
                        "order-summary, quot-details, sales-summary, profit, receivable-summary, statement, ledger, outlay; "
                        "--by: sales-summary 按 client|saleman|ware|wareclass|district|dept, profit 按 saleman|dept|client|ware|wareclass; "
                        "statement 和 ledger 需要 --client"),
         QStringLiteral("compute one report with the criteria of its window and write it as CSV to stdout; --by for "
                        "sales-summary (client|saleman|ware|wareclass|district|dept) and profit "
                        "(saleman|dept|client|ware|wareclass); statement and ledger need --client"),
         QStringLiteral("NAME [--from yyyy-mm-dd] [--to yyyy-mm-dd] [--client ID] [--saleman ID] [--dept ID] [--ware ID] "
                        "[--by MEMBER] [--period month|quarter|weekday]"),
         true, RunReport},
        {QStringLiteral("list"), QStringLiteral("把一个基础资料列表写成 CSV 到标准输出"),
         QStringLiteral("write a master list as CSV to stdout"),
         QStringLiteral("goods|clients|employees|departments|warehouses|units|banks|shouldin-items|outlay-items"), true,
         RunList},
    };
    return commands;
}
