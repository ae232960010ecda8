#include "result/pages/rentaldetail.h"

// Stand-in until the page is built: it draws nothing.
void CResultRentalTypeClass::ReportDraw(CDC*)
{
}
