#pragma once
#include "ClientDataSet.h"

// The criteria of the receivable summary.
class TShldinFundWhere : public TCustomWhere {
    Q_OBJECT
public:
    explicit TShldinFundWhere(QObject* parent = nullptr);
    TField *BeginDateFld, *EndDateFld, *DeptIdFld, *DeptNameFld, *ClientKeyFld;
};

// The receivable summary (应收款汇总): one row per client with its advances, receivables,
// receipts, invoiced and not-invoiced amounts as opening (before the begin date), period and
// closing (up to the end date) figures, and its balance. A zero figure stays empty; the balance
// is always set. Every figure comes from one grouped query per source table; the clients are
// then walked once in memory.
class TShldinFundSet : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TShldinFundSet(QObject* parent = nullptr);
    TField *ClientIdFld, *ClientNameFld, *ClientLinkmanFld, *ClientTelFld, *ClientFaxFld, *ClientAddrFld, *ClientBankFld,
        *ClientBankIdFld;
    TField *PreoutFundAFld, *PreoutFund1Fld, *PreoutFundZFld;
    TField *ShldinFundAFld, *ShldinFund1Fld, *ShldinFundZFld;
    TField *PayFundAFld, *PayFund1Fld, *PayFundZFld;
    TField *InvFundAFld, *InvFund1Fld, *InvFundZFld;
    TField *UinvFundAFld, *UinvFund1Fld, *UinvFundZFld;
    TField *BalanceFundFld;
    TShldinFundWhere* Where;  // owned

    // Fills the summary for the period, department and client search text of Where (a client
    // matches when its lookup code, name or telephone contains the text), clients in Id order.
    // Raises OnProgress (clients, rows so far) after each row. Returns the duration in ms.
    double Compute();
    // The duration of the last computation in milliseconds.
    double Duration() const { return LostTime() * 1000.0; }
};
