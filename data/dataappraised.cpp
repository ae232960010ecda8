#include "data/dataappraised.h"

#include "data/datasheetparts.h"

namespace {

CDataTaxBlockLayout LandLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 8);
    l.RowLines(1, 8);
    l.CellEdges(taxblock::WithScheduleEdges({{8, 23}, {8, 9, 23, 24}, {8, 15, 22, 23, 30, 37, 38}}));
    l.Item(0, 0, 8, 1600);
    l.Item(1, 0, 8, 1601);
    l.ScheduleItems(3, 1602);
    l.Item(2, 0, 8, 1612);
    l.Item(2, 8, 15, 2000);
    l.Item(2, 23, 30, 2100);
    l.SubItem(0, 23, 45, 10005);
    l.SubItem(1, 9, 23, 1700);
    l.SubItem(1, 24, 45, 1701);
    l.SubItem(2, 22, 23, 1706);
    l.SubItem(2, 37, 38, 1706);
    l.Data(0, 8, 23);
    l.Data(1, 8, 9);
    l.Data(1, 23, 24);
    l.Data(2, 15, 22);
    l.Data(2, 30, 37);
    l.ScheduleCells(4, 1703);
    return l;
}

CDataTaxBlockLayout BuildingLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 7);
    l.RowLines(1, 7);
    l.CellEdges(taxblock::WithScheduleEdges({{8, 23, 24, 34, 35}, {8, 9, 20, 21, 32, 33}}));
    l.Item(0, 0, 8, 1600);
    l.Item(1, 0, 8, 1601);
    l.ScheduleItems(2, 1602);
    l.SubItem(0, 24, 34, 10005);
    l.SubItem(0, 35, 45, 10000);
    l.SubItem(1, 9, 20, 1700);
    l.SubItem(1, 21, 32, 1701);
    l.SubItem(1, 33, 45, 1702);
    l.Data(0, 8, 23);
    l.Data(0, 23, 24);
    l.Data(0, 34, 35);
    l.Data(1, 8, 9);
    l.Data(1, 20, 21);
    l.Data(1, 32, 33);
    l.ScheduleCells(3, 1703);
    return l;
}

} // namespace

CDataAppraisedClass::CDataAppraisedClass() : tagDATAAPPRAISED{}
{
    InitData();
}

void CDataAppraisedClass::InitData()
{
    CDataClass::InitData();
    dAmount = 0.0;
    nInputMethod = 0;
    m_nKind = 0;
}

const CDataTaxBlockLayout& CDataAppraisedClass::BlockLayout() const
{
    static const CDataTaxBlockLayout land = LandLayout(), building = BuildingLayout();
    return IsBuilding() ? building : land;
}

BOOL CDataAppraisedClass::SetHLinePoint(int nPage)
{
    TDataTaxBlockClass::SetHLinePoint(nPage);
    return TRUE;
}

BOOL CDataAppraisedClass::SetDataData(int)
{
    CObArray* p = m_apData[0];
    if (!SetNumberCell(p, 0, dAmount)) return FALSE;
    if (IsBuilding())
        return SetCheckGroup(p, 1, 2, nInputMethod == 2 ? 1 : 0) && SetCheckGroup(p, 3, 3, nInputMethod) &&
               SetScheduleCells(p, 6, *this);
    return SetCheckGroup(p, 1, 2, nInputMethod) && SetNumberCell(p, 3, dAssetBaseRatio) &&
           SetNumberCell(p, 4, dCityBaseRatio) && SetScheduleCells(p, 5, *this);
}
