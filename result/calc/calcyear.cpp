// Yearly taxes and the cash balance of one operating year.
#include "result/calc/tavcalc.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>
#include <utility>
#include <vector>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/calc/consumption.h"
#include "result/calc/yearbalance.h"

namespace {

constexpr int kAutoLoan = 8;          // the automatic loan's slot in the loan fields
constexpr int kRepayFromSurplus = 2;  // repayment method of an automatic loan repaid from the surplus
constexpr int kLoanCount = 8;

// The record of a year; null with status 13001 when it is missing.
CYearBalanceClass* YearRecord(CTavCalcClass& calc, int nYear)
{
    CYearBalanceClass* pYear = calc.GetYearRecord(nYear);
    if (!pYear) calc.m_nMessageID = CALC_UNEXPECTED_ERROR;
    return pYear;
}

// Capital expenditures of the year paid from one of the given sources.
double CapitalPayOf(const CDataExpenseClass& expense, int nYear, std::initializer_list<int> sources)
{
    double sum = 0.0;
    for (const CDataCapitalPayClass& pay : expense.m_aCapitalPay) {
        if (pay.dAmount == 0 || pay.nYear != nYear) continue;
        for (int source : sources)
            if (pay.nSource == source) sum += pay.dAmount;
    }
    return sum;
}

// Offsets a positive income against the losses kept in the nYears years
// before nYear, oldest first, and uses up each loss it draws on.
double CarryLossForward(CTavCalcClass& calc, int nYear, int nYears, double dIncome, double tagYEARBALANCE::*pLoss)
{
    if (dIncome <= 0 || nYears <= 0) return dIncome;
    for (int k = nYear - nYears; k < nYear; ++k) {
        if (k < 0) continue;
        CYearBalanceClass* pPast = calc.GetYearRecord(k);
        if (!pPast || pPast->*pLoss == 0) continue;
        dIncome = dIncome + pPast->*pLoss;
        if (dIncome < 0) {
            pPast->*pLoss = dIncome;
            return 0.0;
        }
        pPast->*pLoss = 0.0;
    }
    return dIncome;
}

// The two loss fields of a year before the taxed one.
struct SavedLoss {
    int nYear;
    double dLossCarry;
    double dLossCarryTotal;
};

// The loss fields of the years a tax run of nYear may draw on (the longest
// carry period before it).
std::vector<SavedLoss> SaveLosses(const CTavCalcClass& calc, int nYear)
{
    const CTaxTransferClass& transfer = *calc.m_pTaxClass->m_pTaxTransfer;
    const int nCarry = std::max({transfer.m_nPersonalYear, transfer.m_nCorporateYear, 0});
    std::vector<SavedLoss> losses;
    for (int k = std::max(0, nYear - nCarry); k < nYear; ++k)
        if (const auto* pPast = calc.GetYearRecord(k)) losses.push_back({k, pPast->m_dLossCarry, pPast->m_dLossCarryTotal});
    return losses;
}

void RestoreLosses(CTavCalcClass& calc, const std::vector<SavedLoss>& losses)
{
    for (const SavedLoss& saved : losses) {
        auto* pPast = calc.GetYearRecord(saved.nYear);
        pPast->m_dLossCarry = saved.dLossCarry;
        pPast->m_dLossCarryTotal = saved.dLossCarryTotal;
    }
}

// Tax over the three income brackets: up to the first upper bound at the
// first factor, up to the second at the second, the rest at the third.
double BracketTax(double dIncome, const CTaxExtentClass (&aStep)[CTaxBusinessClass::kStepCount],
                  const double (&adFactor)[CTaxBusinessClass::kStepCount])
{
    const double upper1 = aStep[0].m_dUpper;
    const double upper2 = aStep[1].m_dUpper;
    if (dIncome <= upper1) return adFactor[0] * dIncome;
    if (dIncome <= upper2) return adFactor[0] * upper1 + adFactor[1] * (dIncome - upper1);
    return adFactor[0] * upper1 + adFactor[1] * (upper2 - upper1) + adFactor[2] * (dIncome - upper2);
}

// A rate in percent scaled down by the size-based ratio, kept to three
// decimals; a fraction of 0.49999 or more rounds up, the sign is kept.
double ScaledFactor(double dRate, double dScaleRatio)
{
    const double scaled = dRate * 0.01 * (1 - dScaleRatio * 0.01) * 1000;
    double whole = std::floor(std::fabs(scaled));
    if (std::fabs(scaled) - whole >= 0.49999) whole += 1;
    return (scaled < 0 ? -whole : whole) / 1000;
}

// Corporation tax of a small corporation: the reduced rate up to the
// income limit of tier 0, tier 1's rate above it.
double SmallCorporationTax(const CTaxCorporationClass& corporation, double dIncome)
{
    const double rate0 = corporation.m_adCapitalStep[0][0];
    const double limit = corporation.m_adCapitalStep[0][5];
    const double rate1 = corporation.m_adCapitalStep[1][0];
    if (dIncome > limit) return (dIncome - limit) * rate1 * 0.01 + rate0 * 0.01 * limit;
    return rate0 * 0.01 * dIncome;
}

// Income, prefectural or municipal tax of an individual from its bracket table.
template <class TTable>
double PersonalTax(TTable& table, double dIncome)
{
    const CTaxPersonalClass& row = table.m_aStep[table.GetCheckStep(dIncome)];
    return row.m_dRate * 0.01 * dIncome - row.m_dDeduction;
}

// The yearly property-tax series and the record field each goes to.
const std::pair<CDeleteObArray* CTavCalcClass::*, double tagYEARBALANCE::*> kAlwaysTaxes[] = {
    {&CTavCalcClass::m_pMunicipalLandTaxArray, &tagYEARBALANCE::m_dLandFixedAssetTax},
    {&CTavCalcClass::m_pMunicipalBuildTaxArray, &tagYEARBALANCE::m_dBuildFixedAssetTax},
    {&CTavCalcClass::m_pCityPlanLandTaxArray, &tagYEARBALANCE::m_dLandCityPlanTax},
    {&CTavCalcClass::m_pCityPlanBuildTaxArray, &tagYEARBALANCE::m_dBuildCityPlanTax},
    {&CTavCalcClass::m_pLandPriceTaxArray, &tagYEARBALANCE::m_dLandPriceTax},
};

// Rental income kinds of the record in the order of the consumption-tax
// flags: rent, common-area charge, key money, kept deposits, kept guarantee
// money, renewal fee.
constexpr int kIncomeKindOfTaxFlag[6] = {0, 2, 1, 4, 5, 3};

// Taxation methods.
enum { kTaxPersonal, kTaxSmallCorporation, kTaxMiddleCorporation, kTaxLargeCorporation, kTaxNone };

} // namespace

