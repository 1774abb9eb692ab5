#pragma once
#include "Database.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

// The one document pattern of the system: a header row in a master table and its lines in a
// detail table, loaded, saved in one transaction, checked and unchecked by name and time,
// deleted only while unchecked. Each kind of document states its tables, columns, code prefix,
// check right and load statements in a TBillKind; TBillPattern runs every operation for it.

// What every document carries: its key and code, its maker and its checker.
struct RBillStamp {
    int Id = 0;  // 0: not saved yet
    QString Code;
    QString Billman;   // the maker's login name
    QString Checkman;  // the checker's login name; empty while unchecked
    std::optional<QDateTime> BillTime;
    std::optional<QDateTime> CheckTime;  // null: unchecked

    bool Checked() const { return CheckTime.has_value(); }
};

// What every line carries: its own key and its header's.
struct RBillLine {
    int dlId = 0;  // 0 or below: not saved yet
    int MastId = 0;
};

// A line handed to a save: where its keys are written back, and its stored values named and
// ordered as the kind's line columns.
struct TBillLineRef {
    RBillLine* Line;
    TDBParameters Values;
};

struct TBillKind {
    QString MasterTable;
    QString DetailTable;  // empty for documents without lines
    QString CodePrefix;
    int CheckRight = 0;
    // Stored header columns besides Id, Code, Billman, BillTime, Checkman and CheckTime, and
    // stored line columns besides dlId and MastId. Reserved words are written plain here; the
    // statements bracket them.
    QStringList HeaderColumns;
    QStringList LineColumns;
    QString LoadSql;       // the header with its joined names, parameter :Id
    QString LoadLinesSql;  // the lines with their joined names, parameter :MastId, in dlId order
};

// One row of a load statement, read by column name (case does not matter).
class TBillRow {
public:
    explicit TBillRow(const QSqlRecord& record) : m_record(record) {}
    // Raises EDatabaseError when the statement has no such column.
    QVariant Value(const QString& column) const;
    QString Text(const QString& column) const;
    int Int(const QString& column) const;  // null reads as 0
    std::optional<int> OptInt(const QString& column) const;
    double Num(const QString& column) const;  // null reads as 0
    std::optional<double> OptNum(const QString& column) const;
    QDate Date(const QString& column) const;
    std::optional<QDate> OptDate(const QString& column) const;
    std::optional<QDateTime> OptTime(const QString& column) const;

private:
    QSqlRecord m_record;
};

class TBillPattern {
public:
    explicit TBillPattern(TBillKind kind);
    const TBillKind& Kind() const { return m_kind; }

    using TReadRow = std::function<void(const TBillRow&)>;
    // True when exactly one header row has the Id; it is handed to readHeader, then every line
    // row to readLine. Nothing is read for any other outcome.
    bool Load(int id, const TReadRow& readHeader, const TReadRow& readLine) const;

    // Inserts (Id 0) or updates the header, then writes the lines and runs the after-save step,
    // all in one transaction that commits only when every step succeeded. A new document gets
    // its Id, Code and BillTime, new lines their dlId, written into head and the lines as the
    // save goes: callers save a copy of their record and keep it only on success. The update is
    // guarded (the current operator must be the maker and the document unchecked); when it
    // matches no row the message tells why. A failed line statement fails without a message.
    // Database errors roll back and are passed on.
    bool Save(RBillStamp& head, const TDBParameters& header, const QList<TBillLineRef>& lines,
              QString& message, const std::function<bool()>& afterSave = {}) const;

    // Deletes the lines and the unchecked header made by head.Billman, in one transaction. A
    // refusal or a database error rolls back and explains itself in message.
    bool Delete(const RBillStamp& head, QString& message) const;

    // Checks an unchecked document or unchecks a checked one (by its checker only), deciding by
    // head.Checkman. Without the kind's check right the refusal is shown and EAbort raised.
    // True when the row changed; head then carries the new Checkman and CheckTime.
    bool ToggleCheck(RBillStamp& head) const;

    // Neighbouring Ids in Id order; 0 when there is none.
    int PriorId(int id) const;
    int NextId(int id) const;
    // The largest Id; true when it is at least 1.
    bool LastId(int& id) const;

    // The statements of the kind, for tests and tools.
    QString InsertSql() const { return m_insertSql; }
    QString UpdateSql() const { return m_updateSql; }

    // Rows per multi-row insert of new lines.
    static constexpr int InsertChunk = 10;

private:
    bool insertHeader(RBillStamp& head, const TDBParameters& header, QString& message) const;
    bool updateHeader(const RBillStamp& head, const TDBParameters& header, QString& message) const;
    QString updateRefusal(int id) const;
    QString deleteRefusal(const RBillStamp& head) const;
    bool saveLines(int mastId, bool newHeader, const QList<TBillLineRef>& lines) const;
    bool insertLines(int mastId, const QList<TBillLineRef>& lines, int from, int count) const;
    void requireColumns(const TDBParameters& values, const QStringList& columns) const;

    TBillKind m_kind;
    QString m_insertSql;
    QString m_updateSql;
    QString m_probeSql;
    QString m_deleteLinesSql;
    QString m_deleteSql;
    QString m_checkSql;
    QString m_uncheckSql;
    QString m_storedLinesSql;
    QString m_lineUpdateSql;
    QString m_lineInsertHead;
};

// A column name as statements write it: reserved words in brackets.
QString BillColumn(const QString& column);
// The workstation's clock to the second, as documents store their making time.
QDateTime WorkstationNow();

// Typed glue for documents with lines (a member Lines of line records): the record is loaded
// into, or saved from, a copy that replaces the caller's record only on success.
template <class R, class ReadHeader, class ReadLine>
bool LoadBill(const TBillPattern& pattern, R& rec, ReadHeader readHeader, ReadLine readLine)
{
    R loaded;
    const bool ok = pattern.Load(
        rec.Id, [&](const TBillRow& r) { readHeader(r, loaded); },
        [&](const TBillRow& r) {
            loaded.Lines.emplace_back();
            readLine(r, loaded.Lines.back());
        });
    if (ok) rec = std::move(loaded);
    return ok;
}

template <class R, class HeaderValues, class LineValues, class AfterSave>
bool SaveBill(const TBillPattern& pattern, R& rec, QString& message, HeaderValues headerValues,
              LineValues lineValues, AfterSave afterSave)
{
    R work = rec;
    QList<TBillLineRef> lines;
    lines.reserve(work.Lines.size());
    for (auto& l : work.Lines) lines.append(TBillLineRef{&l, lineValues(l)});
    if (!pattern.Save(work, headerValues(work), lines, message, [&] { return afterSave(work); })) return false;
    rec = std::move(work);
    return true;
}
