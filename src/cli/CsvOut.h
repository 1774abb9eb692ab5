#pragma once
#include <QString>
#include <QStringList>

class QTextStream;
class TDataSet;

// CSV as spreadsheets read it (RFC 4180, UTF-8): a header row of the field names, then every row
// of the data set with each value as its field displays it.
namespace CsvOut {
QString Escape(const QString& value);
void WriteRow(QTextStream& out, const QStringList& values);
// Writes every row from the first, whatever the cursor was; returns the rows written. With
// visibleOnly, the fields the data object hides are left out.
int WriteDataSet(QTextStream& out, TDataSet& dataSet, bool visibleOnly = false);
}  // namespace CsvOut
