// The graph builders when memory runs out.
#include <gtest/gtest.h>

#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "tests/support/failingnew.h"

TEST(GraphDataMemory, AFailedAllocationStopsWithOutOfMemoryAndNoAxis)
{
    const int nYears = 4;
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, nYears});
    ASSERT_TRUE(project.Calculate(nYears));
    CResultGraphClass& page = project.m_result.m_objGraphCapital;

    // The row array first, then the rows one by one.
    int k = 0;
    for (;; ++k) {
        project.m_calc.m_nMessageID = CALC_NO_ERROR;
        g_nAllocationsLeft = k;
        const BOOL ok = project.m_calc.MakeGraphCapital();
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
        // The axis of this run is not set, so the page draws nothing.
        EXPECT_EQ(page.m_nAxisStep, 0) << k;
    }
    EXPECT_EQ(k, nYears + 3);
    ASSERT_EQ(page.m_pItemArray->GetSize(), nYears + 2);
    EXPECT_GT(page.m_nAxisStep, 0);
}
