// Other premises and outside-project tables.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::MakeProRestOtherData()
{
    return TRUE;
}

BOOL CTavCalcClass::MakeRestOtherData()
{
    return TRUE;
}

// Stand-in until this export section is built: writes nothing.
void CTavCalcClass::TextBasic2()
{
}
