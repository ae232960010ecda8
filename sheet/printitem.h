// One printed sheet element (a box or line with an optional text or tick)
// and the array that owns such elements.
#pragma once

#include "platform/cdc.h"
#include "platform/cobject.h"
#include "platform/cstring.h"

class CPrintItemClass : public CObject {
public:
    CPrintItemClass() = default;
    void Reset();

    BOOL DrawLine(CDC* pDC);
    BOOL DrawText(CDC* pDC, int nAlign);
    BOOL DrawItem(CDC* pDC) { return DrawText(pDC, m_nAlign); }
    BOOL DrawCheck(CDC* pDC);
    void DrawData(CDC* pDC);

    int m_nX1 = 0;
    int m_nY1 = 0;
    int m_nX2 = 0;
    int m_nY2 = 0;
    CString m_strText;
    int m_nCheck = 0;
    int m_nAlign = 0;
};

// Owns its items: destroying the array deletes them.
class CPrintItemArray : public CObArray {
public:
    CPrintItemArray() = default;
    ~CPrintItemArray() override;
    CPrintItemArray(const CPrintItemArray&) = delete;
    CPrintItemArray& operator=(const CPrintItemArray&) = delete;

    CPrintItemClass* GetItem(int nIndex) const { return static_cast<CPrintItemClass*>(GetAt(nIndex)); }
};

// Fixed-pitch placement of code page 932 text in a box, line by line.
void DrawMultiLineText(CDC* pDC, CString strText, RECT rcBox, int nCharWidth, int nAlign);
int CountTextLines(CString strText);
CString GetTextLine(CString strText, int n);
// One cell width per byte: 1 single-byte, 2 lead byte, 0 trail byte.
void ClassifyMbcsChars(const char* psz, int* pnWidths);
BOOL IsRectPrintable(CDC* pDC, const RECT* prc);
