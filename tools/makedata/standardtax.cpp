#include "tools/makedata/standardtax.h"

#include "app/common/classobject.h"
#include "tax/taxbusiness.h"
#include "tax/taxconsumption.h"
#include "tax/taxcorporation.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"
#include "tax/taxpersonal.h"
#include "tax/taxstandardmoney.h"

// Amounts in thousand yen, rates in %. Sources:
//  - National Tax Agency, tax answer 2260 (income tax quick table)
//  - Reconstruction surtax 2.1 % of income tax, as folded in below, holds
//    for 2025 and 2026; the FY2026 tax reform cuts it to 1.1 % from 2027 and
//    adds a 1 % defence surtax, so 2027 needs a new edition of this table
//  - Local Tax Act: individual inhabitant tax 4 % prefectural, 6 % municipal
//  - National Tax Agency, tax answer 5759 (corporation tax rates)
//  - Corporation tax reduced rate 15 % to fiscal years starting by 2027-03-31
//  - Local corporation tax 10.3 % of corporation tax; corporate inhabitant
//    tax 1.0 % prefectural, 6.0 % municipal (standard rates)
//  - Fixed-asset tax 1.4 %, residential-land and new-house reliefs
//  - City-planning tax limit 0.3 %, residential-land relief
//  - Burden-level rules of land for fiscal years 2024 to 2026
//  - Land-value tax suspended since 1998
//  - Business tax: individuals 5 % (real-estate lending), deduction 2.9 million
//  - Corporate business tax, capital up to 100 million: 3.5 / 5.3 / 7.0 %
//  - Special corporate business tax 37 % of the tax on income
//  - Size-based taxation: income portion 1.0 %, added value 1.2 %, capital 0.5 %
//  - Capital portion: capital counted in bands 100 / 50 / 25 %
//  - Business-place tax: 600 yen per m2, exemption up to 1,000 m2
//  - Consumption tax 10 %, exemption 10 million, simplified method up to
//    50 million, deemed purchase rate of class 6 (real estate) 40 %
//  - Depreciation down to a memo value of 1 yen (assets from 2007-04)
//  - Loss carry-forward: corporations 10 years, individuals 3 years
//  - Registration and licence tax: land purchase 1.5 % (relief), building
//    preservation 0.4 %, mortgage 0.4 %
//  - Real-estate acquisition tax 3 % (relief to 2027-03-31), land at half
//    the value, non-residential buildings 4 %, deduction 12 million per new
//    dwelling

