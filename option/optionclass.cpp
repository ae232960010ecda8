#include "option/optionclass.h"

#include "platform/resource.h"

namespace {

CTavOptionClassApp theApp;

} // namespace

void SetOptionPrintFont(LOGFONT* p)
{
    if (p) theApp.m_lfFont = *p;
}

void SetOptionPrintTitleFont(LOGFONT* p)
{
    if (p) theApp.m_lfTitleFont = *p;
}

void SetOptionPrintPen(LOGPEN* p)
{
    if (p) theApp.m_lpPen = *p;
}

void SetOptionPrintFramePen(LOGPEN* p)
{
    if (p) theApp.m_lpFramePen = *p;
}

LOGFONT* GetOptionPrintFont() { return &theApp.m_lfFont; }
LOGFONT* GetOptionPrintTitleFont() { return &theApp.m_lfTitleFont; }
LOGPEN* GetOptionPrintPen() { return &theApp.m_lpPen; }
LOGPEN* GetOptionPrintFramePen() { return &theApp.m_lpFramePen; }

BOOL CreateOptionPrintFonts(CFont& font, CFont& titleFont)
{
    return theApp.CreateFonts(font, titleFont);
}

BOOL CreateOptionPrintPens(CPen& pen, CPen& framePen)
{
    return theApp.CreatePens(pen, framePen);
}

CString LoadOptionString(UINT nID)
{
    return LoadModuleString("TavOptionClass.DLL", nID);
}
