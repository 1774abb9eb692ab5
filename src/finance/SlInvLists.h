#pragma once
#include "ClientDataSet.h"
#include "Criteria.h"
#include "FinanceRecords.h"
#include "LineBinding.h"
#include "RecordSet.h"

// The filter record of the invoice list.
class TSlInvWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TSlInvWhere(QObject* parent = nullptr);
    TField *BillIdFld, *BeginDateFld, *EndDateFld, *ClientIdFld, *HandmanIdFld, *CodeFld, *InvCodeFld, *InvNoFld,
        *ChecksFld;

    // Id, invoice date within the days from BeginDate to EndDate, client, the three codes as
    // substrings and the check state (true: checked, false: unchecked, null: both). The handler
    // takes no part.
    TCriteria Criteria();
};

// The invoice list of the finder window, in Id order.
class TSlInvSet : public TQuerySet {
    Q_OBJECT
public:
    explicit TSlInvSet(QObject* parent = nullptr);
    TField *IdFld, *CodeFld, *InvCodeFld, *InvNoFld, *InvDateFld, *ClientIdFld, *ClientNameFld, *TotalFundFld,
        *HandmanIdFld, *HandmanNameFld, *NoteFld, *BillmanFld, *BillTimeFld, *CheckmanFld, *CheckTimeFld;

    // Every invoice without a filter record; returns the row count.
    int OpenList(TSlInvWhere* where);
    // The one invoice of an Id (printing); true when exactly one row came back.
    bool OpenById(int id);
};

// The invoice lines being edited.
class TSlInvdlSet : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TSlInvdlSet(QObject* parent = nullptr);
    TField *dlIdFld, *MastIdFld, *SaledlIdFld, *WareIdFld, *WareLookIdFld, *WareNameFld, *WareCodeFld, *WarePartNoFld,
        *WareBrandFld, *WarePackageFld, *WareUnitFld, *WareBarcodeFld, *UnitRateFld, *UnitNameFld, *WareColorFld,
        *WareSizeFld, *WarePropFld, *QtyFld, *PriceFld, *FundFld, *TaxFld, *PurePriceFld, *dlNoteFld, *OrderCodeFld,
        *PlanCodeFld, *AppCodeFld;

    // All rows as lines (a pending edit is posted first; the cursor stays where it was).
    RSlInvdls AsDatas();
    // Replaces all rows, then goes to the first.
    void SetAsDatas(const RSlInvdls& lines);
    // Appends a picked line, posted, and makes it current.
    void AppendLine(const RSlInvdl& line);

private:
    TLineBinding<RSlInvdl> m_binding;
};
