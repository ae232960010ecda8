// Cell helpers of the tax-rate sheets: the layout tables of a page and
// filling runs of cells with strings or values.
#pragma once

#include <initializer_list>

#include "sheet/sheetlayout.h"
#include "tax/taxclass.h"

// Rectangles of a sheet, one table per kind of print item.
struct CTaxSheetTables : CSheetTables {
    enum Kind { kFrame, kWLine, kHLine, kItem, kSubItem, kData, kKinds };

    // Places the items of one kind from rectangle nFirst of its table on;
    // FALSE when an item or a rectangle is missing.
    BOOL Place(CObArray* pArray, Kind kind, int nFirst = 0) const;
};

// Cells nFirst, nFirst + 1, ... get values: every decimal, trailing zeros trimmed, thousands separators.
BOOL SetTaxValues(CObArray* pArray, int nFirst, std::initializer_list<double> values, int nAlign = 2);
