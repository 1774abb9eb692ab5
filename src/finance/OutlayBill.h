#pragma once
#include "FinanceRecords.h"

// Expense vouchers (费用开支, table outlay, codes FY). One row, no lines; it touches no
// receivable. Changes follow the one document pattern: only the maker changes or deletes it,
// and only while it is unchecked; a refusal explains itself in the message.
class TOutlayBill {
public:
    static bool Load(int id, ROutlay& outlay);
    static bool Save(ROutlay& outlay, QString& message);
    static bool Save(ROutlay& outlay);
    static bool Delete(const ROutlay& outlay, QString& message) { return Pattern().Delete(outlay, message); }
    static bool Delete(const ROutlay& outlay);
    // Checks or unchecks (right 64); true when the row changed.
    static bool ToggleCheck(ROutlay& outlay) { return Pattern().ToggleCheck(outlay); }
    static int PriorId(const ROutlay& outlay) { return Pattern().PriorId(outlay.Id); }
    static int NextId(const ROutlay& outlay) { return Pattern().NextId(outlay.Id); }
    static bool LastId(int& id) { return Pattern().LastId(id); }

    // 新建 (right 63): the server's day, no direction chosen, the operator as maker.
    static ROutlay NewRecord();
    // 复制 (right 63): the voucher as a new one of today by the operator.
    static ROutlay Copy(const ROutlay& outlay);

    static const TBillPattern& Pattern();
    static TDBParameters HeaderValues(const ROutlay& outlay);
};
