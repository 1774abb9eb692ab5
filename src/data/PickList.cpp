#include "PickList.h"

#include "Database.h"

#include <QRegularExpression>

QString TPickList::GetList(int key)
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select [Key], [Label], [List] from options where [Key]=:Key"),
            {DBParam(QStringLiteral("Key"), key)});
    return rs.IsEmpty() ? QString() : rs.DataSet()->ValueAt(0, 2).toString();
}

bool TPickList::SetList(int key, const QString& text)
{
    const TDBParameters params{DBParam(QStringLiteral("Label"), QStringLiteral("")), DBParam(QStringLiteral("List"), text),
                               DBParam(QStringLiteral("Key"), key)};
    TDatabase& db = GlobalDatabase();
    int n = db.Execute(QStringLiteral("update options set [Label]=:Label, [List]=:List where [Key]=:Key"), params);
    if (n != 1)
        n = db.Execute(QStringLiteral("insert into options([Label], [List], [Key])values(:Label, :List, :Key)"), params);
    return n == 1;
}

QStringList TPickList::Items(int key)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n|\r"));
    QStringList items;
    for (const QString& line : GetList(key).split(lineBreak))
        if (!line.trimmed().isEmpty()) items << line.trimmed();
    return items;
}

TPickListSet::TPickListSet(QObject* parent) : TRecordSet(parent)
{
    KeyFld = AddField(TFieldType::Integer, QStringLiteral("Key"));
    LabelFld = AddField(TFieldType::WideString, QStringLiteral("Label"), 50);
    ListFld = AddField(TFieldType::Memo, QStringLiteral("List"));
}

void TPickListSet::ensureOpen()
{
    TDatabase& db = Database();
    const QString source = db.Handle().connectionName() + u'|' + db.ConnectionString();
    if (Active() && m_source == source) return;
    Open(QStringLiteral("select * from options order by [Key]"));
    m_source = source;
}

int TPickListSet::Count()
{
    ensureOpen();
    return RecordCount();
}

void TPickListSet::SetCount(int n)
{
    ensureOpen();
    if (RecordCount() >= n) return;
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select max([Key]) from options"));
    const QVariant top = rs.FirstValue();
    int key = top.isNull() ? -1 : top.toInt();
    TDataSet* ds = DataSet();
    while (RecordCount() < n) {
        ++key;
        Database().ExecCommand(QStringLiteral("insert into options([Key], List) values (:Key, :List)"),
                               {DBParam(QStringLiteral("Key"), key), DBParam(QStringLiteral("List"), QVariant())});
        ds->Append();
        KeyFld->SetValue(key);
        ds->Post();
    }
}

TPickListSet& GlobalPickListSet()
{
    thread_local TPickListSet lists;
    return lists;
}
