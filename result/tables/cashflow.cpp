// Cash-flow table.
#include <new>

#include "result/calc/tavcalc.h"
#include "app/common/classobject.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/yearcolumns.h"

namespace {

constexpr int kLines = 29;
constexpr UINT kTitleId = 18002;
constexpr UINT kFirstLabelId = 410;
constexpr int kFirstDepreciationLine = 2;
constexpr int kDepreciationLines = 6;
constexpr int kFirstLoanLine = 12;
constexpr int kLoanLines = 9;

// Name of depreciation item k; empty without the construction-cost record.
CString DepreciationName(const CTavCalcClass& calc, int k)
{
    const CDataExpenseClass* pExpense = calc.m_pDataClass ? calc.m_pDataClass->m_pDataExpense : nullptr;
    return pExpense ? pExpense->m_aDepreciation[k].m_strName : CString();
}

// Lender name of loan i; empty without the funding record.
CString LenderName(const CTavCalcClass& calc, int i)
{
    const CDataSupplyClass* pSupply = calc.m_pDataClass ? calc.m_pDataClass->m_pDataSupply : nullptr;
    return pSupply ? pSupply->m_aLoan[i].m_strBankName : CString();
}

CString LineLabel(const CTavCalcClass& calc, int nLine)
{
    const int k = nLine - kFirstDepreciationLine;
    if (k >= 0 && k < kDepreciationLines) return "減価償却(" + DepreciationName(calc, k) + ")";
    const int i = nLine - kFirstLoanLine;
    if (i >= 0 && i < kLoanLines) return "・" + LenderName(calc, i);
    return LoadResultString(kFirstLabelId + nLine);
}

// The amount of a line in the year of record r; pPrev is the year before (null in year 0).
double LineValue(const CYearBalanceClass& r, const CYearBalanceClass* pPrev, int nLine)
{
    const int k = nLine - kFirstDepreciationLine;
    if (k >= 0 && k < kDepreciationLines) return r.m_adDepreciation[k];
    const int i = nLine - kFirstLoanLine;
    if (i >= 0 && i < kLoanLines) return r.m_adLoanRepay[i];
    switch (nLine) {
    case 0: return pPrev ? pPrev->m_dCashOnHand : 0.0;
    case 1: return r.m_dProfitAfterTax;
    case 8: return r.m_dStartupAmortization;
    case 9: return r.m_dPrevBusinessTax;
    case 10: return r.m_dIncomeDeduction;
    case 11: return r.m_dLoanRepayTotal;
    case 21: return r.m_dShortLoan;
    case 22: return r.m_dDepositIncome;
    case 23: return r.m_dDepositRepay;
    case 24: return r.m_dSecurityIncome;
    case 25: return r.m_dSecurityRepay;
    case 26: return r.m_dOutsideExpense;
    case 27: return r.m_dAddMyMoney;
    default: return r.m_dCashOnHand;
    }
}

// The cell text of a line in year y; empty when the year has no record.
CString LineCell(CTavCalcClass& calc, int nLine, int y)
{
    const CYearBalanceClass* pYear = calc.GetYearRecord(y);
    if (!pYear) return CString();
    const CYearBalanceClass* pPrev = y > 0 ? calc.GetYearRecord(y - 1) : nullptr;
    return calc.FormatAmount(LineValue(*pYear, pPrev, nLine));
}

} // namespace

BOOL CTavCalcClass::MakeBalanceCapital()
{
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    CResultBalanceCapitalClass& page = m_pResultClass->m_objBalanceCapital;
    if (!CreateYearColumns(*this, page, kLines)) return FALSE;
    const int nYears = m_objCalcYear.nCalcYear;
    CResultStringArrayClass* pLabels = YearTableColumn(page, 0);
    if (!pLabels) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    for (int nLine = 0; nLine < kLines; ++nLine) pLabels->SetData(nLine, LineLabel(*this, nLine));
    for (int y = 0; y <= nYears; ++y) {
        CResultStringArrayClass* pColumn = YearTableColumn(page, y + 1);
        if (!pColumn || !GetYearRecord(y)) continue;
        for (int nLine = 0; nLine < kLines; ++nLine) pColumn->SetData(nLine, LineCell(*this, nLine, y));
    }
    return TRUE;
}

void CTavCalcClass::TextSyu()
{
    TextHead(LoadResultString(kTitleId));
    for (int nLine = 0; nLine < kLines; ++nLine) {
        StringSet(LineLabel(*this, nLine));
        for (int y = 0; y <= m_objCalcYear.nCalcYear; ++y) StringSet(LineCell(*this, nLine, y));
        TextWrite();
    }
}
