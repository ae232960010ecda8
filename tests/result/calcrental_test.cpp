#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "result/calc/securityloan.h"
#include "tests/result/enginefixture.h"

namespace {

enum { kRent, kKeyMoney, kCommonFee, kRenewalFee, kDeposit, kSecurity };

class RentalTest : public EngineYearsTest {
protected:
    CDataRentalBasicClass& Basic(int t) { return *m_data.m_apDataRentalBasic[t]; }

    // Occupancy levels in percent: {first year, last year, percent} steps.
    void SetOccupancy(int t, std::initializer_list<tagDATARATE> steps)
    {
        tagDATARATE* rates = Basic(t).m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate;
        for (const tagDATARATE& step : steps) *rates++ = step;
    }
    void SetTurnover(int t, double dPercent)
    {
        Basic(t).m_aRate[CDataRentalBasicClass::kRateTurnover].m_aDataRate[0] = {1, 99, 0, dPercent, 0};
    }
    // The rent rises by dPercent every nInterval years after year 1.
    void SetRentRise(int t, int nInterval, double dPercent)
    {
        Basic(t).m_aRate[CDataRentalBasicClass::kRateRent].m_aDataRate[0] = {1, 99, nInterval, dPercent, 0};
    }
    void SetBase(CDeleteObArray*& pSeries, double dAmount)
    {
        delete pSeries;
        pSeries = nullptr;
        AddSeriesItem(pSeries, dAmount);
    }
    void TaxFree(int t)
    {
        for (int& n : m_option.m_pOptionConsumptionIncome->m_aRental[t].m_anTax) n = 1;
    }
    // The guarantee money's repayment: method, first period, its rate, grace months and rate.
    void SetSecurityLoan(int t, int nMethod, int nFrom, int nTo, double dRate, int nGrace = 0, double dGraceRate = 0.0)
    {
        CDataLoanClass& loan = Basic(t).m_objSecurityLoan;
        loan.nRepayMethod = nMethod;
        loan.m_aRepay[0] = {0, nGrace, dGraceRate};
        loan.m_aRepay[1] = {nFrom, nTo, dRate};
    }
};

std::vector<tagSECURITYLOAN> EmptyTable()
{
    return std::vector<tagSECURITYLOAN>(100, tagSECURITYLOAN{0.0, 0.0, 0.0});
}

} // namespace

TEST_F(RentalTest, RentAndCommonFeeAtTheYearsOccupancy)
{
    FillSeries(m_calc.m_apRentArray[1], 13, 1200.0);
    FillSeries(m_calc.m_apCommonFeeArray[1], 13, 120.0);
    SetOccupancy(1, {{1, 3, 0, 50.0, 0}, {4, 99, 0, 100.0, 0}});
    m_option.m_pOptionConsumptionIncome->m_aRental[1].m_anTax[1] = 1; // common fee tax-free
    m_data.m_pDataBasic->nInputMethod = 1;                             // amounts exclude the tax
    ASSERT_TRUE(m_calc.CalcHouseRentalIncome());
    ASSERT_TRUE(m_calc.CalcCommonIncome());
    for (int y : {1, 3, 4, 12}) {
        const double share = y < 4 ? 0.5 : 1.0;
        EXPECT_DOUBLE_EQ(Year(y).m_aadRentalIncome[kRent][1], 1200.0 * share * 1.1) << y;
        EXPECT_DOUBLE_EQ(Year(y).m_aadRentalIncome[kCommonFee][1], 120.0 * share) << y;
        EXPECT_DOUBLE_EQ(Year(y).m_dSalesConsumptionTax, 120.0 * share) << y;
    }
    EXPECT_EQ(Year(0).m_aadRentalIncome[kRent][1], 0.0);
}

