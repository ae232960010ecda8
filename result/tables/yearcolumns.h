// The columns of a yearly table page: element 0 the labels, element y + 1
// the cells of calculation year y.
#pragma once

#include "result/calc/tavcalc.h"
#include "result/pages/resultbase.h"
#include "result/pages/resultrows.h"

// Empties the page and gives it the label column and one column per
// calculation year, nLines cells each; FALSE with 13002 when memory runs out.
BOOL CreateYearColumns(CTavCalcClass& calc, CResultBaseClass& page, int nLines);
// Element nIndex of the page's row array; null when it is missing.
CResultStringArrayClass* YearTableColumn(const CResultBaseClass& page, int nIndex);
