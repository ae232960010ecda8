// Drawing shared by the construction funds and financing pages: two tables
// of item, content and amount columns side by side, each half a sheet wide.
#pragma once

#include <functional>

#include "platform/cdc.h"
#include "platform/cstring.h"
#include "result/pages/resultbase.h"
#include "result/pages/resultrows.h"

// Text alignments of DrawResultFitText.
enum { kFundLeft = 0, kFundCentre = 1, kFundRight = 2 };

// One table: c the average character width (the text pitch), u the
// character unit (2c), W the table width in units, h one line; positions
// are in lines from the table top.
struct CFundTableGrid {
    int c, u, W, h;

    int Y(int nLine) const { return -nLine * h; }
    int ContentLeft() const { return 10 * u; }
    int AmountLeft() const { return (W - 8) * u; }
    int Right() const { return W * u; }
    // Where the right table starts, 10 mm after the left one.
    int NextTable() const { return Right() + 100; }
};

// W is half the page width less 5 mm in whole units.
CFundTableGrid MakeFundTableGrid(const TEXTMETRIC& tm, CSize sizePage, int nLineHeight);

// Draws a page's two tables in the body font with the grid pen: table 0 at
// the window origin, then table 1 after moving the origin right by the
// table width and 10 mm, where it is left. A line is the font's height, or
// one and a half times it with bWideLines. Nothing without the print fonts.
void DrawFundTables(CDC* pDC, CSize sizePage, BOOL bWideLines,
                    const std::function<void(const CFundTableGrid& g, int nTable)>& drawTable);

// Row nRow of the page; null when the page does not hold it.
const CResultItemClass* GetFundRow(const CResultBaseClass& page, int nRow);

// The line where row i of a table begins: under the head row, or where
// the row before ends.
inline int FundRowTop(const int* anBottom, int i)
{
    return i == 0 ? 1 : anBottom[i - 1];
}

// The frame of a table whose head row is line 0 to 1 and whose rows end at
// the lines anBottom[0 .. nRows - 1]: the head band and item column filled,
// the rules in the current pen and the three column heads.
void DrawFundTableFrame(CDC* pDC, const CFundTableGrid& g, const int* anBottom, int nRows);

// A text fitted into x left to right, lines nTop to nBottom.
void DrawFundText(CDC* pDC, const CFundTableGrid& g, const CString& str, int left, int right, int nTop,
                  int nBottom, int nAlign);

// The item centred and the amount right-aligned in their cells; the whole
// content centred too when bContent is set.
void DrawFundRow(CDC* pDC, const CFundTableGrid& g, const CResultItemClass& row, int nTop, int nBottom,
                 BOOL bContent);
