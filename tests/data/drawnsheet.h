// Reading back what a data sheet drew on the recording device context:
// texts by row and origin, item counts of any page, ticks.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "tests/data/sheetprobe.h"

// A text as drawn: the grid row its box starts in, counted from the window
// origin of the time, and that origin.
struct CDrawnText {
    int nRow = -1;
    CPoint origin;
};

// The n-th drawing of a text (UTF-8); row -1 when there is none.
inline CDrawnText LocateDrawnText(const CRecordDC& dc, const std::string& text, int n = 0)
{
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.text == text && n-- == 0) return {int(-r.rc.top) / 500, r.origin};
    return {};
}

inline int CountDrawnText(const CRecordDC& dc, const std::string& text)
{
    const auto texts = dc.Texts();
    return int(std::count(texts.begin(), texts.end(), text));
}

// Value cell i of page nPage.
inline CPrintItemClass* Cell(const CDataClass& record, int i, int nPage = 0)
{
    return static_cast<CPrintItemClass*>(record.m_apData[nPage]->GetAt(i));
}

// The ticked cells of value cells nFirst to nFirst + nCount - 1, as offsets.
inline std::vector<int> Ticks(const CDataClass& record, int nFirst, int nCount, int nPage = 0)
{
    std::vector<int> ticks;
    for (int i = 0; i < nCount; ++i)
        if (Cell(record, nFirst + i, nPage)->m_nCheck) ticks.push_back(i);
    return ticks;
}

// Ticks drawn: each is two strokes with the 0.2 mm pen.
inline int CountDrawnTicks(const CRecordDC& dc)
{
    int n = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line))
        if (r.pen.lopnWidth.x == 20) ++n;
    return n / 2;
}
