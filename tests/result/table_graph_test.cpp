// Graph data: the point rows of the three trend graphs and their value axes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "result/pages/resultrows.h"
#include "tests/result/exampleproject.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct Axis {
    int nMin, nMax, nStep;
};

Axis AxisOf(const CResultGraphClass& page)
{
    return {page.m_nAxisMin, page.m_nAxisMax, page.m_nAxisStep};
}

bool operator==(const Axis& a, const Axis& b)
{
    return a.nMin == b.nMin && a.nMax == b.nMax && a.nStep == b.nStep;
}

std::ostream& operator<<(std::ostream& os, const Axis& a)
{
    return os << "[" << a.nMin << ", " << a.nMax << "] step " << a.nStep;
}

// An axis any graph can draw: a positive step of tens, both ends multiples
// of it on either side of 0, and a few steps only.
void ExpectDrawableAxis(const Axis& a, const char* pszCase)
{
    EXPECT_GT(a.nStep, 0) << pszCase;
    EXPECT_EQ(a.nStep % 10, 0) << pszCase;
    EXPECT_GT(a.nMax, 0) << pszCase;
    EXPECT_LT(a.nMin, 0) << pszCase;
    EXPECT_EQ(a.nMax % a.nStep, 0) << pszCase;
    EXPECT_EQ(a.nMin % a.nStep, 0) << pszCase;
    EXPECT_LE((a.nMax - a.nMin) / a.nStep, 9) << pszCase;
}

double RowValue(const CResultGraphClass& page, int nRow, int s)
{
    return static_cast<CResultDoubleArrayClass*>(page.m_pItemArray->GetAt(nRow))->m_pdData[s];
}

} // namespace

TEST(GraphAxis, RangesStepsAndExtremes)
{
    const struct {
        const char* pszCase;
        double dMax, dMin;
        Axis axis;
    } cases[] = {
        {"worked example", 123456, -25000, {-30, 150, 30}},
        {"all zero", 0, 0, {-10, 10, 10}},
        {"just under ten million", 9999, 0, {-10, 10, 10}},
        {"upper end strictly above", 70000, 0, {-20, 80, 20}},
        {"-999 is no million", 0, -999, {-10, 10, 10}},
        {"all negative", 0, -123456, {-140, 20, 20}},
        {"exact multiples go one step further", 50000, -10000, {-20, 60, 10}},
        {"s = 10 gives step 20", 70999, 0, {-20, 80, 20}},
    };
    for (const auto& test : cases) {
        CTavCalcClass calc;
        calc.m_objCalcYear.nCalcYear = 35;
        CResultGraphOutlineClass page;
        calc.CalcGraphMaxMin(&page, test.dMax, test.dMin);
        EXPECT_EQ(AxisOf(page), test.axis) << test.pszCase;
        EXPECT_EQ(page.m_nYearCount, 35) << test.pszCase;
    }
}

TEST(GraphAxis, ValuesBeyondAnyAmountGiveAFiniteAxis)
{
    const struct {
        const char* pszCase;
        double dMax, dMin;
    } cases[] = {
        {"NaN", kNaN, kNaN},
        {"infinite", kInf, -kInf},
        {"one huge value", 1e300, 0},
        {"huge negative", 0, -1e300},
        {"just under the int range", 2147483647.0, -2147483648.0},
        {"NaN above a real low", kNaN, -5000},
    };
    for (const auto& test : cases) {
        CTavCalcClass calc;
        calc.m_objCalcYear.nCalcYear = 10;
        CResultGraphLoanClass page;
        calc.CalcGraphMaxMin(&page, test.dMax, test.dMin);
        ExpectDrawableAxis(AxisOf(page), test.pszCase);
    }
}

// ---- Builders on the worked example

namespace {

class GraphData : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
        ASSERT_TRUE(m_project.Calculate(kExampleYears));
        // Step 25 reads the funding plan's totals, which step 17 stores.
        for (int nStep = 3; nStep <= 22; ++nStep) ASSERT_TRUE(m_project.m_calc.Calc(nStep)) << nStep;
    }
    CTavCalcClass& Calc() { return m_project.m_calc; }
    CTavResultClass& Result() { return m_project.m_result; }

    CProjectInMemory m_project;
};

// Each graph's page, builder and series.
struct GraphCase {
    const char* pszName;
    CResultGraphClass& (*page)(CTavResultClass&);
    BOOL (CTavCalcClass::*make)();
    int nSeries;
    double CYearBalanceClass::* apValue[3];
};

const GraphCase kGraphs[] = {
    {"profit",
     [](CTavResultClass& r) -> CResultGraphClass& { return r.m_objGraphOutline; },
     &CTavCalcClass::MakeGraphOutline,
     3,
     {&CYearBalanceClass::m_dProfitBeforeDepreciation, &CYearBalanceClass::m_dProfitAfterDepreciation,
      &CYearBalanceClass::m_dSurplus}},
    {"loan",
     [](CTavResultClass& r) -> CResultGraphClass& { return r.m_objGraphLoan; },
     &CTavCalcClass::MakeGraphLoan,
     2,
     {&CYearBalanceClass::m_dLoanBalanceTotal, &CYearBalanceClass::m_dCashOnHand}},
    {"funding plan",
     [](CTavResultClass& r) -> CResultGraphClass& { return r.m_objGraphCapital; },
     &CTavCalcClass::MakeGraphCapital,
     3,
     {&CYearBalanceClass::m_dPlanIncomeTotal, &CYearBalanceClass::m_dPlanExpenseTotal,
      &CYearBalanceClass::m_dSurplus}},
};

} // namespace

