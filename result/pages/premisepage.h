// The drawing procedure the premise pages share. Positions are whole lines
// (the body font's height, counted down from the page top) and character
// units (twice the average character width); the table spans W units, half
// the page width less 5 mm cut down to whole units.
#pragma once

#include <functional>

#include "platform/cdc.h"
#include "platform/cstring.h"
#include "result/pages/resultbase.h"
#include "result/pages/resultrows.h"
#include "sheet/sheetlayout.h"

class CResultItemClass;

// Cells, rules and texts of one premise page drawing.
class CPremiseGrid {
public:
    CPremiseGrid(CDC* pDC, const TEXTMETRIC& tm, CSize sizePage);

    // Units across the table.
    int Width() const { return m_nWidth; }
    int X(int nUnits) const { return nUnits * m_nUnit; }
    int Y(int nLine) const { return -nLine * m_nHeight; }

    void Fill(int nLeft, int nRight, int nTop, int nBottom) const;
    void HorizontalRule(int nLine, int nLeft, int nRight) const;
    void VerticalRule(int nUnits, int nTop, int nBottom) const;
    // Lines of text ("\n"-separated) in the cell, on the character grid:
    // nAlign 1 centred, 2 right-aligned, else left-aligned.
    void Text(const CString& str, int nLeft, int nRight, int nTop, int nBottom, int nAlign) const;
    void TextId(UINT nID, int nLeft, int nRight, int nTop, int nBottom) const;

    CDC* m_pDC;
    int m_nHeight;    // one line
    int m_nCharWidth; // the pitch of the character grid
    int m_nUnit;      // one full-width character
    int m_nWidth;
};

// The fixed frame of a premise page: its title, the width of its item
// column, its height in lines and whether the next page starts below it.
struct CPremiseFrame {
    UINT nTitleId;
    int nItemWidth;
    int nLines;
    BOOL bMoveOrigin;
};

// Draws a premise page: print fonts and pens, the fills of the title band and
// the item column, the outer rules and the title, then the page's own rules
// and texts by drawBody. Moves the window origin down by the page height when
// the frame asks. Nothing is drawn when the fonts or pens cannot be made.
void DrawPremisePage(CDC* pDC, CSize sizePage, const CPremiseFrame& frame,
                     const std::function<void(const CPremiseGrid&)>& drawBody);

// Row nIndex of the page, when the page holds all its nRows rows; null
// before its table step has filled it or after one that stopped early.
const CResultItemClass* PremiseRow(const CResultBaseClass& page, int nIndex, int nRows);
