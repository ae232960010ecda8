#include "result/pages/constructfunds.h"

#include <iterator>

#include "result/pages/fundtable.h"

namespace {

// Lines where the rows of each table end; the head row is line 0 to 1. The
// left table's last row is the consumption tax, framed only in mode 2 or more.
const int kLeftBottoms[] = {7, 9, 11, 13, 15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 32};
const int kRightBottoms[] = {6, 11, 14, 19, 19, 20, 21, 22, 24, 25};
const int kLeftRows = int(std::size(kLeftBottoms));
const int kRightRows = int(std::size(kRightBottoms));
const int kTaxRow = kLeftRows - 1;
// Row 21 of the right table has no height and is not drawn.
const int kEmptyRow = kLeftRows + 4;

// Descriptions left-aligned and their figures right-aligned in the content
// cell: parts 1, 3, ... and 2, 4, ... of nLines lines each.
void DrawBreakdown(CDC* pDC, const CFundTableGrid& g, const CResultItemClass& row, int nTop, int nBottom, int nLines)
{
    DrawFundRow(pDC, g, row, nTop, nBottom, FALSE);
    DrawFundText(pDC, g, JoinTextParts(row.m_strContent, 1, 2, nLines), g.ContentLeft(), g.AmountLeft(), nTop,
                 nBottom, kFundLeft);
    DrawFundText(pDC, g, JoinTextParts(row.m_strContent, 2, 2, nLines), g.ContentLeft(), g.AmountLeft(), nTop,
                 nBottom, kFundRight);
}

void DrawLeftRow(CDC* pDC, const CFundTableGrid& g, const CResultItemClass& row, int i, bool bTaxRow)
{
    const int top = FundRowTop(kLeftBottoms, i), bottom = kLeftBottoms[i];
    if (i == 0)
        DrawBreakdown(pDC, g, row, top, bottom, 7);
    else if (i < kTaxRow)
        DrawFundRow(pDC, g, row, top, bottom, TRUE);
    else if (bTaxRow)
        DrawBreakdown(pDC, g, row, top, bottom, 5);
    else
        DrawFundText(pDC, g, row.m_strItem, 0, g.Right(), top, top + 1, kFundLeft);
}

} // namespace

void CResultExpenseMoneyDataClass::ReportDraw(CDC* pDC)
{
    const bool bTaxRow = m_nFundReportMode >= 2;
    DrawFundTables(pDC, m_sizePage, TRUE, [&](const CFundTableGrid& g, int nTable) {
        if (nTable == 0) {
            // The construction cost with its breakdown, the other costs, and
            // the consumption tax as a framed row or a note below the table.
            DrawFundTableFrame(pDC, g, kLeftBottoms, bTaxRow ? kLeftRows : kLeftRows - 1);
            for (int i = 0; i < kLeftRows; ++i)
                if (const CResultItemClass* pRow = GetFundRow(*this, i))
                    DrawLeftRow(pDC, g, *pRow, i, bTaxRow);
            return;
        }
        // The taxes and charges of the construction period and the total.
        DrawFundTableFrame(pDC, g, kRightBottoms, kRightRows);
        for (int i = 0; i < kRightRows; ++i) {
            const CResultItemClass* pRow = GetFundRow(*this, kLeftRows + i);
            if (pRow && kLeftRows + i != kEmptyRow)
                DrawFundRow(pDC, g, *pRow, FundRowTop(kRightBottoms, i), kRightBottoms[i], TRUE);
        }
    });
}
