#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/result/fundsproject.h"

namespace {

// Funds 0 to 5 as the construction-funds step leaves them, the rest zero;
// the business ratio does not apply unless a test says so.
class DepreciationTest : public EngineProject {
protected:
    void SetUp() override
    {
        EngineProject::SetUp();
        for (int k = 0; k < 6; ++k) m_option.m_pOptionBusinessRate->m_anApply[13 + k] = 1;
        CTaxDepreciationClass& rule = *m_tax.m_pTaxDepreciation;
        rule.m_dResidualRatio = 5;
        rule.m_nExtraYear = 0;
        m_data.m_pDataBasic->dBusinessRatio = 80;
    }

    // Funds 0 to 5 with these net amounts and the accounting totals that
    // step 1 starts from for them.
    void SetFunds(std::vector<double> net, int nManage = 1)
    {
        delete m_calc.m_pExpenseArray;
        m_calc.m_pExpenseArray = new CDeleteObArray;
        net.resize(28, 0.0);
        for (double v : net) {
            auto* p = new CConsumptionExpenseClass;
            p->m_dNetMoney = v;
            p->m_nManage = nManage;
            m_calc.m_pExpenseArray->Add(p);
        }
        ASSERT_TRUE(m_calc.CalcExpenseManage());
    }

    // Item 0: a building of 1,000 with the given life and method.
    void SetBuilding(int nLife, int nMethod, double dCost = 1000)
    {
        SetFunds({dCost});
        tagDATADEPRECIATION& item = m_data.m_pDataExpense->m_aDepreciation[0];
        item.nLife = nLife;
        item.nMethod = nMethod;
    }

    void SetCapitalPay(int i, tagDATACAPITALPAY pay)
    {
        static_cast<tagDATACAPITALPAY&>(m_data.m_pDataExpense->m_aCapitalPay[i]) = pay;
    }

    const CDepreciationMoneyClass* Year(int k, int y) const
    {
        return static_cast<CDepreciationMoneyClass*>(m_calc.m_apDepreciationArray[k]->GetAt(y));
    }
    double Depreciation(int y, int k = 0) const { return Year(k, y)->m_dNetMoney; }
    double Book(int y, int k = 0) const { return Year(k, y)->m_dBookValue; }
};

} // namespace

TEST_F(DepreciationTest, StraightLine95AYear)
{
    // 1,000 over 10 years with a residual of 5 %: (1,000 - 50) / 10.
    SetBuilding(10, 0);
    ASSERT_TRUE(m_calc.CalcDepreciation());
    ASSERT_EQ(m_calc.m_apDepreciationArray[0]->GetSize(), kYears + 1);
    EXPECT_EQ(Depreciation(0), 0.0);
    EXPECT_EQ(Book(0), 1000);
    for (int y = 1; y <= 10; ++y) {
        EXPECT_NEAR(Depreciation(y), 95, 1e-9) << y;
        EXPECT_NEAR(Book(y), 1000 - 95 * y, 1e-9) << y;
    }
    for (int y = 11; y <= kYears; ++y) {
        EXPECT_NEAR(Depreciation(y), 0, 1e-9) << y;
        EXPECT_NEAR(Book(y), 50, 1e-9) << y;
    }
}

TEST_F(DepreciationTest, DecliningBalanceSwitchesToEqualAmounts)
{
    // Rate 2.5 / 10 on what is left above the residual of 50; from year 8 the
    // three remaining years take equal thirds, more than a quarter.
    SetBuilding(10, 1);
    ASSERT_TRUE(m_calc.CalcDepreciation());
    double left = 950;
    for (int y = 1; y <= 7; ++y) {
        EXPECT_NEAR(Depreciation(y), left * 0.25, 1e-9) << y;
        left -= left * 0.25;
    }
    for (int y = 8; y <= 10; ++y) EXPECT_NEAR(Depreciation(y), left / 3, 1e-9) << y;
    EXPECT_NEAR(Book(10), 50, 1e-9);
    EXPECT_NEAR(Depreciation(11), 0, 1e-9);
    EXPECT_NEAR(Book(kYears), 50, 1e-9);
}

