// Helpers of the yearly page tests: filling a page's columns and reading the
// recorded drawing back in page coordinates.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/recorddc.h"
#include "result/pages/resultbase.h"
#include "result/pages/resultrows.h"

// A new row array of N + 2 columns of nCells + 4 cells: year y's cell k is cell(y, k).
inline void FillYearColumns(CResultBaseClass& page, int nYears, int nCells,
                            const std::function<CString(int, int)>& cell)
{
    page.DestroyData();
    page.CreateData();
    for (int i = 0; i < nYears + 2; ++i) {
        auto* column = new CResultStringArrayClass;
        column->CreateData(nCells);
        if (i > 0)
            for (int k = 0; k < nCells; ++k) column->SetData(k, cell(i - 1, k));
        page.m_pItemArray->Add(column);
    }
}

inline CResultStringArrayClass* LabelColumn(CResultBaseClass& page)
{
    return static_cast<CResultStringArrayClass*>(page.m_pItemArray->GetAt(0));
}

// A recorded rectangle on the page that starts at the window origin start.
inline CRect OnPage(const CDrawRecord& r, CRect rc, CPoint start = CPoint(0, 0))
{
    rc.OffsetRect(start.x - r.origin.x, start.y - r.origin.y);
    return rc;
}

// The cell of the first text drawn as text.
inline CRect TextBox(const CRecordDC& dc, const std::string& text, CPoint start = CPoint(0, 0))
{
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.text == text && r.clip) return OnPage(r, *r.clip, start);
    return CRect(-1, -1, -1, -1);
}

// The texts whose cells start at x = left on the page, in drawing order.
inline std::vector<CDrawRecord> TextsIn(const CRecordDC& dc, int left, CPoint start = CPoint(0, 0))
{
    std::vector<CDrawRecord> found;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.clip && OnPage(r, *r.clip, start).left == left) found.push_back(r);
    return found;
}

// The one-character captions of the band left of the labels, in drawing
// order: each text with the table line it is drawn on, in a cell from x 10
// to 50 one line of height h high (line 0 starts two lines below the top).
inline void ExpectBandCaptions(const CRecordDC& dc, CPoint start, int h,
                               const std::vector<std::pair<std::string, int>>& expected)
{
    const std::vector<CDrawRecord> captions = TextsIn(dc, 10, start);
    ASSERT_EQ(captions.size(), expected.size());
    for (size_t i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(captions[i].text, expected[i].first) << i;
        const int k = expected[i].second;
        EXPECT_EQ(OnPage(captions[i], *captions[i].clip, start), CRect(10, -(2 + k) * h, 50, -(3 + k) * h)) << i;
    }
}

// Bracket i of the frame lines (top, left and bottom edge each) as its rectangle.
inline CRect Bracket(const std::vector<CRect>& lines, size_t i)
{
    const CRect& top = lines[3 * i];
    const CRect& bottom = lines[3 * i + 2];
    return CRect(top.left, top.top, top.right, bottom.bottom);
}
