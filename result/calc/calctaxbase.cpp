// Property and city-planning tax bases and yearly taxes.
#include "result/calc/tavcalc.h"

#include <algorithm>
#include <memory>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"

namespace {

// The records the tax bases and taxes read.
bool HasTaxRecords(const CTavCalcClass& calc)
{
    const CDataClassObject* d = calc.m_pDataClass;
    const CTaxClassObject* t = calc.m_pTaxClass;
    return d->m_pDataBasic && d->m_pDataOutline && d->m_pDataTax && t->m_pTaxMunicipal && t->m_pTaxCityPlan &&
           t->m_pTaxStandardMoney && t->m_pTaxLandPrice && t->m_pTaxBusiness;
}

// The value of an item of an input series.
double ItemValue(const CConsumptionMoneyClass* pItem)
{
    return pItem->m_dNetMoney + pItem->m_dTaxMoney;
}

// A fraction of the tax-rate table; 1 when it has no denominator or the
// project does not apply the special rule.
double SpecialFraction(double dNumerator, double dDenominator, int nNotApplied)
{
    return dDenominator == 0.0 || nNotApplied == 1 ? 1.0 : dNumerator / dDenominator;
}

// What tells the fixed-asset and the city-planning land bases apart.
struct LandBase {
    CDeleteObArray*& pSeries;
    int nMethod;        // 0 the assessed value, 1 burden adjustment
    double dHouseLand;  // residential-land fraction
    double dBaseRatio;  // first base over the assessed value, percent
};

LandBase MunicipalLand(CTavCalcClass& calc)
{
    const CDataTaxClass& tax = *calc.m_pDataClass->m_pDataTax;
    const CTaxMunicipalClass& rates = *calc.m_pTaxClass->m_pTaxMunicipal;
    return {calc.m_pMunicipalLandBaseArray, tax.m_objMunicipal.nLandTaxBase,
            SpecialFraction(rates.m_dHouseLandNumerator, rates.m_dHouseLandDenominator,
                            tax.m_objMunicipal.nLandHouseSpecial),
            tax.m_aAppraised[0].dAssetBaseRatio};
}

LandBase CityPlanLand(CTavCalcClass& calc)
{
    const CDataTaxClass& tax = *calc.m_pDataClass->m_pDataTax;
    const CTaxCityPlanClass& rates = *calc.m_pTaxClass->m_pTaxCityPlan;
    return {calc.m_pCityPlanLandBaseArray, tax.m_objCityPlan.nLandTaxBase,
            SpecialFraction(rates.m_dHouseLandNumerator, rates.m_dHouseLandDenominator,
                            tax.m_objCityPlan.nLandHouseSpecial),
            tax.m_aAppraised[0].dCityBaseRatio};
}

// The residential-use share of the land.
double HouseShare(const CTavCalcClass& calc)
{
    const int nKind = calc.m_pDataClass->m_pDataTax->m_objMunicipal.nBuildingType;
    return CTavCalcClass::iHouseRate[CTavCalcClass::GetHouseRateIndex(nKind, calc.m_dHouseUseRatio * 100)] * 0.01;
}

// Year 0 the assessed value as it is; later years with the residential
// share at the residential-land fraction (1 when bNoHouseLand is set).
BOOL LandBaseAppraised(CTavCalcClass& calc, const LandBase& land, BOOL bNoHouseLand)
{
    const double h = HouseShare(calc);
    const double r = bNoHouseLand ? 1.0 : land.dHouseLand;
    for (int y = 0; y <= calc.m_objCalcYear.nCalcYear; ++y) {
        const CConsumptionMoneyClass* pValue = SeriesItem(calc.m_pAppraisedLandArray, y);
        CConsumptionMoneyClass* pBase = SeriesItem(land.pSeries, y);
        if (!pValue || !pBase) return calc.FailCalc(CALC_UNEXPECTED_ERROR);
        const double A = ItemValue(pValue);
        pBase->m_dNetMoney = y == 0 ? A : A * (1 - h) + A * h * r;
    }
    return TRUE;
}

// The base that moves from last year's towards the assessed value by the
// burden levels, never above the assessed value.
BOOL LandBaseStandard(CTavCalcClass& calc, const LandBase& land)
{
    if (!LandBaseAppraised(calc, land, TRUE)) return FALSE;
    const int nYears = calc.m_objCalcYear.nCalcYear;
    CDeleteObArray* pTemp = nullptr;
    const BOOL bTemp = calc.NewZeroSeries(pTemp, nYears + 1);
    const std::unique_ptr<CDeleteObArray> temp(pTemp);
    if (!bTemp) return FALSE;
    const CConsumptionMoneyClass* pFirst = SeriesItem(land.pSeries, 0);
    if (!pFirst) return calc.FailCalc(CALC_UNEXPECTED_ERROR);

    CTaxStandardMoneyClass& levels = *calc.m_pTaxClass->m_pTaxStandardMoney;
    CTaxPriceDropClass& drop = levels.m_objPriceDrop;
    const double h = HouseShare(calc);
    const double A0 = ItemValue(pFirst);
    SeriesItem(pTemp, 0)->m_dNetMoney = A0 * land.dBaseRatio * 0.01;
    double P = SeriesItem(pTemp, 0)->m_dNetMoney;
    double Q = A0;
    for (int y = 1; y <= nYears; ++y) {
        const CConsumptionMoneyClass* pValue = SeriesItem(land.pSeries, y);
        CConsumptionMoneyClass* pBase = SeriesItem(pTemp, y);
        if (!pValue || !pBase) continue;
        const double A = ItemValue(pValue);
        const double L = A == 0.0 ? 1.0 : P / A;
        double RH = levels.GetHouseBurdenLevel(L);
        double RB = levels.GetBusinessBurdenLevel(L);
        if (drop.m_nPriceDropUse == 0) {
            const double D = Q == 0.0 ? 1.0 : 1 - A / Q;
            if (drop.CheckPriceDrop(D) == 1) {
                RH = drop.GetPriceDropHouseLevel(L, RH);
                if (RB != 1.0 && RB != CTaxStandardMoneyClass::kValuePercentRow)
                    RB = drop.GetPriceDropBusinessLevel(L, RB);
            }
        }
        double H = L <= 1 ? h * P * RH : h * A;
        const double dValueRate = levels.m_aBusinessLevel[CTaxStandardMoneyClass::kBusinessRows - 1].m_dRate;
        double R = RB == CTaxStandardMoneyClass::kValuePercentRow ? (1 - h) * A * dValueRate * 0.01 : (1 - h) * P * RB;
        P = R + H;
        if (R + H >= A) {
            H = h * A;
            R = A - h * A;
            P = A;
        }
        Q = A;
        pBase->m_dNetMoney = R + H * land.dHouseLand;
    }
    for (int y = 0; y <= nYears; ++y) SeriesItem(land.pSeries, y)->m_dNetMoney = SeriesItem(pTemp, y)->m_dNetMoney;
    return TRUE;
}

BOOL CalcLandBase(CTavCalcClass& calc, const LandBase& land)
{
    if (!calc.NewZeroSeries(land.pSeries, calc.m_objCalcYear.nCalcYear + 1)) return FALSE;
    switch (land.nMethod) {
    case 0: return LandBaseAppraised(calc, land, FALSE);
    case 1: return LandBaseStandard(calc, land);
    default: return calc.FailCalc(CALC_UNEXPECTED_ERROR);
    }
}

// Tax of every year at dRate percent of the base: in year 0 the land pays
// for the construction months, the building nothing.
BOOL CalcYearlyTax(CTavCalcClass& calc, const CDeleteObArray* pBase, CDeleteObArray*& pTax, double dRate, bool bLand)
{
    const int nYears = calc.m_objCalcYear.nCalcYear;
    if (!calc.NewZeroSeries(pTax, nYears + 1)) return FALSE;
    const int nMonths = calc.m_pDataClass->m_pDataOutline->nConstructMonths;
    for (int y = 0; y <= nYears; ++y) {
        const CConsumptionMoneyClass* pItem = SeriesItem(pBase, y);
        if (!pItem) return calc.FailCalc(CALC_UNEXPECTED_ERROR);
        double tax = pItem->m_dNetMoney * dRate * 0.01;
        if (y == 0) tax = bLand ? tax * nMonths / 12 : 0.0;
        SeriesItem(pTax, y)->m_dNetMoney = tax;
    }
    return TRUE;
}

} // namespace

