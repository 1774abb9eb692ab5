#include "BillJson.h"
#include "CliCommand.h"
#include "CommonObjects.h"
#include "CsvOut.h"
#include "Database.h"
#include "Errors.h"
#include "Operator.h"
#include "OrderLists.h"
#include "OrderProgress.h"
#include "OutlayLists.h"
#include "ProfitSummary.h"
#include "QuotDetails.h"
#include "QuotLists.h"
#include "SaleDetails.h"
#include "SaleGathering.h"
#include "SaleLists.h"
#include "SaleSummary.h"
#include "ShldinBook.h"
#include "ShldinFundSet.h"

#include <QDate>
#include <functional>
#include <optional>

namespace {

// The criteria a report window collects, as given on the command line.
struct TReportCriteria {
    std::optional<QDate> From;
    std::optional<QDate> To;
    std::optional<int> Client;
    std::optional<int> Saleman;
    std::optional<int> Dept;
    std::optional<int> Ware;
    QString By;
    QString Period;
};

// Copies the set criteria into a filter record of the sales documents.
void FillSalesWhere(TSalesWhere& where, const TReportCriteria& c)
{
    where.Reset();
    if (c.From) where.BeginDateFld->SetValue(*c.From);
    if (c.To) where.EndDateFld->SetValue(*c.To);
    if (c.Client) where.ClientIdFld->SetValue(*c.Client);
    if (c.Saleman) where.SalemanIdFld->SetValue(*c.Saleman);
    if (c.Dept) where.DeptIdFld->SetValue(*c.Dept);
    if (c.Ware) where.WareIdFld->SetValue(*c.Ware);
}

struct TReport {
    QString Name;
    int Right;  // the right the window's facade operation enforces; 0 for none
    QStringList Options;  // the criteria the window takes besides the period
    std::function<void(TCliContext&, const TReportCriteria&)> Run;
};

int IndexOf(const QStringList& names, const QString& name, const QString& option)
{
    const int i = int(names.indexOf(name));
    if (i < 0) throw EMqError(QStringLiteral("%1 只能是: %2").arg(option, names.join(QStringLiteral(", "))));
    return i;
}

const QList<TReport>& Reports()
{
    static const QList<TReport> reports{
        {QStringLiteral("sale-details"), 36, {"client", "saleman", "dept", "ware"},
         [](TCliContext& context, const TReportCriteria& c) {
             TSaleWhere where;
             FillSalesWhere(where, c);
             TSaleDetails set;
             set.Open(&where);
             CsvOut::WriteDataSet(context.Out, *set.DataSet());
         }},
        {QStringLiteral("sale-gathering"), 36, {"client", "saleman", "dept", "ware"},
         [](TCliContext& context, const TReportCriteria& c) {
             TSaleWhere where;
             FillSalesWhere(where, c);
             TSaleGathering set;
             set.Open(&where);
             CsvOut::WriteDataSet(context.Out, *set.DataSet());
         }},
        {QStringLiteral("order-progress"), 1053, {"client", "saleman", "dept", "ware"},
         [](TCliContext& context, const TReportCriteria& c) {
             TOrderWhere where;
             FillSalesWhere(where, c);
             TOrderProgress set;
             BuildOrderProgress(&set, &where);
             CsvOut::WriteDataSet(context.Out, *set.DataSet());
         }},
        {QStringLiteral("order-summary"), 1053, {"client", "saleman", "dept"},
         [](TCliContext& context, const TReportCriteria& c) {
             TOrderWhere where;
             FillSalesWhere(where, c);
             TOrderWareSums set;
             set.Open(&where);
             CsvOut::WriteDataSet(context.Out, *set.DataSet());
         }},
        {QStringLiteral("quot-details"), 66, {"client", "saleman", "dept", "ware"},
         [](TCliContext& context, const TReportCriteria& c) {
             TQuotWhere where;
             FillSalesWhere(where, c);
             TQuotDetails set;
             set.Open(&where);
             CsvOut::WriteDataSet(context.Out, *set.DataSet());
         }},
        {QStringLiteral("sales-summary"), 66, {"client", "saleman", "dept", "ware", "by", "period"},
         [](TCliContext& context, const TReportCriteria& c) {
             static const QStringList by{QStringLiteral("client"), QStringLiteral("saleman"), QStringLiteral("ware"),
                                         QStringLiteral("wareclass"), QStringLiteral("district"), QStringLiteral("dept")};
             static const QStringList periods{QStringLiteral("month"), QStringLiteral("quarter"), QStringLiteral("weekday")};
             const int kind = IndexOf(by, c.By.isEmpty() ? by.first() : c.By, QStringLiteral("--by"));
             const int period = IndexOf(periods, c.Period.isEmpty() ? periods.first() : c.Period, QStringLiteral("--period"));
             std::unique_ptr<TSaleSumView> view(SaleSumKinds().at(kind).Create(nullptr));
             FillSalesWhere(*view->Where(), c);
             view->Compute();
             view->ShowPeriod(TSalePeriod(period));
             // The member's key stays, so that scripts can join the rows to the master lists.
             if (view->KeyFld) view->KeyFld->SetVisible(true);
             CsvOut::WriteDataSet(context.Out, *view->DataSet(), true);
         }},
        {QStringLiteral("profit"), 66, {"client", "saleman", "dept", "ware", "by"},
         [](TCliContext& context, const TReportCriteria& c) {
             static const QStringList by{QStringLiteral("saleman"), QStringLiteral("dept"), QStringLiteral("client"),
                                         QStringLiteral("ware"), QStringLiteral("wareclass")};
             const int kind = IndexOf(by, c.By.isEmpty() ? by.first() : c.By, QStringLiteral("--by"));
             std::unique_ptr<TSumBy> sums(ProfitObjects().at(kind).Create(nullptr));
             TSaleWhere where;
             FillSalesWhere(where, c);
             sums->Compute(&where);
             CsvOut::WriteDataSet(context.Out, *sums->DataSet());
         }},
        {QStringLiteral("receivable-summary"), 29, {"client", "dept"},
         [](TCliContext& context, const TReportCriteria& c) {
             TShldinFundSet set;
             set.Where->Reset();
             if (c.From) set.Where->BeginDateFld->SetValue(*c.From);
             if (c.To) set.Where->EndDateFld->SetValue(*c.To);
             if (c.Dept) set.Where->DeptIdFld->SetValue(*c.Dept);
             set.Compute();
             TDataSet* ds = set.DataSet();
             // The window searches clients by text; an Id names exactly one.
             if (c.Client) {
                 ds->SetFilter(QStringLiteral("ClientId=%1").arg(*c.Client));
                 ds->SetFiltered(true);
             }
             CsvOut::WriteDataSet(context.Out, *ds);
         }},
        {QStringLiteral("statement"), 29, {"client"},
         [](TCliContext& context, const TReportCriteria& c) {
             TShldinBook book;
             book.Compute(*c.Client, c.To, c.From);
             CsvOut::WriteDataSet(context.Out, *book.DataSet());
         }},
        {QStringLiteral("ledger"), 29, {"client"},
         [](TCliContext& context, const TReportCriteria& c) {
             TShldinBookdl book;
             book.Compute(*c.Client, c.To, c.From);
             CsvOut::WriteDataSet(context.Out, *book.DataSet());
         }},
        {QStringLiteral("outlay"), 0, {"client", "saleman", "dept"},
         [](TCliContext& context, const TReportCriteria& c) {
             TOutlaySet set;
             set.Where->Reset();
             if (c.From) set.Where->BizDate1Fld->SetValue(*c.From);
             if (c.To) set.Where->BizDate2Fld->SetValue(*c.To);
             if (c.Client) set.Where->ClientIdFld->SetValue(*c.Client);
             if (c.Saleman) set.Where->SalemanIdFld->SetValue(*c.Saleman);
             if (c.Dept) set.Where->DeptIdFld->SetValue(*c.Dept);
             set.OpenList();
             CsvOut::WriteDataSet(context.Out, *set.DataSet());
         }},
    };
    return reports;
}

}  // namespace

