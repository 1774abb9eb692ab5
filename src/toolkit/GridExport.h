#pragma once
#include <QList>
#include <QString>
#include <functional>

class TDataSet;
class TField;

// One column of an export: its title and the field whose values it shows.
struct TExportColumn {
    QString Title;
    const TField* Field = nullptr;
};

// Writes the rows a data set shows (its filter and sort applied) without moving its cursor.
namespace GridExport {
using TProgress = std::function<void(int total, int done)>;

// An .xlsx workbook: titles in row 1, then one row per record; numbers and dates are written
// as numbers and dates in the field's display format, everything else as text.
bool WriteXlsx(const QString& path, const QList<TExportColumn>& columns, const TDataSet& dataSet, QString& error,
               const TProgress& progress = {});
// An HTML table, one line per tag as the old exports had, in GBK with the charset declared.
// Texts are escaped, so a "<" in a field shows as "<".
bool WriteHtml(const QString& path, const QList<TExportColumn>& columns, const TDataSet& dataSet, QString& error);
// "#,##0.00" for ",0.00", "0.000" for "0.000"; empty for no format.
QString ExcelNumberFormat(const QString& displayFormat);
}  // namespace GridExport