int CTavCalcClass::GetHouseRateIndex(int nKind, double dPercent)
{
    if (nKind < 0 || nKind > 2) return 0;
    const int nColumn = dPercent < 25 ? 0 : dPercent < 50 ? 1 : dPercent < 75 ? 2 : 3;
    if (nKind == 2) return 6 + nColumn;
    return nKind * 3 + std::min(nColumn, 2);
}

BOOL CTavCalcClass::CalcTaxMoney()
{
    if (!HasTaxRecords(*this)) return FailCalc(CALC_UNEXPECTED_ERROR);
    return CalcMunicipalLandMoney() && CalcMunicipalBuildMoney() && CalcCityPlanLandMoney() &&
           CalcCityPlanBuildMoney();
}

BOOL CTavCalcClass::CalcAlwaysTax()
{
    if (!HasTaxRecords(*this)) return FailCalc(CALC_UNEXPECTED_ERROR);
    return CalcTaxMunicipal() && CalcTaxCityPlan() && CalcTaxShihonwari() && CalcTaxLandPrice();
}

BOOL CTavCalcClass::CalcMunicipalLandMoney()
{
    return CalcLandBase(*this, MunicipalLand(*this));
}

BOOL CTavCalcClass::CalcMunicipalLandMoneyAppraised(BOOL bNoHouseLand)
{
    return LandBaseAppraised(*this, MunicipalLand(*this), bNoHouseLand);
}

