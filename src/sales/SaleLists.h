#pragma once
#include "BillListSet.h"
#include "RecordSet.h"
#include "SalesRecords.h"
#include "SalesWhere.h"

// The filter record of every delivery list and delivery-based report.
class TSaleWhere : public TSalesWhere {
    Q_OBJECT
public:
    explicit TSaleWhere(QObject* parent = nullptr);
    TField* DistCodeFld;
    TField* TypeIdFld;
    TField* TypeNameFld;
    TField* UserCodeFld;
    TField* OrdCodeFld;
    TField* OrdlIdFld;
    TField* InvIfFld;

    // The common header criteria, the delivery type and the user's number (单号, a substring).
    TCriteria HeaderCriteria(const QString& m = QStringLiteral("m")) override;
    // The client's district code starts with DistCode.
    TCriteria DistrictCriteria(const QString& district = QStringLiteral("i"));
    // The order line (OrdlId) and the order's code (OrdCode, a substring).
    TCriteria OrderCriteria(const QString& ordlIdColumn = QStringLiteral("d.OrdlId"),
                            const QString& ordCodeColumn = QStringLiteral("om.Code"));
    // InvIf true: lines on an invoice; false: lines on none; null: no condition.
    TCriteria InvoiceCriteria(const QString& invoiceLineColumn = QStringLiteral("id.SaledlId"));
};

// The delivery list of the finder and of printing.
class TSaleSet : public TBillListSet {
    Q_OBJECT
public:
    explicit TSaleSet(QObject* parent = nullptr);
    TField *TypeIdFld, *TypeNameFld, *TotalFundFld, *ConveyancerFld, *TranscostsFld, *TranscodeFld, *DiscountFundFld;

    // Dates, client, department, salesman, type, user's number, goods and BillId of the filter
    // (every delivery without one); returns the row count.
    int OpenList(TSaleWhere* where);
    // The one delivery of an Id (printing); true when exactly one row came back.
    bool OpenById(int id);
};

// Delivery types with their sign (1 sells, -1 takes goods back).
class TSaleTypeSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TSaleTypeSet(QObject* parent = nullptr);
    TField *IdFld, *NameFld, *SignFld;
    int Open();
    RSaleType AsData() const;
};

// The price history of a goods item over quotations, orders and deliveries of every client,
// newest first; on one date orders before deliveries before quotations.
class TSalePriceSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TSalePriceSet(QObject* parent = nullptr);
    TField *BizDateFld, *BizTypeFld, *PriceFld, *QtyFld, *UnitNameFld, *ClientNameFld, *dlNoteFld, *BillIdFld,
        *BillKindFld;
    int Open(int wareId);
    RSalePrice AsData() const;
};

// One signed record per delivery line (quantity and quantity × price by the type's sign) with
// the keys the sales summaries group by.
class TSaleCords : public TQuerySet {
    Q_OBJECT
public:
    explicit TSaleCords(QObject* parent = nullptr);
    TField *BizDateFld, *QtyFld, *FundFld, *CostFld, *MonthxFld, *WareIdFld, *DeptIdFld, *SalemanIdFld, *ClientIdFld,
        *WarecataCodeFld, *DistCodeFld;
    TSaleWhere* Where = nullptr;  // set by the user, not owned
    int Open();
};
