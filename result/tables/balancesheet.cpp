// Condensed balance sheet table.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::MakeBalanceSummary()
{
    return TRUE;
}

// Stand-in until this export section is built: writes nothing.
void CTavCalcClass::TextBs()
{
}
