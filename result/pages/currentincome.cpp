#include "result/pages/currentincome.h"

#include "result/pages/currentexpense.h"
#include "result/pages/pagerow.h"
#include "result/pages/recurringblocks.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"

namespace {

const int kUnits = 51;
const int kRows = 11;
const int kIncomeBlocks = 9;
const int kIncomeBlockUnits[kIncomeBlocks] = {4, 4, 4, 5, 5, 5, 5, 5, 5};
// Units from the top: the income blocks end at 45, then the first note, the
// reference title (46 to 48), its two rows and the second note.
const int kIncomeBottom = 45;
const int kReferenceTop = 46;
const int kReferenceRowsTop = 48;
const int kReferenceRowsBottom = 50;
const UINT kTitleId = 18006;
const UINT kReferenceId = 18007;
const UINT kFirstNoteId = 810;
const UINT kSecondNoteId = 811;

void ShadePage(CDC* pDC, const CRecurringGrid& g)
{
    FillResultRect(pDC, 0, g.W, 0, g.Y(2), FALSE);
    FillResultRect(pDC, 0, g.I, 0, g.Y(kIncomeBottom), FALSE);
    FillResultRect(pDC, 0, g.W, g.Y(kReferenceTop), g.Y(kReferenceRowsTop), FALSE);
    FillResultRect(pDC, 0, g.I, g.Y(kReferenceRowsTop), g.Y(kReferenceRowsBottom), FALSE);
}

void DrawColumnRules(CDC* pDC, const CRecurringGrid& g, int nTop, int nBottom)
{
    DrawPageLine(pDC, g.I, g.Y(nTop), g.I, g.Y(nBottom));
    DrawPageLine(pDC, g.ContentRight(), g.Y(nTop), g.ContentRight(), g.Y(nBottom));
}

void DrawFrame(CDC* pDC, const CRecurringGrid& g)
{
    const auto rule = [&](int nBottom) { DrawPageLine(pDC, 0, g.Y(nBottom), g.Right(), g.Y(nBottom)); };
    for (int nBottom : {0, 2, 3}) rule(nBottom);
    ForEachBlock(kIncomeBlockUnits, kIncomeBlocks, 3, [&](int i, int nTop) { rule(nTop + kIncomeBlockUnits[i]); });
    for (int nBottom : {kReferenceTop, kReferenceRowsTop, kReferenceRowsTop + 1, kReferenceRowsBottom, kUnits})
        rule(nBottom);
    DrawPageLine(pDC, 0, 0, 0, g.Y(kUnits));
    DrawColumnRules(pDC, g, 2, kIncomeBottom);
    DrawColumnRules(pDC, g, kReferenceRowsTop, kReferenceRowsBottom);
    DrawPageLine(pDC, g.Right(), 0, g.Right(), g.Y(kUnits));
}

// Four unit rows of two content lines: one from the content's left edge,
// one from its middle.
void DrawFourUnitBlock(CDC* pDC, const CRecurringGrid& g, const CResultItemClass& row, int nTop)
{
    DrawBlockItem(pDC, g, row.m_strItem, nTop, 4);
    for (int j = 0; j < 4; ++j) {
        const int top = g.Y(nTop + j), bottom = g.Y(nTop + j + 1), middle = g.I + g.C / 2;
        DrawPageCell(pDC, GetResultTextLine(row.m_strContent, 2 * j + 1), g.I, top, middle, bottom, DT_LEFT, g.a / 2);
        DrawPageCell(pDC, GetResultTextLine(row.m_strContent, 2 * j + 2), middle, top, g.ContentRight(), bottom,
                          DT_LEFT, g.a / 2);
    }
    DrawBlockMoney(pDC, g, row.m_strMoney, nTop, 4);
}

void DrawReferenceRow(CDC* pDC, const CRecurringGrid& g, const CResultItemClass& row, int nTop)
{
    DrawBlockItem(pDC, g, row.m_strItem, nTop, 1);
    DrawPageCell(pDC, row.m_strContent, g.I, g.Y(nTop), g.ContentRight(), g.Y(nTop + 1), DT_LEFT, g.a / 2);
    DrawBlockMoney(pDC, g, row.m_strMoney, nTop, 1);
}

void DrawRows(CDC* pDC, const CRecurringGrid& g, const CResultBaseClass& page)
{
    ForEachBlock(kIncomeBlockUnits, kIncomeBlocks, 3, [&](int i, int nTop) {
        const CResultItemClass& row = *PageRow<CResultItemClass>(page, i);
        if (kIncomeBlockUnits[i] == 4) DrawFourUnitBlock(pDC, g, row, nTop);
        else DrawFiveUnitBlock(pDC, g, row, nTop);
    });
    for (int i = 0; i < 2; ++i)
        DrawReferenceRow(pDC, g, *PageRow<CResultItemClass>(page, kIncomeBlocks + i), kReferenceRowsTop + i);
}

void DrawNotes(CDC* pDC, const CRecurringGrid& g)
{
    DrawPageCell(pDC, LoadResultString(kFirstNoteId), 0, g.Y(kIncomeBottom), g.W, g.Y(kReferenceTop),
                 DT_LEFT | DT_VCENTER, g.a / 2);
    DrawPageCell(pDC, LoadResultString(kReferenceId), 0, g.Y(kReferenceTop), g.W, g.Y(kReferenceRowsTop),
                 DT_CENTER | DT_VCENTER);
    DrawPageCell(pDC, LoadResultString(kSecondNoteId), 0, g.Y(kReferenceRowsBottom), g.W, g.Y(kUnits),
                 DT_LEFT | DT_VCENTER, g.a / 2);
}

} // namespace

void CResultCurrentIncomeClass::ReportDraw(CDC* pDC)
{
    if (!pDC) return;
    CResultPrintScope scope(pDC, TRUE);
    if (!scope.IsReady()) return;
    const CRecurringGrid g = MakeRecurringGrid(pDC, m_sizePage, kUnits);
    scope.FitBodyFont(g.u);

    ShadePage(pDC, g);
    CPen linePen;
    SelectResultLinePen(pDC, FALSE, &linePen);
    DrawFrame(pDC, g);
    DrawRecurringHeads(pDC, g, kTitleId);
    DrawNotes(pDC, g);
    // Rows missing before a calculation, or after one that stopped early: frame and notes only.
    if (HasPageRows<CResultItemClass>(*this, kRows)) DrawRows(pDC, g, *this);
}
