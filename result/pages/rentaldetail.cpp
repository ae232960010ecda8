#include "result/pages/rentaldetail.h"

#include "result/pages/pagerow.h"
#include "result/pages/recurringblocks.h"
#include "result/pages/rentalrows.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"

namespace {

const int kColumns = 10;
const int kLines = 20;
const int kRows = 23; // title 2, heads 1, twenty lines
const UINT kTitleId = 18008;
const UINT kFirstHeadId = 840;

// Row height h, average character width a, and the columns' left edges
// (element 10 the right edge): 20a, 20a, 10a, then seven equal columns.
struct CRentalTypeGrid {
    int h, a;
    int anLeft[kColumns + 1];

    int Y(int nRows) const { return -nRows * h; }
};

CRentalTypeGrid MakeGrid(CSize sizePage, int a)
{
    CRentalTypeGrid g;
    g.h = sizePage.cy / kRows;
    g.a = a;
    const int nAmount = (sizePage.cx - 50 * a) / 7;
    const int anWidth[kColumns] = {20 * a, 20 * a, 10 * a, nAmount, nAmount, nAmount, nAmount, nAmount, nAmount,
                                   nAmount};
    g.anLeft[0] = 0;
    for (int k = 0; k < kColumns; ++k) g.anLeft[k + 1] = g.anLeft[k] + anWidth[k];
    return g;
}

void DrawFrame(CDC* pDC, const CRentalTypeGrid& g)
{
    for (int k = 0; k < kColumns; ++k) {
        const int left = g.anLeft[k], right = g.anLeft[k + 1];
        for (int nRow : {0, 2, 3, kRows}) DrawPageLine(pDC, left, g.Y(nRow), right, g.Y(nRow));
        DrawPageLine(pDC, left, k == 0 ? 0 : g.Y(2), left, g.Y(kRows));
    }
    DrawPageLine(pDC, g.anLeft[kColumns], 0, g.anLeft[kColumns], g.Y(kRows));
}

// The title, left-aligned in a box as wide as the text, centred on the page.
void DrawTitle(CDC* pDC, const CRentalTypeGrid& g, int W)
{
    const CString title = LoadResultString(kTitleId);
    const int nWidth = title.GetLength() * g.a;
    DrawPageCell(pDC, title, W / 2 - nWidth / 2, 0, W / 2 + nWidth - nWidth / 2, g.Y(2), DT_LEFT | DT_VCENTER);
}

void DrawHeads(CDC* pDC, const CRentalTypeGrid& g)
{
    for (int k = 0; k < kColumns; ++k)
        DrawPageCell(pDC, LoadResultString(kFirstHeadId + UINT(k)), g.anLeft[k], g.Y(2), g.anLeft[k + 1], g.Y(3),
                 DT_CENTER | DT_VCENTER);
}

void DrawLines(CDC* pDC, const CRentalTypeGrid& g, const CResultBaseClass& page)
{
    for (int k = 0; k < kColumns; ++k) {
        const CResultRentalTypeItemClass& column = *PageRow<CResultRentalTypeItemClass>(page, k);
        const int left = g.anLeft[k], right = g.anLeft[k + 1];
        for (int i = 0; i < kLines; ++i) {
            const int top = g.Y(3 + i), bottom = g.Y(4 + i);
            if (k < 2) DrawPageCell(pDC, column.GetText(i), left, top, right, bottom, DT_LEFT | DT_TOP, g.a / 2);
            else if (k == 2) DrawPageCell(pDC, column.GetText(i), left, top, right, bottom, DT_CENTER | DT_TOP);
            else DrawResultFitText(pDC, column.GetText(i), CRect(left, top, right, bottom), g.a, 2);
        }
    }
}

} // namespace

void CResultRentalTypeClass::ReportDraw(CDC* pDC)
{
    if (!pDC) return;
    const CPoint start = pDC->GetWindowOrg();
    CResultPrintScope scope(pDC, TRUE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const CRentalTypeGrid g = MakeGrid(m_sizePage, tm.tmAveCharWidth);

    FillResultRect(pDC, 0, m_sizePage.cx, 0, g.Y(2), FALSE);
    CPen linePen;
    SelectResultLinePen(pDC, FALSE, &linePen);
    DrawFrame(pDC, g);
    DrawTitle(pDC, g, m_sizePage.cx);
    DrawHeads(pDC, g);
    // Columns missing before a calculation, or after one that stopped early: frame and heads only.
    if (HasPageRows<CResultRentalTypeItemClass>(*this, kColumns)) DrawLines(pDC, g, *this);
    pDC->SetWindowOrg(start);
}
