// The worked example's print-out: the print settings the program uses on A4
// or B4 paper, and the pages of one print-out (the cover, a page header and
// report kinds 0 to 16).
#pragma once

#include "platform/cdc.h"
#include "tests/result/exampleproject.h"

enum class ReportPaper { kA4, kB4 };

constexpr int kReportKinds = 17;
// Cover, page header, then the kinds in order.
constexpr int kReportPages = 2 + kReportKinds;

// The program's result fonts and pens for the paper.
void UseReportPrintSettings(ReportPaper paper);
// The printable extent of the landscape sheet, in 0.1 mm.
CSize ReportExtent(ReportPaper paper);
// Draws page nPage (0 to kReportPages - 1) of the calculated project from the
// window origin of pDC.
void DrawReportPage(CProjectInMemory& project, ReportPaper paper, int nPage, CDC* pDC);
