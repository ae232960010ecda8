#include "result/pages/resultobject.h"

CDeleteObArray::~CDeleteObArray()
{
    for (int i = 0; i < GetSize(); ++i) delete GetAt(i);
    RemoveAll();
}
