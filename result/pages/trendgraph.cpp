#include "result/pages/trendgraph.h"

#include <algorithm>
#include <vector>

#include "platform/resource.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"

namespace {

const int kMaxSeries = 3;
const UINT kUnitId = 10019;
const COLORREF kBlack = RGB(0, 0, 0);
const UINT kCaptionFormat = DT_SINGLELINE | DT_TOP;
// Bottom margin rows under the plot: year labels, year-axis caption, legend.
const int kYearRow = 0;
const int kAxisCaptionRow = 1;
const int kLegendRow = 3;

// What tells the three graphs apart.
struct CGraphKind {
    BOOL bBars;
    int nSeries;
    UINT nTitleId;
    UINT nFirstCaptionId; // "工", "事", "中", then "（年目）"
    UINT nFirstLegendId;
};

const CGraphKind kOutlineGraph = {TRUE, 3, 18010, 900, 904};
const CGraphKind kLoanGraph = {FALSE, 2, 18011, 920, 924};
const CGraphKind kCapitalGraph = {FALSE, 3, 18012, 940, 944};

const COLORREF kLineColors[kMaxSeries] = {RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 200, 0)};
const UINT kMonoLineStyles[kMaxSeries] = {PS_SOLID, PS_DASH, PS_DASHDOT};
const COLORREF kBarColors[kMaxSeries] = {RGB(255, 80, 70), RGB(80, 255, 80), RGB(80, 80, 255)};
const int kMonoHatches[kMaxSeries] = {HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};

// One graph's measures. Plot coordinates: x from the plot's left border, y
// from its top line, upwards positive; the window origin sits at the plot's
// top-left corner while the graph draws.
struct CGraphPlot {
    CSize page;
    int H;       // character height
    int A;       // average character width
    int A2;      // full-width character width
    int left;    // left margin
    int top;     // top margin
    int W;       // plot width
    int nSteps;  // axis steps
    int D;       // height of one step
    int nUp;     // steps above the zero line
    int nDown;   // steps below it
    BOOL bColor;

    int Bottom() const { return -nSteps * D; }
    int ZeroY() const { return -nUp * D; }
    int PageMiddle() const { return page.cx / 2 - left; }
    // Top edge of margin row r under the plot.
    int RowTop(int r) const { return Bottom() - r * H; }
};

void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void DrawText(CDC* pDC, const CString& str, int left, int top, int right, int bottom, UINT nFormat)
{
    const CRect rc(left, top, right, bottom);
    DrawResultCellText(pDC, str, &rc, nFormat);
}

// A line drawn in monochrome a second time one unit away (dx, dy) so that it prints firmly.
void DrawFirmLine(CDC* pDC, const CGraphPlot& g, int x1, int y1, int x2, int y2, int dx, int dy)
{
    DrawLine(pDC, x1, y1, x2, y2);
    if (!g.bColor) DrawLine(pDC, x1 + dx, y1 + dy, x2 + dx, y2 + dy);
}

// Value nSeries of calculation year nYear; 0 where the rows do not hold it.
double GraphValue(const CResultGraphClass& page, int nYear, int nSeries)
{
    const int nRow = nYear + 1;
    if (!page.m_pItemArray || nRow >= page.m_pItemArray->GetSize()) return 0;
    const auto* pRow = dynamic_cast<const CResultDoubleArrayClass*>(page.m_pItemArray->GetAt(nRow));
    return pRow && pRow->m_pdData && nSeries < pRow->m_nCount ? pRow->m_pdData[nSeries] : 0;
}

// Height of a value above the zero line (below it when negative), clamped to the axis.
int ValueHeight(const CResultGraphClass& page, const CGraphPlot& g, double dValue)
{
    int nSteps, nRest, bPositive;
    page.SplitAxisValue(dValue, &nSteps, &nRest, &bPositive);
    const int nRoom = bPositive ? g.nUp : g.nDown;
    const long long height = nSteps >= nRoom
                                 ? (long long)nRoom * g.D
                                 : (long long)nSteps * g.D + (long long)nRest * g.D / page.m_nAxisStep;
    return int(bPositive ? height : -height);
}

// The years the bar graph shows: the construction period, every third year
// from year 1 below the last, and the last.
std::vector<int> BarYears(int nYearCount)
{
    std::vector<int> years = {0};
    for (int y = 1; y < nYearCount; y += 3) years.push_back(y);
    years.push_back(nYearCount);
    return years;
}

