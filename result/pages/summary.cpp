#include "result/pages/summary.h"

CResultBalanceOutlineClass::CResultBalanceOutlineClass()
{
    InitData();
}

void CResultBalanceOutlineClass::InitData()
{
    CResultBaseClass::InitData();
    for (auto& texts : m_aastrMilestone)
        for (CString& str : texts) str.Empty();
}

// Stand-in until the page is built: it draws nothing.
void CResultBalanceOutlineClass::ReportDraw(CDC*)
{
}
