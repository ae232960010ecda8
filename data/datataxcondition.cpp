#include "data/datataxcondition.h"

namespace {

const std::vector<int>& kChoice = taxblock::kChoiceRowEdges;

CDataTaxBlockLayout SpecialHouseLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 1);
    l.CellEdges({{14, 22, 23, 37, 44}});
    l.Item(0, 0, 14, 1800);
    l.Item(0, 23, 37, 1801);
    l.SubItem(0, 22, 23, 10000);
    l.SubItem(0, 44, 45, 10004);
    l.SubItem(1, 0, 45, 1810); // the note, below the frame
    l.Data(0, 14, 22);
    l.Data(0, 37, 44);
    return l;
}

CDataTaxBlockLayout MunicipalLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 6);
    l.RowLines(1, 2);
    l.RowLines(2, 3, 13); // the building-form label spans rows 1 and 2
    l.RowLines(3, 6);
    l.CellEdges({{}, kChoice, {13, 14}, kChoice, kChoice, kChoice});
    l.Item(0, 0, 45, 2000);
    l.Item(1, 0, 13, 2001, 2);
    l.SubItem(1, 14, 29, 2010);
    l.SubItem(1, 30, 45, 2011);
    l.SubItem(2, 14, 45, 2012);
    l.Data(1, 13, 14);
    l.Data(1, 29, 30);
    l.Data(2, 13, 14);
    l.ChoiceRow(3, 2002, 2013, 2014);
    l.ChoiceRow(4, 2003, 2013, 2014);
    l.ChoiceRow(5, 2004, 2015, 2016);
    return l;
}

CDataTaxBlockLayout CityPlanLayout()
{
    CDataTaxBlockLayout l;
    l.frame.VLine(0, 0, 3).VLine(kSheetColumns, 0, 3).HLine(3, 0, kSheetColumns);
    l.RowLines(1, 3);
    l.CellEdges({{}, kChoice, kChoice});
    l.Item(0, 0, 45, 2100);
    l.ChoiceRow(1, 2101, 2120, 2121);
    l.ChoiceRow(2, 2102, 2122, 2123);
    return l;
}

CDataTaxBlockLayout RealtyGetLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 3);
    l.RowLines(1, 3);
    l.CellEdges({kChoice, kChoice, kChoice});
    for (int r = 0; r < 3; ++r) l.ChoiceRow(r, 1900 + r, 1920, 1921);
    return l;
}

CDataTaxBlockLayout BusinessPlaceLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 3);
    l.RowLines(1, 3);
    l.CellEdges({kChoice, {13, 29}, kChoice});
    l.ChoiceRow(0, 2200, 2220, 2221);
    l.Item(1, 0, 13, 2201);
    l.SubItem(1, 29, 45, 10000);
    l.Data(1, 13, 29);
    l.ChoiceRow(2, 2202, 2222, 2223);
    l.SubItem(3, 0, 45, 2224); // the note, below the frame
    return l;
}

CDataTaxBlockLayout TaxBusinessLayout()
{
    CDataTaxBlockLayout l;
    l.frame.Frame(0, 0, kSheetColumns, 1);
    l.CellEdges({kChoice});
    l.ChoiceRow(0, 2250, 2260, 2261);
    return l;
}

} // namespace

CDataTaxSpecialHouseClass::CDataTaxSpecialHouseClass() { InitData(); }

void CDataTaxSpecialHouseClass::InitData()
{
    CDataClass::InitData();
    dHouseRatio = 0.0;
    nHouseUnits = 0;
}

const CDataTaxBlockLayout& CDataTaxSpecialHouseClass::BlockLayout() const
{
    static const CDataTaxBlockLayout layout = SpecialHouseLayout();
    return layout;
}

BOOL CDataTaxSpecialHouseClass::SetDataData(int)
{
    return SetNumberCell(m_apData[0], 0, dHouseRatio) && SetIntegerCell(m_apData[0], 1, nHouseUnits);
}

CDataTaxMunicipalClass::CDataTaxMunicipalClass() { InitData(); }

void CDataTaxMunicipalClass::InitData()
{
    CDataClass::InitData();
    nBuildingType = 0;
    nLandHouseSpecial = 0;
    nBuildingHouseSpecial = 0;
    nLandTaxBase = 0;
}

