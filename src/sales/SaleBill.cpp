#include "SaleBill.h"

#include "BillAmounts.h"
#include "KeyValue.h"
#include "MqLib.h"
#include "Nullable.h"
#include "Operator.h"
#include "OrderBill.h"
#include "SalesColumns.h"

#include <QSqlQuery>

namespace {
void takeWarePrices(RSaledl& l, const SalesColumns::RWareFacts& w)
{
    l.CostPrice = w.CostPrice;
    l.InnerPrice = w.InnerPrice;
    l.ProfitRate = w.ProfitRate;
}
}  // namespace

const TBillPattern& TSaleBill::Pattern()
{
    static const TBillPattern pattern(TBillKind{
        QStringLiteral("sale"),
        QStringLiteral("saledl"),
        QStringLiteral("CG"),
        SalesRights::SaleCheck,
        SalesColumns::Head() << QStringLiteral("TypeId") << QStringLiteral("DiscountFund") << QStringLiteral("Conveyancer")
                             << QStringLiteral("Transcosts") << QStringLiteral("Transcode"),
        SalesColumns::GoodsLine() << QStringLiteral("Discount") << QStringLiteral("OrdlId") << QStringLiteral("CostPrice")
                                  << QStringLiteral("InnerPrice") << QStringLiteral("ProfitRate"),
        QStringLiteral("select m.*, h.Name as DeptName, u.Name as ClientName, e.Name as SalemanName, t.Name as TypeName "
                       "from ((((sale m left join departments h on h.Id=m.DeptId) left join client u on u.Id=m.ClientId) "
                       "left join employee e on e.Id=m.SalemanId) left join saletype t on t.Id=m.TypeId)  where m.Id=:Id"),
        QStringLiteral("select d.*, w.Code as WareCode, w.Name as WareName, w.PartNo as WarePartNo, w.Brand as "
                       "WareBrand, w.Package as WarePackage, w.Unit as WareUnit, om.Code as OrdCode FROM (((saledl AS d "
                       "left JOIN ware AS w ON d.WareId=w.Id)  left join slorderfrmdl od on od.dlId=d.OrdlId)  left join "
                       "slorderfrm om on om.Id=od.MastId) where d.MastId=:MastId order by d.dlId")});
    return pattern;
}

TDBParameters TSaleBill::HeaderValues(const RSale& s)
{
    return SalesColumns::HeadValues(s) << DBParam(QStringLiteral("TypeId"), Nullable::Of(s.TypeId))
                                       << DBParam(QStringLiteral("DiscountFund"), s.DiscountFund)
                                       << DBParam(QStringLiteral("Conveyancer"), s.Conveyancer)
                                       << DBParam(QStringLiteral("Transcosts"), s.Transcosts)
                                       << DBParam(QStringLiteral("Transcode"), s.Transcode);
}

TDBParameters TSaleBill::LineValues(const RSaledl& l)
{
    return TOrderBill::LineValues(l) << DBParam(QStringLiteral("OrdlId"), Nullable::Of(l.OrdlId))
                                     << DBParam(QStringLiteral("CostPrice"), Nullable::Of(l.CostPrice))
                                     << DBParam(QStringLiteral("InnerPrice"), Nullable::Of(l.InnerPrice))
                                     << DBParam(QStringLiteral("ProfitRate"), Nullable::Of(l.ProfitRate));
}

bool TSaleBill::Load(RSale& sale)
{
    return LoadBill(
        Pattern(), sale,
        [](const TBillRow& r, RSale& s) {
            SalesColumns::ReadHead(r, s);
            s.TypeId = r.OptInt(QStringLiteral("TypeId"));
            s.TypeName = r.Text(QStringLiteral("TypeName"));
            s.DiscountFund = r.Num(QStringLiteral("DiscountFund"));
            s.Conveyancer = r.Text(QStringLiteral("Conveyancer"));
            s.Transcode = r.Text(QStringLiteral("Transcode"));
            s.Transcosts = r.Num(QStringLiteral("Transcosts"));
        },
        [](const TBillRow& r, RSaledl& l) {
            TOrderBill::ReadLine(r, l);
            l.OrdlId = r.OptInt(QStringLiteral("OrdlId"));
            l.OrdCode = r.Text(QStringLiteral("OrdCode"));
            l.CostPrice = r.OptNum(QStringLiteral("CostPrice"));
            l.InnerPrice = r.OptNum(QStringLiteral("InnerPrice"));
            l.ProfitRate = r.OptInt(QStringLiteral("ProfitRate"));
        });
}

