#include "tests/support/allocations.h"

#include <cstdlib>
#include <new>

bool (*g_pfnFailAllocation)(const AllocationRequest&) = nullptr;
void (*g_pfnWatchFree)(void*) = nullptr;

namespace {

int g_nLeft = -1;
FailingForms g_forms = FailingForms::kAll;

bool CountdownFails(const AllocationRequest& request)
{
    if (g_nLeft < 0) return false;
    if (g_forms == FailingForms::kNoThrowObjects && (!request.bNoThrow || request.bArray)) return false;
    if (g_nLeft == 0) return true;
    --g_nLeft;
    return false;
}

void* Allocate(std::size_t nSize, bool bArray, bool bNoThrow)
{
    void* p = nullptr;
    if (!g_pfnFailAllocation || !g_pfnFailAllocation({nSize, bArray, bNoThrow})) p = std::malloc(nSize ? nSize : 1);
    if (!p && !bNoThrow) throw std::bad_alloc();
    return p;
}

void Free(void* p)
{
    if (p && g_pfnWatchFree) g_pfnWatchFree(p);
    std::free(p);
}

} // namespace

void FailAllocationsAfter(int nLeft, FailingForms forms)
{
    g_nLeft = nLeft;
    g_forms = forms;
    g_pfnFailAllocation = nLeft < 0 ? nullptr : CountdownFails;
}

void AllowAllAllocations()
{
    FailAllocationsAfter(-1, FailingForms::kAll);
}

void* operator new(std::size_t n)
{
    return Allocate(n, false, false);
}

void* operator new[](std::size_t n)
{
    return Allocate(n, true, false);
}

void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    return Allocate(n, false, true);
}

void* operator new[](std::size_t n, const std::nothrow_t&) noexcept
{
    return Allocate(n, true, true);
}

void operator delete(void* p) noexcept
{
    Free(p);
}

void operator delete[](void* p) noexcept
{
    Free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    Free(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    Free(p);
}