void CTavCalcClass::CalcBusinessRate(int nApply, double* pdAmount, double* pdRest)
{
    *pdRest = 0.0;
    if (nApply == 1) return;
    const double business = m_pDataClass->m_pDataBasic->dBusinessRatio * 0.01 * *pdAmount;
    *pdRest = *pdAmount - business;
    *pdAmount = business;
}

BOOL CTavCalcClass::CalcYearBalance(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    CYearBalanceClass* P = R ? YearRecord(*this, nYear - 1) : nullptr;
    if (!P) return FALSE;

    R->m_dInterestIncome = m_pDataClass->m_pDataProRestOther->dSurplusRate * 0.01 * P->m_dCashOnHand;
    R->CalcIncomeTotal();
    if (!CalcTaxAlwaysYear(nYear)) return FALSE;

    double rest = 0.0;
    R->m_dPrevBusinessTax = P->m_dBusinessTax;
    CalcBusinessRate(m_pOptionClass->m_pOptionBusinessRate->m_anApply[0], &R->m_dPrevBusinessTax, &rest);
    R->m_dNonBusinessCost += rest;

    CalcSurplusLoanInterest(nYear);
    if (m_pShortLoanArray) {
        const CConsumptionLoanClass* pItem = SeriesItem<CConsumptionLoanClass>(m_pShortLoanArray, nYear);
        R->m_dShortLoanInterest = pItem ? pItem->m_dNetMoney : 0.0;
        R->m_dLoanInterestPaid += R->m_dShortLoanInterest;
    }
    CalcYearProfit(nYear);

    // The loss walk uses up losses of earlier years; a second tax run must start from the same losses.
    const std::vector<SavedLoss> losses = SaveLosses(*this, nYear);
    if (!CalcYearTax(nYear)) return FALSE;
    const double earnings = R->m_dRetainedEarnings;
    if (!CalcAddMyMoney(nYear) || !CalcMoneyBalance(nYear)) return FALSE;

    // The registration tax on a shortfall loan taken this year is an expense:
    // tax the year again and take the difference out of the cash.
    if (R->m_adConstructExpense[0] > 0) {
        RestoreLosses(*this, losses);
        CalcYearProfit(nYear);
        if (!CalcYearTax(nYear)) return FALSE;
        const double d = earnings - R->m_dRetainedEarnings;
        R->m_dSurplus = R->m_dSurplus - d;
        R->m_dCashOnHand = R->m_dCashOnHand - d;
    }
    if (!CalcCapitalPay(nYear)) return FALSE;
    R->CalcSummary();
    return TRUE;
}

