#pragma once
#include "SalesRecords.h"

#include <QObject>
#include <functional>
#include <optional>

using TOrderSaveStep = std::function<bool(QObject* window, ROrder& order)>;

// Where one order line stands: quantities in base units (Qty × UnitRate), returns subtracted.
struct ROrderLineProgress {
    int OrdlId = 0;
    int OrderId = 0;
    std::optional<int> ClientId;
    double OrderedQty = 0.0;
    double DeliveredQty = 0.0;  // every delivery linked to the line, checked or not, by its type's sign
    double RemainingQty = 0.0;
    std::optional<QDate> LastSendDate;
    bool Stopped = false;  // stopped by hand (slordercom)
    // Open (未完成): something remains and the line is not stopped.
    bool Open() const { return RemainingQty > 0 && !Stopped; }
};

// Sales orders (销售订单, tables slorderfrm / slorderfrmdl, codes CD).
class TOrderBill {
public:
    static bool Load(ROrder& order);
    static bool Save(ROrder& order, QString& message, const TOrderSaveStep& afterSave = {}, QObject* window = nullptr);
    static bool Delete(const ROrder& order, QString& message) { return Pattern().Delete(order, message); }
    static bool ToggleCheck(ROrder& order) { return Pattern().ToggleCheck(order); }
    static int PriorId(const ROrder& order) { return Pattern().PriorId(order.Id); }
    static int NextId(const ROrder& order) { return Pattern().NextId(order.Id); }
    static bool LastId(int& id) { return Pattern().LastId(id); }

    // 新建 (type 1) and 复制 (right 1054).
    static ROrder NewRecord();
    static ROrder Copy(const ROrder& order);
    // 生成订单: a new unsaved order of the whole quotation (type 1, full price, no deadline).
    static ROrder CreateFromQuot(const RQuot& quot);
    // A line for a goods item priced by the option 当新增订单记录时 (KeyId 19), its quantity and
    // price rounded to the configured decimals. None while the order is checked or when the item
    // does not exist.
    static std::optional<ROrderdl> LineFromWare(const ROrder& order, int wareId);
    // The price of the goods item in the client's latest quotation; none when never quoted.
    static std::optional<double> LastQuotedPrice(const std::optional<int>& clientId, int wareId);

    // Progress of one order line; none when the line does not exist.
    static std::optional<ROrderLineProgress> LineProgress(int ordlId);
    // Stops an order line by hand, or resumes it (right 71). True when the mark changed.
    static bool SetLineStopped(int ordlId, bool stopped);

    static const TBillPattern& Pattern();
    static TDBParameters HeaderValues(const ROrder& order);
    static TDBParameters LineValues(const ROrderdl& line);
    // An order line row: the goods line and its discount (also the first part of a delivery line).
    static void ReadLine(const TBillRow& row, ROrderdl& line);
};
