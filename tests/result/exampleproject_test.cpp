// The worked example against figures computed without the engine, year by
// year from the project's inputs, by exampleproject_reference.py.
#include <gtest/gtest.h>

#include <array>

#include "tests/result/exampleproject.h"

namespace {

constexpr double kYen = 0.001; // thousand yen

enum Figure {
    kIncome,
    kExpense,
    kDepreciation,
    kLoan1Interest,
    kLoan1Balance,
    kLoan2Interest,
    kLoan2Balance,
    kBusinessTax,
    kIncomeTax,
    kPrefecturalTax,
    kMunicipalTax,
    kCash,
    kFigureCount
};

const char* const kFigureNames[kFigureCount] = {
    "income total",  "expense total", "depreciation", "loan 1 interest", "loan 1 balance", "loan 2 interest",
    "loan 2 balance", "business tax", "income tax",   "prefectural tax", "municipal tax",  "cash on hand",
};

struct ExpectedYear {
    int nYear;
    std::array<double, kFigureCount> adFigure;
};

// Output of exampleproject_reference.py: the year, then the figures in the order above.
const ExpectedYear kExpected[] = {
    {1, {42660.0106, 11911.4921, 15659.7404, 2963.5284,
         194680.6434, 595.8333, 48333.3333, 337.5764,
         1649.0041, 386.0611, 579.0916, 54634.2020}},
    {2, {38195.4342, 11988.3567, 13951.4404, 2883.1872,
         189280.9455, 561.6667, 45000.0000, 465.0501,
         2490.3309, 488.0401, 732.0602, 68270.3433}},
    {10, {37723.3189, 12218.9267, 7220.4203, 2195.1989,
          143041.5476, 241.6667, 18333.3333, 761.6401,
          4457.1212, 725.3121, 1087.9682, 161041.9430}},
    {35, {36538.2160, 9877.9941, 5233.9404, 0.0000,
          0.0000, 0.0000, 0.0000, 904.5357,
          5600.2854, 839.6285, 1259.4428, 454433.0940}},
};

std::array<double, kFigureCount> Figures(const CYearBalanceClass& r)
{
    return {r.m_dIncomeTotal,         r.m_dExpenseTotal,     r.m_dDepreciationTotal, r.m_adLoanInterest[0],
            r.m_adLoanBalance[0],     r.m_adLoanInterest[1], r.m_adLoanBalance[1],   r.m_dBusinessTax,
            r.m_dIncomeTax,           r.m_dPrefecturalTax,   r.m_dMunicipalTax,      r.m_dCashOnHand};
}

} // namespace

TEST(ExampleProjectTest, YearsMatchTheReferenceFigures)
{
    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildExampleProject(project);
    ASSERT_TRUE(project.Calculate(kExampleYears));
    EXPECT_EQ(project.m_calc.m_nMessageID, CALC_NO_ERROR);
    for (const ExpectedYear& expected : kExpected) {
        const std::array<double, kFigureCount> got = Figures(*project.Year(expected.nYear));
        for (int i = 0; i < kFigureCount; ++i)
            EXPECT_NEAR(got[i], expected.adFigure[i], kYen) << kFigureNames[i] << ", year " << expected.nYear;
    }
}
