#include "result/pages/resultobject.h"

CDeleteObArray::~CDeleteObArray()
{
    while (GetSize() > 0) {
        delete GetAt(0);
        RemoveAt(0);
    }
}
