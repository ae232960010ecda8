// Summary table.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::MakeBalanceOutline()
{
    return TRUE;
}

// Stand-in until this export section is built: writes nothing.
void CTavCalcClass::TextOutLine()
{
}
