#include "result/pages/summary.h"

#include "result/pages/resultdraw.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"

namespace {

const int kGridRows = 22;
const int kLines = 9;
const int kMilestones = 5;
const int kUpperColumns = 10;
const int kLowerColumns = 5;
// Grid rows of the two header rows and of the first milestone.
const int kUpperHead = 1;
const int kLowerHead = 12;
const int kMilestoneRow = 17;
// Years of the upper table after the construction period, and of the lower table.
const int kUpperYears[kUpperColumns - 1] = {1, 4, 7, 10, 13, 16, 19, 22, 25};
const int kLowerYears[kLowerColumns] = {30, 35, 40, 45, 50};
const UINT kUnitId = 212;
const UINT kTitleId = 1020;
const UINT kConstructionId = 10015;
const UINT kYearId = 10016;
const UINT kTopFormat = DT_SINGLELINE | DT_TOP;
const UINT kCentredFormat = DT_SINGLELINE | DT_VCENTER;
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(235, 0, 0);

// Page width and height, row height, average character width, label column
// width and year column width.
struct CSummaryGrid {
    int W, H, h, a, L, c;

    int RowTop(int nRow) const { return -nRow * h; }
    // Left edge of year column s of a table.
    int ColumnLeft(int s) const { return L + s * c; }
    int BoxLeft() const { return W - 34 * a; }
    int BoxDivide() const { return W - 10 * a; }
};

CSummaryGrid MakeGrid(CSize sizePage, int a)
{
    CSummaryGrid g;
    g.W = sizePage.cx;
    g.H = sizePage.cy;
    g.h = g.H / kGridRows;
    g.a = a;
    g.L = 20 * a;
    g.c = (g.W - 20 * a) / kUpperColumns;
    return g;
}

// Columns the page holds; none without the label and construction-period
// columns, as before a calculation or after one that stopped early.
int CountColumns(const CResultBaseClass& page)
{
    const int nColumns = page.m_pItemArray ? page.m_pItemArray->GetSize() : 0;
    return nColumns < 2 ? 0 : nColumns;
}

// Column nIndex of the page; null when it is missing.
const CResultStringArrayClass* GetColumn(const CResultBaseClass& page, int nIndex)
{
    if (nIndex >= CountColumns(page)) return nullptr;
    return dynamic_cast<const CResultStringArrayClass*>(page.m_pItemArray->GetAt(nIndex));
}

void DrawCell(CDC* pDC, const CString& str, int left, int top, int right, int bottom, UINT nFormat)
{
    const CRect rc(left, top, right, bottom);
    DrawResultCellText(pDC, str, &rc, nFormat);
}

void DrawBracket(CDC* pDC, int left, int top, int right, int bottom)
{
    const CRect rc(left, top, right, bottom);
    DrawResultBracket(pDC, &rc);
}

void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void ShadePage(CDC* pDC, const CSummaryGrid& g)
{
    FillResultRect(pDC, 0, g.L, g.RowTop(kUpperHead), g.RowTop(kUpperHead + 1 + kLines), FALSE);
    FillResultRect(pDC, 0, g.L, g.RowTop(kLowerHead), g.RowTop(kLowerHead + 1 + kLines), FALSE);
    FillResultRect(pDC, 0, g.ColumnLeft(kUpperColumns), g.RowTop(kUpperHead), g.RowTop(kUpperHead + 1), FALSE);
    FillResultRect(pDC, 0, g.ColumnLeft(kLowerColumns), g.RowTop(kLowerHead), g.RowTop(kLowerHead + 1), FALSE);
    FillResultRect(pDC, g.BoxLeft(), g.BoxDivide(), g.RowTop(kMilestoneRow), g.RowTop(kMilestoneRow + kMilestones),
                   FALSE);
}

// The label column and nColumns year columns, each as its header cell and
// one box around the nine lines, then the table's right edge.
void FrameTable(CDC* pDC, const CSummaryGrid& g, int nHeadRow, int nColumns)
{
    const int headTop = g.RowTop(nHeadRow), linesTop = g.RowTop(nHeadRow + 1);
    const int bottom = g.RowTop(nHeadRow + 1 + kLines);
    for (int s = -1; s < nColumns; ++s) {
        const int left = s < 0 ? 0 : g.ColumnLeft(s), right = g.ColumnLeft(s + 1);
        DrawBracket(pDC, left, headTop, right, linesTop);
        DrawBracket(pDC, left, linesTop, right, bottom);
    }
    DrawLine(pDC, g.ColumnLeft(nColumns), headTop, g.ColumnLeft(nColumns), bottom);
}

void FrameMilestoneBox(CDC* pDC, const CSummaryGrid& g)
{
    const int top = g.RowTop(kMilestoneRow), bottom = g.RowTop(kMilestoneRow + kMilestones);
    for (int i = 0; i <= kMilestones; ++i)
        DrawLine(pDC, g.BoxLeft(), g.RowTop(kMilestoneRow + i), g.W, g.RowTop(kMilestoneRow + i));
    DrawLine(pDC, g.BoxLeft(), top, g.BoxLeft(), bottom);
    DrawLine(pDC, g.BoxDivide(), top, g.BoxDivide(), bottom);
    DrawLine(pDC, g.W, top, g.W, bottom);
}

// The title, if any, in the header cell; the nine labels on one line each.
void DrawLabels(CDC* pDC, const CSummaryGrid& g, int nHeadRow, const CString& strTitle,
                const CResultStringArrayClass* pLabels)
{
    if (!strTitle.IsEmpty())
        DrawCell(pDC, strTitle, 0, g.RowTop(nHeadRow), g.L, g.RowTop(nHeadRow + 1),
                 kCentredFormat | DT_CENTER);
    if (!pLabels) return;
    for (int k = 0; k < kLines; ++k) {
        const int left = 10, top = g.RowTop(nHeadRow + 1 + k), bottom = g.RowTop(nHeadRow + 2 + k);
        const CString label = DrawResultMultiLineText(left, top, g.L, bottom, pLabels->GetData(k), g.a);
        DrawCell(pDC, label, left, top, g.L, bottom, kTopFormat | DT_LEFT);
    }
}

CString YearHead(int nYear)
{
    return nYear == 0 ? LoadResultString(kConstructionId) : NumberToFullWidth(nYear) + LoadResultString(kYearId);
}

// Year nYear in year column s of the table whose header is grid row nHeadRow;
// negative amounts in red.
void DrawYearColumn(CDC* pDC, const CSummaryGrid& g, int nHeadRow, int s, int nYear,
                    const CResultStringArrayClass* pColumn)
{
    const int left = g.ColumnLeft(s);
    DrawCell(pDC, YearHead(nYear), left, g.RowTop(nHeadRow), left + g.c, g.RowTop(nHeadRow + 1),
             kCentredFormat | DT_CENTER);
    if (!pColumn) return;
    for (int k = 0; k < kLines; ++k) {
        const CString cell = pColumn->GetData(k);
        pDC->SetTextColor(cell.Left(1) == "-" ? kRed : kBlack);
        DrawCell(pDC, cell, left, g.RowTop(nHeadRow + 1 + k), left + g.c - 10, g.RowTop(nHeadRow + 2 + k),
                 kTopFormat | DT_RIGHT);
    }
    pDC->SetTextColor(kBlack);
}

// A year is shown only when the rows hold its column.
void DrawYears(CDC* pDC, const CSummaryGrid& g, const CResultBaseClass& page, int nHeadRow, int nFirstSlot,
               const int* pnYears, int nYears)
{
    const int nColumns = CountColumns(page);
    for (int i = 0; i < nYears; ++i)
        if (pnYears[i] + 1 < nColumns)
            DrawYearColumn(pDC, g, nHeadRow, nFirstSlot + i, pnYears[i], GetColumn(page, pnYears[i] + 1));
}

void DrawMilestones(CDC* pDC, const CSummaryGrid& g, const CString (&astrMilestone)[2][5])
{
    for (int i = 0; i < kMilestones; ++i) {
        const int top = g.RowTop(kMilestoneRow + i), bottom = g.RowTop(kMilestoneRow + i + 1);
        const int left = g.BoxLeft() + 10;
        const CString caption = DrawResultMultiLineText(left, top, g.BoxDivide(), bottom, astrMilestone[0][i], g.a);
        DrawCell(pDC, caption, left, top, g.BoxDivide(), bottom, kCentredFormat | DT_LEFT);
        DrawCell(pDC, astrMilestone[1][i], g.BoxDivide(), top, g.W, bottom, kCentredFormat | DT_CENTER);
    }
}

void DrawTexts(CDC* pDC, const CSummaryGrid& g, const CResultBaseClass& page, const CString (&astrMilestone)[2][5])
{
    DrawCell(pDC, LoadResultString(kUnitId), g.W / 2, 0, g.W, g.RowTop(1), kTopFormat | DT_RIGHT);
    const CResultStringArrayClass* pLabels = GetColumn(page, 0);
    DrawLabels(pDC, g, kUpperHead, LoadResultString(kTitleId), pLabels);
    DrawYearColumn(pDC, g, kUpperHead, 0, 0, GetColumn(page, 1));
    DrawYears(pDC, g, page, kUpperHead, 1, kUpperYears, kUpperColumns - 1);
    DrawLabels(pDC, g, kLowerHead, CString(), pLabels);
    DrawYears(pDC, g, page, kLowerHead, 0, kLowerYears, kLowerColumns);
    DrawMilestones(pDC, g, astrMilestone);
}

} // namespace

CResultBalanceOutlineClass::CResultBalanceOutlineClass()
{
    InitData();
}

void CResultBalanceOutlineClass::InitData()
{
    CResultBaseClass::InitData();
    for (auto& texts : m_aastrMilestone)
        for (CString& str : texts) str.Empty();
}

void CResultBalanceOutlineClass::ReportDraw(CDC* pDC)
{
    if (!pDC) return;
    const CPoint start = pDC->GetWindowOrg();
    CResultPrintScope scope(pDC, TRUE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const CSummaryGrid g = MakeGrid(m_sizePage, tm.tmAveCharWidth);

    ShadePage(pDC, g);
    CPen linePen;
    SelectResultLinePen(pDC, FALSE, &linePen);
    FrameTable(pDC, g, kUpperHead, kUpperColumns);
    FrameTable(pDC, g, kLowerHead, kLowerColumns);
    FrameMilestoneBox(pDC, g);
    DrawTexts(pDC, g, *this, m_aastrMilestone);
    pDC->SetWindowOrg(start);
}
