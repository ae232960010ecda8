// The recurring expense and income tables: their builders, their export
// sections and their pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "app/common/classobject.h"
#include "data/datacost.h"
#include "data/dataotherincome.h"
#include "data/datarentalbasic.h"
#include "data/datatax.h"
#include "platform/codepage.h"
#include "result/calc/calcseries.h"
#include "result/pages/currentexpense.h"
#include "result/pages/currentincome.h"
#include "result/pages/resultrows.h"
#include "result/tables/itemtext.h"
#include "tax/taxmunicipal.h"
#include "tests/result/exampleproject.h"
#include "tests/result/sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/utf8.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Utf8(const CString& str)
{
    return CP932ToUtf8(str);
}

class RecurringTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
        ASSERT_TRUE(m_project.Calculate(kExampleYears));
        Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    }
    CTavCalcClass& Calc() { return m_project.m_calc; }
    CDataCostItemClass& Cost(int i) { return m_project.m_data.m_pDataCost->m_aCostItem[i]; }
    CDataTaxClass& Tax() { return *m_project.m_data.m_pDataTax; }
    CResultItemClass& ExpenseRow(int i)
    {
        return *dynamic_cast<CResultItemClass*>(m_project.m_result.m_objCurrentExpense.m_pItemArray->GetAt(i));
    }
    CResultItemClass& IncomeRow(int i)
    {
        return *dynamic_cast<CResultItemClass*>(m_project.m_result.m_objCurrentIncome.m_pItemArray->GetAt(i));
    }
    std::string Amount(double dValue) { return Utf8(Calc().FormatAmount(dValue)); }

    CProjectInMemory m_project;
};

// The example project calculated, with setup applied to its records first.
std::unique_ptr<CProjectInMemory> CalculatedExample(const std::function<void(CProjectInMemory&)>& setup = {})
{
    auto project = std::make_unique<CProjectInMemory>();
    BuildExampleProject(*project);
    if (setup) setup(*project);
    EXPECT_TRUE(project->Calculate(kExampleYears));
    project->m_calc.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    return project;
}

// Frees the items of a series and leaves it empty.
void ClearSeries(CDeleteObArray* pSeries)
{
    for (int i = 0; i < pSeries->GetSize(); ++i) delete pSeries->GetAt(i);
    pSeries->RemoveAll();
}

tagDATARATE Step(int nFrom, int nTo, int nInterval, double dRate, int bDecrease = 0)
{
    return {nFrom, nTo, nInterval, dRate, bDecrease};
}

} // namespace

TEST(ScheduleBlock, ThreeLinesAStepAndAnOpenStepEndsTheSchedule)
{
    const struct {
        std::vector<tagDATARATE> steps;
        const char8_t* pszText;
    } cases[] = {
        {{}, u8"\n\n\n\n\n\n\n\n\n\n\n\n"},
        {{Step(0, 10, 1, 2.0), Step(11, 20, 1, 3.0)}, u8"\n\n\n 11年目～ 20年目まで  1年毎\n3%\n上昇\n\n\n\n\n\n\n"},
        {{Step(1, 10, 2, 1.5), Step(11, 0, 1, 2.25, 1), Step(21, 30, 1, 9.0)},
         u8"  1年目～ 10年目まで  2年毎\n1.5%\n上昇\n 11年目～             1年毎\n2.25%\n下降\n"
         u8"\n\n\n\n\n\n\n\n\n"},
        {{Step(5, 5, 1, 2.0)}, u8"  5年目～  5年目まで  1年毎\n2%\n上昇\n\n\n\n\n\n\n\n\n\n"},
        {{Step(5, 4, 3, 0.125, 7)}, u8"  5年目～             3年毎\n0.12%\n\n\n\n\n\n\n\n\n\n\n\n\n\n"},
        {{Step(1, 2, 0, 1.0), Step(3, 4, 1, 1.0), Step(5, 6, 1, 1.0), Step(7, 8, 1, 1.0)},
         u8"\n\n\n  3年目～  4年目まで  1年毎\n1%\n上昇\n  5年目～  6年目まで  1年毎\n1%\n上昇\n"
         u8"  7年目～  8年目まで  1年毎\n1%\n上昇\n"},
    };
    for (const auto& test : cases) {
        CDataRateClass rate;
        for (size_t k = 0; k < test.steps.size(); ++k) rate.m_aDataRate[k] = test.steps[k];
        EXPECT_EQ(Utf8(ScheduleCellText(rate)), U8(test.pszText)) << U8(test.pszText);
    }
}

