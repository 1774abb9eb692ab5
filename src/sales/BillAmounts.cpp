#include "BillAmounts.h"

#include "KeyValue.h"
#include "Numbers.h"

TDecimals TDecimals::Configured()
{
    TKeyValue2& kv = GlobalKeyValue();
    return {kv.GetInt(KeyIds::QtyDecimals), kv.GetInt(KeyIds::PriceDecimals)};
}

namespace BillAmounts {

double LineFund(const std::optional<double>& qty, const std::optional<double>& price,
                const std::optional<double>& discount)
{
    return Numbers::RoundTo(qty.value_or(0.0) * price.value_or(0.0) * discount.value_or(0.0), 2);
}

std::optional<double> Rounded(const std::optional<double>& value, int decimals)
{
    if (!value) return std::nullopt;
    return Numbers::RoundTo(*value, decimals);
}

void PostLine(RSaledl& line) { line.Fund = LineFund(line.Qty, line.Price, line.Discount); }

void PostLine(ROrderdl& line, const TDecimals& decimals)
{
    line.Qty = Rounded(line.Qty, decimals.Qty);
    line.Price = Rounded(line.Price, decimals.Price);
    line.Fund = LineFund(line.Qty, line.Price, line.Discount);
}

void PostLine(RQuotdl& line, const TDecimals& decimals)
{
    line.Qty = Rounded(line.Qty, decimals.Qty);
    line.Price = Rounded(line.Price, decimals.Price);
    line.Fund = LineFund(line.Qty, line.Price, 1.0);
}

namespace {
template <class Lines>
double sumOfFunds(const Lines& lines)
{
    double sum = 0.0;
    for (const auto& l : lines) sum += l.Fund.value_or(0.0);
    return sum;
}
}  // namespace

double Total(const RSale& sale)
{
    return Numbers::RoundTo(sumOfFunds(sale.Lines) - sale.DiscountFund + sale.Transcosts, 2);
}
double Total(const ROrder& order) { return Numbers::RoundTo(sumOfFunds(order.Lines), 2); }
double Total(const RQuot& quot) { return Numbers::RoundTo(sumOfFunds(quot.Lines), 2); }

void Recalc(RSale& sale)
{
    for (RSaledl& l : sale.Lines) PostLine(l);
    sale.TotalFund = Total(sale);
}

void Recalc(ROrder& order, const TDecimals& decimals)
{
    for (ROrderdl& l : order.Lines) PostLine(l, decimals);
    order.TotalFund = Total(order);
}

void Recalc(RQuot& quot, const TDecimals& decimals)
{
    for (RQuotdl& l : quot.Lines) PostLine(l, decimals);
    quot.TotalFund = Total(quot);
}

}  // namespace BillAmounts
