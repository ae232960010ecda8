// Rental incomes per category and year.
#include "result/calc/tavcalc.h"

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcHouseRentalIncome()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcCommonIncome()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcRewardIncome()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcDepositIncome()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcSecurityIncome()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcRenewalIncome()
{
    return TRUE;
}

BOOL CTavCalcClass::CalcOtherIncome()
{
    return TRUE;
}
