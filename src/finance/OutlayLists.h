#pragma once
#include "ClientDataSet.h"
#include "Criteria.h"
#include "FnFinder.h"
#include "RecordSet.h"

#include <QHash>
#include <optional>

// The filter record of the expense list and the expense query window.
class TOutlayWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TOutlayWhere(QObject* parent = nullptr);
    TField *BillIdFld, *CodeFld, *BizDate1Fld, *BizDate2Fld, *ItemIdFld, *ItemNameFld, *BankIdFld, *BankNameFld,
        *Fund1Fld, *Fund2Fld, *ClientIdFld, *ClientNameFld, *HandmanIdFld, *HandmanNameFld, *SalemanIdFld, *SignIdFld,
        *DeptIdFld;

    // Id, code (substring), dates (the whole end day), item, bank account, amount from Fund1 to
    // below Fund2, client, handler, salesman, department and direction (1 or -1).
    TCriteria Criteria();
};

// The expense list.
class TOutlaySet : public TRecordSet {
    Q_OBJECT
public:
    explicit TOutlaySet(QObject* parent = nullptr);
    TField *IdFld, *CodeFld, *BizDateFld, *SignFld, *ItemIdFld, *ItemNameFld, *BankIdFld, *BankNameFld, *FundFld,
        *DeptIdFld, *DeptNameFld, *SalemanIdFld, *SalemanNameFld, *ClientIdFld, *ClientNameFld, *HandmanIdFld,
        *HandmanNameFld, *BillmanFld, *BillTimeFld, *CheckmanFld, *CheckTimeFld, *NoteFld, *FundCnCalcFld;
    TOutlayWhere* Where;  // owned

    // The vouchers passing Where, by date and Id; returns the row count.
    int OpenList();
    bool OpenById(int id);
    // Sign × Fund over the rows shown.
    double SignedTotal() const;
};

// The expense list behind the finder window and 上一单 / 下一单.
class TOutlayFinder : public TOutlaySet {
    Q_OBJECT
public:
    explicit TOutlayFinder(QObject* parent = nullptr);
    int Find(const std::optional<QDate>& begin, const std::optional<QDate>& end);
    bool Prior(int& id) { return m_cursor.Prior(id); }
    bool Next(int& id) { return m_cursor.Next(id); }
    bool Current(int& id) const { return m_cursor.Current(id); }
    bool AtFirst() const { return m_cursor.AtFirst(); }
    bool AtLast() const { return m_cursor.AtLast(); }

private:
    TFnFinderCursor m_cursor;
};

// Signed expense sums (Sign × Fund) per salesman, department or client over a period, in one
// grouped query; vouchers without that attribution are summed under key 0.
class TOutlaySums {
public:
    enum class TBy { Saleman, Dept, Client };
    static QHash<int, double> Sum(TBy by, const std::optional<QDate>& begin, const std::optional<QDate>& end);
};
