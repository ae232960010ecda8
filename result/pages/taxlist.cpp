#include "result/pages/taxlist.h"

// Stand-in until the page is built: it draws nothing.
void CResultBalanceTaxClass::ReportDraw(CDC*)
{
}