// Source of the numbers: full occupancy from year 1, contracts of two years,
// half the tenants replaced at each contract end.
TEST_F(RentalTest, KeyMoneyAndRenewalFeesAtContractEnds)
{
    struct Case {
        double risePercent;
        double keyMoney[8];
        double renewalFee[8];
    } cases[] = {
        {0.0, {0, 100, 0, 50, 0, 50, 0, 50}, {0, 0, 0, 50, 0, 50, 0, 50}},
        {10.0, {0, 100, 0, 55, 0, 60.5, 0, 66.55}, {0, 0, 0, 55, 0, 60.5, 0, 66.55}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.risePercent);
        MakeYears(7);
        SetBase(m_calc.m_apKeyMoneyArray[0], 100.0);
        SetBase(m_calc.m_apRenewalFeeArray[0], 100.0);
        SetOccupancy(0, {{1, 99, 0, 100.0, 0}});
        SetTurnover(0, 50.0);
        SetRentRise(0, 2, c.risePercent);
        Basic(0).nContractYears = 2;
        TaxFree(0);
        ASSERT_TRUE(m_calc.CalcRewardIncome());
        ASSERT_TRUE(m_calc.CalcRenewalIncome());
        for (int y = 1; y <= 7; ++y) {
            EXPECT_NEAR(Year(y).m_aadRentalIncome[kKeyMoney][0], c.keyMoney[y], 1e-9) << y;
            EXPECT_NEAR(Year(y).m_aadRentalIncome[kRenewalFee][0], c.renewalFee[y], 1e-9) << y;
        }
    }
}

TEST_F(RentalTest, FallingOccupancyLeavesTheOldestCohortsFirst)
{
    // 50 % let in year 1, 50 % more in year 3, down to 60 % in year 5: the
    // first cohort loses 40 of its 50, and its deposit comes back at the rent
    // level of year 1 though the rent has risen 10 % a year since.
    SetBase(m_calc.m_apDepositArray[0], 1000.0);
    SetBase(m_calc.m_apKeyMoneyArray[0], 100.0);
    SetOccupancy(0, {{1, 2, 0, 50.0, 0}, {3, 4, 0, 100.0, 0}, {5, 99, 0, 60.0, 0}});
    SetRentRise(0, 1, 10.0);
    Basic(0).nContractYears = 10;
    Basic(0).dDepositAmortizeRatio = 20.0;
    TaxFree(0);
    ASSERT_TRUE(m_calc.CalcDepositIncome());
    ASSERT_TRUE(m_calc.CalcRewardIncome());
    EXPECT_DOUBLE_EQ(Year(1).m_aadDeposit[0][0], 400.0);
    EXPECT_DOUBLE_EQ(Year(1).m_aadRentalIncome[kDeposit][0], 100.0);
    EXPECT_NEAR(Year(3).m_aadDeposit[0][0], 0.8 * 605.0, 1e-9);
    EXPECT_NEAR(Year(3).m_aadRentalIncome[kKeyMoney][0], 60.5, 1e-9);
    EXPECT_NEAR(Year(5).m_aadDeposit[0][1], 320.0, 1e-9);
    EXPECT_EQ(Year(5).m_aadDeposit[0][0], 0.0);
    EXPECT_EQ(Year(5).m_aadRentalIncome[kKeyMoney][0], 0.0);
    // At the contract end of year 11 only the 10 left of the first cohort renew.
    SetTurnover(0, 100.0);
    MakeYears(12);
    ASSERT_TRUE(m_calc.CalcRewardIncome());
    EXPECT_NEAR(Year(11).m_aadRentalIncome[kKeyMoney][0], 10.0 * std::pow(1.1, 10), 1e-9);
}

TEST_F(RentalTest, KeptDepositsAlwaysIncludeTheirTax)
{
    SetBase(m_calc.m_apDepositArray[0], 1000.0);
    SetOccupancy(0, {{1, 99, 0, 100.0, 0}});
    Basic(0).nContractYears = 2;
    Basic(0).dDepositAmortizeRatio = 10.0;
    m_data.m_pDataBasic->nInputMethod = 1;
    ASSERT_TRUE(m_calc.CalcDepositIncome());
    EXPECT_DOUBLE_EQ(Year(1).m_aadRentalIncome[kDeposit][0], 100.0);
    EXPECT_DOUBLE_EQ(Year(1).m_dSalesConsumptionTax, 100.0 / 110.0 * 10.0);
}

