#pragma once
#include "Criteria.h"
#include "RecordSet.h"

#include <QVariant>

// Small pieces the finance lists share.
namespace FnColumns {

// column >= begin and column < the day after end, for the dates that are set: a period that
// takes in the whole end day.
void Period(TCriteria& criteria, const QString& column, const QVariant& begin, const QVariant& end);

// Writes AmountInWords of the amount field into the words field on every loaded row.
void FillAmountInWords(TRecordSet& set, const TField* amount, const TField* words);

}  // namespace FnColumns
