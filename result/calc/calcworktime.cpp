// The construction period, running costs, loans, depreciation and outside lines laid into the years.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcWorkTime()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcCost()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcLoan()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcAutoLoan()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcDepreciationCost()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcRestOther()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcWorkTimeBalance()
{
    return TRUE;
}
