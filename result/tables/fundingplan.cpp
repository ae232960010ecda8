// Funding plan table.
#include <array>
#include <new>
#include <utility>
#include <vector>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/yearcolumns.h"

namespace {

constexpr int kLines = 30;
constexpr UINT kTitleId = 18004;
constexpr int kIncomeTotalLine = 9;
constexpr int kDuesLine = 10;
constexpr int kExpenseTotalLine = 19;
constexpr int kBalanceLine = 20;
// Lines 11 to 14 show the names of running-expense items 0 to 3.
constexpr int kFirstNamedLine = 11;
constexpr int kNamedItems = 4;
// Running-expense items 4 to 9 are summed on one line.
constexpr int kOtherExpenseLine = 15;

constexpr UINT kLabelIds[kLines] = {
    660, 661, 662, 663, 664, 665, 666, 667, 668, 669, // income
    680, 681, 682, 683, 684, 685, 686, 687, 688, 689, // expenditure
    700, 701, 702, 703,                               // balance, outside items, taxes
    710, 711,                                         // surplus, cash on hand
    720, 721, 722, 723,                               // balances owed
};

// The texts of one year's column, line by line.
using PlanColumn = std::array<CString, kLines>;

// Unrounded running sums of the income lines and the expense lines.
struct PlanSums {
    double dIncome = 0.0;
    double dExpense = 0.0;
};

// The one-character zero of cells that hold no amount.
const char* const kTextZero = "0";

CString Formatted(const CTavCalcClass& calc, double dValue)
{
    return FormatResultNumber(calc.m_objDecimal.nDecimalNum, dValue, calc.m_objDecimal.nDecimalZero != 0);
}


// Name of running-expense item i; empty without project data.
CString CostItemName(const CTavCalcClass& calc, int i)
{
    const CDataClassObject* pData = calc.m_pDataClass;
    return pData && pData->m_pDataCost ? pData->m_pDataCost->m_aCostItem[i].m_strOtherName : CString();
}

BOOL IsLandPurchaseLoan(const CTavCalcClass& calc)
{
    const CDataClassObject* pData = calc.m_pDataClass;
    return pData && pData->m_pDataSupply && pData->m_pDataSupply->m_nLandPurchaseLoan == 1;
}

// Taxes and dues: the five property-tax schedules, consumption tax paid and
// the construction-period expense.
double PublicDues(const CTavCalcClass& calc, int nYear, const CYearBalanceClass& r)
{
    const CDeleteObArray* schedules[] = {calc.m_pMunicipalLandTaxArray, calc.m_pMunicipalBuildTaxArray,
                                         calc.m_pCityPlanLandTaxArray, calc.m_pCityPlanBuildTaxArray,
                                         calc.m_pLandPriceTaxArray};
    double dDues = 0.0;
    for (const CDeleteObArray* pSchedule : schedules) dDues += SeriesMoney(pSchedule, nYear);
    dDues += r.m_dConsumptionTaxPaid;
    if (r.m_adConstructExpense[0] > 0) dDues += r.m_adConstructExpense[0];
    return dDues;
}

void IncomeLines(CTavCalcClass& calc, const CYearBalanceClass& r, PlanColumn& cells, PlanSums& sums)
{
    double dDeposit = r.m_dDepositAmortization;
    double dSecurity = r.m_dSecurityAmortization;
    for (int k = 0; k < CTavCalcClass::kRentalCategories; ++k) {
        dDeposit += r.m_aadDeposit[k][0];
        dSecurity += r.m_aadSecurity[k][0];
    }
    const double values[kIncomeTotalLine] = {r.m_dRent,           r.m_dCommonCharge, r.m_dKeyMoney,
                                             r.m_dRenewalFee,     dDeposit,          dSecurity,
                                             r.m_dInterestIncome, r.m_dOtherIncome,  r.m_dAddMyMoney};
    for (int line = 0; line < kIncomeTotalLine; ++line) {
        sums.dIncome += values[line];
        cells[line] = calc.FormatAmount(values[line]);
    }
}

// Lines 10 to 18 of an operating year.
void ExpenseLines(CTavCalcClass& calc, int nYear, const CYearBalanceClass& r, PlanColumn& cells, PlanSums& sums)
{
    const double dDues = PublicDues(calc, nYear, r);
    sums.dExpense += dDues;
    cells[kDuesLine] = calc.FormatAmount(dDues);

    for (int i = 0; i < kNamedItems; ++i) {
        const CConsumptionMoneyClass* pRow = SeriesItem(calc.m_apCostArray[i], nYear);
        if (!pRow) {
            cells[kFirstNamedLine + i] = kTextZero;
            continue;
        }
        const double dCost = pRow->m_dTaxMoney + pRow->m_dNetMoney;
        sums.dExpense += dCost;
        cells[kFirstNamedLine + i] = calc.FormatAmount(dCost);
    }

    double dOther = 0.0;
    for (int i = kNamedItems; i < CDataCostClass::kItemCount; ++i) {
        const double dCost = SeriesMoney(calc.m_apCostArray[i], nYear);
        sums.dExpense += dCost;
        dOther += calc.FractionManage(dCost);
    }
    cells[kOtherExpenseLine] = Formatted(calc, dOther);

    double dLoan = r.m_dLoanRepayTotal + r.m_dLoanInterestPaid;
    if (IsLandPurchaseLoan(calc)) dLoan += r.m_dLandLoanInterest;
    const double values[] = {r.m_dDepositRepay, r.m_dSecurityRepay, dLoan};
    for (int k = 0; k < 3; ++k) {
        sums.dExpense += values[k];
        cells[kOtherExpenseLine + 1 + k] = calc.FormatAmount(values[k]);
    }
}

// The construction period pays none of the expense lines.
void ConstructionExpenseLines(const CTavCalcClass& calc, PlanColumn& cells)
{
    for (int line = kDuesLine; line < kExpenseTotalLine; ++line) cells[line] = kTextZero;
    cells[kOtherExpenseLine] = Formatted(calc, 0.0);
}

// Lines 21 to 29: outside items, taxes, surplus, cash and balances owed.
void ClosingLines(CTavCalcClass& calc, const CYearBalanceClass& r, PlanColumn& cells)
{
    double dLoanBalance = 0.0;
    for (double dBalance : r.m_adLoanBalance) dLoanBalance += dBalance;
    const double values[] = {r.m_dPlanOutsideIncome, r.m_dTax,            r.m_dPlanOutsideExpense,
                             r.m_dSurplus,           r.m_dCashOnHand,     dLoanBalance,
                             r.m_dShortLoanBalance,  r.m_dDepositBalance, r.m_dSecurityBalance};
    for (int k = 0; k < kLines - kBalanceLine - 1; ++k) cells[kBalanceLine + 1 + k] = calc.FormatAmount(values[k]);
}

// Every line of year nYear except the two totals and their difference.
PlanSums YearLines(CTavCalcClass& calc, int nYear, const CYearBalanceClass& r, PlanColumn& cells)
{
    PlanSums sums;
    IncomeLines(calc, r, cells, sums);
    if (nYear == 0)
        ConstructionExpenseLines(calc, cells);
    else
        ExpenseLines(calc, nYear, r, cells, sums);
    ClosingLines(calc, r, cells);
    return sums;
}

CString PlanBalance(CTavCalcClass& calc, const CYearBalanceClass& r)
{
    return calc.FormatAmount(r.m_dPlanIncomeTotal - r.m_dPlanExpenseTotal);
}

// The column of year nYear on the page; the plan totals are stored in its record.
void FillYearColumn(CTavCalcClass& calc, int nYear, CYearBalanceClass& r, CResultStringArrayClass& column)
{
    PlanColumn cells;
    const PlanSums sums = YearLines(calc, nYear, r, cells);
    r.m_dPlanIncomeTotal = calc.FractionManage(sums.dIncome);
    cells[kIncomeTotalLine] = Formatted(calc, r.m_dPlanIncomeTotal);
    r.m_dPlanExpenseTotal = calc.FractionManage(sums.dExpense);
    cells[kExpenseTotalLine] = Formatted(calc, r.m_dPlanExpenseTotal);
    cells[kBalanceLine] = PlanBalance(calc, r);
    for (int line = 0; line < kLines; ++line) column.SetData(line, std::move(cells[line]));
}

// The column of year nYear in the export, with the totals step 17 stored.
PlanColumn ExportColumn(CTavCalcClass& calc, int nYear, const CYearBalanceClass& r)
{
    PlanColumn cells;
    YearLines(calc, nYear, r, cells);
    cells[kIncomeTotalLine] = calc.FormatAmount(r.m_dPlanIncomeTotal);
    cells[kExpenseTotalLine] = calc.FormatAmount(r.m_dPlanExpenseTotal);
    cells[kBalanceLine] = nYear == 0 ? CString(kTextZero) : PlanBalance(calc, r);
    return cells;
}

BOOL IsNamedLine(int nLine)
{
    return nLine >= kFirstNamedLine && nLine < kFirstNamedLine + kNamedItems;
}

// An expense item without a name of its own shows its standard label.
CString LineLabel(const CTavCalcClass& calc, int nLine)
{
    if (IsNamedLine(nLine)) {
        const CString name = CostItemName(calc, nLine - kFirstNamedLine);
        if (!name.IsEmpty()) return name;
    }
    return LoadResultString(kLabelIds[nLine]);
}

void FillLabelColumn(const CTavCalcClass& calc, CResultStringArrayClass& labels)
{
    for (int line = 0; line < kLines; ++line) labels.SetData(line, LineLabel(calc, line));
}

} // namespace

