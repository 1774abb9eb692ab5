#pragma once
#include "RecordSet.h"

class TQuotWhere;

// The quotation detail list (报价明细表): one row per quotation line with its header and goods.
class TQuotDetails : public TRecordSet {
    Q_OBJECT
public:
    explicit TQuotDetails(QObject* parent = nullptr);

    TField *IdFld, *CodeFld, *OldCodeFld, *BizDateFld, *DeptIdFld, *DeptNameFld, *ClientIdFld, *ClientNameFld,
        *TimeLimitFld, *WareIdFld, *WareLookIdFld, *WareCodeFld, *WareNameFld, *WarePartNoFld, *WareBrandFld,
        *WarePackageFld, *WareUnitFld, *WareColorFld, *WareSizeFld, *WarePropFld, *UnitNameFld, *QtyFld, *PriceFld,
        *FundFld, *dlNoteFld, *SalemanIdFld, *QuotmanNameFld, *BillmanFld, *BillTimeFld, *CheckmanFld, *CheckTimeFld,
        *NoteFld;

    // Dates, client, salesman, department, numbers, remark and goods of the filter (every
    // quotation line without one); returns the row count.
    int Open(TQuotWhere* where);
};
