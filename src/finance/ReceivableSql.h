#pragma once
#include <QString>

// The signed amounts every receivable figure is made of, written once for the balances and the
// statements (source tables aliased m, the delivery type t). A missing part of a receipt counts
// as 0 rather than dropping the whole receipt.
namespace ReceivableSql {

// A delivery raises the balance by its total, by its type's sign.
inline QString SaleAmount() { return QStringLiteral("t.Sign*m.TotalFund"); }
// An other receivable raises or lowers it by its own sign.
inline QString ShldinAmount() { return QStringLiteral("m.Sign*m.Fund"); }
// A receipt's advance (预收).
inline QString ReceiptAdvance() { return QStringLiteral("m.Sign*coalesce(m.Prefund,0)"); }
// A receipt's decrease (收款): the money settled, other money and the discount granted.
inline QString ReceiptDecrease()
{
    return QStringLiteral("m.Sign*(coalesce(m.PayFund,0)+coalesce(m.OtherFund,0)+coalesce(m.DisFund,0))");
}
// The money of a receipt as the statement shows it (收款): settled, other and advance.
inline QString ReceiptMoney()
{
    return QStringLiteral("m.Sign*(coalesce(m.PayFund,0)+coalesce(m.OtherFund,0)+coalesce(m.Prefund,0))");
}

}  // namespace ReceivableSql
