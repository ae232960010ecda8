#include "result/pages/resultdraw.h"

#include <cstdlib>
#include <dlfcn.h>
#include <vector>

#include "platform/codepage.h"
#include "sheet/printitem.h"

namespace {

const char kFullWidthSpace[] = "　";
const COLORREF kLineColor = RGB(0, 0, 150);
const COLORREF kPlainFill = RGB(255, 255, 225);
const COLORREF kShadeFill = RGB(200, 235, 235);

BOOL StartsWith(const CString& str, const char* pszPrefix)
{
    return str.Left(CString(pszPrefix).GetLength()) == pszPrefix;
}

// The text cut into characters, a double-byte character kept whole.
std::vector<CString> SplitCharacters(const CString& str)
{
    std::vector<CString> chars;
    for (int i = 0; i < str.GetLength();) {
        const int n = IsCP932LeadByte((unsigned char)str[i]) && i + 1 < str.GetLength() ? 2 : 1;
        chars.push_back(str.Mid(i, n));
        i += n;
    }
    return chars;
}

} // namespace

int SelectResultLinePen(CDC* pDC, BOOL bThin, CPen* pPen)
{
    const LOGPEN previous = pDC->GetCurrentLogPen();
    pPen->DeleteObject();
    pPen->CreatePen(previous.lopnStyle, bThin ? 0 : 2, kLineColor);
    pDC->SelectObject(pPen);
    return previous.lopnWidth.x;
}

void FillResultRect(CDC* pDC, int x1, int x2, int y1, int y2, BOOL bShade)
{
    CPen nullPen(PS_NULL, 0, 0);
    CBrush brush(bShade ? kShadeFill : kPlainFill);
    CPen* pOldPen = pDC->SelectObject(&nullPen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(x1, y1, x2, y2);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    brush.DeleteObject();
}

void DrawResultBracket(CDC* pDC, const RECT* pRect)
{
    pDC->MoveTo(pRect->left, pRect->top);
    pDC->LineTo(pRect->right, pRect->top);
    pDC->MoveTo(pRect->left, pRect->top);
    pDC->LineTo(pRect->left, pRect->bottom);
    pDC->LineTo(pRect->right, pRect->bottom);
}

void DrawResultCellText(CDC* pDC, CString strText, const RECT* pRect, UINT nFormat)
{
    CRect rc(*pRect);
    pDC->DrawText(strText.IsEmpty() ? CString(kFullWidthSpace) : strText, &rc, nFormat);
}

CString DrawResultMultiLineText(int left, int top, int right, int bottom, CString strText, int nUnit)
{
    if (strText.IsEmpty()) return kFullWidthSpace;
    if (StartsWith(strText, "・") || StartsWith(strText, kFullWidthSpace)) return strText;
    // Without a character width there is nothing to measure the spaces by.
    if (nUnit <= 0) return strText;

    const std::vector<CString> chars = SplitCharacters(strText);
    int nWidth = 0;
    for (const CString& ch : chars) nWidth += ch.GetLength() * nUnit;
    const int nExtra = CRect(left, top, right, bottom).Normalized().Width() - nWidth;
    const int nSpaces = int(double(nExtra) / nUnit + 0.5);
    if (nSpaces <= 0 || chars.size() == 1) return strText;

    // One space at a time over the gaps, first to last and round again.
    std::vector<int> gaps(chars.size() - 1, 0);
    for (int i = 0; i < nSpaces; ++i) ++gaps[size_t(i) % gaps.size()];
    CString spread = chars[0];
    for (size_t i = 1; i < chars.size(); ++i) spread += CString(' ', gaps[i - 1]) + chars[i];
    return spread;
}

void DrawResultFitText(CDC* pDC, CString strText, RECT rc, int nUnit, int nAlign)
{
    DrawMultiLineText(pDC, strText, rc, nUnit, nAlign);
}

RECT GetResultLayoutRect(int nIndex, const RECT* pTable)
{
    return pTable[nIndex];
}

CString GetModulePath()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<void*>(&GetModulePath), &info) || !info.dli_fname) return CString();
    const CString path(info.dli_fname);
    const int nSlash = path.ReverseFind('/');
    return nSlash < 0 ? CString() : path.Left(nSlash);
}
