#include "platform/resource.h"

#include <map>
#include <memory>
#include <unordered_map>

struct CResourceModule {
    std::unordered_map<UINT, CString> strings;
};

namespace {

CString ModuleKey(const char* pszModule)
{
    CString key(pszModule);
    key.MakeLower();
    return key;
}

std::map<CString, std::unique_ptr<CResourceModule>>& Modules()
{
    static std::map<CString, std::unique_ptr<CResourceModule>> modules;
    return modules;
}

HINSTANCE& CurrentModule()
{
    static HINSTANCE current = nullptr;
    return current;
}

} // namespace

HINSTANCE RegisterStringTable(const char* pszModule, std::initializer_list<CStringTableEntry> entries)
{
    auto& module = Modules()[ModuleKey(pszModule)];
    if (!module) module = std::make_unique<CResourceModule>();
    for (const CStringTableEntry& e : entries)
        module->strings[e.nID] = e.pszText;
    return module.get();
}

HINSTANCE LoadLibrary(const char* pszModule)
{
    auto it = Modules().find(ModuleKey(pszModule));
    return it == Modules().end() ? nullptr : it->second.get();
}

HINSTANCE AfxGetResourceHandle() { return CurrentModule(); }

void AfxSetResourceHandle(HINSTANCE hModule) { CurrentModule() = hModule; }

const CString* FindResourceString(HINSTANCE hModule, UINT nID)
{
    if (!hModule) return nullptr;
    auto it = hModule->strings.find(nID);
    return it == hModule->strings.end() ? nullptr : &it->second;
}

CModuleStateScope::CModuleStateScope(const char* pszModule) : m_hPrevious(AfxGetResourceHandle())
{
    if (HINSTANCE h = LoadLibrary(pszModule)) AfxSetResourceHandle(h);
}

CModuleStateScope::~CModuleStateScope() { AfxSetResourceHandle(m_hPrevious); }

CString LoadModuleString(const char* pszModule, UINT nID)
{
    CModuleStateScope scope(pszModule);
    CString str;
    str.LoadString(nID);
    return str;
}
