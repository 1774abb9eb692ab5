#include "CsvOut.h"

#include "DataSet.h"
#include "Field.h"

#include <QTextStream>

QString CsvOut::Escape(const QString& value)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = value != value.trimmed();
    for (const QChar c : value)
        if (special.contains(c)) quote = true;
    if (!quote) return value;
    QString v = value;
    return u'"' + v.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void CsvOut::WriteRow(QTextStream& out, const QStringList& values)
{
    QStringList escaped;
    escaped.reserve(values.size());
    for (const QString& v : values) escaped << Escape(v);
    out << escaped.join(u',') << "\r\n";
}

int CsvOut::WriteDataSet(QTextStream& out, TDataSet& dataSet, bool visibleOnly)
{
    QList<TField*> fields;
    for (TField* f : dataSet.Fields())
        if (!visibleOnly || f->Visible()) fields << f;
    QStringList header;
    for (const TField* f : fields) header << f->FieldName();
    WriteRow(out, header);
    int rows = 0;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        QStringList values;
        values.reserve(fields.size());
        for (const TField* f : fields) values << f->DisplayText();
        WriteRow(out, values);
        ++rows;
    }
    out.flush();
    return rows;
}
