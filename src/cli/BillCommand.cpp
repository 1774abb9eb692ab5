#include "BillJson.h"
#include "CliCommand.h"
#include "CommonObjects.h"
#include "Database.h"
#include "Errors.h"
#include "Operator.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

std::unique_ptr<TBillDoc> DocOfType(int type)
{
    if (auto doc = SalesBillDoc(type)) return doc;
    return FinanceBillDoc(type);
}

void Print(TCliContext& context, const QJsonObject& o)
{
    context.Out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
    context.Out.flush();
}

}  // namespace

// bill new|show|check|uncheck|delete --type N [--id ID]: one document of a bill type of the
// facade. new reads the document as JSON from stdin and prints it as saved.
int RunBill(TCliContext& context)
{
    QStringList args = context.Args;
    if (args.isEmpty()) {
        context.Fail(QStringLiteral("bill 需要一个动作: new, show, check, uncheck 或 delete"));
        return 2;
    }
    const QString action = args.takeFirst();
    static const QStringList actions{QStringLiteral("new"), QStringLiteral("show"), QStringLiteral("check"),
                                     QStringLiteral("uncheck"), QStringLiteral("delete")};
    if (!actions.contains(action)) {
        context.Fail(QStringLiteral("未知的 bill 动作: %1 (可用: %2)").arg(action, actions.join(QStringLiteral(", "))));
        return 2;
    }
    std::optional<int> type, id;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a != QLatin1String("--type") && a != QLatin1String("--id")) {
            context.Fail(QStringLiteral("未知的选项: %1").arg(a));
            return 2;
        }
        if (args.isEmpty()) {
            context.Fail(QStringLiteral("%1 后面缺少值").arg(a));
            return 2;
        }
        bool ok = false;
        const int value = args.takeFirst().toInt(&ok);
        if (!ok) {
            context.Fail(QStringLiteral("%1 必须是整数").arg(a));
            return 2;
        }
        (a == QLatin1String("--type") ? type : id) = value;
    }
    if (!type) {
        context.Fail(QStringLiteral("bill 需要 --type 指定单据类型 (9, 10, 11, 12, 14, 15, 16)"));
        return 2;
    }
    if (action != QLatin1String("new") && !id) {
        context.Fail(QStringLiteral("bill %1 需要 --id 指定单据").arg(action));
        return 2;
    }
    std::unique_ptr<TBillDoc> doc = DocOfType(*type);
    if (!doc) {
        context.Fail(QStringLiteral("不支持的单据类型: %1 (可用: 9 销售订单, 10 发货单, 11 收款单, 12 其他应收单, 14 报价单, "
                                    "15 销售发票, 16 费用单)")
                         .arg(*type));
        return 2;
    }

    // The document is read before connecting, so bad input never reaches the database.
    QJsonObject input;
    if (action == QLatin1String("new")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) return context.Fail(QStringLiteral("无法读取标准输入"));
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(in.readAll(), &error);
        if (error.error != QJsonParseError::NoError)
            return context.Fail(QStringLiteral("JSON 格式错误: %1 (位置 %2)").arg(error.errorString()).arg(error.offset));
        if (!json.isObject()) return context.Fail(QStringLiteral("JSON 格式错误: 单据必须是一个对象"));
        input = json.object();
    }

    TDatabase& db = GlobalDatabase();
    if (!context.Connect(db, false) || !context.Login()) return 1;
    LoadCommonObjects();
    if (doc->OpenRight() > 0) CurrentOperator().CheckRight(doc->OpenRight());
    if (action == QLatin1String("new")) Print(context, doc->Create(input));
    else if (action == QLatin1String("show")) Print(context, doc->Show(*id));
    else if (action == QLatin1String("check")) Print(context, doc->SetChecked(*id, true));
    else if (action == QLatin1String("uncheck")) Print(context, doc->SetChecked(*id, false));
    else {
        doc->Delete(*id);
        context.Out << QStringLiteral("已删除单据 %1").arg(*id) << Qt::endl;
    }
    return 0;
}