TEST_F(GraphData, StepsTwentyThreeToTwentyFiveFillTheGraphPages)
{
    for (int nStep = 23; nStep <= 25; ++nStep) ASSERT_TRUE(Calc().Calc(nStep)) << nStep;
    for (const GraphCase& graph : kGraphs) {
        EXPECT_NE(graph.page(Result()).m_pItemArray, nullptr) << graph.pszName;
        EXPECT_EQ(graph.page(Result()).m_nYearCount, kExampleYears) << graph.pszName;
    }
}

TEST_F(GraphData, RowsHoldEachYearsSeriesAndTheAxisSpansThem)
{
    for (const GraphCase& graph : kGraphs) {
        CResultGraphClass& page = graph.page(Result());
        ASSERT_TRUE((Calc().*graph.make)()) << graph.pszName;
        ASSERT_NE(page.m_pItemArray, nullptr) << graph.pszName;
        ASSERT_EQ(page.m_pItemArray->GetSize(), kExampleYears + 2) << graph.pszName;
        double dMax = 0, dMin = 0;
        for (int nRow = 0; nRow < kExampleYears + 2; ++nRow) {
            const auto* pRow = static_cast<CResultDoubleArrayClass*>(page.m_pItemArray->GetAt(nRow));
            ASSERT_EQ(pRow->m_nCount, graph.nSeries) << graph.pszName;
            for (int s = 0; s < graph.nSeries; ++s) {
                const double v = nRow == 0 ? 0.0 : m_project.Year(nRow - 1)->*graph.apValue[s];
                EXPECT_EQ(RowValue(page, nRow, s), v) << graph.pszName << " row " << nRow << " series " << s;
                dMax = std::max(dMax, v);
                dMin = std::min(dMin, v);
            }
        }
        // The example has real amounts on every graph: more than one step of them.
        EXPECT_GT(dMax - dMin, 20000) << graph.pszName;
        const Axis axis = AxisOf(page);
        ExpectDrawableAxis(axis, graph.pszName);
        EXPECT_GT(axis.nMax * 1000.0, dMax) << graph.pszName;
        EXPECT_LT(axis.nMin * 1000.0 - 1000, dMin) << graph.pszName;
        EXPECT_EQ(page.m_nYearCount, kExampleYears) << graph.pszName;
    }
}

TEST_F(GraphData, ARunReplacesTheRowsAndTheAxis)
{
    CResultGraphClass& page = Result().m_objGraphLoan;
    ASSERT_TRUE(Calc().MakeGraphLoan());
    m_project.Year(7)->m_dCashOnHand = 950000000; // 950,000 million yen
    Calc().m_objCalcYear.nCalcYear = 10;
    ASSERT_TRUE(Calc().MakeGraphLoan());
    EXPECT_EQ(page.m_pItemArray->GetSize(), 12);
    EXPECT_EQ(RowValue(page, 8, 1), 950000000);
    // s = (950,000 + 0) / 7 = 135,714: step 135,720, seven steps up to 950,040.
    EXPECT_EQ(AxisOf(page), (Axis{-135720, 950040, 135720}));
    EXPECT_EQ(page.m_nYearCount, 10);
}

TEST_F(GraphData, NaNAndInfiniteAmountsStillGiveAFiniteAxis)
{
    m_project.Year(3)->m_dProfitAfterDepreciation = kNaN;
    m_project.Year(4)->m_dSurplus = -kInf;
    m_project.Year(5)->m_dProfitBeforeDepreciation = kInf;
    ASSERT_TRUE(Calc().MakeGraphOutline());
    const CResultGraphClass& page = Result().m_objGraphOutline;
    EXPECT_TRUE(std::isnan(RowValue(page, 4, 1)));
    ExpectDrawableAxis(AxisOf(page), "outline");
}

TEST_F(GraphData, WithoutAResultObjectTheStepFails)
{
    for (const GraphCase& graph : kGraphs) {
        CTavCalcClass calc;
        calc.m_nMessageID = CALC_NO_ERROR;
        EXPECT_FALSE((calc.*graph.make)()) << graph.pszName;
        EXPECT_EQ(calc.m_nMessageID, CALC_UNEXPECTED_ERROR) << graph.pszName;
    }
}

TEST(GraphDataYears, FiftyYearsGiveFiftyTwoRowsAndNoYearsTwo)
{
    for (int nYears : {50, 0}) {
        CProjectInMemory project;
        ASSERT_TRUE(project.IsCreated());
        BuildSampleProject(project, {ProjectKind::kIndividual, ProjectKind::kAutoLoan, nYears});
        ASSERT_TRUE(project.Calculate(nYears));
        ASSERT_TRUE(project.m_calc.MakeGraphOutline());
        const CResultGraphClass& page = project.m_result.m_objGraphOutline;
        EXPECT_EQ(page.m_pItemArray->GetSize(), nYears + 2);
        EXPECT_EQ(page.m_nYearCount, nYears);
        if (nYears > 0) { EXPECT_EQ(RowValue(page, nYears + 1, 2), project.Year(nYears)->m_dSurplus); }
    }
}
