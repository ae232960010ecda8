// The profit table's builder when memory runs out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "result/pages/resultrows.h"
#include "sampleprojects.h"

// Failures of the non-throwing allocations on demand: after
// g_nAllocationsLeft more, every further one fails; -1 lets all through.
namespace {
int g_nAllocationsLeft = -1;

bool AllocationFails()
{
    if (g_nAllocationsLeft < 0) return false;
    if (g_nAllocationsLeft == 0) return true;
    --g_nAllocationsLeft;
    return false;
}
} // namespace

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

TEST(ProfitTableMemory, AFailedAllocationStopsWithOutOfMemoryAndTheNextBuildIsWhole)
{
    const int nYears = 4;
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, nYears});
    ASSERT_TRUE(project.Calculate(nYears));
    CResultBaseClass& page = project.m_result.m_objBalanceProfit;

    // The row array first, then the columns one by one.
    int k = 0;
    for (;; ++k) {
        project.m_calc.m_nMessageID = CALC_NO_ERROR;
        g_nAllocationsLeft = k;
        const BOOL ok = project.m_calc.MakeBalanceProfit();
        g_nAllocationsLeft = -1;
        if (ok) break;
        ASSERT_LT(k, nYears + 3);
        EXPECT_EQ(project.m_calc.m_nMessageID, CALC_OUT_OF_MEMORY) << k;
        if (k == 0) {
            EXPECT_EQ(page.m_pItemArray, nullptr);
        } else {
            ASSERT_NE(page.m_pItemArray, nullptr);
            EXPECT_EQ(page.m_pItemArray->GetSize(), k - 1);
        }
    }
    EXPECT_EQ(k, nYears + 3);
    ASSERT_EQ(page.m_pItemArray->GetSize(), nYears + 2);
    const CString label = static_cast<CResultStringArrayClass*>(page.m_pItemArray->GetAt(0))->GetData(0);
    EXPECT_STREQ(label, "賃料");
}
