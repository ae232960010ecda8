#include "tax/taxsheetcells.h"

BOOL CTaxSheetTables::Place(CObArray* pArray, Kind kind, int nFirst) const
{
    const CLayoutTable* tables[] = {&frame, &wline, &hline, &item, &subitem, &data};
    return kind >= 0 && kind < kKinds && CopyLayoutToPrintArray(pArray, *tables[kind], 4 * nFirst);
}
