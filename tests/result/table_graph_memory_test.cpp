// The graph builders when memory runs out.
#include <gtest/gtest.h>

#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "tests/result/buildermemory.h"

TEST(GraphDataMemory, AFailedAllocationStopsWithOutOfMemoryAndNoAxis)
{
    const int nYears = 4;
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kOwnFunds, nYears});
    ASSERT_TRUE(project.Calculate(nYears));
    CResultGraphClass& page = project.m_result.m_objGraphCapital;

    // The row array first, then the rows one by one; a failed run sets no axis,
    // so the page draws nothing.
    const int k = BuildWhileAllocationsFail(
        project.m_calc, page, [&] { return project.m_calc.MakeGraphCapital(); }, nYears + 3,
        [&](int nRun) { EXPECT_EQ(page.m_nAxisStep, 0) << nRun; });
    EXPECT_EQ(k, nYears + 3);
    ASSERT_EQ(page.m_pItemArray->GetSize(), nYears + 2);
    EXPECT_GT(page.m_nAxisStep, 0);
}
