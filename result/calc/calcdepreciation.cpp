// Depreciation, capital expenditure and start-up amortisation.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcDepreciation()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcStartRepay()
{
    return TRUE;
}
