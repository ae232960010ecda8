// Reading and extending the engine's yearly series.
#pragma once

#include <new>

#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"

// The item at nIndex of a series; null when the series or the item is missing.
inline CConsumptionMoneyClass* SeriesItem(const CDeleteObArray* pSeries, int nIndex)
{
    return pSeries ? static_cast<CConsumptionMoneyClass*>(pSeries->GetAt(nIndex)) : nullptr;
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
