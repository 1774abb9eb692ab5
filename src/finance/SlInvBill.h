#pragma once
#include "FinanceRecords.h"

#include <QStringList>

// Sales invoices (发票, tables slinvfrm / slinvfrmdl, codes IV). Each line points at one
// delivery line, which counts as invoiced from the moment the invoice is saved, checked or not.
class TSlInvBill {
public:
    // The invoice of invoice.Id with its lines; true when exactly one header has that Id.
    static bool Load(RSlInv& invoice);
    // Inserts (Id 0) or updates the invoice and writes its lines in one transaction.
    static bool Save(RSlInv& invoice, QString& message);
    static bool Delete(const RSlInv& invoice, QString& message) { return Pattern().Delete(invoice, message); }
    // Checks or unchecks (right 69); true when the row changed.
    static bool ToggleCheck(RSlInv& invoice) { return Pattern().ToggleCheck(invoice); }
    static int PriorId(const RSlInv& invoice) { return Pattern().PriorId(invoice.Id); }
    static int NextId(const RSlInv& invoice) { return Pattern().NextId(invoice.Id); }
    static bool LastId(int& id) { return Pattern().LastId(id); }

    // 新建 (right 70): dated and stamped with the server's clock, no client, no handler.
    static RSlInv NewRecord();
    // The lines of delivery lines (saledl.dlId), in the order given, showing each delivery
    // line's goods, quantity, price and amount with its type's sign. Unknown lines are skipped.
    // None while the invoice is checked.
    static RSlInvdls LinesFromSale(const RSlInv& invoice, const QList<int>& saledlIds);
    // 生成发票单: an unsaved invoice of the delivery lines (all of one client), dated with the
    // server's day, for the first line's client with its salesman as handler. False, and nothing
    // made, when no line is given or none exists.
    static bool CreateFromSaleLines(const QList<int>& saledlIds, RSlInv& invoice);
    // 发票金额: the sum of the lines' amounts, rounded to two decimals.
    static double Total(const RSlInv& invoice);
    // One "\r\n明细第 %d 行与第 %d 行的记录重复." per ordered pair of lines on the same delivery
    // line, lines counted from 1.
    static QStringList DuplicateLines(const RSlInvdls& lines);

    static const TBillPattern& Pattern();
    static TDBParameters HeaderValues(const RSlInv& invoice);
    static TDBParameters LineValues(const RSlInvdl& line);
};