TEST_F(RentalTest, LumpSumGuaranteeMoneyIsRepaidOnlyAtContractEnds)
{
    SetBase(m_calc.m_apSecurityArray[0], 1000.0);
    SetOccupancy(0, {{1, 99, 0, 100.0, 0}});
    SetTurnover(0, 50.0);
    Basic(0).nContractYears = 3;
    Basic(0).nSecurityChange = 1;
    SetSecurityLoan(0, 2, 1, 5, 4.0);
    ASSERT_TRUE(m_calc.CalcSecurityIncome());
    for (int y = 1; y <= 12; ++y) {
        const bool end = y % 3 == 1 && y > 1;
        EXPECT_EQ(Year(y).m_adSecurityInterest[0], 0.0) << y;
        EXPECT_DOUBLE_EQ(Year(y).m_aadSecurity[0][1], end ? 500.0 : 0.0) << y;
        EXPECT_DOUBLE_EQ(Year(y).m_aadSecurity[0][0], y == 1 ? 1000.0 : end ? 500.0 : 0.0) << y;
    }
}

TEST_F(RentalTest, RepaymentTableOfOneCohort)
{
    Basic(0).nContractYears = 2;
    Basic(0).nSecurityChange = 1;
    struct Case {
        const char* name;
        int method, from, to;
        double rate;
        int grace;
        double graceRate;
        std::vector<double> interest, repay; // from the letting year 3
    } cases[] = {
        {"level payment without interest: S / M a month", 0, 1, 2, 0.0, 0, 0.0, {0, 0}, {1200, 1200}},
        {"level principal at 12 %", 1, 1, 2, 12.0, 0, 0.0, {222, 78}, {1200, 1200}},
        {"six months of grace at 6 %", 1, 1, 2, 0.0, 6, 6.0, {72, 0, 0}, {600, 1200, 600}},
        {"no period: the contract years", 1, 0, 0, 0.0, 0, 0.0, {0, 0}, {1200, 1200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetSecurityLoan(0, c.method, c.from, c.to, c.rate, c.grace, c.graceRate);
        std::vector<tagSECURITYLOAN> table = EmptyTable();
        m_calc.CalcSecurityLoan(0, 3, 2400.0, table.data());
        double balance = 2400.0;
        for (size_t i = 0; i < c.repay.size(); ++i) {
            EXPECT_NEAR(table[3 + i].dInterest, c.interest[i], 1e-9) << i;
            EXPECT_NEAR(table[3 + i].dRepay, c.repay[i], 1e-9) << i;
            EXPECT_NEAR(table[3 + i].dBalance, balance -= c.repay[i], 1e-9) << i;
        }
        EXPECT_EQ(table[3 + c.repay.size()].dRepay, 0.0);
    }
    // A level payment with interest repays the whole amount.
    SetSecurityLoan(0, 0, 1, 3, 5.0);
    std::vector<tagSECURITYLOAN> table = EmptyTable();
    m_calc.CalcSecurityLoan(0, 1, 3600.0, table.data());
    EXPECT_NEAR(table[1].dRepay + table[2].dRepay + table[3].dRepay, 3600.0, 1e-6);
    EXPECT_LT(table[1].dRepay, table[3].dRepay);
    EXPECT_NEAR(table[3].dBalance, 0.0, 1e-6);
}

TEST_F(RentalTest, RecomputedCohortRepaysTheRestAfterTheYear)
{
    Basic(0).nContractYears = 2;
    struct Case {
        const char* name;
        int method, from, to, grace;
        std::vector<double> repay; // years 3, 4, ...
    } cases[] = {
        // Let in year 1, five years of repayment: years 4 and 5 remain.
        {"level principal, two years left", 1, 1, 5, 0, {0, 600, 600}},
        {"level payment, two years left", 0, 1, 5, 0, {0, 600, 600}},
        // No period set: the contract years, which have run out; repaid at once.
        {"level principal, no period", 1, 0, 0, 0, {1200}},
        {"level payment, no period", 0, 0, 0, 0, {1200}},
        {"grace beyond the period", 1, 1, 2, 30, {1200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetSecurityLoan(0, c.method, c.from, c.to, 0.0, c.grace);
        std::vector<tagSECURITYLOAN> table = EmptyTable();
        for (int y = 3; y < 10; ++y) table[y] = {1.0, 1.0, 1.0}; // the old schedule
        // Cohort let in year 1, recomputed in year 3 with 1200 left after the year.
        m_calc.CalcChangeSecurityLoan(0, 0, 3, 1200.0, table.data());
        double balance = 1200.0 + 1.0;
        EXPECT_EQ(table[3].dInterest, 1.0);
        for (size_t i = 0; i < c.repay.size(); ++i) {
            EXPECT_NEAR(table[3 + i].dRepay, c.repay[i] + (i == 0 ? 1.0 : 0.0), 1e-9) << i;
            balance -= table[3 + i].dRepay;
            EXPECT_NEAR(table[3 + i].dBalance, balance, 1e-9) << i;
            EXPECT_FALSE(std::isnan(table[3 + i].dInterest));
        }
        for (size_t y = 3 + c.repay.size(); y < 100; ++y) EXPECT_EQ(table[y].dRepay, 0.0) << y;
    }
}

TEST_F(RentalTest, UsedCategoryWithoutContractPeriodStops)
{
    using Series = CDeleteObArray* (CTavCalcClass::*)[8];
    const struct {
        Series series;
        BOOL (CTavCalcClass::*step)();
    } steps[] = {
        {&CTavCalcClass::m_apKeyMoneyArray, &CTavCalcClass::CalcRewardIncome},
        {&CTavCalcClass::m_apDepositArray, &CTavCalcClass::CalcDepositIncome},
        {&CTavCalcClass::m_apSecurityArray, &CTavCalcClass::CalcSecurityIncome},
        {&CTavCalcClass::m_apRenewalFeeArray, &CTavCalcClass::CalcRenewalIncome},
    };
    for (const auto& s : steps) {
        MakeYears(5);
        m_calc.m_nMessageID = CALC_NO_ERROR;
        for (int t : {0, 1, 2}) {
            SetBase((m_calc.*s.series)[t], 100.0);
            SetOccupancy(t, {{1, 99, 0, 100.0, 0}});
            TaxFree(t);
        }
        Basic(0).nContractYears = 2;
        Basic(1).nContractYears = 0; // units let, no contract period
        Basic(2).nContractYears = 2;
        Basic(3).nContractYears = 0; // no amount: not in use
        FillSeries(m_calc.m_apRentArray[3], 6, 100.0);
        EXPECT_FALSE((m_calc.*s.step)());
        EXPECT_EQ(m_calc.m_nMessageID, CALC_NO_CONTRACT_YEARS);
        auto booked = [&](int t) {
            double sum = 0.0;
            for (int y = 1; y <= 5; ++y) {
                for (int kind = 0; kind < 6; ++kind) sum += Year(y).m_aadRentalIncome[kind][t];
                sum += Year(y).m_aadDeposit[t][0] + Year(y).m_aadSecurity[t][0];
            }
            return sum;
        };
        const double first = booked(0), later = booked(2);
        EXPECT_GT(first, 0.0);
        EXPECT_EQ(later, 0.0); // not computed after the stop

        // Without operating years nothing is checked.
        MakeYears(0);
        m_calc.m_nMessageID = CALC_NO_ERROR;
        EXPECT_TRUE((m_calc.*s.step)());
        for (int t : {0, 1, 2}) {
            delete (m_calc.*s.series)[t];
            (m_calc.*s.series)[t] = nullptr;
        }
    }
    // Rent alone needs no contract period.
    MakeYears(5);
    EXPECT_TRUE(m_calc.CalcHouseRentalIncome());
    EXPECT_TRUE(m_calc.CalcRewardIncome());
}

namespace {

// One rental set-up whose tenants have all left by the last year.
struct RentalSetUp {
    const char* name;
    int contract;
    double turnover;
    std::vector<tagDATARATE> occupancy;
    int riseInterval;
    double risePercent;
    int fixed; // deposits and guarantee money do not follow the rent
    int method, from, to;
    double rate;
    int grace;
    double graceRate;
    double depositKept, securityKept, depositAdvance, securityAdvance;
};

const RentalSetUp kSetUps[] = {
    {"flat rent, level principal over the contract", 2, 50, {{1, 11, 0, 100, 0}, {12, 99, 0, 0, 0}}, 0, 0, 1, 1, 0,
     0, 3, 0, 0, 10, 20, 20, 30},
    {"rising rent, deposits follow it", 2, 50, {{1, 11, 0, 100, 0}, {12, 99, 0, 0, 0}}, 2, 5, 0, 1, 0, 0, 3, 0, 0, 10,
     20, 20, 30},
    {"occupancy falls and recovers, level payment with grace", 3, 30,
     {{1, 4, 0, 100, 0}, {5, 7, 0, 60, 0}, {8, 11, 0, 90, 0}, {12, 99, 0, 0, 0}}, 1, 3, 0, 0, 1, 5, 2, 6, 1, 15, 10,
     0, 50},
    {"lump sum, tenants leave between contract ends", 2, 40, {{1, 3, 0, 100, 0}, {4, 11, 0, 70, 0}, {12, 99, 0, 0, 0}},
     0, 0, 1, 2, 0, 0, 0, 0, 0, 0, 25, 10, 10},
    {"lump sum, tenants leave at a contract end", 3, 50, {{1, 3, 0, 100, 0}, {4, 11, 0, 50, 0}, {12, 99, 0, 0, 0}}, 2,
     4, 0, 2, 0, 0, 0, 0, 0, 5, 5, 0, 0},
    {"repayment longer than the contract, all tenants replaced", 2, 100,
     {{1, 5, 0, 80, 0}, {6, 11, 0, 40, 0}, {12, 99, 0, 0, 0}}, 0, 0, 1, 1, 1, 10, 4, 0, 0, 0, 0, 50, 50},
    {"grace beyond the contract years", 3, 50, {{1, 11, 0, 100, 0}, {12, 99, 0, 0, 0}}, 0, 0, 1, 0, 0, 0, 2, 18, 2,
     30, 30, 0, 0},
    {"ramp up and down, rent rising yearly", 4, 25,
     {{1, 2, 0, 40, 0}, {3, 8, 0, 100, 0}, {9, 11, 0, 20, 0}}, 1, 2, 0, 1, 1, 3, 5, 0, 0, 10, 10,
     40, 40},
};

} // namespace

// Deposits and guarantee money received (in advance and yearly), kept as
// income and returned must balance per category once every tenant has left.
TEST_F(RentalTest, DepositsAndGuaranteeMoneyBalanceOut)
{
    const int t = 3;
    for (const RentalSetUp& s : kSetUps) {
        SCOPED_TRACE(s.name);
        MakeYears(12);
        GiveRequiredSeries(m_calc);
        SetBase(m_calc.m_apDepositArray[t], 1000.0);
        SetBase(m_calc.m_apSecurityArray[t], 3000.0);
        CDataRentalBasicClass& basic = Basic(t);
        basic = CDataRentalBasicClass();
        for (size_t i = 0; i < 4; ++i)
            basic.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[i] =
                i < s.occupancy.size() ? s.occupancy[i] : tagDATARATE{12, 99, 0, 0, 0};
        SetTurnover(t, s.turnover);
        SetRentRise(t, s.riseInterval, s.risePercent);
        basic.nContractYears = s.contract;
        basic.nDepositChange = basic.nSecurityChange = s.fixed;
        basic.dDepositAmortizeRatio = s.depositKept;
        basic.dSecurityAmortizeRatio = s.securityKept;
        SetSecurityLoan(t, s.method, s.from, s.to, s.rate, s.grace, s.graceRate);
        m_option.m_pOptionAdvance->m_aRate[t] = {s.securityAdvance, s.depositAdvance};

        ASSERT_TRUE(m_calc.CalcWorkTime());
        ASSERT_TRUE(m_calc.CalcDepositIncome());
        ASSERT_TRUE(m_calc.CalcSecurityIncome());

        double depositIn = Year(0).m_adAdvanceDeposit[t], depositOut = 0.0, depositKept = 0.0;
        double securityIn = Year(0).m_adAdvanceSecurity[t], securityOut = 0.0, securityKept = 0.0;
        double securityOutBeforeLast = 0.0;
        for (int y = 1; y <= 12; ++y) {
            const CYearBalanceClass& r = Year(y);
            depositIn += r.m_aadDeposit[t][0];
            depositOut += r.m_aadDeposit[t][1];
            depositKept += r.m_aadRentalIncome[kDeposit][t];
            securityIn += r.m_aadSecurity[t][0];
            securityOut += r.m_aadSecurity[t][1];
            securityKept += r.m_aadRentalIncome[kSecurity][t];
            if (y < 12) securityOutBeforeLast += r.m_aadSecurity[t][1];
            EXPECT_GE(r.m_aadSecurity[t][1], -1e-9) << y;
            EXPECT_FALSE(std::isnan(r.m_adSecurityInterest[t])) << y;
        }
        EXPECT_GT(depositIn, 0.0);
        EXPECT_GT(securityOutBeforeLast, 0.0);
        EXPECT_NEAR(depositIn, depositOut, 1e-6);
        EXPECT_NEAR(securityIn, securityOut, 1e-6);
        // The kept share of every amount let, against the refundable share.
        EXPECT_NEAR(depositKept * (100 - s.depositKept), s.depositKept * depositIn, 1e-6);
        EXPECT_NEAR(securityKept * (100 - s.securityKept), s.securityKept * securityIn, 1e-6);
    }
}

TEST_F(RentalTest, DepositsHeldFollowTheOccupancy)
{
    // Deposits that stay as let: what is held at the end is the refundable
    // share of the occupied units.
    const int t = 5;
    MakeYears(15);
    GiveRequiredSeries(m_calc);
    SetBase(m_calc.m_apDepositArray[t], 1000.0);
    SetOccupancy(t, {{1, 4, 0, 100, 0}, {5, 9, 0, 55, 0}, {10, 99, 0, 85, 0}});
    SetTurnover(t, 35.0);
    SetRentRise(t, 1, 4.0);
    Basic(t).nContractYears = 3;
    Basic(t).nDepositChange = 1;
    Basic(t).dDepositAmortizeRatio = 15.0;
    m_option.m_pOptionAdvance->m_aRate[t].dDepositRate = 40.0;
    ASSERT_TRUE(m_calc.CalcWorkTime());
    ASSERT_TRUE(m_calc.CalcDepositIncome());
    double held = Year(0).m_adAdvanceDeposit[t];
    for (int y = 1; y <= 15; ++y) {
        held += Year(y).m_aadDeposit[t][0] - Year(y).m_aadDeposit[t][1];
        const double occupied = y < 5 ? 1.0 : y < 10 ? 0.55 : 0.85;
        EXPECT_NEAR(held, 0.85 * 1000.0 * occupied, 1e-6) << y;
    }
}

TEST_F(RentalTest, YearsPastTheCohortTablesAreNotFollowed)
{
    const int t = 0;
    MakeYears(120);
    FillSeries(m_calc.m_apRentArray[t], 121, 100.0);
    for (CDeleteObArray** series : {&m_calc.m_apKeyMoneyArray[t], &m_calc.m_apDepositArray[t],
                                    &m_calc.m_apSecurityArray[t], &m_calc.m_apRenewalFeeArray[t]})
        SetBase(*series, 100.0);
    SetOccupancy(t, {{1, 60, 0, 100, 0}, {61, 99, 0, 50, 0}, {100, 200, 0, 70, 0}});
    SetTurnover(t, 50.0);
    Basic(t).nContractYears = 30;
    TaxFree(t);
    for (int method : {2, 1}) {
        SCOPED_TRACE(method);
        SetSecurityLoan(t, method, 1, 40, 3.0);
        ASSERT_TRUE(m_calc.CalcRewardIncome());
        ASSERT_TRUE(m_calc.CalcDepositIncome());
        ASSERT_TRUE(m_calc.CalcSecurityIncome());
        ASSERT_TRUE(m_calc.CalcRenewalIncome());
        ASSERT_TRUE(m_calc.CalcHouseRentalIncome());
        EXPECT_GT(Year(91).m_aadRentalIncome[kKeyMoney][t], 0.0);
        EXPECT_GT(Year(61).m_aadDeposit[t][1], 0.0);
        for (int y = 100; y <= 120; ++y) {
            EXPECT_EQ(Year(y).m_aadDeposit[t][0] + Year(y).m_aadSecurity[t][0] + Year(y).m_aadSecurity[t][1], 0.0);
            EXPECT_EQ(Year(y).m_aadRentalIncome[kKeyMoney][t], 0.0);
            EXPECT_DOUBLE_EQ(Year(y).m_aadRentalIncome[kRent][t], 70.0);
        }
    }
}

TEST_F(RentalTest, OtherIncomesInTheirYears)
{
    FillSeries(m_calc.m_apOtherIncomeArray[2], 8, 100.0, 10.0);
    CDataOtherIncomeClass& income = m_data.m_pDataProRestOther->m_aOtherIncome[2];
    income.nFromYear = 3;
    income.nToYear = 9;
    ASSERT_TRUE(m_calc.CalcOtherIncome());
    for (int y = 1; y <= 12; ++y) {
        const bool booked = y >= 3 && y <= 7; // the series ends with year 7
        EXPECT_EQ(Year(y).m_adOtherIncome[2], booked ? 110.0 : 0.0) << y;
        EXPECT_EQ(Year(y).m_dSalesConsumptionTax, booked ? 10.0 : 0.0) << y;
    }
}

TEST_F(RentalTest, GuaranteeInterestSplitByBusinessRatioAndTax)
{
    SetBase(m_calc.m_apSecurityArray[0], 1200.0);
    SetOccupancy(0, {{1, 99, 0, 100.0, 0}});
    Basic(0).nContractYears = 5;
    Basic(0).nSecurityChange = 1;
    SetSecurityLoan(0, 1, 1, 1, 12.0);
    m_data.m_pDataBasic->dBusinessRatio = 60.0;
    TaxFree(0);
    ASSERT_TRUE(m_calc.CalcSecurityIncome());
    // Twelve months of level principal 100 at 1 % a month: 78 interest.
    const CYearBalanceClass& r = Year(1);
    EXPECT_NEAR(r.m_dNonBusinessCost, 0.4 * 78.0, 1e-9);
    EXPECT_NEAR(r.m_adSecurityInterest[0], 0.6 * 78.0, 1e-9);
    EXPECT_NEAR(r.m_dPurchaseConsumptionTax, 0.6 * 78.0 / 11.0, 1e-9);
    EXPECT_NEAR(r.m_aadSecurity[0][1], 1200.0, 1e-9);
}
