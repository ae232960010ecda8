// Drawing shared by the recurring expenses and income pages (and the cell
// text and rules of the rental pages): three columns
// (item name, content, amount) over a page cut into equal units.
#pragma once

#include "platform/cdc.h"
#include "result/pages/resultrows.h"

// Page width W, unit height u, average character width a, item column I,
// content column C and amount column M (I = 10 and M = 8 full-width
// characters; C what is left).
struct CRecurringGrid {
    int W, u, a, I, C, M;

    int Y(int nUnits) const { return -nUnits * u; }
    int ContentRight() const { return I + C; }
    int Right() const { return I + C + M; }
};

// The grid of a page cut into nUnits units, with the font selected in pDC.
CRecurringGrid MakeRecurringGrid(CDC* pDC, CSize sizePage, int nUnits);

void DrawPageLine(CDC* pDC, int x1, int y1, int x2, int y2);
// A text on one line in the cell, DT_SINGLELINE with the given alignment; a
// left- or right-aligned text keeps nInset off the rule on its side.
void DrawPageCell(CDC* pDC, const CString& str, int left, int top, int right, int bottom, UINT nFormat,
                  int nInset = 0);
// The title centred in units 0 to 2 and the three column heads in unit 2 to 3.
void DrawRecurringHeads(CDC* pDC, const CRecurringGrid& g, UINT nTitleId);
// Calls draw(i, top) for blocks 0 to nBlocks - 1 of anUnits units each,
// stacked from unit nFirstTop down.
template <class Draw>
void ForEachBlock(const int* anUnits, int nBlocks, int nFirstTop, Draw draw)
{
    for (int i = 0, nTop = nFirstTop; i < nBlocks; nTop += anUnits[i++]) draw(i, nTop);
}

// A block of five units from unit nTop: the item name fitted in the item
// column, content line 1 centred over the content, then four unit rows of three
// texts (left, right 5 characters before the edge, right at the edge) and the
// amount fitted at the right.
void DrawFiveUnitBlock(CDC* pDC, const CRecurringGrid& g, const CResultItemClass& row, int nTop);
// The item name fitted and centred over nUnits units from nTop.
void DrawBlockItem(CDC* pDC, const CRecurringGrid& g, const CString& strItem, int nTop, int nUnits);
// The amount fitted and right-aligned over nUnits units from nTop.
void DrawBlockMoney(CDC* pDC, const CRecurringGrid& g, const CString& strMoney, int nTop, int nUnits);
