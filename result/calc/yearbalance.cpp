#include "result/calc/yearbalance.h"

#include <cmath>
#include <new>

#include "result/calc/allfinite.h"
#include "result/calc/calcseries.h"
#include "result/calc/tavcalc.h"

namespace {

template <size_t N>
double Sum(const double (&a)[N], size_t nCount = N)
{
    double s = 0.0;
    for (size_t i = 0; i < nCount; ++i) s += a[i];
    return s;
}

// Sum over the rental types of one kind of rental income.
double SumKind(const double (&aad)[6][8], int nKind)
{
    return Sum(aad[nKind]);
}

} // namespace

BOOL CYearBalanceClass::IsFinite() const
{
    static_assert(sizeof(tagYEARBALANCE) % sizeof(double) == 0, "the year record holds doubles only");
    const auto* v = reinterpret_cast<const double*>(static_cast<const tagYEARBALANCE*>(this));
    return AllFinite(v, sizeof(tagYEARBALANCE) / sizeof(double));
}

void CYearBalanceClass::CalcIncomeTotal()
{
    double s = 0.0;
    for (int t = 0; t < 8; ++t)
        for (int kind : {0, 1, 2, 4, 5, 3}) s += m_aadRentalIncome[kind][t];
    s += m_dInterestIncome;
    for (double v : m_adOtherIncome) s += v;
    for (double v : m_adFurtherIncome) s += v;
    s += m_dLossCarry;
    s += m_dLossCarryTotal;
    m_dIncomeTotal = s;
}

void CYearBalanceClass::CalcExpenseTotal()
{
    double s = 0.0;
    for (double v : {m_dLandFixedAssetTax, m_dBuildFixedAssetTax, m_dLandCityPlanTax, m_dBuildCityPlanTax,
                     m_dPrevBusinessTax, m_dConsumptionTaxPaid, m_dLandPriceTax, m_dManageCost, m_dGroundRent,
                     m_dRepairCost, m_dFireInsurance})
        s += v;
    for (double v : m_adOtherExpense) s += v;
    for (double v : m_adSecurityInterest) s += v;
    for (int i = 0; i < 8; ++i) s += m_adLoanInterest[i];
    s += m_adLoanInterest[8];
    s += m_dShortLoanInterest;
    for (double v : m_adConstructExpense) s += v;
    for (double v : m_adFurtherExpense) s += v;
    m_dExpenseTotal = s;
}

void CYearBalanceClass::CalcDepreciationTotal()
{
    m_dDepreciationTotal = Sum(m_adDepreciation) + m_dStartupAmortization;
}

void CYearBalanceClass::CalcOutsideTotal()
{
    m_dPlanOutsideIncome = Sum(m_adOutsideIncome);
    m_dIncomeDeduction = Sum(m_adIncomeDeduction);
    m_dPlanOutsideExpense = Sum(m_adOutsideExpense);
}

void CYearBalanceClass::CalcOutsideExpense()
{
    m_dOutsideExpense = m_dPlanOutsideExpense + m_dNonBusinessCost;
}

void CYearBalanceClass::CalcProfitAfterTax()
{
    m_dProfitAfterTax = m_dPlanOutsideIncome + m_dProfitAfterDepreciation - m_dIncomeDeduction -
                        (m_dBusinessTax + m_dIncomeTax + m_dPrefecturalTax + m_dMunicipalTax);
}

void CYearBalanceClass::CalcRetainedEarnings()
{
    m_dRetainedEarnings = m_dPlanOutsideIncome + m_dProfitBeforeDepreciation + m_dPrevBusinessTax -
                          (m_dBusinessTax + m_dIncomeTax + m_dPrefecturalTax + m_dMunicipalTax);
}

