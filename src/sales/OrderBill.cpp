#include "OrderBill.h"

#include "BillAmounts.h"
#include "KeyValue.h"
#include "Nullable.h"
#include "Operator.h"
#include "SalesColumns.h"
#include "Seams.h"

#include <QSqlQuery>

const TBillPattern& TOrderBill::Pattern()
{
    static const TBillPattern pattern(TBillKind{
        QStringLiteral("slorderfrm"),
        QStringLiteral("slorderfrmdl"),
        QStringLiteral("CD"),
        SalesRights::OrderCheck,
        SalesColumns::Head() << QStringLiteral("TypeId") << QStringLiteral("TimeLimit"),
        SalesColumns::GoodsLine() << QStringLiteral("Discount"),
        QStringLiteral("select m.*, h.Name as DeptName, u.Name as ClientName, e.Name as SalemanName, t.Name as TypeName "
                       "from ((((slorderfrm m left join departments h on h.Id=m.DeptId) left join client u on "
                       "u.Id=m.ClientId) left join employee e on e.Id=m.SalemanId) left join slorderfrmtype t on "
                       "t.Id=m.TypeId)  where m.Id=:Id"),
        QStringLiteral("select d.*, w.Code as WareCode, w.Name as WareName, w.PartNo as WarePartNo, w.Brand as "
                       "WareBrand, w.Package as WarePackage, w.Unit as WareUnit FROM (slorderfrmdl AS d left JOIN "
                       "ware AS w ON d.WareId=w.Id) where MastId=:MastId order by d.dlId")});
    return pattern;
}

TDBParameters TOrderBill::HeaderValues(const ROrder& o)
{
    return SalesColumns::HeadValues(o) << DBParam(QStringLiteral("TypeId"), Nullable::Of(o.TypeId))
                                       << DBParam(QStringLiteral("TimeLimit"), Nullable::Of(o.TimeLimit));
}

TDBParameters TOrderBill::LineValues(const ROrderdl& l)
{
    return SalesColumns::GoodsLineValues(l) << DBParam(QStringLiteral("Discount"), Nullable::Of(l.Discount));
}

void TOrderBill::ReadLine(const TBillRow& r, ROrderdl& l)
{
    SalesColumns::ReadGoodsLine(r, l);
    l.Discount = r.OptNum(QStringLiteral("Discount"));
}

bool TOrderBill::Load(ROrder& order)
{
    return LoadBill(
        Pattern(), order,
        [](const TBillRow& r, ROrder& o) {
            SalesColumns::ReadHead(r, o);
            o.TypeId = r.OptInt(QStringLiteral("TypeId"));
            o.TypeName = r.Text(QStringLiteral("TypeName"));
            o.TimeLimit = r.OptDate(QStringLiteral("TimeLimit"));
        },
        ReadLine);
}

bool TOrderBill::Save(ROrder& order, QString& message, const TOrderSaveStep& afterSave, QObject* window)
{
    return SaveBill(Pattern(), order, message, HeaderValues, LineValues,
                    [&](ROrder& saved) { return !afterSave || afterSave(window, saved); });
}

ROrder TOrderBill::NewRecord()
{
    ROrder o;
    SalesColumns::StampNew(o, SalesRights::OrderEntry);
    o.TypeId = 1;
    return o;
}

ROrder TOrderBill::Copy(const ROrder& order)
{
    return SalesColumns::CopyAsNew(order, SalesRights::OrderEntry);
}

ROrder TOrderBill::CreateFromQuot(const RQuot& quot)
{
    ROrder o;
    SalesColumns::StampConverted(o, quot);
    o.TypeId = 1;
    for (const RQuotdl& q : quot.Lines) {
        ROrderdl l;
        static_cast<RGoodsLine&>(l) = q;
        l.dlId = 0;
        l.MastId = 0;
        l.Discount = 1.0;
        o.Lines << l;
    }
    return o;
}

std::optional<ROrderdl> TOrderBill::LineFromWare(const ROrder& order, int wareId)
{
    if (order.Checked()) return std::nullopt;
    const std::optional<SalesColumns::RWareFacts> ware = SalesColumns::ReadWare(wareId);
    if (!ware) return std::nullopt;
    ROrderdl l;
    SalesColumns::FillFromWare(l, *ware);
    l.Discount = 1.0;
    l.Price = SalesColumns::DefaultPrice(GlobalKeyValue().GetInt(KeyIds::OrderPriceSource), *ware, order.ClientId);
    BillAmounts::PostLine(l, TDecimals::Configured());
    return l;
}

std::optional<double> TOrderBill::LastQuotedPrice(const std::optional<int>& clientId, int wareId)
{
    return SalesColumns::LastQuotedPrice(clientId, wareId);
}

std::optional<ROrderLineProgress> TOrderBill::LineProgress(int ordlId)
{
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral(
            "select d.dlId, d.MastId, m.ClientId, d.Qty*d.UnitRate as OrderQty, r.OrdlId as ComId, "
            "(select sum(sd.Qty*sd.UnitRate*st.Sign) from ((saledl sd inner join sale sm on sm.Id=sd.MastId) "
            "left join saletype st on st.Id=sm.TypeId) where sd.OrdlId=d.dlId) as SendQty, "
            "(select max(sm.BizDate) from (saledl sd inner join sale sm on sm.Id=sd.MastId) where sd.OrdlId=d.dlId) "
            "as LastSendDate from ((slorderfrmdl d inner join slorderfrm m on m.Id=d.MastId) left join slordercom r "
            "on r.OrdlId=d.dlId) where d.dlId=:dlId"),
        {DBParam(QStringLiteral("dlId"), ordlId)});
    if (!q.next()) return std::nullopt;
    const QSqlRecord rec = q.record();
    const TBillRow r(rec);
    ROrderLineProgress p;
    p.OrdlId = r.Int(QStringLiteral("dlId"));
    p.OrderId = r.Int(QStringLiteral("MastId"));
    p.ClientId = r.OptInt(QStringLiteral("ClientId"));
    p.OrderedQty = r.Num(QStringLiteral("OrderQty"));
    p.DeliveredQty = r.Num(QStringLiteral("SendQty"));
    // Eight decimals, so that sums of binary fractions compare with 0 as the user expects.
    p.RemainingQty = BillAmounts::Rounded(p.OrderedQty - p.DeliveredQty, 8).value_or(0.0);
    p.LastSendDate = r.OptDate(QStringLiteral("LastSendDate"));
    p.Stopped = !Nullable::IsNull(r.Value(QStringLiteral("ComId")));
    return p;
}

bool TOrderBill::SetLineStopped(int ordlId, bool stopped)
{
    CurrentOperator().CheckRight(SalesRights::OrderStop);
    const std::optional<ROrderLineProgress> p = LineProgress(ordlId);
    if (!p || p->Stopped == stopped) return false;
    const QString sql = stopped ? QStringLiteral("insert into slordercom(OrdlId) values (:OrdlId)")
                                : QStringLiteral("delete from slordercom where OrdlId=:OrdlId");
    return GlobalDatabase().Execute(sql, {DBParam(QStringLiteral("OrdlId"), ordlId)}) == 1;
}