QStringList ReportNames()
{
    QStringList names;
    for (const TReport& r : Reports()) names << r.Name;
    return names;
}

// report NAME [criteria]: one report data object filled with the criteria of its window,
// written as CSV.
int RunReport(TCliContext& context)
{
    QStringList args = context.Args;
    if (args.isEmpty() || args.first().startsWith(QLatin1String("-"))) {
        context.Fail(QStringLiteral("report 需要一个报表名: %1").arg(ReportNames().join(QStringLiteral(", "))));
        return 2;
    }
    const QString name = args.takeFirst();
    const TReport* report = nullptr;
    for (const TReport& r : Reports())
        if (r.Name == name) report = &r;
    if (!report) {
        context.Fail(QStringLiteral("未知的报表: %1 (可用: %2)").arg(name, ReportNames().join(QStringLiteral(", "))));
        return 2;
    }

    TReportCriteria c;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        const QString key = option.mid(2);
        const bool period = option == QLatin1String("--from") || option == QLatin1String("--to");
        if (!option.startsWith(QLatin1String("--")) || (!period && !report->Options.contains(key))) {
            context.Fail(QStringLiteral("报表 %1 不接受选项: %2").arg(name, option));
            return 2;
        }
        if (args.isEmpty()) {
            context.Fail(QStringLiteral("%1 后面缺少值").arg(option));
            return 2;
        }
        const QString value = args.takeFirst();
        if (period) {
            const QDate d = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!d.isValid()) {
                context.Fail(QStringLiteral("%1 必须是日期 yyyy-mm-dd: %2").arg(option, value));
                return 2;
            }
            (key == QLatin1String("from") ? c.From : c.To) = d;
        } else if (key == QLatin1String("by")) {
            c.By = value;
        } else if (key == QLatin1String("period")) {
            c.Period = value;
        } else {
            bool ok = false;
            const int id = value.toInt(&ok);
            if (!ok || id <= 0) {
                context.Fail(QStringLiteral("%1 必须是一个正整数: %2").arg(option, value));
                return 2;
            }
            if (key == QLatin1String("client")) c.Client = id;
            else if (key == QLatin1String("saleman")) c.Saleman = id;
            else if (key == QLatin1String("dept")) c.Dept = id;
            else c.Ware = id;
        }
    }
    if ((name == QLatin1String("statement") || name == QLatin1String("ledger")) && !c.Client) {
        context.Fail(QStringLiteral("报表 %1 需要 --client 指定客户").arg(name));
        return 2;
    }
    if (c.From && c.To && *c.From > *c.To) {
        context.Fail(QStringLiteral("开始日期 %1 晚于结束日期 %2").arg(c.From->toString(Qt::ISODate), c.To->toString(Qt::ISODate)));
        return 2;
    }

    TDatabase& db = GlobalDatabase();
    if (!context.Connect(db, false) || !context.Login()) return 1;
    LoadCommonObjects();
    if (report->Right > 0) CurrentOperator().CheckRight(report->Right);
    RequireRow(QStringLiteral("Client"), c.Client, QStringLiteral("客户"));
    RequireRow(QStringLiteral("employee"), c.Saleman, QStringLiteral("职员"));
    RequireRow(QStringLiteral("departments"), c.Dept, QStringLiteral("部门"));
    RequireRow(QStringLiteral("ware"), c.Ware, QStringLiteral("货品"));
    report->Run(context, c);
    return 0;
}
