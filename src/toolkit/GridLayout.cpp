#include "GridLayout.h"

#include "Database.h"
#include "RecordSet.h"

#include <QRegularExpression>

bool TLayoutLine::Width(int& width) const
{
    static const QRegularExpression words(QStringLiteral("true|false"), QRegularExpression::CaseInsensitiveOption);
    QString s = Value;
    s.remove(words);
    bool ok = false;
    const int w = s.trimmed().toInt(&ok);
    if (ok) width = w;
    return ok;
}

QString GridLayout::Line(const QString& fieldName, bool visible, int width)
{
    return fieldName + u'=' + (visible ? QStringLiteral("True") : QStringLiteral("False")) + QString::number(width);
}

QString GridLayout::Format(const QList<TLayoutLine>& lines)
{
    QString text;
    for (const TLayoutLine& l : lines) text += l.FieldName + u'=' + l.Value + QStringLiteral("\r\n");
    return text;
}

QList<TLayoutLine> GridLayout::Parse(const QString& text)
{
    QList<TLayoutLine> lines;
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    for (const QString& raw : text.split(breaks, Qt::SkipEmptyParts)) {
        const int eq = raw.indexOf(u'=');
        if (eq <= 0) continue;
        lines.append({raw.left(eq).trimmed(), raw.mid(eq + 1)});
    }
    return lines;
}

QString GridLayout::Load(int key)
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select F06 from syscols where F02=:KeyId"), {DBParam(QStringLiteral("KeyId"), key)});
    const QVariant v = rs.FirstValue();
    return v.isNull() ? QString() : v.toString();
}

bool GridLayout::Save(int key, const QString& text)
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select 1 from syscols where F02=:Id"), {DBParam(QStringLiteral("Id"), key)});
    if (!rs.IsEmpty())
        return GlobalDatabase().Execute(QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
                                        {DBParam(QStringLiteral("Value"), text), DBParam(QStringLiteral("KeyId"), key)})
               == 1;
    return GlobalDatabase().Execute(QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
                                    {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("S"), text)})
           == 1;
}
