#include "option/optionsheet.h"

CSheetTables TwoChoiceLayout(int nNameCols, int nLeftItems, int nRightItems, bool bNamesAsLabels)
{
    const int nRows = 1 + (nLeftItems > nRightItems ? nLeftItems : nRightItems);
    const int nItems = nLeftItems + nRightItems;
    const int a = nNameCols, b = nNameCols + 10; // left checks start at a, the right half at b
    // Name, first check and second check column of item j, and its row.
    auto name = [&](int j) { return j < nLeftItems ? 0 : b; };
    auto check = [&](int j) { return j < nLeftItems ? a : 35; };
    auto row = [&](int j) { return 1 + (j < nLeftItems ? j : j - nLeftItems); };

    CSheetTables l;
    l.frame.Frame(0, 0, kSheetColumns, nRows);
    for (int r = 1; r < nRows; ++r) l.wline.HLine(r, 0, kSheetColumns);
    for (int c : {a, b, 35}) l.hline.VLine(c, 0, nRows);
    for (int c : {a + 1, a + 5, a + 6, 36, 40, 41}) l.hline.VLine(c, 1, nRows);
    l.item.Box(0, 0, a).Box(a, 0, 10).Box(b, 0, 35 - b).Box(35, 0, 10);
    CLayoutTable& names = bNamesAsLabels ? l.item : l.data;
    for (int j = 0; j < nItems; ++j) names.Box(name(j), row(j), (j < nLeftItems ? a : 35) - name(j));
    for (int k = 0; k < 2; ++k)
        for (int j = 0; j < nItems; ++j) l.subitem.Box(check(j) + 1 + 5 * k, row(j), 4);
    for (int j = 0; j < nItems; ++j) l.data.Box(check(j), row(j), 1).Box(check(j) + 5, row(j), 1);
    return l;
}

BOOL SetTwoChoiceLabels(CObArray* pArray, int nItems, UINT nFirstID)
{
    const CString first = LoadOptionString(nFirstID), second = LoadOptionString(nFirstID + 1);
    for (int j = 0; j < nItems; ++j)
        if (!SetCellText(pArray, j, first, 0) || !SetCellText(pArray, nItems + j, second, 0)) return FALSE;
    return TRUE;
}

BOOL SetTwoChoiceChecks(CObArray* pArray, int nFirst, const int* anValues, int nItems)
{
    for (int j = 0; j < nItems; ++j)
        if (!SetCheckGroup(pArray, nFirst + 2 * j, 2, anValues[j])) return FALSE;
    return TRUE;
}

BOOL COptionBlockClass::HasPrintPage(int nPage) const
{
    return nPage >= 0 && nPage < kPageCount && m_apFrame[nPage] && m_apItem[nPage] && m_apSubItem[nPage] &&
           m_apData[nPage];
}

BOOL COptionBlockClass::DrawBlockTitle(CDC* pDC)
{
    if (!HasPrintPage(0)) return FALSE;
    CFont font, titleFont;
    CPen pen, framePen;
    if (!CreateOptionPrintFonts(font, titleFont) || !CreateOptionPrintPens(pen, framePen)) return FALSE;
    if (m_anPrintFlag[0][0]) return TRUE;
    CFont* pOldFont = pDC->SelectObject(&titleFont);
    DrawTitle(pDC, m_strTitle);
    pDC->SelectObject(pOldFont);
    return TRUE;
}
