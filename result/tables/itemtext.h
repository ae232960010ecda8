// Texts shared by the recurring and rental tables and their export sections:
// number forms, labels looked up by a stored value, schedule steps and the
// rows of an item page.
#pragma once

#include <initializer_list>
#include <new>

#include "data/datarate.h"
#include "result/calc/calcseries.h"
#include "result/calc/tavcalc.h"
#include "result/pages/pagerow.h"

// All six decimals, trailing zeros and a bare point dropped; not rounded.
CString PlainNumber(double dValue);
// Two decimals, trailing zeros dropped.
CString RateNumber(double dValue);
// Two decimals kept.
CString AreaNumber(double dValue);
// The whole part of a value, INT_MIN or INT_MAX beyond the int range and 0
// for NaN.
int SaturateToInt(double dValue);
// String nFirst + nValue of the result library when nValue is 0 to nLast;
// an empty text for any other stored value.
CString IndexedResultString(UINT nFirst, int nValue, int nLast);
// "上昇" or "下降" by a step's decrease flag.
CString DirectionLabel(int bDecrease);
// The money cell of element nIndex of a series; empty when it is missing.
CString SeriesMoneyCell(CTavCalcClass& calc, const CObArray* pSeries, int nIndex);

// A step from its first year to its last that changes every nInterval years.
inline BOOL IsScheduleStepSet(const tagDATARATE& step)
{
    return step.nStartYear != 0 && step.nInterval != 0;
}
// A step whose last year is below its first runs to the end of the calculation.
inline BOOL IsOpenStep(const tagDATARATE& step)
{
    return step.nStartYear > step.nEndYear;
}

// One export line of the cells given.
void WriteCells(CTavCalcClass& calc, std::initializer_list<CString> cells);
// nLines empty export lines.
void WriteEmptyLines(CTavCalcClass& calc, int nLines);

// The schedule as lines of a table cell: three per step (period and interval,
// rate, direction), three empty ones per unused step; an open step ends the
// schedule with one group of empty lines more than steps remain.
CString ScheduleBlockText(const CDataRateClass& rate);
// The schedule as four export lines, one per step: an empty cell, the period,
// the interval, the rate and the direction; empty lines for unused steps and
// for the steps after an open one.
void WriteScheduleLines(CTavCalcClass& calc, const CDataRateClass& rate);

// Empties the page and appends nRows new rows of type Row; FALSE with 13002
// when memory runs out (the rows appended so far stay).
template <class Row>
BOOL CreatePageRows(CTavCalcClass& calc, CResultBaseClass& page, int nRows)
{
    page.DestroyData();
    page.CreateData();
    if (!page.m_pItemArray) return calc.FailCalc(CALC_OUT_OF_MEMORY);
    for (int i = 0; i < nRows; ++i)
        if (!AppendSeriesItem<Row>(calc, page.m_pItemArray)) return FALSE;
    return TRUE;
}