TEST_F(DepreciationTest, CapitalExpenditureRestartsTheItem)
{
    // 80 % business share: base 800, residual 40, 76 a year; in year 5 a
    // capital expenditure of 400 adds 320 and the residual grows by 16.
    // The private shares are spent outside the business when they are paid.
    SetBuilding(10, 0);
    m_option.m_pOptionBusinessRate->m_anApply[13] = 0;
    SetCapitalPay(0, {5, 400, 0, 0});
    SetCapitalPay(1, {3, 999, 0, 1}); // another item's, wholly business
    m_calc.m_dNonBusinessExpend = 0.0;
    ASSERT_TRUE(m_calc.CalcDepreciation());
    EXPECT_NEAR(m_calc.m_dNonBusinessExpend, 200, 1e-9);
    EXPECT_NEAR(m_calc.CalcCapitalPayRest(5), 80, 1e-9);
    EXPECT_EQ(m_calc.CalcCapitalPayRest(3), 0.0);
    EXPECT_NEAR(Book(0), 800, 1e-9);
    for (int y = 1; y <= 4; ++y) EXPECT_NEAR(Depreciation(y), 76, 1e-9) << y;
    EXPECT_EQ(Depreciation(5), 0.0);
    EXPECT_NEAR(Book(5), 800 - 4 * 76 + 320, 1e-9);
    const double fresh = (Book(5) - 56) / 10;
    for (int y = 6; y <= kYears; ++y) EXPECT_NEAR(Depreciation(y), fresh, 1e-9) << y;

    // Declining balance counts the life again from the expenditure.
    SetBuilding(10, 1);
    ASSERT_TRUE(m_calc.CalcDepreciation());
    EXPECT_NEAR(Depreciation(6), (Book(5) - 56) * 0.25, 1e-9);
}

TEST_F(DepreciationTest, RetirementWritesOffToTheResidual)
{
    SetBuilding(10, 0);
    m_data.m_pDataExpense->m_aDepreciation[0].nRetireYear = 7;
    ASSERT_TRUE(m_calc.CalcDepreciation());
    EXPECT_NEAR(Depreciation(6), 95, 1e-9);
    EXPECT_NEAR(Depreciation(7), 1000 - 6 * 95 - 50, 1e-9);
    EXPECT_NEAR(Book(7), 50, 1e-9);
    EXPECT_NEAR(Depreciation(8), 0, 1e-9);
}

TEST_F(DepreciationTest, ExtraDepreciationOfTheHousingShare)
{
    CTaxDepreciationClass& rule = *m_tax.m_pTaxDepreciation;
    rule.m_nExtraYear = 5;
    rule.m_nLifeYear = 35;
    rule.m_dShortLifeRatio = 1.2;
    rule.m_dLongLifeRatio = 1.4;
    m_calc.m_dHouseUseRatio = 0.5;
    m_data.m_pDataExpense->m_aDepreciation[0].nExtra = 1;

    // Half of 95 is depreciated 1.2 times in the first five years.
    SetBuilding(10, 0);
    ASSERT_TRUE(m_calc.CalcDepreciation());
    for (int y = 1; y <= 5; ++y) EXPECT_NEAR(Depreciation(y), 47.5 + 47.5 * 1.2, 1e-9) << y;
    EXPECT_NEAR(Depreciation(6), 95, 1e-9);

    // A life at the threshold takes the long-life multiplier: 950 / 35 a year.
    SetBuilding(35, 0);
    ASSERT_TRUE(m_calc.CalcDepreciation());
    EXPECT_NEAR(Depreciation(1), 950.0 / 35 / 2 * (1 + 1.4), 1e-9);
}

