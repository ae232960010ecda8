// The profit table's builder when memory runs out.
#include <gtest/gtest.h>

#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "tests/support/failingnew.h"

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
