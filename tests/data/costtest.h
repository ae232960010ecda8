// Helpers for the cost sheet tests: print settings, array sizes, cell
// inspection and checks on what a record DC holds.
#pragma once

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "data/dataclass.h"
#include "platform/codepage.h"
#include "platform/recorddc.h"
#include "sheet/printitem.h"
#include "tests/support/printcells.h"
#include "tests/support/render.h"

// The program's sheet fonts and pens: body text 388 high, titles 423.
inline void UseSheetPrintSettings()
{
    UseSheetPrintSettings(SetDataPrintFont, SetDataPrintTitleFont, SetDataPrintPen, SetDataPrintFramePen);
}

using ArraySizes = std::array<int, 6>;

inline CPrintItemClass& Cell(CObArray* pArray, int nIndex)
{
    return *static_cast<CPrintItemClass*>(pArray->GetAt(nIndex));
}

// Indexes of the ticked cells.
inline std::vector<int> Ticks(CObArray* pArray)
{
    std::vector<int> ticked;
    for (int i = 0; i < pArray->GetSize(); ++i)
        if (Cell(pArray, i).m_nCheck) ticked.push_back(i);
    return ticked;
}

// A text drawn on the DC with the origin it was drawn at.
struct DrawnText {
    std::string text;
    CPoint origin;
};

// Texts drawn with the title font, in order.
inline std::vector<DrawnText> Titles(const CRecordDC& dc)
{
    std::vector<DrawnText> titles;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.font.lfHeight == SheetTitleFont().lfHeight) titles.push_back({r.text, r.origin});
    return titles;
}

// Tick marks drawn (two strokes of the 0.2 mm pen each).
inline int CountTicks(const CRecordDC& dc)
{
    int strokes = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line))
        if (r.pen.lopnWidth.x == 20) ++strokes;
    return strokes / 2;
}

// Every text drawn ends inside its box: nothing is cut at the right edge.
inline void ExpectTextsFit(const CRecordDC& dc)
{
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text)) {
        ASSERT_TRUE(r.clip.has_value());
        int width = 0;
        for (int a : r.advances) width += a;
        EXPECT_LE(r.rc.left + width, r.clip->right) << r.text;
    }
}

// True when the boxes of two print items overlap (touching edges do not).
inline bool Overlap(const CPrintItemClass& a, const CPrintItemClass& b)
{
    return a.m_nX1 < b.m_nX2 && b.m_nX1 < a.m_nX2 && a.m_nY2 < b.m_nY1 && b.m_nY2 < a.m_nY1;
}

// Option cells nFirst to nFirst + nCount - 1 of the values each sit in one row
// with their label (sub-label nFirstLabel + i) right after them, and no two
// option cells or labels overlap.
inline void ExpectOptionCells(CObArray* pData, int nFirst, CObArray* pSubItem, int nFirstLabel, int nCount,
                              int nRowTop)
{
    for (int i = 0; i < nCount; ++i) {
        const CPrintItemClass& check = Cell(pData, nFirst + i);
        const CPrintItemClass& label = Cell(pSubItem, nFirstLabel + i);
        SCOPED_TRACE("option " + std::to_string(i) + " " + CP932ToUtf8(label.m_strText));
        EXPECT_EQ(check.m_nY1, nRowTop);
        EXPECT_EQ(label.m_nY1, nRowTop);
        EXPECT_EQ(check.m_nX2 - check.m_nX1, 400);
        EXPECT_EQ(label.m_nX1, check.m_nX2);
        for (int j = 0; j < i; ++j) {
            EXPECT_FALSE(Overlap(check, Cell(pData, nFirst + j)));
            EXPECT_FALSE(Overlap(label, Cell(pSubItem, nFirstLabel + j)));
            EXPECT_FALSE(Overlap(check, Cell(pSubItem, nFirstLabel + j)));
            EXPECT_FALSE(Overlap(label, Cell(pData, nFirst + j)));
        }
    }
}
