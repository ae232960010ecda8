// Base of every tax-rate record: the data record base with the tax library's
// string table and print settings. A tax sheet moves the origin down by its
// own height after drawing, so sheets stack on a page.
#pragma once

#include "platform/cwinapp.h"
#include "sheet/printrecord.h"
#include "sheet/printsettings.h"

class CTavTaxClassApp : public CWinApp, public CSheetPrintSettings {
public:
    CTavTaxClassApp() : CWinApp(nullptr) {}
};

void SetTaxPrintFont(LOGFONT* p);
void SetTaxPrintTitleFont(LOGFONT* p);
void SetTaxPrintPen(LOGPEN* p);
void SetTaxPrintFramePen(LOGPEN* p);
LOGFONT* GetTaxPrintFont();
LOGFONT* GetTaxPrintTitleFont();
LOGPEN* GetTaxPrintPen();
LOGPEN* GetTaxPrintFramePen();

BOOL CreateTaxPrintFonts(CFont& font, CFont& titleFont);
BOOL CreateTaxPrintPens(CPen& pen, CPen& framePen);
// String nID of the tax library's own table, whatever module is current.
CString LoadTaxString(UINT nID);

struct CTaxSheetLibrary {
    static CString LoadString(UINT nID) { return LoadTaxString(nID); }
    static BOOL CreatePrintFonts(CFont& font, CFont& titleFont) { return CreateTaxPrintFonts(font, titleFont); }
    static BOOL CreatePrintPens(CPen& pen, CPen& framePen) { return CreateTaxPrintPens(pen, framePen); }
};

class CTaxClass : public TPrintRecord<10, CTaxSheetLibrary> {
};
