#include "GridExport.h"

#include "DataSet.h"
#include "Field.h"

#include <QFile>
#include <QHash>
#include <QStringEncoder>
#include <xlsxwriter.h>

QString GridExport::ExcelNumberFormat(const QString& displayFormat)
{
    if (displayFormat.isEmpty()) return {};
    const int point = displayFormat.indexOf(u'.');
    int decimals = 0;
    if (point >= 0)
        for (int i = point + 1; i < displayFormat.size() && (displayFormat[i] == u'0' || displayFormat[i] == u'#'); ++i)
            ++decimals;
    QString f = displayFormat.contains(u',') ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (decimals > 0) f += u'.' + QString(decimals, u'0');
    return f;
}

namespace {
struct TWorkbook {
    lxw_workbook* wb = nullptr;
    ~TWorkbook()
    {
        if (wb) workbook_close(wb);
    }
};

bool isNull(const QVariant& v) { return !v.isValid() || v.isNull(); }

lxw_datetime toLxw(const QDateTime& dt)
{
    return lxw_datetime{dt.date().year(), uint8_t(dt.date().month()), uint8_t(dt.date().day()),
                        uint8_t(dt.time().hour()), uint8_t(dt.time().minute()), double(dt.time().second())};
}
}  // namespace

bool GridExport::WriteXlsx(const QString& path, const QList<TExportColumn>& columns, const TDataSet& dataSet,
                           QString& error, const TProgress& progress)
{
    const QByteArray file = QFile::encodeName(path);
    TWorkbook book;
    book.wb = workbook_new(file.constData());
    if (!book.wb) {
        error = QStringLiteral("不能创建文件 %1").arg(path);
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(book.wb, nullptr);
    lxw_format* title = workbook_add_format(book.wb);
    format_set_bold(title);
    lxw_format* dateFmt = workbook_add_format(book.wb);
    format_set_num_format(dateFmt, "yyyy-mm-dd");
    lxw_format* stampFmt = workbook_add_format(book.wb);
    format_set_num_format(stampFmt, "yyyy-mm-dd hh:mm:ss");
    QHash<QString, lxw_format*> numberFormats;
    std::vector<lxw_format*> colFormat;

    for (int c = 0; c < columns.size(); ++c) {
        worksheet_write_string(ws, 0, lxw_col_t(c), columns[c].Title.toUtf8().constData(), title);
        const TField* f = columns[c].Field;
        lxw_format* fmt = nullptr;
        const QString nf = f->IsNumeric() && f->DataType() != TFieldType::Integer ? ExcelNumberFormat(f->DisplayFormat())
                                                                                  : QString();
        if (!nf.isEmpty()) {
            fmt = numberFormats.value(nf);
            if (!fmt) {
                fmt = workbook_add_format(book.wb);
                format_set_num_format(fmt, nf.toUtf8().constData());
                numberFormats.insert(nf, fmt);
            }
        }
        colFormat.push_back(fmt);
        const double width = std::clamp(f->IsText() ? f->Size() + 2 : 12, 8, 60);
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), width, nullptr);
    }

    const int rows = dataSet.RecordCount();
    for (int r = 0; r < rows; ++r) {
        if (progress && r % 2000 == 0) progress(rows, r);
        const lxw_row_t sheetRow = lxw_row_t(r + 1);
        for (int c = 0; c < columns.size(); ++c) {
            const TField* f = columns[c].Field;
            const QVariant v = dataSet.ValueAt(r, f->Index());
            if (isNull(v)) continue;
            const lxw_col_t col = lxw_col_t(c);
            if (f->IsNumeric()) {
                worksheet_write_number(ws, sheetRow, col, v.toDouble(), colFormat[size_t(c)]);
            } else if (f->DataType() == TFieldType::DateTime) {
                const QDateTime dt = TField::ToDateTime(v);
                if (!dt.isValid()) continue;
                lxw_datetime x = toLxw(dt);
                worksheet_write_datetime(ws, sheetRow, col, &x, dt.time() == QTime(0, 0) ? dateFmt : stampFmt);
            } else {
                const QString text = f->Format(v);
                if (!text.isEmpty()) worksheet_write_string(ws, sheetRow, col, text.toUtf8().constData(), nullptr);
            }
        }
    }
    if (progress) progress(rows, rows);
    const lxw_error result = workbook_close(book.wb);
    book.wb = nullptr;
    if (result != LXW_NO_ERROR) {
        error = QStringLiteral("不能写入文件 %1: %2").arg(path, QString::fromUtf8(lxw_strerror(result)));
        return false;
    }
    return true;
}

bool GridExport::WriteHtml(const QString& path, const QList<TExportColumn>& columns, const TDataSet& dataSet,
                           QString& error)
{
    QStringList lines{QStringLiteral("<html>"), QStringLiteral("<head>"),
                      QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"),
                      QStringLiteral("<title></title>"), QStringLiteral("</head>"), QStringLiteral("<body>"),
                      QStringLiteral("<table>"), QStringLiteral("<tr>")};
    auto cell = [](const QString& text) -> QString {
        return QStringLiteral("<td nowrap>") + text.toHtmlEscaped() + QStringLiteral("&nbsp;</td>");
    };
    for (const TExportColumn& c : columns) lines << cell(c.Title);
    lines << QStringLiteral("</tr>");
    for (int r = 0; r < dataSet.RecordCount(); ++r) {
        lines << QStringLiteral("<tr>");
        for (const TExportColumn& c : columns) lines << cell(c.Field->Format(dataSet.ValueAt(r, c.Field->Index())));
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");

    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        error = QStringLiteral("不能写入文件 %1: %2").arg(path, out.errorString());
        return false;
    }
    return true;
}
