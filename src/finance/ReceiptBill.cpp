#include "ReceiptBill.h"

#include "Nullable.h"
#include "Operator.h"
#include "FinanceBill.h"

namespace {
const QString kMsgDuplicate = QStringLiteral("\r\n明细第 %1 行与第 %2 行的记录重复");
}

const TBillPattern& TReceiptBill::Pattern()
{
    static const TBillPattern pattern(TBillKind{
        QStringLiteral("receipt"),
        QStringLiteral("receiptdl"),
        QStringLiteral("FK"),
        FinanceRights::ReceiptCheck,
        {QStringLiteral("BizDate"), QStringLiteral("ClientId"), QStringLiteral("Prefund"), QStringLiteral("OtherFund"),
         QStringLiteral("BankId"), QStringLiteral("PayFund"), QStringLiteral("DisFund"), QStringLiteral("Sign"),
         QStringLiteral("HandmanId"), QStringLiteral("DeptId"), QStringLiteral("Note")},
        {QStringLiteral("SaleId"), QStringLiteral("SaleCode"), QStringLiteral("dlPayFund"), QStringLiteral("dlDisFund"),
         QStringLiteral("dlNote")},
        QStringLiteral("select m.*, c.Name as ClientName, b.Name as BankName, e.Name as HandmanName, h.Name as DeptName  "
                       "from ((((receipt m left join client c on c.Id=m.ClientId)  left join fn_bank b on b.Id=m.BankId)  "
                       "left join employee e on e.Id=m.HandmanId)  left join departments h on h.Id=m.DeptId)  where m.Id=:Id"),
        QStringLiteral("select d.*, b.BizDate as SaleDate, b.TotalFund as ShldFund, 0 as RecpFund, e.Name as SalemanName  "
                       "from ((receiptdl d left join sale b on b.Id=d.SaleId)  left join employee e on e.Id=b.SalemanId)  "
                       "where MastId=:MastId order by d.dlId")});
    return pattern;
}

TDBParameters TReceiptBill::HeaderValues(const RReceipt& r)
{
    return {DBParam(QStringLiteral("BizDate"), Nullable::Of(r.BizDate)),
            DBParam(QStringLiteral("ClientId"), Nullable::Of(r.ClientId)),
            DBParam(QStringLiteral("Prefund"), r.Prefund),
            DBParam(QStringLiteral("OtherFund"), r.OtherFund),
            DBParam(QStringLiteral("BankId"), Nullable::Of(r.BankId)),
            DBParam(QStringLiteral("PayFund"), r.PayFund),
            DBParam(QStringLiteral("DisFund"), r.DisFund),
            DBParam(QStringLiteral("Sign"), r.Sign),
            DBParam(QStringLiteral("HandmanId"), Nullable::Of(r.HandmanId)),
            DBParam(QStringLiteral("DeptId"), Nullable::Of(r.DeptId)),
            DBParam(QStringLiteral("Note"), r.Note)};
}

TDBParameters TReceiptBill::LineValues(const RReceiptdl& l)
{
    return {DBParam(QStringLiteral("SaleId"), l.SaleId > 0 ? QVariant(l.SaleId) : QVariant()),
            DBParam(QStringLiteral("SaleCode"), l.SaleCode),
            DBParam(QStringLiteral("dlPayFund"), l.dlPayFund),
            DBParam(QStringLiteral("dlDisFund"), l.dlDisFund),
            DBParam(QStringLiteral("dlNote"), l.dlNote)};
}

bool TReceiptBill::Load(int id, RReceipt& receipt)
{
    RReceipt found;
    found.Id = id;
    const bool ok = LoadBill(
        Pattern(), found,
        [](const TBillRow& r, RReceipt& m) {
            ReadStamp(r, m);
            m.BizDate = r.Date(QStringLiteral("BizDate"));
            m.ClientId = r.OptInt(QStringLiteral("ClientId"));
            m.ClientName = r.Text(QStringLiteral("ClientName"));
            m.Prefund = r.Num(QStringLiteral("Prefund"));
            m.OtherFund = r.Num(QStringLiteral("OtherFund"));
            m.PayFund = r.Num(QStringLiteral("PayFund"));
            m.DisFund = r.Num(QStringLiteral("DisFund"));
            m.TotalFund = Total(m);
            m.Sign = r.OptInt(QStringLiteral("Sign")).value_or(1);
            m.BankId = r.OptInt(QStringLiteral("BankId"));
            m.BankName = r.Text(QStringLiteral("BankName"));
            m.HandmanId = r.OptInt(QStringLiteral("HandmanId"));
            m.HandmanName = r.Text(QStringLiteral("HandmanName"));
            m.DeptId = r.OptInt(QStringLiteral("DeptId"));
            m.DeptName = r.Text(QStringLiteral("DeptName"));
            m.Note = r.Text(QStringLiteral("Note"));
        },
        [](const TBillRow& r, RReceiptdl& l) {
            l.dlId = r.Int(QStringLiteral("dlId"));
            l.MastId = r.Int(QStringLiteral("MastId"));
            l.SaleId = r.Int(QStringLiteral("SaleId"));
            l.SaleCode = r.Text(QStringLiteral("SaleCode"));
            l.Saleman = r.Text(QStringLiteral("SalemanName"));
            l.SaleDate = r.OptDate(QStringLiteral("SaleDate"));
            l.ShldFund = r.OptNum(QStringLiteral("ShldFund"));
            l.RecpFund = r.OptNum(QStringLiteral("RecpFund"));
            l.dlPayFund = r.Num(QStringLiteral("dlPayFund"));
            l.dlDisFund = r.Num(QStringLiteral("dlDisFund"));
            l.dlNote = r.Text(QStringLiteral("dlNote"));
        });
    if (ok) receipt = std::move(found);
    return ok;
}

bool TReceiptBill::Save(RReceipt& receipt, QString& message)
{
    return SaveBill(Pattern(), receipt, message, HeaderValues, LineValues, [](RReceipt&) { return true; });
}

RReceipt TReceiptBill::NewRecord()
{
    CurrentOperator().CheckRight(FinanceRights::ReceiptEntry);
    RReceipt r;
    StampNew(r, r.BizDate);
    r.Sign = 1;
    return r;
}

double TReceiptBill::Total(const RReceipt& r) { return r.Prefund + r.OtherFund + r.PayFund; }

void TReceiptBill::Recalc(RReceipt& r)
{
    double pay = 0.0;
    double dis = 0.0;
    for (const RReceiptdl& l : r.Lines) {
        pay += l.dlPayFund;
        dis += l.dlDisFund;
    }
    r.PayFund = pay;
    r.DisFund = dis;
    r.TotalFund = Total(r);
}

QStringList TReceiptBill::DuplicateLines(const RReceiptdls& lines)
{
    QStringList messages;
    for (int i = 0; i < lines.size(); ++i)
        for (int j = 0; j < lines.size(); ++j)
            if (i != j && lines[i].SaleId == lines[j].SaleId) messages << kMsgDuplicate.arg(i + 1).arg(j + 1);
    return messages;
}
