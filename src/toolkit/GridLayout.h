#pragma once
#include <QList>
#include <QString>

// One line of a stored column layout: "Code=True80" is the field Code, visible, 80 pixels wide.
struct TLayoutLine {
    QString FieldName;
    QString Value;  // "True80"

    bool Visible() const { return Value.contains(QLatin1String("True")); }
    // The width with every "True" and "False" removed (in any case); false when not a number.
    bool Width(int& width) const;
};

namespace GridLayout {
// Lines in display order, each ended by "\r\n".
QString Format(const QList<TLayoutLine>& lines);
QString Line(const QString& fieldName, bool visible, int width);
// Lines of the form name=value; blank lines and lines without '=' are skipped.
QList<TLayoutLine> Parse(const QString& text);

// Table syscols: one layout text (F06) per grid key (F02). Empty text when there is none.
QString Load(int key);
// Updates the key's row or inserts it; true when one row was written.
bool Save(int key, const QString& text);
}  // namespace GridLayout
