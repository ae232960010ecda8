// Property and city-planning tax bases and yearly taxes.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcTaxMoney()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcAlwaysTax()
{
    return TRUE;
}
