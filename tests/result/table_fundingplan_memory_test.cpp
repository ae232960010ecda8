// The funding plan when memory runs out.
#include <gtest/gtest.h>

#include <cstddef>

#include "sampleprojects.h"
#include "tests/support/allocations.h"

namespace {

// Counts down the non-throwing allocations of each form; the one that
// reaches 0 is refused. -1 refuses none.
int g_nScalarCountdown = -1;
int g_nArrayCountdown = -1;

bool Refuse(int& nCountdown)
{
    if (nCountdown < 0) return false;
    return nCountdown-- == 0;
}

bool RefusesByCountdown(const AllocationRequest& request)
{
    return request.bNoThrow && Refuse(request.bArray ? g_nArrayCountdown : g_nScalarCountdown);
}

} // namespace

TEST(FundingPlanMemory, AFailedAllocationReportsItAndKeepsTheColumnsMadeSoFar)
{
    CProjectInMemory project;
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 10});
    ASSERT_TRUE(project.Calculate(10));
    CTavCalcClass& calc = project.m_calc;
    const CResultBaseClass& page = project.m_result.m_objBalanceCapitalPlan;
    const struct {
        int nScalar;      // the row array, then one object per column
        int nArray;       // the cells of each column
        int nColumnsLeft; // -1: no row array
    } cases[] = {{0, -1, -1}, {1, -1, 0}, {3, -1, 2}, {-1, 0, 0}, {-1, 1, 1}, {-1, 11, 11}};
    for (const auto& c : cases) {
        calc.m_nMessageID = CALC_NO_ERROR;
        g_nScalarCountdown = c.nScalar;
        g_nArrayCountdown = c.nArray;
        g_pfnFailAllocation = RefusesByCountdown;
        const BOOL bDone = calc.MakeBalanceCapitalPlan();
        AllowAllAllocations();
        EXPECT_FALSE(bDone) << c.nScalar << " " << c.nArray;
        EXPECT_EQ(calc.m_nMessageID, CALC_OUT_OF_MEMORY);
        if (c.nColumnsLeft < 0)
            EXPECT_EQ(page.m_pItemArray, nullptr);
        else
            EXPECT_EQ(page.m_pItemArray->GetSize(), c.nColumnsLeft) << c.nScalar << " " << c.nArray;
        // The next run builds the whole page.
        EXPECT_TRUE(calc.MakeBalanceCapitalPlan());
        EXPECT_EQ(page.m_pItemArray->GetSize(), 12);
    }
}
