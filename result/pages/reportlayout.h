// Where the pages of each report kind go on the sheet.
#pragma once

#include <vector>

#include "platform/afxtypes.h"

// Measures of one drawing: the sheet extent, the body font's height H and
// average width A, the half-sheet width (cx / 2 - 50) and the right column's
// offset (the half width cut down to a multiple of 2A).
struct CReportMetrics {
    CSize sizePaper;
    int nHeight;
    int nAveWidth;
    int nHalf;
    int nColumn;
};

CReportMetrics MakeReportMetrics(CSize sizePaper, const TEXTMETRIC& tm);

// One page of a report: its number in the result object (1 to 24), the
// extent it draws into, and its window origin: offset from the report's
// starting origin, or from where the page before left the origin.
struct CReportPage {
    int nPage;
    CSize size;
    BOOL bFromStart;
    CPoint offset;
};

// The pages of report kind nKind in drawing order; none outside 0 to 16.
std::vector<CReportPage> GetReportPages(int nKind, const CReportMetrics& m);
