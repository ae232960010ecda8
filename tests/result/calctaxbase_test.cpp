#include <string>

#include "tests/result/engineproject.h"

namespace {

// Tax bases read the assessed values from the engine's series, set here directly.
class CalcTaxBaseTest : public EngineProjectTest {
protected:
    void SetUp() override
    {
        EngineProjectTest::SetUp();
        m_tax.m_pTaxStandardMoney->m_objPriceDrop.m_nPriceDropUse = 1;
    }
    // Land valued A in every year.
    void SetLandValues(const std::vector<double>& values)
    {
        m_calc.m_objCalcYear.nCalcYear = int(values.size()) - 1;
        SetSeries(m_calc.m_pAppraisedLandArray, values);
    }
    // Building kind and housing use that give the residential share.
    void SetHouseShare(int kind, double houseUse)
    {
        m_data.m_pDataTax->m_objMunicipal.nBuildingType = kind;
        m_calc.m_dHouseUseRatio = houseUse;
    }
    // Municipal land valued as given with a burden-adjusted base from
    // dBaseRatio percent of year 0's value; kind 0 at 30 % housing use (a
    // 50 % residential share) and a residential fraction of 1/4.
    void UseBurdenBase(const std::vector<double>& values, double dBaseRatio)
    {
        SetLandValues(values);
        SetHouseShare(0, 0.3);
        Municipal().nLandTaxBase = 1;
        m_data.m_pDataTax->m_aAppraised[0].dAssetBaseRatio = dBaseRatio;
        m_tax.m_pTaxMunicipal->m_dHouseLandNumerator = 1;
        m_tax.m_pTaxMunicipal->m_dHouseLandDenominator = 4;
    }
    static void SetLevelRow(CTaxBurdenLevelClass& row, double lower, double upper, double rate)
    {
        row.m_dLower = lower;
        row.m_dUpper = upper;
        row.m_dRate = rate;
    }
    tagDATAMUNICIPAL& Municipal() { return m_data.m_pDataTax->m_objMunicipal; }
};

} // namespace

TEST_F(CalcTaxBaseTest, ResidentialShareOfTheLand)
{
    const struct { int kind; double percent; int index; int share; } cases[] = {
        {0, 0, 0, 0},    {0, 24.9, 0, 0},  {0, 25, 1, 50},  {0, 50, 2, 100}, {0, 75, 2, 100}, {0, 90, 2, 100},
        {1, 10, 3, 0},   {1, 25, 4, 50},   {1, 49, 4, 50},   {1, 50, 5, 100}, {1, 74, 5, 100}, {1, 75, 5, 100},
        {2, 20, 6, 0},   {2, 25, 7, 50},   {2, 30, 7, 50},   {2, 50, 8, 75},  {2, 60, 8, 75},  {2, 75, 9, 100},
        {2, 80, 9, 100},
        {3, 80, 0, 0},   {-1, 80, 0, 0},
    };
    for (auto c : cases) {
        const int index = CTavCalcClass::GetHouseRateIndex(c.kind, c.percent);
        EXPECT_EQ(index, c.index) << "kind " << c.kind << ", " << c.percent << " %";
        EXPECT_EQ(CTavCalcClass::iHouseRate[index], c.share) << "kind " << c.kind << ", " << c.percent << " %";
    }
}

// Kind 2 at 60 % housing use: a 75 % residential share; fixed-asset fraction
// 1/4, city-planning fraction 1/3. Year 0 keeps the assessed value.
TEST_F(CalcTaxBaseTest, AssessedValueBase)
{
    SetLandValues({800, 1000, 1200});
    SetHouseShare(2, 0.6);
    m_tax.m_pTaxMunicipal->m_dHouseLandNumerator = 1;
    m_tax.m_pTaxMunicipal->m_dHouseLandDenominator = 4;
    m_tax.m_pTaxCityPlan->m_dHouseLandNumerator = 1;
    m_tax.m_pTaxCityPlan->m_dHouseLandDenominator = 3;
    const struct {
        const char* name;
        bool cityPlan;
        int notApplied;
        double denominator;
        std::vector<double> expected;
    } cases[] = {
        {"fixed-asset", false, 0, 4, {800, 437.5, 525}},
        {"fixed-asset, rule not applied", false, 1, 4, {800, 1000, 1200}},
        {"fixed-asset, no denominator", false, 0, 0, {800, 1000, 1200}},
        {"city-planning", true, 0, 3, {800, 500, 600}},
        {"city-planning, rule not applied", true, 1, 3, {800, 1000, 1200}},
    };
    for (const auto& c : cases) {
        if (c.cityPlan) {
            m_data.m_pDataTax->m_objCityPlan.nLandHouseSpecial = c.notApplied;
            m_tax.m_pTaxCityPlan->m_dHouseLandDenominator = c.denominator;
            ASSERT_TRUE(m_calc.CalcCityPlanLandMoney());
            ExpectSeries(Nets(m_calc.m_pCityPlanLandBaseArray), c.expected, c.name);
        } else {
            Municipal().nLandHouseSpecial = c.notApplied;
            m_tax.m_pTaxMunicipal->m_dHouseLandDenominator = c.denominator;
            ASSERT_TRUE(m_calc.CalcMunicipalLandMoney());
            ExpectSeries(Nets(m_calc.m_pMunicipalLandBaseArray), c.expected, c.name);
        }
    }
}