TEST(ItemText, OddStoredValuesAreConvertedSafely)
{
    EXPECT_EQ(SaturateToInt(kNaN), 0);
    EXPECT_EQ(SaturateToInt(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(SaturateToInt(-1e12), std::numeric_limits<int>::min());
    EXPECT_EQ(SaturateToInt(-2.9), -2);
    EXPECT_EQ(SaturateToInt(6.9), 6);
    EXPECT_EQ(Utf8(DirectionLabel(1)), U8(u8"下降"));
    EXPECT_EQ(DirectionLabel(2), CString());
    EXPECT_EQ(DirectionLabel(-1), CString());
}

TEST_F(RecurringTables, StepsEighteenToTwentyOneFillTheirPages)
{
    CTavResultClass& result = m_project.m_result;
    for (int step = 3; step <= CTavCalcClass::kLastStep; ++step) ASSERT_TRUE(Calc().Calc(step)) << step;
    const struct {
        const CResultBaseClass& page;
        int nRows;
    } pages[] = {{result.m_objCurrentExpense, 15},
                 {result.m_objCurrentIncome, 11},
                 {result.m_objRentalType, 10},
                 {result.m_objRentalBasic, 10}};
    for (const auto& p : pages) {
        ASSERT_NE(p.page.m_pItemArray, nullptr);
        EXPECT_EQ(p.page.m_pItemArray->GetSize(), p.nRows);
    }
}

TEST_F(RecurringTables, ExpenseRowsCarryNamesContentsAndAmounts)
{
    Cost(1).m_strOtherName = "借地料";
    ASSERT_TRUE(Calc().MakeCurrentExpense());
    ASSERT_EQ(m_project.m_result.m_objCurrentExpense.m_pItemArray->GetSize(), 15);
    const char8_t* const apszNames[15] = {u8"管理費", u8"借地料", u8"修理費", u8"火災保険料",
                                          u8"固定資産税\n（土地）", u8"都市計画税\n（土地）",
                                          u8"固定資産税\n（建物）", u8"都市計画税\n（建物）", u8"地価税",
                                          u8"清掃費", u8"大規模修繕", u8"", u8"", u8"", u8""};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(Utf8(ExpenseRow(i).m_strItem), U8(apszNames[i])) << i;

    // A share of the rents: the share line under two empty lines, no schedule.
    EXPECT_EQ(Utf8(ExpenseRow(0).m_strContent), U8(u8"\n\n賃料収入合計×5％\n"));
    EXPECT_EQ(Utf8(ExpenseRow(0).m_strMoney), Amount(SeriesMoney(Calc().m_apCostArray[0], 0)));
    // A share of the construction cost with its schedule.
    EXPECT_EQ(Utf8(ExpenseRow(2).m_strContent),
              U8(u8"工事費の0.5%\n  1年目～ 99年目まで  1年毎\n2%\n上昇\n\n\n\n\n\n\n\n\n\n"));
    EXPECT_EQ(Utf8(GetResultTextLine(ExpenseRow(3).m_strContent, 1)), U8(u8"総額：360千円"));
    // Other expenses: booking years, the interval only above one year.
    EXPECT_EQ(Utf8(GetResultTextLine(ExpenseRow(10).m_strContent, 1)), U8(u8"計上年 12年目～ 99年目まで   12年毎"));
    EXPECT_EQ(Utf8(GetResultTextLine(ExpenseRow(9).m_strContent, 1)), U8(u8"計上年  1年目～ 99年目まで  "));
    EXPECT_EQ(Utf8(ExpenseRow(9).m_strMoney), Amount(SeriesMoney(Calc().m_apCostArray[4], 0)));
    // Nothing entered: two line breaks and no amount.
    EXPECT_EQ(Utf8(ExpenseRow(11).m_strContent), "\n\n");
    EXPECT_EQ(Utf8(ExpenseRow(11).m_strMoney), "");
    // Land value tax: one line break and the first year's tax.
    EXPECT_EQ(Utf8(ExpenseRow(8).m_strContent), "\n");
    EXPECT_EQ(Utf8(ExpenseRow(8).m_strMoney), Amount(SeriesMoney(Calc().m_pLandPriceTaxArray, 1)));
    // The building's housing share is taxed at the new-house fraction.
    const std::string house = Utf8(GetResultTextLine(ExpenseRow(6).m_strContent, 1));
    EXPECT_EQ(house.substr(0, 8), U8(u8"(住宅)"));
    EXPECT_NE(house.find(U8(u8"×70%×")), std::string::npos) << house;
    EXPECT_EQ(Utf8(GetResultTextLine(ExpenseRow(6).m_strContent, 2)).substr(0, 8), U8(u8"(一般)"));
}

TEST_F(RecurringTables, LandTaxRowsFollowTheTaxSettings)
{
    CTaxMunicipalClass& rates = *m_project.m_tax.m_pTaxMunicipal;
    rates.m_dHouseLandNumerator = 1.5;
    rates.m_dHouseLandDenominator = 6.9;
    ASSERT_TRUE(Calc().MakeCurrentExpense());
    const CString base = PremisePlainNumber(SeriesMoney(Calc().m_pMunicipalLandBaseArray, 0));
    const std::string rate = Utf8(PremisePlainNumber(rates.m_dLandRate));
    const std::string share = Utf8(PremisePlainNumber(m_project.m_calc.m_dHouseUseRatio >= 0.5 ? 100.0 : 50.0));
    EXPECT_EQ(Utf8(ExpenseRow(4).m_strContent), U8(u8"(住宅)") + Utf8(base) + U8(u8"千円×") + share + U8(u8"%× 1/ 6×税率") + rate +
                                                     U8(u8"%\n(一般)") + Utf8(base) + U8(u8"千円×") +
                                                     Utf8(PremisePlainNumber(100.0 - std::stod(share))) + U8(u8"%×税率") + rate + "%\n");
    EXPECT_EQ(Utf8(ExpenseRow(4).m_strMoney), Amount(SeriesMoney(Calc().m_pMunicipalLandTaxArray, 1)));

    // The rule not applied: one line under an empty one.
    Tax().m_objMunicipal.nLandHouseSpecial = 1;
    // Burden adjustment for the city-planning tax: the notice only, the tax still shown.
    Tax().m_objCityPlan.nLandTaxBase = 1;
    ASSERT_TRUE(Calc().MakeCurrentExpense());
    EXPECT_EQ(Utf8(ExpenseRow(4).m_strContent), "\n" + Utf8(base) + U8(u8"千円×税率") + rate + "%\n");
    EXPECT_EQ(Utf8(ExpenseRow(5).m_strContent), U8(u8"負担調整率を使用して計算します。\n\n"));
    EXPECT_EQ(Utf8(ExpenseRow(5).m_strMoney), Amount(SeriesMoney(Calc().m_pCityPlanLandTaxArray, 1)));

    // Fractions that are not numbers or beyond the int range saturate.
    Tax().m_objMunicipal.nLandHouseSpecial = 0;
    rates.m_dHouseLandNumerator = kNaN;
    rates.m_dHouseLandDenominator = 1e300;
    ASSERT_TRUE(Calc().MakeCurrentExpense());
    EXPECT_NE(Utf8(ExpenseRow(4).m_strContent).find(U8(u8"× 0/2147483647×")), std::string::npos);
}

TEST_F(RecurringTables, MissingScheduleEntriesLeaveTheTaxRowsEmpty)
{
    for (CDeleteObArray* pSeries : {Calc().m_pMunicipalLandBaseArray, Calc().m_pAppraisedBuildArray,
                                    Calc().m_pCityPlanBuildBaseArray, Calc().m_pInheritanceArray})
        ClearSeries(pSeries);
    ASSERT_TRUE(Calc().MakeCurrentExpense());
    for (int i : {4, 6, 7, 8}) {
        EXPECT_EQ(ExpenseRow(i).m_strContent, CString()) << i;
        EXPECT_EQ(ExpenseRow(i).m_strMoney, CString()) << i;
    }
    EXPECT_NE(ExpenseRow(5).m_strContent, CString());
}

TEST_F(RecurringTables, OddCostValuesBuildAndExportWithoutAFault)
{
    Cost(0).nInputMethod = 5;
    Cost(1).nInputMethod = -3;
    Cost(1).adAmount[0] = kNaN;
    Cost(2).nInputMethod = 7;
    Cost(3).m_aDataRate[0] = Step(1, 5, 1, kNaN, 9);
    ASSERT_TRUE(Calc().MakeCurrentExpense());
    EXPECT_EQ(Utf8(ExpenseRow(0).m_strContent).substr(0, 2), "\n\n");
    EXPECT_EQ(GetResultTextLine(ExpenseRow(2).m_strContent, 1), CString());
    EXPECT_EQ(SectionLines(Calc(), &CTavCalcClass::TextInout).size(), 60u);
}

TEST(RecurringSections, TheExpenseSectionHasSixtyLinesWhateverTheSettings)
{
    const std::function<void(CProjectInMemory&)> setups[] = {
        [](CProjectInMemory&) {},
        [](CProjectInMemory& p) {
            p.m_data.m_pDataTax->m_objMunicipal.nLandTaxBase = 1;
            p.m_data.m_pDataTax->m_objCityPlan.nLandTaxBase = 1;
        },
        [](CProjectInMemory& p) {
            CDataCostItemClass& fee = p.m_data.m_pDataCost->m_aCostItem[0];
            fee.nInputMethod = 0;
            fee.m_aDataRate[1] = Step(5, 0, 1, 2.0);
            p.m_data.m_pDataTax->m_objSpecialHouse.dHouseRatio = 0;
        },
        [](CProjectInMemory& p) {
            for (int i = 4; i < 10; ++i) SetCost(p.m_data.m_pDataCost->m_aCostItem[i], 0, 0.0, 0.0);
            p.m_data.m_pDataTax->m_objMunicipal.nLandHouseSpecial = 1;
        },
    };
    for (size_t i = 0; i < std::size(setups); ++i) {
        const auto project = CalculatedExample(setups[i]);
        EXPECT_EQ(SectionLines(project->m_calc, &CTavCalcClass::TextInout).size(), 60u) << i;
    }
}

TEST_F(RecurringTables, TheExpenseSectionWritesItemsSchedulesAndTaxes)
{
    Cost(0).nInputMethod = 0;
    Cost(0).adAmount[0] = 50;
    Cost(0).m_aDataRate[0] = Step(0, 0, 0, 0);
    Cost(0).m_aDataRate[1] = Step(5, 0, 1, 2.0);
    Cost(0).m_aDataRate[2] = Step(20, 30, 1, 2.0);
    ASSERT_TRUE(m_project.Calculate(kExampleYears));
    const std::vector<std::string> lines = SectionLines(Calc(), &CTavCalcClass::TextInout);
    ASSERT_EQ(lines.size(), 60u);
    EXPECT_EQ(lines[0], U8(u8"経常支出"));
    EXPECT_EQ(lines[1], U8(u8"項    目    名\t内     容\t\t\t\t金額（千円）"));
    EXPECT_EQ(lines[2], U8(u8"管理費\t50千円／月×12ヶ月\t\t\t\t") + Amount(SeriesMoney(Calc().m_apCostArray[0], 0)));
    // An unused step, then an open step: the later steps are not read.
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], U8(u8"\t  5年目～           \t  1年毎\t2%\t上昇"));
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "");
    // Repairs as a share of the construction cost.
    EXPECT_EQ(Cells(lines[12])[1], U8(u8"工事費の0.5%"));
    EXPECT_EQ(lines[13], U8(u8"\t  1年目～ 99年目まで\t  1年毎\t2%\t上昇"));
    // The land fixed-asset tax on two lines, the tax in the sixth cell.
    const std::vector<std::string> land = Cells(lines[22]);
    ASSERT_EQ(land.size(), 6u);
    EXPECT_EQ(land[0], U8(u8"固定資産税（土地）"));
    EXPECT_EQ(land[1].substr(0, 8), U8(u8"(住宅)"));
    EXPECT_EQ(land[5], Amount(SeriesMoney(Calc().m_pMunicipalLandTaxArray, 1)));
    EXPECT_EQ(Cells(lines[23])[1].substr(0, 8), U8(u8"(一般)"));
    EXPECT_EQ(Cells(lines[28])[0], U8(u8"都市計画税（建物）"));
    EXPECT_EQ(lines[29], U8(u8"地価税\t\t\t\t\t") + Amount(SeriesMoney(Calc().m_pLandPriceTaxArray, 1)));
    // Other expenses: the cleaning with its amount, an unused one by name only.
    EXPECT_EQ(lines[30], U8(u8"清掃費\t計上年  1年目～ 99年目まで\t\t\t\t") + Amount(SeriesMoney(Calc().m_apCostArray[4], 0)));
    EXPECT_EQ(lines[35], U8(u8"大規模修繕\t計上年 12年目～ 99年目まで\t 12年毎\t\t\t") +
                             Amount(SeriesMoney(Calc().m_apCostArray[5], 0)));
    EXPECT_EQ(lines[40], "");
    for (int i = 41; i < 45; ++i) EXPECT_EQ(lines[size_t(i)], "") << i;

    // Burden adjustment: the notice, the tax in the seventh cell, an empty line.
    Tax().m_objMunicipal.nLandTaxBase = 1;
    const std::vector<std::string> burden = SectionLines(Calc(), &CTavCalcClass::TextInout);
    ASSERT_EQ(burden.size(), 60u);
    EXPECT_EQ(burden[22], U8(u8"固定資産税（土地）\t負担調整率を使用して計算します。\t\t\t\t\t") +
                              Amount(SeriesMoney(Calc().m_pMunicipalLandTaxArray, 1)));
    EXPECT_EQ(burden[23], "");
}