TEST_F(DepreciationTest, DepreciableBases)
{
    // Funds booked to the building (300, plus the building-treated tax of
    // item 5) are shared over the pro-rated items by cost; item 2 is not
    // pro-rated; each item's cost is booked by its own treatment, land as
    // building.
    SetFunds({1000, 500, 500, 200, 100});
    const int manage[] = {1, 0, 2, 3, 4, 1};
    for (int k = 0; k < 6; ++k) Fund(k)->m_nManage = manage[k];
    Fund(0)->m_dTaxMoney = 100;
    Fund(0)->m_nTaxManage = 3;
    Fund(5)->m_dTaxMoney = 50;
    m_option.m_pOptionOtherManage->m_anProrate[0] = 1;
    m_calc.m_adManageMoney[1] = 300;

    ASSERT_TRUE(m_calc.CalcDepreciation());
    const double share = 350.0 / 1800;
    const double bases[] = {share * 1000 + 1000, share * 500 + 500, 0, share * 200, share * 100, 0};
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(Book(0, k), bases[k], 1e-9) << k;
    EXPECT_NEAR(m_calc.m_adManageMoney[1], 350 + 1000 + 500, 1e-9);
    EXPECT_NEAR(m_calc.m_adManageMoney[2], 100 + 500, 1e-9);
    EXPECT_NEAR(m_calc.m_adManageMoney[3], 200, 1e-9);
    EXPECT_NEAR(m_calc.m_dNonBusinessExpend, 100, 1e-9);
    EXPECT_NEAR(m_calc.m_adManageTax[1], 50, 1e-9);
    EXPECT_NEAR(m_calc.m_adManageTax[2], 100, 1e-9);

    // Funds booked to an item add to its base; so does an item's own cost
    // booked to another item.
    SetFunds({1000, 500});
    Fund(1)->m_nManage = 5 + 3;
    m_calc.m_adManageMoney[1] = 0;
    m_calc.m_adDepreciationAdd[0] = 70;
    ASSERT_TRUE(m_calc.CalcDepreciation());
    EXPECT_NEAR(Book(0, 0), 1000 + 70, 1e-9);
    EXPECT_NEAR(Book(0, 1), 0, 1e-9);
    EXPECT_NEAR(Book(0, 3), 500, 1e-9);

    // Ratio input with a compression entry: the compressed book value by the
    // items' percentages; the funds' taxes are not booked.
    SetFunds({1000, 500});
    Fund(0)->m_dTaxMoney = 100;
    CDataExpenseClass& expense = *m_data.m_pDataExpense;
    expense.m_objConstructionCost.nInputMethod = 2;
    expense.m_objCompression = tagDATACOMPRESSION{1, 2000};
    expense.m_aDepreciation[0].dAmount = 60;
    expense.m_aDepreciation[1].dAmount = 40;
    ASSERT_TRUE(m_calc.CalcDepreciation());
    EXPECT_NEAR(Book(0, 0), 1200, 1e-9);
    EXPECT_NEAR(Book(0, 1), 800, 1e-9);
    EXPECT_NEAR(m_calc.m_adManageMoney[1], 1500, 1e-9);
    EXPECT_EQ(m_calc.m_adManageMoney[2], 0.0);

    // The business share of the base.
    m_option.m_pOptionBusinessRate->m_anApply[13] = 0;
    SetFunds({1000, 500});
    ASSERT_TRUE(m_calc.CalcDepreciation());
    EXPECT_NEAR(Book(0, 0), 1200 * 0.8, 1e-9);
}

TEST_F(DepreciationTest, MissingFundsAreUnexpected)
{
    delete m_calc.m_pExpenseArray;
    m_calc.m_pExpenseArray = new CDeleteObArray;
    for (int k = 0; k < 5; ++k) m_calc.m_pExpenseArray->Add(new CConsumptionExpenseClass);
    EXPECT_FALSE(m_calc.CalcDepreciation());
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

// Over a table of items: depreciation plus the final book value equals the
// base plus the business share of the capital spending, and the book value
// never falls below the residual of what has been spent so far.
TEST_F(DepreciationTest, InvariantsOverItems)
{
    const struct Case {
        int method, life;
        double cost;
        int capitalYear;
        double capital;
        int secondYear;
        double second;
        int retire, extra, apply;
    } cases[] = {
        {0, 10, 1000, 0, 0, 0, 0, 0, 0, 1},
        {1, 10, 1000, 0, 0, 0, 0, 0, 0, 1},
        {1, 4, 777.7, 3, 250, 0, 0, 0, 0, 0},
        {0, 7, 5000, 2, 1000, 2, 500, 0, 1, 0},
        {1, 20, 12345.6, 4, 3000, 9, 700, 6, 0, 1},
        {0, 3, 100, 5, 50, 0, 0, 5, 1, 1},
        {1, 47, 98765.4, 1, 1, 11, 2222, 0, 1, 0},
        {0, 1, 300, 0, 0, 0, 0, 0, 0, 1},
        {1, 2, 300, 12, 80, 0, 0, 12, 0, 0},
        {0, 0, 300, 0, 0, 0, 0, 0, 0, 1}, // no life: written off at once
        {1, 0, 0, 0, 0, 0, 0, 0, 0, 1},   // an unused item
    };
    CTaxDepreciationClass& rule = *m_tax.m_pTaxDepreciation;
    rule.m_nExtraYear = 4;
    rule.m_nLifeYear = 10;
    rule.m_dShortLifeRatio = 1.3;
    rule.m_dLongLifeRatio = 1.1;
    m_calc.m_dHouseUseRatio = 0.7;
    CDataExpenseClass& expense = *m_data.m_pDataExpense;
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(n++));
        SetBuilding(c.life, c.method, c.cost);
        expense.m_aDepreciation[0].nRetireYear = c.retire;
        expense.m_aDepreciation[0].nExtra = c.extra;
        m_option.m_pOptionBusinessRate->m_anApply[13] = c.apply;
        SetCapitalPay(0, {c.capitalYear, c.capital, 0, 0});
        SetCapitalPay(1, {c.secondYear, c.second, 2, 0});
        ASSERT_TRUE(m_calc.CalcDepreciation());

        const double share = c.apply == 1 ? 1.0 : 0.8;
        double spent = Book(0), total = 0.0;
        EXPECT_NEAR(spent, c.cost * share, 1e-9);
        for (int y = 1; y <= kYears; ++y) {
            if (y == c.capitalYear) spent += c.capital * share;
            if (y == c.secondYear) spent += c.second * share;
            total += Depreciation(y);
            EXPECT_GE(Depreciation(y), -1e-9) << y;
            EXPECT_GE(Book(y), 0.05 * spent - 1e-9) << y;
            EXPECT_TRUE(std::isfinite(Book(y))) << y;
        }
        EXPECT_NEAR(total + Book(kYears), spent, 1e-6);
    }
}

