#include "Keys.h"

#include "Database.h"
#include "Errors.h"
#include "RecordSet.h"

#include <QRegularExpression>

namespace {

// Table names come from the program, never from the user; still, they go into the statement text.
const QString& checkedTable(const QString& table)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!name.match(table).hasMatch()) throw EMqError(QStringLiteral("无效的表名: %1").arg(table));
    return table;
}

int nextAfterMax(const QString& column, const QString& table)
{
    GlobalDatabase().LockForUpdate(TKeys::AllocationLock());
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select max(%1) from %2").arg(column, checkedTable(table)));
    const QVariant v = rs.FirstValue();
    return (v.isNull() ? 0 : v.toInt()) + 1;
}

}  // namespace

QString TKeys::AllocationLock() { return QStringLiteral("mq.keys"); }

int NewId(const QString& table) { return nextAfterMax(QStringLiteral("Id"), table); }

int NewDlId(const QString& table) { return nextAfterMax(QStringLiteral("dlId"), table); }

int TKeys::NextCodeNumber(const QStringList& codes, const QString& head)
{
    int highest = 0;
    for (const QString& code : codes) {
        if (!code.startsWith(head) || code.size() == head.size()) continue;
        bool ok = false;
        const QStringView rest = QStringView(code).mid(head.size());
        bool digits = true;
        for (QChar c : rest) digits = digits && c >= u'0' && c <= u'9';
        if (!digits) continue;
        const int number = rest.toInt(&ok);
        if (ok) highest = qMax(highest, number);
    }
    return highest + 1;
}

QString TKeys::FormatCode(const QString& head, int number)
{
    return head + QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

QString NewCode(const QString& prefix, const QString& table)
{
    TDatabase& db = GlobalDatabase();
    db.LockForUpdate(TKeys::AllocationLock());
    // One clock for both the search and the code, so the two always name the same month.
    const QString head = prefix + db.ServerTime().toString(QStringLiteral("yyMM"));
    // The codes of the month form one range of the code column (codes are plain ASCII, compared
    // by character), so the unique index on Code finds them without a scan.
    QString upper = head;
    upper.back() = QChar(upper.back().unicode() + 1);
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select Code from %1 where Code>=:Low and Code<:High").arg(checkedTable(table)),
            {DBParam(QStringLiteral("Low"), head), DBParam(QStringLiteral("High"), upper)});
    QStringList codes;
    codes.reserve(rs.RecordCount());
    for (int i = 0; i < rs.RecordCount(); ++i) codes << rs.DataSet()->ValueAt(i, 0).toString();
    return TKeys::FormatCode(head, TKeys::NextCodeNumber(codes, head));
}
