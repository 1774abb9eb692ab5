#pragma once
#include "FinanceRecords.h"

#include <QStringList>

// Receipts (收款单, tables receipt / receiptdl, codes FK). A receipt counts towards the
// outstanding amounts of its deliveries and the client's balance from the moment it is saved,
// checked or not.
class TReceiptBill {
public:
    // True when exactly one receipt has the Id; the record then holds it with its lines.
    static bool Load(int id, RReceipt& receipt);
    // Inserts (Id 0) or updates the receipt and writes its lines in one transaction. On success
    // the record carries its Id, Code, BillTime and the lines' dlIds.
    static bool Save(RReceipt& receipt, QString& message);
    static bool Delete(const RReceipt& receipt, QString& message) { return Pattern().Delete(receipt, message); }
    // Checks or unchecks (right 26); true when the row changed.
    static bool ToggleCheck(RReceipt& receipt) { return Pattern().ToggleCheck(receipt); }
    static int PriorId(const RReceipt& receipt) { return Pattern().PriorId(receipt.Id); }
    static int NextId(const RReceipt& receipt) { return Pattern().NextId(receipt.Id); }
    static bool LastId(int& id) { return Pattern().LastId(id); }

    // 新建 (right 24): dated with the server's day, direction 收入, amounts 0, the operator as
    // maker, no client, bank, handler, department or lines.
    static RReceipt NewRecord();
    // The money of a receipt: Prefund + OtherFund + PayFund (合计).
    static double Total(const RReceipt& receipt);
    // Takes PayFund and DisFund from the lines and recomputes the total, as the window does
    // before saving.
    static void Recalc(RReceipt& receipt);
    // One "\r\n明细第 %d 行与第 %d 行的记录重复" per ordered pair of lines settling the same
    // delivery, lines counted from 1; empty when there is none.
    static QStringList DuplicateLines(const RReceiptdls& lines);

    static const TBillPattern& Pattern();
    static TDBParameters HeaderValues(const RReceipt& receipt);
    static TDBParameters LineValues(const RReceiptdl& line);
};
