#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <vector>

#include "app/common/classobject.h"
#include "data/datasupply.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "tests/support/allocations.h"

namespace {

struct Period {
    int nStart, nEnd;
    double dRate;
};

struct LoanTerms {
    double dAmount;
    int nMethod;
    std::vector<Period> periods; // repayment periods 1 to 4
    int nGraceMonths = 0;
    double dGraceRate = 0;
    int nSpecialFrom = 0, nSpecialTo = 0;
    double dSpecialAmount = 0;
};

// Monthly rate of a yearly percentage, as the lists use it.
double MonthlyRate(double dPercent)
{
    return dPercent * 0.01 * 0.08333333333333333;
}

double Annuity(double dBalance, double i, int nMonths)
{
    return dBalance * i / (1 - std::pow(1 + i, -nMonths));
}

class LoanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.CreateData());
        m_calc.m_pDataClass = &m_data;
        m_calc.m_objCalcYear.nCalcYear = 30;
    }

    CDataLoanClass& Loan(int i) { return m_data.m_pDataSupply->m_aLoan[i]; }

    void SetLoan(int i, const LoanTerms& t)
    {
        CDataLoanClass& loan = Loan(i);
        loan.InitData();
        loan.dAmount = t.dAmount;
        loan.nRepayMethod = t.nMethod;
        loan.m_aRepay[0].nEndYear = t.nGraceMonths;
        loan.m_aRepay[0].dRate = t.dGraceRate;
        for (size_t p = 0; p < t.periods.size(); ++p)
            loan.m_aRepay[p + 1] = {t.periods[p].nStart, t.periods[p].nEnd, t.periods[p].dRate};
        loan.nSpecialFromYear = t.nSpecialFrom;
        loan.nSpecialToYear = t.nSpecialTo;
        loan.dSpecialAmount = t.dSpecialAmount;
    }

    static std::vector<CConsumptionLoanClass*> Items(const CObArray* pList)
    {
        std::vector<CConsumptionLoanClass*> items;
        for (int k = 0; pList && k < pList->GetSize(); ++k)
            items.push_back(dynamic_cast<CConsumptionLoanClass*>(pList->GetAt(k)));
        return items;
    }

    std::vector<CConsumptionLoanClass*> BuildLoan(const LoanTerms& t)
    {
        SetLoan(0, t);
        EXPECT_TRUE(m_calc.CalcChangeLoan(0));
        EXPECT_EQ(m_calc.m_nMessageID, CALC_NO_ERROR);
        return Items(m_calc.m_apLoanArray[0]);
    }

    CDataClassObject m_data;
    CTavCalcClass m_calc;
};

} // namespace

TEST_F(LoanTest, ZeroRateRepaysEqualMonthlyParts)
{
    for (int method : {0, 1}) {
        const auto items = BuildLoan({12000, method, {{1, 10, 0}}});
        ASSERT_EQ(items.size(), 121u) << method;
        EXPECT_EQ(items[0]->m_dRepay, 12000);
        EXPECT_EQ(items[0]->m_dBalance, 12000);
        for (size_t k = 1; k < items.size(); ++k) {
            EXPECT_EQ(items[k]->m_dRepay, 100) << method << " month " << k;
            EXPECT_EQ(items[k]->m_dNetMoney, 0);
            EXPECT_EQ(items[k]->m_dBalance, 12000 - 100.0 * k);
        }
    }
    // A second run replaces the list.
    EXPECT_TRUE(m_calc.CalcChangeLoan(0));
    EXPECT_EQ(m_calc.m_apLoanArray[0]->GetSize(), 121);
}