// Booking years and interval of an other expense at their edges: an interval
// of one year is not written, one of two is; a single booking year is a period.
TEST_F(RecurringTables, BookingTextsAtTheirEdges)
{
    const struct {
        int nFrom, nTo, nInterval;
        const char8_t* pszYears;
        const char8_t* pszInterval;
    } cases[] = {
        {12, 99, 1, u8"計上年 12年目～ 99年目まで", u8""},
        {12, 99, 2, u8"計上年 12年目～ 99年目まで", u8"  2年毎"},
        {12, 12, 12, u8"計上年 12年目～ 12年目まで", u8" 12年毎"},
    };
    for (const auto& c : cases) {
        Cost(5).nFromYear = c.nFrom;
        Cost(5).nToYear = c.nTo;
        Cost(5).nExtra1 = c.nInterval;
        ASSERT_TRUE(m_project.Calculate(kExampleYears));
        const std::vector<std::string> cells = Cells(SectionLines(Calc(), &CTavCalcClass::TextInout)[35]);
        ASSERT_GE(cells.size(), 3u);
        EXPECT_EQ(cells[1], U8(c.pszYears)) << c.nInterval;
        EXPECT_EQ(cells[2], U8(c.pszInterval)) << c.nInterval;
    }
}

TEST_F(RecurringTables, IncomeRowsListTheCategoriesInPairs)
{
    m_project.m_data.m_apDataRentalBasic[4]->m_strName = "倉庫";
    m_project.m_data.m_apDataRentalBasic[4]->nContractYears = 2;
    m_project.m_data.m_pDataProRestOther->m_aOtherIncome[2].m_strName = "看板";
    ASSERT_TRUE(Calc().MakeCurrentIncome());
    ASSERT_EQ(m_project.m_result.m_objCurrentIncome.m_pItemArray->GetSize(), 11);
    const CString rent0 = PremisePlainNumber(SeriesMoney(Calc().m_apRentArray[0], 0));
    const std::vector<std::string> names = {Utf8(m_project.m_data.m_apDataRentalBasic[0]->m_strName),
                                            Utf8(m_project.m_data.m_apDataRentalBasic[1]->m_strName),
                                            Utf8(m_project.m_data.m_apDataRentalBasic[2]->m_strName)};
    // Categories 0, 4, 1, 5, 2, 6, 3, 7: one in use without rent shows its name alone.
    const std::string content = Utf8(IncomeRow(0).m_strContent);
    EXPECT_EQ(content.substr(0, content.find('\n')), names[0] + ":" + Utf8(rent0) + U8(u8"千円"));
    EXPECT_EQ(Utf8(GetResultTextLine(IncomeRow(0).m_strContent, 2)), U8(u8"倉庫:"));
    EXPECT_EQ(Utf8(GetResultTextLine(IncomeRow(0).m_strContent, 3)).substr(0, names[1].size() + 1), names[1] + ":");
    EXPECT_EQ(GetResultTextLine(IncomeRow(0).m_strContent, 8), CString());
    EXPECT_EQ(CountTextLines(IncomeRow(0).m_strContent), 9);
    double dTotal = 0;
    for (int c = 0; c < 8; ++c) dTotal += SeriesMoney(Calc().m_apRentArray[c], 0);
    EXPECT_EQ(Utf8(IncomeRow(0).m_strMoney), Amount(dTotal));

    const char8_t* const apszNames[11] = {u8"賃料",  u8"共益費", u8"礼金", u8"自動販売機", u8"", u8"看板",
                                          u8"",      u8"",       u8"",     u8"敷金",       u8"保証金"};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(Utf8(IncomeRow(i).m_strItem), U8(apszNames[i])) << i;
    // The vending machine with its rounded amount as a plain number; unused ones empty.
    EXPECT_EQ(Utf8(GetResultTextLine(IncomeRow(3).m_strContent, 1)), U8(u8"計上年  1年目～ 99年目まで"));
    EXPECT_EQ(Utf8(IncomeRow(3).m_strMoney), Utf8(PremisePlainNumber(Calc().FractionManage(SeriesMoney(Calc().m_apOtherIncomeArray[0], 0)))));
    EXPECT_EQ(Utf8(IncomeRow(4).m_strContent), "\n\n");
    EXPECT_EQ(IncomeRow(4).m_strMoney, CString());
    double dDeposits = 0;
    for (int c = 0; c < 8; ++c) dDeposits += SeriesMoney(Calc().m_apDepositArray[c], 0);
    EXPECT_EQ(Utf8(IncomeRow(9).m_strMoney), Amount(dDeposits));
    EXPECT_EQ(IncomeRow(9).m_strContent, CString());
}

