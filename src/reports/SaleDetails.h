#pragma once
#include "RecordSet.h"

#include <QDate>
#include <QString>
#include <optional>

class TSaleWhere;

// One row of the sales detail list: a delivery line with its header.
struct RSaleDetail {
    int Id = 0;  // the delivery
    QString Code;
    QDate BizDate;
    std::optional<int> DeptId;
    std::optional<int> SalemanId;
    std::optional<int> ClientId;
    std::optional<int> TypeId;
    QString DeptName;
    QString SalemanName;
    QString ClientName;
    QString TypeName;
    std::optional<int> WareId;
    QString WareCode;
    QString WareName;
    QString WarePartNo;
    QString WareBrand;
    QString WarePackage;
    QString WareUnit;
    double UnitRate = 1.0;
    QString UnitName;
    QString WareColor;
    QString WareSize;
    QString WareProp;
    std::optional<double> Qty;  // signed by the delivery type, in the line's unit
    std::optional<double> Price;
    std::optional<double> Discount;
    std::optional<double> Fund;  // signed
    QString dlNote;
    int dlId = 0;
    std::optional<int> OrdlId;
    QString OrdCode;
    QString Note;  // the delivery's remark
};

// The sales detail list (销售明细表): one row per delivery line, with its delivery, goods, order
// and invoice. Quantities, amounts and inner amounts carry the delivery type's sign; quantities
// stay in the line's own unit.
class TSaleDetails : public TRecordSet {
    Q_OBJECT
public:
    explicit TSaleDetails(QObject* parent = nullptr);

    TField *BillIdFld, *CodeFld, *BizDateFld, *DeptIdFld, *DeptNameFld, *ClientIdFld, *ClientNameFld, *SalemanIdFld,
        *SalemanNameFld, *TypeIdFld, *TypeNameFld, *ConveyancerFld, *TranscostsFld, *TranscodeFld, *NoteFld, *WareIdFld,
        *WareLookIdFld, *WareCodeFld, *WareNameFld, *WarePartNoFld, *WareBrandFld, *WarePackageFld, *WareUnitFld,
        *WareColorFld, *WareSizeFld, *WarePropFld, *UnitRateFld, *UnitNameFld, *QtyFld, *PriceFld, *DiscountFld,
        *FundFld, *OrdlIdFld, *OrdCodeFld, *InnerPriceFld, *InnerFundFld, *dlNoteFld, *dlIdFld, *InvIdFld, *InvNoFld,
        *InvDateFld;

    // Dates, client, department, salesman, type, the user's number, goods, order and invoicing
    // state of the filter (every delivery line without one); returns the row count.
    int Open(TSaleWhere* where);
    RSaleDetail AsData() const;
};
