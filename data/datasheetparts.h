// Cells of the data sheets that print a rise/fall schedule.
#pragma once

#include "data/datarate.h"
#include "sheet/sheetlayout.h"

// Six cells from nFirst + 6 s for each step s of a change schedule: start,
// end and interval years, rate, and the rise and fall ticks.
BOOL SetScheduleCells(CObArray* pArray, int nFirst, const CDataRateClass& schedule);
