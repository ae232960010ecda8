// The result library's print settings: one set for the whole process, all
// zero until the program hands them over before a drawing.
#pragma once

#include "platform/cwinapp.h"
#include "sheet/printsettings.h"

// The result library's application object: the four print settings and the paper code.
class CTavResultClassApp : public CWinApp, public CSheetPrintSettings {
public:
    CTavResultClassApp() : CWinApp(nullptr) {}

    int m_nPaperSize = 0; // the printer's paper constant (9 A4, 12 B4); kept, not read
};

extern CTavResultClassApp TavrinResultDLL;

// Each setter copies the whole structure; a null pointer changes nothing.
void SetResultPrintFont(LOGFONT* p);
void SetResultPrintTitleFont(LOGFONT* p);
void SetResultPrintPen(LOGPEN* p);
void SetResultPrintFramePen(LOGPEN* p);
LOGFONT* GetResultPrintFont();
LOGFONT* GetResultPrintTitleFont();
LOGPEN* GetResultPrintPen();
LOGPEN* GetResultPrintFramePen();
void SetPaperSize(int nPaperSize);

// The print fonts and pens made for one drawing and selected into the device
// context: the body font and the line or frame pen. The previous font and pen
// are selected again when the scope ends. Nothing is selected when a font or
// pen cannot be made.
class CResultPrintScope {
public:
    CResultPrintScope(CDC* pDC, BOOL bFramePen);
    ~CResultPrintScope();
    CResultPrintScope(const CResultPrintScope&) = delete;
    CResultPrintScope& operator=(const CResultPrintScope&) = delete;
    BOOL IsReady() const { return m_bReady; }
    // Lines lower than the body font's cell (a big font on a small sheet)
    // get the body font at the line's height, so that the texts stay
    // between the rules; the widths measured before stay.
    void FitBodyFont(int nLineHeight);

    CFont m_font;
    CFont m_fittedFont;
    CFont m_titleFont;
    CPen m_pen;
    CPen m_framePen;

private:
    CDC* m_pDC;
    CFont* m_pOldFont = nullptr;
    CPen* m_pOldPen = nullptr;
    BOOL m_bReady = FALSE;
};

// String nID of the result library's own table, whatever module is current.
CString LoadResultString(UINT nID);

// Body and title font from the settings; FALSE with nothing created when either fails.
BOOL CreateResultPrintFont(CFont* pBody, CFont* pTitle);
// Line and frame pen from the settings, likewise.
BOOL CreateResultPrintPen(CPen* pLine, CPen* pFrame);
