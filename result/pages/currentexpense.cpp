#include "result/pages/currentexpense.h"

// Stand-in until the page is built: it draws nothing.
void CResultCurrentExpenseClass::ReportDraw(CDC*)
{
}
