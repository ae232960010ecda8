// Table builders when memory runs out: non-throwing allocations that fail
// on demand (the program links support/allocations.cpp).
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "result/calc/tavcalc.h"
#include "result/pages/resultbase.h"
#include "tests/support/allocations.h"

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
        FailAllocationsAfter(k, FailingForms::kNoThrowObjects);
        const BOOL ok = build();
        AllowAllAllocations();
        if (ok) break;
        EXPECT_EQ(calc.m_nMessageID, CALC_OUT_OF_MEMORY) << k;
        if (k == 0) EXPECT_EQ(page.m_pItemArray, nullptr);
        else if (page.m_pItemArray) EXPECT_EQ(page.m_pItemArray->GetSize(), k - 1) << k;
        else ADD_FAILURE() << "no row array after failure " << k;
        afterFailure(k);
    }
    return k;
}
