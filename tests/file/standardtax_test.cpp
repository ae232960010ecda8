// The shipped standard tax-rate table against the law: its headline rates as
// their sources give them, and the land burden levels walked for 30 years.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/common/classobject.h"
#include "file/filetax.h"
#include "tax/taxbusiness.h"
#include "tax/taxconsumption.h"
#include "tax/taxcorporation.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"
#include "tax/taxpersonal.h"
#include "tax/taxstandardmoney.h"
#include "tools/makedata/shippeddata.h"

namespace {

class StandardTax : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tax.CreateData());
        CFileTaxClass file;
        ASSERT_TRUE(file.ReadTax(CString(TAV_SOURCE_DIR) + "\\res\\Data\\" + kStandardTaxFile, &m_tax));
    }
    CTaxClassObject m_tax;
};

// A field of the table, its value and the value its source gives.
struct Pin {
    const char* pszField;
    double dValue;
    double dSource;
};

// Income-tax quick table times the reconstruction surtax of 2025-2026.
constexpr double kSurtax = 1.021;

} // namespace

TEST_F(StandardTax, HeadlineValuesAreTheSources)
{
    const CTaxPersonalClass* income = m_tax.m_pTaxIncome->m_aStep;
    const CTaxBusinessClass& business = *m_tax.m_pTaxBusiness;
    const CTaxMunicipalClass& municipal = *m_tax.m_pTaxMunicipal;
    const CTaxCityPlanClass& cityPlan = *m_tax.m_pTaxCityPlan;
    const CTaxConsumptionClass& consumption = *m_tax.m_pTaxConsumption;
    const CTaxLicenseClass& license = *m_tax.m_pTaxLicense;
    const CTaxRealtyGetClass& realty = *m_tax.m_pTaxRealtyGet;
    const double(*corporation)[6] = m_tax.m_pTaxCorporation->m_adCapitalStep;
    const Pin pins[] = {
        // Income tax quick table (National Tax Agency, tax answer 2260).
        {"income 1 upper", income[0].m_dUpper, 1950.0},
        {"income 1 rate", income[0].m_dRate, 5.0 * kSurtax},
        {"income 2 upper", income[1].m_dUpper, 3300.0},
        {"income 2 rate", income[1].m_dRate, 10.0 * kSurtax},
        {"income 2 deduction", income[1].m_dDeduction, 97.5 * kSurtax},
        {"income 3 upper", income[2].m_dUpper, 6950.0},
        {"income 3 rate", income[2].m_dRate, 20.0 * kSurtax},
        {"income 3 deduction", income[2].m_dDeduction, 427.5 * kSurtax},
        {"income 4 upper", income[3].m_dUpper, 9000.0},
        {"income 4 rate", income[3].m_dRate, 23.0 * kSurtax},
        {"income 4 deduction", income[3].m_dDeduction, 636.0 * kSurtax},
        {"income 5 upper", income[4].m_dUpper, 18000.0},
        {"income 5 rate", income[4].m_dRate, 33.0 * kSurtax},
        {"income 5 deduction", income[4].m_dDeduction, 1536.0 * kSurtax},
        {"income 6 upper", income[5].m_dUpper, 40000.0},
        {"income 6 rate", income[5].m_dRate, 40.0 * kSurtax},
        {"income 6 deduction", income[5].m_dDeduction, 2796.0 * kSurtax},
        {"income 7 rate", income[6].m_dRate, 45.0 * kSurtax},
        {"income 7 deduction", income[6].m_dDeduction, 4796.0 * kSurtax},
        // Individual inhabitant tax, standard rates.
        {"prefectural inhabitant rate", m_tax.m_pTaxPrefectural->m_aStep[0].m_dRate, 4.0},
        {"municipal inhabitant rate", m_tax.m_pTaxVillage->m_aStep[0].m_dRate, 6.0},
        // Corporation tax: 15 % up to 8 million for capital up to 100 million.
        {"corporation reduced rate", corporation[0][0], 15.0},
        {"corporation reduced income limit", corporation[0][5], 8000.0},
        {"corporation small capital limit", corporation[0][2], 100000.0},
        {"corporation rate", corporation[1][0], 23.2},
        {"corporation large rate", corporation[2][0], 23.2},
        // Corporate inhabitant tax with the local corporation tax (10.3 %).
        {"corporate prefectural rate", m_tax.m_pTaxResidentCorporation->m_dPrefecturalRate, 1.0 + 10.3},
        {"corporate municipal rate", m_tax.m_pTaxResidentCorporation->m_dVillageRate, 6.0},
        // Business tax: individuals; corporations with the special corporate
        // business tax of 37 %.
        {"individual business rate", business.m_dPersonalRate, 5.0},
        {"individual business deduction", business.m_dPersonalDeduction, 2900.0},
        {"corporate business rate 1", business.m_aIncomeStep[0].m_dValue, 3.5 * 1.37},
        {"corporate business bound 1", business.m_aIncomeStep[0].m_dUpper, 4000.0},
        {"corporate business rate 2", business.m_aIncomeStep[1].m_dValue, 5.3 * 1.37},
        {"corporate business bound 2", business.m_aIncomeStep[1].m_dUpper, 8000.0},
        {"corporate business rate 3", business.m_aIncomeStep[2].m_dValue, 7.0 * 1.37},
        // Fixed-asset and city-planning taxes with the residential-land and
        // new-house reliefs.
        {"fixed-asset land rate", municipal.m_dLandRate, 1.4},
        {"fixed-asset building rate", municipal.m_dBuildingRate, 1.4},
        {"fixed-asset residential land", municipal.m_dHouseLandNumerator / municipal.m_dHouseLandDenominator,
         1.0 / 6.0},
        {"fixed-asset new house", municipal.m_dNewHouseNumerator / municipal.m_dNewHouseDenominator, 0.5},
        {"city-planning land rate", cityPlan.m_dLandRate, 0.3},
        {"city-planning building rate", cityPlan.m_dBuildingRate, 0.3},
        {"city-planning residential land", cityPlan.m_dHouseLandNumerator / cityPlan.m_dHouseLandDenominator,
         1.0 / 3.0},
        // Consumption tax.
        {"consumption rate", consumption.m_dRate, 10.0},
        {"consumption exempt sales", consumption.m_dExemptSales, 10000.0},
        {"consumption simplified limit", consumption.m_dSimpleSalesLimit, 50000.0},
        {"consumption margin (class 6)", consumption.m_dMarginRate, 100.0 - 40.0},
        // Registration and licence tax, real-estate acquisition tax.
        {"registration land rate", license.m_dLandRate, 1.5},
        {"registration building rate", license.m_dBuildingRate, 0.4},
        {"registration mortgage rate", license.m_dMortgageRate, 0.4},
        {"acquisition land rate", realty.m_dLandRate, 3.0},
        {"acquisition land base", realty.m_dStandardRatio, 50.0},
        {"acquisition building rate", realty.m_dBuildingRate, 4.0},
        {"acquisition house rate", realty.m_dBuildingHouseRate, 3.0},
        {"acquisition new-house deduction", realty.m_dNewHouseReduction, 12000.0},
    };
    for (const Pin& pin : pins) EXPECT_NEAR(pin.dValue, pin.dSource, 1e-9) << pin.pszField;
}

