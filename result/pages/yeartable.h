// The grid shared by the yearly table pages: a label column, eleven year
// columns, a unit line and a header row, row groups framed in blue, shaded
// rows and negative amounts in red. Each page gives only its row plan.
#pragma once

#include "result/pages/resultprint.h"

#include <vector>

#include "platform/cdc.h"
#include "platform/cstring.h"
#include "result/pages/resultbase.h"

// Table lines nFirst to nLast framed together, in the label area and in
// every year column.
struct CYearTableGroup {
    int nFirst;
    int nLast;
};

// A band over lines nFirst to nLast: a strip at the left of the label area
// that holds a caption; the groups inside it are framed from its right edge.
struct CYearTableBand {
    int nFirst;
    int nLast;
};

// One character of a band caption, on table line nLine.
struct CYearTableCaption {
    CString strText;
    int nLine;
};

// A thin rule at the top of table line nLine to the page's right edge, from
// the band's right edge (bFromBand) or from x = 0.
struct CYearTableRule {
    int nLine;
    BOOL bFromBand;
};

// One line of text from the top of grid row nGridRow down to the page's
// bottom, left-aligned from the band's right edge (bFromBand) or from x = 0.
struct CYearTableNote {
    CString strText;
    int nGridRow;
    BOOL bFromBand;
};

// The row plan of a yearly page. Grid row 0 is the unit line, row 1 the
// header row, table line k is grid row 2 + k.
struct CYearTablePlan {
    int nGridRows;                 // the row height is the page height / nGridRows
    int nLines;                    // table lines drawn
    CString strTitle;
    std::vector<CYearTableGroup> groups;
    std::vector<CYearTableBand> bands;
    std::vector<CYearTableCaption> captions;
    BOOL bCentredCaptions = FALSE; // centred in the band's left part, not left-aligned in its middle
    std::vector<int> highlights;   // lines shaded across the page
    std::vector<CYearTableRule> rules;
    std::vector<CYearTableNote> notes;
};

// Draws the page's columns (element 0 the labels, element y + 1 year y) by
// the plan into m_sizePage, with the page's year columns m_anYear, from the
// window origin it finds and puts that origin back. A page without columns
// or with more than 52 draws nothing.
void DrawYearTable(CDC* pDC, const CResultBaseClass& page, const CYearTablePlan& plan);