// A base rising by 10 % a year from 80 % of a value of 1000 reaches the value
// in year 3: it is capped there, split by the 50 % housing share, and the
// following years start from the value. The residential fraction 1/4 applies
// to the housing part of what is shown, not to what is carried on.
TEST_F(CalcTaxBaseTest, BurdenAdjustedBaseCappedAtTheValue)
{
    UseBurdenBase({1000, 1000, 1000, 1000, 1000, 1000}, 80);
    SetLevelRow(m_tax.m_pTaxStandardMoney->m_aHouseLevel[0], 0, 10, 1.1);
    SetLevelRow(m_tax.m_pTaxStandardMoney->m_aBusinessLevel[0], 0, 10, 1.1);
    ASSERT_TRUE(m_calc.CalcMunicipalLandMoney());
    // Carried: 800, 880, 968, then 1064.8 is capped to 1000.
    ExpectSeries(Nets(m_calc.m_pMunicipalLandBaseArray), {800, 550, 605, 625, 625, 625}, "capped");
}

// At a burden level of exactly 1 both parts still follow the table: 90 %
// of last year's base, not the value.
TEST_F(CalcTaxBaseTest, BurdenAdjustedBaseAtTheFullLevel)
{
    UseBurdenBase({1000, 1000}, 100);
    SetLevelRow(m_tax.m_pTaxStandardMoney->m_aHouseLevel[0], 0, 10, 0.9);
    SetLevelRow(m_tax.m_pTaxStandardMoney->m_aBusinessLevel[0], 0, 10, 0.9);
    ASSERT_TRUE(m_calc.CalcMunicipalLandMoney());
    // 450 non-residential and a quarter of 450 residential.
    ExpectSeries(Nets(m_calc.m_pMunicipalLandBaseArray), {1000, 562.5}, "level 1");
}

// No row of either burden table matches: both rates are 1 and the base
// stays until the falling value goes below it.
TEST_F(CalcTaxBaseTest, BurdenAdjustedBaseWithoutMatchingRows)
{
    UseBurdenBase({1000, 900, 810, 729, 656.1, 590.49, 531.441, 478.2969}, 50);
    ASSERT_TRUE(m_calc.CalcMunicipalLandMoney());
    ExpectSeries(Nets(m_calc.m_pMunicipalLandBaseArray),
                 {500, 312.5, 312.5, 312.5, 312.5, 312.5, 312.5, 478.2969 * 0.625}, "unchanged then capped");
}

// The seventh non-residential row takes its rate as a percentage of the value.
TEST_F(CalcTaxBaseTest, BurdenAdjustedBaseAtThePercentageRow)
{
    SetLandValues({1000, 1000, 1200});
    SetHouseShare(0, 0.0);
    m_data.m_pDataTax->m_objCityPlan.nLandTaxBase = 1;
    m_data.m_pDataTax->m_aAppraised[0].dCityBaseRatio = 50;
    SetLevelRow(m_tax.m_pTaxStandardMoney->m_aBusinessLevel[6], 1, 0, 70); // takes every level
    ASSERT_TRUE(m_calc.CalcCityPlanLandMoney());
    ExpectSeries(Nets(m_calc.m_pCityPlanLandBaseArray), {500, 700, 840}, "70 % of the value");
}

// A 10 % fall in value reaches the 5 % threshold: the housing factor becomes
// the adjustment rate 1.0 instead of the table's 1.1.
TEST_F(CalcTaxBaseTest, PriceDropAdjustsTheHousingRate)
{
    SetLandValues({1000, 900});
    SetHouseShare(0, 0.8);
    Municipal().nLandTaxBase = 1;
    Municipal().nLandHouseSpecial = 1;
    m_data.m_pDataTax->m_aAppraised[0].dAssetBaseRatio = 80;
    SetLevelRow(m_tax.m_pTaxStandardMoney->m_aHouseLevel[0], 0, 10, 1.1);
    CTaxPriceDropClass& drop = m_tax.m_pTaxStandardMoney->m_objPriceDrop;
    drop.m_dPriceDropRate = 0.05;
    drop.m_dHouseLevel = 0.5;
    drop.m_dAdjustRate = 1.0;
    const struct { int use; double expected; } cases[] = {{1, 880}, {0, 800}};
    for (auto c : cases) {
        drop.m_nPriceDropUse = c.use;
        ASSERT_TRUE(m_calc.CalcMunicipalLandMoney());
        ExpectSeries(Nets(m_calc.m_pMunicipalLandBaseArray), {800, c.expected}, "price drop");
    }
}

