#pragma once
#include "FinanceRecords.h"

// Other receivables (其他应收, table shouldin, codes YS). One row, no lines; it raises or lowers
// the client's balance like a delivery does, from the moment it is saved, checked or not.
// Changes follow the one document pattern: only the maker changes or deletes it, and only while
// it is unchecked; a refusal explains itself in the message.
class TShldinBill {
public:
    static bool Load(int id, RShldin& shldin);
    static bool Save(RShldin& shldin, QString& message);
    static bool Save(RShldin& shldin);
    static bool Delete(const RShldin& shldin, QString& message) { return Pattern().Delete(shldin, message); }
    static bool Delete(const RShldin& shldin);
    // Checks or unchecks (right 25); true when the row changed.
    static bool ToggleCheck(RShldin& shldin) { return Pattern().ToggleCheck(shldin); }
    static int PriorId(const RShldin& shldin) { return Pattern().PriorId(shldin.Id); }
    static int NextId(const RShldin& shldin) { return Pattern().NextId(shldin.Id); }
    static bool LastId(int& id) { return Pattern().LastId(id); }

    // 新建 (right 23): the server's day, direction 增加, the operator as maker.
    static RShldin NewRecord();
    // 复制 (right 23): the document as a new one of today by the operator.
    static RShldin Copy(const RShldin& shldin);

    static const TBillPattern& Pattern();
    static TDBParameters HeaderValues(const RShldin& shldin);
};
