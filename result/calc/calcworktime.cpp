// The construction period, running costs, loans, depreciation and outside lines laid into the years.
#include "result/calc/tavcalc.h"

#include <algorithm>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/calc/consumption.h"
#include "result/calc/yearbalance.h"

namespace {

// Accounting of a fund and of its tax part.
constexpr int kManageExpense = 2;
constexpr int kTaxFollowsItem = 0;
constexpr int kTaxExpense = 3;

// Flags of the business ratio (COptionBusinessRateClass::m_anApply).
constexpr int kApplyFirstCost = 1;
constexpr int kApplyLoanInterest = 12;
constexpr int kApplyConstruction = 20;
// Consumption-tax class of loan interest (COptionConsumptionCostClass::m_anTax).
constexpr int kCostTaxLoanInterest = 12;

// Construction-funds items read here.
constexpr int kLastExpenseItem = 20;
constexpr int kInterestItem = 9;
constexpr int kFirstTaxItem = 21;

// Option rows of the construction-period land taxes.
constexpr int kManageRowPropertyTax = 16;
constexpr int kManageRowLandPriceTax = 23;
constexpr int kConsumptionRowTax = 8;

constexpr int kLoanCount = 8;
constexpr int kLandLoan = 5;
constexpr int kAutoLoan = 8;
constexpr int kMonthsPerYear = 12;

// The running-expense fields of items 0 to 3; items 4 to 9 are the other expenses.
double tagYEARBALANCE::* const kCostFields[] = {
    &tagYEARBALANCE::m_dManageCost,
    &tagYEARBALANCE::m_dGroundRent,
    &tagYEARBALANCE::m_dRepairCost,
    &tagYEARBALANCE::m_dFireInsurance,
};
constexpr int kNamedCosts = 4;

double& CostField(CYearBalanceClass& r, int nItem)
{
    return nItem < kNamedCosts ? r.*kCostFields[nItem] : r.m_adOtherExpense[nItem - kNamedCosts];
}

double ExpensedAmount(int nManage, int nTaxManage, double dNet, double dTax)
{
    const double net = nManage == kManageExpense ? dNet : 0.0;
    const bool taxExpensed =
        (nTaxManage == kTaxFollowsItem && nManage == kManageExpense) || nTaxManage == kTaxExpense;
    return net + (taxExpensed ? dTax : 0.0);
}

// The business share of an amount; the rest goes to the year's non-business cost.
double BusinessShare(CTavCalcClass& calc, int nApply, double dAmount, CYearBalanceClass& r)
{
    double rest = 0.0;
    calc.CalcBusinessRate(nApply, &dAmount, &rest);
    r.m_dNonBusinessCost += rest;
    return dAmount;
}

// One year of a loan: interest, principal and the balance at its end.
struct LoanYear {
    double dInterest = 0.0;
    double dRepay = 0.0;
    double dBalance = 0.0;
};

// Yearly rows of a monthly list, row 0 empty: the months from item 1 in twelves.
int LoanYearCount(const CObArray& list)
{
    const int months = list.GetSize() - 1;
    return 1 + (months > 0 ? (months + kMonthsPerYear - 1) / kMonthsPerYear : 0);
}

LoanYear LoanYearRow(const CObArray& list, int nRow)
{
    LoanYear row;
    const int first = (nRow - 1) * kMonthsPerYear + 1;
    for (int i = first; i < first + kMonthsPerYear && i < list.GetSize(); ++i) {
        const CConsumptionLoanClass* month = SeriesItem<CConsumptionLoanClass>(&list, i);
        if (!month) continue;
        row.dInterest += month->m_dNetMoney;
        row.dRepay += month->m_dRepay;
        row.dBalance = month->m_dBalance;
    }
    return row;
}

// Makes a series element tax-free: its net takes net plus tax.
void MakeTaxFree(CTavCalcClass& calc, CConsumptionMoneyClass& item)
{
    calc.CalcConsumptionW(item.m_dNetMoney + item.m_dTaxMoney, 1, 0, 0);
    item.m_dNetMoney = calc.m_dConsumeNet;
    item.m_dTaxMoney = calc.m_dConsumeTax;
}

// A loan's row booked into year y: interest (business share with its tax), principal and balance.
void BookLoanYear(CTavCalcClass& calc, CYearBalanceClass& r, int nLoan, const LoanYear& row, int y)
{
    r.m_dLoanInterestPaid += row.dInterest;
    const double interest =
        BusinessShare(calc, calc.m_pOptionClass->m_pOptionBusinessRate->m_anApply[kApplyLoanInterest],
                      row.dInterest, r);
    calc.CalcConsumption(interest, calc.m_pOptionClass->m_pOptionConsumptionCost->m_anTax[kCostTaxLoanInterest], y,
                         0);
    r.m_adLoanInterest[nLoan] = calc.m_dConsumeTotal;
    r.m_dPurchaseConsumptionTax += calc.m_dConsumeTax;
    r.m_adLoanRepay[nLoan] = row.dRepay;
    r.m_adLoanBalance[nLoan] = row.dBalance;
}

// The yearly rows of a loan from year nStart on (0: from year 1); year
// nStart itself takes the opening item without principal.
void BookLoan(CTavCalcClass& calc, CObArray& list, int nLoan, int nStart)
{
    const int rows = LoanYearCount(list);
    for (int y = std::max(1, nStart); y <= calc.m_objCalcYear.nCalcYear && y < rows + nStart; ++y) {
        LoanYear row;
        if (nStart > 0 && y == nStart) {
            CConsumptionLoanClass* opening = SeriesItem<CConsumptionLoanClass>(&list, 0);
            if (!opening) continue;
            opening->m_dRepay = 0.0;
            row = LoanYear{opening->m_dNetMoney, opening->m_dRepay, opening->m_dBalance};
        } else {
            row = LoanYearRow(list, y - nStart);
        }
        BookLoanYear(calc, calc.GetYearBalance(y), nLoan, row, y);
    }
}

} // namespace