TEST_F(CalcTaxBaseTest, UnknownLandBaseMethodIsAnUnexpectedError)
{
    SetLandValues({1000, 1000});
    const struct { bool cityPlan; int method; } cases[] = {{false, 2}, {false, -1}, {true, 2}};
    for (auto c : cases) {
        m_calc.m_nMessageID = CALC_NO_ERROR;
        (c.cityPlan ? m_data.m_pDataTax->m_objCityPlan.nLandTaxBase : Municipal().nLandTaxBase) = c.method;
        EXPECT_FALSE(c.cityPlan ? m_calc.CalcCityPlanLandMoney() : m_calc.CalcMunicipalLandMoney()) << c.method;
        EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR) << c.method;
        (c.cityPlan ? m_data.m_pDataTax->m_objCityPlan.nLandTaxBase : Municipal().nLandTaxBase) = 0;
    }
}

// 40 % of the building is special-rule housing, taxed at 1/2 during the
// new-house period: 2 years for kind 0, 3 for the fire-resistant kinds.
TEST_F(CalcTaxBaseTest, BuildingBases)
{
    m_calc.m_objCalcYear.nCalcYear = 4;
    SetSeries(m_calc.m_pAppraisedBuildArray, {5000, 1000, 1000, 1000, 1000});
    m_calc.m_dSpecialHouseRatio = 0.4;
    CTaxMunicipalClass& rates = *m_tax.m_pTaxMunicipal;
    rates.m_dNewHouseNumerator = 1;
    rates.m_dNewHouseDenominator = 2;
    rates.m_nNewHouseYear = 2;
    rates.m_nFireproofHouseYear = 3;
    const struct { int kind, notApplied; std::vector<double> expected; } cases[] = {
        {0, 0, {0, 800, 800, 1000, 1000}},
        {1, 0, {0, 800, 800, 800, 1000}},
        {0, 1, {0, 1000, 1000, 1000, 1000}},
    };
    for (const auto& c : cases) {
        Municipal().nBuildingType = c.kind;
        Municipal().nBuildingHouseSpecial = c.notApplied;
        ASSERT_TRUE(m_calc.CalcMunicipalBuildMoney());
        ExpectSeries(Nets(m_calc.m_pMunicipalBuildBaseArray), c.expected, "fixed-asset");
    }
    ASSERT_TRUE(m_calc.CalcCityPlanBuildMoney());
    ExpectSeries(Nets(m_calc.m_pCityPlanBuildBaseArray), {5000, 1000, 1000, 1000, 1000}, "city-planning");

    SetSeries(m_calc.m_pAppraisedBuildArray, {5000, 1000});
    EXPECT_FALSE(m_calc.CalcCityPlanBuildMoney());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    m_calc.m_nMessageID = CALC_NO_ERROR;
    delete m_calc.m_pAppraisedBuildArray;
    m_calc.m_pAppraisedBuildArray = nullptr;
    EXPECT_FALSE(m_calc.CalcMunicipalBuildMoney());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

// Land pays for the construction months in year 0, the building nothing.
TEST_F(CalcTaxBaseTest, YearlyPropertyTaxes)
{
    m_calc.m_objCalcYear.nCalcYear = 2;
    m_data.m_pDataOutline->nConstructMonths = 18;
    SetSeries(m_calc.m_pMunicipalLandBaseArray, {1000, 2000, 3000});
    SetSeries(m_calc.m_pMunicipalBuildBaseArray, {9000, 4000, 5000});
    SetSeries(m_calc.m_pCityPlanLandBaseArray, {1000, 2000, 3000});
    SetSeries(m_calc.m_pCityPlanBuildBaseArray, {9000, 4000, 5000});
    m_tax.m_pTaxMunicipal->m_dLandRate = 1.4;
    m_tax.m_pTaxMunicipal->m_dBuildingRate = 1.5;
    m_tax.m_pTaxCityPlan->m_dLandRate = 0.3;
    m_tax.m_pTaxCityPlan->m_dBuildingRate = 0.2;
    ASSERT_TRUE(m_calc.CalcTaxMunicipal());
    ASSERT_TRUE(m_calc.CalcTaxCityPlan());
    ExpectSeries(Nets(m_calc.m_pMunicipalLandTaxArray), {21, 28, 42}, "fixed-asset land");
    ExpectSeries(Nets(m_calc.m_pMunicipalBuildTaxArray), {0, 60, 75}, "fixed-asset building");
    ExpectSeries(Nets(m_calc.m_pCityPlanLandTaxArray), {4.5, 6, 9}, "city-planning land");
    ExpectSeries(Nets(m_calc.m_pCityPlanBuildTaxArray), {0, 8, 10}, "city-planning building");

    SetSeries(m_calc.m_pMunicipalLandBaseArray, {1000});
    EXPECT_FALSE(m_calc.CalcTaxMunicipal());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

// Brackets up to 100 000 at 100 %, to 500 000 at 50 %, to 1 000 000 at 25 %;
// the counted capital pays 0.5 %.
TEST_F(CalcTaxBaseTest, CapitalPartOfTheBusinessTax)
{
    CTaxBusinessClass& rates = *m_tax.m_pTaxBusiness;
    rates.m_dCapitalRate = 0.5;
    const double uppers[] = {100000, 500000, 1000000}, ratios[] = {100, 50, 25};
    for (int i = 0; i < 3; ++i) {
        rates.m_aCapitalStep[i].m_dUpper = uppers[i];
        rates.m_aCapitalStep[i].m_dValue = ratios[i];
    }
    const struct { double capital, tax; } cases[] = {
        {0, 0},           {-5, 0},          {50000, 250},      {100000, 500}, {300000, 1000},
        {500000, 1500},   {800000, 1875},   {1000000, 2125},   {2000000, 2125},
    };
    for (auto c : cases) {
        m_data.m_pDataTax->m_objTaxBusiness.dCapital = c.capital;
        m_calc.m_dBusinessCapitalTax = 99; // an earlier run's value
        ASSERT_TRUE(m_calc.CalcTaxShihonwari());
        EXPECT_DOUBLE_EQ(m_calc.m_dBusinessCapitalTax, c.tax) << c.capital;
    }
}

// The project's half of 0.3 % of the valuation above the deduction; year 0
// for 6 months. A deduction above the valuation gives no tax.
TEST_F(CalcTaxBaseTest, LandValueTax)
{
    m_calc.m_objCalcYear.nCalcYear = 2;
    SetSeries(m_calc.m_pInheritanceArray, {3000, 3000, 1000});
    m_calc.m_dInheritanceRatio = 0.5;
    m_data.m_pDataOutline->nConstructMonths = 6;
    CTaxLandPriceClass& rates = *m_tax.m_pTaxLandPrice;
    rates.m_dRate = 0.3;
    rates.m_dPersonalDeduction = 1500;
    const double deductions[] = {1000, 2000, 4000};
    for (int i = 0; i < 3; ++i) rates.m_aCapitalStep[i].m_dValue = deductions[i];
    const struct { int method; double deduction; std::vector<double> tax; } cases[] = {
        {0, 1500, {1.125, 2.25, 0}},
        {1, 1000, {1.5, 3, 0}},
        {2, 2000, {0.75, 1.5, 0}},
        {3, 4000, {0, 0, 0}},
        {4, 0, {2.25, 4.5, 1.5}},
    };
    for (const auto& c : cases) {
        m_data.m_pDataBasic->nTaxMethod = c.method;
        ASSERT_TRUE(m_calc.CalcTaxLandPrice());
        const std::string what = "method " + std::to_string(c.method);
        ExpectSeries(Nets(m_calc.m_pLandPriceTaxArray), c.tax, what.c_str());
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(Item(m_calc.m_pLandPriceTaxArray, y)->m_adExtra[0], c.deduction) << what;
    }
}

// Step 0's first half on a whole project: every tax series has a year 0 and
// one item per operating year.
TEST_F(CalcTaxBaseTest, TaxSeriesOneItemPerYear)
{
    Municipal().nLandTaxBase = 1;
    m_data.m_pDataTax->m_aAppraised[0].dAmount = 1000;
    for (int years : {0, 3}) {
        m_calc.m_objCalcYear.nCalcYear = years;
        ASSERT_TRUE(m_calc.CalcPreparation());
        ASSERT_TRUE(m_calc.CalcChnageMoney());
        ASSERT_TRUE(m_calc.CalcTaxMoney());
        ASSERT_TRUE(m_calc.CalcAlwaysTax());
        for (const CDeleteObArray* p :
             {m_calc.m_pMunicipalLandBaseArray, m_calc.m_pMunicipalBuildBaseArray, m_calc.m_pCityPlanLandBaseArray,
              m_calc.m_pCityPlanBuildBaseArray, m_calc.m_pMunicipalLandTaxArray, m_calc.m_pMunicipalBuildTaxArray,
              m_calc.m_pCityPlanLandTaxArray, m_calc.m_pCityPlanBuildTaxArray, m_calc.m_pLandPriceTaxArray}) {
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(p->GetSize(), years + 1) << years;
        }
    }
}