namespace {

// Upper bound of the last filled bracket row; -1 where a bound is open.
constexpr double kTop = 99999999.0;
constexpr double kOpen = -1.0;

// Income tax from the quick table with the reconstruction surtax folded in
// (rate and deduction times 1.021).
struct Bracket {
    double dLower, dUpper, dRate, dDeduction;
};
constexpr Bracket kIncome[] = {
    {0.0, 1950.0, 5.105, 0.0},           {1950.0, 3300.0, 10.21, 99.5475},
    {3300.0, 6950.0, 20.42, 436.4775},   {6950.0, 9000.0, 23.483, 649.356},
    {9000.0, 18000.0, 33.693, 1568.256}, {18000.0, 40000.0, 40.84, 2854.716},
    {40000.0, kTop, 45.945, 4896.716},
};

struct Level {
    double dLower;
    int nLowerExclusive;
    double dUpper;
    int nUpperInclusive;
    double dRate;
};
// Last year's standard rises by 5 % of the value: at each band's upper end
// the factor 1 + 0.05 / level (burden-level rules of land).
constexpr Level kHouseLevels[] = {
    {0.0, 0, 0.2, 0, 1.25},    {0.2, 0, 0.4, 0, 1.125}, {0.4, 0, 0.6, 0, 1.0833},
    {0.6, 0, 0.8, 0, 1.0625}, {0.8, 0, 1.0, 0, 1.05},  {1.0, 0, 0.0, 0, 1.0},
};
// Non-residential land (burden-level rules of land): over 0.7 the base is
// 70 % of this year's value, 0.6 to 0.7 holds, below 0.6 last year's base
// rises by 5 % of the value up to 0.6 (at least 0.2). Each factor is the
// law's rise at its band's upper end, never reaching past 0.6; the bounds
// keep the 30-year walk of every level within 0.105 of the law's, and levels
// from 0.55 hold: after ten years none is more than 0.05 below 0.6.
constexpr Level kBusinessLevels[] = {
    {0.0, 0, 0.127, 0, 1.5748},   {0.127, 0, 0.204, 0, 1.245}, {0.204, 0, 0.261, 0, 1.1915},
    {0.261, 0, 0.418, 0, 1.1196}, {0.418, 0, 0.55, 0, 1.0909}, {0.55, 0, 0.7, 1, 1.0},
    {0.7, 1, 0.0, 0, 70.0},
};

void SetExtent(CTaxExtentClass& row, double dLower, double dUpper, double dValue)
{
    row.m_dLower = dLower;
    row.m_dUpper = dUpper;
    row.m_dValue = dValue;
}

void SetPersonal(CTaxPersonalClass& row, const Bracket& b)
{
    row.m_nSpare = 0;
    row.m_dLower = b.dLower;
    row.m_dUpper = b.dUpper;
    row.m_dRate = b.dRate;
    row.m_dDeduction = b.dDeduction;
}

void SetLevel(CTaxBurdenLevelClass& row, const Level& l)
{
    row.m_dLower = l.dLower;
    row.m_nLowerExclusive = l.nLowerExclusive;
    row.m_dUpper = l.dUpper;
    row.m_nUpperInclusive = l.nUpperInclusive;
    row.m_dRate = l.dRate;
}

void SetPersonalTaxes(CTaxClassObject& tax)
{
    CTaxIncomeClass& income = *tax.m_pTaxIncome;
    // No fixed-rate reduction in force (abolished 2007).
    for (double& d : income.m_adReduction) d = 0.0;
    for (int& n : income.m_anReductionYear) n = 0;
    for (CTaxPersonalClass& row : income.m_aStep) SetPersonal(row, {});
    for (int i = 0; i < int(std::size(kIncome)); ++i) SetPersonal(income.m_aStep[i], kIncome[i]);

    // Flat individual inhabitant taxes.
    for (CTaxPersonalClass& row : tax.m_pTaxPrefectural->m_aStep) SetPersonal(row, {});
    for (int& n : tax.m_pTaxPrefectural->m_anSpare) n = 0;
    SetPersonal(tax.m_pTaxPrefectural->m_aStep[0], {0.0, kTop, 4.0, 0.0});
    for (CTaxPersonalClass& row : tax.m_pTaxVillage->m_aStep) SetPersonal(row, {});
    SetPersonal(tax.m_pTaxVillage->m_aStep[0], {0.0, kTop, 6.0, 0.0});
}

void SetCorporateTaxes(CTaxClassObject& tax)
{
    // Rate, capital over, capital at most, kept only, income over, income at
    // most (reduced rate): a small corporation pays 15 % up to 8 million.
    const double tiers[3][6] = {
        {15.0, 0.0, 100000.0, 0.0, 0.0, 8000.0},
        {23.2, 0.0, 100000.0, 0.0, 8000.0, kOpen},
        {23.2, 100000.0, kOpen, 0.0, kOpen, kOpen},
    };
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 6; ++j) tax.m_pTaxCorporation->m_adCapitalStep[i][j] = tiers[i][j];
    // The prefectural rate carries the national local corporation tax
    // (10.3 %) as well, which has no field of its own.
    tax.m_pTaxResidentCorporation->m_dPrefecturalRate = 1.0 + 10.3;
    tax.m_pTaxResidentCorporation->m_dVillageRate = 6.0;

    CTaxBusinessClass& business = *tax.m_pTaxBusiness;
    business.m_dPersonalRate = 5.0;         // individual business tax
    business.m_dPersonalDeduction = 2900.0; // individual business tax
    // The special corporate business tax (37 % of the tax on income)
    // folded into the brackets: 3.5, 5.3, 7.0 % times 1.37.
    SetExtent(business.m_aIncomeStep[0], 0.0, 4000.0, 4.795);
    SetExtent(business.m_aIncomeStep[1], 4000.0, 8000.0, 7.261);
    SetExtent(business.m_aIncomeStep[2], 8000.0, kOpen, 9.59);
    // Size-based payers: 1.0 % on income plus 260 % of it as the special tax
    // gives 3.6 %, 9.59 % reduced by 62.461 % (size-based taxation).
    business.m_dScaleRatio = 62.461;
    business.m_dAddedValueRate = 1.2;         // size-based taxation
    business.m_dSalaryDeductionRatio = 70.0;  // size-based taxation
    business.m_dCapitalRate = 0.5;            // size-based taxation
    SetExtent(business.m_aCapitalStep[0], 0.0, 100000000.0, 100.0);  // capital bands
    SetExtent(business.m_aCapitalStep[1], 100000000.0, 500000000.0, 50.0);
    SetExtent(business.m_aCapitalStep[2], 500000000.0, 1000000000.0, 25.0);
    business.m_nDeferYear = 0; // no deferment in force
    tax.m_pTaxBusinessPlace->m_dTaxPerSquareMeter = 0.6;             // business-place tax
    tax.m_pTaxBusinessPlace->m_dExemptArea = 1000.0;                 // business-place tax
    tax.m_pTaxBusinessPlace->m_dSquareMeterPerTsubo = 400.0 / 121.0; // 3.305785 m2

