#include <cmath>
#include <gtest/gtest.h>

#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"

namespace {

// An engine with the operating stages of an empty stepwise record at 8 %:
// 1-50, 51-60, and an empty third stage; construction stages the same.
class ConsumptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const int from[3] = {1, 51, 0}, to[3] = {50, 60, 0};
        for (int s = 0; s < 3; ++s) {
            m_calc.m_anBusinessFrom[s] = m_calc.m_anConstructFrom[s] = from[s];
            m_calc.m_anBusinessTo[s] = m_calc.m_anConstructTo[s] = to[s];
            m_calc.m_adBusinessRate[s] = m_calc.m_adConstructRate[s] = 8.0;
        }
    }
    CTavCalcClass m_calc;
};

} // namespace

TEST_F(ConsumptionTest, StageLookups)
{
    m_calc.m_adBusinessRate[0] = 5;
    m_calc.m_adBusinessRate[1] = 8;
    m_calc.m_adBusinessRate[2] = 10;
    m_calc.m_anBusinessTo[1] = 55;
    m_calc.m_anBusinessFrom[2] = 56;
    m_calc.m_anBusinessTo[2] = 60;
    const std::pair<int, double> business[] = {{0, 5}, {1, 5}, {50, 5}, {51, 8}, {55, 8}, {56, 10}, {60, 10}, {61, 5}};
    for (auto [year, rate] : business) EXPECT_EQ(m_calc.GetdTax(year), rate) << year;

    // Stage 1 is taken for every year up to its end, even inside stage 2.
    m_calc.m_anBusinessFrom[1] = 40;
    EXPECT_EQ(m_calc.GetdTax(45), 5);

    // Construction stages are looked up from stage 3 down, stage 1 otherwise;
    // stage 1 runs to year 2, stage 2 over years 3 and 4, stage 3 over 4 to 6.
    const int from[3] = {1, 3, 4}, to[3] = {2, 4, 6};
    const double rates[3] = {5, 8, 10};
    for (int s = 0; s < 3; ++s) {
        m_calc.m_anConstructFrom[s] = from[s];
        m_calc.m_anConstructTo[s] = to[s];
        m_calc.m_adConstructRate[s] = rates[s];
    }
    const std::pair<int, double> construct[] = {{0, 5}, {1, 5}, {2, 5}, {3, 8}, {4, 10}, {6, 10}, {7, 5}};
    for (auto [year, rate] : construct) {
        m_calc.m_nInputMethod = 0;
        EXPECT_DOUBLE_EQ(m_calc.GetConsumeW(100 + rate, year), rate) << year;
        m_calc.m_nInputMethod = 1;
        EXPECT_DOUBLE_EQ(m_calc.GetConsumeW(100, year), rate) << year;
    }
}

TEST_F(ConsumptionTest, SplitsOf108At8Percent)
{
    const struct { int taxFree; int method; double tax, net, total; } cases[] = {
        {0, 0, 8, 100, 108}, {0, 1, 8.64, 108, 116.64}, {1, 0, 0, 108, 108}, {1, 1, 0, 108, 108},
    };
    for (auto c : cases) {
        m_calc.CalcConsumption(108, c.taxFree, 3, c.method);
        EXPECT_NEAR(m_calc.m_dConsumeTax, c.tax, 1e-9);
        EXPECT_NEAR(m_calc.m_dConsumeNet, c.net, 1e-9);
        EXPECT_NEAR(m_calc.m_dConsumeTotal, c.total, 1e-9);
        CConsumptionMoneyClass item;
        item.SetMoney(108, c.taxFree, 8, c.method);
        EXPECT_NEAR(item.m_dTaxMoney, c.tax, 1e-9);
        EXPECT_NEAR(item.m_dNetMoney, c.net, 1e-9);
        EXPECT_EQ(item.m_dMoney, 108);
    }
}

TEST_F(ConsumptionTest, ConstructionTimingsAddTheTaxOnTop)
{
    // Stage 1 (year 1) at 10 %, stage 2 (year 2) at 20 %, stage 3 (year 3) at 30 %; amounts exclude tax.
    const double rates[3] = {10, 20, 30};
    for (int s = 0; s < 3; ++s) {
        m_calc.m_anConstructFrom[s] = m_calc.m_anConstructTo[s] = s + 1;
        m_calc.m_adConstructRate[s] = rates[s];
    }
    m_calc.m_nInputMethod = 1;
    m_calc.m_nConstructMonths = 24;
    const struct { int timing; int oneYear; double tax; } cases[] = {
        {0, 0, 24},                                  // at the start: year 1
        {1, 0, 48},                                  // midway: 24 / 24 + 1 = year 2
        {2, 0, 72},                                  // at completion: 24 / 12 + 1 = year 3
        {2, 1, 24},                                  // one year only
        {3, 0, 8 + 16 + 24},                         // three parts of 80
        {4, 0, (11 * 10 + 12 * 20 + 1 * 30) * 0.1},  // 24 months: 11 in year 1, 12 in year 2, 1 in year 3
    };
    for (auto c : cases) {
        m_calc.CalcConsumptionW(240, 0, c.timing, c.oneYear);
        EXPECT_NEAR(m_calc.m_dConsumeTax, c.tax, 1e-9) << c.timing;
        EXPECT_EQ(m_calc.m_dConsumeNet, 240);
        EXPECT_NEAR(m_calc.m_dConsumeTotal, 240 + c.tax, 1e-9);
    }
    // The tax-free flag of a construction split is not kept for CalcConsumption2.
    m_calc.CalcConsumption(10, 0, 1, 1);
    m_calc.CalcConsumptionW(240, 1, 4, 0);
    EXPECT_EQ(m_calc.m_dConsumeTax, 0);
    EXPECT_EQ(m_calc.m_dConsumeTotal, 240);
    EXPECT_EQ(m_calc.m_bConsumeTaxFree, 0);
    m_calc.m_nConstructMonths = 0;
    m_calc.CalcConsumptionW(240, 0, 4, 0);
    EXPECT_NEAR(m_calc.m_dConsumeTax, 24, 1e-9);
}