TEST_F(LoanTest, LevelPaymentFollowsTheAnnuity)
{
    const auto items = BuildLoan({10000, 0, {{1, 20, 2.4}}});
    ASSERT_EQ(items.size(), 241u);
    const double i = MonthlyRate(2.4);
    const double q = Annuity(10000, i, 240);
    double balance = 10000;
    for (size_t k = 1; k < items.size(); ++k) {
        EXPECT_NEAR(items[k]->m_dNetMoney, balance * i, 1e-9) << k;
        EXPECT_NEAR(items[k]->m_dNetMoney + items[k]->m_dRepay, q, 1e-6) << k;
        balance -= items[k]->m_dRepay;
        EXPECT_NEAR(items[k]->m_dBalance, balance, 1e-6) << k;
    }
    EXPECT_GT(items[239]->m_dBalance, 0);
    EXPECT_EQ(items[240]->m_dBalance, 0);
}

TEST_F(LoanTest, LevelPrincipalInterestFallsLinearly)
{
    const auto items = BuildLoan({24000, 1, {{1, 2, 6}}});
    ASSERT_EQ(items.size(), 25u);
    for (int m = 1; m <= 24; ++m) {
        EXPECT_NEAR(items[m]->m_dRepay, 1000, 1e-9) << m;
        EXPECT_NEAR(items[m]->m_dNetMoney, (24 - m + 1) * 1000 * MonthlyRate(6), 1e-9) << m;
    }
    EXPECT_EQ(items[24]->m_dBalance, 0);
}

TEST_F(LoanTest, RateChangeRecomputesTheLevelPayment)
{
    const auto items = BuildLoan({12000, 0, {{1, 5, 2}, {6, 10, 4}}});
    ASSERT_EQ(items.size(), 121u);
    const double q1 = Annuity(12000, MonthlyRate(2), 120);
    const double q2 = Annuity(items[60]->m_dBalance, MonthlyRate(4), 60);
    EXPECT_GT(q2, q1);
    for (int m = 1; m <= 120; ++m) {
        const double payment = items[m]->m_dNetMoney + items[m]->m_dRepay;
        EXPECT_NEAR(payment, m <= 60 ? q1 : q2, 1e-6) << m;
        EXPECT_NEAR(items[m]->m_dNetMoney, items[m - 1]->m_dBalance * MonthlyRate(m <= 60 ? 2 : 4), 1e-9) << m;
    }
    EXPECT_EQ(items[120]->m_dBalance, 0);
}

TEST_F(LoanTest, ExtraRepaymentAboveTheBalanceEndsTheList)
{
    for (int method : {0, 1}) {
        LoanTerms t{1200, method, {{1, 10, 0}}};
        t.nSpecialFrom = t.nSpecialTo = 3;
        t.dSpecialAmount = 5000;
        const auto items = BuildLoan(t);
        ASSERT_EQ(items.size(), 37u) << method;
        EXPECT_NEAR(items[36]->m_dRepay, 10 + 840, 1e-9) << method;
        EXPECT_EQ(items[36]->m_dBalance, 0);
    }
}

TEST_F(LoanTest, GraceMonths)
{
    const struct { int months; size_t graceItems; } cases[] = {{6, 6}, {18, 12}, {24, 24}};
    for (auto c : cases) {
        for (int method : {0, 1}) {
            LoanTerms t{12000, method, {{1, 10, 2.4}}};
            t.nGraceMonths = c.months;
            t.dGraceRate = 1.2;
            const auto items = BuildLoan(t);
            ASSERT_EQ(items.size(), 1 + c.graceItems + 120) << c.months;
            for (size_t k = 1; k <= c.graceItems; ++k) {
                EXPECT_NEAR(items[k]->m_dNetMoney, 12, 1e-9) << c.months << " " << k;
                EXPECT_EQ(items[k]->m_dRepay, 0);
                EXPECT_EQ(items[k]->m_dBalance, 12000);
            }
            EXPECT_GT(items[c.graceItems + 1]->m_dRepay, 0) << c.months;
        }
    }
}

