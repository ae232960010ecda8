// Loan repayment lists: loans 1 to 8, the automatic loan and the shortfall loan.
#include "result/calc/tavcalc.h"

// Stand-ins until these lists are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcChangeLoan(int)
{
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeAutoLoan()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcShortLoan(int)
{
    return TRUE;
}
