// Drawing primitives shared by the result pages, in the caller's logical
// units (MM_LOMETRIC for views and printers: y upwards, pages at y <= 0).
#pragma once

#include "platform/cdc.h"
#include "platform/cstring.h"

// Selects into pDC, through pPen, a dark blue pen of the current pen's style,
// one device pixel wide when bThin is set, else 2 wide. Returns the width of
// the pen selected before; the caller deletes pPen.
int SelectResultLinePen(CDC* pDC, BOOL bThin, CPen* pPen);
// Fills the rectangle (x1, y1)-(x2, y2) without outline, light grey-blue when
// bShade is set, else light yellow. Both x values come first.
void FillResultRect(CDC* pDC, int x1, int x2, int y1, int y2, BOOL bShade);
// Top, left and bottom edge of the rectangle with the current pen.
void DrawResultBracket(CDC* pDC, const RECT* pRect);
// DrawText into the rectangle; an empty text draws a full-width space.
void DrawResultCellText(CDC* pDC, CString strText, const RECT* pRect, UINT nFormat);
// The text spread over the rectangle's width by half-width spaces between its
// characters (nUnit: the width of a half-width character). Texts that begin
// with "・" or "　", or do not fit, come back unchanged; "" gives "　".
CString DrawResultMultiLineText(int left, int top, int right, int bottom, CString strText, int nUnit);
// Lines separated by "\n" placed in rc on a grid of nUnit per half-width
// character: nAlign 1 centred, 2 right-aligned, else left-aligned.
void DrawResultFitText(CDC* pDC, CString strText, RECT rc, int nUnit, int nAlign);
// Element nIndex of a page's table of layout rectangles.
RECT GetResultLayoutRect(int nIndex, const RECT* pTable);
// The folder of the result library's module file, without a trailing
// separator; empty when it cannot be found.
CString GetModulePath();
