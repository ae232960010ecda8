#include "result/tables/premisetext.h"

#include <new>

#include "app/common/classobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultbase.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"

namespace {

const UINT kPercentId = 10002;
const UINT kRiseId = 10012;
const int kSteps = 4;

} // namespace

BOOL FillPremisePage(CTavCalcClass& calc, CResultBaseClass& page, const std::vector<CPremiseRow>& rows)
{
    page.DestroyData();
    page.CreateData();
    if (!page.m_pItemArray) return calc.FailCalc(CALC_OUT_OF_MEMORY);
    for (const CPremiseRow& row : rows) {
        auto* pItem = new (std::nothrow) CResultItemClass;
        if (!pItem) return calc.FailCalc(CALC_OUT_OF_MEMORY);
        pItem->SetItem(row.strItem);
        pItem->SetContent(row.strContent);
        pItem->SetMoney(row.strMoney);
        page.m_pItemArray->InsertAt(page.m_pItemArray->GetSize(), pItem, 1);
    }
    return TRUE;
}

CString PremiseChoice(UINT nFirstId, int nValue, int nCount)
{
    return nValue >= 0 && nValue < nCount ? LoadResultString(nFirstId + UINT(nValue)) : CString();
}

CString DepreciationName(const CDataExpenseClass& expense, int nItem)
{
    if (nItem < 0 || nItem >= CDataExpenseClass::kDepreciationCount) return CString();
    return expense.m_aDepreciation[nItem].m_strName;
}

BOOL StartBookValue(const CTavCalcClass& calc, int i, double& dValue)
{
    const auto* pEntry = FirstSeriesEntry<CDepreciationMoneyClass>(calc.m_apDepreciationArray[i]);
    if (!pEntry) return FALSE;
    dValue = pEntry->m_dBookValue;
    return TRUE;
}

CString PremisePlainNumber(double dValue)
{
    return FormatResultNumber(-1, dValue, TRUE);
}

CString PremiseRateNumber(double dValue)
{
    return FormatResultNumber(2, dValue, TRUE);
}

CString PremiseAreaNumber(double dValue)
{
    return FormatResultNumber(2, dValue, FALSE);
}

CString PremiseLoanRateNumber(double dValue)
{
    return FormatResultNumber(3, dValue, TRUE);
}

CString PremisePeriodText(int nStart, int nEnd)
{
    CString strStart, strEnd;
    strStart.Format("%3d年目～", nStart);
    if (nStart <= nEnd) {
        strEnd.Format("%3d年目まで", nEnd);
    } else {
        strEnd.Format("%3d年目まで", nStart);
        strEnd = CString(' ', strEnd.GetLength());
    }
    return strStart + strEnd;
}

namespace {

CString IntervalText(int nInterval)
{
    CString str;
    str.Format("%3d年毎", nInterval);
    return str;
}

} // namespace

CString ScheduleCellText(const CDataRateClass& rate)
{
    CString str;
    for (int k = 0; k < kSteps; ++k) {
        const tagDATARATE& step = rate.m_aDataRate[k];
        if (!IsScheduleStepSet(step)) {
            str += "\n\n\n";
            continue;
        }
        str += PremisePeriodText(step.nStartYear, step.nEndYear) + IntervalText(step.nInterval) + "\n";
        str += PremiseRateNumber(step.dRate) + LoadResultString(kPercentId) + "\n";
        str += PremiseChoice(kRiseId, step.bDecrease, 2) + "\n";
        if (IsOpenStep(step)) {
            for (int g = k; g < kSteps; ++g) str += "\n\n\n";
            break;
        }
    }
    return str;
}

void TextScheduleLines(CTavCalcClass& calc, const CDataRateClass& rate, const CString& strFirst)
{
    for (int k = 0; k < kSteps; ++k) {
        const tagDATARATE& step = rate.m_aDataRate[k];
        calc.StringSet(k == 0 ? strFirst : CString());
        if (IsScheduleStepSet(step)) {
            calc.StringSet(PremisePeriodText(step.nStartYear, step.nEndYear));
            calc.StringSet(IntervalText(step.nInterval));
            calc.StringSet(PremiseRateNumber(step.dRate) + LoadResultString(kPercentId));
            calc.StringSet(PremiseChoice(kRiseId, step.bDecrease, 2));
        }
        calc.TextWrite();
        if (IsScheduleStepSet(step) && IsOpenStep(step)) {
            for (int g = k + 1; g < kSteps; ++g) calc.TextWrite();
            return;
        }
    }
}

void TextLine(CTavCalcClass& calc, std::initializer_list<CString> cells)
{
    for (const CString& cell : cells) calc.StringSet(cell);
    calc.TextWrite();
}
