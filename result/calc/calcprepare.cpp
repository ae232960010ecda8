// Preparation of ratios and the yearly change schedules.
#include "result/calc/tavcalc.h"

#include <vector>

#include "app/common/classobject.h"
#include "result/calc/calcseries.h"
#include "result/calc/consumption.h"
#include "result/calc/rentallines.h"

// The rental line of the rental-types record; complete once that record has its lines.

namespace {

// The records the preparation and the schedules read.
bool HasRecords(const CTavCalcClass& calc)
{
    const CDataClassObject* d = calc.m_pDataClass;
    if (!d->m_pDataBasic || !d->m_pDataOutline || !d->m_pDataCost || !d->m_pDataRentalType ||
        !d->m_pDataProRestOther || !d->m_pDataRestOther || !d->m_pDataTax || !d->m_pDataExpense)
        return false;
    for (const CDataRentalBasicClass* pBasic : d->m_apDataRentalBasic)
        if (!pBasic) return false;
    return calc.m_pOptionClass->m_pOptionConsumptionCost && calc.m_pOptionClass->m_pOptionConsumptionIncome &&
           calc.m_pTaxClass->m_pTaxConsumption;
}

double ConstructionCost(const CDataExpenseClass& expense, double dPlanBuild)
{
    const tagDATAEXPENSEMONEY& cost = expense.m_objConstructionCost;
    if (cost.nInputMethod < 1) {
        double sum = 0.0;
        for (const CDataDepreciationClass& item : expense.m_aDepreciation) sum += item.dAmount;
        return sum;
    }
    return cost.nInputMethod == 3 ? dPlanBuild * cost.dAmount : cost.dAmount;
}

// Replaces a series by dBase followed by the amount the schedule carries on
// for each year from nFirstYear to the last.
BOOL FillChangeSeries(CTavCalcClass& calc, CDeleteObArray*& pSeries, double dBase, CDataRateClass& schedule,
                      int nFirstYear)
{
    if (!calc.NewZeroSeries(pSeries, 0)) return FALSE;
    auto append = [&](double dNet) {
        CConsumptionMoneyClass* pItem = AppendSeriesItem(calc, pSeries);
        if (pItem) pItem->m_dNetMoney = dNet;
        return pItem != nullptr;
    };
    double amount = dBase;
    if (!append(amount)) return FALSE;
    for (int y = nFirstYear; y <= calc.m_objCalcYear.nCalcYear; ++y) {
        amount = schedule.CalcChangeMoney(amount, y);
        if (!append(amount)) return FALSE;
    }
    return TRUE;
}

// The six series of every rental category, in build order.
CDeleteObArray* (CTavCalcClass::*const kRentalSeries[kRentalFieldCount])[CTavCalcClass::kRentalCategories] = {
    &CTavCalcClass::m_apRentArray,    &CTavCalcClass::m_apCommonFeeArray, &CTavCalcClass::m_apKeyMoneyArray,
    &CTavCalcClass::m_apDepositArray, &CTavCalcClass::m_apSecurityArray,  &CTavCalcClass::m_apRenewalFeeArray,
};

BOOL CalcChangeRental(CTavCalcClass& calc, int nCategory, RentalField field)
{
    if (nCategory < 0 || nCategory >= CTavCalcClass::kRentalCategories)
        return calc.FailCalc(CALC_UNEXPECTED_ERROR);
    CDataClassObject& d = *calc.m_pDataClass;
    const std::vector<double> lines =
        RentalLineAmounts<CDataRentalTermClass>(*d.m_pDataRentalType, nCategory, field);
    const BOOL bChange = RentalFollowsRent(*d.m_apDataRentalBasic[nCategory], field);
    return calc.CalcChangeRentalLines((calc.*kRentalSeries[field])[nCategory], nCategory, lines.data(),
                                      int(lines.size()), bChange);
}

// The amount a running expense item gives for method m when it is not
// derived from other series: the first amount, or the second with method 1.
double MethodAmount(const tagDATACOSTITEM& item, int m)
{
    return m == 1 ? item.adAmount[1] : item.adAmount[0];
}

} // namespace

