// The three-value bracket row of the bracketed tax tables, and the land-value
// tax record with its corporate deduction by capital bracket.
#pragma once

#include "tax/taxsheet.h"

// One bracket: over m_dLower up to m_dUpper (thousand yen), with its value.
// It prints nothing by itself.
class CTaxExtentClass : public CTaxClass {
public:
    CTaxExtentClass() { InitData(); }
    CTaxExtentClass(const CTaxExtentClass&) = default;
    CTaxExtentClass& operator=(const CTaxExtentClass&) = default;

    void InitData() override;
    void DestroyData() override { InitData(); }

    double m_dLower;
    double m_dUpper;  // not shown for the last bracket of a table
    double m_dValue;  // rate, ratio or deduction, as the owning table says
};

class CTaxLandPriceClass : public TTaxSheetClass<CTaxLandPriceClass> {
public:
    static constexpr int kStepCount = 3;

    CTaxLandPriceClass() { InitData(); }
    CTaxLandPriceClass(const CTaxLandPriceClass&) = default;
    CTaxLandPriceClass& operator=(const CTaxLandPriceClass&) = default;

    // Leaves the brackets as they are.
    void InitData() override;

    double m_dRate;                               // %
    double m_dPersonalDeduction;                  // thousand yen
    CTaxExtentClass m_aCapitalStep[kStepCount];   // capital bounds, deduction (thousand yen)

private:
    friend class TTaxSheetClass<CTaxLandPriceClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};
