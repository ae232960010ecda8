// Yearly taxes and the cash balance of one operating year.
#include "result/calc/tavcalc.h"

// Stand-in until this step is built: it succeeds and changes nothing.
BOOL CTavCalcClass::CalcYearBalance(int)
{
    return TRUE;
}
