// The layout tables of a tax-rate sheet, placed by kind.
#pragma once

#include "sheet/sheetlayout.h"
#include "tax/taxclass.h"

// Rectangles of a sheet, one table per kind of print item.
struct CTaxSheetTables : CSheetTables {
    enum Kind { kFrame, kWLine, kHLine, kItem, kSubItem, kData, kKinds };

    // Places the items of one kind from rectangle nFirst of its table on;
    // FALSE when an item or a rectangle is missing.
    BOOL Place(CObArray* pArray, Kind kind, int nFirst = 0) const;
};

