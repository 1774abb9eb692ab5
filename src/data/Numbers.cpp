#include "Numbers.h"

#include <cmath>

namespace {

// Rounds the decimal text of |value| (15 significant digits) to `decimals` places.
QString roundedDigits(double value, int decimals, bool halfEven)
{
    if (!std::isfinite(value)) return QStringLiteral("0");
    const double a = std::fabs(value);
    // The value as the decimal number a user typed, free of binary noise.
    QString s = QString::number(a, 'e', 14);  // d.dddddddddddddde±x
    const int ePos = s.indexOf(u'e');
    const int exp = s.mid(ePos + 1).toInt();
    QString mant = s.left(ePos).remove(u'.');  // 15 digits
    // Digits before the point: exp + 1 (may be <= 0).
    int intDigits = exp + 1;
    if (intDigits <= 0) {
        mant = QString(-intDigits, u'0') + mant;
        intDigits = 0;
    }
    const int keep = intDigits + decimals;  // digits kept
    if (mant.size() < keep + 1) mant += QString(keep + 1 - mant.size(), u'0');
    QString kept = mant.left(keep);
    const QString rest = mant.mid(keep);
    bool up = false;
    if (!rest.isEmpty()) {
        const int first = rest[0].digitValue();
        if (first > 5) {
            up = true;
        } else if (first == 5) {
            bool more = false;
            for (int i = 1; i < rest.size(); ++i) more = more || rest[i] != u'0';
            if (more || !halfEven) {
                up = true;
            } else {
                const int last = kept.isEmpty() ? 0 : kept.back().digitValue();
                up = (last % 2) == 1;
            }
        }
    }
    if (kept.isEmpty()) kept = QStringLiteral("0");
    if (up) {
        int i = kept.size() - 1;
        while (i >= 0) {
            if (kept[i] == u'9') {
                kept[i] = u'0';
                --i;
            } else {
                kept[i] = QChar(kept[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            kept.prepend(u'1');
            if (keep > 0) ++intDigits;
        }
    }
    if (keep <= 0) {
        // Everything was after the kept digits; only a carry can leave a 1 in front.
        intDigits = kept == QStringLiteral("1") ? 1 : 0;
    }
    QString intPart = intDigits > 0 ? kept.left(kept.size() - decimals) : QStringLiteral("0");
    if (intPart.isEmpty()) intPart = QStringLiteral("0");
    while (intPart.size() > 1 && intPart[0] == u'0') intPart.remove(0, 1);
    const QString frac = decimals > 0 ? kept.right(decimals).rightJustified(decimals, u'0') : QString();
    return decimals > 0 ? intPart + u'.' + frac : intPart;
}

// The common case without text: when the scaled value lies clearly away from a half, the
// nearest integer is what the decimal text rounds to, and integer / 10^decimals is the double
// nearest to that decimal. Near a half (or out of range) the text decides.
bool quickRound(double value, int decimals, double& out)
{
    static const double kScale[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (decimals < 0 || decimals > 8 || !std::isfinite(value)) return false;
    const double scale = kScale[decimals];
    const double s = std::fabs(value) * scale;
    if (s >= 1e12) return false;
    const double whole = std::floor(s);
    const double frac = s - whole;
    // The 15-digit decimal form may sit a few units of 1e-15 (relative) away from the binary value.
    if (std::fabs(frac - 0.5) <= 1e-7 + s * 1e-13) return false;
    const double r = (frac > 0.5 ? whole + 1 : whole) / scale;
    out = (value < 0 && r != 0.0) ? -r : r;
    return true;
}

double fromText(const QString& digits, double value)
{
    const double r = digits.toDouble();
    return (value < 0 && r != 0.0) ? -r : r;
}

}  // namespace

double Numbers::RoundTo(double value, int decimals)
{
    double quick;
    if (quickRound(value, decimals, quick)) return quick;
    return fromText(roundedDigits(value, decimals, false), value);
}

double Numbers::RoundHalfEven(double value, int decimals)
{
    double quick;
    if (quickRound(value, decimals, quick)) return quick;
    return fromText(roundedDigits(value, decimals, true), value);
}

QString Numbers::DecimalFormat(int decimals)
{
    return decimals <= 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimals, u'0');
}

QString Numbers::FormatFloat(const QString& format, double value)
{
    const int point = format.indexOf(u'.');
    int decimals = 0;
    if (point >= 0) {
        for (int i = point + 1; i < format.size() && (format[i] == u'0' || format[i] == u'#'); ++i) ++decimals;
    }
    const bool thousands = format.left(point < 0 ? format.size() : point).contains(u',');
    QString digits = roundedDigits(value, decimals, false);
    // Trailing '#' decimals are optional.
    if (point >= 0) {
        int optional = 0;
        for (int i = point + decimals; i > point && format[i] == u'#'; --i) ++optional;
        while (optional-- > 0 && digits.endsWith(u'0')) digits.chop(1);
        if (digits.endsWith(u'.')) digits.chop(1);
    }
    bool nonZero = false;
    for (QChar c : digits) nonZero = nonZero || (c.isDigit() && c != u'0');
    const bool negative = value < 0 && nonZero;
    if (thousands) {
        const int dot = digits.indexOf(u'.');
        QString intPart = dot < 0 ? digits : digits.left(dot);
        const QString frac = dot < 0 ? QString() : digits.mid(dot);
        for (int i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, u',');
        digits = intPart + frac;
    }
    return negative ? u'-' + digits : digits;
}
