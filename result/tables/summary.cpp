// Summary table.
#include <new>

#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/yearcolumns.h"

namespace {

const int kLines = 9;
const int kMilestones = 5;
const UINT kFirstLabelId = 1000;
const UINT kTitleId = 1020;
const UINT kFirstMilestoneId = 1030;
const int kYieldLine = 8;
const int kNeverMet = 99;

// The amounts of lines 0 to 7; line 8 is the yield.
double CYearBalanceClass::* const kAmounts[kLines - 1] = {
    &CYearBalanceClass::m_dIncomeTotal,
    &CYearBalanceClass::m_dExpenseTotal,
    &CYearBalanceClass::m_dProfitBeforeDepreciation,
    &CYearBalanceClass::m_dProfitAfterDepreciation,
    &CYearBalanceClass::m_dProfitAfterTax,
    &CYearBalanceClass::m_dLoanRepayTotal,
    &CYearBalanceClass::m_dSurplus,
    &CYearBalanceClass::m_dLoanBalanceTotal,
};

// Text of line k of a year.
CString CellText(CTavCalcClass& calc, const CYearBalanceClass& year, int k)
{
    if (k == kYieldLine) return FormatYieldText(year.m_dYield);
    return calc.FormatAmount(year.*kAmounts[k]);
}

BOOL IsMilestoneMet(const CYearBalanceClass& year, int i)
{
    switch (i) {
    case 0: return year.m_dProfitBeforeDepreciation > 0;
    case 1: return year.m_dProfitAfterDepreciation > 0;
    case 2: return year.m_dProfitAfterTaxTotal > 0;
    case 3: return year.m_dLoanBalanceTotal <= 0;
    default: return year.m_dSurplus > 0;
    }
}

// Year text of each milestone: the first operating year that meets it
// ("%3d年"), "－" when none does.
void FindMilestones(const CTavCalcClass& calc, CString (&astrYear)[kMilestones])
{
    int anYear[kMilestones];
    BOOL abFound[kMilestones];
    for (int i = 0; i < kMilestones; ++i) {
        anYear[i] = kNeverMet;
        abFound[i] = FALSE;
    }
    int nFound = 0;
    for (int y = 1; y <= calc.m_objCalcYear.nCalcYear && nFound < kMilestones; ++y) {
        const CYearBalanceClass* pYear = calc.GetYearRecord(y);
        if (!pYear) continue;
        for (int i = 0; i < kMilestones; ++i) {
            if (abFound[i] || !IsMilestoneMet(*pYear, i)) continue;
            anYear[i] = y;
            abFound[i] = TRUE;
            ++nFound;
        }
    }
    for (int i = 0; i < kMilestones; ++i) {
        if (anYear[i] == kNeverMet) astrYear[i] = "－";
        else astrYear[i].Format("%3d年", anYear[i]);
    }
}

} // namespace

BOOL CTavCalcClass::MakeBalanceOutline()
{
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    CResultBalanceOutlineClass& page = m_pResultClass->m_objBalanceOutline;
    if (!CreateYearColumns(*this, page, kLines)) return FALSE;

    CResultStringArrayClass* pLabels = YearTableColumn(page, 0);
    if (!pLabels) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    for (int k = 0; k < kLines; ++k) pLabels->SetData(k, LoadResultString(kFirstLabelId + k));

    for (int y = 0; y <= m_objCalcYear.nCalcYear; ++y) {
        CResultStringArrayClass* pColumn = YearTableColumn(page, y + 1);
        const CYearBalanceClass* pYear = GetYearRecord(y);
        if (!pColumn || !pYear) {
            m_nMessageID = CALC_UNEXPECTED_ERROR;
            return FALSE;
        }
        for (int k = 0; k < kLines; ++k) pColumn->SetData(k, CellText(*this, *pYear, k));
    }

    for (int i = 0; i < kMilestones; ++i) page.m_aastrMilestone[0][i] = LoadResultString(kFirstMilestoneId + i);
    FindMilestones(*this, page.m_aastrMilestone[1]);
    return TRUE;
}

void CTavCalcClass::TextOutLine()
{
    TextHead(LoadResultString(kTitleId));
    for (int k = 0; k < kLines; ++k) {
        StringSet(LoadResultString(kFirstLabelId + k));
        // A missing year keeps its cell, empty, so the years stay in their columns.
        for (int y = 0; y <= m_objCalcYear.nCalcYear; ++y) {
            const CYearBalanceClass* pYear = GetYearRecord(y);
            StringSet(pYear ? CellText(*this, *pYear, k) : CString());
        }
        TextWrite();
    }
    StringSet("主な収支計算結果年度");
    TextWrite();
    CString astrYear[kMilestones];
    FindMilestones(*this, astrYear);
    for (int i = 0; i < kMilestones; ++i) {
        StringSet(LoadResultString(kFirstMilestoneId + i));
        StringSet(astrYear[i]);
        TextWrite();
    }
}