TEST(RecurringSections, AMissingIncomeEntryStopsTheStep)
{
    for (int nCase = 0; nCase < 3; ++nCase) {
        const auto project = CalculatedExample();
        CTavCalcClass& calc = project->m_calc;
        ClearSeries(nCase == 0 ? calc.m_apCommonFeeArray[6] : nCase == 1 ? calc.m_apOtherIncomeArray[5]
                                                                           : calc.m_apSecurityArray[7]);
        calc.m_nMessageID = CALC_NO_ERROR;
        EXPECT_FALSE(calc.MakeCurrentIncome()) << nCase;
        EXPECT_EQ(calc.m_nMessageID, CALC_UNEXPECTED_ERROR) << nCase;
    }
    CTavCalcClass calc;
    EXPECT_FALSE(calc.MakeCurrentIncome());
    EXPECT_FALSE(calc.MakeCurrentExpense());
    EXPECT_EQ(calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

TEST_F(RecurringTables, TheIncomeSectionHasFortyNineOrThirtySevenLinesByOption)
{
    const struct {
        int nOption;
        size_t nLines;
    } cases[] = {{0, 49}, {1, 37}, {7, 37}, {-1, 37}};
    for (const auto& test : cases)
        EXPECT_EQ(SectionLines(Calc(), &CTavCalcClass::TextInout2, test.nOption).size(), test.nLines) << test.nOption;
}

TEST_F(RecurringTables, TheIncomeSectionLayouts)
{
    CDataRentalBasicClass& store = *m_project.m_data.m_apDataRentalBasic[4];
    store.m_strName = "倉庫";
    store.nContractYears = 0; // not in use: the amount without the name
    ASSERT_TRUE(m_project.Calculate(kExampleYears));
    SeriesItem(Calc().m_apRentArray[4], 0)->m_dNetMoney = 12;
    SeriesItem(Calc().m_apCommonFeeArray[4], 0)->m_dNetMoney = 3;
    const std::string flats = Utf8(m_project.m_data.m_apDataRentalBasic[0]->m_strName);
    double dRent = 0;
    for (int c = 0; c < 8; ++c) dRent += SeriesMoney(Calc().m_apRentArray[c], 0);
    const std::string rent0 = Utf8(PremisePlainNumber(SeriesMoney(Calc().m_apRentArray[0], 0)));
    const std::string common0 = Utf8(PremisePlainNumber(SeriesMoney(Calc().m_apCommonFeeArray[0], 0)));
    double dCommon = 0;
    for (int c = 0; c < 8; ++c) dCommon += SeriesMoney(Calc().m_apCommonFeeArray[c], 0);

    const std::vector<std::string> compact = SectionLines(Calc(), &CTavCalcClass::TextInout2, 0);
    ASSERT_EQ(compact.size(), 49u);
    EXPECT_EQ(compact[0], U8(u8"経常収入"));
    EXPECT_EQ(compact[1], U8(u8"項    目    名\t内     容\t\t金額（千円）"));
    // "千円" behind the rents of categories 0 to 3 and behind the other incomes of 4 to 7.
    EXPECT_EQ(compact[2], U8(u8"賃料\t") + flats + ":" + rent0 + U8(u8"千円\t12\t") + Amount(dRent));
    EXPECT_EQ(Cells(compact[3]).size(), 3u);
    EXPECT_EQ(compact[6], U8(u8"共益費\t") + flats + ":" + common0 + U8(u8"\t3千円\t") + Amount(dCommon));
    EXPECT_EQ(compact[14], U8(u8"自動販売機\t計上年\t  1年～ 99年まで\t\t\t240"));
    EXPECT_EQ(compact[19], U8(u8"")); // an unused other income: its empty name alone
    EXPECT_EQ(compact[44], U8(u8"\t注意－更新料，敷金・保証金償却分も経常収入に含みます。"));
    EXPECT_EQ(compact[45], U8(u8"参      考"));
    EXPECT_EQ(Cells(compact[46])[0], U8(u8"敷　金"));
    EXPECT_EQ(Cells(compact[47]).size(), 4u);
    EXPECT_EQ(compact[48], U8(u8"\t注意－敷金・保証金は経常収入に含みません。"));

    const std::vector<std::string> lines = SectionLines(Calc(), &CTavCalcClass::TextInout2, 1);
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[2], U8(u8"賃料\t") + flats + "\t" + rent0 + "\t" + Amount(dRent));
    EXPECT_EQ(lines[6], U8(u8"\t倉庫\t12"));
    EXPECT_EQ(lines[9], U8(u8"\t\t"));
    EXPECT_EQ(lines[26], U8(u8"自動販売機\t\t\t") +
                             Utf8(PremisePlainNumber(Calc().FractionManage(SeriesMoney(Calc().m_apOtherIncomeArray[0], 0)))));
    EXPECT_EQ(lines[27], U8(u8"\t\t"));
    EXPECT_EQ(lines[33], U8(u8"参      考"));
}

// ---- Pages

namespace {

// Half of a sheet 3330 wide with A = 20: W = 1615, item 400, amount 320, content 895.
const int W = 1615, I = 400, M = 320, C = W - I - M, a = 20;

void FillItemPage(CResultBaseClass& page, int nRows, const std::function<void(CResultItemClass&, int)>& fill)
{
    page.DestroyData();
    page.CreateData();
    for (int i = 0; i < nRows; ++i) {
        auto* pRow = new CResultItemClass;
        fill(*pRow, i);
        page.m_pItemArray->Add(pRow);
    }
}

CString Numbered(const char* pszPrefix, int i)
{
    CString text;
    text.Format("%s%d", pszPrefix, i);
    return text;
}

// Content lines "r<i>-<n>" for n = 1 to 13, with a final line break.
CString NumberedContent(int i)
{
    CString text;
    for (int n = 1; n <= 13; ++n) text += Numbered("r", i) + Numbered("-", n) + "\n";
    return text;
}

void FillNumbered(CResultItemClass& row, int i)
{
    row.SetItem(Numbered("item", i));
    row.SetContent(NumberedContent(i));
    row.SetMoney(Numbered("", 1000 + i));
}

std::string Text(int i, int n)
{
    return Utf8(Numbered("r", i) + Numbered("-", n));
}

// The bottoms of the horizontal rules drawn across the page width.
std::vector<int> FullRules(const CRecordDC& dc)
{
    std::vector<int> ys;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line))
        if (r.rc.left == 0 && r.rc.right == W && r.rc.top == r.rc.bottom) ys.push_back(r.rc.top);
    return ys;
}

} // namespace

