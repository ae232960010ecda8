// Consumption tax, extra depreciation and loss carry-forward rates.
#pragma once

#include "tax/taxsheet.h"

class CTaxConsumptionClass : public TTaxSheetClass<CTaxConsumptionClass> {
public:
    CTaxConsumptionClass() { InitData(); }
    CTaxConsumptionClass(const CTaxConsumptionClass&) = default;
    CTaxConsumptionClass& operator=(const CTaxConsumptionClass&) = default;

    void InitData() override;

    double m_dRate;              // %
    double m_dExemptSales;       // exemption level of taxable sales, thousand yen
    double m_dMarginRate;        // deemed margin rate of the simplified method, %
    double m_dSimpleSalesLimit;  // ceiling of taxable sales for the simplified method, thousand yen

private:
    friend class TTaxSheetClass<CTaxConsumptionClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};

class CTaxDepreciationClass : public TTaxSheetClass<CTaxDepreciationClass> {
public:
    CTaxDepreciationClass() { InitData(); }
    CTaxDepreciationClass(const CTaxDepreciationClass&) = default;
    CTaxDepreciationClass& operator=(const CTaxDepreciationClass&) = default;

    void InitData() override;

    int m_nLifeYear;           // useful-life threshold that chooses the multiplier, years
    double m_dShortLifeRatio;  // multiplier below the threshold, times
    double m_dLongLifeRatio;   // multiplier at or above it, times
    int m_nExtraYear;          // extra depreciation period, years
    double m_dResidualRatio;   // final residual book value ratio, %

private:
    friend class TTaxSheetClass<CTaxDepreciationClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};

class CTaxTransferClass : public TTaxSheetClass<CTaxTransferClass> {
public:
    CTaxTransferClass() { InitData(); }
    CTaxTransferClass(const CTaxTransferClass&) = default;
    CTaxTransferClass& operator=(const CTaxTransferClass&) = default;

    void InitData() override;

    int m_nCorporateYear;  // years a corporation may carry a loss forward
    int m_nPersonalYear;   // years an individual may

private:
    friend class TTaxSheetClass<CTaxTransferClass>;
    static const CTaxSheetLayout& SheetLayout();
    std::vector<double> SheetValues() const;
};
