#pragma once
#include "BillListSet.h"
#include "RecordSet.h"
#include "SalesRecords.h"
#include "SalesWhere.h"

// The filter record of the quotation list and the quotation report.
class TQuotWhere : public TSalesWhere {
    Q_OBJECT
public:
    explicit TQuotWhere(QObject* parent = nullptr);
    TField* CodeFld;      // the system number (编号), a substring
    TField* BillCodeFld;  // the user's number (单号), a substring
    TField* NoteFld;      // the remark, a substring

    TCriteria HeaderCriteria(const QString& m = QStringLiteral("m")) override;
    // Clears the document, date, department, client, salesman, code, goods and remark criteria.
    void Reset() override;
};

// The quotation list of the finder, the quotation report and printing.
class TQuotSet : public TBillListSet {
    Q_OBJECT
public:
    explicit TQuotSet(QObject* parent = nullptr);
    TField *ClientLinkmanFld, *ClientTelFld, *ClientFaxFld, *ClientAddrFld, *TotalFundFld, *TimeLimitFld;

    // Nothing happens without a filter record; returns the row count.
    int OpenList(TQuotWhere* where);
    bool OpenById(int id);
};
