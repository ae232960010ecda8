// Device context with fonts, pens and brushes in the framework's manner.
// Logical coordinates map to the device by the mapping mode, the window origin
// and the viewport origin; MM_HIMETRIC and MM_LOMETRIC have y upwards.
#pragma once

#include <vector>

#include "platform/cobject.h"
#include "platform/cstring.h"

class QImage;

class CGdiObject : public CObject {
public:
    BOOL DeleteObject() { BOOL had = m_bCreated; m_bCreated = FALSE; return had; }
    BOOL IsCreated() const { return m_bCreated; }

protected:
    BOOL m_bCreated = FALSE;
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* pLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                    BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, const char* pszFacename);
    const LOGFONT& GetLogFont() const { return m_lf; }

private:
    LOGFONT m_lf;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(UINT nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    BOOL CreatePen(UINT nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePenIndirect(const LOGPEN* pLogPen);
    const LOGPEN& GetLogPen() const { return m_lp; }

private:
    LOGPEN m_lp;
};

constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HATCHED = 2;

// Hatch patterns: "/" lines, a square grid, a diagonal grid.
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateNullBrush();
    // Lines of the colour in pattern nIndex (HS_...) over what lies beneath.
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    UINT GetStyle() const { return m_nStyle; }
    COLORREF GetColor() const { return m_crColor; }
    int GetHatch() const { return m_nHatch; }

private:
    UINT m_nStyle = BS_SOLID;
    int m_nHatch = 0;
    COLORREF m_crColor = RGB(255, 255, 255);
};

class CDC {
public:
    CDC();
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Mapping.
    int SetMapMode(int nMapMode);
    int GetMapMode() const { return m_state.nMapMode; }
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT pt) { return SetWindowOrg(pt.x, pt.y); }
    CPoint GetWindowOrg() const { return m_state.ptWindowOrg; }
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return m_state.ptViewportOrg; }
    void LPtoDP(POINT* pts, int n = 1) const;
    void DPtoLP(POINT* pts, int n = 1) const;
    // Device units (pixels or printer dots) per logical unit along x; y is negative when y is upwards.
    double ScaleX() const;
    double ScaleY() const;

    // Drawing objects; each returns the object selected before.
    CFont* SelectObject(CFont* pFont);
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    const LOGFONT& GetCurrentLogFont() const;
    const LOGPEN& GetCurrentLogPen() const;
    const CBrush& GetCurrentBrush() const;

    // Lines and shapes.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT pt) { return MoveTo(pt.x, pt.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT pt) { return LineTo(pt.x, pt.y); }
    CPoint GetCurrentPosition() const { return m_ptCurrent; }
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(const RECT* prc) { return Rectangle(prc->left, prc->top, prc->right, prc->bottom); }
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Polyline(const POINT* pts, int nCount);
    BOOL Polygon(const POINT* pts, int nCount);
    void FillRect(const RECT* prc, CBrush* pBrush);
    void FillSolidRect(const RECT* prc, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
    // The picture stretched into the rectangle, its first row at prc->top.
    BOOL StretchImage(const RECT* prc, const QImage& image);

    // Text.
    BOOL GetTextMetrics(TEXTMETRIC* ptm) const;
    CSize GetTextExtent(const char* pch, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    BOOL GetTextExtentPoint32(const char* pch, int nCount, SIZE* pSize) const;
    BOOL TextOut(int x, int y, const char* pch, int nCount);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    // Per-byte advances in pDx (0 for a trail byte); ETO_CLIPPED clips to prc.
    BOOL ExtTextOut(int x, int y, UINT nOptions, const RECT* prc, const char* pch, UINT nCount,
                    const int* pDx);
    int DrawText(const CString& str, RECT* prc, UINT nFormat);
    COLORREF SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const { return m_state.crText; }
    COLORREF SetBkColor(COLORREF cr);
    int SetBkMode(int nMode);
    UINT SetTextAlign(UINT nFlags);
    UINT GetTextAlign() const { return m_state.nTextAlign; }

    BOOL RectVisible(const RECT* prc) const;
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);

    // Print job: a device that is no printer takes every call and prints nothing.
    // Each returns a value above 0 on success.
    virtual int StartDoc(const CString& /*strDocName*/) { return 1; }
    // The title that a document file of the job shows, set before StartDoc.
    virtual void SetDocTitle(const CString& /*strTitle*/) {}
    virtual int StartPage() { return 1; }
    virtual int EndPage() { return 1; }
    virtual int EndDoc() { return 1; }
    virtual int AbortDoc() { return 1; }

    BOOL IsPrinting() const { return m_bPrinting; }
    void SetPrinting(BOOL bPrinting) { m_bPrinting = bPrinting; }
    virtual int GetDeviceCaps(int nIndex) const = 0;

protected:
    // Device primitives, in logical coordinates; the state says how to map them.
    virtual BOOL DoLine(POINT from, POINT to) = 0;
    virtual BOOL DoRectangle(const RECT& rc, bool bFill, bool bOutline) = 0;
    virtual BOOL DoEllipse(const RECT& rc) = 0;
    virtual BOOL DoPolyline(const std::vector<POINT>& pts, bool bClosed) = 0;
    virtual void DoFillRect(const RECT& rc, COLORREF crColor) = 0;
    virtual BOOL DoImage(const RECT& rc, const QImage& image) = 0;
    virtual BOOL DoText(int x, int y, const char* pch, int nCount, const std::vector<int>& advances,
                        const RECT* pClip) = 0;
    // Fixed pitch: the cell height is |lfHeight| (a default size for 0), a
    // single-byte character is half of it wide unless lfWidth says otherwise.
    virtual BOOL DoTextMetrics(TEXTMETRIC* ptm) const;
    virtual BOOL DoRectVisible(const RECT& rc) const = 0;

    struct State {
        int nMapMode = MM_TEXT;
        CPoint ptWindowOrg;
        CPoint ptViewportOrg;
        CFont* pFont = nullptr;
        CPen* pPen = nullptr;
        CBrush* pBrush = nullptr;
        COLORREF crText = 0;
        COLORREF crBk = RGB(255, 255, 255);
        int nBkMode = TRANSPARENT;
        UINT nTextAlign = TA_TOP | TA_LEFT;
    };
    const State& GetState() const { return m_state; }
    // Fixed-pitch advances: one average width per single-byte character, two per double-byte.
    std::vector<int> DefaultAdvances(const char* pch, int nCount) const;

private:
    State m_state;
    std::vector<State> m_saved;
    CPoint m_ptCurrent;
    BOOL m_bPrinting = FALSE;
};
