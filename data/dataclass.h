// Base of every project data record: its printed data sheet, the library's
// print settings and its string lookup.
#pragma once

#include "platform/cwinapp.h"
#include "sheet/printrecord.h"
#include "sheet/printsettings.h"

// The data library's application object: the four data-sheet print settings.
class CTavDataClassApp : public CWinApp, public CSheetPrintSettings {
public:
    CTavDataClassApp() : CWinApp(nullptr) {}
};

extern CTavDataClassApp TavrinDataDLL;

void SetDataPrintFont(LOGFONT* p);
void SetDataPrintTitleFont(LOGFONT* p);
void SetDataPrintPen(LOGPEN* p);
void SetDataPrintFramePen(LOGPEN* p);
LOGFONT* GetDataPrintFont();
LOGFONT* GetDataPrintTitleFont();
LOGPEN* GetDataPrintPen();
LOGPEN* GetDataPrintFramePen();

BOOL CreateDataPrintFonts(CFont& font, CFont& titleFont);
BOOL CreateDataPrintPens(CPen& pen, CPen& framePen);
// String nID of the data library's own table, whatever module is current.
CString LoadDataString(UINT nID);

struct CDataSheetLibrary {
    static CString LoadString(UINT nID) { return LoadDataString(nID); }
    static BOOL CreatePrintFonts(CFont& font, CFont& titleFont) { return CreateDataPrintFonts(font, titleFont); }
    static BOOL CreatePrintPens(CPen& pen, CPen& framePen) { return CreateDataPrintPens(pen, framePen); }
};

class CDataClass : public TPrintRecord<10, CDataSheetLibrary> {
};

// Draws a sub-record of a composite sheet with the container's values flag,
// so a blank form stays blank throughout.
void DrawSubRecord(CDC* pDC, CDataClass& sub, int nValuesFlag);
