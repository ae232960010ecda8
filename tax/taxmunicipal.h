// Fixed-asset and city-planning tax rates: the two yearly property taxes on
// the project's land and building. Their sheets leave the origin where the
// title put it; the caller places each.
#pragma once

#include "tax/taxsheet.h"

class CTaxMunicipalClass : public TTaxSheetClass<CTaxMunicipalClass> {
public:
    CTaxMunicipalClass() { InitData(); }
    CTaxMunicipalClass(const CTaxMunicipalClass&) = default;
    CTaxMunicipalClass& operator=(const CTaxMunicipalClass&) = default;

    void InitData() override;

    double m_dLandRate;              // %
    double m_dHouseLandNumerator;    // residential-land special case, numerator
    double m_dHouseLandDenominator;
    double m_dBuildingRate;          // %
    double m_dNewHouseNumerator;     // new-house special case, numerator
    double m_dNewHouseDenominator;
    int m_nFireproofHouseYear;       // years, new mid- and high-rise fire-resistant houses
    int m_nNewHouseYear;             // years, other new houses

private:
    friend class TTaxSheetClass<CTaxMunicipalClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};

class CTaxCityPlanClass : public TTaxSheetClass<CTaxCityPlanClass> {
public:
    CTaxCityPlanClass() { InitData(); }
    CTaxCityPlanClass(const CTaxCityPlanClass&) = default;
    CTaxCityPlanClass& operator=(const CTaxCityPlanClass&) = default;

    // Leaves m_dSpare as it is.
    void InitData() override;

    double m_dLandRate;              // %
    double m_dSpare = 0;             // reserved: carried by copies, never shown or stored
    double m_dHouseLandNumerator;
    double m_dHouseLandDenominator;
    double m_dBuildingRate;          // %

private:
    friend class TTaxSheetClass<CTaxCityPlanClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};