BOOL CTavCalcClass::CheckYearBalance()
{
    const int years = m_objCalcYear.nCalcYear;
    BOOL complete = m_pDataClass && m_pOptionClass && m_pYearArray && m_pYearArray->GetSize() > years;
    for (int y = 0; complete && y <= years; ++y)
        complete = GetYearRecord(y) != nullptr;
    if (!complete) m_nMessageID = CALC_UNEXPECTED_ERROR;
    return complete;
}

CYearBalanceClass& CTavCalcClass::GetYearBalance(int nYear)
{
    return *GetYearRecord(nYear);
}

double CTavCalcClass::CalcExpenseCost(CObject* pItem)
{
    const CConsumptionExpenseClass* item = dynamic_cast<CConsumptionExpenseClass*>(pItem);
    return item ? ExpensedAmount(item->m_nManage, item->m_nTaxManage, item->m_dNetMoney, item->m_dTaxMoney) : 0.0;
}

BOOL CTavCalcClass::CalcWorkTime()
{
    if (!CheckYearBalance()) return FALSE;
    CYearBalanceClass& r0 = GetYearBalance(0);
    const int applyConstruction = m_pOptionClass->m_pOptionBusinessRate->m_anApply[kApplyConstruction];

    // Expensed construction funds, the interest during construction apart.
    double expense = 0.0;
    for (int i = 0; i <= kLastExpenseItem; ++i)
        if (i != kInterestItem) expense += CalcExpenseCost(SeriesItem<CObject>(m_pExpenseArray, i));
    r0.m_adOtherExpense[0] = BusinessShare(*this, applyConstruction, expense, r0);

    // The interest during construction and the construction-period taxes, tax-free.
    for (int i : {kInterestItem, 21, 22, 23, 24, 25, 26}) {
        CConsumptionExpenseClass* item = SeriesItem<CConsumptionExpenseClass>(m_pExpenseArray, i);
        if (item) MakeTaxFree(*this, *item);
        const double business = BusinessShare(*this, applyConstruction, CalcExpenseCost(item), r0);
        if (i == kInterestItem)
            r0.m_adLoanInterest[0] = business;
        else
            r0.m_adConstructExpense[i - kFirstTaxItem] = business;
    }

    // The land taxes of the construction period.
    const struct {
        CDeleteObArray* pSeries;
        int nManageRow;
        double tagYEARBALANCE::* pField;
    } landTaxes[] = {
        {m_pMunicipalLandTaxArray, kManageRowPropertyTax, &tagYEARBALANCE::m_dLandFixedAssetTax},
        {m_pCityPlanLandTaxArray, kManageRowPropertyTax, &tagYEARBALANCE::m_dLandCityPlanTax},
        {m_pLandPriceTaxArray, kManageRowLandPriceTax, &tagYEARBALANCE::m_dLandPriceTax},
    };
    const int taxManage = m_pOptionClass->m_pOptionConsumptionExpense->m_aItem[kConsumptionRowTax].nManage;
    for (const auto& tax : landTaxes) {
        CConsumptionMoneyClass* item = SeriesItem<CConsumptionMoneyClass>(tax.pSeries, 0);
        double amount = 0.0;
        if (item) {
            MakeTaxFree(*this, *item);
            const int manage = m_pOptionClass->m_pOptionExpenseManage->m_aManage[tax.nManageRow].nManage;
            amount = ExpensedAmount(manage, taxManage, item->m_dNetMoney, item->m_dTaxMoney);
        }
        r0.*tax.pField = BusinessShare(*this, applyConstruction, amount, r0);
    }

    // Opening balances; loans 7 and 8 financing a later capital expenditure start later.
    const CDataSupplyClass& supply = *m_pDataClass->m_pDataSupply;
    for (int i = 0; i < kLoanCount; ++i) {
        if (supply.m_aLoan[i].m_nCapitalPayYear > 0 && (i == 6 || i == 7)) continue;
        if (const CConsumptionLoanClass* item = SeriesItem<CConsumptionLoanClass>(m_apLoanArray[i], 0))
            r0.m_adLoanBalance[i] = item->m_dBalance;
    }
    if (const CConsumptionLoanClass* item = SeriesItem<CConsumptionLoanClass>(m_pAutoLoanArray, 0))
        r0.m_adLoanBalance[kAutoLoan] = item->m_dBalance;
    if (const CConsumptionLoanClass* item = SeriesItem<CConsumptionLoanClass>(m_pShortLoanArray, 0))
        r0.m_dShortLoanBalance = item->m_dBalance;
    for (int k = 0; k < 6; ++k)
        if (const CDepreciationMoneyClass* item = SeriesItem<CDepreciationMoneyClass>(m_apDepreciationArray[k], 0))
            r0.m_adBookValue[k] = item->m_dBookValue;
    if (const CDepreciationMoneyClass* item = SeriesItem<CDepreciationMoneyClass>(m_pStartupArray, 0))
        r0.m_dStartupBookValue = item->m_dBookValue;

    // Deposits and guarantee money of the first tenants, received in advance.
    for (int t = 0; t < kRentalCategories; ++t) {
        const CConsumptionMoneyClass* deposit = SeriesItem<CConsumptionMoneyClass>(m_apDepositArray[t], 0);
        const CConsumptionMoneyClass* security = SeriesItem<CConsumptionMoneyClass>(m_apSecurityArray[t], 0);
        if (!deposit || !security) {
            m_nMessageID = CALC_UNEXPECTED_ERROR;
            return FALSE;
        }
        const CDataRentalBasicClass& basic = *m_pDataClass->m_apDataRentalBasic[t];
        const tagADVANCERATE& advance = m_pOptionClass->m_pOptionAdvance->m_aRate[t];
        const double d = basic.CalcChangeLive(deposit->m_dNetMoney + deposit->m_dTaxMoney, 1);
        m_adFirstDepositAmortize[t] = basic.dDepositAmortizeRatio * 0.01 * d;
        r0.m_adAdvanceDeposit[t] = d * advance.dDepositRate * 0.01;
        const double g = basic.CalcChangeLive(security->m_dNetMoney + security->m_dTaxMoney, 1);
        m_adFirstSecurityAmortize[t] = basic.dSecurityAmortizeRatio * 0.01 * g;
        r0.m_adAdvanceSecurity[t] = g * advance.dSecurityRate * 0.01;
    }

    // A gap that neither the automatic nor the shortfall loan covers stays in
    // the cash as a deficit, so later years do not show money the
    // construction used up; a covered gap leaves no cash.
    const CDataSupplyClass* pSupply = m_pDataClass->m_pDataSupply;
    const bool bGapCovered = pSupply && (pSupply->m_nAutoLoan == 0 || pSupply->m_objShortLoan.nUse == 1);
    if (m_dConstructSurplus > 0 || !bGapCovered) r0.m_dSurplus = r0.m_dCashOnHand = m_dConstructSurplus;
    return TRUE;
}