TEST_F(LoanTest, AmountsAndRepaymentYears)
{
    for (int method : {0, 1}) {
        // Nothing borrowed and nothing to repay: the opening item alone.
        auto items = BuildLoan({0, method, {}});
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0]->m_dBalance, 0);

        SetLoan(0, {5000, method, {}});
        EXPECT_FALSE(m_calc.CalcChangeLoan(0));
        EXPECT_EQ(m_calc.m_nMessageID, CALC_NO_REPAY_YEARS);
        EXPECT_EQ(m_calc.m_apLoanArray[0]->GetSize(), 1);
        m_calc.m_nMessageID = CALC_NO_ERROR;
    }
    // A repayment period that ends before it starts counts no years.
    SetLoan(0, {5000, 0, {{5, 4, 1}}});
    EXPECT_FALSE(m_calc.CalcChangeLoan(0));
    EXPECT_EQ(m_calc.m_nMessageID, CALC_NO_REPAY_YEARS);
    m_calc.m_nMessageID = CALC_NO_ERROR;

    // Repayment from the surplus is for the automatic loan only.
    EXPECT_EQ(BuildLoan({5000, 2, {{1, 10, 1}}}).size(), 1u);

    for (int nLoan : {8, 9, -1}) {
        m_calc.m_nMessageID = CALC_NO_ERROR;
        EXPECT_FALSE(m_calc.CalcChangeLoan(nLoan));
        EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR) << nLoan;
    }
}

// Every list repays exactly its amount and ends at balance 0, each item's
// balance being the previous balance less what the item repays.
TEST_F(LoanTest, EveryListRepaysItsAmount)
{
    const LoanTerms cases[] = {
        {12000, 0, {{1, 10, 0}}},
        {30000, 0, {{1, 5, 1.5}, {6, 20, 2.5}}, 6, 1.0},
        {30000, 1, {{1, 5, 1.5}, {6, 20, 2.5}}, 6, 1.0},
        {50000, 0, {{1, 3, 2}, {4, 6, 3}, {7, 9, 1}, {10, 25, 4}}, 24, 2, 2, 5, 1000},
        {50000, 1, {{1, 3, 2}, {4, 6, 3}, {7, 9, 1}, {10, 25, 4}}, 24, 2, 2, 5, 1000},
        {10000, 0, {{1, 10, 3}}, 0, 0, 3, 3, 20000},
        {10000, 1, {{1, 10, 3}}, 0, 0, 3, 3, 20000},
        {8000, 0, {{1, 10, 3}}, 12, 2, 1, 1, 9000}, // paid off during the grace period
        {8000, 1, {{1, 10, 3}}, 12, 2, 1, 1, 9000},
        {7777.77, 1, {{1, 15, 2.2}}, 18, 1.2, 4, 8, 777.7},
        {7777.77, 0, {{1, 15, 2.2}}, 18, 1.2, 4, 8, 777.7},
        {1234.567, 0, {{2, 4, 0.7}, {5, 5, 9.9}}},
        {1234.567, 1, {{2, 4, 0.7}, {0, 0, 5}, {5, 5, 9.9}}},
        {99999, 0, {{1, 35, 0.001}}, 0, 0, 10, 30, 333.3},
        {99999, 1, {{1, 35, 14}}, 36, 3, 1, 2, 100},
        {240, 0, {{1, 2, 0}}, 0, 0, 1, 1, 120}, // extra repayment equal to the balance
        {360, 0, {{1, 30, 0}, {31, 30, 8}}, 0, 0, 1, 29, 1},
    };
    for (size_t n = 0; n < std::size(cases); ++n) {
        const LoanTerms& t = cases[n];
        for (int nLoan : {0, 8}) {
            SetLoan(nLoan, t);
            EXPECT_TRUE(nLoan == 8 ? m_calc.CalcChangeAutoLoan() : m_calc.CalcChangeLoan(nLoan)) << n;
            const auto items = Items(nLoan == 8 ? m_calc.m_pAutoLoanArray : m_calc.m_apLoanArray[nLoan]);
            ASSERT_GT(items.size(), 1u) << n;
            double repaid = 0;
            for (size_t k = 1; k < items.size(); ++k) {
                ASSERT_NE(items[k], nullptr);
                repaid += items[k]->m_dRepay;
                EXPECT_GE(items[k]->m_dRepay, 0) << n << " item " << k;
                EXPECT_NEAR(items[k]->m_dBalance, items[k - 1]->m_dBalance - items[k]->m_dRepay, 1e-6)
                    << n << " item " << k;
            }
            EXPECT_NEAR(repaid, t.dAmount, 1e-6) << n;
            EXPECT_EQ(items.back()->m_dBalance, 0) << n;
            EXPECT_FALSE(std::signbit(items.back()->m_dRepay)) << n;
        }
    }
}

