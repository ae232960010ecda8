#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "tests/result/engineproject.h"
#include "result/calc/rentallines.h"

namespace {

using CalcPrepareTest = EngineProjectTest;

void SetStep(CDataRateClass& schedule, int nStep, int nFrom, int nTo, int nInterval, double dRate, int bDecrease = 0)
{
    schedule.m_aDataRate[nStep] = tagDATARATE{nFrom, nTo, nInterval, dRate, bDecrease};
}

// base x 1.05 to the number of listed years reached so far, for years 0..n.
std::vector<double> Raised(double base, const std::vector<int>& years, int n, double factor = 1.05)
{
    std::vector<double> v;
    for (int y = 0; y <= n; ++y) {
        int k = 0;
        for (int r : years) k += r <= y;
        v.push_back(base * std::pow(factor, k));
    }
    return v;
}

} // namespace

TEST_F(CalcPrepareTest, PreparedRatiosAndNoStaleValueWithoutDivisor)
{
    const struct {
        double plan, house, total, leased, buy;
        int inheritMethod;
        double project, totalValue;
        double houseUse, ownLand, buyRatio, inheritance;
    } cases[] = {
        {200, 150, 100, 20, 40, 0, 300, 1200, 0.75, 80, 0.5, 0.25},
        {0, 150, 50, 50, 10, 0, 300, 0, 0, 0, 0, 0}, // every divisor 0
        {100, 0, 100, 0, 25, 1, 40, 999, 0, 100, 0.25, 0.4},
    };
    CDataOutlineClass& outline = *m_data.m_pDataOutline;
    m_data.m_pDataTax->m_objSpecialHouse.dHouseRatio = 30;
    for (const auto& c : cases) {
        outline.aBuilding[0].dPlanBuild = c.plan;
        outline.aHouse[0].dHouse = c.house;
        outline.aLand[0] = tagDATALAND{c.total, c.leased, c.buy};
        tagDATATAXLAND& land = m_data.m_pDataTax->m_objTaxLand;
        land.nInputMethod = c.inheritMethod;
        land.dProjectValue = c.project;
        land.dTotalValue = c.totalValue;
        // What an earlier run left must not survive.
        m_calc.m_dHouseUseRatio = m_calc.m_dBuyLandRatio = m_calc.m_dInheritanceRatio = 9.0;
        ASSERT_TRUE(m_calc.CalcPreparation());
        EXPECT_DOUBLE_EQ(m_calc.m_dHouseUseRatio, c.houseUse) << c.plan;
        EXPECT_DOUBLE_EQ(m_calc.m_dOwnLandArea, c.ownLand) << c.plan;
        EXPECT_DOUBLE_EQ(m_calc.m_dBuyLandRatio, c.buyRatio) << c.plan;
        EXPECT_DOUBLE_EQ(m_calc.m_dInheritanceRatio, c.inheritance) << c.plan;
        EXPECT_DOUBLE_EQ(m_calc.m_dSpecialHouseRatio, 0.3);
    }
}

TEST_F(CalcPrepareTest, ConstructionCostByInputMethod)
{
    const double amounts[] = {1000, 200, 30, 4, 0.5, 0.25};
    for (int i = 0; i < 6; ++i) m_data.m_pDataExpense->m_aDepreciation[i].dAmount = amounts[i];
    m_data.m_pDataOutline->aBuilding[0].dPlanBuild = 200;
    const struct { int method; double expected; } cases[] = {
        {0, 1234.75}, {-1, 1234.75}, {1, 2000}, {2, 2000}, {3, 400000},
    };
    for (auto c : cases) {
        m_data.m_pDataExpense->m_objConstructionCost.nInputMethod = c.method;
        m_data.m_pDataExpense->m_objConstructionCost.dAmount = 2000;
        ASSERT_TRUE(m_calc.CalcPreparation());
        EXPECT_DOUBLE_EQ(m_calc.m_dConstructionCost, c.expected) << c.method;
    }
}

