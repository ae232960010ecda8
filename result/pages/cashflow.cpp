#include "result/pages/cashflow.h"

// Stand-in until the page is built: it draws nothing.
void CResultBalanceCapitalClass::ReportDraw(CDC*)
{
}
