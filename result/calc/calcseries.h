// Reading and extending the engine's yearly series.
#pragma once

#include <new>

#include "platform/cobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"

// Element nIndex of a series as T; null when the series or the element is
// missing or of another type.
template <class T = CConsumptionMoneyClass>
T* SeriesItem(const CObArray* pSeries, int nIndex)
{
    return pSeries ? dynamic_cast<T*>(pSeries->GetAt(nIndex)) : nullptr;
}

// Net part plus tax of element nIndex; 0 when it is missing.
inline double SeriesMoney(const CObArray* pSeries, int nIndex)
{
    const CConsumptionMoneyClass* p = SeriesItem(pSeries, nIndex);
    return p ? p->m_dNetMoney + p->m_dTaxMoney : 0.0;
}

// Appends a zero item; null with status 13002 when memory runs out.
inline CConsumptionMoneyClass* AppendSeriesItem(CTavCalcClass& calc, CDeleteObArray* pSeries)
{
    CConsumptionMoneyClass* pItem = new (std::nothrow) CConsumptionMoneyClass;
    if (pItem)
        pSeries->Add(pItem);
    else
        calc.FailCalc(CALC_OUT_OF_MEMORY);
    return pItem;
}
