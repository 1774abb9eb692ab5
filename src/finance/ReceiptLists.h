#pragma once
#include "ClientDataSet.h"
#include "Criteria.h"
#include "FinanceRecords.h"
#include "FnFinder.h"
#include "LineBinding.h"
#include "RecordSet.h"

#include <optional>

// The filter record of the receipt list.
class TReceiptWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TReceiptWhere(QObject* parent = nullptr);
    TField* BillIdFld;
    TField* BizDate1Fld;
    TField* BizDate2Fld;

    // m.Id, then BizDate from BizDate1 up to and including BizDate2.
    TCriteria Criteria();
};

// The receipt list of the finder and of printing, with each receipt's total and the total in
// capital numerals.
class TReceiptSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TReceiptSet(QObject* parent = nullptr);
    TField *IdFld, *CodeFld, *BizDateFld, *ClientIdFld, *ClientNameFld, *PrefundFld, *OtherFundFld, *RecFundFld,
        *DisFundFld, *TotalFundCalcFld, *SignFld, *BankIdFld, *BankNameFld, *HandmanIdFld, *HandmanNameFld, *DeptIdFld,
        *DeptNameFld, *BillmanFld, *BillTimeFld, *CheckmanFld, *CheckTimeFld, *NoteFld, *TotalFundCnCalcFld;
    TReceiptWhere* Where;  // owned

    // The receipts passing Where, by date and Id; returns the row count.
    int OpenList();
    // The one receipt of an Id (printing); true when exactly one row came back.
    bool OpenById(int id);
};

// The receipt list behind the finder window and 上一单 / 下一单 of the receipt window.
class TReceiptFinder : public TReceiptSet {
    Q_OBJECT
public:
    explicit TReceiptFinder(QObject* parent = nullptr);
    // Receipts dated from begin to end (each optional); returns the row count.
    int Find(const std::optional<QDate>& begin, const std::optional<QDate>& end);
    bool Prior(int& id) { return m_cursor.Prior(id); }
    bool Next(int& id) { return m_cursor.Next(id); }
    bool Current(int& id) const { return m_cursor.Current(id); }
    bool AtFirst() const { return m_cursor.AtFirst(); }
    bool AtLast() const { return m_cursor.AtLast(); }

private:
    TFnFinderCursor m_cursor;
};

// The allocation lines of the receipt being edited.
class TReceiptdlSet : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TReceiptdlSet(QObject* parent = nullptr);
    TField *dlIdFld, *MastIdFld, *SaleIdFld, *SaleCodeFld, *SaleDateFld, *SalemanFld, *ShldFundFld, *RecpFundFld,
        *dlPayFundFld, *dlDisFundFld, *dlNoteFld;

    // All rows as lines (a pending edit is posted first; the cursor stays where it was).
    RReceiptdls AsDatas();
    // Replaces all rows, then goes to the first.
    void SetAsDatas(const RReceiptdls& lines);
    // Appends a picked line, posted, and makes it current.
    void AppendLine(const RReceiptdl& line);

private:
    TLineBinding<RReceiptdl> m_binding;
};
