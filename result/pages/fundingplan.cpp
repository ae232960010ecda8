#include "result/pages/fundingplan.h"

// Stand-in until the page is built: it draws nothing.
void CResultBalanceCapitalPlanClass::ReportDraw(CDC*)
{
}
