#include "result/pages/premisebasic.h"

#include "result/pages/premisepage.h"
#include "result/pages/resultrows.h"
#include "sheet/printitem.h"

namespace {

const int kRows = 9;
const int kItemWidth = 10;
const int kFirstRowLine = 2;

// Page 3: the project name over two lines, then eight rows of one line.
const CPremiseFrame kBasicFrame = {10120, kItemWidth, 12, TRUE};
const int kSubTitleRows = 4;
const int kConsumptionRow = 6;

int BasicRowTop(int i)
{
    return i == 0 ? kFirstRowLine : kFirstRowLine + i + 1;
}

// Page 4: nine rows of one line; the first seven are areas.
const CPremiseFrame kOutlineFrame = {10131, kItemWidth, 11, TRUE};
const int kAreaRows = 7;

} // namespace

void CResultBasicDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kBasicFrame, [&](const CPremiseGrid& g) {
        const int W = g.Width();
        // Under the project name the rule spans the value column only; the
        // subtitle lines form one block without rules.
        g.HorizontalRule(BasicRowTop(1), kItemWidth, W);
        for (int i = kSubTitleRows; i < kRows; ++i) g.HorizontalRule(BasicRowTop(i + 1), 0, W);
        for (int i = 0; i < kRows; ++i) {
            const CResultItemClass* pRow = PremiseRow(*this, i, kRows);
            if (!pRow) continue;
            const CResultItemClass& row = *pRow;
            const int top = BasicRowTop(i), bottom = BasicRowTop(i + 1);
            g.Text(row.m_strItem, 0, kItemWidth, top, bottom, kAlignCentre);
            if (i >= 1 && i <= kSubTitleRows) {
                g.Text(row.m_strMoney, kItemWidth + 1, W, top, bottom, kAlignLeft);
            } else if (i == kConsumptionRow) {
                g.Text(GetTextLine(row.m_strMoney, 1), kItemWidth, W, top, bottom, kAlignCentre);
                g.Text(GetTextLine(row.m_strMoney, 2), kItemWidth, W, top, bottom, kAlignRight);
            } else {
                g.Text(row.m_strMoney, kItemWidth, W, top, bottom, kAlignCentre);
            }
        }
    });
}

void CResultOutlineDataClass::ReportDraw(CDC* pDC)
{
    DrawPremisePage(pDC, m_sizePage, kOutlineFrame, [&](const CPremiseGrid& g) {
        const int W = g.Width(), middle = kItemWidth + (W - kItemWidth) / 2;
        for (int i = 0; i < kRows; ++i) g.HorizontalRule(kFirstRowLine + i + 1, 0, W);
        for (int i = 0; i < kRows; ++i) {
            const CResultItemClass* pRow = PremiseRow(*this, i, kRows);
            if (!pRow) continue;
            const CResultItemClass& row = *pRow;
            const int top = kFirstRowLine + i, bottom = top + 1;
            g.Text(row.m_strItem, 0, kItemWidth, top, bottom, kAlignCentre);
            if (i < kAreaRows) {
                g.Text(GetTextLine(row.m_strMoney, 1), kItemWidth, middle, top, bottom, kAlignRight);
                g.Text(GetTextLine(row.m_strMoney, 2), middle, W, top, bottom, kAlignRight);
            } else {
                g.Text(row.m_strMoney, kItemWidth, W, top, bottom, kAlignCentre);
            }
        }
    });
}