BOOL CTavCalcClass::CalcMunicipalLandMoneyStandard()
{
    return LandBaseStandard(*this, MunicipalLand(*this));
}

BOOL CTavCalcClass::CalcCityPlanLandMoney()
{
    return CalcLandBase(*this, CityPlanLand(*this));
}

BOOL CTavCalcClass::CalcCityPlanLandMoneyAppraised(BOOL bNoHouseLand)
{
    return LandBaseAppraised(*this, CityPlanLand(*this), bNoHouseLand);
}

BOOL CTavCalcClass::CalcCityPlanLandMoneyStandard()
{
    return LandBaseStandard(*this, CityPlanLand(*this));
}

// Year 0 nothing; later years the special-rule housing part at the new-house
// fraction during the new-house period.
BOOL CTavCalcClass::CalcMunicipalBuildMoney()
{
    if (!m_pAppraisedBuildArray) return FailCalc(CALC_UNEXPECTED_ERROR);
    const int nYears = m_objCalcYear.nCalcYear;
    if (!NewZeroSeries(m_pMunicipalBuildBaseArray, nYears + 1)) return FALSE;
    const tagDATAMUNICIPAL& municipal = m_pDataClass->m_pDataTax->m_objMunicipal;
    const CTaxMunicipalClass& rates = *m_pTaxClass->m_pTaxMunicipal;
    const int nPeriod = municipal.nBuildingType == 0 ? rates.m_nNewHouseYear : rates.m_nFireproofHouseYear;
    const double f =
        SpecialFraction(rates.m_dNewHouseNumerator, rates.m_dNewHouseDenominator, municipal.nBuildingHouseSpecial);
    const double s = m_dSpecialHouseRatio;
    for (int y = 1; y <= nYears; ++y) {
        const CConsumptionMoneyClass* pValue = SeriesItem(m_pAppraisedBuildArray, y);
        if (!pValue) return FailCalc(CALC_UNEXPECTED_ERROR);
        const double V = ItemValue(pValue);
        SeriesItem(m_pMunicipalBuildBaseArray, y)->m_dNetMoney =
            y <= nPeriod ? V - s * V + s * V * f : V - s * V + s * V;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcCityPlanBuildMoney()
{
    const int nYears = m_objCalcYear.nCalcYear;
    if (!NewZeroSeries(m_pCityPlanBuildBaseArray, nYears + 1)) return FALSE;
    for (int y = 0; y <= nYears; ++y) {
        const CConsumptionMoneyClass* pValue = SeriesItem(m_pAppraisedBuildArray, y);
        if (!pValue) return FailCalc(CALC_UNEXPECTED_ERROR);
        SeriesItem(m_pCityPlanBuildBaseArray, y)->m_dNetMoney = ItemValue(pValue);
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcTaxMunicipal()
{
    const CTaxMunicipalClass& rates = *m_pTaxClass->m_pTaxMunicipal;
    return CalcYearlyTax(*this, m_pMunicipalLandBaseArray, m_pMunicipalLandTaxArray, rates.m_dLandRate, true) &&
           CalcYearlyTax(*this, m_pMunicipalBuildBaseArray, m_pMunicipalBuildTaxArray, rates.m_dBuildingRate, false);
}

BOOL CTavCalcClass::CalcTaxCityPlan()
{
    const CTaxCityPlanClass& rates = *m_pTaxClass->m_pTaxCityPlan;
    return CalcYearlyTax(*this, m_pCityPlanLandBaseArray, m_pCityPlanLandTaxArray, rates.m_dLandRate, true) &&
           CalcYearlyTax(*this, m_pCityPlanBuildBaseArray, m_pCityPlanBuildTaxArray, rates.m_dBuildingRate, false);
}

// The capital counted bracket by bracket at each bracket's ratio; capital
// above the third bracket is not counted.
BOOL CTavCalcClass::CalcTaxShihonwari()
{
    const double C = m_pDataClass->m_pDataTax->m_objTaxBusiness.dCapital;
    const CTaxBusinessClass& rates = *m_pTaxClass->m_pTaxBusiness;
    m_dBusinessCapitalTax = 0.0;
    if (C <= 0) return TRUE;
    const CTaxExtentClass* step = rates.m_aCapitalStep;
    double counted = step[0].m_dValue * 0.01 * std::min(C, step[0].m_dUpper);
    if (C > step[0].m_dUpper) counted += step[1].m_dValue * 0.01 * (std::min(C, step[1].m_dUpper) - step[0].m_dUpper);
    if (C > step[1].m_dUpper) counted += step[2].m_dValue * 0.01 * (std::min(C, step[2].m_dUpper) - step[1].m_dUpper);
    m_dBusinessCapitalTax = rates.m_dCapitalRate * 0.01 * counted;
    return TRUE;
}

// The project's share of the tax on the inheritance valuation above the
// deduction; each item keeps the deduction in its first extra value.
BOOL CTavCalcClass::CalcTaxLandPrice()
{
    const CTaxLandPriceClass& rates = *m_pTaxClass->m_pTaxLandPrice;
    const int nTaxMethod = m_pDataClass->m_pDataBasic->nTaxMethod;
    double K = 0.0;
    if (nTaxMethod == 0)
        K = rates.m_dPersonalDeduction;
    else if (nTaxMethod >= 1 && nTaxMethod <= CTaxLandPriceClass::kStepCount)
        K = rates.m_aCapitalStep[nTaxMethod - 1].m_dValue;
    const int nYears = m_objCalcYear.nCalcYear;
    if (!NewZeroSeries(m_pLandPriceTaxArray, nYears + 1)) return FALSE;
    const int nMonths = m_pDataClass->m_pDataOutline->nConstructMonths;
    for (int y = 0; y <= nYears; ++y) {
        const CConsumptionMoneyClass* pValue = SeriesItem(m_pInheritanceArray, y);
        if (!pValue) return FailCalc(CALC_UNEXPECTED_ERROR);
        const double X = pValue->m_dNetMoney - K;
        double tax = 0.0;
        if (X > 0) {
            tax = rates.m_dRate * 0.01 * X * m_dInheritanceRatio;
            if (y == 0) tax = tax * nMonths / 12;
        }
        CConsumptionMoneyClass* pItem = SeriesItem(m_pLandPriceTaxArray, y);
        pItem->m_dNetMoney = tax;
        pItem->m_adExtra[0] = K;
    }
    return TRUE;
}