TEST_F(DepreciationTest, CapitalExpenditureLookup)
{
    CDataExpenseClass& expense = *m_data.m_pDataExpense;
    SetCapitalPay(0, {5, 100, 0, 2});
    SetCapitalPay(1, {5, 200, 1, 2});
    const struct {
        int item, year, first, index;
    } cases[] = {
        {2, 5, 0, 0}, {2, 5, 1, 1}, {2, 5, 2, -1}, {2, 6, 0, -1}, {3, 5, 0, -1}, {2, -1, 0, 0}, {2, -1, 1, 1},
    };
    for (auto c : cases)
        EXPECT_EQ(m_calc.CheckCapitalpay(c.item, c.year, c.first), c.index) << c.item << " " << c.year << " " << c.first;
    expense.m_aCapitalPay[0].nYear = 0;
    EXPECT_EQ(m_calc.CheckCapitalpay(2, -1, 0), 1) << "year 0 is no expenditure";
}

// The business share (80 %) is amortised; the private share is spending
// outside the business in the construction period.
TEST_F(DepreciationTest, StartupCostAmortisedEvenly)
{
    m_calc.m_adManageMoney[3] = 1000;
    const struct {
        int years, items;
    } cases[] = {{3, 4}, {0, 2}, {1, 2}, {-2, 1}};
    for (auto c : cases) {
        m_option.m_pOptionOtherManage->m_nStartupYear = c.years;
        m_calc.m_dNonBusinessExpend = 0.0;
        ASSERT_TRUE(m_calc.CalcStartRepay());
        EXPECT_NEAR(m_calc.m_dNonBusinessExpend, 200, 1e-9);
        const CDeleteObArray& series = *m_calc.m_pStartupArray;
        ASSERT_EQ(series.GetSize(), c.items) << c.years;
        const auto item = [&](int i) { return static_cast<CDepreciationMoneyClass*>(series.GetAt(i)); };
        EXPECT_EQ(item(0)->m_dBookValue, 800);
        double total = 0.0;
        for (int i = 1; i < c.items; ++i) {
            total += item(i)->m_dNetMoney;
            EXPECT_NEAR(item(i)->m_dBookValue, 800 - total, 1e-9);
        }
        if (c.items > 1) {
            EXPECT_NEAR(item(1)->m_dNetMoney, 800.0 / (c.items - 1), 1e-9);
            EXPECT_NEAR(total, 800, 1e-9);
            EXPECT_EQ(item(c.items - 1)->m_dBookValue, 0.0);
        }
    }
}

TEST(DepreciationRateTest, TablesByUsefulLife)
{
    EXPECT_EQ(std::size(CTavCalcClass::iFixed), 101u);
    const struct {
        int life, fixed, rate;
    } cases[] = {{0, 0, 0}, {1, 1000, 1000}, {10, 100, 206}, {47, 22, 48}, {100, 10, 23}};
    for (auto c : cases) {
        EXPECT_EQ(CTavCalcClass::iFixed[c.life], c.fixed) << c.life;
        EXPECT_EQ(CTavCalcClass::iFixedRate[c.life], c.rate) << c.life;
    }
}
