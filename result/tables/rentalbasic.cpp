// Rental basic items table.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::MakeRentalBasic()
{
    return TRUE;
}

// Stand-in until this export section is built: writes nothing.
void CTavCalcClass::TextRental2()
{
}
