#pragma once
#include <QString>
#include <QStringList>

// New row keys and document codes.
//
// Every allocation first takes one allocation lock (AllocationLock) on the global connection and
// then reads the current maximum, so call these inside the saving transaction: the lock is held
// until that transaction ends, and two workstations never hand out the same Id, dlId or Code.
// (SQLite transactions begin IMMEDIATE and so already serialise writers.)

// "select max(Id) from <table>" plus 1; 1 for an empty table.
int NewId(const QString& table);
// "select max(dlId) from <table>" plus 1, for line tables.
int NewDlId(const QString& table);
// The next document code of a table: prefix, year and month of the server's clock as "yymm",
// and a running number of at least four digits counted per table and month (CG13010001).
// The number follows the numeric maximum of the month's codes, so it keeps counting past 9999
// (CG130110000) instead of repeating.
QString NewCode(const QString& prefix, const QString& table);

namespace TKeys {
// The one resource name all allocations lock; one name for all tables avoids deadlocks.
QString AllocationLock();
// The running number that follows the codes given, for codes that start with head
// (prefix and "yymm"); codes whose rest is not all digits are ignored. 1 when none count.
int NextCodeNumber(const QStringList& codes, const QString& head);
// head followed by the number with at least four digits.
QString FormatCode(const QString& head, int number);
}  // namespace TKeys
