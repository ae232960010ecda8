// Basic balance table: page 11 and its export section.
#include <algorithm>
#include <array>
#include <new>
#include <utility>
#include <vector>

#include "app/common/classobject.h"
#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/yearcolumns.h"

namespace {

constexpr int kLines = 64;
constexpr int kYieldLine = 44;
constexpr UINT kTitleId = 18000;
constexpr UINT kYieldHeadId = 200;
constexpr UINT kYieldFormulaId = 201;
constexpr int kYieldFormulas = 5;
constexpr UINT kYieldTailId = 206;
constexpr int kCostNames = 4;
constexpr int kLoans = 9;
constexpr int kBookValues = 6;

using LineArray = std::array<CString, kLines>;

// Lines labelled by a string of their own; the others name project items.
constexpr struct {
    int nLine;
    UINT nID;
} kFixedLabels[] = {
    {0, 100},  {1, 101},  {2, 102},  {3, 103},  {4, 104},  {5, 105},  {6, 106},  {7, 107},  {8, 120},
    {13, 125}, {14, 126}, {15, 127}, {16, 128}, {17, 140}, {20, 143}, {21, 144}, {22, 145}, {23, 146},
    {24, 147}, {25, 148}, {26, 160}, {27, 161}, {28, 162}, {29, 163}, {40, 174}, {41, 175}, {42, 176},
    {43, 177}, {44, 178}, {45, 180}, {56, 191}, {57, 192},
};
// The shortfall loan's repayment and balance lines, bulleted.
constexpr struct {
    int nLine;
    UINT nID;
} kShortLoanLabels[] = {{39, 173}, {55, 190}};
// Standard names of the first four running costs, shown when a name is empty.
constexpr UINT kCostNameId = 121;

const CString kBullet = "・";

// Labels of the 64 lines; one of the first four running costs without a name
// shows its standard label.
LineArray LineLabels(const CTavCalcClass& calc)
{
    const CDataClassObject* pData = calc.m_pDataClass;
    const CDataCostClass* pCost = pData ? pData->m_pDataCost : nullptr;
    const CDataExpenseClass* pExpense = pData ? pData->m_pDataExpense : nullptr;
    const CDataSupplyClass* pSupply = pData ? pData->m_pDataSupply : nullptr;

    LineArray labels;
    for (const auto& fixed : kFixedLabels) labels[fixed.nLine] = LoadResultString(fixed.nID);
    for (const auto& fixed : kShortLoanLabels) labels[fixed.nLine] = kBullet + LoadResultString(fixed.nID);
    for (int k = 0; k < kCostNames; k++) {
        CString name = pCost ? pCost->m_aCostItem[k].m_strOtherName : CString();
        if (name.IsEmpty()) name = LoadResultString(kCostNameId + k);
        labels[9 + k] = name;
    }
    for (int i = 0; i < kLoans; i++) {
        const CString name = pSupply ? pSupply->m_aLoan[i].m_strBankName : CString();
        labels[30 + i] = kBullet + name;
        labels[46 + i] = kBullet + name;
    }
    for (int k = 0; k < kBookValues; k++) {
        const CString name = pExpense ? pExpense->m_aDepreciation[k].m_strName : CString();
        if (k < 2) labels[18 + k] = "減価償却費(" + name + ")";
        labels[58 + k] = (k < 2 ? "建物簿価残高(" : "簿価残高(") + name + ")";
    }
    return labels;
}

// Amounts of the 64 lines in a year; line 44 holds the yield.
std::array<double, kLines> LineValues(const CYearBalanceClass& y)
{
    std::array<double, kLines> v{};
    const double adHead[] = {
        y.m_dRent, y.m_dCommonCharge, y.m_dKeyMoney, y.m_dRenewalFee,
        y.m_dSecurityAmortization + y.m_dDepositAmortization, y.m_dInterestIncome, y.m_dOtherIncome,
        y.m_dIncomeTotal, y.m_dPublicDues, y.m_dManageCost, y.m_dGroundRent, y.m_dRepairCost,
        y.m_dFireInsurance, y.m_dSecurityInterest, y.m_dLoanInterestTotal, y.m_dOtherExpense,
        y.m_dExpenseTotal, y.m_dProfitBeforeDepreciation, y.m_adDepreciation[0], y.m_adDepreciation[1],
        y.m_dOtherDepreciation, y.m_dProfitAfterDepreciation, y.m_dOutsideIncome, y.m_dTax,
        y.m_dProfitAfterTax, y.m_dProfitAfterTaxTotal, y.m_dRetainedEarnings, y.m_dAddMyMoney,
        y.m_dOutsideExpense, y.m_dLoanRepayTotal};
    int k = 0;
    for (double d : adHead) v[k++] = d;
    for (int i = 0; i < kLoans; i++) v[k++] = y.m_adLoanRepay[i];
    const double adCash[] = {y.m_dShortLoan, y.m_dSecurityIncome + y.m_dDepositIncome,
                             y.m_dSecurityRepay + y.m_dDepositRepay, y.m_dSurplus, y.m_dCashOnHand,
                             y.m_dYield, y.m_dLoanBalanceTotal};
    for (double d : adCash) v[k++] = d;
    for (int i = 0; i < kLoans; i++) v[k++] = y.m_adLoanBalance[i];
    const double adBalance[] = {y.m_dShortLoanBalance, y.m_dDepositBalance, y.m_dSecurityBalance};
    for (double d : adBalance) v[k++] = d;
    for (int i = 0; i < kBookValues; i++) v[k++] = y.m_adBookValue[i];
    return v;
}

// Cell texts of a year: amounts rounded by the engine's settings, the yield
// to two places.
LineArray YearCells(CTavCalcClass& calc, const CYearBalanceClass& y)
{
    const std::array<double, kLines> values = LineValues(y);
    LineArray cells;
    for (int k = 0; k < kLines; k++) {
        cells[k] = k == kYieldLine ? FormatYieldText(values[k])
                                   : calc.FormatAmount(values[k]);
    }
    return cells;
}

// "・投資利回り＝", the numerator the formula names (none outside the five), the divisor.
CString YieldNote(int nYieldFormula)
{
    CString note = LoadResultString(kYieldHeadId);
    if (nYieldFormula >= 0 && nYieldFormula < kYieldFormulas) note += LoadResultString(kYieldFormulaId + nYieldFormula);
    return note + LoadResultString(kYieldTailId);
}

void SetColumn(CResultStringArrayClass& column, LineArray cells)
{
    for (int k = 0; k < kLines; k++) column.SetData(k, std::move(cells[k]));
}

} // namespace

