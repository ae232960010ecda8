#include "result/pages/constructfunds.h"

// Stand-in until the page is built: it draws nothing.
void CResultExpenseMoneyDataClass::ReportDraw(CDC*)
{
}