void CTavCalcClass::CalcSurplusLoanInterest(int nYear)
{
    if (m_pDataClass->m_pDataSupply->m_aLoan[kAutoLoan].nRepayMethod != kRepayFromSurplus) return;
    CYearBalanceClass* R = YearRecord(*this, nYear);
    CYearBalanceClass* P = R ? YearRecord(*this, nYear - 1) : nullptr;
    if (!P) return;
    if (nYear == 1) {
        const CConsumptionLoanClass* pOpening = SeriesItem<CConsumptionLoanClass>(m_pAutoLoanArray, 0);
        P->m_adLoanBalance[kAutoLoan] = pOpening ? pOpening->m_dBalance : 0.0;
    }
    const CConsumptionLoanClass* pRate = SeriesItem<CConsumptionLoanClass>(m_pAutoLoanArray, nYear);
    R->m_adLoanInterest[kAutoLoan] = pRate ? pRate->m_dRepay * P->m_adLoanBalance[kAutoLoan] : 0.0;
    R->m_dLoanInterestPaid += R->m_adLoanInterest[kAutoLoan];
    double rest = 0.0;
    CalcBusinessRate(m_pOptionClass->m_pOptionBusinessRate->m_anApply[12], &R->m_adLoanInterest[kAutoLoan], &rest);
    R->m_dNonBusinessCost += rest;
    R->m_adLoanBalance[kAutoLoan] = P->m_adLoanBalance[kAutoLoan];
}

void CTavCalcClass::CalcYearProfit(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return;
    R->CalcExpenseTotal();
    R->CalcOutsideTotal();
    CalcConsumptionYear(nYear);
    R->CalcExpenseTotal();
    R->CalcOutsideExpense();
    R->m_dProfitBeforeDepreciation = R->m_dIncomeTotal - R->m_dExpenseTotal;
    R->CalcDepreciationTotal();
    R->m_dProfitAfterDepreciation = R->m_dProfitBeforeDepreciation - R->m_dDepreciationTotal;
}

BOOL CTavCalcClass::CalcYearTax(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    const CYearBalanceClass* P = R ? YearRecord(*this, nYear - 1) : nullptr;
    if (!P || !CalcBusinessTax(nYear) || !CalcOtherTax(nYear)) return FALSE;
    R->CalcProfitAfterTax();
    R->m_dProfitAfterTaxTotal = P->m_dProfitAfterTaxTotal + R->m_dProfitAfterTax;
    R->CalcRetainedEarnings();
    return TRUE;
}

