#include "result/pages/rentalbasic.h"

// Stand-in until the page is built: it draws nothing.
void CResultRentalBasicClass::ReportDraw(CDC*)
{
}
