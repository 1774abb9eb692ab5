#include "ViewList.h"

TPrintListRoutine& ListPrinter()
{
    static TPrintListRoutine printer;
    return printer;
}
