#include "result/pages/currentincome.h"

// Stand-in until the page is built: it draws nothing.
void CResultCurrentIncomeClass::ReportDraw(CDC*)
{
}