TEST(RecurringPages, ExpenseBlocksStandInTheirUnits)
{
    SetTestPrintSettings();
    CResultCurrentExpenseClass page;
    FillItemPage(page, 15, FillNumbered);
    const int u = 30;
    page.m_sizePage = CSize(W, 64 * u + 7);
    CLometricRecordDC dc;
    page.ReportDraw(&dc);

    EXPECT_EQ(TextBox(dc, U8(u8"経 常 支 出")), CRect(0, 0, W, -2 * u));
    EXPECT_EQ(TextBox(dc, U8(u8"項    目    名")), CRect(0, -2 * u, I, -3 * u));
    EXPECT_EQ(TextBox(dc, U8(u8"内     容")), CRect(I, -2 * u, I + C, -3 * u));
    EXPECT_EQ(TextBox(dc, U8(u8"金額（千円）")), CRect(I + C, -2 * u, W, -3 * u));
    // Block 0: line 1 over the content, then rows of three from line 2 on.
    EXPECT_EQ(TextBox(dc, Text(0, 1)), CRect(I, -3 * u, I + C, -4 * u));
    EXPECT_EQ(TextBox(dc, Text(0, 2)), CRect(I + a / 2, -4 * u, I + C, -5 * u));
    EXPECT_EQ(TextBox(dc, Text(0, 3)), CRect(I, -4 * u, I + C - 10 * a - a / 2, -5 * u));
    EXPECT_EQ(TextBox(dc, Text(0, 13)), CRect(I, -7 * u, I + C - a / 2, -8 * u));
    // Blocks 4 to 7: the name a line a unit row; block 8: two content lines.
    EXPECT_EQ(TextBox(dc, Text(4, 1)), CRect(I + a / 2, -23 * u, I + C, -24 * u));
    EXPECT_EQ(TextBox(dc, Text(4, 2)), CRect(I + a / 2, -24 * u, I + C, -25 * u));
    EXPECT_EQ(TextBox(dc, Text(8, 2)), CRect(I + a / 2, -32 * u, I + C, -33 * u));
    EXPECT_EQ(TextBox(dc, Text(9, 1)), CRect(I, -33 * u, I + C, -34 * u));
    EXPECT_EQ(TextBox(dc, Text(14, 1)), CRect(I, -58 * u, I + C, -59 * u));
    // Names and amounts fitted on the character grid in their columns.
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text)) {
        if (r.text == "item0") {
            // The 40-high body font is fitted to the 30-high unit rows.
            EXPECT_EQ(*r.clip, CRect(r.rc.left, r.rc.top, I, r.rc.top - u));
        }
        if (r.text == "1014") {
            EXPECT_EQ(r.clip->right, W);
        }
    }
    // Rules under the title, the heads, each block, and the top edge.
    const std::vector<int> expected = {0,        -2 * u,   -3 * u,   -8 * u,   -13 * u,  -18 * u,
                                       -23 * u,  -25 * u,  -27 * u,  -29 * u,  -31 * u,  -33 * u,
                                       -38 * u,  -43 * u,  -48 * u,  -53 * u,  -58 * u,  -63 * u};
    EXPECT_EQ(FullRules(dc), expected);
}

