#pragma once
#include "ClientDataSet.h"
#include "FinanceRecords.h"

class TSaleWhere;

// The deliveries with their settlement state: the signed total, what receipts allocated to each
// (matched by the delivery's code, checked or not, by the receipt's sign), the discounts granted
// and what remains. Receipt lines take their outstanding amount from here.
class TSaleGathering : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TSaleGathering(QObject* parent = nullptr);
    TField *IdFld, *CodeFld, *BizDateFld, *DeptIdFld, *DeptNameFld, *ClientIdFld, *ClientNameFld, *SalemanIdFld,
        *SalemanNameFld, *TypeIdFld, *TypeNameFld, *NoteFld, *TotalFundFld, *PaymentFundFld, *DiscountFundFld,
        *BalanceFundFld;

    // Fills the list with the deliveries (having at least one line) that pass the criteria of
    // the filter record (every delivery without one): dates, client, department, salesman,
    // type and the goods criteria. Rows come by date and Id. Returns the row count.
    int Open(TSaleWhere* where);
    // Keeps only the rows that still have an outstanding amount (BalanceFund not 0).
    void ShowUnsettled();
    // Shows every row again.
    void ShowAll();
    // The receipt line that settles the current row: the whole outstanding amount, entered
    // positive (the receipt's sign gives the direction), no discount.
    RReceiptdl AsReceiptdl() const;
};