BOOL CTavCalcClass::MakeBalanceBasic()
{
    const COptionOtherManageClass* pOption = m_pOptionClass ? m_pOptionClass->m_pOptionOtherManage : nullptr;
    if (!m_pResultClass || !pOption) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultBalanceBasicClass& page = m_pResultClass->m_objBalanceBasic;
    if (!CreateYearColumns(*this, page, kLines)) return FALSE;
    page.m_nYieldFormula = pOption->m_nYieldFormula;

    const int nYears = m_objCalcYear.nCalcYear;
    CResultStringArrayClass* pLabels = YearTableColumn(page, 0);
    if (!pLabels) return FailCalc(CALC_UNEXPECTED_ERROR);
    SetColumn(*pLabels, LineLabels(*this));

    const int nRecords = m_pYearArray ? m_pYearArray->GetSize() : 0;
    for (int y = 0; y <= nYears && y < nRecords; y++) {
        const CYearBalanceClass* pYear = GetYearRecord(y);
        CResultStringArrayClass* pColumn = YearTableColumn(page, y + 1);
        if (pYear && pColumn) SetColumn(*pColumn, YearCells(*this, *pYear));
    }
    return TRUE;
}

void CTavCalcClass::TextBase()
{
    // Only a completed calculation is exported: the page built, every year there.
    if (!m_pResultClass || !m_pResultClass->m_objBalanceBasic.m_pItemArray) return;
    const int nYears = m_objCalcYear.nCalcYear;
    for (int y = 0; y <= nYears; y++) {
        if (!GetYearRecord(y)) return;
    }

    TextHead(LoadResultString(kTitleId));
    std::vector<LineArray> years;
    years.reserve(size_t(std::max(nYears + 1, 0)));
    for (int y = 0; y <= nYears; y++) years.push_back(YearCells(*this, *GetYearRecord(y)));
    const LineArray labels = LineLabels(*this);
    for (int k = 0; k < kLines; k++) {
        StringSet(labels[k]);
        for (const LineArray& cells : years) StringSet(cells[k]);
        TextWrite();
    }
    StringSet(YieldNote(m_pResultClass->m_objBalanceBasic.m_nYieldFormula));
    TextWrite();
}
