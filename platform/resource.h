// Resource modules: each deliverable registers its own string table under its
// module file name; the current resource module decides what LoadString reads.
#pragma once

#include <initializer_list>

#include "platform/cstring.h"

struct CResourceModule;
using HINSTANCE = CResourceModule*;

struct CStringTableEntry {
    UINT nID;
    const char* pszText;
};

// Adds entries to the string table of the named module (created on first use).
HINSTANCE RegisterStringTable(const char* pszModule, std::initializer_list<CStringTableEntry> entries);

// Registers a table while a library loads.
class CStringTableRegistrar {
public:
    CStringTableRegistrar(const char* pszModule, std::initializer_list<CStringTableEntry> entries)
    {
        RegisterStringTable(pszModule, entries);
    }
};

// The registered module of that file name (case-insensitive), or null.
HINSTANCE LoadLibrary(const char* pszModule);
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hModule);
const CString* FindResourceString(HINSTANCE hModule, UINT nID);

// Makes a module current for one scope and puts the previous one back.
class CModuleStateScope {
public:
    explicit CModuleStateScope(const char* pszModule);
    ~CModuleStateScope();
    CModuleStateScope(const CModuleStateScope&) = delete;
    CModuleStateScope& operator=(const CModuleStateScope&) = delete;

private:
    HINSTANCE m_hPrevious;
};

// String nID of the current module; empty when it has none.
inline CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

// Loads string nID of the named module whatever module is current.
CString LoadModuleString(const char* pszModule, UINT nID);
