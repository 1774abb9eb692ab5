#pragma once
#include "ClientDataSet.h"

#include <QDate>
#include <QString>
#include <optional>

class TOrderWhere;

// One order line with where it stands, as the delivery picker takes it.
struct ROrderProgress {
    int Id = 0;  // the order
    QString Code;
    QDate BizDate;
    std::optional<int> ClientId;
    int OrderdlId = 0;
    std::optional<int> WareId;
    QString WareLookId;
    QString WareCode;
    QString WareName;
    QString WarePartNo;
    QString WareBrand;
    QString WarePackage;
    QString WareUnit;
    std::optional<double> WareCostPrice;
    std::optional<double> WareInnerPrice;
    std::optional<int> WareProfitRate;
    QString WareColor;
    QString WareSize;
    QString WareProp;
    double UnitRate = 1.0;
    QString UnitName;
    std::optional<double> OrderQty;     // base units
    std::optional<double> CompleteQty;  // base units delivered, returns subtracted; none when never delivered
    std::optional<double> ResidualQty;  // base units still to deliver; below 0 when over-delivered
    std::optional<double> Price;
    std::optional<double> Discount;
    std::optional<double> Fund;
    QString dlNote;
};

// The figures of one goods item over the order lines of a progress set.
struct RWareTotals {
    double OrderQty = 0.0;
    double CompleteQty = 0.0;
    double CompleteFund = 0.0;
    double TerminateQty = 0.0;  // still to deliver on lines stopped by hand
    double ResidualQty = 0.0;   // still to deliver on open lines
    double OverQty = 0.0;       // delivered beyond the order (a negative sum)
};

// The order execution list (订单执行明细表): one row per order line with the quantities ordered,
// delivered and still to deliver, all in base units.
class TOrderProgress : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TOrderProgress(QObject* parent = nullptr);

    TField *IdFld, *CodeFld, *BizDateFld, *TypeIdFld, *TypeNameFld, *DeptIdFld, *DeptNameFld, *ClientIdFld,
        *ClientNameFld, *SalemanIdFld, *SalemanNameFld, *TimeLimitFld, *NoteFld, *OrderdlIdFld, *WarecataCodeFld,
        *WareIdFld, *WareLookIdFld, *WareCodeFld, *WareNameFld, *WarePartNoFld, *WareBrandFld, *WarePackageFld,
        *WareUnitFld, *WareCostPriceFld, *WareInnerPriceFld, *WareProfitRateFld, *WareColorFld, *WareSizeFld,
        *WarePropFld, *UnitRateFld, *UnitNameFld, *QtyFld, *OrderQtyFld, *CompleteQtyFld, *ResidualQtyFld,
        *LastSendDateFld, *PriceFld, *DiscountFld, *FundFld, *dlNoteFld, *ComIdFld, *ComFlagFld, *CompleteFundFld;

    // Stops the current row's order line by hand, or resumes it when it is stopped (right 71).
    // True when the mark changed; the row follows only then. Nothing happens on an empty set.
    bool ToggleTermination();
    // The totals of one goods item over the rows.
    RWareTotals WareTotals(int wareId) const;
    ROrderProgress AsData() const;

    // "√" when nothing remains, "中止" when the rest was stopped by hand, otherwise empty.
    static QString ComFlagText(double residualQty, bool stopped);

    // Fills the set with the order lines of the filter (every line without one); with UnFinished
    // set, only lines with something left to deliver that are not stopped. Raises OnProgress
    // with (lines found, lines done) after each line. Returns the row count.
    friend int BuildOrderProgress(TOrderProgress* set, TOrderWhere* where);
};

int BuildOrderProgress(TOrderProgress* set, TOrderWhere* where);

// The order summary per goods item (订单执行汇总表): ordered, delivered, stopped, pending and
// over-delivered quantities in base units.
class TOrderWareSums : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TOrderWareSums(QObject* parent = nullptr);

    TField *WareIdFld, *WareLookIdFld, *WareCodeFld, *WareNameFld, *WarePartNoFld, *WareBrandFld, *WarePackageFld,
        *WareUnitFld, *OrderQtyFld, *SaleQtyFld, *TerminateQtyFld, *ResidualQtyFld, *OverQtyFld, *OrderFundFld,
        *SaleFundFld;

    // One row per goods item ordered under the filter's dates, client, department, salesman and
    // goods class; the delivered figures come from the order lines of the whole filter. Raises
    // OnProgress2 with a hint as it goes. Returns the row count.
    int Open(TOrderWhere* where);
};
