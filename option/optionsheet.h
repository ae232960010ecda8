// Helpers shared by the option sheets: the table of two-choice items, and
// records whose sheet is blocks drawn under one title.
#pragma once

#include "option/optionclass.h"
#include "sheet/sheetlayout.h"

// Items in a left and a right half under a row of four headings. An item is a
// name (nNameCols wide on the left, up to column 35 on the right) and two check
// cells, each before its choice label. Headings are labels 0 to 3, followed by
// the names when bNamesAsLabels; choice labels are every item's first, then
// every item's second; values are the names (unless labels), then two checks
// per item.
CSheetTables TwoChoiceLayout(int nNameCols, int nLeftItems, int nRightItems, bool bNamesAsLabels);
// Choice labels of a two-choice table: string nFirstID for every item, then nFirstID + 1.
BOOL SetTwoChoiceLabels(CObArray* pArray, int nItems, UINT nFirstID);
// The two check cells nFirst + 2j of item j, ticked by anValues[j].
BOOL SetTwoChoiceChecks(CObArray* pArray, int nFirst, const int* anValues, int nItems);

// An option record whose sheet is drawn as blocks, one per page, under one
// title; each block is drawn with its own page's flags.
class COptionBlockClass : public COptionClass {
protected:
    // TRUE when page nPage's frame, label, choice-label and value arrays exist.
    BOOL HasPrintPage(int nPage) const;
    // m_strTitle unless flag [0] of page 0 is set. FALSE, drawing nothing, when
    // page 0 is not built or the fonts or pens cannot be created.
    BOOL DrawBlockTitle(CDC* pDC);
};
