// Labels of the one-page data sheets.
#pragma once

#include "data/dataclass.h"
#include "sheet/sheetlayout.h"

// Cells nFirst to nFirst + nCount - 1 get the strings nFirstID onwards; FALSE
// at the first missing cell.
inline BOOL SetLabelTexts(CObArray* pArray, int nFirst, int nCount, UINT nFirstID, int nAlign)
{
    for (int i = 0; i < nCount; ++i)
        if (!SetCellText(pArray, nFirst + i, LoadDataString(nFirstID + i), nAlign)) return FALSE;
    return TRUE;
}
