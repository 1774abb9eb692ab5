#include "QuotBill.h"

#include "BillAmounts.h"
#include "Nullable.h"
#include "Operator.h"
#include "SalesColumns.h"

const TBillPattern& TQuotBill::Pattern()
{
    static const TBillPattern pattern(TBillKind{
        QStringLiteral("slquotfrm"),
        QStringLiteral("slquotfrmdl"),
        QStringLiteral("CD"),
        SalesRights::QuotCheck,
        SalesColumns::Head() << QStringLiteral("TimeLimit"),
        SalesColumns::GoodsLine(),
        QStringLiteral("select m.*, h.Name as DeptName, u.Name as ClientName, e.Name as SalemanName from (((slquotfrm m "
                       "left join departments h on h.Id=m.DeptId) left join client u on u.Id=m.ClientId) left join "
                       "employee e on e.Id=m.SalemanId) where m.Id=:Id"),
        QStringLiteral("select d.*, w.Code as WareCode, w.Name as WareName, w.PartNo as WarePartNo, w.Brand as "
                       "WareBrand, w.Package as WarePackage, w.Unit as WareUnit FROM (slquotfrmdl AS d left JOIN ware "
                       "AS w ON d.WareId=w.Id) where MastId=:MastId order by d.dlId")});
    return pattern;
}

TDBParameters TQuotBill::HeaderValues(const RQuot& q)
{
    return SalesColumns::HeadValues(q) << DBParam(QStringLiteral("TimeLimit"), Nullable::Of(q.TimeLimit));
}

TDBParameters TQuotBill::LineValues(const RQuotdl& l) { return SalesColumns::GoodsLineValues(l); }

bool TQuotBill::Load(RQuot& quot)
{
    return LoadBill(
        Pattern(), quot,
        [](const TBillRow& r, RQuot& q) {
            SalesColumns::ReadHead(r, q);
            q.TimeLimit = r.OptDate(QStringLiteral("TimeLimit"));
        },
        [](const TBillRow& r, RQuotdl& l) { SalesColumns::ReadGoodsLine(r, l); });
}

bool TQuotBill::Save(RQuot& quot, QString& message, const TQuotSaveStep& afterSave, QObject* window)
{
    return SaveBill(Pattern(), quot, message, HeaderValues, LineValues,
                    [&](RQuot& saved) { return !afterSave || afterSave(window, saved); });
}

RQuot TQuotBill::NewRecord()
{
    RQuot q;
    SalesColumns::StampNew(q, SalesRights::QuotEntry);
    return q;
}

RQuot TQuotBill::Copy(const RQuot& quot)
{
    return SalesColumns::CopyAsNew(quot, SalesRights::QuotEntry);
}

std::optional<RQuotdl> TQuotBill::LineFromWare(const RQuot& quot, int wareId)
{
    if (quot.Checked()) return std::nullopt;
    const std::optional<SalesColumns::RWareFacts> ware = SalesColumns::ReadWare(wareId);
    if (!ware) return std::nullopt;
    RQuotdl l;
    SalesColumns::FillFromWare(l, *ware);
    BillAmounts::PostLine(l, TDecimals::Configured());
    return l;
}
