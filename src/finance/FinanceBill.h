#pragma once
#include "BillPattern.h"

// What the finance documents share beyond the document pattern.

// Glue for documents without lines (other receivables, expense vouchers): the header is loaded
// into, or saved from, a copy that replaces the caller's record only on success.
template <class R, class ReadHeader>
bool LoadVoucher(const TBillPattern& pattern, int id, R& rec, ReadHeader readHeader)
{
    R loaded;
    const bool ok = pattern.Load(id, [&](const TBillRow& r) { readHeader(r, loaded); }, [](const TBillRow&) {});
    if (ok) rec = std::move(loaded);
    return ok;
}

template <class R, class HeaderValues>
bool SaveVoucher(const TBillPattern& pattern, R& rec, QString& message, HeaderValues headerValues)
{
    R work = rec;
    if (!pattern.Save(work, headerValues(work), {}, message)) return false;
    rec = std::move(work);
    return true;
}

// The stamp of a document read from its load statement.
void ReadStamp(const TBillRow& row, RBillStamp& stamp);
// 新建 and 复制: a new document dated with the server's day, the operator as maker.
void StampNew(RBillStamp& stamp, QDate& bizDate);
