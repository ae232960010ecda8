#include "result/pages/resultprint.h"

#include "platform/resource.h"

CTavResultClassApp TavrinResultDLL;

void SetResultPrintFont(LOGFONT* p)
{
    if (p) TavrinResultDLL.m_lfFont = *p;
}

void SetResultPrintTitleFont(LOGFONT* p)
{
    if (p) TavrinResultDLL.m_lfTitleFont = *p;
}

void SetResultPrintPen(LOGPEN* p)
{
    if (p) TavrinResultDLL.m_lpPen = *p;
}

void SetResultPrintFramePen(LOGPEN* p)
{
    if (p) TavrinResultDLL.m_lpFramePen = *p;
}

LOGFONT* GetResultPrintFont() { return &TavrinResultDLL.m_lfFont; }
LOGFONT* GetResultPrintTitleFont() { return &TavrinResultDLL.m_lfTitleFont; }
LOGPEN* GetResultPrintPen() { return &TavrinResultDLL.m_lpPen; }
LOGPEN* GetResultPrintFramePen() { return &TavrinResultDLL.m_lpFramePen; }

void SetPaperSize(int nPaperSize)
{
    TavrinResultDLL.m_nPaperSize = nPaperSize;
}

BOOL CreateResultPrintFont(CFont* pBody, CFont* pTitle)
{
    return pBody && pTitle && TavrinResultDLL.CreateFonts(*pBody, *pTitle);
}

BOOL CreateResultPrintPen(CPen* pLine, CPen* pFrame)
{
    return pLine && pFrame && TavrinResultDLL.CreatePens(*pLine, *pFrame);
}

CString LoadResultString(UINT nID)
{
    static const char kModule[] = "TavResultClass.DLL";
    // A registered module stays for good, so it is looked up once.
    static const HINSTANCE hModule = LoadLibrary(kModule);
    if (!hModule) return LoadModuleString(kModule, nID);
    const CString* pText = FindResourceString(hModule, nID);
    return pText ? *pText : CString();
}

CResultPrintScope::CResultPrintScope(CDC* pDC, BOOL bFramePen) : m_pDC(pDC)
{
    if (!pDC || !CreateResultPrintFont(&m_font, &m_titleFont)) return;
    if (!CreateResultPrintPen(&m_pen, &m_framePen)) return;
    m_pOldFont = pDC->SelectObject(&m_font);
    m_pOldPen = pDC->SelectObject(bFramePen ? &m_framePen : &m_pen);
    m_bReady = TRUE;
}

void CResultPrintScope::FitBodyFont(int nLineHeight)
{
    if (!m_bReady || nLineHeight <= 0) return;
    TEXTMETRIC tm;
    m_pDC->GetTextMetrics(&tm);
    if (nLineHeight >= tm.tmHeight) return;
    LOGFONT lf = m_font.GetLogFont();
    lf.lfHeight = nLineHeight;
    if (m_fittedFont.CreateFontIndirect(&lf)) m_pDC->SelectObject(&m_fittedFont);
}

CResultPrintScope::~CResultPrintScope()
{
    if (!m_bReady) return;
    m_pDC->SelectObject(m_pOldFont);
    m_pDC->SelectObject(m_pOldPen);
}
