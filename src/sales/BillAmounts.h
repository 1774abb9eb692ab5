#pragma once
#include "SalesRecords.h"

#include <optional>

// The one home of line amounts and document totals, used by the entry windows, the line
// datasets and the command line alike.

// Decimal places of order and quotation quantities and prices.
struct TDecimals {
    int Qty = 2;
    int Price = 2;
    // The configured places (settings KeyIds 6 and 7).
    static TDecimals Configured();
};

namespace BillAmounts {

// Qty × Price × Discount rounded to two decimals (halves away from zero, as formatting with
// "0.00" does); a missing value counts as 0.
double LineFund(const std::optional<double>& qty, const std::optional<double>& price,
                const std::optional<double>& discount);
// A value rounded to some decimals; none stays none.
std::optional<double> Rounded(const std::optional<double>& value, int decimals);

// Posting a line: a delivery line takes its amount as entered; order and quotation lines round
// quantity and price to the configured decimals first (quotations have no discount).
void PostLine(RSaledl& line);
void PostLine(ROrderdl& line, const TDecimals& decimals);
void PostLine(RQuotdl& line, const TDecimals& decimals);

// Header totals: a delivery's is the sum of its lines' amounts minus its discount plus its
// freight; an order's and a quotation's the sum of their lines' amounts.
double Total(const RSale& sale);
double Total(const ROrder& order);
double Total(const RQuot& quot);

// Posts every line and sets TotalFund.
void Recalc(RSale& sale);
void Recalc(ROrder& order, const TDecimals& decimals);
void Recalc(RQuot& quot, const TDecimals& decimals);

}  // namespace BillAmounts