bool TSaleBill::Save(RSale& sale, QString& message, const TSaleSaveStep& afterSave, QObject* window)
{
    return SaveBill(Pattern(), sale, message, HeaderValues, LineValues,
                    [&](RSale& saved) { return !afterSave || afterSave(window, saved); });
}

RSale TSaleBill::NewRecord()
{
    RSale s;
    SalesColumns::StampNew(s, SalesRights::SaleEntry);
    s.TypeId = 1;
    return s;
}

RSale TSaleBill::Copy(const RSale& sale)
{
    return SalesColumns::CopyAsNew(sale, SalesRights::SaleEntry);
}

RSale TSaleBill::CreateFromOrder(const ROrder& order)
{
    RSale s;
    SalesColumns::StampConverted(s, order);
    s.TypeId = 1;
    QList<int> wareIds;
    for (const ROrderdl& o : order.Lines) wareIds << o.WareId;
    const QHash<int, SalesColumns::RWareFacts> wares = SalesColumns::ReadWares(wareIds);
    for (const ROrderdl& o : order.Lines) {
        RSaledl l;
        static_cast<ROrderdl&>(l) = o;
        l.dlId = 0;
        l.MastId = 0;
        l.OrdlId = o.dlId;
        l.OrdCode = order.Code;
        const auto w = wares.constFind(o.WareId);
        if (w != wares.cend()) takeWarePrices(l, w.value());
        s.Lines << l;
    }
    return s;
}

std::optional<RSaledl> TSaleBill::LineFromWare(const RSale& sale, int wareId)
{
    if (sale.Checked()) return std::nullopt;
    const std::optional<SalesColumns::RWareFacts> ware = SalesColumns::ReadWare(wareId);
    if (!ware) return std::nullopt;
    RSaledl l;
    SalesColumns::FillFromWare(l, *ware);
    l.Discount = 1.0;
    takeWarePrices(l, *ware);
    l.Price = SalesColumns::DefaultPrice(GlobalKeyValue().GetInt(KeyIds::SalePriceSource), *ware, sale.ClientId);
    BillAmounts::PostLine(l);
    return l;
}

std::optional<RSaledl> TSaleBill::LineFromOrderLine(const RSale& sale, int ordlId)
{
    if (sale.Checked()) return std::nullopt;
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral("select d.*, m.ClientId, m.Code as OrdCode, w.Code as WareCode, w.Name as WareName, w.PartNo as "
                       "WarePartNo, w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, w.CostPrice as "
                       "WareCostPrice, w.InnerPrice as WareInnerPrice, w.ProfitRate as WareProfitRate from "
                       "((slorderfrmdl d inner join slorderfrm m on m.Id=d.MastId) left join ware w on w.Id=d.WareId) "
                       "where d.dlId=:dlId"),
        {DBParam(QStringLiteral("dlId"), ordlId)});
    if (!q.next()) return std::nullopt;
    const QSqlRecord rec = q.record();
    const TBillRow r(rec);
    if (r.Int(QStringLiteral("ClientId")) != sale.ClientId.value_or(0)) {
        ShowWarning(QStringLiteral("订单与发货不是同一个客户, 请重新选择"));
        return std::nullopt;
    }
    RSaledl l;
    TOrderBill::ReadLine(r, l);
    l.OrdlId = l.dlId;
    l.OrdCode = r.Text(QStringLiteral("OrdCode"));
    l.dlId = 0;
    l.MastId = 0;
    l.dlNote.clear();
    l.CostPrice = r.OptNum(QStringLiteral("WareCostPrice"));
    l.InnerPrice = r.OptNum(QStringLiteral("WareInnerPrice"));
    l.ProfitRate = r.OptInt(QStringLiteral("WareProfitRate"));
    // The remainder is counted in base units; the line keeps the order's unit.
    const std::optional<ROrderLineProgress> progress = TOrderBill::LineProgress(ordlId);
    const double remaining = std::max(0.0, progress ? progress->RemainingQty : 0.0);
    l.Qty = BillAmounts::Rounded(l.UnitRate > 0 ? remaining / l.UnitRate : remaining, TDecimals::Configured().Qty);
    BillAmounts::PostLine(l);
    return l;
}
