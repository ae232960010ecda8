#include "result/pages/balancesheet.h"

// Stand-in until the page is built: it draws nothing.
void CResultBalanceSummaryClass::ReportDraw(CDC*)
{
}
