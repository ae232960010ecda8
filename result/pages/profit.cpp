#include "result/pages/profit.h"

// Stand-in until the page is built: it draws nothing.
void CResultBalanceProfitClass::ReportDraw(CDC*)
{
}
