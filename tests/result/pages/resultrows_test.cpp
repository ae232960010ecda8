#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "result/pages/resultbase.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "tests/result/pages/resultpagetest.h"

TEST(ResultStringArray, CreateGivesFourCellsMoreThanAskedAndReplacesTheCellsHeld)
{
    CResultStringArrayClass row;
    EXPECT_EQ(row.m_pstrData, nullptr);
    EXPECT_EQ(row.m_nCount, -1);
    ASSERT_TRUE(row.CreateData(0));
    EXPECT_EQ(row.m_nCount, 4);
    ASSERT_NE(row.m_pstrData, nullptr);
    EXPECT_TRUE(row.m_pstrData[3].IsEmpty());

    row.m_pstrData[0] = "old";
    ASSERT_TRUE(row.CreateData(5));
    EXPECT_EQ(row.m_nCount, 9);
    EXPECT_TRUE(row.m_pstrData[0].IsEmpty());

    row.DestroyData();
    EXPECT_EQ(row.m_pstrData, nullptr);
    EXPECT_EQ(row.m_nCount, -1);
    row.DestroyData();
    EXPECT_EQ(row.m_nCount, -1);
}

TEST(ResultStringArray, ANegativeCountBeyondTheExtraCellsFailsAndLeavesTheRowEmpty)
{
    CResultStringArrayClass row;
    ASSERT_TRUE(row.CreateData(3));
    EXPECT_FALSE(row.CreateData(-5));
    EXPECT_EQ(row.m_pstrData, nullptr);
    EXPECT_EQ(row.m_nCount, -1);
    EXPECT_TRUE(row.CreateData(-4));
    EXPECT_EQ(row.m_nCount, 0);
}

TEST(ResultDoubleArray, CreateGivesExactlyTheValuesAskedFor)
{
    CResultDoubleArrayClass row;
    EXPECT_EQ(row.m_nCount, -1);
    ASSERT_TRUE(row.CreateData(0));
    EXPECT_EQ(row.m_nCount, 0);
    ASSERT_TRUE(row.CreateData(3));
    EXPECT_EQ(row.m_nCount, 3);
    row.m_pdData[2] = 1.5;
    EXPECT_FALSE(row.CreateData(-1));
    EXPECT_EQ(row.m_pdData, nullptr);
    EXPECT_EQ(row.m_nCount, -1);
    row.DestroyData();
    EXPECT_EQ(row.m_nCount, -1);
}

TEST(ResultItem, SettersAssignTheThreeTexts)
{
    CResultItemClass item;
    EXPECT_TRUE(item.m_strItem.IsEmpty() && item.m_strContent.IsEmpty() && item.m_strMoney.IsEmpty());
    item.SetItem("工事期間");
    item.SetContent("a\nb");
    item.SetMoney("12,000");
    EXPECT_EQ(item.m_strItem, "工事期間");
    EXPECT_EQ(item.m_strContent, "a\nb");
    EXPECT_EQ(item.m_strMoney, "12,000");
}

TEST(DeleteObArray, DestroyingItSkipsNullEntriesAndDeletesTheOthers)
{
    CCountedRow::s_nDestroyed = 0;
    {
        CDeleteObArray array;
        array.SetSize(4);
        array.SetAt(0, new CCountedRow);
        array.SetAt(3, new CCountedRow);
        array.InsertAt(1, new CCountedRow);
        ASSERT_EQ(array.GetSize(), 5);
        EXPECT_EQ(array.GetAt(2), nullptr);
    }
    EXPECT_EQ(CCountedRow::s_nDestroyed, 3);
}

TEST(ResultPage, RowsLiveFromCreateToDestroyAndThePageIsEmptyAround)
{
    CCountedRow::s_nDestroyed = 0;
    CResultBasicDataClass page;
    EXPECT_EQ(page.m_pItemArray, nullptr);
    EXPECT_EQ(page.m_sizePage, CSize(0, 0));
    for (int year : page.m_anYear) EXPECT_EQ(year, -1);

    page.DestroyData();
    EXPECT_EQ(page.m_pItemArray, nullptr);
    page.CreateData();
    ASSERT_NE(page.m_pItemArray, nullptr);
    page.m_pItemArray->Add(new CCountedRow);
    page.m_pItemArray->Add(new CCountedRow);
    page.m_sizePage = CSize(10, 20);
    page.m_anYear[4] = 7;
    page.DestroyData();
    EXPECT_EQ(CCountedRow::s_nDestroyed, 2);
    EXPECT_EQ(page.m_pItemArray, nullptr);
    EXPECT_EQ(page.m_sizePage, CSize(0, 0));
    EXPECT_EQ(page.m_anYear[4], -1);

    {
        CResultBalanceTaxClass other;
        other.CreateData();
        other.m_pItemArray->Add(new CCountedRow);
    }
    EXPECT_EQ(CCountedRow::s_nDestroyed, 3);
}