BOOL CTavCalcClass::MakeBalanceCapitalPlan()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultBaseClass& page = m_pResultClass->m_objBalanceCapitalPlan;
    if (!CreateYearColumns(*this, page, kLines)) return FALSE;
    const int nCalcYear = m_objCalcYear.nCalcYear;

    CResultStringArrayClass* pLabels = YearTableColumn(page, 0);
    if (!pLabels) return FailCalc(CALC_UNEXPECTED_ERROR);
    FillLabelColumn(*this, *pLabels);

    for (int y = 0; y <= nCalcYear; ++y) {
        CResultStringArrayClass* pColumn = YearTableColumn(page, y + 1);
        CYearBalanceClass* pRecord = GetYearRecord(y);
        if (pColumn && pRecord) FillYearColumn(*this, y, *pRecord, *pColumn);
    }
    return TRUE;
}

void CTavCalcClass::TextSik()
{
    TextHead(LoadResultString(kTitleId));
    const int nCalcYear = m_objCalcYear.nCalcYear;
    // A year without a record gives empty cells.
    std::vector<PlanColumn> columns(nCalcYear < 0 ? 0 : nCalcYear + 1);
    for (int y = 0; y <= nCalcYear; ++y) {
        if (const CYearBalanceClass* pRecord = GetYearRecord(y)) columns[y] = ExportColumn(*this, y, *pRecord);
    }
    for (int line = 0; line < kLines; ++line) {
        StringSet(LineLabel(*this, line));
        for (const PlanColumn& cells : columns) StringSet(cells[line]);
        TextWrite();
    }
}
