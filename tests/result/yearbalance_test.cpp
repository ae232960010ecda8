#include <gtest/gtest.h>

#include "result/calc/yearbalance.h"

namespace {

// Every field gets a distinct value: field i (in declaration order) holds i + 1.
CYearBalanceClass Distinct()
{
    CYearBalanceClass r;
    tagYEARBALANCE& fields = r;
    double* p = reinterpret_cast<double*>(&fields);
    const size_t n = sizeof(tagYEARBALANCE) / sizeof(double);
    for (size_t i = 0; i < n; ++i) p[i] = double(i + 1);
    return r;
}

double Sum(const double* p, int n)
{
    double s = 0;
    for (int i = 0; i < n; ++i) s += p[i];
    return s;
}

} // namespace

TEST(YearBalance, StartsAtZeroAndInitDataClearsEverything)
{
    static_assert(sizeof(tagYEARBALANCE) % sizeof(double) == 0);
    CYearBalanceClass r = Distinct();
    r.InitData();
    const tagYEARBALANCE& fields = r;
    const double* p = reinterpret_cast<const double*>(&fields);
    for (size_t i = 0; i < sizeof(tagYEARBALANCE) / sizeof(double); ++i) EXPECT_EQ(p[i], 0.0) << i;
}

TEST(YearBalance, TotalsAddTheirParts)
{
    CYearBalanceClass r = Distinct();
    const CYearBalanceClass before = r;
    r.CalcIncomeTotal();
    r.CalcExpenseTotal();
    r.CalcDepreciationTotal();
    r.CalcOutsideTotal();
    r.CalcOutsideExpense();
    const struct { const char* what; double got; double expected; } cases[] = {
        {"income", r.m_dIncomeTotal,
         Sum(&before.m_aadRentalIncome[0][0], 48) + before.m_dInterestIncome + Sum(before.m_adOtherIncome, 6) +
             Sum(before.m_adFurtherIncome, 17) + before.m_dLossCarry + before.m_dLossCarryTotal},
        {"expense", r.m_dExpenseTotal,
         Sum(&before.m_dLandFixedAssetTax, 11) + Sum(before.m_adOtherExpense, 6) + Sum(before.m_adSecurityInterest, 8) +
             Sum(before.m_adLoanInterest, 9) + before.m_dShortLoanInterest + Sum(before.m_adConstructExpense, 6) +
             Sum(before.m_adFurtherExpense, 11)},
        {"depreciation", r.m_dDepreciationTotal, Sum(before.m_adDepreciation, 6) + before.m_dStartupAmortization},
        {"outside income", r.m_dPlanOutsideIncome, Sum(before.m_adOutsideIncome, 8)},
        {"deduction", r.m_dIncomeDeduction, Sum(before.m_adIncomeDeduction, 8)},
        {"outside expense", r.m_dPlanOutsideExpense, Sum(before.m_adOutsideExpense, 8)},
        {"outside expense with non-business", r.m_dOutsideExpense,
         Sum(before.m_adOutsideExpense, 8) + before.m_dNonBusinessCost},
    };
    for (auto c : cases) EXPECT_DOUBLE_EQ(c.got, c.expected) << c.what;
}

TEST(YearBalance, ProfitRetainedEarningsAndSummary)
{
    CYearBalanceClass r = Distinct();
    const CYearBalanceClass b = r;
    r.CalcProfitAfterTax();
    r.CalcRetainedEarnings();
    r.CalcSummary();
    const double taxes = b.m_dBusinessTax + b.m_dIncomeTax + b.m_dPrefecturalTax + b.m_dMunicipalTax;
    auto kind = [&](int k) { return Sum(b.m_aadRentalIncome[k], 8); };
    const struct { const char* what; double got; double expected; } cases[] = {
        {"profit after tax", r.m_dProfitAfterTax,
         b.m_dPlanOutsideIncome + b.m_dProfitAfterDepreciation - b.m_dIncomeDeduction - taxes},
        {"retained", r.m_dRetainedEarnings,
         b.m_dPlanOutsideIncome + b.m_dProfitBeforeDepreciation + b.m_dPrevBusinessTax - taxes},
        {"rent", r.m_dRent, kind(0)},
        {"key money", r.m_dKeyMoney, kind(1)},
        {"common", r.m_dCommonCharge, kind(2)},
        {"renewal", r.m_dRenewalFee, kind(3)},
        {"deposit amortisation", r.m_dDepositAmortization, kind(4)},
        {"security amortisation", r.m_dSecurityAmortization, kind(5)},
        {"public dues", r.m_dPublicDues, Sum(&b.m_dLandFixedAssetTax, 7) + b.m_adConstructExpense[0]},
        {"other income", r.m_dOtherIncome, Sum(b.m_adOtherIncome, 6)},
        {"other expense", r.m_dOtherExpense, Sum(b.m_adOtherExpense, 6)},
        {"security interest", r.m_dSecurityInterest, Sum(b.m_adSecurityInterest, 8)},
        {"loan interest", r.m_dLoanInterestTotal, Sum(b.m_adLoanInterest, 9) + b.m_dShortLoanInterest},
        {"other depreciation", r.m_dOtherDepreciation, Sum(&b.m_adDepreciation[2], 4) + b.m_dStartupAmortization},
        {"outside", r.m_dOutsideIncome, b.m_dPlanOutsideIncome - b.m_dIncomeDeduction},
        {"tax", r.m_dTax, taxes},
        {"loan repay", r.m_dLoanRepayTotal, Sum(b.m_adLoanRepay, 9) + b.m_dShortLoan},
        {"deposit income", r.m_dDepositIncome, Sum(&b.m_aadDeposit[0][0], 16) - r.m_dDepositRepay},
        {"security income", r.m_dSecurityIncome, Sum(&b.m_aadSecurity[0][0], 16) - r.m_dSecurityRepay},
        {"loan balance", r.m_dLoanBalanceTotal, Sum(b.m_adLoanBalance, 9) + b.m_dShortLoanBalance},
        {"deposit balance", r.m_dDepositBalance, Sum(b.m_adAdvanceDeposit, 8)},
        {"security balance", r.m_dSecurityBalance, Sum(b.m_adAdvanceSecurity, 8)},
    };
    for (auto c : cases) EXPECT_DOUBLE_EQ(c.got, c.expected) << c.what;
    double repay = 0;
    for (int t = 0; t < 8; ++t) repay += b.m_aadDeposit[t][1];
    EXPECT_DOUBLE_EQ(r.m_dDepositRepay, repay);
}

TEST(YearBalance, PublicDuesTakeOnlyAPositiveRegistrationTax)
{
    for (auto [construct, dues] : {std::pair{-1.0, 0.0}, std::pair{1.0, 1.0}}) {
        CYearBalanceClass r;
        r.m_adConstructExpense[0] = construct;
        r.CalcSummary();
        EXPECT_EQ(r.m_dPublicDues, dues) << construct;
    }
}
