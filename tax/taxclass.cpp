#include "tax/taxclass.h"

#include "platform/resource.h"

namespace {

CTavTaxClassApp theApp;

} // namespace

void SetTaxPrintFont(LOGFONT* p)
{
    if (p) theApp.m_lfFont = *p;
}

void SetTaxPrintTitleFont(LOGFONT* p)
{
    if (p) theApp.m_lfTitleFont = *p;
}

void SetTaxPrintPen(LOGPEN* p)
{
    if (p) theApp.m_lpPen = *p;
}

void SetTaxPrintFramePen(LOGPEN* p)
{
    if (p) theApp.m_lpFramePen = *p;
}

LOGFONT* GetTaxPrintFont() { return &theApp.m_lfFont; }
LOGFONT* GetTaxPrintTitleFont() { return &theApp.m_lfTitleFont; }
LOGPEN* GetTaxPrintPen() { return &theApp.m_lpPen; }
LOGPEN* GetTaxPrintFramePen() { return &theApp.m_lpFramePen; }

BOOL CreateTaxPrintFonts(CFont& font, CFont& titleFont)
{
    return theApp.CreateFonts(font, titleFont);
}

BOOL CreateTaxPrintPens(CPen& pen, CPen& framePen)
{
    return theApp.CreatePens(pen, framePen);
}

CString LoadTaxString(UINT nID)
{
    return LoadModuleString("TavTaxClass.DLL", nID);
}
