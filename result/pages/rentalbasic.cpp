#include "result/pages/rentalbasic.h"

#include "result/pages/currentexpense.h"
#include "result/pages/pagerow.h"
#include "result/pages/recurringblocks.h"
#include "result/pages/rentalrows.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"

namespace {

const int kColumns = 8;
const int kCategories = 8;
const int kHalfRows = 36; // title 2, heads 2, eight rows of 4
// Widths of columns 0 to 6 in full-width characters; column 7 takes the rest.
const int kWidths[kColumns - 1] = {10, 5, 16, 12, 12, 8, 8};
const UINT kTitleId = 18009;
const UINT kFirstHeadId = 880;

// Half-row r, character unit u and the columns' left edges (element 8 the
// page's right edge).
struct CRentalBasicGrid {
    int r, u, W;
    int anLeft[kColumns + 1];

    int Y(int nHalfRows) const { return -nHalfRows * r; }
    int Width(int c) const { return anLeft[c + 1] - anLeft[c]; }
};

CRentalBasicGrid MakeGrid(CSize sizePage, int a)
{
    CRentalBasicGrid g;
    g.r = sizePage.cy / kHalfRows;
    g.u = 2 * a;
    g.W = sizePage.cx;
    g.anLeft[0] = 0;
    for (int c = 0; c < kColumns - 1; ++c) g.anLeft[c + 1] = g.anLeft[c] + kWidths[c] * g.u;
    g.anLeft[kColumns] = g.W;
    return g;
}

// Each column drawn in its own coordinates, x = 0 at its left edge.
void MoveToColumn(CDC* pDC, const CRentalBasicGrid& g, CPoint from, int c)
{
    pDC->SetWindowOrg(from.x - g.anLeft[c], from.y);
}

void DrawFrame(CDC* pDC, const CRentalBasicGrid& g, CPoint start)
{
    for (int c = 0; c < kColumns; ++c) {
        MoveToColumn(pDC, g, start, c);
        for (int nRow = 0; nRow <= kHalfRows; nRow += nRow < 4 ? 2 : 4)
            DrawPageLine(pDC, 0, g.Y(nRow), g.Width(c), g.Y(nRow));
        DrawPageLine(pDC, 0, c == 0 ? 0 : g.Y(2), 0, g.Y(kHalfRows));
    }
    pDC->SetWindowOrg(start);
    DrawPageLine(pDC, g.W, 0, g.W, g.Y(kHalfRows));
}

// Line n (0 to 3) of the cell of category j in column c, as a part of its text.
void DrawPart(CDC* pDC, const CRentalBasicGrid& g, const CString& strCell, int nPart, int j, int n, int right,
              UINT nFormat)
{
    const int top = g.Y(2 + 4 * j + n);
    DrawPageCell(pDC, GetResultTextLine(strCell, nPart), 0, top, right, top - g.r, DT_TOP | nFormat, g.u / 4);
}

void DrawCategoryCell(CDC* pDC, const CRentalBasicGrid& g, int c, int j, const CString& cell)
{
    const int w = g.Width(c);
    switch (c) {
    case 0:
    case 1: DrawPageCell(pDC, cell, 0, g.Y(2 + 4 * j), w, g.Y(6 + 4 * j), DT_CENTER | DT_VCENTER); break;
    case 2:
    case 3:
    case 4: // a schedule: three parts per line
        for (int k = 0; k < 4; ++k) {
            DrawPart(pDC, g, cell, 3 * k + 1, j, k, w, DT_LEFT);
            DrawPart(pDC, g, cell, 3 * k + 2, j, k, w - 3 * g.u, DT_RIGHT);
            DrawPart(pDC, g, cell, 3 * k + 3, j, k, w, DT_RIGHT);
        }
        break;
    case 5:
    case 6: // amortisation and advance rates
        DrawPart(pDC, g, cell, 1, j, 1, w, DT_CENTER);
        DrawPart(pDC, g, cell, 2, j, 2, w, DT_CENTER);
        break;
    default: // repayment method, grace period and repayment period
        DrawPart(pDC, g, cell, 1, j, 0, w, DT_CENTER);
        DrawPart(pDC, g, cell, 2, j, 1, w, DT_LEFT);
        DrawPart(pDC, g, cell, 3, j, 1, w, DT_RIGHT);
        DrawPart(pDC, g, cell, 4, j, 2, w, DT_LEFT);
        DrawPart(pDC, g, cell, 5, j, 2, w, DT_RIGHT);
        break;
    }
}

// Heads and cells from the head row down, which starts 2 half-rows below the top.
void DrawColumns(CDC* pDC, const CRentalBasicGrid& g, const CResultBaseClass& page, CPoint start)
{
    const CPoint heads(start.x, start.y + 2 * g.r);
    const bool bRows = HasPageRows<CResultRentalBasicItemClass>(page, kColumns);
    for (int c = 0; c < kColumns; ++c) {
        MoveToColumn(pDC, g, heads, c);
        DrawPageCell(pDC, LoadResultString(kFirstHeadId + UINT(c)), 0, 0, g.Width(c), g.Y(2), DT_CENTER | DT_VCENTER);
        if (!bRows) continue;
        const CResultRentalBasicItemClass& column = *PageRow<CResultRentalBasicItemClass>(page, c);
        for (int j = 0; j < kCategories; ++j) DrawCategoryCell(pDC, g, c, j, column.GetText(j));
    }
}

} // namespace

void CResultRentalBasicClass::ReportDraw(CDC* pDC)
{
    if (!pDC) return;
    const CPoint start = pDC->GetWindowOrg();
    CResultPrintScope scope(pDC, FALSE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const CRentalBasicGrid g = MakeGrid(m_sizePage, tm.tmAveCharWidth);

    FillResultRect(pDC, 0, g.W, 0, g.Y(2), FALSE);
    FillResultRect(pDC, 0, g.Width(0), 0, g.Y(kHalfRows), FALSE);
    CPen linePen;
    SelectResultLinePen(pDC, FALSE, &linePen);
    DrawFrame(pDC, g, start);
    DrawPageCell(pDC, LoadResultString(kTitleId), g.W / 2, 0, g.W / 2 + 10 * g.u, g.Y(2), DT_LEFT | DT_VCENTER);
    DrawColumns(pDC, g, *this, start);
    pDC->SetWindowOrg(start);
}
