#pragma once
#include "RecordSet.h"


// How the finance finders walk the list they found, for the finder window and for 上一单 and
// 下一单 of the entry windows. Each step yields the Id of the row that is current afterwards and
// is false when the list is not open or empty; at either end the cursor stays and the same Id
// comes back (AtFirst / AtLast tell the window to go by Id instead).
class TFnFinderCursor {
public:
    TFnFinderCursor(TRecordSet& set, TField* idField) : m_set(set), m_id(idField) {}
    bool Prior(int& id);
    bool Next(int& id);
    bool Current(int& id) const;
    bool AtFirst() const;
    bool AtLast() const;

private:
    TRecordSet& m_set;
    TField* m_id;
};
