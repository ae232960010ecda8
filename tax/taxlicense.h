// Registration and licence tax, and real-property acquisition tax: the taxes
// charged once when the project acquires and registers its land and building.
#pragma once

#include "tax/taxsheet.h"

class CTaxLicenseClass : public TTaxSheetClass<CTaxLicenseClass> {
public:
    CTaxLicenseClass() { InitData(); }
    CTaxLicenseClass(const CTaxLicenseClass&) = default;
    CTaxLicenseClass& operator=(const CTaxLicenseClass&) = default;

    void InitData() override;

    double m_dLandRate;       // %
    int m_nSpare;             // carried and reset, never shown or printed
    double m_dStandardRatio;  // taxable standard, % of the fixed-asset assessed value
    double m_dBuildingRate;   // %
    double m_dMortgageRate;   // %

private:
    friend class TTaxSheetClass<CTaxLicenseClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};

class CTaxRealtyGetClass : public TTaxSheetClass<CTaxRealtyGetClass> {
public:
    CTaxRealtyGetClass() { InitData(); }
    CTaxRealtyGetClass(const CTaxRealtyGetClass&) = default;
    CTaxRealtyGetClass& operator=(const CTaxRealtyGetClass&) = default;

    void InitData() override;

    double m_dLandRate;            // %
    double m_dLandHouseRate;       // land of the housing part, %
    int m_nSpare;                  // carried and reset, never shown or printed
    double m_dStandardRatio;       // taxable standard, % of the assessed value
    double m_dBuildingRate;        // %
    double m_dBuildingHouseRate;   // buildings of the housing part, %
    double m_dNewHouseReduction;   // reduction per newly built dwelling, thousand yen

private:
    friend class TTaxSheetClass<CTaxRealtyGetClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};
