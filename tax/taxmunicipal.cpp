#include "tax/taxmunicipal.h"

namespace {

enum : UINT { kPercent = 0, kYear = 1, kNumerator = 150, kDenominator = 151 };

// Land rows 0-2 as both sheets print them: heading, rate, special-case fraction.
void AddLandRows(CTaxSheetLayout& s)
{
    s.Heading(0).ValueRow(1, 10, 28, kPercent);
    s.Label(2, 0, 10).Unit(2, 10, 13, kNumerator).Value(2, 13, 28).Unit(2, 28, 31, kDenominator).Value(2, 31, 45);
    s.Rule(10, 1, 2).Rule(13, 2, 2).Rule(28, 1, 2).Rule(31, 2, 2);
}

} // namespace

void CTaxMunicipalClass::InitData()
{
    CTaxClass::InitData();
    m_dLandRate = 0;
    m_dHouseLandNumerator = 0;
    m_dHouseLandDenominator = 0;
    m_dBuildingRate = 0;
    m_dNewHouseNumerator = 0;
    m_dNewHouseDenominator = 0;
    m_nFireproofHouseYear = 0;
    m_nNewHouseYear = 0;
}

const CTaxSheetLayout& CTaxMunicipalClass::SheetLayout()
{
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(8, 10000, 300);
        l.bMovesOrigin = false;
        AddLandRows(l);
        l.Heading(3).ValueRow(4, 14, 29, kPercent);
        l.Label(5, 0, 14).Unit(5, 14, 17, kNumerator).Value(5, 17, 29).Unit(5, 29, 32, kDenominator).Value(5, 32, 45);
        l.ValueRow(6, 14, 29, kYear).ValueRow(7, 14, 29, kYear);
        l.Rule(14, 4, 7).Rule(17, 5, 5).Rule(29, 4, 7).Rule(32, 5, 5);
        return l;
    }();
    return s;
}

std::vector<double> CTaxMunicipalClass::SheetValues() const
{
    return {m_dLandRate,          m_dHouseLandNumerator,  m_dHouseLandDenominator, m_dBuildingRate,
            m_dNewHouseNumerator, m_dNewHouseDenominator, double(m_nFireproofHouseYear), double(m_nNewHouseYear)};
}

void CTaxCityPlanClass::InitData()
{
    CTaxClass::InitData();
    m_dLandRate = 0;
    m_dHouseLandNumerator = 0;
    m_dHouseLandDenominator = 0;
    m_dBuildingRate = 0;
}

const CTaxSheetLayout& CTaxCityPlanClass::SheetLayout()
{
    static const CTaxSheetLayout s = [] {
        CTaxSheetLayout l(5, 10001, 400);
        l.bMovesOrigin = false;
        AddLandRows(l);
        l.Heading(3).ValueRow(4, 10, 28, kPercent);
        l.Rule(10, 4, 4).Rule(28, 4, 4);
        return l;
    }();
    return s;
}

std::vector<double> CTaxCityPlanClass::SheetValues() const
{
    return {m_dLandRate, m_dHouseLandNumerator, m_dHouseLandDenominator, m_dBuildingRate};
}
