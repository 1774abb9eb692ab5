#pragma once
#include "BillListSet.h"
#include "RecordSet.h"
#include "SalesRecords.h"
#include "SalesWhere.h"

// The filter record of the order lists and the order progress.
class TOrderWhere : public TSalesWhere {
    Q_OBJECT
public:
    explicit TOrderWhere(QObject* parent = nullptr);
    TField* UnFinishedFld;
    TField* TimeLimitFld;
    TField* TypeIdFld;
    TField* UserCodeFld;
    TField* BillCodeFld;

    // The common header criteria, the deadline (on or before), the type, the user's number
    // (单号) and the order's code (订单编号), both substrings.
    TCriteria HeaderCriteria(const QString& m = QStringLiteral("m")) override;
    // Empties every criterion; UnFinished becomes false.
    void Reset() override;
};

// The filter record of the sales plan report.
class TPlanWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TPlanWhere(QObject* parent = nullptr);
    TField *BeginDateFld, *EndDateFld, *TimeLimitFld, *DeptIdFld, *CodeFld, *BatchNoFld, *WareCodeFld, *WareLookIdFld,
        *WareNameFld, *WareClassIdFld, *WarecataNameFld;
};

// The order list of the finders and of printing.
class TOrderSet : public TBillListSet {
    Q_OBJECT
public:
    explicit TOrderSet(QObject* parent = nullptr);
    TField *TypeIdFld, *TypeNameFld, *ClientLinkmanFld, *ClientTelFld, *ClientFaxFld, *TotalFundFld, *TimeLimitFld;

    // Every order without a filter record; returns the row count.
    int OpenList(TOrderWhere* where);
    bool OpenById(int id);
    ROrdercord AsData() const;
};

// Order types.
class TOrderTypeSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TOrderTypeSet(QObject* parent = nullptr);
    TField *IdFld, *NameFld;
    int Open();
    RslOrderType AsData() const;
    // Deletes a type (right 1008); the database refuses while orders use it.
    static bool DeleteType(int id);
};