// A step from year 3 to 10, every 2 years, plus 5 %: as the first step it
// raises years 5, 7 and 9, as a later step also year 3.
TEST_F(CalcPrepareTest, SingleAmountSeriesFollowTheirSchedules)
{
    CDataTaxClass& tax = *m_data.m_pDataTax;
    CDataOutlineClass& outline = *m_data.m_pDataOutline;
    outline.aLand[0] = tagDATALAND{100, 20, 0};
    outline.aBuilding[0].dPlanBuild = 300;
    m_data.m_pDataExpense->m_objConstructionCost.nInputMethod = 2;
    m_data.m_pDataExpense->m_objConstructionCost.dAmount = 50000;

    struct Source {
        const char* name;
        std::function<CDataRateClass&()> schedule;
        std::function<void()> setBase;
        std::function<const CDeleteObArray*()> series;
        double base;
    };
    const Source sources[] = {
        {"land total", [&]() -> CDataRateClass& { return tax.m_aAppraised[0]; },
         [&] { tax.m_aAppraised[0].dAmount = 1000; tax.m_aAppraised[0].nInputMethod = 0; },
         [&] { return m_calc.m_pAppraisedLandArray; }, 1000},
        {"land per tsubo", [&]() -> CDataRateClass& { return tax.m_aAppraised[0]; },
         [&] { tax.m_aAppraised[0].dAmount = 10; tax.m_aAppraised[0].nInputMethod = 1; },
         [&] { return m_calc.m_pAppraisedLandArray; }, 800},
        {"building per tsubo", [&]() -> CDataRateClass& { return tax.m_aAppraised[1]; },
         [&] { tax.m_aAppraised[1].dAmount = 20; tax.m_aAppraised[1].nInputMethod = 1; },
         [&] { return m_calc.m_pAppraisedBuildArray; }, 6000},
        {"building share of cost", [&]() -> CDataRateClass& { return tax.m_aAppraised[1]; },
         [&] { tax.m_aAppraised[1].dAmount = 60; tax.m_aAppraised[1].nInputMethod = 2; },
         [&] { return m_calc.m_pAppraisedBuildArray; }, 30000},
        {"inheritance", [&]() -> CDataRateClass& { return tax.m_objTaxLand; },
         [&] { tax.m_objTaxLand.dTotalValue = 7000; }, [&] { return m_calc.m_pInheritanceArray; }, 7000},
        {"outside line 4", [&]() -> CDataRateClass& { return m_data.m_pDataRestOther->m_aRestOtherMoney[3]; },
         [&] { m_data.m_pDataRestOther->m_aRestOtherMoney[3].dAmount = 250; },
         [&] { return m_calc.m_apRestOtherArray[3]; }, 250},
    };
    const struct {
        const char* name;
        std::vector<tagDATARATE> steps;
        std::vector<int> raised;
    } schedules[] = {
        {"first step", {{3, 10, 2, 5, 0}}, {5, 7, 9}},
        {"later step", {{1, 2, 0, 0, 0}, {3, 10, 2, 5, 0}}, {3, 5, 7, 9}},
        {"all steps zero", {}, {}},
        {"interval 0", {{1, 2, 0, 0, 0}, {3, 10, 0, 5, 0}}, {}},
        {"open step", {{1, 0, 1, 5, 0}}, {2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const Source& s : sources) {
        for (const auto& sc : schedules) {
            CDataRateClass& schedule = s.schedule();
            schedule.InitData();
            for (size_t i = 0; i < sc.steps.size(); ++i) schedule.m_aDataRate[i] = sc.steps[i];
            s.setBase();
            ASSERT_TRUE(m_calc.CalcPreparation());
            ASSERT_TRUE(m_calc.CalcChnageMoney());
            const std::string what = std::string(s.name) + ", " + sc.name;
            ExpectSeries(Nets(s.series()), Raised(s.base, sc.raised, Years()), what.c_str());
        }
    }
}

TEST_F(CalcPrepareTest, SalarySeriesStartsWithTheFirstYear)
{
    CDataTaxBusinessClass& business = m_data.m_pDataTax->m_objTaxBusiness;
    business.dSalary = 500;
    SetStep(business, 0, 2, 10, 1, 10);
    const struct { int years; std::vector<double> expected; } cases[] = {
        {0, {500}},
        {1, {500}},
        {2, {500, 500}},
        {4, {500, 500, 550, 605}}, // year 2 starts the step and keeps the amount
    };
    for (const auto& c : cases) {
        m_calc.m_objCalcYear.nCalcYear = c.years;
        ASSERT_TRUE(m_calc.CalcPreparation());
        ASSERT_TRUE(m_calc.CalcChnageMoney());
        ExpectSeries(Nets(m_calc.m_pSalaryArray), c.expected, "salary");
    }
}

TEST_F(CalcPrepareTest, EverySeriesHasOneItemPerYear)
{
    for (int years : {0, 1, 10}) {
        m_calc.m_objCalcYear.nCalcYear = years;
        ASSERT_TRUE(m_calc.CalcPreparation());
        ASSERT_TRUE(m_calc.CalcChnageMoney());
        std::vector<const CDeleteObArray*> series{m_calc.m_pAppraisedLandArray, m_calc.m_pAppraisedBuildArray,
                                                  m_calc.m_pInheritanceArray};
        for (int t = 0; t < 8; ++t)
            for (auto* p : {m_calc.m_apRentArray[t], m_calc.m_apCommonFeeArray[t], m_calc.m_apKeyMoneyArray[t],
                            m_calc.m_apDepositArray[t], m_calc.m_apSecurityArray[t], m_calc.m_apRenewalFeeArray[t]})
                series.push_back(p);
        for (auto* p : m_calc.m_apCostArray) series.push_back(p);
        for (auto* p : m_calc.m_apOtherIncomeArray) series.push_back(p);
        for (auto* p : m_calc.m_apRestOtherArray) series.push_back(p);
        ASSERT_EQ(series.size(), 3u + 48 + 10 + 6 + 8);
        for (size_t i = 0; i < series.size(); ++i) {
            ASSERT_NE(series[i], nullptr) << i;
            EXPECT_EQ(series[i]->GetSize(), years + 1) << "series " << i << ", " << years << " years";
        }
        EXPECT_EQ(m_calc.m_pSalaryArray->GetSize(), std::max(years, 1)) << years;
    }
}

// Line 1: 1200 a year, line 2: 1001, each raised 5 % in years 5, 7 and 9
// on its own; the running sum is rounded to whole thousand yen after each line.
TEST_F(CalcPrepareTest, RentalLinesChangeOnTheirOwnAndSumRounded)
{
    SetStep(m_data.m_apDataRentalBasic[2]->m_aRate[CDataRentalBasicClass::kRateRent], 0, 3, 10, 2, 5);
    const struct {
        const char* name;
        std::vector<double> lines;
        BOOL bChange;
        std::vector<double> expected;
    } cases[] = {
        {"two lines", {1200, 1001}, TRUE, {2201, 2201, 2201, 2201, 2201, 2311, 2311, 2427, 2427, 2548, 2548}},
        {"no change flag", {1200, 1001}, FALSE, std::vector<double>(11, 2201)},
        {"rounded per line", {0.4, 0.4}, FALSE, std::vector<double>(11, 0)},
        {"no lines", {}, TRUE, std::vector<double>(11, 0)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(m_calc.CalcChangeRentalLines(m_calc.m_apRentArray[2], 2, c.lines.data(), int(c.lines.size()),
                                                 c.bChange));
        ExpectSeries(Nets(m_calc.m_apRentArray[2]), c.expected, c.name);
    }
}

TEST_F(CalcPrepareTest, RentalSeriesFollowTheRentUnlessTheirFlagIsSet)
{
    tagDATARENTALBASIC basic{};
    const RentalField fields[] = {kRentalRent,     kRentalCommonFee, kRentalKeyMoney,
                                  kRentalDeposit,  kRentalSecurity,  kRentalRenewalFee};
    const struct { const char* name; int tagDATARENTALBASIC::*flag; std::vector<bool> follows; } cases[] = {
        {"common fee fixed", &tagDATARENTALBASIC::bCommonFeeFixed, {true, false, true, true, true, true}},
        {"deposit fixed", &tagDATARENTALBASIC::nDepositChange, {true, true, true, false, true, true}},
        {"security fixed", &tagDATARENTALBASIC::nSecurityChange, {true, true, true, true, false, false}},
    };
    for (RentalField f : fields) EXPECT_TRUE(RentalFollowsRent(basic, f)) << f;
    for (const auto& c : cases) {
        basic = tagDATARENTALBASIC{};
        basic.*c.flag = 1;
        for (int f = 0; f < kRentalFieldCount; ++f)
            EXPECT_EQ(RentalFollowsRent(basic, fields[f]), c.follows[f]) << c.name << ", field " << f;
    }
}

TEST_F(CalcPrepareTest, CategoriesWithoutLinesGiveZeroSeries)
{
    ASSERT_TRUE(m_calc.CalcPreparation());
    ASSERT_TRUE(m_calc.CalcChnageMoney());
    for (int t = 0; t < 8; ++t) {
        ExpectSeries(Nets(m_calc.m_apRentArray[t]), std::vector<double>(11, 0), "rent");
        ExpectSeries(Nets(m_calc.m_apDepositArray[t]), std::vector<double>(11, 0), "deposit");
    }
}

// Base amount of each running expense item by its input method, read from
// the construction-period item of a tax-free series.
TEST_F(CalcPrepareTest, RunningExpenseBaseAmounts)
{
    m_data.m_pDataOutline->aBuilding[0].dUseBuild = 150;
    m_data.m_pDataOutline->aLand[0].dLeasedLand = 20;
    m_data.m_pDataExpense->m_objConstructionCost.nInputMethod = 2;
    m_data.m_pDataExpense->m_objConstructionCost.dAmount = 50000;
    for (int& flag : m_option.m_pOptionConsumptionCost->m_anTax) flag = 1;
    ASSERT_TRUE(m_calc.CalcPreparation());
    const struct { int item, method; double first, second, expected; } cases[] = {
        {0, 0, 10, 99, 120},   {0, 1, 99, 2, 3600},  {1, 0, 30, 99, 360},   {1, 1, 99, 3, 720},
        {1, 5, 30, 99, 360},   {2, 1, 99, 0.5, 250}, {3, 0, 70, 99, 70},    {3, 1, 99, 2, 1000},
        {4, 1, 99, 15, 15},    {9, 0, 40, 99, 40},   {6, 7, 40, 99, 40},
    };
    for (auto c : cases) {
        CDataCostItemClass& item = m_data.m_pDataCost->m_aCostItem[c.item];
        item.nInputMethod = c.method;
        item.adAmount[0] = c.first;
        item.adAmount[1] = c.second;
        ASSERT_TRUE(m_calc.CalcChangeCost(c.item));
        ASSERT_EQ(m_calc.m_apCostArray[c.item]->GetSize(), Years() + 1);
        EXPECT_DOUBLE_EQ(Item(m_calc.m_apCostArray[c.item], 0)->m_dNetMoney, c.expected)
            << "item " << c.item << " method " << c.method;
    }
}

// The management fee as 5 % of the rent (method 2) follows each category's
// occupancy; the construction period takes the full rent.
TEST_F(CalcPrepareTest, ManagementFeeAsFivePercentOfOccupiedRent)
{
    for (int t = 0; t < 8; ++t) {
        SetSeries(m_calc.m_apRentArray[t], std::vector<double>(11, t == 0 ? 1200 : t == 1 ? 600 : 0));
        SetSeries(m_calc.m_apCommonFeeArray[t], std::vector<double>(11, t == 0 ? 400 : 0));
    }
    SetStep(m_data.m_apDataRentalBasic[0]->m_aRate[CDataRentalBasicClass::kRateLive], 0, 1, 10, 0, 90);
    SetStep(m_data.m_apDataRentalBasic[1]->m_aRate[CDataRentalBasicClass::kRateLive], 0, 1, 5, 0, 100);
    SetStep(m_data.m_apDataRentalBasic[1]->m_aRate[CDataRentalBasicClass::kRateLive], 1, 6, 10, 0, 50);
    m_data.m_pDataBasic->nInputMethod = 1; // amounts exclude the tax: it comes on top
    m_calc.SetComs();
    CDataCostItemClass& fee = m_data.m_pDataCost->m_aCostItem[0];
    fee.adAmount[1] = 5;
    fee.nFromYear = 1;
    fee.nToYear = 8;
    const struct { int method; std::vector<double> expected; } cases[] = {
        // 5 % of 1200 x 90 % + 600 x 100 %, then of 1200 x 90 % + 600 x 50 %; not booked after year 8
        {2, {90, 84, 84, 84, 84, 84, 69, 69, 69, 0, 0}},
        {3, {20, 18, 18, 18, 18, 18, 18, 18, 18, 0, 0}},
    };
    for (const auto& c : cases) {
        fee.nInputMethod = c.method;
        ASSERT_TRUE(m_calc.CalcChangeCost(0));
        ExpectSeries(Nets(m_calc.m_apCostArray[0]), c.expected, "fee");
        for (int y = 0; y <= Years(); ++y)
            EXPECT_NEAR(Item(m_calc.m_apCostArray[0], y)->m_dTaxMoney, c.expected[y] * 0.1, 1e-9) << y;
    }
}

// Booked from year 3 to year 5 with a 2 % yearly rise from year 1: year 3
// already carries the rises of years 2 and 3.
TEST_F(CalcPrepareTest, ExpenseBookedLaterCarriesEarlierRises)
{
    CDataCostItemClass& item = m_data.m_pDataCost->m_aCostItem[4];
    item.adAmount[0] = 1000;
    item.nFromYear = 3;
    item.nToYear = 5;
    SetStep(item, 0, 1, 10, 1, 2);
    m_option.m_pOptionConsumptionCost->m_anTax[5] = 1;
    ASSERT_TRUE(m_calc.CalcChangeCost(4));
    ExpectSeries(Nets(m_calc.m_apCostArray[4]),
                 {1000, 0, 0, 1000 * 1.02 * 1.02, 1000 * std::pow(1.02, 3), 1000 * std::pow(1.02, 4), 0, 0, 0, 0, 0},
                 "other expense 1");
}

// Other incomes get a value in every year, split at the rate of the year.
TEST_F(CalcPrepareTest, OtherIncomeEveryYearWithTaxSplit)
{
    CDataTaxConsumptionClass& stages = m_data.m_pDataTax->m_objConsumption;
    stages.m_anBusinessToYear[0] = 3;
    stages.m_adBusinessRate[0] = 5;
    m_calc.SetComs();
    CDataOtherIncomeClass& income = m_data.m_pDataProRestOther->m_aOtherIncome[1];
    income.dAmount = 1155;
    income.nFromYear = 5;
    income.nToYear = 6;
    ASSERT_TRUE(m_calc.CalcChangeProRestOther(1));
    const CDeleteObArray* p = m_calc.m_apOtherIncomeArray[1];
    ASSERT_EQ(p->GetSize(), Years() + 1);
    // The construction period and years 4 on at the table's 10 %, years 1 to 3 at 5 %.
    for (int y = 0; y <= Years(); ++y) {
        const double rate = y >= 1 && y <= 3 ? 5 : 10;
        EXPECT_NEAR(Item(p, y)->m_dTaxMoney, 1155 / (rate + 100) * rate, 1e-9) << y;
        EXPECT_NEAR(Item(p, y)->m_dNetMoney + Item(p, y)->m_dTaxMoney, 1155, 1e-9) << y;
    }
    m_option.m_pOptionConsumptionIncome->m_anOtherTax[1] = 1;
    ASSERT_TRUE(m_calc.CalcChangeProRestOther(1));
    ExpectSeries(Nets(m_calc.m_apOtherIncomeArray[1]), std::vector<double>(11, 1155), "tax free");
}

TEST_F(CalcPrepareTest, IndexOutOfRangeIsAnUnexpectedError)
{
    const std::pair<const char*, std::function<BOOL()>> cases[] = {
        {"rent 8", [&] { return m_calc.CalcChangeHouseRent(8); }},
        {"rent -1", [&] { return m_calc.CalcChangeHouseRent(-1); }},
        {"common fee 8", [&] { return m_calc.CalcChangeCommon(8); }},
        {"key money 8", [&] { return m_calc.CalcChangeReward(8); }},
        {"deposit 8", [&] { return m_calc.CalcChangeDeposit(8); }},
        {"security 8", [&] { return m_calc.CalcChangeSecurity(8); }},
        {"renewal 8", [&] { return m_calc.CalcChangeRenewal(8); }},
        {"lines 8", [&] { return m_calc.CalcChangeRentalLines(m_calc.m_apRentArray[0], 8, nullptr, 0, TRUE); }},
        {"expense 10", [&] { return m_calc.CalcChangeCost(10); }},
        {"other income 6", [&] { return m_calc.CalcChangeProRestOther(6); }},
        {"outside line 8", [&] { return m_calc.CalcChangeRestOther(8); }},
    };
    for (const auto& [name, call] : cases) {
        m_calc.m_nMessageID = CALC_NO_ERROR;
        EXPECT_FALSE(call()) << name;
        EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR) << name;
    }
}

TEST_F(CalcPrepareTest, MissingRecordIsAnUnexpectedError)
{
    delete m_data.m_pDataOutline;
    m_data.m_pDataOutline = nullptr;
    EXPECT_FALSE(m_calc.CalcPreparation());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    m_calc.m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(m_calc.CalcChnageMoney());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

// Running the first half of step 0 again on the same engine rebuilds every
// series from the records: nothing of the first run adds up.
TEST_F(CalcPrepareTest, SecondRunGivesTheSameSeries)
{
    CDataTaxClass& tax = *m_data.m_pDataTax;
    m_data.m_pDataOutline->aLand[0] = tagDATALAND{100, 20, 30};
    m_data.m_pDataOutline->aBuilding[0].dPlanBuild = 300;
    m_data.m_pDataOutline->aHouse[0].dHouse = 200;
    tax.m_aAppraised[0].dAmount = 1000;
    tax.m_aAppraised[0].dAssetBaseRatio = 60;
    tax.m_aAppraised[0].dCityBaseRatio = 70;
    SetStep(tax.m_aAppraised[0], 0, 1, 10, 1, 3);
    tax.m_aAppraised[1].dAmount = 5000;
    SetStep(tax.m_aAppraised[1], 0, 1, 10, 3, 10, 1);
    tax.m_objMunicipal.nLandTaxBase = 1;
    tax.m_objTaxLand.dTotalValue = 4000;
    tax.m_objTaxBusiness.dSalary = 800;
    for (int i = 0; i < 10; ++i) m_data.m_pDataCost->m_aCostItem[i].adAmount[0] = 10 * (i + 1);
    m_data.m_pDataCost->m_aCostItem[0].nInputMethod = 2;
    m_data.m_pDataCost->m_aCostItem[0].adAmount[1] = 5;
    m_data.m_pDataProRestOther->m_aOtherIncome[0].dAmount = 120;
    m_data.m_pDataRestOther->m_aRestOtherMoney[7].dAmount = 90;

    auto run = [&] {
        EXPECT_TRUE(m_calc.CalcPreparation());
        EXPECT_TRUE(m_calc.CalcChnageMoney());
        EXPECT_TRUE(m_calc.CalcTaxMoney());
        std::vector<std::vector<double>> all{
            Nets(m_calc.m_pAppraisedLandArray),     Nets(m_calc.m_pAppraisedBuildArray),
            Nets(m_calc.m_pInheritanceArray),       Nets(m_calc.m_pSalaryArray),
            Nets(m_calc.m_pMunicipalLandBaseArray), Nets(m_calc.m_pMunicipalBuildBaseArray),
            Nets(m_calc.m_pCityPlanLandBaseArray),  Nets(m_calc.m_pCityPlanBuildBaseArray)};
        for (int t = 0; t < 8; ++t) all.push_back(Nets(m_calc.m_apRentArray[t]));
        for (auto* p : m_calc.m_apCostArray) all.push_back(Nets(p));
        for (auto* p : m_calc.m_apOtherIncomeArray) all.push_back(Nets(p));
        for (auto* p : m_calc.m_apRestOtherArray) all.push_back(Nets(p));
        return all;
    };
    const auto first = run();
    const auto second = run();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i], second[i]) << "series " << i;
        EXPECT_EQ(int(first[i].size()), i == 3 ? Years() : Years() + 1) << "series " << i;
    }
    EXPECT_DOUBLE_EQ(first[0][1], 1000); // the first step's start year keeps the amount
    EXPECT_DOUBLE_EQ(first[0][2], 1030);
    EXPECT_DOUBLE_EQ(first[16][0], 0); // the management fee: 5 % of no rent
}
