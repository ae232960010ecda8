#include "data/datalandprice.h"

#include "data/datasheetparts.h"

namespace {

CDataTaxBlockLayout TaxLandLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 8);
    l.RowLines(1, 2);
    l.RowLines(2, 3, 10); // rows 1 and 2 of the label column read as one label
    l.RowLines(3, 8);
    l.CellEdges(taxblock::WithScheduleEdges({{10, 27, 28, 36}, {10, 27, 28, 36, 37}, {10, 11, 27, 28}}));
    l.Item(0, 0, 10, 2300);
    l.Item(1, 0, 10, 2301);
    l.Item(2, 0, 10, 2302);
    l.ScheduleItems(3, 2303);
    l.SubItem(0, 28, 36, 10005);
    l.SubItem(1, 28, 36, 10005);
    l.SubItem(1, 37, 45, 10000);
    l.SubItem(2, 11, 27, 2330);
    l.SubItem(2, 28, 45, 2331);
    l.Data(0, 10, 27);
    l.Data(1, 10, 27);
    l.Data(1, 27, 28);
    l.Data(1, 36, 37);
    l.Data(2, 10, 11);
    l.Data(2, 27, 28);
    l.ScheduleCells(4, 2332);
    return l;
}

} // namespace

void CDataTaxLandClass::InitData()
{
    CDataClass::InitData();
    nInputMethod = 0;
    dProjectValue = 0.0;
    dTotalValue = 0.0;
}

const CDataTaxBlockLayout& CDataTaxLandClass::BlockLayout() const
{
    static const CDataTaxBlockLayout layout = TaxLandLayout();
    return layout;
}

BOOL CDataTaxLandClass::SetDataData(int)
{
    CObArray* p = m_apData[0];
    return SetNumberCell(p, 0, dTotalValue) && SetNumberCell(p, 1, dProjectValue) &&
           SetCheckGroup(p, 2, 2, nInputMethod) && SetCheckGroup(p, 4, 2, nInputMethod) &&
           SetScheduleCells(p, 6, *this);
}
