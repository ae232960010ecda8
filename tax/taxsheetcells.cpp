#include "tax/taxsheetcells.h"

#include "sheet/numberformat.h"

BOOL CTaxSheetTables::Place(CObArray* pArray, Kind kind, int nFirst) const
{
    const CLayoutTable* tables[] = {&frame, &wline, &hline, &item, &subitem, &data};
    return kind >= 0 && kind < kKinds && CopyLayoutToPrintArray(pArray, *tables[kind], 4 * nFirst);
}

BOOL SetTaxValues(CObArray* pArray, int nFirst, std::initializer_list<double> values, int nAlign)
{
    for (double d : values)
        if (!SetCellText(pArray, nFirst++, FormatNumberText(-1, d, TRUE), nAlign)) return FALSE;
    return TRUE;
}
