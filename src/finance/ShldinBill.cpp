#include "ShldinBill.h"

#include "Nullable.h"
#include "Operator.h"
#include "FinanceBill.h"

const TBillPattern& TShldinBill::Pattern()
{
    static const TBillPattern pattern(TBillKind{
        QStringLiteral("shouldin"),
        QString(),
        QStringLiteral("YS"),
        FinanceRights::ShldinCheck,
        {QStringLiteral("BizDate"), QStringLiteral("ClientId"), QStringLiteral("ItemId"), QStringLiteral("Fund"),
         QStringLiteral("Sign"), QStringLiteral("HandmanId"), QStringLiteral("DeptId"), QStringLiteral("Note")},
        {},
        QStringLiteral("select m.*, i.Name as ItemName, c.Name as ClientName, e.Name as HandmanName, h.Name as DeptName  "
                       "from (((shouldin m left join shouldin_item i on i.Id=m.ItemId)  left join client c on "
                       "c.Id=m.ClientId)  left join employee e on e.Id=m.HandmanId)  left join departments h on "
                       "h.Id=m.DeptId where m.Id=:Id"),
        QString()});
    return pattern;
}

TDBParameters TShldinBill::HeaderValues(const RShldin& s)
{
    return {DBParam(QStringLiteral("BizDate"), Nullable::Of(s.BizDate)),
            DBParam(QStringLiteral("ClientId"), Nullable::Of(s.ClientId)),
            DBParam(QStringLiteral("ItemId"), Nullable::Of(s.ItemId)),
            DBParam(QStringLiteral("Fund"), s.Fund),
            DBParam(QStringLiteral("Sign"), s.Sign),
            DBParam(QStringLiteral("HandmanId"), Nullable::Of(s.HandmanId)),
            DBParam(QStringLiteral("DeptId"), Nullable::Of(s.DeptId)),
            DBParam(QStringLiteral("Note"), s.Note)};
}

bool TShldinBill::Load(int id, RShldin& shldin)
{
    return LoadVoucher(Pattern(), id, shldin, [](const TBillRow& r, RShldin& s) {
        ReadStamp(r, s);
        s.BizDate = r.Date(QStringLiteral("BizDate"));
        s.ClientId = r.OptInt(QStringLiteral("ClientId"));
        s.ItemId = r.OptInt(QStringLiteral("ItemId"));
        s.HandmanId = r.OptInt(QStringLiteral("HandmanId"));
        s.DeptId = r.OptInt(QStringLiteral("DeptId"));
        s.ClientName = r.Text(QStringLiteral("ClientName"));
        s.ItemName = r.Text(QStringLiteral("ItemName"));
        s.HandmanName = r.Text(QStringLiteral("HandmanName"));
        s.DeptName = r.Text(QStringLiteral("DeptName"));
        s.Fund = r.Num(QStringLiteral("Fund"));
        s.Sign = r.OptInt(QStringLiteral("Sign")).value_or(1);
        s.Note = r.Text(QStringLiteral("Note"));
    });
}

bool TShldinBill::Save(RShldin& shldin, QString& message) { return SaveVoucher(Pattern(), shldin, message, HeaderValues); }

bool TShldinBill::Save(RShldin& shldin)
{
    QString message;
    return Save(shldin, message);
}

bool TShldinBill::Delete(const RShldin& shldin)
{
    QString message;
    return Delete(shldin, message);
}

RShldin TShldinBill::NewRecord()
{
    CurrentOperator().CheckRight(FinanceRights::ShldinEntry);
    RShldin s;
    StampNew(s, s.BizDate);
    s.Sign = 1;
    return s;
}

RShldin TShldinBill::Copy(const RShldin& shldin)
{
    CurrentOperator().CheckRight(FinanceRights::ShldinEntry);
    RShldin s = shldin;
    StampNew(s, s.BizDate);
    return s;
}
