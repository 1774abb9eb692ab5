#pragma once
#include <QString>

// Number formatting with the system's display formats ("0.00", ",0.00", "0.000", "#,##0.00").
namespace Numbers {
// Formats like the display formats of the system: ',' anywhere before the point turns on
// thousands separators; the zeros and '#' after the point give the decimals.
QString FormatFloat(const QString& format, double value);
// Rounds as formatting with N decimals does: halves away from zero, on the value's
// 15-significant-digit decimal form (so 2.675 rounds to 2.68).
double RoundTo(double value, int decimals);
// Halves to even (banker's rounding) on the same decimal form.
double RoundHalfEven(double value, int decimals);
// "0." followed by N zeros; "0" for no decimals.
QString DecimalFormat(int decimals);
}  // namespace Numbers