// Measures of the graph on its page; FALSE when the page has no axis or no
// room for it, so nothing is drawn.
BOOL MeasureGraph(const CResultGraphClass& page, const CGraphKind& kind, const TEXTMETRIC& tm, BOOL bColor,
                  CGraphPlot& g)
{
    if (page.m_nAxisStep <= 0 || page.m_nYearCount <= 0) return FALSE;
    g.page = page.m_sizePage;
    g.H = tm.tmHeight;
    g.A = tm.tmAveCharWidth;
    g.A2 = 2 * tm.tmAveCharWidth;
    g.left = 5 * g.A2;
    g.top = g.H;
    g.bColor = bColor;
    const int nWidth = g.page.cx - g.left;
    if (kind.bBars) {
        const int nGroups = int(BarYears(page.m_nYearCount).size());
        g.W = nWidth / (3 * nGroups) * 3 * nGroups;
    } else {
        g.W = nWidth / page.m_nYearCount * page.m_nYearCount;
    }
    const long long nSteps = ((long long)page.m_nAxisMax - page.m_nAxisMin) / page.m_nAxisStep;
    const int nPlotHeight = g.page.cy - 4 * g.H - g.H;
    if (g.W <= 0 || nSteps <= 0 || nSteps > nPlotHeight) return FALSE;
    g.nSteps = int(nSteps);
    g.D = nPlotHeight / g.nSteps;
    g.nUp = 0;
    for (int i = 1; i <= g.nSteps; ++i)
        if ((long long)page.m_nAxisMax - (long long)i * page.m_nAxisStep >= 0) ++g.nUp;
    g.nDown = g.nSteps - g.nUp;
    return TRUE;
}

// The horizontal grid lines of one half of the plot: dotted, the zero line
// and the bottom line in the print settings' line pen.
void DrawGridHalf(CDC* pDC, const CResultGraphClass& page, const CGraphPlot& g, CPen* pLinePen, int x1, int x2)
{
    CPen dotPen(PS_DOT, 0, kBlack);
    for (int i = 1; i <= g.nSteps; ++i) {
        const BOOL bSolid = i == g.nSteps || (long long)page.m_nAxisMax == (long long)i * page.m_nAxisStep;
        pDC->SelectObject(bSolid ? pLinePen : &dotPen);
        DrawFirmLine(pDC, g, x1, -i * g.D, x2, -i * g.D, 0, 1);
    }
    pDC->SelectObject(pLinePen);
}

// The border (top and left edge of each half, the right edge) and the grid.
void DrawFrame(CDC* pDC, const CResultGraphClass& page, const CGraphPlot& g, CPen* pLinePen)
{
    const LOGPEN& lp = pLinePen->GetLogPen();
    CPen borderPen(lp.lopnStyle, 2, lp.lopnColor);
    const int half = g.W / 2;
    for (int x1 : {0, half}) {
        const int x2 = x1 == 0 ? half : g.W;
        DrawGridHalf(pDC, page, g, pLinePen, x1, x2);
        pDC->SelectObject(&borderPen);
        DrawLine(pDC, x2, 0, x1, 0);
        DrawLine(pDC, x1, 0, x1, g.Bottom());
    }
    DrawLine(pDC, g.W, 0, g.W, g.Bottom());
    pDC->SelectObject(pLinePen);
}

// Title over the plot, unit and value labels in the left margin; each
// value hangs from its grid line, so the top one keeps clear of the unit.
void DrawAxisTexts(CDC* pDC, const CResultGraphClass& page, const CGraphPlot& g, const CGraphKind& kind)
{
    const CString title = LoadResultString(kind.nTitleId);
    const int titleLeft = g.W / 2 - title.GetLength() * g.A / 2;
    DrawText(pDC, title, titleLeft, g.top, g.W, 0, kCaptionFormat | DT_LEFT);
    DrawText(pDC, LoadResultString(kUnitId), -g.left, g.top, -10, 0, kCaptionFormat | DT_LEFT);
    for (int i = 0; i <= g.nSteps; ++i) {
        const double dValue = double(page.m_nAxisMax) - double(i) * page.m_nAxisStep;
        const int y = -i * g.D;
        DrawText(pDC, FormatResultNumber(0, dValue, TRUE), -g.left, y, -10, y - g.H, kCaptionFormat | DT_RIGHT);
    }
}

