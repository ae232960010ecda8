#include <gtest/gtest.h>

#include <vector>

#include "data/dataotherincome.h"

TEST(DataOtherIncome, HoldersNumberTheirItems)
{
    CDataProRestOtherClass incomes;
    for (int i = 0; i < CDataProRestOtherClass::kIncomeCount; ++i) {
        const CDataOtherIncomeClass& item = incomes.m_aOtherIncome[i];
        EXPECT_EQ(item.m_nIndex, i);
        EXPECT_EQ(item.dAmount, 0.0);
        EXPECT_EQ(item.nFromYear, 0);
        EXPECT_EQ(item.nToYear, 0);
        EXPECT_TRUE(item.m_strName.IsEmpty());
    }
    CDataRestOtherClass lines;
    for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i) EXPECT_EQ(lines.m_aRestOtherMoney[i].m_nIndex, i);

    // An item reset alone is position 0 until its holder resets.
    incomes.m_aOtherIncome[4].InitData();
    EXPECT_EQ(incomes.m_aOtherIncome[4].m_nIndex, 0);
    incomes.InitData();
    EXPECT_EQ(incomes.m_aOtherIncome[4].m_nIndex, 4);
}

TEST(DataOtherIncome, ChecksLookForAPositiveLineOfTheKind)
{
    struct Line {
        int nPos, nKind;
        double dAmount;
    };
    const struct {
        const char* what;
        std::vector<Line> lines;
        BOOL bIncome, bSubTract, bExpense;
    } cases[] = {
        {"no lines", {}, 0, 0, 0},
        {"zero income", {{0, 0, 0.0}}, 0, 0, 0},
        {"negative income", {{0, 0, -5.0}}, 0, 0, 0},
        {"smallest income", {{0, 0, 0.001}}, 1, 0, 0},
        {"deduction in the last line", {{7, 1, 10.0}}, 0, 1, 0},
        {"spending next to a negative income", {{0, 0, -1.0}, {3, 2, 2.5}}, 0, 0, 1},
        {"positive line after a zero one", {{0, 0, 0.0}, {5, 0, 50.0}}, 1, 0, 0},
        {"unknown kind", {{2, 3, 100.0}}, 0, 0, 0},
        {"every kind", {{1, 2, 1.0}, {4, 0, 1.0}, {6, 1, 1.0}}, 1, 1, 1},
    };
    for (const auto& c : cases) {
        CDataRestOtherClass r;
        for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i) {
            // Years and schedule play no part.
            r.m_aRestOtherMoney[i].nFromYear = 9;
            r.m_aRestOtherMoney[i].nToYear = 1;
            r.m_aRestOtherMoney[i].nKind = 5;
        }
        for (const Line& l : c.lines) {
            r.m_aRestOtherMoney[l.nPos].nKind = l.nKind;
            r.m_aRestOtherMoney[l.nPos].dAmount = l.dAmount;
        }
        EXPECT_EQ(r.CheckIncome(), c.bIncome) << c.what;
        EXPECT_EQ(r.CheckSubTract(), c.bSubTract) << c.what;
        EXPECT_EQ(r.CheckExpense(), c.bExpense) << c.what;
    }
}
