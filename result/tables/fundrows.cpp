#include "result/tables/fundrows.h"

#include <new>

#include "result/calc/calcseries.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultrows.h"

CString FormatFigure(const CTavCalcClass& calc, double dValue)
{
    return FormatResultNumber(calc.m_objDecimal.nDecimalNum, dValue, calc.m_objDecimal.nDecimalZero);
}

BOOL AppendFundRow(CTavCalcClass& calc, CResultBaseClass& page, const CString& strItem, const CString& strContent,
                   const CString& strMoney)
{
    if (!page.m_pItemArray) return calc.FailCalc(CALC_OUT_OF_MEMORY);
    auto* pRow = AppendSeriesItem<CResultItemClass>(calc, page.m_pItemArray);
    if (!pRow) return FALSE;
    pRow->SetItem(strItem);
    pRow->SetContent(strContent);
    pRow->SetMoney(strMoney);
    return TRUE;
}

const CConsumptionMoneyClass& FundItem(const CObArray* pSeries, int nIndex)
{
    static const CConsumptionMoneyClass kMissing;
    const CConsumptionMoneyClass* p = SeriesItem(pSeries, nIndex);
    return p ? *p : kMissing;
}

