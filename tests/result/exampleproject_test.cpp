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
    {1, {42628.6296, 11911.4921, 17089.7432, 2963.5284,
         194680.6434, 595.8333, 48333.3333, 261.0762,
         1231.9507, 324.8610, 487.2915, 23868.3748}},
    {2, {38164.6684, 11911.8566, 15225.4382, 2883.1872,
         189280.9455, 561.6667, 45000.0000, 405.1753,
         2095.1567, 440.1402, 660.2103, 38048.5491}},
    {10, {37695.8178, 12185.8977, 7879.8020, 2195.1989,
          143041.5476, 241.6667, 18333.3333, 730.3225,
          4241.1286, 700.2580, 1050.3870, 133823.2768}},
    {35, {36516.6894, 9855.2335, 5711.9132, 0.0000,
          0.0000, 0.0000, 0.0000, 881.7751,
          5418.2005, 821.4200, 1232.1301, 433135.3630}},
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
