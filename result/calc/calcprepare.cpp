// Preparation of ratios and the yearly change schedules.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcPreparation()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcChnageMoney()
{
    return TRUE;
}
