// Table builders when memory runs out: non-throwing allocations that fail
// on demand. It replaces the global allocation functions, so include it in
// one source file of a test program only.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>

#include "result/calc/tavcalc.h"
#include "result/pages/resultbase.h"

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

// Runs build with its k-th non-throwing allocation failing, k = 0, 1, ...,
// until it succeeds, and checks every failed run: status 13002, no row array
// when the array itself failed, else the k - 1 rows made before the failure;
// then afterFailure(k). Returns the k of the first run that succeeded.
inline int BuildWhileAllocationsFail(CTavCalcClass& calc, const CResultBaseClass& page,
                                     const std::function<BOOL()>& build, int nLimit,
                                     const std::function<void(int)>& afterFailure = [](int) {})
{
    int k = 0;
    for (; k <= nLimit; ++k) {
        calc.m_nMessageID = CALC_NO_ERROR;
        g_nAllocationsLeft = k;
        const BOOL ok = build();
        g_nAllocationsLeft = -1;
        if (ok) break;
        EXPECT_EQ(calc.m_nMessageID, CALC_OUT_OF_MEMORY) << k;
        if (k == 0) EXPECT_EQ(page.m_pItemArray, nullptr);
        else if (page.m_pItemArray) EXPECT_EQ(page.m_pItemArray->GetSize(), k - 1) << k;
        else ADD_FAILURE() << "no row array after failure " << k;
        afterFailure(k);
    }
    return k;
}
