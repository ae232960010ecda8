// The profit table's builder when memory runs out.
#include <gtest/gtest.h>

#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "tests/result/buildermemory.h"

TEST(ProfitTableMemory, AFailedAllocationStopsWithOutOfMemoryAndTheNextBuildIsWhole)
{
    const int nYears = 4;
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, nYears});
    ASSERT_TRUE(project.Calculate(nYears));
    CResultBaseClass& page = project.m_result.m_objBalanceProfit;

    // The row array first, then the columns one by one.
    const int k =
        BuildWhileAllocationsFail(project.m_calc, page, [&] { return project.m_calc.MakeBalanceProfit(); }, nYears + 3);
    EXPECT_EQ(k, nYears + 3);
    ASSERT_EQ(page.m_pItemArray->GetSize(), nYears + 2);
    const CString label = static_cast<CResultStringArrayClass*>(page.m_pItemArray->GetAt(0))->GetData(0);
    EXPECT_STREQ(label, "賃料");
}
