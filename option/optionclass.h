// Base of every option record: the record base for 30 pages with the option
// library's string table and print settings. An option sheet moves the origin
// down by its own height after drawing, so sheets stack on a page.
#pragma once

#include "platform/cwinapp.h"
#include "sheet/printrecord.h"
#include "sheet/printsettings.h"

class CTavOptionClassApp : public CWinApp, public CSheetPrintSettings {
public:
    CTavOptionClassApp() : CWinApp(nullptr) {}
};

void SetOptionPrintFont(LOGFONT* p);
void SetOptionPrintTitleFont(LOGFONT* p);
void SetOptionPrintPen(LOGPEN* p);
void SetOptionPrintFramePen(LOGPEN* p);
LOGFONT* GetOptionPrintFont();
LOGFONT* GetOptionPrintTitleFont();
LOGPEN* GetOptionPrintPen();
LOGPEN* GetOptionPrintFramePen();

BOOL CreateOptionPrintFonts(CFont& font, CFont& titleFont);
BOOL CreateOptionPrintPens(CPen& pen, CPen& framePen);
// String nID of the option library's own table, whatever module is current.
CString LoadOptionString(UINT nID);

struct COptionSheetLibrary {
    static CString LoadString(UINT nID) { return LoadOptionString(nID); }
    static BOOL CreatePrintFonts(CFont& font, CFont& titleFont) { return CreateOptionPrintFonts(font, titleFont); }
    static BOOL CreatePrintPens(CPen& pen, CPen& framePen) { return CreateOptionPrintPens(pen, framePen); }
};

class COptionClass : public TPrintRecord<30, COptionSheetLibrary> {
private:
    // Option records have no print flag setter; the print code writes the flags.
    using TPrintRecord::SetPrintFlag;
};
