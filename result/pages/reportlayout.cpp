#include "result/pages/reportlayout.h"

CReportMetrics MakeReportMetrics(CSize sizePaper, const TEXTMETRIC& tm)
{
    CReportMetrics m;
    m.sizePaper = sizePaper;
    m.nHeight = tm.tmHeight;
    m.nAveWidth = tm.tmAveCharWidth;
    m.nHalf = sizePaper.cx / 2 - 50;
    // A font without width gives no grid to cut the column to.
    const int nStep = 2 * m.nAveWidth;
    m.nColumn = nStep > 0 ? m.nHalf / nStep * nStep : m.nHalf;
    return m;
}

std::vector<CReportPage> GetReportPages(int nKind, const CReportMetrics& m)
{
    const int cx = m.sizePaper.cx, cy = m.sizePaper.cy, H = m.nHeight, A = m.nAveWidth;
    const CSize sheet(cx, cy);
    const CPoint start(0, 0), below(0, 5 * H), right(-m.nColumn - 100, 0);
    switch (nKind) {
    case 0: // premises: pages 3 to 6 down the left, 7 and 8 down the right
        return {{3, sheet, TRUE, start},  {4, sheet, FALSE, below}, {5, sheet, FALSE, below},
                {6, sheet, FALSE, below}, {7, sheet, TRUE, right},  {8, sheet, FALSE, below}};
    case 1: return {{9, sheet, TRUE, start}, {10, sheet, TRUE, right}};
    case 2: return {{1, sheet, TRUE, start}};
    case 3: return {{2, sheet, TRUE, start}};
    case 4: return {{16, CSize(m.nHalf, cy), TRUE, start}, {17, CSize(m.nHalf, cy), TRUE, right}};
    case 5:
        return {{18, CSize(cx, cy / 2 - 4 * H), TRUE, start},
                {19, CSize(cx, cy / 2 + 5 * H), TRUE, CPoint(0, cy / 2 - 3 * H)}};
    case 6:
        return {{20, CSize(cx, cy / 2), TRUE, start},
                {21, CSize(m.nHalf - A, cy / 2 - H), TRUE, CPoint(0, cy / 2 + H)},
                {22, CSize(m.nHalf - A, cy / 2 - H), TRUE, CPoint(-m.nHalf - A, cy / 2 + H)}};
    case 7: return {{11, sheet, TRUE, start}};
    case 8: return {{12, sheet, TRUE, start}};
    case 9: return {{15, CSize(cx, cy / 2), TRUE, start}};
    case 10:
        return {{13, CSize(cx, cy / 2 - H / 2), TRUE, start},
                {14, CSize(cx, cy / 2 - H / 2), TRUE, CPoint(0, cy / 2 + H / 2)}};
    case 11: return {{13, CSize(cx, cy / 2), TRUE, start}};
    case 12: return {{14, CSize(cx, cy / 2), TRUE, start}};
    case 13: return {{21, sheet, TRUE, start}};
    case 14: return {{22, sheet, TRUE, start}};
    case 15: return {{23, sheet, TRUE, start}};
    case 16: return {{24, sheet, TRUE, start}};
    default: return {};
    }
}
