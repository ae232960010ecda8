// Row base of the result pages and the per-year records; CDeleteObArray owns such rows.
#pragma once

#include <typeinfo>

#include "platform/cobject.h"

class CResultObjectClass : public CObject {
public:
    // FALSE when a figure the row holds is not finite.
    virtual BOOL IsFinite() const { return TRUE; }
};

// p as T; null when p is null or no T. An object of exactly type T, the usual
// case in a series, is recognised without searching its bases.
template <class T>
T* ResultItemCast(CObject* p)
{
    if (p && typeid(*p) == typeid(T)) return static_cast<T*>(p);
    return dynamic_cast<T*>(p);
}