void CYearBalanceClass::CalcSummary()
{
    m_dRent = SumKind(m_aadRentalIncome, 0);
    m_dKeyMoney = SumKind(m_aadRentalIncome, 1);
    m_dCommonCharge = SumKind(m_aadRentalIncome, 2);
    m_dRenewalFee = SumKind(m_aadRentalIncome, 3);
    m_dDepositAmortization = SumKind(m_aadRentalIncome, 4);
    m_dSecurityAmortization = SumKind(m_aadRentalIncome, 5);
    m_dOtherIncome = Sum(m_adOtherIncome);
    double dues = 0.0;
    for (double v : {m_dLandFixedAssetTax, m_dBuildFixedAssetTax, m_dLandCityPlanTax, m_dBuildCityPlanTax,
                     m_dPrevBusinessTax, m_dConsumptionTaxPaid, m_dLandPriceTax})
        dues += v;
    if (m_adConstructExpense[0] > 0) dues += m_adConstructExpense[0];
    m_dPublicDues = dues;
    m_dOtherExpense = Sum(m_adOtherExpense);
    m_dSecurityInterest = Sum(m_adSecurityInterest);
    m_dLoanInterestTotal = Sum(m_adLoanInterest, 8) + m_dShortLoanInterest + m_adLoanInterest[8];
    m_dOtherDepreciation = m_adDepreciation[2] + m_adDepreciation[3] + m_adDepreciation[4] + m_adDepreciation[5] +
                           m_dStartupAmortization;
    m_dOutsideIncome = m_dPlanOutsideIncome - m_dIncomeDeduction;
    m_dTax = m_dMunicipalTax + m_dPrefecturalTax + m_dIncomeTax + m_dBusinessTax;
    m_dLoanRepayTotal = Sum(m_adLoanRepay, 8) + m_dShortLoan + m_adLoanRepay[8];
    m_dDepositIncome = m_dDepositRepay = m_dSecurityIncome = m_dSecurityRepay = 0.0;
    for (int t = 0; t < 8; ++t) {
        m_dDepositIncome += m_aadDeposit[t][0];
        m_dDepositRepay += m_aadDeposit[t][1];
        m_dSecurityIncome += m_aadSecurity[t][0];
        m_dSecurityRepay += m_aadSecurity[t][1];
    }
    m_dLoanBalanceTotal = Sum(m_adLoanBalance, 8) + m_dShortLoanBalance + m_adLoanBalance[8];
    m_dDepositBalance = Sum(m_adAdvanceDeposit);
    m_dSecurityBalance = Sum(m_adAdvanceSecurity);
}

BOOL CTavCalcClass::CalcBalance()
{
    if (!NewSeries(m_pYearArray) || !AppendYearItems<CYearBalanceClass>(*this, m_pYearArray)) return FALSE;
    using Step = BOOL (CTavCalcClass::*)();
    for (Step step : {&CTavCalcClass::CalcWorkTime, &CTavCalcClass::CalcHouseRentalIncome,
                      &CTavCalcClass::CalcCommonIncome, &CTavCalcClass::CalcRewardIncome,
                      &CTavCalcClass::CalcDepositIncome, &CTavCalcClass::CalcSecurityIncome,
                      &CTavCalcClass::CalcRenewalIncome, &CTavCalcClass::CalcOtherIncome, &CTavCalcClass::CalcCost,
                      &CTavCalcClass::CalcLoan, &CTavCalcClass::CalcAutoLoan, &CTavCalcClass::CalcDepreciationCost,
                      &CTavCalcClass::CalcRestOther, &CTavCalcClass::CalcWorkTimeBalance})
        if (!(this->*step)()) return FALSE;
    BOOL result = TRUE;
    for (int y = 1; y <= m_objCalcYear.nCalcYear && result; ++y) result = CalcYearBalance(y);
    return result;
}

CYearBalanceClass* CTavCalcClass::GetYearRecord(int nYear) const
{
    return m_pYearArray ? ResultItemCast<CYearBalanceClass>(m_pYearArray->GetAt(nYear)) : nullptr;
}
