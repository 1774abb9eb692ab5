#include "BillPattern.h"

#include "Keys.h"
#include "MqLib.h"
#include "Nullable.h"
#include "Operator.h"
#include "Seams.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

namespace {

const QString kMsgDeleted = QStringLiteral("单据已经被删除.");
const QString kMsgCheckedBy = QStringLiteral("单据已经被用户%1在%2时审核.");
const QString kMsgNotMakerUpdate = QStringLiteral("操作员%1不是单据的编制人%2,不允许修改.");
const QString kMsgUpdateUnknown = QStringLiteral("主表update未返回正确标识,未知原因.");
const QString kMsgInsertUnknown = QStringLiteral("主表insert未返回正确标识,原因未知.");
const QString kMsgGoneDelete = QStringLiteral("记录已经被其他用户删除.");
const QString kMsgDeleteUnknown = QStringLiteral("未知原因.");
const QString kMsgNotMakerDelete = QStringLiteral("操作员%1不是单据的编制人%2,不允许删除.");
const QString kMsgCheckedDelete = QStringLiteral("单据已经被其他用户%1审核,不允许删除.");
const QString kMsgNotChecker = QStringLiteral("不能反审核该单据,因为您不是该单据的审核人.");

QString param(const QString& name) { return QStringLiteral(":") + name; }

QVariant scalar(const QString& sql, const TDBParameters& params = {})
{
    QSqlQuery q = GlobalDatabase().Select(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

QString stampText(const QVariant& v)
{
    const QDateTime t = TField::ToDateTime(v);
    return t.isValid() ? t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : QString();
}

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isNullValue(const QVariant& v)
{
    return Nullable::IsNull(v) || (v.typeId() == QMetaType::QString && v.toString().isNull());
}

// Whether a stored value equals what a statement would write. Doubtful cases count as
// different, which costs one update and never loses a change.
bool sameValue(const QVariant& stored, const QVariant& bound)
{
    const bool storedNull = isNullValue(stored);
    const bool boundNull = isNullValue(bound);
    if (storedNull || boundNull) return storedNull && boundNull;
    if (isNumber(stored) && isNumber(bound)) return stored.toDouble() == bound.toDouble();
    if (isNumber(stored) != isNumber(bound)) return false;
    return stored.toString() == bound.toString();
}

}  // namespace

QString BillColumn(const QString& column)
{
    static const QSet<QString> reserved = {QStringLiteral("note"),  QStringLiteral("waresize"),
                                           QStringLiteral("key"),   QStringLiteral("label"),
                                           QStringLiteral("list"),  QStringLiteral("password")};
    return reserved.contains(column.toLower()) ? QStringLiteral("[") + column + QStringLiteral("]") : column;
}

QDateTime WorkstationNow()
{
    const QDateTime now = Platform::Clock().Now();
    const QTime t = now.time();
    return QDateTime(now.date(), QTime(t.hour(), t.minute(), t.second()));
}

// --- TBillRow ---------------------------------------------------------------------------------

QVariant TBillRow::Value(const QString& column) const
{
    const int i = m_record.indexOf(column);
    if (i < 0) throw EDatabaseError(QStringLiteral("字段 %1 未找到").arg(column));
    return m_record.value(i);
}

QString TBillRow::Text(const QString& column) const
{
    const QVariant v = Value(column);
    return Nullable::IsNull(v) ? QString() : v.toString();
}

int TBillRow::Int(const QString& column) const { return TField::ToInt(Value(column)); }
std::optional<int> TBillRow::OptInt(const QString& column) const { return Nullable::Int(Value(column)); }
double TBillRow::Num(const QString& column) const { return TField::ToFloat(Value(column)); }
std::optional<double> TBillRow::OptNum(const QString& column) const { return Nullable::Num(Value(column)); }
QDate TBillRow::Date(const QString& column) const { return TField::ToDate(Value(column)); }
std::optional<QDate> TBillRow::OptDate(const QString& column) const { return Nullable::Date(Value(column)); }
std::optional<QDateTime> TBillRow::OptTime(const QString& column) const { return Nullable::Time(Value(column)); }

// --- TBillPattern -----------------------------------------------------------------------------

TBillPattern::TBillPattern(TBillKind kind) : m_kind(std::move(kind))
{
    const QString& m = m_kind.MasterTable;
    const QString& d = m_kind.DetailTable;

    QStringList sets{QStringLiteral("Code=:Code")};
    QStringList cols{QStringLiteral("Code")};
    QStringList vals{QStringLiteral(":Code")};
    for (const QString& c : m_kind.HeaderColumns) {
        sets << BillColumn(c) + u'=' + param(c);
        cols << BillColumn(c);
        vals << param(c);
    }
    sets << QStringLiteral("BillTime=:BillTime");
    cols << QStringLiteral("Billman") << QStringLiteral("BillTime") << QStringLiteral("Id");
    vals << QStringLiteral(":Billman") << QStringLiteral(":BillTime") << QStringLiteral(":Id");
    m_updateSql = QStringLiteral("update %1 set %2 where Id=:Id and Billman=:Billman and CheckTime is null")
                      .arg(m, sets.join(QStringLiteral(", ")));
    m_insertSql = QStringLiteral("insert into %1(%2)values(%3)").arg(m, cols.join(u','), vals.join(u','));
    m_probeSql = QStringLiteral("select CheckTime, Checkman, Billman from %1 where Id=:Id").arg(m);
    m_deleteSql = QStringLiteral("delete from %1 where Id=:Id and Billman=:Billman and CheckTime is null").arg(m);
    // Checking and unchecking are guarded by the state the record showed, so a stale window
    // cannot take over another operator's check.
    m_checkSql = QStringLiteral("update %1 set Checkman=:Checkman, CheckTime=:CheckTime where Id=:Id and CheckTime is null").arg(m);
    m_uncheckSql = QStringLiteral("update %1 set Checkman=:Checkman, CheckTime=:CheckTime where Id=:Id and Checkman=:OldCheckman").arg(m);

    if (!d.isEmpty()) {
        QStringList lineSets;
        QStringList lineCols;
        for (const QString& c : m_kind.LineColumns) {
            lineSets << BillColumn(c) + u'=' + param(c);
            lineCols << BillColumn(c);
        }
        m_deleteLinesSql = QStringLiteral("delete from %1 where MastId=:Id").arg(d);
        m_storedLinesSql = QStringLiteral("select dlId, %1 from %2 where MastId=:MastId").arg(lineCols.join(u','), d);
        m_lineUpdateSql = QStringLiteral("update %1 set %2 where dlId=:dlId").arg(d, lineSets.join(QStringLiteral(", ")));
        m_lineInsertHead = QStringLiteral("insert into %1(MastId, %2, dlId)values").arg(d, lineCols.join(u','));
    }
}

bool TBillPattern::Load(int id, const TReadRow& readHeader, const TReadRow& readLine) const
{
    TDatabase& db = GlobalDatabase();
    {
        QSqlQuery q = db.Select(m_kind.LoadSql, {DBParam(QStringLiteral("Id"), id)});
        if (!q.next()) return false;
        const QSqlRecord header = q.record();
        if (q.next()) return false;
        readHeader(TBillRow(header));
    }
    if (m_kind.DetailTable.isEmpty() || m_kind.LoadLinesSql.isEmpty()) return true;
    QSqlQuery lines = db.Select(m_kind.LoadLinesSql, {DBParam(QStringLiteral("MastId"), id)});
    while (lines.next()) readLine(TBillRow(lines.record()));
    return true;
}

void TBillPattern::requireColumns(const TDBParameters& values, const QStringList& columns) const
{
    bool same = values.size() == columns.size();
    for (int i = 0; same && i < columns.size(); ++i)
        same = values[i].Name.compare(columns[i], Qt::CaseInsensitive) == 0;
    if (!same)
        throw EMqError(QStringLiteral("%1: 写入的字段与定义不符").arg(m_kind.MasterTable));
}

bool TBillPattern::Save(RBillStamp& head, const TDBParameters& header, const QList<TBillLineRef>& lines,
                        QString& message, const std::function<bool()>& afterSave) const
{
    message.clear();
    requireColumns(header, m_kind.HeaderColumns);
    for (const TBillLineRef& l : lines) requireColumns(l.Values, m_kind.LineColumns);

    TTransaction trans(GlobalDatabase());
    const bool isNew = head.Id <= 0;
    if (isNew ? !insertHeader(head, header, message) : !updateHeader(head, header, message)) return false;
    if (!m_kind.DetailTable.isEmpty() && !saveLines(head.Id, isNew, lines)) return false;
    if (afterSave && !afterSave()) return false;
    trans.Commit();
    return true;
}

bool TBillPattern::insertHeader(RBillStamp& head, const TDBParameters& header, QString& message) const
{
    // Inside the transaction: the allocation lock is held until it ends.
    head.Id = NewId(m_kind.MasterTable);
    head.Code = NewCode(m_kind.CodePrefix, m_kind.MasterTable);
    head.BillTime = WorkstationNow();
    if (head.Billman.isEmpty()) head.Billman = CurrentOperator().LoginId;
    TDBParameters p = header;
    p << DBParam(QStringLiteral("Code"), head.Code) << DBParam(QStringLiteral("Billman"), head.Billman)
      << DBParam(QStringLiteral("BillTime"), *head.BillTime) << DBParam(QStringLiteral("Id"), head.Id);
    if (GlobalDatabase().Execute(m_insertSql, p) == 1) return true;
    message = kMsgInsertUnknown;
    return false;
}

bool TBillPattern::updateHeader(const RBillStamp& head, const TDBParameters& header, QString& message) const
{
    TDBParameters p = header;
    p << DBParam(QStringLiteral("Code"), head.Code) << DBParam(QStringLiteral("BillTime"), Nullable::Of(head.BillTime))
      << DBParam(QStringLiteral("Id"), head.Id) << DBParam(QStringLiteral("Billman"), CurrentOperator().LoginId);
    if (GlobalDatabase().Execute(m_updateSql, p) == 1) return true;
    message = updateRefusal(head.Id);
    return false;
}

QString TBillPattern::updateRefusal(int id) const
{
    QSqlQuery q = GlobalDatabase().Select(m_probeSql, {DBParam(QStringLiteral("Id"), id)});
    if (!q.next()) return kMsgDeleted;
    const QSqlRecord r = q.record();
    const TBillRow row(r);
    if (!Nullable::IsNull(row.Value(QStringLiteral("CheckTime"))))
        return kMsgCheckedBy.arg(row.Text(QStringLiteral("Checkman")), stampText(row.Value(QStringLiteral("CheckTime"))));
    const QString me = CurrentOperator().LoginId;
    const QString maker = row.Text(QStringLiteral("Billman"));
    if (maker != me) return kMsgNotMakerUpdate.arg(me, maker);
    return kMsgUpdateUnknown;
}

bool TBillPattern::saveLines(int mastId, bool newHeader, const QList<TBillLineRef>& lines) const
{
    TDatabase& db = GlobalDatabase();
    // Lines of a new header are all new, whatever keys they carry (a copied document).
    QList<TBillLineRef> kept;
    QList<TBillLineRef> fresh;
    for (const TBillLineRef& l : lines) (newHeader || l.Line->dlId <= 0 ? fresh : kept) << l;

    if (!newHeader) {
        // The stored lines, so that only changed ones are written and removed ones deleted.
        QHash<int, QVector<QVariant>> stored;
        {
            QSqlQuery q = db.Select(m_storedLinesSql, {DBParam(QStringLiteral("MastId"), mastId)});
            const int n = m_kind.LineColumns.size();
            while (q.next()) {
                QVector<QVariant> values(n);
                for (int i = 0; i < n; ++i) values[i] = q.value(i + 1);
                stored.insert(TField::ToInt(q.value(0)), std::move(values));
            }
        }
        QStringList keep;
        QSet<int> keepIds;
        for (const TBillLineRef& l : kept) {
            keep << QString::number(l.Line->dlId);
            keepIds.insert(l.Line->dlId);
        }
        bool gone = false;
        for (auto it = stored.cbegin(); it != stored.cend() && !gone; ++it) gone = !keepIds.contains(it.key());
        if (gone) {
            db.Execute(QStringLiteral("delete from %1 where MastId=%2 and dlId not in (%3)")
                           .arg(m_kind.DetailTable)
                           .arg(mastId)
                           .arg(keep.isEmpty() ? QStringLiteral("-1, -2") : keep.join(u',')));
        }
        for (const TBillLineRef& l : kept) {
            // A line that is no longer this document's fails the save, as its update would.
            const auto it = stored.constFind(l.Line->dlId);
            if (it == stored.cend()) return false;
            bool same = true;
            for (int i = 0; same && i < l.Values.size(); ++i) same = sameValue(it.value()[i], db.BindValue(l.Values[i].Value));
            if (same) continue;
            TDBParameters p = l.Values;
            p << DBParam(QStringLiteral("dlId"), l.Line->dlId);
            if (db.Execute(m_lineUpdateSql, p) != 1) return false;
        }
    }
    for (const TBillLineRef& l : kept) l.Line->MastId = mastId;
    if (fresh.isEmpty()) return true;
    // One allocation for all new lines: the lock keeps the numbers ours until commit.
    int next = NewDlId(m_kind.DetailTable);
    for (const TBillLineRef& l : fresh) {
        l.Line->dlId = next++;
        l.Line->MastId = mastId;
    }
    for (int from = 0; from < fresh.size(); from += InsertChunk)
        if (!insertLines(mastId, fresh, from, std::min<int>(InsertChunk, fresh.size() - from))) return false;
    return true;
}

bool TBillPattern::insertLines(int mastId, const QList<TBillLineRef>& lines, int from, int count) const
{
    QString sql = m_lineInsertHead;
    TDBParameters p;
    p.reserve(count * (m_kind.LineColumns.size() + 1) + 1);
    p << DBParam(QStringLiteral("MastId"), mastId);
    for (int r = 0; r < count; ++r) {
        const TBillLineRef& l = lines[from + r];
        const QString suffix = QStringLiteral("_%1").arg(r);
        sql += r == 0 ? QStringLiteral("(:MastId") : QStringLiteral(",(:MastId");
        for (const TDBParameter& v : l.Values) {
            const QString name = v.Name + suffix;
            sql += QStringLiteral(",:") + name;
            p << DBParam(name, v.Value);
        }
        sql += QStringLiteral(",:dlId") + suffix + u')';
        p << DBParam(QStringLiteral("dlId") + suffix, l.Line->dlId);
    }
    return GlobalDatabase().Execute(sql, p) == count;
}

bool TBillPattern::Delete(const RBillStamp& head, QString& message) const
{
    message.clear();
    TDatabase& db = GlobalDatabase();
    try {
        {
            TTransaction trans(db);
            if (!m_kind.DetailTable.isEmpty()) db.Execute(m_deleteLinesSql, {DBParam(QStringLiteral("Id"), head.Id)});
            const int n = db.Execute(m_deleteSql, {DBParam(QStringLiteral("Id"), head.Id),
                                                  DBParam(QStringLiteral("Billman"), head.Billman)});
            if (n == 1) {
                trans.Commit();
                return true;
            }
        }  // rolled back: the lines are back
        message = deleteRefusal(head);
    } catch (const EDatabaseError& e) {
        message = e.Message();
    }
    return false;
}

QString TBillPattern::deleteRefusal(const RBillStamp& head) const
{
    QSqlQuery q = GlobalDatabase().Select(
        QStringLiteral("select CheckTime, Billman, Checkman from %1 where Id=:Id").arg(m_kind.MasterTable),
        {DBParam(QStringLiteral("Id"), head.Id)});
    if (!q.next()) return kMsgGoneDelete;
    const QSqlRecord r = q.record();
    const TBillRow row(r);
    if (Nullable::IsNull(row.Value(QStringLiteral("CheckTime")))) return kMsgDeleteUnknown;
    const QString me = CurrentOperator().LoginId;
    if (row.Text(QStringLiteral("Billman")) != me) return kMsgNotMakerDelete.arg(me, head.Billman);
    return kMsgCheckedDelete.arg(row.Text(QStringLiteral("Checkman")));
}

bool TBillPattern::ToggleCheck(RBillStamp& head) const
{
    const TOperator& op = CurrentOperator();
    op.CheckRight(m_kind.CheckRight);
    TDatabase& db = GlobalDatabase();
    QString checkman;
    std::optional<QDateTime> checkTime;
    int n = 0;
    if (!head.Checkman.isEmpty()) {
        if (head.Checkman != op.LoginId) {
            ShowInfo(kMsgNotChecker);
            return false;
        }
        checkman = QStringLiteral("");
        n = db.Execute(m_uncheckSql, {DBParam(QStringLiteral("Checkman"), checkman), DBParam(QStringLiteral("CheckTime"), QVariant()),
                                      DBParam(QStringLiteral("Id"), head.Id), DBParam(QStringLiteral("OldCheckman"), head.Checkman)});
    } else {
        checkman = op.LoginId;
        checkTime = db.ServerTime();
        n = db.Execute(m_checkSql, {DBParam(QStringLiteral("Checkman"), checkman), DBParam(QStringLiteral("CheckTime"), *checkTime),
                                    DBParam(QStringLiteral("Id"), head.Id)});
    }
    if (n != 1) return false;
    head.Checkman = checkman;
    head.CheckTime = checkTime;
    return true;
}

int TBillPattern::PriorId(int id) const
{
    return TField::ToInt(scalar(QStringLiteral("select max(Id) from %1 where Id<:Id").arg(m_kind.MasterTable),
                                {DBParam(QStringLiteral("Id"), id)}));
}

int TBillPattern::NextId(int id) const
{
    return TField::ToInt(scalar(QStringLiteral("select min(Id) from %1 where Id>:Id").arg(m_kind.MasterTable),
                                {DBParam(QStringLiteral("Id"), id)}));
}

bool TBillPattern::LastId(int& id) const
{
    id = TField::ToInt(scalar(QStringLiteral("select max(Id) from %1").arg(m_kind.MasterTable)));
    return id >= 1;
}
