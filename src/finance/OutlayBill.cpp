#include "OutlayBill.h"

#include "Nullable.h"
#include "Operator.h"
#include "FinanceBill.h"

const TBillPattern& TOutlayBill::Pattern()
{
    static const TBillPattern pattern(TBillKind{
        QStringLiteral("outlay"),
        QString(),
        QStringLiteral("FY"),
        FinanceRights::OutlayCheck,
        {QStringLiteral("BizDate"), QStringLiteral("Sign"), QStringLiteral("ItemId"), QStringLiteral("BankId"),
         QStringLiteral("Fund"), QStringLiteral("HandmanId"), QStringLiteral("Note"), QStringLiteral("ClientId"),
         QStringLiteral("DeptId"), QStringLiteral("SalemanId")},
        {},
        QStringLiteral("select m.*, i.Name as ItemName, b.Name as BankName, c.Name as ClientName, e.Name as HandmanName, "
                       "h.Name as DeptName, e2.Name as SalemanName  from ((((((outlay m left join outlay_item i on "
                       "i.Id=m.ItemId)  left join client c on c.Id=m.ClientId)  left join fn_bank b on b.Id=m.BankId)  "
                       "left join employee e on e.Id=m.HandmanId)  left join employee e2 on e2.Id=m.SalemanId)  left "
                       "join departments h on h.Id=m.DeptId)  where m.Id=:Id"),
        QString()});
    return pattern;
}

TDBParameters TOutlayBill::HeaderValues(const ROutlay& o)
{
    return {DBParam(QStringLiteral("BizDate"), Nullable::Of(o.BizDate)),
            DBParam(QStringLiteral("Sign"), Nullable::Of(o.Sign)),
            DBParam(QStringLiteral("ItemId"), Nullable::Of(o.ItemId)),
            DBParam(QStringLiteral("BankId"), Nullable::Of(o.BankId)),
            DBParam(QStringLiteral("Fund"), o.Fund),
            DBParam(QStringLiteral("HandmanId"), Nullable::Of(o.HandmanId)),
            DBParam(QStringLiteral("Note"), o.Note),
            DBParam(QStringLiteral("ClientId"), Nullable::Of(o.ClientId)),
            DBParam(QStringLiteral("DeptId"), Nullable::Of(o.DeptId)),
            DBParam(QStringLiteral("SalemanId"), Nullable::Of(o.SalemanId))};
}

bool TOutlayBill::Load(int id, ROutlay& outlay)
{
    return LoadVoucher(Pattern(), id, outlay, [](const TBillRow& r, ROutlay& o) {
        ReadStamp(r, o);
        o.BizDate = r.Date(QStringLiteral("BizDate"));
        o.Sign = r.OptInt(QStringLiteral("Sign"));
        o.ItemId = r.OptInt(QStringLiteral("ItemId"));
        o.BankId = r.OptInt(QStringLiteral("BankId"));
        o.ClientId = r.OptInt(QStringLiteral("ClientId"));
        o.HandmanId = r.OptInt(QStringLiteral("HandmanId"));
        o.DeptId = r.OptInt(QStringLiteral("DeptId"));
        o.SalemanId = r.OptInt(QStringLiteral("SalemanId"));
        o.ItemName = r.Text(QStringLiteral("ItemName"));
        o.BankName = r.Text(QStringLiteral("BankName"));
        o.ClientName = r.Text(QStringLiteral("ClientName"));
        o.HandmanName = r.Text(QStringLiteral("HandmanName"));
        o.DeptName = r.Text(QStringLiteral("DeptName"));
        o.SalemanName = r.Text(QStringLiteral("SalemanName"));
        o.Fund = r.Num(QStringLiteral("Fund"));
        o.Note = r.Text(QStringLiteral("Note"));
    });
}

bool TOutlayBill::Save(ROutlay& outlay, QString& message) { return SaveVoucher(Pattern(), outlay, message, HeaderValues); }

bool TOutlayBill::Save(ROutlay& outlay)
{
    QString message;
    return Save(outlay, message);
}

bool TOutlayBill::Delete(const ROutlay& outlay)
{
    QString message;
    return Delete(outlay, message);
}

ROutlay TOutlayBill::NewRecord()
{
    CurrentOperator().CheckRight(FinanceRights::OutlayEntry);
    ROutlay o;
    StampNew(o, o.BizDate);
    return o;
}

ROutlay TOutlayBill::Copy(const ROutlay& outlay)
{
    CurrentOperator().CheckRight(FinanceRights::OutlayEntry);
    ROutlay o = outlay;
    StampNew(o, o.BizDate);
    return o;
}
