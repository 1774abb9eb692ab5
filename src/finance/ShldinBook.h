#pragma once
#include "ClientDataSet.h"
#include "FundCalc.h"

#include <QVector>
#include <functional>

class QSqlQuery;

// The statement (应收对账单) of one client: an opening row "结存" with the balance before the
// begin date, then every document of the period in date order (deliveries, other receivables,
// receipts and, for a receipt with a discount, a discount row), each with the running balance
// held at two decimals. Rows of one day come in the order their documents were first saved; at
// the same instant increases come before receipts.
class TShldinBook : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TShldinBook(QObject* parent = nullptr);
    TField *BizDateFld, *BriefFld, *InFundFld, *OutFundFld, *BalanceFld, *BillIdFld, *TypeIdFld, *BillCodeFld,
        *BillNoteFld, *DeptNameFld;

    // Fills the statement of the client for the days from begin to end (both included). Without
    // a begin date the opening is 0; without an end date the period runs on. Returns the
    // duration in ms.
    double Compute(int clientId, const TDateBound& end, const TDateBound& begin);
    double Duration() const { return LostTime() * 1000.0; }

    // Facade bill types of the rows (TypeId); the opening row carries -1.
    static constexpr int OpeningType = -1;

protected:
    // For subclasses that declare the fields in their own order.
    TShldinBook(QObject* parent, bool declare);
    void DeclareDateBrief();
    void DeclareAmounts();
    void DeclareBill();
    // Runs a statement whose columns start with date, bill type, document Id, code, note,
    // amount (a delivery's before its type's sign), type or item, department and position in the
    // document, and fills the set after the opening row; extra reads the columns after those.
    using TExtraColumns = std::function<void(const QSqlQuery& q, QVector<QVariant>& row)>;
    double Fill(int clientId, const TDateBound& begin, const QString& sql, const TExtraColumns& extra);
    // The conditions of every part: the client and the days of the period.
    static QString PeriodConditions(int clientId, const TDateBound& end, const TDateBound& begin);
};

// The detail ledger (应收明细账) of one client: as the statement, but a delivery shows one row
// per line (with its goods and its invoice), then its freight and its discount.
class TShldinBookdl : public TShldinBook {
    Q_OBJECT
public:
    explicit TShldinBookdl(QObject* parent = nullptr);
    TField *WareIdFld, *WareLookIdFld, *WareCodeFld, *WareNameFld, *WarePartNoFld, *WareBrandFld, *WarePackageFld,
        *WareUnitFld, *WareColorFld, *WareSizeFld, *WarePropFld, *UnitNameFld, *QtyFld, *PriceFld, *InvDateFld,
        *InvNoFld, *dlNoteFld;

    double Compute(int clientId, const TDateBound& end, const TDateBound& begin);
};
