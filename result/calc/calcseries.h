// Reading the engine's yearly series: an element by index, a missing one as
// null or as 0.
#pragma once

#include "platform/cobject.h"
#include "result/calc/consumption.h"

// Element nIndex of a series as T; null when the series or the element is
// missing or of another type.
template <class T>
T* SeriesItem(const CObArray* pSeries, int nIndex)
{
    return pSeries ? dynamic_cast<T*>(pSeries->GetAt(nIndex)) : nullptr;
}

// Net part plus tax of element nIndex; 0 when it is missing.
inline double SeriesMoney(const CObArray* pSeries, int nIndex)
{
    const CConsumptionMoneyClass* p = SeriesItem<CConsumptionMoneyClass>(pSeries, nIndex);
    return p ? p->m_dNetMoney + p->m_dTaxMoney : 0.0;
}
