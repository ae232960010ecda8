// Depreciation and capital expenditure tables.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::MakeDepreciationData()
{
    return TRUE;
}

BOOL CTavCalcClass::MakeCapitalpayData()
{
    return TRUE;
}

BOOL CTavCalcClass::MakeCapitalpayLoanData()
{
    return TRUE;
}
