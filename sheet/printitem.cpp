#include "sheet/printitem.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/codepage.h"

void CPrintItemClass::Reset()
{
    m_nX1 = m_nY1 = m_nX2 = m_nY2 = 0;
    m_strText.Empty();
    m_nCheck = 0;
    m_nAlign = 0;
}

BOOL CPrintItemClass::DrawLine(CDC* pDC)
{
    pDC->MoveTo(m_nX1, m_nY1);
    return pDC->LineTo(m_nX2, m_nY2);
}

BOOL CPrintItemClass::DrawText(CDC* pDC, int nAlign)
{
    TEXTMETRIC tm;
    if (!pDC->GetTextMetrics(&tm)) return FALSE;
    RECT rc{m_nX1, m_nY1, m_nX2, m_nY2};
    DrawMultiLineText(pDC, m_strText, rc, tm.tmAveCharWidth, nAlign);
    return TRUE;
}

BOOL CPrintItemClass::DrawCheck(CDC* pDC)
{
    if (m_nCheck == 0) return TRUE;
    const int w = std::abs(m_nX2 - m_nX1);
    const int h = std::abs(m_nY1 - m_nY2);
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, 20, RGB(0, 0, 0))) return FALSE;
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(m_nX1 + w / 4, m_nY1 - h / 2);
    pDC->LineTo(m_nX1 + w / 2, m_nY2 + h / 4);
    pDC->LineTo(m_nX2 - w / 4, m_nY1 - h / 4);
    pDC->SelectObject(pOld);
    pen.DeleteObject();
    return TRUE;
}

void CPrintItemClass::DrawData(CDC* pDC)
{
    if (m_strText.IsEmpty() && m_nCheck == 1) DrawCheck(pDC);
    else if (!m_strText.IsEmpty()) DrawItem(pDC);
}

CPrintItemArray::~CPrintItemArray()
{
    while (GetSize() > 0) {
        delete GetAt(0);
        RemoveAt(0);
    }
}

int CountTextLines(CString strText)
{
    int n = 1;
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText[i] == '\n') ++n;
    return n;
}

CString GetTextLine(CString strText, int n)
{
    int start = 0;
    for (int k = 1; k < n; ++k) {
        int pos = strText.Find('\n', start);
        if (pos < 0) break;
        start = pos + 1;
    }
    int end = strText.Find('\n', start);
    return end < 0 ? strText.Mid(start) : strText.Mid(start, end - start);
}

void ClassifyMbcsChars(const char* psz, int* pnWidths)
{
    for (int i = 0; psz[i] != '\0'; ++i) {
        if (IsCP932LeadByte((unsigned char)psz[i]) && psz[i + 1] != '\0') {
            pnWidths[i] = 2;
            pnWidths[++i] = 0;
        } else {
            // A lone lead byte at the end counts as one cell.
            pnWidths[i] = 1;
        }
    }
}

BOOL IsRectPrintable(CDC* pDC, const RECT* prc)
{
    RECT rc = *prc;
    return pDC->RectVisible(&rc);
}

void DrawMultiLineText(CDC* pDC, CString strText, RECT rcBox, int nCharWidth, int nAlign)
{
    if (!IsRectPrintable(pDC, &rcBox)) return;
    const int cy = pDC->GetTextExtent(strText).cy;
    const int lines = CountTextLines(strText);
    const int b = std::abs(rcBox.bottom - rcBox.top) / lines;
    const int d = b - cy;
    RECT rc{rcBox.left, rcBox.top, rcBox.right, rcBox.top - b};
    for (int k = 1; k <= lines; ++k) {
        const CString t = GetTextLine(strText, k);
        if (d > 0) {
            rc.top -= d / 2;
            rc.bottom = rc.top - cy;
        }
        if (!t.IsEmpty()) {
            std::vector<int> advances(size_t(t.GetLength()));
            ClassifyMbcsChars(t, advances.data());
            int w = 0;
            for (int& a : advances) w += (a *= nCharWidth);
            const int f = rcBox.right - w - rcBox.left;
            if (f > 0 && nAlign == 1) rc.left += f / 2;
            else if (f > 0 && nAlign == 2) rc.left += f - nCharWidth / 2;
            RECT clip{rc.left, rc.top, rcBox.right, rc.bottom};
            pDC->ExtTextOut(rc.left, rc.top, ETO_CLIPPED, &clip, t, UINT(t.GetLength()), advances.data());
        }
        rc.top = rc.bottom;
        rc.bottom -= b;
        rc.left = rcBox.left;
        rc.right = rcBox.right;
    }
}
