// Basic conditions and building outline tables.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::MakeBasicData()
{
    return TRUE;
}

BOOL CTavCalcClass::MakeOutlineData()
{
    return TRUE;
}

// Stand-in until this export section is built: writes nothing.
void CTavCalcClass::TextBasic()
{
}
