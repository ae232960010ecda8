#include "result/pages/yeartable.h"

#include "platform/resource.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"

namespace {

const int kYearSlots = 11;
// The label column and at most 50 calculation years with the construction period.
const int kMaxColumns = 52;
const UINT kUnitId = 10014;
const UINT kConstructionId = 10015;
const UINT kYearId = 10016;
const UINT kCellFormat = DT_SINGLELINE | DT_VCENTER;
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(235, 0, 0);

// Measures of one drawing: page width and height, row height, average
// character width, band width, label-area width and year column width.
struct CYearGrid {
    int W, H, h, a, b, L, c;
    int nLines;

    // Top of table line k, while grid row 0 starts at y = 0.
    int LineTop(int k) const { return -(2 + k) * h; }
    int LineBottom(int k) const { return LineTop(k + 1); }
    // Bottom of the last line.
    int TableBottom() const { return LineTop(nLines); }
};

CYearGrid MakeGrid(CSize sizePage, const CYearTablePlan& plan, int a)
{
    CYearGrid g;
    g.W = sizePage.cx;
    g.H = sizePage.cy;
    g.h = plan.nGridRows > 0 ? g.H / plan.nGridRows : 0;
    g.a = a;
    g.b = 3 * a;
    g.L = 24 * a;
    g.c = (g.W - 24 * a) / kYearSlots;
    g.nLines = plan.nLines;
    return g;
}

// Column nIndex of the page; null when it is missing or not a text column.
const CResultStringArrayClass* GetColumn(const CDeleteObArray& items, int nIndex)
{
    return dynamic_cast<const CResultStringArrayClass*>(items.GetAt(nIndex));
}

// The text of line k in a column; a missing column reads as empty cells.
CString GetCell(const CResultStringArrayClass* pColumn, int k)
{
    return pColumn ? pColumn->GetData(k) : CString();
}

void DrawCell(CDC* pDC, const CString& str, int left, int top, int right, int bottom, UINT nAlign)
{
    const CRect rc(left, top, right, bottom);
    DrawResultCellText(pDC, str, &rc, kCellFormat | nAlign);
}

void DrawBracket(CDC* pDC, int left, int top, int right, int bottom)
{
    const CRect rc(left, top, right, bottom);
    DrawResultBracket(pDC, &rc);
}

void ShadeGrid(CDC* pDC, const CYearGrid& g, const CYearTablePlan& plan)
{
    FillResultRect(pDC, 0, g.L, -g.h, g.TableBottom(), FALSE);
    FillResultRect(pDC, 0, g.W, -g.h, -2 * g.h, FALSE);
    for (int k : plan.highlights) FillResultRect(pDC, 0, g.W, g.LineTop(k), g.LineBottom(k), TRUE);
}

void DrawRules(CDC* pDC, const CYearGrid& g, const CYearTablePlan& plan)
{
    for (const CYearTableRule& rule : plan.rules) {
        pDC->MoveTo(rule.bFromBand ? g.b : 0, g.LineTop(rule.nLine));
        pDC->LineTo(g.W, g.LineTop(rule.nLine));
    }
}

BOOL IsInBand(const CYearTableGroup& group, const CYearTablePlan& plan)
{
    for (const CYearTableBand& band : plan.bands)
        if (band.nFirst <= group.nFirst && group.nLast <= band.nLast) return TRUE;
    return FALSE;
}

// The title cell, then each group with the band that starts on its first line.
void FrameLabelArea(CDC* pDC, const CYearGrid& g, const CYearTablePlan& plan)
{
    DrawBracket(pDC, 0, -g.h, g.L, -2 * g.h);
    for (const CYearTableGroup& group : plan.groups) {
        for (const CYearTableBand& band : plan.bands)
            if (band.nFirst == group.nFirst) DrawBracket(pDC, 0, g.LineTop(band.nFirst), g.b, g.LineBottom(band.nLast));
        DrawBracket(pDC, IsInBand(group, plan) ? g.b : 0, g.LineTop(group.nFirst), g.L, g.LineBottom(group.nLast));
    }
}

// Every one of the eleven columns is framed, shown or not; then the right edge.
void FrameYearColumns(CDC* pDC, const CYearGrid& g, const CYearTablePlan& plan)
{
    pDC->OffsetWindowOrg(-g.L, 0);
    for (int s = 0; s < kYearSlots; ++s) {
        DrawBracket(pDC, 0, -g.h, g.c, -2 * g.h);
        for (const CYearTableGroup& group : plan.groups)
            DrawBracket(pDC, 0, g.LineTop(group.nFirst), g.c, g.LineBottom(group.nLast));
        pDC->OffsetWindowOrg(-g.c, 0);
    }
    pDC->MoveTo(0, -g.h);
    pDC->LineTo(0, g.TableBottom());
}

void DrawPageTexts(CDC* pDC, const CYearGrid& g, const CYearTablePlan& plan)
{
    DrawCell(pDC, LoadResultString(kUnitId), g.W / 2, 0, g.W, -g.h, DT_RIGHT);
    for (const CYearTableNote& note : plan.notes)
        DrawCell(pDC, note.strText, note.bFromBand ? g.b : 0, -note.nGridRow * g.h, g.W, -g.H, DT_LEFT);
    // One full-width character in the middle of the band, or centred in its left 2a.
    for (const CYearTableCaption& caption : plan.captions) {
        const int top = g.LineTop(caption.nLine), bottom = g.LineBottom(caption.nLine);
        if (plan.bCentredCaptions) DrawCell(pDC, caption.strText, 0, top, 2 * g.a, bottom, DT_CENTER);
        else DrawCell(pDC, caption.strText, 2 * g.a / 4, top, 10 * g.a / 4, bottom, DT_LEFT);
    }
}

// With the header row at y 0 to -h.
void DrawLabels(CDC* pDC, const CYearGrid& g, const CYearTablePlan& plan, const CResultStringArrayClass* pLabels)
{
    DrawCell(pDC, plan.strTitle, 0, 0, g.L, -g.h, DT_CENTER);
    for (int k = 0; k < g.nLines; ++k) {
        const int left = g.b + 10, top = -(k + 1) * g.h, bottom = -(k + 2) * g.h;
        const CString label = DrawResultMultiLineText(left, top, g.L, bottom, GetCell(pLabels, k), g.a);
        DrawCell(pDC, label, left, top, g.L, bottom, DT_LEFT);
    }
}

CString YearHead(int nYear)
{
    return nYear == 0 ? LoadResultString(kConstructionId) : NumberToFullWidth(nYear) + LoadResultString(kYearId);
}

// With the header row at y 0 to -h and the column's left edge at x 0.
void DrawYearColumn(CDC* pDC, const CYearGrid& g, int nYear, const CResultStringArrayClass* pColumn)
{
    DrawCell(pDC, YearHead(nYear), 0, 0, g.c, -g.h, DT_CENTER);
    for (int k = 0; k < g.nLines; ++k) {
        const CString cell = GetCell(pColumn, k);
        pDC->SetTextColor(cell.Left(1) == "-" ? kRed : kBlack);
        DrawCell(pDC, cell, 0, -(k + 1) * g.h, g.c - 10, -(k + 2) * g.h, DT_RIGHT);
    }
    pDC->SetTextColor(kBlack);
}

// A slot whose year has no column stays empty; only the construction-period
// slot keeps its place then.
void DrawYearColumns(CDC* pDC, const CYearGrid& g, const CResultBaseClass& page)
{
    const int nColumns = page.m_pItemArray->GetSize();
    pDC->OffsetWindowOrg(-g.L, 0);
    for (int s = 0; s < kYearSlots; ++s) {
        const int nYear = page.m_anYear[s];
        const BOOL bShown = nYear >= 0 && nYear < nColumns - 1;
        if (bShown) DrawYearColumn(pDC, g, nYear, GetColumn(*page.m_pItemArray, nYear + 1));
        if (bShown || s == 0) pDC->OffsetWindowOrg(-g.c, 0);
    }
}

} // namespace


void DrawYearTable(CDC* pDC, const CResultBaseClass& page, const CYearTablePlan& plan)
{
    if (!pDC || !page.m_pItemArray) return;
    const int nColumns = page.m_pItemArray->GetSize();
    if (nColumns < 1 || nColumns > kMaxColumns) return;

    const CPoint start = pDC->GetWindowOrg();
    CResultPrintScope scope(pDC, TRUE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const CYearGrid g = MakeGrid(page.m_sizePage, plan, tm.tmAveCharWidth);
    scope.FitBodyFont(g.h);

    ShadeGrid(pDC, g, plan);
    CPen thinPen, linePen;
    SelectResultLinePen(pDC, TRUE, &thinPen);
    DrawRules(pDC, g, plan);
    SelectResultLinePen(pDC, FALSE, &linePen);
    FrameLabelArea(pDC, g, plan);
    FrameYearColumns(pDC, g, plan);
    pDC->SetWindowOrg(start);

    DrawPageTexts(pDC, g, plan);
    pDC->OffsetWindowOrg(0, g.h);
    DrawLabels(pDC, g, plan, GetColumn(*page.m_pItemArray, 0));
    DrawYearColumns(pDC, g, page);
    pDC->SetWindowOrg(start);
}