const CDataTaxBlockLayout& CDataTaxMunicipalClass::BlockLayout() const
{
    static const CDataTaxBlockLayout layout = MunicipalLayout();
    return layout;
}

BOOL CDataTaxMunicipalClass::SetDataData(int)
{
    CObArray* p = m_apData[0];
    return SetCheckGroup(p, 0, 3, nBuildingType) && SetCheckGroup(p, 3, 2, nBuildingHouseSpecial) &&
           SetCheckGroup(p, 5, 2, nLandHouseSpecial) && SetCheckGroup(p, 7, 2, nLandTaxBase);
}

CDataTaxCityPlanClass::CDataTaxCityPlanClass() { InitData(); }

void CDataTaxCityPlanClass::InitData()
{
    CDataClass::InitData();
    nLandHouseSpecial = 0;
    nLandTaxBase = 0;
}

const CDataTaxBlockLayout& CDataTaxCityPlanClass::BlockLayout() const
{
    static const CDataTaxBlockLayout layout = CityPlanLayout();
    return layout;
}

BOOL CDataTaxCityPlanClass::SetDataData(int)
{
    return SetCheckGroup(m_apData[0], 0, 2, nLandHouseSpecial) && SetCheckGroup(m_apData[0], 2, 2, nLandTaxBase);
}

void CDataTaxCityPlanClass::CreatePrintArray(int nPages)
{
    TDataTaxBlockClass::CreatePrintArray(nPages);
    m_anPrintFlag[0][0] = 1;
}

CDataTaxRealtyGetClass::CDataTaxRealtyGetClass() : tagDATAREALTYGET{} { InitData(); }

void CDataTaxRealtyGetClass::InitData()
{
    CDataClass::InitData();
    nNewHouseSpecial = 0;
    nLandHouseSpecial = 0;
    nBuildingHouseSpecial = 0;
}

const CDataTaxBlockLayout& CDataTaxRealtyGetClass::BlockLayout() const
{
    static const CDataTaxBlockLayout layout = RealtyGetLayout();
    return layout;
}

BOOL CDataTaxRealtyGetClass::SetDataData(int)
{
    CObArray* p = m_apData[0];
    return SetCheckGroup(p, 0, 2, nNewHouseSpecial) && SetCheckGroup(p, 2, 2, nBuildingHouseSpecial) &&
           SetCheckGroup(p, 4, 2, nLandHouseSpecial);
}

CDataTaxBusinessPlaceClass::CDataTaxBusinessPlaceClass() { InitData(); }

void CDataTaxBusinessPlaceClass::InitData()
{
    CDataClass::InitData();
    nTaxation = 0;
    nExemption = 0;
    dNonTaxRatio = 0.0;
}

const CDataTaxBlockLayout& CDataTaxBusinessPlaceClass::BlockLayout() const
{
    static const CDataTaxBlockLayout layout = BusinessPlaceLayout();
    return layout;
}

BOOL CDataTaxBusinessPlaceClass::SetDataData(int)
{
    CObArray* p = m_apData[0];
    const bool levied = nTaxation == 1;
    if (!SetCheckGroup(p, 0, 2, nTaxation)) return FALSE;
    if (!(levied ? SetNumberCell(p, 2, dNonTaxRatio) : SetCellText(p, 2, CString(), 2))) return FALSE;
    return SetCheckGroup(p, 3, 2, levied ? nExemption : -1);
}

CDataTaxBusinessClass::CDataTaxBusinessClass() : tagDATATAXBUSINESS{} { InitData(); }

void CDataTaxBusinessClass::InitData()
{
    CDataClass::InitData();
    nOutsideIncome = 0;
    nDeferral = 0;
    dCapital = 0.0;
    dSalary = 0.0;
}

const CDataTaxBlockLayout& CDataTaxBusinessClass::BlockLayout() const
{
    static const CDataTaxBlockLayout layout = TaxBusinessLayout();
    return layout;
}

BOOL CDataTaxBusinessClass::SetDataData(int)
{
    return SetCheckGroup(m_apData[0], 0, 2, nOutsideIncome);
}