TEST(RecurringPages, IncomeBlocksReferenceRowsAndNotes)
{
    SetTestPrintSettings();
    CResultCurrentIncomeClass page;
    FillItemPage(page, 11, FillNumbered);
    const int u = 40;
    page.m_sizePage = CSize(W, 51 * u);
    CLometricRecordDC dc;
    page.ReportDraw(&dc);

    EXPECT_EQ(TextBox(dc, U8(u8"経 常 収 入")), CRect(0, 0, W, -2 * u));
    // Four-unit blocks: odd lines at the content's left, even ones from its middle.
    EXPECT_EQ(TextBox(dc, Text(0, 1)), CRect(I + a / 2, -3 * u, I + C / 2, -4 * u));
    EXPECT_EQ(TextBox(dc, Text(0, 2)), CRect(I + C / 2 + a / 2, -3 * u, I + C, -4 * u));
    EXPECT_EQ(TextBox(dc, Text(2, 8)), CRect(I + C / 2 + a / 2, -14 * u, I + C, -15 * u));
    // Five-unit blocks from unit 15.
    EXPECT_EQ(TextBox(dc, Text(3, 1)), CRect(I, -15 * u, I + C, -16 * u));
    EXPECT_EQ(TextBox(dc, Text(8, 3)), CRect(I, -41 * u, I + C - 10 * a - a / 2, -42 * u));
    EXPECT_EQ(TextBox(dc, U8(u8"参      考")), CRect(0, -46 * u, W, -48 * u));
    // Reference rows: the whole content on one line.
    const std::string content9 = Utf8(NumberedContent(9));
    EXPECT_EQ(TextBox(dc, content9), CRect(I + a / 2, -48 * u, I + C, -49 * u));
    EXPECT_EQ(TextBox(dc, U8(u8"注意－敷金・保証金は経常収入に含みません。")), CRect(a / 2, -50 * u, W, -51 * u));
    const std::vector<int> expected = {0,        -2 * u,   -3 * u,   -7 * u,   -11 * u,  -15 * u,  -20 * u,
                                       -25 * u,  -30 * u,  -35 * u,  -40 * u,  -45 * u,  -46 * u,  -48 * u,
                                       -49 * u,  -50 * u,  -51 * u};
    EXPECT_EQ(FullRules(dc), expected);
}

