#pragma once
#include "SalesRecords.h"

#include <QObject>
#include <functional>
#include <optional>

// The after-save step: runs inside the saving transaction with the saved record; false rolls
// the save back.
using TQuotSaveStep = std::function<bool(QObject* window, RQuot& quot)>;

// Quotations (报价单, tables slquotfrm / slquotfrmdl, codes CD).
class TQuotBill {
public:
    static bool Load(RQuot& quot);
    static bool Save(RQuot& quot, QString& message, const TQuotSaveStep& afterSave = {}, QObject* window = nullptr);
    static bool Delete(const RQuot& quot, QString& message) { return Pattern().Delete(quot, message); }
    static bool ToggleCheck(RQuot& quot) { return Pattern().ToggleCheck(quot); }
    static int PriorId(const RQuot& quot) { return Pattern().PriorId(quot.Id); }
    static int NextId(const RQuot& quot) { return Pattern().NextId(quot.Id); }
    static bool LastId(int& id) { return Pattern().LastId(id); }

    // 新建 and 复制 (right 59).
    static RQuot NewRecord();
    static RQuot Copy(const RQuot& quot);
    // A line for a goods item: base unit, no price. None while the quotation is checked or when
    // the item does not exist.
    static std::optional<RQuotdl> LineFromWare(const RQuot& quot, int wareId);

    static const TBillPattern& Pattern();
    static TDBParameters HeaderValues(const RQuot& quot);
    static TDBParameters LineValues(const RQuotdl& line);
};
