#include "result/pages/constructfinancing.h"

// Stand-in until the page is built: it draws nothing.
void CResultSupplyDataClass::ReportDraw(CDC*)
{
}
