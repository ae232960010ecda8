// Graph data and axis ranges.
#include <climits>
#include <cmath>
#include <new>

#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"

namespace {

const int kMaxSeries = 3;
const int kAxisTenth = 10;

// The series of one graph, in value order.
struct CGraphSeries {
    int nCount;
    double CYearBalanceClass::* apValue[kMaxSeries];
};

const CGraphSeries kOutlineSeries = {3,
                                     {&CYearBalanceClass::m_dProfitBeforeDepreciation,
                                      &CYearBalanceClass::m_dProfitAfterDepreciation, &CYearBalanceClass::m_dSurplus}};
const CGraphSeries kLoanSeries = {2, {&CYearBalanceClass::m_dLoanBalanceTotal, &CYearBalanceClass::m_dCashOnHand}};
const CGraphSeries kCapitalSeries = {3,
                                     {&CYearBalanceClass::m_dPlanIncomeTotal,
                                      &CYearBalanceClass::m_dPlanExpenseTotal, &CYearBalanceClass::m_dSurplus}};

// The double cut toward zero to an int; NaN gives 0 and what lies beyond
// the int range its nearest end.
int SaturatedInt(double d)
{
    if (std::isnan(d)) return 0;
    if (d >= double(INT_MAX)) return INT_MAX;
    if (d <= double(INT_MIN)) return INT_MIN;
    return int(d);
}

// The multiples of nStep next to n: the smallest strictly above, the largest strictly below.
long long MultipleAbove(long long n, long long nStep)
{
    const long long q = n >= 0 ? n / nStep : -((-n + nStep - 1) / nStep);
    return (q + 1) * nStep;
}

long long MultipleBelow(long long n, long long nStep)
{
    return -MultipleAbove(-n, nStep);
}

// Rows 0 to nCalcYear + 1 of the page, one value per series; row y + 1 holds
// year y, row 0 zeros. The axis spans the values and 0.
BOOL MakeGraph(CTavCalcClass& calc, CResultGraphClass& page, const CGraphSeries& series)
{
    page.DestroyData();
    page.CreateData();
    if (!page.m_pItemArray) {
        calc.m_nMessageID = CALC_OUT_OF_MEMORY;
        return FALSE;
    }
    const int nYears = calc.m_objCalcYear.nCalcYear;
    for (int i = 0; i <= nYears + 1; ++i) {
        CResultDoubleArrayClass* pRow = new (std::nothrow) CResultDoubleArrayClass;
        if (!pRow) {
            calc.m_nMessageID = CALC_OUT_OF_MEMORY;
            return FALSE;
        }
        pRow->CreateData(series.nCount);
        for (int s = 0; s < pRow->m_nCount; ++s) pRow->m_pdData[s] = 0;
        page.m_pItemArray->Add(pRow);
    }

    double dMax = 0, dMin = 0;
    for (int y = 0; y <= nYears; ++y) {
        auto* pRow = static_cast<CResultDoubleArrayClass*>(page.m_pItemArray->GetAt(y + 1));
        const CYearBalanceClass* pYear = calc.GetYearRecord(y);
        if (!pRow || !pYear) continue;
        for (int s = 0; s < series.nCount; ++s) {
            const double v = pYear->*series.apValue[s];
            if (pRow->m_nCount > s) pRow->m_pdData[s] = v;
            if (dMax < v) dMax = v;
            if (dMin > v) dMin = v;
        }
    }
    calc.CalcGraphMaxMin(&page, dMax, dMin);
    return TRUE;
}

} // namespace

BOOL CTavCalcClass::MakeGraphOutline()
{
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    return MakeGraph(*this, m_pResultClass->m_objGraphOutline, kOutlineSeries);
}

BOOL CTavCalcClass::MakeGraphLoan()
{
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    return MakeGraph(*this, m_pResultClass->m_objGraphLoan, kLoanSeries);
}

BOOL CTavCalcClass::MakeGraphCapital()
{
    if (!m_pResultClass) {
        m_nMessageID = CALC_UNEXPECTED_ERROR;
        return FALSE;
    }
    return MakeGraph(*this, m_pResultClass->m_objGraphCapital, kCapitalSeries);
}

void CTavCalcClass::CalcGraphMaxMin(CResultGraphClass* pPage, double dMax, double dMin)
{
    if (!pPage) return;
    // Thousand yen to million yen, fractions dropped; the int conversion saturates.
    const long long nMax = SaturatedInt(dMax) / 1000;
    const long long nMin = SaturatedInt(dMin) / 1000;
    const long long nRange = (nMax + (nMin < 0 ? -nMin : nMin)) / 7;
    const long long nStep = MultipleAbove(nRange < 0 ? 0 : nRange, kAxisTenth);
    pPage->m_nAxisStep = int(nStep);
    pPage->m_nAxisMax = int(nMax > 0 ? MultipleAbove(nMax, nStep) : nStep);
    pPage->m_nAxisMin = int(nMin < 0 ? MultipleBelow(nMin, nStep) : -nStep);
    pPage->m_nYearCount = m_objCalcYear.nCalcYear;
}