BOOL CTavCalcClass::FailCalc(int nMessageID)
{
    m_nMessageID = nMessageID;
    return FALSE;
}

BOOL CTavCalcClass::NewZeroSeries(CDeleteObArray*& pSeries, int nCount)
{
    if (!NewSeries(pSeries)) return FALSE;
    for (int i = 0; i < nCount; ++i)
        if (!AppendSeriesItem(*this, pSeries)) return FALSE;
    return TRUE;
}

BOOL CTavCalcClass::CalcPreparation()
{
    if (!HasRecords(*this)) return FailCalc(CALC_UNEXPECTED_ERROR);
    const CDataClassObject& d = *m_pDataClass;
    const tagDATAOUTLINE& outline = *d.m_pDataOutline;
    const double dPlanBuild = outline.aBuilding[0].dPlanBuild;
    // A ratio without a divisor is 0, never what an earlier run left.
    m_dHouseUseRatio = dPlanBuild != 0.0 ? outline.aHouse[0].dHouse / dPlanBuild : 0.0;
    m_dSpecialHouseRatio = d.m_pDataTax->m_objSpecialHouse.dHouseRatio * 0.01;
    m_dOwnLandArea = outline.aLand[0].dTotalLand - outline.aLand[0].dLeasedLand;
    m_dBuyLandRatio = m_dOwnLandArea != 0.0 ? outline.aLand[0].dBuyLand / m_dOwnLandArea : 0.0;
    const tagDATATAXLAND& land = d.m_pDataTax->m_objTaxLand;
    if (land.nInputMethod == 0)
        m_dInheritanceRatio = land.dTotalValue != 0.0 ? land.dProjectValue / land.dTotalValue : 0.0;
    else
        m_dInheritanceRatio = land.dProjectValue * 0.01;
    m_dConstructionCost = ConstructionCost(*d.m_pDataExpense, dPlanBuild);
    return TRUE;
}