// "工", "事", "中" one under another, centred on x under the plot, and the
// year-axis caption centred on the page.
void DrawYearCaptions(CDC* pDC, const CGraphPlot& g, const CGraphKind& kind, int x)
{
    for (int r = 0; r < 3; ++r)
        DrawText(pDC, LoadResultString(kind.nFirstCaptionId + r), x - g.A2, g.RowTop(r), x + g.A2, g.RowTop(r + 1),
                 kCaptionFormat | DT_CENTER);
    const int middle = g.PageMiddle();
    DrawText(pDC, LoadResultString(kind.nFirstCaptionId + 3), middle - g.page.cx / 2, g.RowTop(kAxisCaptionRow),
             middle + g.page.cx / 2, g.RowTop(kAxisCaptionRow + 1), kCaptionFormat | DT_CENTER);
}

// A year label centred on x in the year row, moved left as far as it would
// stand out of the page.
void DrawYearLabel(CDC* pDC, const CGraphPlot& g, const CString& str, int x, int nHalfWidth)
{
    x -= std::max(0, x + nHalfWidth - (g.page.cx - g.left));
    DrawText(pDC, str, x - nHalfWidth, g.RowTop(kYearRow), x + nHalfWidth, g.RowTop(kYearRow + 1),
             kCaptionFormat | DT_CENTER);
}

// The pen of line series s.
void MakeSeriesPen(CPen& pen, const CGraphPlot& g, int s)
{
    if (g.bColor) pen.CreatePen(PS_SOLID, 0, kLineColors[s]);
    else pen.CreatePen(kMonoLineStyles[s], s == 0 ? 1 : 0, kBlack);
}

// The brush of bar series s.
void MakeSeriesBrush(CBrush& brush, const CGraphPlot& g, int s)
{
    if (g.bColor) brush.CreateSolidBrush(kBarColors[s]);
    else brush.CreateHatchBrush(kMonoHatches[s], kBlack);
}

