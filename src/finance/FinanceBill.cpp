#include "FinanceBill.h"

#include "Operator.h"

void ReadStamp(const TBillRow& r, RBillStamp& s)
{
    s.Id = r.Int(QStringLiteral("Id"));
    s.Code = r.Text(QStringLiteral("Code"));
    s.Billman = r.Text(QStringLiteral("Billman"));
    s.BillTime = r.OptTime(QStringLiteral("BillTime"));
    s.Checkman = r.Text(QStringLiteral("Checkman"));
    s.CheckTime = r.OptTime(QStringLiteral("CheckTime"));
}

void StampNew(RBillStamp& s, QDate& bizDate)
{
    const QDateTime now = GlobalDatabase().ServerTime();
    s.Id = 0;
    s.Code.clear();
    s.Billman = CurrentOperator().LoginId;
    s.BillTime = now;
    s.Checkman.clear();
    s.CheckTime.reset();
    bizDate = now.date();
}
