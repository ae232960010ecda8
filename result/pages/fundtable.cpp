#include "result/pages/fundtable.h"

#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"
#include "sheet/printitem.h"

namespace {

const UINT kItemHeadId = 25000;
const UINT kContentHeadId = 25001;
const UINT kAmountHeadId = 25002;

void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

} // namespace

CFundTableGrid MakeFundTableGrid(const TEXTMETRIC& tm, CSize sizePage, int nLineHeight)
{
    CFundTableGrid g;
    g.c = tm.tmAveCharWidth;
    g.u = 2 * g.c;
    // A font without width gives no grid: no table.
    g.W = g.u > 0 ? (sizePage.cx / 2 - 50) / g.u : 0;
    g.h = nLineHeight;
    return g;
}

void DrawFundTables(CDC* pDC, CSize sizePage, BOOL bWideLines,
                    const std::function<void(const CFundTableGrid& g, int nTable)>& drawTable)
{
    if (!pDC) return;
    CResultPrintScope scope(pDC, FALSE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    CPen gridPen;
    SelectResultLinePen(pDC, FALSE, &gridPen);
    const CFundTableGrid g = MakeFundTableGrid(tm, sizePage, bWideLines ? tm.tmHeight + tm.tmHeight / 2 : tm.tmHeight);
    drawTable(g, 0);
    const CPoint origin = pDC->GetWindowOrg();
    pDC->SetWindowOrg(origin.x - g.NextTable(), origin.y);
    drawTable(g, 1);
}

const CResultItemClass* GetFundRow(const CResultBaseClass& page, int nRow)
{
    return page.m_pItemArray ? dynamic_cast<const CResultItemClass*>(page.m_pItemArray->GetAt(nRow)) : nullptr;
}

void DrawFundTableFrame(CDC* pDC, const CFundTableGrid& g, const int* anBottom, int nRows)
{
    const int bottom = g.Y(anBottom[nRows - 1]);
    FillResultRect(pDC, 0, g.Right(), g.Y(0), g.Y(1), FALSE);
    FillResultRect(pDC, 0, g.ContentLeft(), g.Y(0), bottom, FALSE);
    DrawLine(pDC, 0, g.Y(0), g.Right(), g.Y(0));
    DrawLine(pDC, 0, g.Y(1), g.Right(), g.Y(1));
    for (int i = 0; i < nRows; ++i) DrawLine(pDC, 0, g.Y(anBottom[i]), g.Right(), g.Y(anBottom[i]));
    for (int x : {0, g.ContentLeft(), g.AmountLeft(), g.Right()}) DrawLine(pDC, x, g.Y(0), x, bottom);

    DrawFundText(pDC, g, LoadResultString(kItemHeadId), 0, g.ContentLeft(), 0, 1, kFundCentre);
    DrawFundText(pDC, g, LoadResultString(kContentHeadId), g.ContentLeft(), g.AmountLeft(), 0, 1, kFundCentre);
    DrawFundText(pDC, g, LoadResultString(kAmountHeadId), g.AmountLeft(), g.Right(), 0, 1, kFundCentre);
}

void DrawFundText(CDC* pDC, const CFundTableGrid& g, const CString& str, int left, int right, int nTop,
                  int nBottom, int nAlign)
{
    DrawResultFitText(pDC, str, CRect(left, g.Y(nTop), right, g.Y(nBottom)), g.c, nAlign);
}

void DrawFundRow(CDC* pDC, const CFundTableGrid& g, const CResultItemClass& row, int nTop, int nBottom,
                 BOOL bContent)
{
    DrawFundText(pDC, g, row.m_strItem, 0, g.ContentLeft(), nTop, nBottom, kFundCentre);
    if (bContent) DrawFundText(pDC, g, row.m_strContent, g.ContentLeft(), g.AmountLeft(), nTop, nBottom, kFundCentre);
    DrawFundText(pDC, g, row.m_strMoney, g.AmountLeft(), g.Right(), nTop, nBottom, kFundRight);
}
