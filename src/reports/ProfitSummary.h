#pragma once
#include "ClientDataSet.h"

#include <QList>
#include <QString>
#include <functional>

class TSaleWhere;

// Delivered sales and their profit per member of one object (salesman, department, client,
// goods, goods class): the signed quantity in base units, the sales amount and its share of
// all sales in the period, the amounts at inner and at cost price, the expenses booked to the
// member and the profit. Amounts are left empty where nothing reached them.
class TSumBy : public TMqClientDataSet {
    Q_OBJECT
public:
    TField *QtyFld, *SaleFundFld, *SalePercentFld, *InnerFundFld, *CostFundFld, *OutlayFundFld, *ProfitFundFld;
    TField* ItemFld = nullptr;  // the member's name

    // Rebuilds the rows for the criteria (every delivery and expense without a filter record).
    virtual void Compute(TSaleWhere* where) = 0;

    // A member's share of all sales in percent, two decimals with ties to even; empty when the
    // total is 0.
    static QVariant SalePercent(const QVariant& saleFund, double total);

protected:
    explicit TSumBy(QObject* parent);
    // The sales query's sums of a group: Qty, SaleFund, InnerFund, CostFund (and the
    // salesman's commission as ProfitFund).
    QString SalesSums(bool commission) const;
};

// Salesmen, departments and clients: every member is listed, and its expense vouchers count.
// Only the dates of the filter apply; they bound the deliveries and the expense vouchers alike.
class TSumByMembers : public TSumBy {
    Q_OBJECT
public:
    void Compute(TSaleWhere* where) override;

protected:
    explicit TSumByMembers(QObject* parent);
    QString m_memberSql;              // the members in list order; columns go to m_memberFields
    QList<TField*> m_memberFields;    // the first is the member's Id
    QString m_column;                 // SalemanId, DeptId or ClientId of sale and outlay
    bool m_commission = false;        // salesmen: the profit is their commission less expenses
};

class TSumBySaleman : public TSumByMembers {
    Q_OBJECT
public:
    explicit TSumBySaleman(QObject* parent = nullptr);
    TField *SalemanIdFld, *SalemanNameFld;
};

class TSumByDept : public TSumByMembers {
    Q_OBJECT
public:
    explicit TSumByDept(QObject* parent = nullptr);
    TField *DeptIdFld, *DeptNameFld;
};

class TSumByClient : public TSumByMembers {
    Q_OBJECT
public:
    explicit TSumByClient(QObject* parent = nullptr);
    TField *ClientIdFld, *ClientNameFld, *ClientLinkmanFld, *ClientTelFld, *ClientFaxFld, *ClientAddrFld;
};

// Only goods sold in the period are listed. Every criterion of the filter applies.
class TSumByWare : public TSumBy {
    Q_OBJECT
public:
    explicit TSumByWare(QObject* parent = nullptr);
    TField *WareIdFld, *WareLookIdFld, *WareCodeFld, *WareNameFld, *WarePartNoFld, *WareBrandFld, *WarePackageFld,
        *WareUnitFld;
    void Compute(TSaleWhere* where) override;
};

// Every goods class is listed (empty when nothing sold), then one row without code and name
// for goods without a class when they sold. A class row holds only the goods directly in it.
// Every criterion of the filter applies.
class TSumByWareclass : public TSumBy {
    Q_OBJECT
public:
    explicit TSumByWareclass(QObject* parent = nullptr);
    TField *CataCodeFld, *CataNameFld;
    void Compute(TSaleWhere* where) override;
};

// The objects of the profit report, in the order the window offers them.
struct TProfitObject {
    QString Name;  // 销售员, 部门, 客户, 产品, 产品类别
    std::function<TSumBy*(QObject* parent)> Create;
    int Report;
    int GridLayout;
    int CriteriaPanel;  // 1: the period only; 2: the period, client, department and salesman
};
const QList<TProfitObject>& ProfitObjects();
