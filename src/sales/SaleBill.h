#pragma once
#include "SalesRecords.h"

#include <QObject>
#include <functional>
#include <optional>

using TSaleSaveStep = std::function<bool(QObject* window, RSale& sale)>;

// Deliveries (销售发货单, tables sale / saledl, codes CG).
class TSaleBill {
public:
    static bool Load(RSale& sale);
    static bool Save(RSale& sale, QString& message, const TSaleSaveStep& afterSave = {}, QObject* window = nullptr);
    static bool Delete(const RSale& sale, QString& message) { return Pattern().Delete(sale, message); }
    static bool ToggleCheck(RSale& sale) { return Pattern().ToggleCheck(sale); }
    static int PriorId(const RSale& sale) { return Pattern().PriorId(sale.Id); }
    static int NextId(const RSale& sale) { return Pattern().NextId(sale.Id); }
    static bool LastId(int& id) { return Pattern().LastId(id); }

    // 新建 (type 1) and 复制 (right 16); a copy keeps its order links and cost prices.
    static RSale NewRecord();
    static RSale Copy(const RSale& sale);
    // 生成发货: a new unsaved delivery of the whole order, every line with its full ordered
    // quantity, linked to its order line, with the goods items' current cost and settlement
    // prices and commission rates.
    static RSale CreateFromOrder(const ROrder& order);
    // A line for a goods item priced by the option 当新增发货记录时 (KeyId 20), with the item's
    // cost and settlement prices. None while the delivery is checked or when the item does not
    // exist.
    static std::optional<RSaledl> LineFromWare(const RSale& sale, int wareId);
    // A line for an order line: what remains of it (in the line's own unit), the order's price
    // and discount, the link to the line and the goods item's prices. An order of another client
    // is refused with a warning. None while the delivery is checked.
    static std::optional<RSaledl> LineFromOrderLine(const RSale& sale, int ordlId);

    static const TBillPattern& Pattern();
    static TDBParameters HeaderValues(const RSale& sale);
    static TDBParameters LineValues(const RSaledl& line);
};
