// Pieces shared by the sheets of the rental, loan, funding and other-income
// records: cell filling, and drawing the blocks of sub-records one below
// another.
#pragma once

#include <initializer_list>

#include "data/dataclass.h"
#include "data/datarate.h"
#include "sheet/sheetlayout.h"

// Six cells from nFirst + 6 s for each step s of a change schedule: start,
// end and interval years, rate, and the rise and fall ticks.
BOOL SetScheduleCells(CObArray* pArray, int nFirst, const CDataRateClass& schedule);

// Draws the texts of labels, or the texts and ticks of value cells.
void DrawLabelCells(CObArray* pArray, CDC* pDC);
void DrawValueCells(CObArray* pArray, CDC* pDC);