TEST_F(ConsumptionTest, FractionManage)
{
    const struct { int places; double addend; int mode; int zero; double value; double expected; } cases[] = {
        {0, 0.5, 0, 0, 12.34, 12},    {0, 0.5, 0, 0, 12.5, 13},     {0, 0.5, 0, 0, -12.5, -13},
        {0, 0.5, 0, 0, 12.49, 12},    {0, 0.5, 1, 0, 12.99, 12},    {0, 0.5, 1, 0, -12.99, -12},
        {1, 0.05, 0, 0, 1.249, 1.2},  {1, 0.05, 0, 0, 1.25, 1.3},   {1, 0.05, 7, 0, 1.25, 0},
        {2, 0.005, 0, 1, 1.5, 1.5},   {0, 0.5, 2, 0, 2.5, 3},       {0, 0.5, 0, 0, -0.4, 0},
        {3, 0.0005, 0, 0, 1234.5675, 1234.568},
        // negative values in every mode
        {0, 0.5, 2, 0, -2.5, -3},     {1, 0.05, 1, 0, -1.29, -1.2}, {1, 0.05, 7, 0, -1.25, 0},
        {2, 0.005, 0, 0, -1234.565, -1234.57},                      {0, 0.5, 1, 0, -0.4, 0},
        // only the first dropped digit counts; a cut "-0.0" counts as not negative
        {0, 0.5, 0, 0, -0.04, 0},     {0, 0.5, 0, 0, -0.5, -1},     {0, 0.5, 0, 0, 0.4999, 0},
        // other addends: zero cuts, a larger one rounds up earlier
        {0, 0.0, 0, 0, 12.9, 12},     {0, 0.9, 0, 0, 12.1, 13},     {0, 0.9, 0, 0, -12.1, -13},
        {1, 0.09, 2, 0, 3.41, 3.5},   {0, 0.5, -1, 0, 12.5, 0},
        // zero suppression in the first text does not change the result
        {2, 0.005, 0, 1, 2.0, 2},     {2, 0.005, 0, 1, -7.125, -7.13}, {0, 0.5, 1, 1, 120.0, 120},
        // "%f" rounds at the sixth place before the cut
        {0, 0.5, 1, 0, 0.9999996, 1}, {0, 0.5, 0, 0, 0.0, 0},
    };
    for (auto c : cases) {
        m_calc.m_objDecimal = tagSETDECIMAL{c.places, c.addend, c.mode, c.zero};
        const double got = m_calc.FractionManage(c.value);
        EXPECT_DOUBLE_EQ(got, c.expected) << c.value << " places " << c.places << " mode " << c.mode;
        EXPECT_FALSE(std::signbit(got) && got == 0.0) << "negative zero for " << c.value;
        EXPECT_DOUBLE_EQ(m_calc.FractionManage(got), got) << "idempotent " << c.value;
    }
}

TEST_F(ConsumptionTest, ConstructionAmountsWithTaxHoldTheirTax)
{
    // Stage 1 (year 1) at 10 %, stage 2 (year 2) at 8 %; amounts include tax.
    const double rates[2] = {10, 8};
    for (int s = 0; s < 2; ++s) {
        m_calc.m_anConstructFrom[s] = m_calc.m_anConstructTo[s] = s + 1;
        m_calc.m_adConstructRate[s] = rates[s];
    }
    m_calc.m_nInputMethod = 0;
    m_calc.m_nConstructMonths = 12;
    const struct { int taxFree; int timing; double tax; } cases[] = {
        {0, 0, 10000},                    // 110,000 with 10 % in it
        {0, 2, 110000.0 / 108 * 8},       // at completion: 12 / 12 + 1 = year 2
        {0, 3, 110000.0 / 3 / 110 * 10 + 110000.0 / 3 / 110 * 10 + 110000.0 / 3 / 108 * 8},
        {1, 0, 0},
    };
    for (auto c : cases) {
        m_calc.CalcConsumptionW(110000, c.taxFree, c.timing, 0);
        EXPECT_NEAR(m_calc.m_dConsumeTax, c.tax, 1e-6) << c.timing;
        EXPECT_NEAR(m_calc.m_dConsumeNet, 110000 - c.tax, 1e-6) << c.timing;
        EXPECT_DOUBLE_EQ(m_calc.m_dConsumeTotal, 110000) << c.timing;
    }
}