    tax.m_pTaxTransfer->m_nCorporateYear = 10; // loss carry-forward
    tax.m_pTaxTransfer->m_nPersonalYear = 3;   // loss carry-forward, blue return
}

void SetPropertyTaxes(CTaxClassObject& tax)
{
    CTaxMunicipalClass& municipal = *tax.m_pTaxMunicipal; // fixed-asset tax
    municipal.m_dLandRate = 1.4;
    municipal.m_dHouseLandNumerator = 1.0; // up to 200 m2 per dwelling
    municipal.m_dHouseLandDenominator = 6.0;
    municipal.m_dBuildingRate = 1.4;
    municipal.m_dNewHouseNumerator = 1.0;
    municipal.m_dNewHouseDenominator = 2.0;
    municipal.m_nFireproofHouseYear = 5;
    municipal.m_nNewHouseYear = 3;
    CTaxCityPlanClass& cityPlan = *tax.m_pTaxCityPlan; // city-planning tax
    cityPlan.m_dLandRate = 0.3;
    cityPlan.m_dHouseLandNumerator = 1.0;
    cityPlan.m_dHouseLandDenominator = 3.0;
    cityPlan.m_dBuildingRate = 0.3;

    CTaxStandardMoneyClass& standard = *tax.m_pTaxStandardMoney; // burden-level rules
    for (CTaxBurdenLevelClass& row : standard.m_aHouseLevel) SetLevel(row, {});
    for (CTaxBurdenLevelClass& row : standard.m_aBusinessLevel) SetLevel(row, {});
    for (int i = 0; i < int(std::size(kHouseLevels)); ++i) SetLevel(standard.m_aHouseLevel[i], kHouseLevels[i]);
    for (int i = 0; i < int(std::size(kBusinessLevels)); ++i)
        SetLevel(standard.m_aBusinessLevel[i], kBusinessLevels[i]);
    // No price-drop rule is in force; the factor stays neutral.
    CTaxPriceDropClass& drop = standard.m_objPriceDrop;
    drop.m_nPriceDropUse = 1;
    drop.m_dPriceDropRate = 0.0;
    drop.m_nPriceDropExclusive = 0;
    drop.m_dHouseLevel = 0.0;
    drop.m_nHouseLevelExclusive = 0;
    drop.m_dBusinessLevel = 0.0;
    drop.m_nBusinessLevelExclusive = 0;
    drop.m_dAdjustRate = 1.0;

    CTaxLandPriceClass& landPrice = *tax.m_pTaxLandPrice; // land-value tax: suspended
    landPrice.m_dRate = 0.0;
    landPrice.m_dPersonalDeduction = 0.0;
    SetExtent(landPrice.m_aCapitalStep[0], 0.0, 100000.0, 0.0);
    SetExtent(landPrice.m_aCapitalStep[1], 100000.0, 1000000.0, 0.0);
    SetExtent(landPrice.m_aCapitalStep[2], 1000000.0, kOpen, 0.0);

    CTaxLicenseClass& license = *tax.m_pTaxLicense; // registration and licence tax
    license.m_dLandRate = 1.5;
    license.m_dStandardRatio = 100.0;
    license.m_dBuildingRate = 0.4;
    license.m_dMortgageRate = 0.4;
    CTaxRealtyGetClass& realtyGet = *tax.m_pTaxRealtyGet; // real-estate acquisition tax
    realtyGet.m_dLandRate = 3.0;
    realtyGet.m_dLandHouseRate = 3.0;
    realtyGet.m_dStandardRatio = 50.0;
    realtyGet.m_dBuildingRate = 4.0;
    realtyGet.m_dBuildingHouseRate = 3.0;
    realtyGet.m_dNewHouseReduction = 12000.0;
}

} // namespace

void SetStandardTaxTable(CTaxClassObject& tax)
{
    SetPersonalTaxes(tax);
    SetCorporateTaxes(tax);
    SetPropertyTaxes(tax);

    CTaxConsumptionClass& consumption = *tax.m_pTaxConsumption; // consumption tax
    consumption.m_dRate = 10.0;
    consumption.m_dExemptSales = 10000.0;
    consumption.m_dMarginRate = 60.0; // class 6: deemed purchase 40 %
    consumption.m_dSimpleSalesLimit = 50000.0;

    // No extra depreciation of rental housing is in force: multipliers 1.0
    // (0 would remove the housing share's depreciation), down to 1 yen.
    CTaxDepreciationClass& depreciation = *tax.m_pTaxDepreciation;
    depreciation.m_nLifeYear = 35;
    depreciation.m_dShortLifeRatio = 1.0;
    depreciation.m_dLongLifeRatio = 1.0;
    depreciation.m_nExtraYear = 0;
    depreciation.m_dResidualRatio = 0.0;
}
