#include "result/pages/currentexpense.h"

#include "result/pages/pagerow.h"
#include "result/pages/recurringblocks.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"
#include "sheet/printitem.h"

namespace {

const int kUnits = 64;
const int kBlocks = 15;
// Units from the top: title 2, heads 1, then the blocks, then a margin of 1.
const int kBlockUnits[kBlocks] = {5, 5, 5, 5, 2, 2, 2, 2, 2, 5, 5, 5, 5, 5, 5};
const int kTableUnits = 63;
const UINT kTitleId = 18005;

void DrawFrame(CDC* pDC, const CRecurringGrid& g)
{
    DrawPageLine(pDC, 0, 0, g.Right(), 0);
    DrawPageLine(pDC, 0, g.Y(2), g.Right(), g.Y(2));
    DrawPageLine(pDC, 0, g.Y(3), g.Right(), g.Y(3));
    ForEachBlock(kBlockUnits, kBlocks, 3, [&](int i, int nTop) {
        const int nBottom = nTop + kBlockUnits[i];
        DrawPageLine(pDC, 0, g.Y(nBottom), g.Right(), g.Y(nBottom));
    });
    DrawPageLine(pDC, 0, 0, 0, g.Y(kTableUnits));
    DrawPageLine(pDC, g.I, g.Y(2), g.I, g.Y(kTableUnits));
    DrawPageLine(pDC, g.ContentRight(), g.Y(2), g.ContentRight(), g.Y(kTableUnits));
    DrawPageLine(pDC, g.Right(), 0, g.Right(), g.Y(kTableUnits));
}

// The land and building taxes: the two-line name one line per unit, or
// fitted over the block (the land value tax); two content lines at the left.
void DrawTwoUnitBlock(CDC* pDC, const CRecurringGrid& g, const CResultItemClass& row, int nTop, BOOL bSplitName)
{
    for (int n = 1; n <= 2; ++n) {
        const int top = g.Y(nTop + n - 1), bottom = g.Y(nTop + n);
        if (bSplitName)
            DrawPageCell(pDC, GetResultTextLine(row.m_strItem, n), 0, top, g.I, bottom, DT_CENTER | DT_VCENTER);
        DrawPageCell(pDC, GetResultTextLine(row.m_strContent, n), g.I, top, g.ContentRight(), bottom, DT_LEFT, g.a / 2);
    }
    if (!bSplitName) DrawBlockItem(pDC, g, row.m_strItem, nTop, 2);
    DrawBlockMoney(pDC, g, row.m_strMoney, nTop, 2);
}

void DrawBlocks(CDC* pDC, const CRecurringGrid& g, const CResultBaseClass& page)
{
    ForEachBlock(kBlockUnits, kBlocks, 3, [&](int i, int nTop) {
        const CResultItemClass& row = *PageRow<CResultItemClass>(page, i);
        if (kBlockUnits[i] == 5) DrawFiveUnitBlock(pDC, g, row, nTop);
        else DrawTwoUnitBlock(pDC, g, row, nTop, i < 8);
    });
}

} // namespace

CString GetResultTextLine(CString strText, int n)
{
    return n == 0 ? strText : GetTextLine(strText, n);
}

void CResultCurrentExpenseClass::ReportDraw(CDC* pDC)
{
    if (!pDC) return;
    CResultPrintScope scope(pDC, TRUE);
    if (!scope.IsReady()) return;
    const CRecurringGrid g = MakeRecurringGrid(pDC, m_sizePage, kUnits);
    scope.FitBodyFont(g.u);

    FillResultRect(pDC, 0, g.W, 0, g.Y(2), FALSE);
    FillResultRect(pDC, 0, g.I, 0, g.Y(kTableUnits), FALSE);
    CPen linePen;
    SelectResultLinePen(pDC, FALSE, &linePen);
    DrawFrame(pDC, g);
    DrawRecurringHeads(pDC, g, kTitleId);
    // Rows missing before a calculation, or after one that stopped early: frame only.
    if (HasPageRows<CResultItemClass>(*this, kBlocks)) DrawBlocks(pDC, g, *this);
}
