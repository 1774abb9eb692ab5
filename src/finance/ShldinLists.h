#pragma once
#include "ClientDataSet.h"
#include "Criteria.h"
#include "FnFinder.h"
#include "RecordSet.h"

#include <optional>

// The filter record of the other-receivable list.
class TShldinWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TShldinWhere(QObject* parent = nullptr);
    TField *BillIdFld, *BeginDateFld, *EndDateFld, *ClientIdFld, *ClientNameFld;

    // Clears the Id, the dates and the client.
    void Reset() override;
    // m.Id, BizDate from BeginDate up to and including EndDate, and the client.
    TCriteria Criteria();
};

// The other-receivable list of the finder and of printing.
class TShldinSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TShldinSet(QObject* parent = nullptr);
    TField *IdFld, *CodeFld, *BizDateFld, *ClientIdFld, *ClientNameFld, *ItemIdFld, *ItemNameFld, *FundFld, *SignFld,
        *HandmanIdFld, *HandmanNameFld, *DeptIdFld, *DeptNameFld, *BillmanFld, *BillTimeFld, *CheckmanFld,
        *CheckTimeFld, *NoteFld;
    TShldinWhere* Where;  // owned

    // The documents passing Where, by date and Id; returns the row count.
    int OpenList();
    bool OpenById(int id);
    // Deletes the current document (its maker, while unchecked) and removes its row; a refusal
    // raises EMqError with the reason.
    void DeleteCurrent() override;
};

// The other-receivable list behind the finder window and 上一单 / 下一单.
class TShldinFinder : public TShldinSet {
    Q_OBJECT
public:
    explicit TShldinFinder(QObject* parent = nullptr);
    int Find(const std::optional<QDate>& begin, const std::optional<QDate>& end);
    bool Prior(int& id) { return m_cursor.Prior(id); }
    bool Next(int& id) { return m_cursor.Next(id); }
    bool Current(int& id) const { return m_cursor.Current(id); }
    bool AtFirst() const { return m_cursor.AtFirst(); }
    bool AtLast() const { return m_cursor.AtLast(); }

private:
    TFnFinderCursor m_cursor;
};
