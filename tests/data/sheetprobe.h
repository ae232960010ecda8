// Probes of built and drawn data sheets: element counts, cell rectangles,
// ticked cells and the rows of drawn texts.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "data/dataclass.h"
#include "platform/recorddc.h"
#include "sheet/printitem.h"
#include "sheet/sheetlayout.h"
#include "tests/support/printcells.h"
#include "tests/support/render.h"

// The program's fonts and pens as the data library's print settings.
inline void UseSheetPrintSettings()
{
    UseSheetPrintSettings(SetDataPrintFont, SetDataPrintTitleFont, SetDataPrintPen, SetDataPrintFramePen);
}

inline CRect CellRect(const CObArray* pArray, int nIndex)
{
    const CPrintItemClass* p = GetPrintItem(pArray, nIndex);
    return p ? CRect(p->m_nX1, p->m_nY1, p->m_nX2, p->m_nY2) : CRect();
}

inline std::vector<int> TickedCells(const CObArray* pArray)
{
    std::vector<int> ticked;
    for (int i = 0; i < pArray->GetSize(); ++i)
        if (GetPrintItem(pArray, i)->m_nCheck == 1) ticked.push_back(i);
    return ticked;
}

// The first drawn text equal to the UTF-8 text, or null.
inline const CDrawRecord* FindDrawnText(const CRecordDC& dc, const std::string& text)
{
    for (const CDrawRecord& r : dc.Records())
        if (r.kind == CDrawRecord::Text && r.text == text) return &r;
    return nullptr;
}

// The sheet row (from 0) in which a drawn text's top lies.
inline int DrawnRow(const CDrawRecord& r)
{
    return -r.rc.top / kSheetRow;
}

// A drawn label: its text, the row it is drawn in and the x range it starts in.
struct DrawnLabel {
    std::string text;
    int row;
    int xMin, xMax;
};

inline void ExpectDrawnLabels(const CRecordDC& dc, const std::vector<DrawnLabel>& labels)
{
    for (const DrawnLabel& l : labels) {
        SCOPED_TRACE(l.text);
        const CDrawRecord* r = FindDrawnText(dc, l.text);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(DrawnRow(*r), l.row);
        EXPECT_GE(r->rc.left, l.xMin);
        EXPECT_LT(r->rc.left, l.xMax);
    }
}
