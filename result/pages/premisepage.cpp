#include "result/pages/premisepage.h"

#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "sheet/printitem.h"

namespace {

const int kTitleLines = 2;

} // namespace

CPremiseGrid::CPremiseGrid(CDC* pDC, const TEXTMETRIC& tm, CSize sizePage)
    : m_pDC(pDC), m_nHeight(tm.tmHeight), m_nCharWidth(tm.tmAveCharWidth), m_nUnit(2 * tm.tmAveCharWidth)
{
    m_nWidth = m_nUnit > 0 ? (sizePage.cx / 2 - 50) / m_nUnit : 0;
}

void CPremiseGrid::Fill(int nLeft, int nRight, int nTop, int nBottom) const
{
    FillResultRect(m_pDC, X(nLeft), X(nRight), Y(nTop), Y(nBottom), FALSE);
}

void CPremiseGrid::HorizontalRule(int nLine, int nLeft, int nRight) const
{
    m_pDC->MoveTo(X(nLeft), Y(nLine));
    m_pDC->LineTo(X(nRight), Y(nLine));
}

void CPremiseGrid::VerticalRule(int nUnits, int nTop, int nBottom) const
{
    m_pDC->MoveTo(X(nUnits), Y(nTop));
    m_pDC->LineTo(X(nUnits), Y(nBottom));
}

void CPremiseGrid::Text(const CString& str, int nLeft, int nRight, int nTop, int nBottom, int nAlign) const
{
    if (str.IsEmpty()) return;
    DrawResultFitText(m_pDC, str, RECT{X(nLeft), Y(nTop), X(nRight), Y(nBottom)}, m_nCharWidth, nAlign);
}

void CPremiseGrid::TextId(UINT nID, int nLeft, int nRight, int nTop, int nBottom) const
{
    Text(LoadResultString(nID), nLeft, nRight, nTop, nBottom, kAlignCentre);
}

void DrawPremisePage(CDC* pDC, CSize sizePage, const CPremiseFrame& frame,
                     const std::function<void(const CPremiseGrid&)>& drawBody)
{
    if (!pDC) return;
    CPen gridPen;
    CResultPrintScope scope(pDC, FALSE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const CPremiseGrid grid(pDC, tm, sizePage);
    const CPoint origin = pDC->GetWindowOrg();
    const int W = grid.Width(), nBottom = frame.nLines;

    grid.Fill(0, W, 0, kTitleLines);
    grid.Fill(0, frame.nItemWidth, 0, nBottom);
    SelectResultLinePen(pDC, FALSE, &gridPen);
    grid.HorizontalRule(0, 0, W);
    grid.HorizontalRule(kTitleLines, 0, W);
    grid.VerticalRule(0, 0, nBottom);
    grid.VerticalRule(frame.nItemWidth, kTitleLines, nBottom);
    grid.VerticalRule(W, 0, nBottom);
    grid.TextId(frame.nTitleId, 0, W, 0, kTitleLines);
    drawBody(grid);

    if (frame.bMoveOrigin) pDC->SetWindowOrg(origin.x, origin.y + frame.nLines * grid.m_nHeight);
}

const CResultItemClass* PremiseRow(const CResultBaseClass& page, int nIndex, int nRows)
{
    if (!page.m_pItemArray || page.m_pItemArray->GetSize() < nRows) return nullptr;
    return dynamic_cast<const CResultItemClass*>(page.m_pItemArray->GetAt(nIndex));
}
