#include "tax/taxlicense.h"

namespace {

enum : UINT { kPercent = 0, kReductionUnit = 1252 };

// "課税標準額 | 固定資産税評価額の | ratio | ％" in row nRow.
void AddStandardRow(CTaxSheetLayout& s, int nRow)
{
    s.Label(nRow, 0, 11).Label(nRow, 11, 21).Value(nRow, 21, 33).Unit(nRow, 33, 45, kPercent);
    s.Rule(21, nRow, nRow).Rule(33, nRow, nRow);
}

} // namespace

void CTaxLicenseClass::InitData()
{
    CTaxClass::InitData();
    m_dLandRate = 0;
    m_nSpare = 0;
    m_dStandardRatio = 0;
    m_dBuildingRate = 0;
    m_dMortgageRate = 0;
}

const CTaxSheetLayout& CTaxLicenseClass::SheetLayout()
{
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(7, 10010, 1100);
        l.Heading(0).ValueRow(1, 11, 28, kPercent);
        AddStandardRow(l, 2);
        l.Heading(3).ValueRow(4, 11, 28, kPercent).Heading(5).ValueRow(6, 11, 28, kPercent);
        l.Rule(11, 1, 2).Rule(11, 4, 4).Rule(11, 6, 6);
        l.Rule(28, 1, 1).Rule(28, 4, 4).Rule(28, 6, 6);
        return l;
    }();
    return s;
}

std::vector<double> CTaxLicenseClass::SheetValues() const
{
    return {m_dLandRate, m_dStandardRatio, m_dBuildingRate, m_dMortgageRate};
}

void CTaxRealtyGetClass::InitData()
{
    CTaxClass::InitData();
    m_dLandRate = 0;
    m_dLandHouseRate = 0;
    m_nSpare = 0;
    m_dStandardRatio = 0;
    m_dBuildingRate = 0;
    m_dBuildingHouseRate = 0;
    m_dNewHouseReduction = 0;
}

const CTaxSheetLayout& CTaxRealtyGetClass::SheetLayout()
{
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(8, 10011, 1200);
        l.Heading(0).ValueRow(1, 11, 28, kPercent).ValueRow(2, 11, 28, kPercent);
        AddStandardRow(l, 3);
        l.Heading(4).ValueRow(5, 11, 28, kPercent).ValueRow(6, 11, 28, kPercent).ValueRow(7, 11, 28, kReductionUnit);
        l.Rule(11, 1, 3).Rule(11, 5, 7).Rule(28, 1, 2).Rule(28, 5, 7);
        return l;
    }();
    return s;
}

std::vector<double> CTaxRealtyGetClass::SheetValues() const
{
    return {m_dLandRate,    m_dLandHouseRate,     m_dStandardRatio,
            m_dBuildingRate, m_dBuildingHouseRate, m_dNewHouseReduction};
}
