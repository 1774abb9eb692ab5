#include "FnColumns.h"

#include "MqLib.h"
#include "Nullable.h"

namespace FnColumns {

void Period(TCriteria& criteria, const QString& column, const QVariant& begin, const QVariant& end)
{
    criteria.Date(column, QStringLiteral(">="), begin);
    const QDate last = TField::ToDate(end);
    if (last.isValid()) criteria.Date(column, QStringLiteral("<"), last.addDays(1));
}

void FillAmountInWords(TRecordSet& set, const TField* amount, const TField* words)
{
    TDataSet* ds = set.DataSet();
    if (!ds->Active()) return;
    for (int row = 0; row < ds->RecordCount(); ++row) {
        const QVariant v = ds->ValueAt(row, amount->Index());
        ds->SetValueAt(row, words->Index(), Nullable::IsNull(v) ? QString() : AmountInWords(TField::ToFloat(v)));
    }
}

}  // namespace FnColumns