BOOL CTavCalcClass::CalcChnageMoney()
{
    if (!HasRecords(*this)) return FailCalc(CALC_UNEXPECTED_ERROR);
    if (!CalcChangeAppraisedLand() || !CalcChangeAppraisedBuild() || !CalcChangeInheritance() ||
        !CalcChangeHousyuuKyuuyo())
        return FALSE;
    for (int t = 0; t < kRentalCategories; ++t)
        for (int field = 0; field < kRentalFieldCount; ++field)
            if (!CalcChangeRental(*this, t, RentalField(field))) return FALSE;
    for (int i = 0; i < CDataCostClass::kItemCount; ++i)
        if (!CalcChangeCost(i)) return FALSE;
    for (int i = 0; i < CDataProRestOtherClass::kIncomeCount; ++i)
        if (!CalcChangeProRestOther(i)) return FALSE;
    for (int i = 0; i < CDataRestOtherClass::kMoneyCount; ++i)
        if (!CalcChangeRestOther(i)) return FALSE;
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeAppraisedLand()
{
    CDataAppraisedClass& land = m_pDataClass->m_pDataTax->m_aAppraised[0];
    double base = land.dAmount;
    if (land.nInputMethod == 1) base = base * m_dOwnLandArea;
    return FillChangeSeries(*this, m_pAppraisedLandArray, base, land, 1);
}

BOOL CTavCalcClass::CalcChangeAppraisedBuild()
{
    CDataAppraisedClass& building = m_pDataClass->m_pDataTax->m_aAppraised[1];
    double base = building.dAmount;
    if (building.nInputMethod == 1)
        base = base * m_pDataClass->m_pDataOutline->aBuilding[0].dPlanBuild;
    else if (building.nInputMethod == 2)
        base = base * 0.01 * m_dConstructionCost;
    return FillChangeSeries(*this, m_pAppraisedBuildArray, base, building, 1);
}

BOOL CTavCalcClass::CalcChangeInheritance()
{
    CDataTaxLandClass& land = m_pDataClass->m_pDataTax->m_objTaxLand;
    return FillChangeSeries(*this, m_pInheritanceArray, land.dTotalValue, land, 1);
}

// Item k is year k + 1: the first year holds the salary as entered.
BOOL CTavCalcClass::CalcChangeHousyuuKyuuyo()
{
    CDataTaxBusinessClass& business = m_pDataClass->m_pDataTax->m_objTaxBusiness;
    return FillChangeSeries(*this, m_pSalaryArray, business.dSalary, business, 2);
}

BOOL CTavCalcClass::CalcChangeHouseRent(int nCategory)
{
    return CalcChangeRental(*this, nCategory, kRentalRent);
}

BOOL CTavCalcClass::CalcChangeCommon(int nCategory)
{
    return CalcChangeRental(*this, nCategory, kRentalCommonFee);
}

BOOL CTavCalcClass::CalcChangeReward(int nCategory)
{
    return CalcChangeRental(*this, nCategory, kRentalKeyMoney);
}

BOOL CTavCalcClass::CalcChangeDeposit(int nCategory)
{
    return CalcChangeRental(*this, nCategory, kRentalDeposit);
}

BOOL CTavCalcClass::CalcChangeSecurity(int nCategory)
{
    return CalcChangeRental(*this, nCategory, kRentalSecurity);
}

BOOL CTavCalcClass::CalcChangeRenewal(int nCategory)
{
    return CalcChangeRental(*this, nCategory, kRentalRenewalFee);
}

BOOL CTavCalcClass::CalcChangeRentalLines(CDeleteObArray*& pSeries, int nCategory, const double* adLine, int nLines,
                                          BOOL bChange)
{
    if (nCategory < 0 || nCategory >= kRentalCategories) return FailCalc(CALC_UNEXPECTED_ERROR);
    const int nYears = m_objCalcYear.nCalcYear;
    if (!NewZeroSeries(pSeries, nYears + 1)) return FALSE;
    CDataRateClass& schedule = m_pDataClass->m_apDataRentalBasic[nCategory]->m_aRate[CDataRentalBasicClass::kRateRent];
    for (int k = 0; k < nLines; ++k) {
        double amount = adLine[k];
        for (int y = 0; y <= nYears; ++y) {
            if (y > 0 && bChange) amount = schedule.CalcChangeMoney(amount, y);
            CConsumptionMoneyClass* pItem = SeriesItem(pSeries, y);
            pItem->m_dNetMoney = FractionManage(pItem->m_dNetMoney + amount);
        }
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeCost(int nItem)
{
    if (nItem < 0 || nItem >= CDataCostClass::kItemCount) return FailCalc(CALC_UNEXPECTED_ERROR);
    CDataCostItemClass& item = m_pDataClass->m_pDataCost->m_aCostItem[nItem];
    const tagDATAOUTLINE& outline = *m_pDataClass->m_pDataOutline;
    const int m = item.nInputMethod;
    // The management fee may be a share of the rents or common fees of the
    // year, each category at its occupancy (none in the construction period).
    const bool bFromRental = nItem == 0 && m >= 2;
    auto rentalShare = [&](int y, double* pdAmount) {
        CDeleteObArray* const* apSeries = m == 2 ? m_apRentArray : m_apCommonFeeArray;
        double sum = 0.0;
        for (int t = 0; t < kRentalCategories; ++t) {
            const CConsumptionMoneyClass* pItem = SeriesItem(apSeries[t], y);
            if (!pItem) return FailCalc(CALC_UNEXPECTED_ERROR);
            if (y == 0)
                sum += pItem->m_dNetMoney;
            else
                sum += pItem->m_dNetMoney * m_pDataClass->m_apDataRentalBasic[t]->GetChangeLiveRate(y) * 0.01;
        }
        *pdAmount = item.adAmount[1] * 0.01 * sum;
        return TRUE;
    };

    double a = 0.0;
    if (bFromRental) {
        if (!rentalShare(0, &a)) return FALSE;
    } else if (nItem == 0) {
        a = m == 1 ? item.adAmount[1] * outline.aBuilding[0].dUseBuild * 12 : item.adAmount[0] * 12;
    } else if (nItem == 1) {
        a = m == 1 ? outline.aLand[0].dLeasedLand * item.adAmount[1] * 12 : MethodAmount(item, m) * 12;
    } else if (nItem <= 3) {
        a = m == 1 ? item.adAmount[1] * 0.01 * m_dConstructionCost : MethodAmount(item, m);
    } else {
        a = MethodAmount(item, m);
    }

    const int bTaxFree = m_pOptionClass->m_pOptionConsumptionCost->m_anTax[nItem + 1];
    const int nMethod = m_pDataClass->m_pDataBasic->nInputMethod;
    if (!NewZeroSeries(m_apCostArray[nItem], 0)) return FALSE;
    CConsumptionMoneyClass* pFirst = AppendSeriesItem(*this, m_apCostArray[nItem]);
    if (!pFirst) return FALSE;
    pFirst->SetMoney(a, bTaxFree, m_pTaxClass->m_pTaxConsumption->m_dRate, nMethod);
    for (int y = 1; y <= m_objCalcYear.nCalcYear; ++y) {
        if (bFromRental) {
            if (!rentalShare(y, &a)) return FALSE;
        } else {
            a = item.CalcChangeMoney(a, y);
        }
        CConsumptionMoneyClass* pItem = AppendSeriesItem(*this, m_apCostArray[nItem]);
        if (!pItem) return FALSE;
        if (item.nFromYear <= y && y <= item.nToYear) {
            CalcConsumption(a, bTaxFree, y, nMethod);
            pItem->m_dNetMoney = m_dConsumeNet;
            pItem->m_dTaxMoney = m_dConsumeTax;
        }
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeProRestOther(int nItem)
{
    if (nItem < 0 || nItem >= CDataProRestOtherClass::kIncomeCount) return FailCalc(CALC_UNEXPECTED_ERROR);
    CDataOtherIncomeClass& income = m_pDataClass->m_pDataProRestOther->m_aOtherIncome[nItem];
    const int bTaxFree = m_pOptionClass->m_pOptionConsumptionIncome->m_anOtherTax[nItem];
    const int nMethod = m_pDataClass->m_pDataBasic->nInputMethod;
    if (!NewZeroSeries(m_apOtherIncomeArray[nItem], 0)) return FALSE;
    CConsumptionMoneyClass* pFirst = AppendSeriesItem(*this, m_apOtherIncomeArray[nItem]);
    if (!pFirst) return FALSE;
    double a = income.dAmount;
    pFirst->SetMoney(a, bTaxFree, m_pTaxClass->m_pTaxConsumption->m_dRate, nMethod);
    for (int y = 1; y <= m_objCalcYear.nCalcYear; ++y) {
        a = income.CalcChangeMoney(a, y);
        CConsumptionMoneyClass* pItem = AppendSeriesItem(*this, m_apOtherIncomeArray[nItem]);
        if (!pItem) return FALSE;
        CalcConsumption(a, bTaxFree, y, nMethod);
        pItem->m_dNetMoney = m_dConsumeNet;
        pItem->m_dTaxMoney = m_dConsumeTax;
    }
    return TRUE;
}

BOOL CTavCalcClass::CalcChangeRestOther(int nLine)
{
    if (nLine < 0 || nLine >= CDataRestOtherClass::kMoneyCount) return FailCalc(CALC_UNEXPECTED_ERROR);
    CDataRestOtherMoneyClass& line = m_pDataClass->m_pDataRestOther->m_aRestOtherMoney[nLine];
    return FillChangeSeries(*this, m_apRestOtherArray[nLine], line.dAmount, line, 1);
}
