#include "result/pages/premisecolumns.h"

CResultDepreciationDataClass::CResultDepreciationDataClass()
{
    InitData();
}

void CResultDepreciationDataClass::InitData()
{
    CResultBaseClass::InitData();
    m_strBookValueTitle.Empty();
}

// Stand-ins until the pages are built: they draw nothing.
void CResultDepreciationDataClass::ReportDraw(CDC*)
{
}

void CResultCapitalpayDataClass::ReportDraw(CDC*)
{
}

void CResultCapitalpayLoanDataClass::ReportDraw(CDC*)
{
}

void CResultTaxDataClass::ReportDraw(CDC*)
{
}

void CResultProRestOtherDataClass::ReportDraw(CDC*)
{
}

void CResultRestOtherDataClass::ReportDraw(CDC*)
{
}
