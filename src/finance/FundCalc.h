#pragma once
#include <QDate>
#include <QHash>
#include <optional>

// A date bound of a computation; none for no bound.
using TDateBound = std::optional<QDate>;

// What moved a client's receivable: increases (deliveries by their type's sign, other
// receivables by theirs), advances (预收) and decreases (money and discounts of receipts), each
// receipt by its sign. Balance = increase - advance - decrease.
struct RShldinTotals {
    double Advance = 0.0;
    double Increase = 0.0;
    double Decrease = 0.0;
    double Balance() const { return Increase - Advance - Decrease; }
};

// Signed delivery line amounts of a client: on an invoice (dated by the invoice) and on none
// (dated by the delivery).
struct RInvTotals {
    double Invoiced = 0.0;
    double Uninvoiced = 0.0;
};

// A period for PrepareWindows: opening (everything before begin), period (begin to end) and
// closing (everything up to end), each computed in the same grouped query per source table.
struct TFundWindows {
    TDateBound Begin;
    TDateBound End;
};

// Receivable movements per client. Every document counts from the moment it is saved, checked
// or not. One grouped query per source table (deliveries, other receivables, receipts), never
// one per client; Totals then answers from memory.
class TShldinFundCalc {
public:
    // clientId and deptId apply when above 0; each date when set. Both dates are included.
    void Prepare(int clientId, int deptId, const TDateBound& end, const TDateBound& begin);
    // The sums of a client in the prepared result; 0 when absent.
    void Totals(int clientId, double& advance, double& decrease, double& increase) const;
    RShldinTotals Totals(int clientId) const;

    // Opening, period and closing at once. Without a begin date nothing comes before the
    // period: the opening is empty. Without an end date the period and the closing run on.
    static void PrepareWindows(int clientId, int deptId, const TFundWindows& windows, TShldinFundCalc& opening,
                               TShldinFundCalc& period, TShldinFundCalc& closing);

private:
    QHash<int, RShldinTotals> m_totals;
};

// Invoiced and not-invoiced delivery line amounts per client, in one grouped query over the
// delivery lines; a line counts as invoiced when an invoice line points at it.
class TInvFundCalc {
public:
    // Invoiced amounts are bounded by the invoice date, not-invoiced ones by the delivery date.
    void Prepare(int clientId, int deptId, const TDateBound& end, const TDateBound& begin);
    void Totals(int clientId, double& invoiced, double& uninvoiced) const;
    RInvTotals Totals(int clientId) const;

    static void PrepareWindows(int clientId, int deptId, const TFundWindows& windows, TInvFundCalc& opening,
                               TInvFundCalc& period, TInvFundCalc& closing);

private:
    QHash<int, RInvTotals> m_totals;
};
