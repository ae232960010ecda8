#include "result/pages/constructfinancing.h"

#include <iterator>

#include "result/pages/fundtable.h"

namespace {

// Lines where the rows of each table end; the head row is line 0 to 1.
const int kLeftBottoms[] = {4, 8, 12, 15, 24, 33, 42, 51};
const int kRightBottoms[] = {10, 19, 28, 37, 46, 47};
const int kLeftRows = int(std::size(kLeftBottoms));
const int kRightRows = int(std::size(kRightBottoms));
// Rows: own funds, deposits and guarantee money received in advance, the
// shortfall loan, the nine loans and the total.
const int kOwnFundRow = 0;
const int kShortLoanRow = 3;
const int kFirstLoanRow = 4;
const int kTotalRow = kLeftRows + kRightRows - 1;

void DrawContent(CDC* pDC, const CFundTableGrid& g, const CString& str, int left, int right, int nTop, int nBottom,
                 int nAlign)
{
    DrawFundText(pDC, g, str, g.ContentLeft() + left, g.ContentLeft() + right, nTop, nBottom, nAlign);
}

// The content of row nRow placed by its kind; CW is the content width.
void DrawSupplyContent(CDC* pDC, const CFundTableGrid& g, int nRow, const CString& str, int nTop, int nBottom)
{
    const int CW = g.AmountLeft() - g.ContentLeft();
    if (nRow == kOwnFundRow) {
        // Each figure ends a quarter of the column before the amounts.
        DrawContent(pDC, g, JoinTextParts(str, 1, 2, 3), 0, 3 * (CW / 4), nTop, nBottom, kFundLeft);
        DrawContent(pDC, g, JoinTextParts(str, 2, 2, 3), 0, 3 * (CW / 4), nTop, nBottom, kFundRight);
    } else if (nRow < kShortLoanRow) {
        // Eight rental categories in two halves.
        DrawContent(pDC, g, JoinTextParts(str, 1, 1, 4), 0, CW / 2, nTop, nBottom, kFundLeft);
        DrawContent(pDC, g, JoinTextParts(str, 5, 1, 4), CW / 2, 2 * (CW / 2), nTop, nBottom, kFundLeft);
    } else if (nRow == kShortLoanRow) {
        DrawContent(pDC, g, JoinTextParts(str, 1, 2, 2), 0, CW / 2, nTop, nBottom, kFundLeft);
        DrawContent(pDC, g, JoinTextParts(str, 2, 2, 2), CW / 2, 2 * (CW / 2), nTop, nBottom, kFundLeft);
    } else {
        // A loan's nine lines of label, value and rate.
        DrawContent(pDC, g, JoinTextParts(str, 1, 3, 9), 0, CW, nTop, nBottom, kFundLeft);
        DrawContent(pDC, g, JoinTextParts(str, 3, 3, 9), 0, CW, nTop, nBottom, kFundRight);
        DrawFundText(pDC, g, JoinTextParts(str, 2, 3, 9), 19 * g.u, g.AmountLeft(), nTop, nBottom, kFundLeft);
    }
}

void DrawSupplyRow(CDC* pDC, const CFundTableGrid& g, const CResultBaseClass& page, int nRow, int nTop, int nBottom)
{
    const CResultItemClass* pRow = GetFundRow(page, nRow);
    if (!pRow) return;
    DrawFundRow(pDC, g, *pRow, nTop, nBottom, nRow == kTotalRow);
    if (nRow != kTotalRow) DrawSupplyContent(pDC, g, nRow, pRow->m_strContent, nTop, nBottom);
}

} // namespace

void CResultSupplyDataClass::ReportDraw(CDC* pDC)
{
    // Own funds, advances, the shortfall loan and loans 1 to 4 on the left;
    // loans 5 to 8, the automatic loan and the total on the right.
    DrawFundTables(pDC, m_sizePage, FALSE, [&](const CFundTableGrid& g, int nTable) {
        const int* anBottom = nTable == 0 ? kLeftBottoms : kRightBottoms;
        const int nRows = nTable == 0 ? kLeftRows : kRightRows;
        DrawFundTableFrame(pDC, g, anBottom, nRows);
        for (int i = 0; i < nRows; ++i)
            DrawSupplyRow(pDC, g, *this, nTable * kLeftRows + i, FundRowTop(anBottom, i), anBottom[i]);
    });
}