TEST(RecurringPages, PagesWithoutAllTheirRowsDrawFrameAndHeadsOnly)
{
    SetTestPrintSettings();
    CResultCurrentExpenseClass expense;
    CResultCurrentIncomeClass income;
    FillItemPage(expense, 14, FillNumbered);
    FillItemPage(income, 10, FillNumbered);
    for (CResultBaseClass* pPage : {static_cast<CResultBaseClass*>(&expense), static_cast<CResultBaseClass*>(&income)}) {
        pPage->m_sizePage = CSize(W, 2000);
        CLometricRecordDC dc;
        pPage->ReportDraw(&dc);
        for (const std::string& text : dc.Texts()) EXPECT_EQ(text.find("r"), std::string::npos) << text;
        EXPECT_GE(dc.RecordsOf(CDrawRecord::Line).size(), 17u);
    }
    // The notes and the reference title stand without rows too.
    income.DestroyData();
    CLometricRecordDC dc;
    income.ReportDraw(&dc);
    EXPECT_EQ(dc.Texts().size(), 7u);
}

TEST_F(RecurringTables, KindFourDrawsBothPagesSideBySide)
{
    ASSERT_TRUE(Calc().MakeCurrentExpense());
    ASSERT_TRUE(Calc().MakeCurrentIncome());
    SetTestPrintSettings();
    CTavResultClass& result = m_project.m_result;
    result.m_sizePaper = CSize(3330, 2200);
    result.SetItemFlag(4);
    CLometricRecordDC dc;
    result.ReportDraw(&dc, 1);
    EXPECT_EQ(result.m_objCurrentExpense.m_sizePage, CSize(1615, 2200));
    EXPECT_EQ(result.m_objCurrentIncome.m_sizePage, CSize(1615, 2200));
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text)) {
        if (r.text == U8(u8"経 常 支 出")) {
            EXPECT_EQ(r.origin, CPoint(0, 0));
        }
        if (r.text == U8(u8"経 常 収 入")) {
            EXPECT_EQ(r.origin, CPoint(-1700, 0));
        }
    }
    const std::vector<std::string> texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), U8(u8"清掃費")), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), U8(u8"自動販売機")), texts.end());

    // The realistic example on A4 and B4, for a look, with its categories named.
    const char* const apszCategories[3] = {"住宅", "店舗", "駐車場"};
    for (int c = 0; c < 3; ++c) m_project.m_data.m_apDataRentalBasic[c]->m_strName = apszCategories[c];
    ASSERT_TRUE(Calc().MakeCurrentIncome());
    for (const auto& [size, nBody, pszName] :
         {std::tuple{CSize(2670, 1744), 28, "result_recurring_a4"}, std::tuple{CSize(3330, 2192), 34, "result_recurring_b4"}}) {
        UseResultSheetSettings();
        LOGFONT body = *GetResultPrintFont();
        body.lfHeight = nBody;
        SetResultPrintFont(&body);
        result.m_sizePaper = size;
        const QImage image = RenderReport(result, 4);
        SaveArtifact(image, pszName);
        EXPECT_GT(CountInk(image), 20000);
    }
}
