// Base of the file classes of the file library.
#pragma once

#include "platform/afxtypes.h"

class CFileClass {
public:
    virtual ~CFileClass() = default;
    virtual void InitData() {}
    virtual BOOL CreateData() { return FALSE; }
    virtual void DestroyData() {}
};
