#include "data/dataclass.h"

#include "platform/resource.h"

CTavDataClassApp TavrinDataDLL;

void SetDataPrintFont(LOGFONT* p)
{
    if (p) TavrinDataDLL.m_lfFont = *p;
}

void SetDataPrintTitleFont(LOGFONT* p)
{
    if (p) TavrinDataDLL.m_lfTitleFont = *p;
}

void SetDataPrintPen(LOGPEN* p)
{
    if (p) TavrinDataDLL.m_lpPen = *p;
}

void SetDataPrintFramePen(LOGPEN* p)
{
    if (p) TavrinDataDLL.m_lpFramePen = *p;
}

LOGFONT* GetDataPrintFont() { return &TavrinDataDLL.m_lfFont; }
LOGFONT* GetDataPrintTitleFont() { return &TavrinDataDLL.m_lfTitleFont; }
LOGPEN* GetDataPrintPen() { return &TavrinDataDLL.m_lpPen; }
LOGPEN* GetDataPrintFramePen() { return &TavrinDataDLL.m_lpFramePen; }

BOOL CreateDataPrintFonts(CFont& font, CFont& titleFont)
{
    return TavrinDataDLL.CreateFonts(font, titleFont);
}

BOOL CreateDataPrintPens(CPen& pen, CPen& framePen)
{
    return TavrinDataDLL.CreatePens(pen, framePen);
}

CString LoadDataString(UINT nID)
{
    return LoadModuleString("TavDataClass.DLL", nID);
}

void DrawSubRecord(CDC* pDC, CDataClass& sub, int nValuesFlag)
{
    sub.SetPrintFlag(4, nValuesFlag);
    sub.ReportDraw(pDC);
}