BOOL CTavCalcClass::CalcTaxAlwaysYear(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    const int apply = m_pOptionClass->m_pOptionBusinessRate->m_anApply[0];
    for (const auto& [pSeries, pField] : kAlwaysTaxes) {
        const CConsumptionMoneyClass* pItem = SeriesItem(this->*pSeries, nYear);
        double amount = pItem ? pItem->m_dNetMoney + pItem->m_dTaxMoney : 0.0;
        double rest = 0.0;
        CalcBusinessRate(apply, &amount, &rest);
        R->*pField = amount;
        R->m_dNonBusinessCost += rest;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcConsumptionYear(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    const double rate = GetdTax(nYear);
    const double f = rate / (rate + 100);

    const COptionConsumptionIncomeClass& income = *m_pOptionClass->m_pOptionConsumptionIncome;
    double taxable = 0.0;
    double exempt = 0.0;
    auto sell = [&](int nTax, double dAmount) { (nTax == 0 ? taxable : exempt) += dAmount; };
    for (int t = 0; t < kRentalCategories; ++t)
        for (int i = 0; i < 6; ++i)
            sell(income.m_aRental[t].m_anTax[i], R->m_aadRentalIncome[kIncomeKindOfTaxFlag[i]][t]);
    for (int i = 0; i < 6; ++i) sell(income.m_anOtherTax[i], R->m_adOtherIncome[i]);
    sell(income.m_nInterestTax, R->m_adFurtherIncome[0]);

    const int* anTax = m_pOptionClass->m_pOptionConsumptionCost->m_anTax;
    double purchases = 0.0;
    auto buy = [&](int nItem, double dAmount) {
        if (anTax[nItem] == 0) purchases += dAmount;
    };
    const double costs[10] = {R->m_dManageCost,       R->m_dGroundRent,       R->m_dRepairCost,
                              R->m_dFireInsurance,    R->m_adOtherExpense[0], R->m_adOtherExpense[1],
                              R->m_adOtherExpense[2], R->m_adOtherExpense[3], R->m_adOtherExpense[4],
                              R->m_adOtherExpense[5]};
    for (int i = 0; i < 10; ++i) buy(1 + i, costs[i]);
    for (double v : R->m_adSecurityInterest) buy(11, v);
    for (double v : R->m_adLoanInterest) buy(12, v);
    buy(12, R->m_dShortLoanInterest);
    for (double v : {R->m_dLandFixedAssetTax, R->m_dBuildFixedAssetTax, R->m_dLandCityPlanTax, R->m_dBuildCityPlanTax,
                     R->m_dLandPriceTax})
        buy(0, v);

    const CTaxConsumptionClass& table = *m_pTaxClass->m_pTaxConsumption;
    const int method = m_pDataClass->m_pDataBasic->nConsumptionTaxMethod;
    double payable = 0.0;
    if (method == 1 && taxable <= table.m_dSimpleSalesLimit) {
        payable = table.m_dMarginRate * 0.01 * taxable * f;
    } else if (method == 0 || method == 1) {
        const double salesTax = taxable * f;
        const double divisor = exempt + taxable - salesTax;
        const double ratio = divisor > 0 ? (taxable - salesTax) / divisor : 0.0;
        if (divisor > 0 && ratio >= 0.95) payable = (taxable - purchases) * f;
        else if (divisor > 0 && ratio != 0) payable = salesTax - purchases * f * ratio;
        else payable = -(purchases * f);
    }
    R->m_dConsumptionTaxPaid = taxable <= table.m_dExemptSales ? 0.0 : payable;
    return TRUE;
}

BOOL CTavCalcClass::CalcBusinessTax(int nYear)
{
    switch (m_pDataClass->m_pDataBasic->nTaxMethod) {
    case kTaxPersonal: return CalcBusinessTaxPersonal(nYear);
    case kTaxMiddleCorporation:
    case kTaxLargeCorporation: return CalcBusinessTaxCorporationBig(nYear);
    case kTaxNone: return TRUE;
    default: return CalcBusinessTaxCorporation(nYear);
    }
}

BOOL CTavCalcClass::CalcBusinessTaxPersonal(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    const CTaxBusinessClass& table = *m_pTaxClass->m_pTaxBusiness;
    double income = R->m_dProfitAfterDepreciation - R->m_dInterestIncome;
    if (m_pDataClass->m_pDataTax->m_objTaxBusiness.nOutsideIncome == 0)
        income = income + R->m_dPlanOutsideIncome - R->m_dIncomeDeduction;
    income = CarryLossForward(*this, nYear, m_pTaxClass->m_pTaxTransfer->m_nPersonalYear, income,
                              &tagYEARBALANCE::m_dLossCarryTotal);
    if (income <= 0) {
        R->m_dLossCarryTotal = income;
        R->m_dBusinessTax = 0.0;
        return TRUE;
    }
    R->m_dLossCarryTotal = 0.0;
    income = income - table.m_dPersonalDeduction;
    R->m_dBusinessTax = income > 0 ? table.m_dPersonalRate * 0.01 * income : 0.0;
    return TRUE;
}

BOOL CTavCalcClass::CalcBusinessTaxCorporation(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    const CTaxBusinessClass& table = *m_pTaxClass->m_pTaxBusiness;
    double income = R->m_dProfitAfterDepreciation + R->m_dPlanOutsideIncome - R->m_dIncomeDeduction;
    income = CarryLossForward(*this, nYear, m_pTaxClass->m_pTaxTransfer->m_nCorporateYear, income,
                              &tagYEARBALANCE::m_dLossCarryTotal);
    if (income <= 0) {
        R->m_dLossCarryTotal = income;
        R->m_dBusinessTax = 0.0;
        return TRUE;
    }
    R->m_dLossCarryTotal = 0.0;
    double factors[CTaxBusinessClass::kStepCount];
    for (int i = 0; i < CTaxBusinessClass::kStepCount; ++i) factors[i] = table.m_aIncomeStep[i].m_dValue * 0.01;
    R->m_dBusinessTax = BracketTax(income, table.m_aIncomeStep, factors);
    return TRUE;
}

BOOL CTavCalcClass::CalcBusinessTaxCorporationBig(int nYear)
{
    const tagDATATAXBUSINESS& business = m_pDataClass->m_pDataTax->m_objTaxBusiness;
    if (business.nStandardTax == 1) return CalcBusinessTaxCorporation(nYear);
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    const CTaxBusinessClass& table = *m_pTaxClass->m_pTaxBusiness;

    const double grossIncome = R->m_dProfitAfterDepreciation + R->m_dPlanOutsideIncome - R->m_dIncomeDeduction;
    const double income = CarryLossForward(*this, nYear, m_pTaxClass->m_pTaxTransfer->m_nCorporateYear, grossIncome,
                                           &tagYEARBALANCE::m_dLossCarryTotal);
    double incomePart = 0.0;
    if (income > 0) {
        R->m_dLossCarryTotal = 0.0;
        double factors[CTaxBusinessClass::kStepCount];
        for (int i = 0; i < CTaxBusinessClass::kStepCount; ++i)
            factors[i] = ScaledFactor(table.m_aIncomeStep[i].m_dValue, table.m_dScaleRatio);
        incomePart = BracketTax(income, table.m_aIncomeStep, factors);
    } else {
        R->m_dLossCarryTotal = income;
    }
    R->m_dBusinessTaxIncome = incomePart;

    const CConsumptionMoneyClass* pSalary = SeriesItem(m_pSalaryArray, nYear - 1);
    if (!pSalary) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    const double salary = pSalary->m_dNetMoney;
    // Value added: interest paid, guarantee-money interest of every rental type, ground rent and salaries.
    double added = R->m_dLoanInterestPaid;
    for (double v : R->m_adSecurityInterest) added += v;
    added = added + R->m_dGroundRent + salary;
    const double deduction = (1 - table.m_dSalaryDeductionRatio * 0.01) * added;
    if (deduction <= salary) added -= deduction;
    added += grossIncome;
    if (added < 0) added = 0.0;

    R->m_dBusinessTaxValueAdded = table.m_dAddedValueRate * 0.01 * added;
    R->m_dBusinessTaxCapital = m_dBusinessCapitalTax;
    if (nYear <= table.m_nDeferYear && business.nDeferral == 0 && grossIncome < 0)
        R->m_dBusinessTaxValueAdded = R->m_dBusinessTaxCapital = 0.0;
    R->m_dBusinessTax = R->m_dBusinessTaxValueAdded + R->m_dBusinessTaxCapital + incomePart;
    return TRUE;
}

BOOL CTavCalcClass::CalcOtherTax(int nYear)
{
    switch (m_pDataClass->m_pDataBasic->nTaxMethod) {
    case kTaxNone: return TRUE;
    case kTaxPersonal: return CalcOtherTaxPersonal(nYear);
    default: return CalcOtherTaxCorporation(nYear);
    }
}

BOOL CTavCalcClass::CalcOtherTaxPersonal(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    double income =
        R->m_dProfitAfterDepreciation - R->m_dInterestIncome + R->m_dPlanOutsideIncome - R->m_dIncomeDeduction;
    R->m_dIncomeBeforeLoss = income;
    income = CarryLossForward(*this, nYear, m_pTaxClass->m_pTaxTransfer->m_nPersonalYear, income,
                              &tagYEARBALANCE::m_dLossCarry);
    if (income <= 0) {
        R->m_dLossCarry = income;
        R->m_dTaxableAmount = R->m_dIncomeTax = R->m_dPrefecturalTax = R->m_dMunicipalTax = 0.0;
        return TRUE;
    }
    R->m_dTaxableAmount = income;
    R->m_dLossCarry = 0.0;
    R->m_dIncomeTax = PersonalTax(*m_pTaxClass->m_pTaxIncome, income);
    R->m_dPrefecturalTax = PersonalTax(*m_pTaxClass->m_pTaxPrefectural, income);
    R->m_dMunicipalTax = PersonalTax(*m_pTaxClass->m_pTaxVillage, income);
    return TRUE;
}

BOOL CTavCalcClass::CalcOtherTaxCorporation(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    double income = R->m_dProfitAfterDepreciation + R->m_dPlanOutsideIncome - R->m_dIncomeDeduction;
    R->m_dIncomeBeforeLoss = income;
    income = CarryLossForward(*this, nYear, m_pTaxClass->m_pTaxTransfer->m_nCorporateYear, income,
                              &tagYEARBALANCE::m_dLossCarry);
    if (income <= 0) {
        R->m_dLossCarry = income;
        R->m_dTaxableAmount = R->m_dIncomeTax = R->m_dPrefecturalTax = R->m_dMunicipalTax = 0.0;
        return CalcOtherTaxCorporationKanpu(nYear, income);
    }
    R->m_dTaxableAmount = income;
    R->m_dLossCarry = 0.0;
    const CTaxCorporationClass& corporation = *m_pTaxClass->m_pTaxCorporation;
    const double tax = m_pDataClass->m_pDataBasic->nTaxMethod == kTaxSmallCorporation
                           ? SmallCorporationTax(corporation, income)
                           : corporation.m_adCapitalStep[2][0] * 0.01 * income;
    const CTaxResidentCorporationClass& resident = *m_pTaxClass->m_pTaxResidentCorporation;
    R->m_dIncomeTax = tax;
    R->m_dPrefecturalTax = resident.m_dPrefecturalRate * 0.01 * tax;
    R->m_dMunicipalTax = resident.m_dVillageRate * 0.01 * tax;
    return TRUE;
}

BOOL CTavCalcClass::CalcOtherTaxCorporationKanpu(int nYear, double dLoss)
{
    const tagDATABASIC& basic = *m_pDataClass->m_pDataBasic;
    if (!basic.bLossCarryBack || nYear < 2 || dLoss >= 0 || basic.nTaxMethod != kTaxSmallCorporation) return TRUE;
    CYearBalanceClass* R = YearRecord(*this, nYear);
    const CYearBalanceClass* P = R ? YearRecord(*this, nYear - 1) : nullptr;
    if (!P) return FALSE;
    // Only tax actually paid the year before can be refunded.
    if (P->m_dIncomeTax <= 0) return TRUE;
    const double income = P->m_dTaxableAmount + dLoss;
    double refund = -(P->m_dIncomeTax - SmallCorporationTax(*m_pTaxClass->m_pTaxCorporation, income));
    if (std::fabs(refund) > P->m_dIncomeTax) refund = -P->m_dIncomeTax;
    R->m_dIncomeTax = refund;
    // What last year's income absorbed is used up; the rest is carried forward.
    R->m_dLossCarry = income < 0 ? income : 0.0;
    return TRUE;
}

BOOL CTavCalcClass::CalcAddMyMoney(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    double sum = 0.0;
    for (const CDataLoanClass& loan : m_pDataClass->m_pDataSupply->m_aLoan)
        if (loan.dAmount > 0 && loan.nSpecialFromYear <= nYear && nYear <= loan.nSpecialToYear &&
            loan.nSpecialSource == 1)
            sum += loan.dSpecialAmount;
    R->m_dAddMyMoney = sum + CapitalPayOf(*m_pDataClass->m_pDataExpense, nYear, {2});
    return TRUE;
}

BOOL CTavCalcClass::CalcMoneyBalance(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    const CYearBalanceClass* P = R ? YearRecord(*this, nYear - 1) : nullptr;
    if (!P) return FALSE;
    const CDataSupplyClass& supply = *m_pDataClass->m_pDataSupply;
    const double minimum = m_pDataClass->m_pDataProRestOther->dMinimumCash;

    double repaid = 0.0;
    for (int i = 0; i <= kAutoLoan; ++i) repaid += R->m_adLoanRepay[i];
    double received = 0.0;
    for (int t = 0; t < kRentalCategories; ++t) {
        received += R->m_aadDeposit[t][0] + R->m_aadSecurity[t][0] - R->m_aadDeposit[t][1] - R->m_aadSecurity[t][1];
        R->m_adAdvanceDeposit[t] = P->m_adAdvanceDeposit[t] + R->m_aadDeposit[t][0] - R->m_aadDeposit[t][1];
        R->m_adAdvanceSecurity[t] = P->m_adAdvanceSecurity[t] + R->m_aadSecurity[t][0] - R->m_aadSecurity[t][1];
    }
    double flow = R->m_dRetainedEarnings - R->m_dOutsideExpense - repaid + received;
    // Capital spending from cash; its private share, in the outside expense, is paid by its own source.
    flow -= CapitalPayOf(*m_pDataClass->m_pDataExpense, nYear, {0, 2}) - CalcCapitalPayRest(nYear);
    flow += R->m_dAddMyMoney;
    double ownFlow = flow;
    double cash = P->m_dCashOnHand;
    double total = flow + cash;

    // A deficit is met from the cash carried in first.
    if (flow < 0 && cash > 0) {
        if (total <= 0) {
            flow = total;
            cash = 0.0;
        } else {
            flow = 0.0;
            cash = total;
        }
    }
    double& autoBalance = R->m_adLoanBalance[kAutoLoan];
    if (supply.m_aLoan[kAutoLoan].nRepayMethod == kRepayFromSurplus && autoBalance > 0 && total > minimum) {
        const double repayment = std::min(total - minimum, autoBalance);
        R->m_adLoanRepay[kAutoLoan] = repayment;
        autoBalance -= repayment;
        total -= repayment;
        flow -= repayment;
        ownFlow -= repayment;
    }
    if (supply.m_objShortLoan.nUse == 1) {
        // Borrow what is missing to the minimum cash, or repay from what lies above it.
        const BOOL ok =
            total < minimum ? MinusShortLoan(minimum - total, nYear) : PlusShortLoan(total - minimum, nYear);
        if (!ok) return FALSE;
        flow -= R->m_dShortLoan;
        ownFlow -= R->m_dShortLoan;
    }
    R->m_dSurplus = m_pOptionClass->m_pOptionOtherManage->m_nMinusSurplus == 1 ? ownFlow : flow;
    R->m_dCashOnHand = cash + flow;
    return TRUE;
}

BOOL CTavCalcClass::MinusShortLoan(double dShortage, int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    if (!m_pShortLoanArray) {
        if (!NewSeries(m_pShortLoanArray) || !AppendYearItems<CConsumptionLoanClass>(*this, m_pShortLoanArray))
            return FALSE;
    }
    CConsumptionLoanClass* pItem = SeriesItem<CConsumptionLoanClass>(m_pShortLoanArray, nYear);
    if (!pItem) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    double amount = std::fabs(dShortage);
    if (m_pDataClass->m_pDataSupply->m_objShortLoan.nMortgageFee == 0) {
        // Borrow the registration tax on the mortgage too; a rate of 100 % or more has no such amount.
        const double r = m_pTaxClass->m_pTaxLicense->m_dMortgageRate * 0.01;
        double fee = r < 1 ? r / (1 - r) * amount : 0.0;
        if (fee < 0) fee = 0.0;
        amount = amount + fee;
        R->m_adConstructExpense[0] = fee;
    }
    pItem->m_dBalance += amount;
    if (nYear < m_objCalcYear.nCalcYear && !CalcShortLoan(nYear + 1)) return FALSE;
    R->m_dShortLoanBalance = pItem->m_dBalance;
    R->m_dShortLoan = -amount;
    return TRUE;
}

BOOL CTavCalcClass::PlusShortLoan(double dSurplus, int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    CConsumptionLoanClass* pItem = SeriesItem<CConsumptionLoanClass>(m_pShortLoanArray, nYear);
    if (!pItem || pItem->m_dBalance <= 0) {
        R->m_dSurplus = dSurplus;
        return TRUE;
    }
    const double balance = pItem->m_dBalance;
    if (balance <= dSurplus) {
        R->m_dShortLoanBalance = 0.0;
        R->m_dSurplus = dSurplus - balance;
        R->m_dShortLoan = balance;
        pItem->m_dBalance = 0.0;
    } else {
        R->m_dShortLoan = dSurplus;
        R->m_dShortLoanBalance = balance - dSurplus;
        R->m_dSurplus = 0.0;
        pItem->m_dBalance = balance - dSurplus;
    }
    if (nYear < m_objCalcYear.nCalcYear && !CalcShortLoan(nYear + 1)) return FALSE;
    return TRUE;
}

BOOL CTavCalcClass::CalcCapitalPay(int nYear)
{
    CYearBalanceClass* R = YearRecord(*this, nYear);
    if (!R) return FALSE;
    double numerator;
    switch (m_pOptionClass->m_pOptionOtherManage->m_nYieldFormula) {
    case 1: numerator = R->m_dSurplus; break;
    case 2: numerator = R->m_dProfitAfterTax; break;
    case 3: numerator = R->m_dProfitAfterDepreciation; break;
    case 4: numerator = R->m_dIncomeTotal; break;
    default: numerator = R->m_dProfitBeforeDepreciation; break;
    }
    const CDataSupplyClass& supply = *m_pDataClass->m_pDataSupply;
    double denominator = supply.m_objFund.dOwnFund + supply.m_objFund.dLandOwnFund + supply.m_objFund.dSubsidy;
    for (int i = 0; i < kLoanCount; ++i) {
        const CConsumptionLoanClass* pOpening = SeriesItem<CConsumptionLoanClass>(m_apLoanArray[i], 0);
        if (pOpening && supply.m_aLoan[i].m_nCapitalPayYear == 0) denominator += pOpening->m_dBalance;
    }
    for (const CDeleteObArray* pSeries : {m_pAutoLoanArray, m_pShortLoanArray})
        if (const CConsumptionLoanClass* pOpening = SeriesItem<CConsumptionLoanClass>(pSeries, 0)) denominator += pOpening->m_dBalance;
    R->m_dYield = denominator != 0 ? numerator / denominator * 100 : 0.0;
    return TRUE;
}