BOOL CTavCalcClass::CalcCost()
{
    if (!CheckYearBalance()) return FALSE;
    const int* apply = m_pOptionClass->m_pOptionBusinessRate->m_anApply;
    for (int i = 0; i < CDataCostClass::kItemCount; ++i) {
        const CDeleteObArray* series = m_apCostArray[i];
        if (!series) {
            m_nMessageID = CALC_UNEXPECTED_ERROR;
            return FALSE;
        }
        const CDataCostItemClass& item = m_pDataClass->m_pDataCost->m_aCostItem[i];
        const int interval = item.nExtra1 == 0 ? 1 : item.nExtra1;
        for (int y = 1; y <= m_objCalcYear.nCalcYear; ++y) {
            if (y < item.nFromYear || y > item.nToYear || (y - item.nFromYear) % interval != 0) continue;
            const CConsumptionMoneyClass* money = SeriesItem<CConsumptionMoneyClass>(series, y);
            if (!money) continue;
            CYearBalanceClass& r = GetYearBalance(y);
            const double amount = money->m_dNetMoney + money->m_dTaxMoney;
            CostField(r, i) += BusinessShare(*this, apply[kApplyFirstCost + i], amount, r);
            double tax = money->m_dTaxMoney;
            double taxRest = 0.0;
            CalcBusinessRate(apply[kApplyFirstCost + i], &tax, &taxRest);
            r.m_dPurchaseConsumptionTax += tax;
        }
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcLoan()
{
    if (!CheckYearBalance()) return FALSE;
    const CDataSupplyClass& supply = *m_pDataClass->m_pDataSupply;
    for (int i = 0; i < kLoanCount; ++i) {
        if (!m_apLoanArray[i]) continue;
        if (i == kLandLoan && supply.m_nLandPurchaseLoan == 1) {
            CalcLandBuyLoan();
            continue;
        }
        const int capitalYear = supply.m_aLoan[i].m_nCapitalPayYear;
        BookLoan(*this, *m_apLoanArray[i], i, (i == 6 || i == 7) && capitalYear > 0 ? capitalYear : 0);
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcLandBuyLoan()
{
    if (!CheckYearBalance()) return FALSE;
    if (!m_apLoanArray[kLandLoan]) return TRUE;
    const CObArray& list = *m_apLoanArray[kLandLoan];
    const int rows = LoanYearCount(list);
    for (int y = 1; y <= m_objCalcYear.nCalcYear && y < rows; ++y) {
        const LoanYear row = LoanYearRow(list, y);
        CYearBalanceClass& r = GetYearBalance(y);
        r.m_dLandLoanInterest = row.dInterest;
        r.m_dNonBusinessCost += row.dInterest;
        r.m_adLoanRepay[kLandLoan] = row.dRepay;
        r.m_adLoanBalance[kLandLoan] = row.dBalance;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcAutoLoan()
{
    if (!CheckYearBalance()) return FALSE;
    // A loan repaid from the surplus is booked with the yearly balance.
    if (m_pDataClass->m_pDataSupply->m_aLoan[kAutoLoan].nRepayMethod == 2 || !m_pAutoLoanArray) return TRUE;
    BookLoan(*this, *m_pAutoLoanArray, kAutoLoan, 0);
    return TRUE;
}

BOOL CTavCalcClass::CalcDepreciationCost()
{
    if (!CheckYearBalance()) return FALSE;
    const int years = m_objCalcYear.nCalcYear;
    for (int k = 0; k < 6; ++k) {
        const CDeleteObArray* series = m_apDepreciationArray[k];
        for (int y = 1; series && y <= years && y < series->GetSize(); ++y) {
            const CDepreciationMoneyClass* item = SeriesItem<CDepreciationMoneyClass>(series, y);
            if (!item) continue;
            CYearBalanceClass& r = GetYearBalance(y);
            r.m_adDepreciation[k] = item->m_dNetMoney;
            r.m_adBookValue[k] = item->m_dBookValue;
        }
    }
    for (int y = 1; m_pStartupArray && y <= years && y < m_pStartupArray->GetSize(); ++y) {
        const CDepreciationMoneyClass* item = SeriesItem<CDepreciationMoneyClass>(m_pStartupArray, y);
        if (!item) continue;
        // The series holds the business share alone.
        CYearBalanceClass& r = GetYearBalance(y);
        r.m_dStartupAmortization = item->m_dNetMoney;
        r.m_dStartupBookValue = item->m_dBookValue;
    }
    for (int y = 1; y <= years; ++y) GetYearBalance(y).m_dNonBusinessCost += CalcCapitalPayRest(y);
    return TRUE;
}

BOOL CTavCalcClass::CalcRestOther()
{
    if (!CheckYearBalance()) return FALSE;
    for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i) {
        const CDeleteObArray* series = m_apRestOtherArray[i];
        if (!series) continue;
        const CDataRestOtherMoneyClass& line = m_pDataClass->m_pDataRestOther->m_aRestOtherMoney[i];
        for (int y = std::max(1, line.nFromYear); y <= m_objCalcYear.nCalcYear && y <= line.nToYear; ++y) {
            if (!SeriesItem<CConsumptionMoneyClass>(series, y)) continue;
            const double amount = SeriesMoney(series, y);
            CYearBalanceClass& r = GetYearBalance(y);
            switch (line.nKind) {
            case CDataRestOtherMoneyClass::kKindIncome: r.m_adOutsideIncome[i] = amount; break;
            case CDataRestOtherMoneyClass::kKindSubTract: r.m_adIncomeDeduction[i] = amount; break;
            case CDataRestOtherMoneyClass::kKindExpense: r.m_adOutsideExpense[i] = amount; break;
            default: break;
            }
        }
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcWorkTimeBalance()
{
    if (!CheckYearBalance()) return FALSE;
    CYearBalanceClass& r0 = GetYearBalance(0);
    r0.CalcIncomeTotal();
    r0.CalcExpenseTotal();
    r0.m_dProfitBeforeDepreciation = r0.m_dIncomeTotal - r0.m_dExpenseTotal;
    r0.CalcDepreciationTotal();
    r0.m_dProfitAfterDepreciation = r0.m_dProfitBeforeDepreciation - r0.m_dDepreciationTotal;
    if (m_pDataClass->m_pDataBasic->nLossCarryMethod != 0)
        r0.m_dLossCarry = r0.m_dLossCarryTotal = r0.m_dProfitAfterDepreciation;
    r0.m_dProfitAfterTax = r0.m_dProfitAfterTaxTotal = r0.m_dProfitAfterDepreciation;
    // The private shares of the construction period were paid from its funds.
    r0.m_dPlanOutsideExpense += m_dNonBusinessExpend;
    r0.m_dOutsideExpense += m_dNonBusinessExpend + r0.m_dNonBusinessCost;
    r0.CalcSummary();
    // The construction-period taxes after the first, the further expense
    // items, the funding plan's expense total and the loan interest.
    double dues = 0.0;
    for (int i = 1; i < 6; ++i) dues += r0.m_adConstructExpense[i];
    for (double v : r0.m_adFurtherExpense) dues += v;
    dues += r0.m_dPlanExpenseTotal;
    dues += r0.m_dLoanInterestPaid;
    r0.m_dPublicDues += dues;
    return TRUE;
}