namespace {

// Next year's level of non-residential land under the law, the value
// unchanged: over 0.7 down to 0.7, from 0.6 held, below 0.6 up by 0.05 of
// the value to at most 0.6 and at least 0.2.
double LawLevel(double dLevel)
{
    if (dLevel > 0.7) return 0.7;
    if (dLevel >= 0.6) return dLevel;
    return std::clamp(dLevel + 0.05, 0.2, 0.6);
}

// The same year by the table's rows, as the calculation applies them.
double TableLevel(CTaxStandardMoneyClass& levels, double dLevel)
{
    const double dFactor = levels.GetBusinessBurdenLevel(dLevel);
    if (dFactor == CTaxStandardMoneyClass::kValuePercentRow)
        return levels.m_aBusinessLevel[CTaxStandardMoneyClass::kBusinessRows - 1].m_dRate * 0.01;
    return dLevel * dFactor;
}

} // namespace

// Levels 0.10 to 0.70 walked for 30 years at a constant value: the table's
// level never passes the law's, so never ends above 0.6 from below, and
// lags it by at most 0.105, by at most 0.05 after ten years.
TEST_F(StandardTax, BusinessLandLevelsFollowTheLaw)
{
    CTaxStandardMoneyClass& levels = *m_tax.m_pTaxStandardMoney;
    for (int nStart = 100; nStart <= 700; ++nStart) {
        double dTable = nStart / 1000.0;
        double dLaw = dTable;
        for (int nYear = 1; nYear <= 30; ++nYear) {
            dTable = TableLevel(levels, dTable);
            dLaw = LawLevel(dLaw);
            const double dLag = dLaw - dTable;
            const double dBound = nYear <= 10 ? 0.105 : 0.05;
            if (dLag < -1e-9 || dLag > dBound + 1e-9) {
                ADD_FAILURE() << "level " << nStart / 1000.0 << " in year " << nYear << ": table " << dTable
                              << ", law " << dLaw;
                break;
            }
        }
    }
}
