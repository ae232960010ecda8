// Business tax rates, and the business-place values with the area conversion
// factor.
#pragma once

#include "tax/taxlandprice.h"

class CTaxBusinessClass : public TTaxSheetClass<CTaxBusinessClass> {
public:
    static constexpr int kStepCount = 3;

    CTaxBusinessClass() { InitData(); }
    CTaxBusinessClass(const CTaxBusinessClass&) = default;
    CTaxBusinessClass& operator=(const CTaxBusinessClass&) = default;

    // Leaves the brackets as they are.
    void InitData() override;

    double m_dPersonalRate;                     // %
    double m_dPersonalDeduction;                // thousand yen
    CTaxExtentClass m_aIncomeStep[kStepCount];  // taxable-income bounds, rate (%)
    double m_dScaleRatio;                       // size-based taxation ratio, %
    double m_dAddedValueRate;                   // %
    double m_dSalaryDeductionRatio;             // %
    double m_dCapitalRate;                      // %
    CTaxExtentClass m_aCapitalStep[kStepCount]; // capital bounds, ratio (%)
    int m_nDeferYear;                           // collection deferment, years

private:
    friend class TTaxSheetClass<CTaxBusinessClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};

// Its sheet shows the conversion factor only.
class CTaxBusinessPlaceClass : public TTaxSheetClass<CTaxBusinessPlaceClass> {
public:
    CTaxBusinessPlaceClass() { InitData(); }
    CTaxBusinessPlaceClass(const CTaxBusinessPlaceClass&) = default;
    CTaxBusinessPlaceClass& operator=(const CTaxBusinessPlaceClass&) = default;

    void InitData() override;

    double m_dTaxPerSquareMeter;    // tax per square metre of floor area
    double m_dExemptArea;           // exemption threshold of the floor area, m2
    double m_dSquareMeterPerTsubo;  // area conversion factor, m2 per tsubo

private:
    friend class TTaxSheetClass<CTaxBusinessPlaceClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};
