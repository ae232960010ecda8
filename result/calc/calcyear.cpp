// Yearly taxes and the cash balance of one operating year.
#include "result/calc/tavcalc.h"

#include "app/common/classobject.h"

void CTavCalcClass::CalcBusinessRate(int nApply, double* pdAmount, double* pdRest)
{
    *pdRest = 0.0;
    if (nApply == 1) return;
    const double business = m_pDataClass->m_pDataBasic->dBusinessRatio * 0.01 * *pdAmount;
    *pdRest = *pdAmount - business;
    *pdAmount = business;
}

// Stand-ins until these steps are built: each succeeds and changes nothing.
BOOL CTavCalcClass::CalcYearBalance(int)
{
    return TRUE;
}

BOOL CTavCalcClass::MinusShortLoan(double, int)
{
    return TRUE;
}

BOOL CTavCalcClass::PlusShortLoan(double, int)
{
    return TRUE;
}
