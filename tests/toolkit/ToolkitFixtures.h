#pragma once
#include "DataSet.h"

#include <memory>

// A small list of goods lines: Code and Name (text), Qty (float), Price (money), BizDate,
// Note (memo) and a hidden Id.
std::unique_ptr<TDataSet> MakeGoodsLines();

// Fields: Code, Name, Qty, Price, BizDate, Note, Id (hidden).
enum GoodsField { fCode, fName, fQty, fPrice, fBizDate, fNote, fId };