// The legend line under the plot, centred on the page: per series a sample
// of its line or fill, then its name.
void DrawLegend(CDC* pDC, const CGraphPlot& g, const CGraphKind& kind)
{
    const int sample = 4 * g.A2, gap = 10, next = 30;
    CString astrName[kMaxSeries];
    int width = 0;
    for (int s = 0; s < kind.nSeries; ++s) {
        astrName[s] = LoadResultString(kind.nFirstLegendId + s);
        width += sample + gap + (astrName[s].GetLength() + 2) * g.A + (s ? next : 0);
    }
    int x = std::max(-g.left, g.PageMiddle() - width / 2);
    const int top = g.RowTop(kLegendRow), bottom = g.RowTop(kLegendRow + 1), middle = (top + bottom) / 2;
    for (int s = 0; s < kind.nSeries; ++s) {
        if (kind.bBars) {
            CBrush brush;
            MakeSeriesBrush(brush, g, s);
            CBrush* pOldBrush = pDC->SelectObject(&brush);
            pDC->Rectangle(x, top - g.H / 4, x + sample, bottom + g.H / 4);
            pDC->SelectObject(pOldBrush);
        } else {
            CPen pen;
            MakeSeriesPen(pen, g, s);
            CPen* pPrevious = pDC->SelectObject(&pen);
            DrawFirmLine(pDC, g, x, middle, x + sample, middle, 0, 1);
            pDC->SelectObject(pPrevious);
        }
        x += sample + gap;
        const int boxWidth = (astrName[s].GetLength() + 2) * g.A;
        DrawText(pDC, astrName[s], x, top, x + boxWidth, bottom, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        x += boxWidth + next;
    }
}

// Lines: the construction period on the left border, year k at k columns.
void DrawLineSeries(CDC* pDC, const CResultGraphClass& page, const CGraphPlot& g, const CGraphKind& kind)
{
    const int nColumn = g.W / page.m_nYearCount;
    for (int s = 0; s < kind.nSeries; ++s) {
        CPen pen;
        MakeSeriesPen(pen, g, s);
        CPen* pPrevious = pDC->SelectObject(&pen);
        int x = 0, y = g.ZeroY() + ValueHeight(page, g, GraphValue(page, 0, s));
        for (int k = 1; k <= page.m_nYearCount; ++k) {
            const int nextX = k * nColumn, nextY = g.ZeroY() + ValueHeight(page, g, GraphValue(page, k, s));
            DrawFirmLine(pDC, g, x, y, nextX, nextY, 0, 1);
            x = nextX;
            y = nextY;
        }
        pDC->SelectObject(pPrevious);
    }
}

// Year labels of the line graphs: every tenth year with a dotted line
// through the plot, and the last year at the right border when there is
// room for it beside the tenth-year label before it.
void DrawLineYears(CDC* pDC, const CResultGraphClass& page, const CGraphPlot& g, const CGraphKind& kind)
{
    const int nColumn = g.W / page.m_nYearCount;
    const int nHalfLabel = g.A2 * 2;
    CPen dotPen(PS_DOT, 0, kBlack);
    CPen* pPrevious = pDC->SelectObject(&dotPen);
    int lastLabel = 0;
    for (int k = 10; k < page.m_nYearCount; k += 10) {
        DrawFirmLine(pDC, g, k * nColumn, 0, k * nColumn, g.Bottom(), 1, 0);
        DrawYearLabel(pDC, g, NumberToFullWidth(k), k * nColumn, nHalfLabel);
        lastLabel = k * nColumn;
    }
    pDC->SelectObject(pPrevious);
    if (lastLabel == 0 || g.W - lastLabel >= 2 * nHalfLabel)
        DrawYearLabel(pDC, g, NumberToFullWidth(std::min(page.m_nYearCount, 9999)), g.W, nHalfLabel);
    DrawYearCaptions(pDC, g, kind, g.A);
}

// Bars: a group of one bar per series for each shown year, from the zero
// line; every group but the construction period's captioned with its year.
void DrawBarSeries(CDC* pDC, const CResultGraphClass& page, const CGraphPlot& g, const CGraphKind& kind)
{
    const std::vector<int> years = BarYears(page.m_nYearCount);
    const int B = g.W / (3 * int(years.size()));
    for (int s = 0; s < kind.nSeries; ++s) {
        CBrush brush;
        MakeSeriesBrush(brush, g, s);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        for (size_t i = 0; i < years.size(); ++i) {
            const int x = int(i) * 3 * B + s * B;
            pDC->Rectangle(x, g.ZeroY(), x + B, g.ZeroY() + ValueHeight(page, g, GraphValue(page, years[i], s)));
        }
        pDC->SelectObject(pOldBrush);
    }
    for (size_t i = 1; i < years.size(); ++i) {
        CString label;
        label.Format("%d", years[i]);
        DrawYearLabel(pDC, g, label, int(i) * 3 * B + 3 * B / 2, 3 * B / 2);
    }
    DrawYearCaptions(pDC, g, kind, 3 * B / 2);
}

void DrawTrendGraph(CDC* pDC, int nColor, const CResultGraphClass& page, const CGraphKind& kind)
{
    if (!pDC) return;
    CModuleStateScope module("TavResultClass.DLL");
    const CPoint start = pDC->GetWindowOrg();
    CResultPrintScope scope(pDC, FALSE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    CGraphPlot g;
    if (!MeasureGraph(page, kind, tm, !(pDC->IsPrinting() && nColor == 0), g)) return;

    pDC->SetWindowOrg(start.x - g.left, start.y + g.top);
    DrawFrame(pDC, page, g, &scope.m_pen);
    if (kind.bBars) DrawBarSeries(pDC, page, g, kind);
    else {
        DrawLineSeries(pDC, page, g, kind);
        DrawLineYears(pDC, page, g, kind);
    }
    DrawAxisTexts(pDC, page, g, kind);
    DrawLegend(pDC, g, kind);
    pDC->SetWindowOrg(start);
}

} // namespace

void CResultGraphOutlineClass::DrawGraph(CDC* pDC, int nColor)
{
    DrawTrendGraph(pDC, nColor, *this, kOutlineGraph);
}

void CResultGraphLoanClass::DrawGraph(CDC* pDC, int nColor)
{
    DrawTrendGraph(pDC, nColor, *this, kLoanGraph);
}

void CResultGraphCapitalClass::DrawGraph(CDC* pDC, int nColor)
{
    DrawTrendGraph(pDC, nColor, *this, kCapitalGraph);
}
