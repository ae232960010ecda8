#include "platform/cdc.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/codepage.h"

namespace {

const LOGFONT kDefaultFont{};
const LOGPEN kDefaultPen{};
const CBrush kDefaultBrush;

// Logical units per millimetre of a metric mapping mode, 0 for MM_TEXT.
int UnitsPerMm(int nMapMode)
{
    switch (nMapMode) {
    case MM_HIMETRIC: return 100;
    case MM_LOMETRIC: return 10;
    default: return 0;
    }
}

} // namespace

BOOL CFont::CreateFontIndirect(const LOGFONT* pLogFont)
{
    if (!pLogFont || m_bCreated) return FALSE;
    m_lf = *pLogFont;
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, const char* pszFacename)
{
    LOGFONT lf;
    lf.lfHeight = nHeight;
    lf.lfWidth = nWidth;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nOrientation;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfStrikeOut = cStrikeOut;
    lf.lfCharSet = nCharSet;
    lf.lfOutPrecision = nOutPrecision;
    lf.lfClipPrecision = nClipPrecision;
    lf.lfQuality = nQuality;
    lf.lfPitchAndFamily = nPitchAndFamily;
    if (pszFacename) std::strncpy(lf.lfFaceName, pszFacename, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CPen::CreatePen(UINT nPenStyle, int nWidth, COLORREF crColor)
{
    LOGPEN lp;
    lp.lopnStyle = nPenStyle;
    lp.lopnWidth.x = nWidth;
    lp.lopnColor = crColor;
    return CreatePenIndirect(&lp);
}

BOOL CPen::CreatePenIndirect(const LOGPEN* pLogPen)
{
    if (!pLogPen || m_bCreated) return FALSE;
    m_lp = *pLogPen;
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    if (m_bCreated) return FALSE;
    m_nStyle = BS_SOLID;
    m_crColor = crColor;
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    if (m_bCreated) return FALSE;
    m_nStyle = BS_HATCHED;
    m_nHatch = nIndex;
    m_crColor = crColor;
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CBrush::CreateNullBrush()
{
    if (m_bCreated) return FALSE;
    m_nStyle = BS_NULL;
    m_bCreated = TRUE;
    return TRUE;
}

CDC::CDC() = default;

int CDC::SetMapMode(int nMapMode)
{
    int old = m_state.nMapMode;
    m_state.nMapMode = nMapMode;
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    CPoint old = m_state.ptWindowOrg;
    m_state.ptWindowOrg = CPoint(x, y);
    return old;
}

CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    CPoint old = m_state.ptWindowOrg;
    return SetWindowOrg(old.x + dx, old.y + dy);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint old = m_state.ptViewportOrg;
    m_state.ptViewportOrg = CPoint(x, y);
    return old;
}

double CDC::ScaleX() const
{
    int units = UnitsPerMm(m_state.nMapMode);
    return units ? GetDeviceCaps(LOGPIXELSX) / (25.4 * units) : 1.0;
}

double CDC::ScaleY() const
{
    int units = UnitsPerMm(m_state.nMapMode);
    return units ? -GetDeviceCaps(LOGPIXELSY) / (25.4 * units) : 1.0;
}

void CDC::LPtoDP(POINT* pts, int n) const
{
    const double sx = ScaleX(), sy = ScaleY();
    for (int i = 0; i < n; ++i) {
        double x = (pts[i].x - m_state.ptWindowOrg.x) * sx + m_state.ptViewportOrg.x;
        double y = (pts[i].y - m_state.ptWindowOrg.y) * sy + m_state.ptViewportOrg.y;
        pts[i].x = LONG(x < 0 ? x - 0.5 : x + 0.5);
        pts[i].y = LONG(y < 0 ? y - 0.5 : y + 0.5);
    }
}

void CDC::DPtoLP(POINT* pts, int n) const
{
    const double sx = ScaleX(), sy = ScaleY();
    for (int i = 0; i < n; ++i) {
        double x = (pts[i].x - m_state.ptViewportOrg.x) / sx + m_state.ptWindowOrg.x;
        double y = (pts[i].y - m_state.ptViewportOrg.y) / sy + m_state.ptWindowOrg.y;
        pts[i].x = LONG(x < 0 ? x - 0.5 : x + 0.5);
        pts[i].y = LONG(y < 0 ? y - 0.5 : y + 0.5);
    }
}

CFont* CDC::SelectObject(CFont* pFont)
{
    CFont* old = m_state.pFont;
    m_state.pFont = pFont;
    return old;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    CPen* old = m_state.pPen;
    m_state.pPen = pPen;
    return old;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    CBrush* old = m_state.pBrush;
    m_state.pBrush = pBrush;
    return old;
}

const LOGFONT& CDC::GetCurrentLogFont() const
{
    return m_state.pFont ? m_state.pFont->GetLogFont() : kDefaultFont;
}

const LOGPEN& CDC::GetCurrentLogPen() const
{
    return m_state.pPen ? m_state.pPen->GetLogPen() : kDefaultPen;
}

const CBrush& CDC::GetCurrentBrush() const
{
    return m_state.pBrush ? *m_state.pBrush : kDefaultBrush;
}

CPoint CDC::MoveTo(int x, int y)
{
    CPoint old = m_ptCurrent;
    m_ptCurrent = CPoint(x, y);
    return old;
}

BOOL CDC::LineTo(int x, int y)
{
    BOOL ok = DoLine(m_ptCurrent, CPoint(x, y));
    m_ptCurrent = CPoint(x, y);
    return ok;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return DoRectangle(CRect(x1, y1, x2, y2), GetCurrentBrush().GetStyle() != BS_NULL,
                       GetCurrentLogPen().lopnStyle != PS_NULL);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return DoEllipse(CRect(x1, y1, x2, y2));
}

BOOL CDC::Polyline(const POINT* pts, int nCount)
{
    if (!pts || nCount < 2) return FALSE;
    return DoPolyline(std::vector<POINT>(pts, pts + nCount), false);
}

BOOL CDC::Polygon(const POINT* pts, int nCount)
{
    if (!pts || nCount < 2) return FALSE;
    return DoPolyline(std::vector<POINT>(pts, pts + nCount), true);
}

void CDC::FillRect(const RECT* prc, CBrush* pBrush)
{
    if (prc && pBrush && pBrush->GetStyle() != BS_NULL) DoFillRect(*prc, pBrush->GetColor());
}

void CDC::FillSolidRect(const RECT* prc, COLORREF crColor)
{
    if (prc) DoFillRect(*prc, crColor);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    DoFillRect(CRect(x, y, x + cx, y + cy), crColor);
}

BOOL CDC::StretchImage(const RECT* prc, const QImage& image)
{
    return prc ? DoImage(*prc, image) : FALSE;
}

BOOL CDC::DoTextMetrics(TEXTMETRIC* ptm) const
{
    const LOGFONT& lf = GetCurrentLogFont();
    int height = std::abs(lf.lfHeight);
    if (height == 0) {
        const int units = UnitsPerMm(m_state.nMapMode);
        height = units ? MulDiv(10, 254 * units / 10, 72) : MulDiv(10, GetDeviceCaps(LOGPIXELSY), 72);
    }
    ptm->tmHeight = height;
    ptm->tmDescent = height / 8;
    ptm->tmAscent = height - ptm->tmDescent;
    ptm->tmAveCharWidth = lf.lfWidth > 0 ? lf.lfWidth : height / 2;
    ptm->tmMaxCharWidth = 2 * ptm->tmAveCharWidth;
    return TRUE;
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* ptm) const
{
    return ptm ? DoTextMetrics(ptm) : FALSE;
}

std::vector<int> CDC::DefaultAdvances(const char* pch, int nCount) const
{
    TEXTMETRIC tm;
    DoTextMetrics(&tm);
    std::vector<int> advances(std::max(nCount, 0), tm.tmAveCharWidth);
    for (int i = 0; i < nCount; ++i) {
        if (IsCP932LeadByte((unsigned char)pch[i]) && i + 1 < nCount) {
            advances[i] = 2 * tm.tmAveCharWidth;
            advances[++i] = 0;
        }
    }
    return advances;
}

CSize CDC::GetTextExtent(const char* pch, int nCount) const
{
    TEXTMETRIC tm;
    DoTextMetrics(&tm);
    int cx = 0;
    if (pch)
        for (int a : DefaultAdvances(pch, nCount)) cx += a;
    return CSize(cx, tm.tmHeight);
}

BOOL CDC::GetTextExtentPoint32(const char* pch, int nCount, SIZE* pSize) const
{
    if (!pSize) return FALSE;
    *pSize = GetTextExtent(pch, nCount);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const char* pch, int nCount)
{
    return ExtTextOut(x, y, 0, nullptr, pch, nCount, nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, const RECT* prc, const char* pch, UINT nCount,
                     const int* pDx)
{
    if (!pch) return FALSE;
    std::vector<int> advances = pDx ? std::vector<int>(pDx, pDx + nCount) : DefaultAdvances(pch, int(nCount));
    int width = 0;
    for (int a : advances) width += a;
    // Reference point: the text alignment picks which edge x names.
    if ((m_state.nTextAlign & TA_CENTER) == TA_CENTER) x -= width / 2;
    else if (m_state.nTextAlign & TA_RIGHT) x -= width;
    if (m_state.nTextAlign & (TA_BOTTOM | TA_BASELINE)) {
        TEXTMETRIC tm;
        DoTextMetrics(&tm);
        int lift = (m_state.nTextAlign & TA_BASELINE) == TA_BASELINE ? tm.tmAscent : tm.tmHeight;
        y += ScaleY() < 0 ? lift : -lift;
    }
    if ((nOptions & ETO_OPAQUE) && prc) DoFillRect(*prc, m_state.crBk);
    return DoText(x, y, pch, int(nCount), advances, (nOptions & ETO_CLIPPED) ? prc : nullptr);
}

int CDC::DrawText(const CString& str, RECT* prc, UINT nFormat)
{
    if (!prc) return 0;
    TEXTMETRIC tm;
    DoTextMetrics(&tm);
    // Lines in the rectangle; y grows down in MM_TEXT, up in the metric modes.
    const int dir = ScaleY() < 0 ? -1 : 1;
    std::vector<CString> lines;
    if (nFormat & DT_SINGLELINE) {
        lines.push_back(str);
    } else {
        int start = 0;
        for (int pos; (pos = str.Find('\n', start)) >= 0; start = pos + 1) lines.push_back(str.Mid(start, pos - start));
        lines.push_back(str.Mid(start));
    }
    const int textHeight = tm.tmHeight * int(lines.size());
    int widest = 0;
    for (const CString& line : lines) widest = std::max<int>(widest, GetTextExtent(line).cx);
    if (nFormat & DT_CALCRECT) {
        prc->right = prc->left + widest;
        prc->bottom = prc->top + dir * textHeight;
        return textHeight;
    }
    const int boxHeight = std::abs(prc->bottom - prc->top);
    int y = prc->top;
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER) y = prc->top + dir * ((boxHeight - tm.tmHeight) / 2);
        else if (nFormat & DT_BOTTOM) y = prc->bottom - dir * tm.tmHeight;
    }
    const UINT savedAlign = SetTextAlign(TA_TOP | TA_LEFT);
    for (const CString& line : lines) {
        int width = GetTextExtent(line).cx;
        int x = prc->left;
        if (nFormat & DT_CENTER) x = prc->left + (prc->right - prc->left - width) / 2;
        else if (nFormat & DT_RIGHT) x = prc->right - width;
        ExtTextOut(x, y, (nFormat & DT_NOCLIP) ? 0 : ETO_CLIPPED, prc, line, line.GetLength(), nullptr);
        y += dir * tm.tmHeight;
    }
    SetTextAlign(savedAlign);
    return textHeight;
}

COLORREF CDC::SetTextColor(COLORREF cr)
{
    COLORREF old = m_state.crText;
    m_state.crText = cr;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF cr)
{
    COLORREF old = m_state.crBk;
    m_state.crBk = cr;
    return old;
}

int CDC::SetBkMode(int nMode)
{
    int old = m_state.nBkMode;
    m_state.nBkMode = nMode;
    return old;
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    UINT old = m_state.nTextAlign;
    m_state.nTextAlign = nFlags;
    return old;
}

BOOL CDC::RectVisible(const RECT* prc) const
{
    return prc ? DoRectVisible(*prc) : FALSE;
}

int CDC::SaveDC()
{
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    int index = nSavedDC < 0 ? int(m_saved.size()) + nSavedDC : nSavedDC - 1;
    if (index < 0 || index >= int(m_saved.size())) return FALSE;
    m_state = m_saved[index];
    m_saved.resize(index);
    return TRUE;
}
