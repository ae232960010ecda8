#include "result/pages/recurringblocks.h"

#include "result/pages/currentexpense.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"

namespace {

const UINT kHeadIds[3] = {25000, 25001, 25002};

} // namespace

CRecurringGrid MakeRecurringGrid(CDC* pDC, CSize sizePage, int nUnits)
{
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int a = tm.tmAveCharWidth;
    CRecurringGrid g;
    g.W = sizePage.cx;
    g.u = sizePage.cy / nUnits;
    g.a = a;
    g.I = 20 * a;
    g.M = 16 * a;
    g.C = g.W - g.I - g.M;
    return g;
}

void DrawPageLine(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void DrawPageCell(CDC* pDC, const CString& str, int left, int top, int right, int bottom, UINT nFormat, int nInset)
{
    if (nFormat & DT_RIGHT) right -= nInset;
    else if (!(nFormat & DT_CENTER)) left += nInset;
    const CRect rc(left, top, right, bottom);
    DrawResultCellText(pDC, str, &rc, DT_SINGLELINE | nFormat);
}

void DrawRecurringHeads(CDC* pDC, const CRecurringGrid& g, UINT nTitleId)
{
    const UINT nCentred = DT_CENTER | DT_VCENTER;
    DrawPageCell(pDC, LoadResultString(nTitleId), 0, 0, g.W, g.Y(2), nCentred);
    const int anLeft[4] = {0, g.I, g.ContentRight(), g.Right()};
    for (int i = 0; i < 3; ++i)
        DrawPageCell(pDC, LoadResultString(kHeadIds[i]), anLeft[i], g.Y(2), anLeft[i + 1], g.Y(3), nCentred);
}

void DrawBlockItem(CDC* pDC, const CRecurringGrid& g, const CString& strItem, int nTop, int nUnits)
{
    DrawResultFitText(pDC, strItem, CRect(0, g.Y(nTop), g.I, g.Y(nTop + nUnits)), g.a, 1);
}

void DrawBlockMoney(CDC* pDC, const CRecurringGrid& g, const CString& strMoney, int nTop, int nUnits)
{
    DrawResultFitText(pDC, strMoney, CRect(g.ContentRight(), g.Y(nTop), g.Right(), g.Y(nTop + nUnits)), g.a, 2);
}

void DrawFiveUnitBlock(CDC* pDC, const CRecurringGrid& g, const CResultItemClass& row, int nTop)
{
    DrawBlockItem(pDC, g, row.m_strItem, nTop, 5);
    DrawPageCell(pDC, GetResultTextLine(row.m_strContent, 1), g.I, g.Y(nTop), g.ContentRight(), g.Y(nTop + 1),
                      DT_CENTER | DT_VCENTER);
    for (int j = 0; j < 4; ++j) {
        const int k = 2 + 3 * j, top = g.Y(nTop + 1 + j), bottom = g.Y(nTop + 2 + j);
        DrawPageCell(pDC, GetResultTextLine(row.m_strContent, k), g.I, top, g.ContentRight(), bottom, DT_LEFT, g.a / 2);
        DrawPageCell(pDC, GetResultTextLine(row.m_strContent, k + 1), g.I, top, g.ContentRight() - 10 * g.a,
                          bottom, DT_RIGHT, g.a / 2);
        DrawPageCell(pDC, GetResultTextLine(row.m_strContent, k + 2), g.I, top, g.ContentRight(), bottom,
                          DT_RIGHT, g.a / 2);
    }
    DrawBlockMoney(pDC, g, row.m_strMoney, nTop, 5);
}