TEST(ResultPage, OwnMembersFollowTheirPagesReset)
{
    CResultDepreciationDataClass depreciation;
    CResultBalanceBasicClass basic;
    CResultBalanceOutlineClass summary;
    CResultExpenseMoneyDataClass funds;
    depreciation.m_strBookValueTitle = "圧縮簿価";
    basic.m_nYieldFormula = 3;
    summary.m_aastrMilestone[1][4] = "１０年目";
    funds.m_nFundReportMode = 2;
    for (CResultBaseClass* page : {static_cast<CResultBaseClass*>(&depreciation), static_cast<CResultBaseClass*>(&basic),
                                   static_cast<CResultBaseClass*>(&summary), static_cast<CResultBaseClass*>(&funds)}) {
        page->CreateData();
        page->DestroyData();
    }
    EXPECT_TRUE(depreciation.m_strBookValueTitle.IsEmpty());
    EXPECT_EQ(basic.m_nYieldFormula, 0);
    EXPECT_TRUE(summary.m_aastrMilestone[1][4].IsEmpty());
    // The table step writes the mode before it empties the page: the reset keeps it.
    EXPECT_EQ(funds.m_nFundReportMode, 2);
}

TEST(ResultPage, CopiesNeverShareRows)
{
    CCountedRow::s_nDestroyed = 0;
    CResultBalanceBasicClass source;
    source.CreateData();
    source.m_pItemArray->Add(new CCountedRow);
    source.m_sizePage = CSize(3330, 4700);
    source.m_anYear[1] = 5;
    source.m_nYieldFormula = 2;

    CResultBalanceBasicClass copy(source);
    EXPECT_EQ(copy.m_pItemArray, nullptr);
    EXPECT_EQ(copy.m_sizePage, CSize(3330, 4700));
    EXPECT_EQ(copy.m_anYear[1], 5);
    EXPECT_EQ(copy.m_nYieldFormula, 2);

    CResultBalanceBasicClass target;
    target.CreateData();
    target.m_pItemArray->Add(new CCountedRow);
    target = source;
    EXPECT_EQ(CCountedRow::s_nDestroyed, 1);
    EXPECT_EQ(target.m_pItemArray, nullptr);
    EXPECT_EQ(target.m_nYieldFormula, 2);
    ASSERT_NE(source.m_pItemArray, nullptr);
    EXPECT_EQ(source.m_pItemArray->GetSize(), 1);
}

TEST(ResultGraph, InitDataClearsTheAxis)
{
    CResultGraphLoanClass graph;
    EXPECT_EQ(graph.m_nAxisStep, 0);
    graph.m_nAxisMin = -20;
    graph.m_nAxisMax = 70;
    graph.m_nAxisStep = 10;
    graph.m_nYearCount = 35;
    graph.DestroyData();
    EXPECT_EQ(graph.m_nAxisMin, 0);
    EXPECT_EQ(graph.m_nAxisMax, 0);
    EXPECT_EQ(graph.m_nAxisStep, 0);
    EXPECT_EQ(graph.m_nYearCount, 0);
}

TEST(ResultGraph, SplitAxisValueCountsWholeStepsAndTheRest)
{
    const struct {
        double dValue;
        int nStep;
        int nSteps, nRest, bPositive;
    } cases[] = {
        {-25000, 10, 2, 5, 0},
        {20000, 10, 2, 0, 1},
        {30000, 10, 3, 0, 1}, // an exact multiple counts in full
        {29999, 10, 2, 9, 1}, // 29.999 million: the fraction is dropped
        {0, 10, 0, 0, 1},
        {-999, 20, 0, 0, 0},
        {1234567, 200, 6, 34, 1},
        // An axis never set holds no step: the whole amount is the rest.
        {45000, 0, 0, 45, 1},
        {45000, -10, 0, 45, 1},
    };
    for (const auto& c : cases) {
        CResultGraphOutlineClass graph;
        graph.m_nAxisStep = c.nStep;
        int nSteps = -1, nRest = -1, bPositive = -1;
        graph.SplitAxisValue(c.dValue, &nSteps, &nRest, &bPositive);
        EXPECT_EQ(nSteps, c.nSteps) << c.dValue << " step " << c.nStep;
        EXPECT_EQ(nRest, c.nRest) << c.dValue << " step " << c.nStep;
        EXPECT_EQ(bPositive, c.bPositive) << c.dValue;
    }
}

TEST(ResultGraph, SplitAxisValueEndsForValuesBeyondAnyAxis)
{
    CResultGraphCapitalClass graph;
    graph.m_nAxisStep = 10;
    int nSteps = 0, nRest = 0, bPositive = 0;
    graph.SplitAxisValue(std::numeric_limits<double>::infinity(), &nSteps, &nRest, &bPositive);
    EXPECT_EQ(bPositive, 1);
    EXPECT_EQ(nSteps * 10 + nRest, std::numeric_limits<int>::max());
    graph.SplitAxisValue(std::nan(""), &nSteps, &nRest, &bPositive);
    EXPECT_EQ(bPositive, 0);
    EXPECT_EQ(nSteps, 0);
    EXPECT_EQ(nRest, 0);
}
