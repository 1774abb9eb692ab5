#include "FnFinder.h"

bool TFnFinderCursor::Current(int& id) const
{
    TDataSet* ds = m_set.DataSet();
    if (!ds->Active() || ds->IsEmpty()) return false;
    id = m_id->AsInteger();
    return true;
}

bool TFnFinderCursor::Prior(int& id)
{
    TDataSet* ds = m_set.DataSet();
    if (ds->Active() && !ds->IsEmpty() && ds->RecNo() > 1) ds->Prior();
    return Current(id);
}

bool TFnFinderCursor::Next(int& id)
{
    TDataSet* ds = m_set.DataSet();
    if (ds->Active() && !ds->IsEmpty() && ds->RecNo() < ds->RecordCount()) ds->Next();
    return Current(id);
}

bool TFnFinderCursor::AtFirst() const
{
    const TDataSet* ds = m_set.DataSet();
    return !ds->Active() || ds->IsEmpty() || ds->RecNo() <= 1;
}

bool TFnFinderCursor::AtLast() const
{
    const TDataSet* ds = m_set.DataSet();
    return !ds->Active() || ds->IsEmpty() || ds->RecNo() >= ds->RecordCount();
}
