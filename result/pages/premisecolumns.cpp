#include "result/pages/premisecolumns.h"

#include "result/pages/premisepage.h"
#include "result/pages/resultrows.h"
#include "sheet/printitem.h"

namespace {

const int kHeadLine = 2;
const UINT kItemHeadId = 25000;
const UINT kContentHeadId = 25001;
const UINT kAmountHeadId = 25002;
// The amount column of the item, content and amount pages.
const int kAmountWidth = 8;

// Page 5: item, method, useful life, extra depreciation, capital expenditure
// and book value; seven rows of one line, the last the total.
const CPremiseFrame kDepreciationFrame = {10144, 11, 10, TRUE};
const int kDepreciationRows = 7;
const int kDepreciationEdges[] = {11, 16, 21, 26, 32};
const UINT kFirstDepreciationHeadId = 10145;

// Page 6: item, year, source and amount; two rows of one line.
const CPremiseFrame kCapitalpayFrame = {10160, 11, 5, TRUE};
const int kCapitalpayRows = 2;
const int kCapitalpayEdges[] = {11, 19, 27};
const UINT kFirstCapitalpayHeadId = 10161;

// Page 7: two rows of nine lines, each line of three parts.
const CPremiseFrame kLoanFrame = {10170, 11, 21, TRUE};
const int kLoanRows = 2;
const int kLoanRowLines = 9;
const int kLoanSecondBlock = 9;

// Page 8: rows of five, one and three lines; the last page of its report,
// so the origin stays. Rows 8 and 9 are not drawn.
const CPremiseFrame kTaxFrame = {18, 11, 27, FALSE};
const int kTaxRows = 8;
const int kTaxRowTops[kTaxRows + 1] = {3, 8, 13, 18, 19, 20, 23, 26, 27};
const int kTaxValueRow = 3;
const int kTaxPairOffset = 12;

// Page 9: two rows of one line above the column heads, then six of five lines.
const CPremiseFrame kProRestOtherFrame = {10223, 10, 35, TRUE};
const int kProRestOtherRows = 8;
const int kProRestOtherHeadLine = 4;
const int kProRestOtherLeadRows = 2;

// Page 10: eight rows of five lines.
const CPremiseFrame kRestOtherFrame = {10233, 10, 43, TRUE};
const int kRestOtherRows = 8;

const int kFiveLines = 5;

// Left edge of the amount column.
int AmountLeft(const CPremiseGrid& g)
{
    return g.Width() - kAmountWidth;
}

void DrawHeadRule(const CPremiseGrid& g, int nHeadLine)
{
    g.HorizontalRule(nHeadLine + 1, 0, g.Width());
}

// Heads of the item, content and amount columns and the rule between the last two.
void DrawThreeColumnHeads(const CPremiseGrid& g, int nItemWidth, int nHeadLine, int nAmountRuleEnd)
{
    const int A = AmountLeft(g);
    DrawHeadRule(g, nHeadLine);
    g.VerticalRule(A, nHeadLine, nAmountRuleEnd);
    g.TextId(kItemHeadId, 0, nItemWidth, nHeadLine, nHeadLine + 1);
    g.TextId(kContentHeadId, nItemWidth, A, nHeadLine, nHeadLine + 1);
    g.TextId(kAmountHeadId, A, g.Width(), nHeadLine, nHeadLine + 1);
}

void DrawItem(const CPremiseGrid& g, const CResultItemClass& row, int nItemWidth, int nTop, int nBottom)
{
    g.Text(row.m_strItem, 0, nItemWidth, nTop, nBottom, kAlignCentre);
}

// A five-line row from line nTop. Its content holds nHeadParts parts on the
// first line (one aligned by nHeadAlign; two left and right), then three
// blocks of four lines: left, right 3 units inside the edge, and right.
void DrawFiveLineRow(const CPremiseGrid& g, const CResultItemClass& row, int nItemWidth, int nTop, int nHeadParts,
                     int nHeadAlign)
{
    const int L = nItemWidth, R = AmountLeft(g), nBottom = nTop + kFiveLines;
    const CString& str = row.m_strContent;
    DrawItem(g, row, nItemWidth, nTop, nBottom);
    if (nHeadParts == 1) {
        g.Text(GetTextLine(str, 1), L, R, nTop, nTop + 1, nHeadAlign);
    } else {
        g.Text(GetTextLine(str, 1), L, R, nTop, nTop + 1, kAlignLeft);
        g.Text(GetTextLine(str, 2), L, R, nTop, nTop + 1, kAlignRight);
    }
    const int nFirst = nHeadParts + 1;
    g.Text(JoinTextParts(str, nFirst, 3, 4), L, R, nTop + 1, nBottom, kAlignLeft);
    g.Text(JoinTextParts(str, nFirst + 1, 3, 4), L, R - 3, nTop + 1, nBottom, kAlignRight);
    g.Text(JoinTextParts(str, nFirst + 2, 3, 4), L, R, nTop + 1, nBottom, kAlignRight);
    g.Text(row.m_strMoney, R, g.Width(), nTop, nBottom, kAlignRight);
}

// Rules under the rows whose tops are anTop[0..nRows - 1] and last bottom anTop[nRows].
void DrawRowRules(const CPremiseGrid& g, const int* anTop, int nRows)
{
    for (int i = 1; i <= nRows; ++i) g.HorizontalRule(anTop[i], 0, g.Width());
}

} // namespace

