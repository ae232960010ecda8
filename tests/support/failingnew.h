// Non-throwing allocations that fail on demand, for the out-of-memory paths
// of the table builders. It replaces the global allocation functions, so
// include it in one source file of a test program only.
#pragma once

#include <cstdlib>
#include <new>

// After this many more non-throwing allocations every further one fails; -1 lets all through.
inline int g_nAllocationsLeft = -1;

inline bool AllocationFails()
{
    if (g_nAllocationsLeft < 0) return false;
    if (g_nAllocationsLeft == 0) return true;
    --g_nAllocationsLeft;
    return false;
}

void* operator new(std::size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    return p;
}

void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    return AllocationFails() ? nullptr : std::malloc(n ? n : 1);
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
