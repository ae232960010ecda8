// Helpers of the one-page data sheets: their six layout tables and their labels.
#pragma once

#include "data/dataclass.h"
#include "sheet/sheetlayout.h"

struct CDataSheetTables {
    CLayoutTable frame, wline, hline, item, subitem, data;

    // The element counts of the page, in the order the record base builds it.
    template <class TCounts>
    TCounts Counts() const
    {
        return {frame.Count(), wline.Count(), hline.Count(), item.Count(), subitem.Count(), data.Count()};
    }
};

// Cells nFirst to nFirst + nCount - 1 get the strings nFirstID onwards; FALSE
// at the first missing cell.
inline BOOL SetLabelTexts(CObArray* pArray, int nFirst, int nCount, UINT nFirstID, int nAlign)
{
    for (int i = 0; i < nCount; ++i)
        if (!SetCellText(pArray, nFirst + i, LoadDataString(nFirstID + i), nAlign)) return FALSE;
    return TRUE;
}
