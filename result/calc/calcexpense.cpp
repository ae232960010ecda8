// Construction funds, their financing and accounting treatment.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcExpense()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcExpenseAll()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcExpenseManage()
{
    return TRUE;
}
