// Graph data and axis ranges.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::MakeGraphOutline()
{
    return TRUE;
}

BOOL CTavCalcClass::MakeGraphLoan()
{
    return TRUE;
}

BOOL CTavCalcClass::MakeGraphCapital()
{
    return TRUE;
}