TEST_F(LoanTest, ExtraRepaymentOnTheAmountOwed)
{
    CDataLoanClass loan;
    loan.dAmount = 1000;
    loan.nSpecialFromYear = 3;
    loan.nSpecialToYear = 4;
    loan.dSpecialAmount = 300;
    CConsumptionLoanClass item;
    item.m_dRepay = 50;
    EXPECT_EQ(m_calc.CalcSpecialLoan(2, 100, &item, &loan), -1.0);
    EXPECT_EQ(item.m_dRepay, 50);
    EXPECT_EQ(m_calc.CalcSpecialLoan(3, 100, &item, &loan), 600);
    EXPECT_EQ(item.m_dRepay, 350);
    EXPECT_EQ(m_calc.CalcSpecialLoan(4, 800, &item, &loan), 0);
    EXPECT_EQ(item.m_dRepay, 200);

    // On the item's balance.
    item.m_dRepay = 10;
    item.m_dBalance = 500;
    EXPECT_EQ(m_calc.CalcSpecialLoan(5, &item, &loan), 500);
    EXPECT_EQ(m_calc.CalcSpecialLoan(3, &item, &loan), 200);
    EXPECT_EQ(item.m_dRepay, 310);
    EXPECT_EQ(m_calc.CalcSpecialLoan(4, &item, &loan), 0);
    EXPECT_EQ(item.m_dRepay, 510);
    EXPECT_EQ(item.m_dBalance, 0);
}

TEST_F(LoanTest, AutomaticLoanRepaidFromTheSurplusKeepsYearlyRates)
{
    m_calc.m_objCalcYear.nCalcYear = 10;
    const struct { std::vector<Period> periods; std::vector<double> rates; } cases[] = {
        {{{1, 3, 2}, {4, 20, 3}}, {0.02, 0.02, 0.02, 0.03, 0.03, 0.03, 0.03, 0.03, 0.03, 0.03}},
        // A period starting after the last year adds nothing; uncovered years have no rate.
        {{{1, 3, 2}, {12, 20, 5}}, {0.02, 0.02, 0.02, 0, 0, 0, 0, 0, 0, 0}},
        {{{1, 40, 1}}, {0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01}},
    };
    for (const auto& c : cases) {
        LoanTerms t{3000, 2, c.periods};
        SetLoan(8, t);
        ASSERT_TRUE(m_calc.CalcChangeAutoLoan());
        const auto items = Items(m_calc.m_pAutoLoanArray);
        ASSERT_EQ(items.size(), 11u);
        EXPECT_EQ(items[0]->m_dRepay, 3000);
        for (int y = 1; y <= 10; ++y) EXPECT_DOUBLE_EQ(items[y]->m_dRepay, c.rates[y - 1]) << y;
    }
    m_calc.m_objCalcYear.nCalcYear = 0;
    ASSERT_TRUE(m_calc.CalcChangeAutoLoan());
    EXPECT_EQ(m_calc.m_pAutoLoanArray->GetSize(), 1);
}

