// Texts shared by the recurring and rental tables and their export sections
// beside those of premisetext.h: direction labels, series cells, empty lines
// and the rows of an item page.
#pragma once

#include <initializer_list>
#include <new>

#include "data/datarate.h"
#include "result/calc/calcseries.h"
#include "result/calc/tavcalc.h"
#include "result/pages/pagerow.h"
#include "result/tables/premisetext.h"

// The whole part of a value, INT_MIN or INT_MAX beyond the int range and 0
// for NaN.
int SaturateToInt(double dValue);
// "上昇" or "下降" by a step's decrease flag.
CString DirectionLabel(int bDecrease);
// The money cell of element nIndex of a series; empty when it is missing.
CString SeriesMoneyCell(CTavCalcClass& calc, const CObArray* pSeries, int nIndex);

// nLines empty export lines.
void WriteEmptyLines(CTavCalcClass& calc, int nLines);

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