CResultDepreciationDataClass::CResultDepreciationDataClass()
{
    InitData();
}

void CResultDepreciationDataClass::InitData()
{
    CResultBaseClass::InitData();
    m_strBookValueTitle.Empty();
}

void CResultDepreciationDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kDepreciationFrame, [&](const CPremiseGrid& g) {
        const int W = g.Width(), nFirst = kHeadLine + 1, nTotal = nFirst + kDepreciationRows - 1;
        const int* E = kDepreciationEdges;
        const int nBook = E[4];
        DrawHeadRule(g, kHeadLine);
        for (int i = 1; i <= kDepreciationRows; ++i) g.HorizontalRule(nFirst + i, 0, W);
        // The middle columns merge on the total row.
        for (int c = 1; c < 4; ++c) g.VerticalRule(E[c], kHeadLine, nTotal);
        g.VerticalRule(nBook, kHeadLine, nTotal + 1);
        g.TextId(kItemHeadId, 0, E[0], kHeadLine, nFirst);
        for (int c = 0; c < 4; ++c) g.TextId(kFirstDepreciationHeadId + c, E[c], E[c + 1], kHeadLine, nFirst);
        g.TextId(kFirstDepreciationHeadId + 4, nBook, W, kHeadLine, nFirst);
        for (int i = 0; i < kDepreciationRows; ++i) {
            const CResultItemClass* pRow = PremiseRow(*this, i, kDepreciationRows);
            if (!pRow) continue;
            const int top = nFirst + i, bottom = top + 1;
            DrawItem(g, *pRow, E[0], top, bottom);
            if (top == nTotal) {
                g.Text(m_strBookValueTitle, E[0], nBook, top, bottom, kAlignCentre);
                g.Text(pRow->m_strMoney, nBook, W, top, bottom, kAlignRight);
                continue;
            }
            for (int c = 0; c < 4; ++c)
                g.Text(GetTextLine(pRow->m_strMoney, c + 1), E[c], E[c + 1], top, bottom, kAlignCentre);
            g.Text(GetTextLine(pRow->m_strMoney, 5), nBook, W, top, bottom, kAlignRight);
        }
    });
}

void CResultCapitalpayDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kCapitalpayFrame, [&](const CPremiseGrid& g) {
        const int W = g.Width(), nFirst = kHeadLine + 1;
        const int* E = kCapitalpayEdges;
        DrawHeadRule(g, kHeadLine);
        for (int i = 1; i <= kCapitalpayRows; ++i) g.HorizontalRule(nFirst + i, 0, W);
        for (int c = 1; c < 3; ++c) g.VerticalRule(E[c], kHeadLine, nFirst + kCapitalpayRows);
        const int anRight[] = {E[1], E[2], W};
        g.TextId(kItemHeadId, 0, E[0], kHeadLine, nFirst);
        for (int c = 0; c < 3; ++c) g.TextId(kFirstCapitalpayHeadId + c, E[c], anRight[c], kHeadLine, nFirst);
        for (int i = 0; i < kCapitalpayRows; ++i) {
            const CResultItemClass* pRow = PremiseRow(*this, i, kCapitalpayRows);
            if (!pRow) continue;
            const int top = nFirst + i, bottom = top + 1;
            DrawItem(g, *pRow, E[0], top, bottom);
            for (int c = 0; c < 2; ++c)
                g.Text(GetTextLine(pRow->m_strMoney, c + 1), E[c], anRight[c], top, bottom, kAlignCentre);
            g.Text(GetTextLine(pRow->m_strMoney, 3), E[2], W, top, bottom, kAlignRight);
        }
    });
}

void CResultCapitalpayLoanDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kLoanFrame, [&](const CPremiseGrid& g) {
        const int I = kLoanFrame.nItemWidth, R = AmountLeft(g), nFirst = kHeadLine + 1;
        DrawThreeColumnHeads(g, I, kHeadLine, kLoanFrame.nLines);
        for (int i = 0; i < kLoanRows; ++i) {
            const int top = nFirst + i * kLoanRowLines, bottom = top + kLoanRowLines;
            g.HorizontalRule(bottom, 0, g.Width());
            const CResultItemClass* pRow = PremiseRow(*this, i, kLoanRows);
            if (!pRow) continue;
            const CString& str = pRow->m_strContent;
            DrawItem(g, *pRow, I, top, bottom);
            g.Text(JoinTextParts(str, 1, 3, kLoanRowLines), I, R, top, bottom, kAlignLeft);
            g.Text(JoinTextParts(str, 2, 3, kLoanRowLines), I + kLoanSecondBlock, R, top, bottom, kAlignLeft);
            g.Text(JoinTextParts(str, 3, 3, kLoanRowLines), I, R, top, bottom, kAlignRight);
            g.Text(pRow->m_strMoney, R, g.Width(), top, bottom, kAlignRight);
        }
    });
}

void CResultTaxDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kTaxFrame, [&](const CPremiseGrid& g) {
        const int I = kTaxFrame.nItemWidth, W = g.Width();
        // Rows from the fourth on have no amount column.
        DrawThreeColumnHeads(g, I, kHeadLine, kTaxRowTops[kTaxValueRow]);
        DrawRowRules(g, kTaxRowTops, kTaxRows);
        for (int i = 0; i < kTaxRows; ++i) {
            const CResultItemClass* pRow = PremiseRow(*this, i, kTaxRows);
            if (!pRow) continue;
            const int top = kTaxRowTops[i], bottom = kTaxRowTops[i + 1];
            const CString& str = pRow->m_strMoney;
            if (i < 2) {
                DrawFiveLineRow(g, *pRow, I, top, 1, kAlignCentre);
                continue;
            }
            if (i == 2) {
                DrawFiveLineRow(g, *pRow, I, top, 2, kAlignLeft);
                continue;
            }
            DrawItem(g, *pRow, I, top, bottom);
            if (i < 5) {
                g.Text(str, I, W, top, bottom, kAlignCentre);
            } else if (i < 7) {
                g.Text(JoinTextParts(str, 1, 2, 3), I, W, top, bottom, kAlignLeft);
                g.Text(JoinTextParts(str, 2, 2, 3), I + kTaxPairOffset, W, top, bottom, kAlignLeft);
            } else {
                g.Text(GetTextLine(str, 1), I, W, top, bottom, kAlignLeft);
                g.Text(GetTextLine(str, 2), I + kTaxPairOffset, W, top, bottom, kAlignLeft);
            }
        }
    });
}

void CResultProRestOtherDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kProRestOtherFrame, [&](const CPremiseGrid& g) {
        const int I = kProRestOtherFrame.nItemWidth, W = g.Width();
        const int nFirstFive = kProRestOtherHeadLine + 1;
        for (int i = 0; i < kProRestOtherLeadRows; ++i) g.HorizontalRule(kHeadLine + i + 1, 0, W);
        DrawThreeColumnHeads(g, I, kProRestOtherHeadLine, kProRestOtherFrame.nLines);
        for (int i = kProRestOtherLeadRows; i < kProRestOtherRows; ++i)
            g.HorizontalRule(nFirstFive + (i - kProRestOtherLeadRows + 1) * kFiveLines, 0, W);
        for (int i = 0; i < kProRestOtherRows; ++i) {
            const CResultItemClass* pRow = PremiseRow(*this, i, kProRestOtherRows);
            if (!pRow) continue;
            if (i < kProRestOtherLeadRows) {
                const int top = kHeadLine + i;
                DrawItem(g, *pRow, I, top, top + 1);
                g.Text(pRow->m_strMoney, I, W, top, top + 1, kAlignCentre);
                continue;
            }
            DrawFiveLineRow(g, *pRow, I, nFirstFive + (i - kProRestOtherLeadRows) * kFiveLines, 1, kAlignLeft);
        }
    });
}

void CResultRestOtherDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kRestOtherFrame, [&](const CPremiseGrid& g) {
        const int I = kRestOtherFrame.nItemWidth, nFirst = kHeadLine + 1;
        DrawThreeColumnHeads(g, I, kHeadLine, kRestOtherFrame.nLines);
        for (int i = 0; i < kRestOtherRows; ++i) {
            const int top = nFirst + i * kFiveLines;
            g.HorizontalRule(top + kFiveLines, 0, g.Width());
            if (const CResultItemClass* pRow = PremiseRow(*this, i, kRestOtherRows))
                DrawFiveLineRow(g, *pRow, I, top, 1, kAlignLeft);
        }
    });
}