TEST_F(LoanTest, ShortfallLoanRunsOnInterestOnly)
{
    m_calc.m_objCalcYear.nCalcYear = 6;
    m_data.m_pDataSupply->m_objShortLoan.dRate = 2;
    EXPECT_FALSE(m_calc.CalcShortLoan(1));
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);

    auto fill = [&](int nItems) {
        m_calc.m_pShortLoanArray = new CDeleteObArray;
        for (int k = 0; k < nItems; ++k) {
            auto* pItem = new CConsumptionLoanClass;
            pItem->m_dBalance = pItem->m_dNetMoney = pItem->m_dRepay = k;
            m_calc.m_pShortLoanArray->Add(pItem);
        }
    };
    fill(7);
    auto items = Items(m_calc.m_pShortLoanArray);
    items[2]->m_dBalance = 500;
    m_calc.m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(m_calc.CalcShortLoan(0));
    EXPECT_EQ(m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    m_calc.m_nMessageID = CALC_NO_ERROR;
    EXPECT_TRUE(m_calc.CalcShortLoan(7)); // after the last year: nothing changes
    EXPECT_EQ(items[6]->m_dBalance, 6);
    EXPECT_TRUE(m_calc.CalcShortLoan(3));
    for (int k = 0; k < 3; ++k) EXPECT_EQ(items[k]->m_dRepay, k);
    for (int k = 3; k <= 6; ++k) {
        EXPECT_DOUBLE_EQ(items[k]->m_dNetMoney, 10) << k;
        EXPECT_EQ(items[k]->m_dRepay, 0);
        EXPECT_EQ(items[k]->m_dBalance, 500);
    }
    EXPECT_EQ(m_calc.m_nMessageID, CALC_NO_ERROR);

    // A list shorter than the years: the years it holds, and no further.
    delete m_calc.m_pShortLoanArray;
    fill(3);
    EXPECT_TRUE(m_calc.CalcShortLoan(2));
    EXPECT_EQ(Items(m_calc.m_pShortLoanArray)[2]->m_dBalance, 1);
    EXPECT_FALSE(m_calc.CalcShortLoan(5)); // the previous year's item is missing
    EXPECT_EQ(m_calc.m_nMessageID, CALC_OUT_OF_MEMORY);
}

// An allocation failing anywhere while a list is built stops the step with
// 13002; the list built so far holds only whole items.
TEST_F(LoanTest, AllocationFailureStopsWithOutOfMemory)
{
    LoanTerms level{50000, 0, {{1, 3, 2}, {4, 6, 3}}, 24, 2, 2, 5, 1000};
    LoanTerms principal = level;
    principal.nMethod = 1;
    SetLoan(0, level);
    SetLoan(1, principal);
    SetLoan(8, {3000, 2, {{1, 20, 2}}});
    const struct { BOOL (*build)(CTavCalcClass&); CDeleteObArray* CTavCalcClass::*pList; } cases[] = {
        {[](CTavCalcClass& c) { return c.CalcChangeLoan(0); }, nullptr},
        {[](CTavCalcClass& c) { return c.CalcChangeLoan(1); }, nullptr},
        {[](CTavCalcClass& c) { return c.CalcChangeAutoLoan(); }, &CTavCalcClass::m_pAutoLoanArray},
    };
    for (size_t n = 0; n < std::size(cases); ++n) {
        int nFailures = 0;
        for (int k = 0;; ++k) {
            m_calc.m_nMessageID = CALC_NO_ERROR;
            // Every item newly allocated: no list and no stock from the last attempt.
            CDeleteObArray*& pBuilt = cases[n].pList ? m_calc.*cases[n].pList : m_calc.m_apLoanArray[n];
            delete pBuilt;
            pBuilt = nullptr;
            m_calc.m_stock.Clear();
            FailAllocationsAfter(k, FailingForms::kAll);
            const BOOL ok = cases[n].build(m_calc);
            AllowAllAllocations();
            if (ok) break;
            ++nFailures;
            ASSERT_EQ(m_calc.m_nMessageID, CALC_OUT_OF_MEMORY) << n << " " << k;
            const CObArray* pList = cases[n].pList ? m_calc.*cases[n].pList : m_calc.m_apLoanArray[n];
            for (auto* pItem : Items(pList)) ASSERT_NE(pItem, nullptr) << n << " " << k;
            ASSERT_LT(k, 1000);
        }
        EXPECT_GT(nFailures, 30) << n;
        EXPECT_EQ(m_calc.m_nMessageID, CALC_NO_ERROR);
    }
}
