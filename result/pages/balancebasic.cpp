#include "result/pages/balancebasic.h"

CResultBalanceBasicClass::CResultBalanceBasicClass()
{
    InitData();
}

void CResultBalanceBasicClass::InitData()
{
    CResultBaseClass::InitData();
    m_nYieldFormula = 0;
}

// Stand-in until the page is built: it draws nothing.
void CResultBalanceBasicClass::ReportDraw(CDC*)
{
}
