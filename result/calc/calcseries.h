// Reading and extending the engine's yearly series.
#pragma once

#include <new>
#include <type_traits>

#include "platform/cobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"

// Element nIndex of a series as T; null when the series or the element is
// missing or of another type.
template <class T = CConsumptionMoneyClass>
T* SeriesItem(const CObArray* pSeries, int nIndex)
{
    return pSeries ? ResultItemCast<T>(pSeries->GetAt(nIndex)) : nullptr;
}

// Net part plus tax of element nIndex; 0 when it is missing.
inline double SeriesMoney(const CObArray* pSeries, int nIndex)
{
    const CConsumptionMoneyClass* p = SeriesItem(pSeries, nIndex);
    return p ? p->m_dNetMoney + p->m_dTaxMoney : 0.0;
}

// Appends a zero item of type T; null with status 13002 when memory runs out.
template <class T = CConsumptionMoneyClass>
T* AppendSeriesItem(CTavCalcClass& calc, CObArray* pSeries)
{
    static_assert(std::is_base_of_v<CResultObjectClass, T>);
    T* pItem = calc.m_stock.Take<T>();
    if (pItem) {
        try {
            pSeries->Add(pItem);
            return pItem;
        } catch (const std::bad_alloc&) {
            delete pItem;
        }
    }
    calc.FailCalc(CALC_OUT_OF_MEMORY);
    return nullptr;
}

// Appends a zero item of type T for each year 0 to N; FALSE with 13002 when
// memory runs out.
template <class T>
BOOL AppendYearItems(CTavCalcClass& calc, CObArray* pSeries)
{
    for (int y = 0; y <= calc.m_objCalcYear.nCalcYear; ++y)
        if (!AppendSeriesItem<T>(calc, pSeries)) return FALSE;
    return TRUE;
}
