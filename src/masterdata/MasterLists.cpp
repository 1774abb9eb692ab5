#include "MasterLists.h"

RClient TClientList::NewItem() const
{
    RClient c;
    c.DistrictId = DefaultDistrict.Id;
    c.DistCode = DefaultDistrict.Code;
    c.DistName = DefaultDistrict.Name;
    return c;
}
