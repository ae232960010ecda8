#include "result/pages/premisebasic.h"

// Stand-ins until the pages are built: they draw nothing.
void CResultBasicDataClass::ReportDraw(CDC*)
{
}

void CResultOutlineDataClass::ReportDraw(CDC*)
{
}
