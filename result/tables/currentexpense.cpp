// Recurring expense table (step 18) and its export section.
#include "app/common/classobject.h"
#include "data/datacost.h"
#include "data/dataoutline.h"
#include "data/datatax.h"
#include "platform/resource.h"
#include "result/pages/currentexpense.h"
#include "result/pages/resultprint.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "result/tables/itemtext.h"
#include "tax/taxmunicipal.h"

namespace {

const int kRows = 15;
const int kRunningCosts = 4;
const int kOtherExpenses = 6;
const UINT kFirstLabelId = 740;
const UINT kLandValueTaxId = 748;
const UINT kPercentId = 10002;
const UINT kTsuboId = 10010;
const UINT kPerTsuboId = 10017;
const UINT kTimesId = 20000;
const UINT kTotalId = 10186;
const UINT kColonId = 10021;
const UINT kCostShareId = 770;
const UINT kBurdenNoticeId = 771;
const UINT kBookingYearsId = 10222;
const UINT kHeadIds[3] = {25000, 25001, 25002};

// The amount of the item's input method: the total for method 0, the
// second amount for any other.
CString MethodAmount(const tagDATACOSTITEM& item)
{
    return PremisePlainNumber(item.adAmount[item.nInputMethod > 0 ? 1 : 0]);
}

// "… ×12ヶ月" after a monthly amount, per tsubo with the area when method 1.
CString MonthlyText(const tagDATACOSTITEM& item, double dArea, const CString& strMonthly)
{
    const CString amount = MethodAmount(item);
    if (item.nInputMethod == 1)
        return amount + LoadResultString(kPerTsuboId) + " " + PremiseAreaNumber(dArea) + LoadResultString(kTsuboId) +
               "×12ヶ月";
    return amount + strMonthly + "12ヶ月";
}

// First content line of the running costs 0 to 3.
CString RunningCostLine(const CTavCalcClass& calc, int nItem)
{
    const CDataClassObject& data = *calc.m_pDataClass;
    const CDataCostItemClass& item = data.m_pDataCost->m_aCostItem[nItem];
    switch (nItem) {
    case 0: // management fee
        if (item.nInputMethod == 2) return "賃料収入合計×" + MethodAmount(item) + "％";
        if (item.nInputMethod >= 3) return "共益費収入合計×" + MethodAmount(item) + "％";
        return MonthlyText(item, data.m_pDataOutline->aBuilding[0].dUseBuild, "千円／月" + LoadResultString(kTimesId));
    case 1: // land rent
        if (item.nInputMethod == 0) return MonthlyText(item, 0, "千円／月×");
        return MonthlyText(item, data.m_pDataOutline->aLand[0].dLeasedLand, "×");
    default: // repairs and fire insurance
        if (item.nInputMethod == 0)
            return LoadResultString(kTotalId) + LoadResultString(kColonId) + MethodAmount(item) + "千円";
        if (item.nInputMethod == 1)
            return LoadResultString(kCostShareId) + MethodAmount(item) + LoadResultString(kPercentId);
        return CString();
    }
}

// The management fee as a share of an income has no change schedule.
BOOL HasSchedule(const tagDATACOSTITEM& item, int nItem)
{
    return nItem != 0 || item.nInputMethod < 2;
}

// The name of cost item nItem: its own name, else the standard label of the
// running costs; the other expenses keep theirs even when empty.
CString CostItemName(const CDataCostItemClass& item, int nItem)
{
    if (nItem >= kRunningCosts || !item.m_strOtherName.IsEmpty()) return item.m_strOtherName;
    return LoadResultString(kFirstLabelId + UINT(nItem));
}

// Booking years of an other expense; the table adds two blanks before the interval.
CString BookingYears(const tagDATACOSTITEM& item, const char* pszAfter)
{
    CString years;
    years.Format("%3d年目～%3d年目まで", item.nFromYear, item.nToYear);
    return LoadResultString(kBookingYearsId) + years + pszAfter;
}

CString BookingInterval(const tagDATACOSTITEM& item)
{
    CString interval;
    if (item.nExtra1 > 1) interval.Format("%3d年毎", item.nExtra1);
    return interval;
}

// A property tax row: the tax base of the construction period, its housing
// share taxed at a fraction, the rate and the tax of the first year.
struct CPropertyTax {
    const char* pszLabel;
    const CObArray* pBase;
    int nBaseEntry;
    int bBurden;
    BOOL bSplit;
    double dShare;
    double dNumerator;
    double dDenominator;
    double dRate;
    const CObArray* pTax;
};

// The records the rows are made from.
bool HasExpenseRecords(const CTavCalcClass& calc)
{
    const CDataClassObject* pData = calc.m_pDataClass;
    const CTaxClassObject* pTax = calc.m_pTaxClass;
    return pData && pData->m_pDataCost && pData->m_pDataOutline && pData->m_pDataTax && pTax &&
           pTax->m_pTaxMunicipal && pTax->m_pTaxCityPlan;
}

double HouseShare(const CTavCalcClass& calc)
{
    const int nKind = calc.m_pDataClass->m_pDataTax->m_objMunicipal.nBuildingType;
    return CTavCalcClass::iHouseRate[CTavCalcClass::GetHouseRateIndex(nKind, calc.m_dHouseUseRatio * 100)] * 0.01;
}

// Land fixed-asset tax, land city-planning tax and building fixed-asset tax.
CPropertyTax GetPropertyTax(const CTavCalcClass& calc, int nTax)
{
    const CDataTaxClass& tax = *calc.m_pDataClass->m_pDataTax;
    const CTaxMunicipalClass& municipal = *calc.m_pTaxClass->m_pTaxMunicipal;
    const CTaxCityPlanClass& cityPlan = *calc.m_pTaxClass->m_pTaxCityPlan;
    const double h = HouseShare(calc);
    switch (nTax) {
    case 0:
        return {"固定資産税（土地）", calc.m_pMunicipalLandBaseArray, 0, tax.m_objMunicipal.nLandTaxBase,
                tax.m_objMunicipal.nLandHouseSpecial == 0 && h > 0, h, municipal.m_dHouseLandNumerator,
                municipal.m_dHouseLandDenominator, municipal.m_dLandRate, calc.m_pMunicipalLandTaxArray};
    case 1:
        return {"都市計画税（土地）", calc.m_pCityPlanLandBaseArray, 0, tax.m_objCityPlan.nLandTaxBase,
                tax.m_objCityPlan.nLandHouseSpecial == 0 && h > 0, h, cityPlan.m_dHouseLandNumerator,
                cityPlan.m_dHouseLandDenominator, cityPlan.m_dLandRate, calc.m_pCityPlanLandTaxArray};
    default: {
        const double s = calc.m_dSpecialHouseRatio;
        return {"固定資産税（建物）", calc.m_pAppraisedBuildArray, 0, 0,
                tax.m_objMunicipal.nBuildingHouseSpecial == 0 && s > 0, s, municipal.m_dNewHouseNumerator,
                municipal.m_dNewHouseDenominator, municipal.m_dBuildingRate, calc.m_pMunicipalBuildTaxArray};
    }
    }
}

CString BaseText(const CPropertyTax& t)
{
    return PremisePlainNumber(SeriesMoney(t.pBase, t.nBaseEntry));
}

CString HouseLine(const CPropertyTax& t)
{
    CString fraction;
    fraction.Format("×%2d/%2d×税率", SaturateToInt(t.dNumerator), SaturateToInt(t.dDenominator));
    return "(住宅)" + BaseText(t) + "千円×" + PremisePlainNumber(t.dShare * 100) + LoadResultString(kPercentId) + fraction +
           PremisePlainNumber(t.dRate) + "%";
}

CString GeneralLine(const CPropertyTax& t)
{
    return "(一般)" + BaseText(t) + "千円×" + PremisePlainNumber((1.0 - t.dShare) * 100) + "%×税率" + PremisePlainNumber(t.dRate) +
           "%";
}

CString UnsplitLine(const CPropertyTax& t)
{
    return BaseText(t) + "千円×税率" + PremisePlainNumber(t.dRate) + "%";
}

CString CityPlanBuildLine(const CTavCalcClass& calc)
{
    return PremisePlainNumber(SeriesMoney(calc.m_pCityPlanBuildBaseArray, 1)) + "千円×税率" +
           PremisePlainNumber(calc.m_pTaxClass->m_pTaxCityPlan->m_dBuildingRate) + "%";
}

// ---- Rows of the page

void SetRunningCostRow(CTavCalcClass& calc, CResultItemClass& row, int nItem)
{
    const CDataCostItemClass& item = calc.m_pDataClass->m_pDataCost->m_aCostItem[nItem];
    const CString line = RunningCostLine(calc, nItem);
    row.SetContent(HasSchedule(item, nItem) ? line + "\n" + ScheduleCellText(item) : "\n\n" + line + "\n");
    row.SetMoney(calc.FormatAmount(SeriesMoney(calc.m_apCostArray[nItem], 0)));
}

void SetPropertyTaxRow(CTavCalcClass& calc, CResultItemClass& row, int nTax)
{
    const CPropertyTax t = GetPropertyTax(calc, nTax);
    if (t.bBurden) {
        row.SetContent(LoadResultString(kBurdenNoticeId) + "\n\n");
    } else if (!SeriesItem(t.pBase, t.nBaseEntry)) {
        return;
    } else if (t.bSplit) {
        row.SetContent(HouseLine(t) + "\n" + GeneralLine(t) + "\n");
    } else {
        row.SetContent("\n" + UnsplitLine(t) + "\n");
    }
    row.SetMoney(SeriesMoneyCell(calc, t.pTax, 1));
}

void SetCityPlanBuildRow(CTavCalcClass& calc, CResultItemClass& row)
{
    if (!SeriesItem(calc.m_pCityPlanBuildBaseArray, 1)) return;
    row.SetContent(CityPlanBuildLine(calc) + "\n\n");
    row.SetMoney(SeriesMoneyCell(calc, calc.m_pCityPlanBuildTaxArray, 1));
}

void SetLandValueTaxRow(CTavCalcClass& calc, CResultItemClass& row)
{
    if (!SeriesItem(calc.m_pInheritanceArray, 0)) return;
    row.SetContent("\n");
    row.SetMoney(SeriesMoneyCell(calc, calc.m_pLandPriceTaxArray, 1));
}

void SetOtherExpenseRow(CTavCalcClass& calc, CResultItemClass& row, int nItem)
{
    const CDataCostItemClass& item = calc.m_pDataClass->m_pDataCost->m_aCostItem[nItem];
    const CObArray* pSeries = calc.m_apCostArray[nItem];
    if (!SeriesItem(pSeries, 0) || SeriesMoney(pSeries, 0) == 0.0) {
        row.SetContent("\n\n");
        return;
    }
    row.SetContent(BookingYears(item, "  ") + BookingInterval(item) + "\n" + ScheduleCellText(item));
    row.SetMoney(calc.FormatAmount(SeriesMoney(pSeries, 0)));
}

void SetRow(CTavCalcClass& calc, CResultItemClass& row, int nRow)
{
    if (nRow < kRunningCosts) return SetRunningCostRow(calc, row, nRow);
    if (nRow < 7) return SetPropertyTaxRow(calc, row, nRow - kRunningCosts);
    if (nRow == 7) return SetCityPlanBuildRow(calc, row);
    if (nRow == 8) return SetLandValueTaxRow(calc, row);
    SetOtherExpenseRow(calc, row, nRow - 5);
}

// ---- Export section

void WriteCostItem(CTavCalcClass& calc, int nItem)
{
    const CDataCostItemClass item = calc.m_pDataClass->m_pDataCost->m_aCostItem[nItem];
    const CObArray* pSeries = calc.m_apCostArray[nItem];
    const CString name = CostItemName(item, nItem);
    if (nItem >= kRunningCosts && (!SeriesItem(pSeries, 0) || SeriesMoney(pSeries, 0) == 0.0)) {
        TextLine(calc, {name});
        return WriteEmptyLines(calc, 4);
    }
    const CString money = calc.FormatAmount(SeriesMoney(pSeries, 0));
    if (nItem < kRunningCosts)
        TextLine(calc, {name, RunningCostLine(calc, nItem), "", "", "", money});
    else
        TextLine(calc, {name, BookingYears(item, ""), BookingInterval(item), "", "", money});
    if (HasSchedule(item, nItem))
        TextScheduleLines(calc, item, CString());
    else
        WriteEmptyLines(calc, 4);
}

void WritePropertyTax(CTavCalcClass& calc, int nTax)
{
    const CPropertyTax t = GetPropertyTax(calc, nTax);
    const CString label = t.pszLabel;
    const CString tax = SeriesMoneyCell(calc, t.pTax, 1);
    if (t.bBurden) {
        TextLine(calc, {label, LoadResultString(kBurdenNoticeId), "", "", "", "", tax});
        return WriteEmptyLines(calc, 1);
    }
    TextLine(calc, {label, t.bSplit ? HouseLine(t) : CString(), "", "", "", tax});
    TextLine(calc, {"", t.bSplit ? GeneralLine(t) : UnsplitLine(t)});
}

} // namespace

BOOL CTavCalcClass::MakeCurrentExpense()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!m_pResultClass || !HasExpenseRecords(*this)) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultCurrentExpenseClass& page = m_pResultClass->m_objCurrentExpense;
    if (!CreatePageRows<CResultItemClass>(*this, page, kRows)) return FALSE;
    const CDataCostClass& cost = *m_pDataClass->m_pDataCost;
    for (int i = 0; i < kRows; ++i) {
        CResultItemClass* pRow = PageRow<CResultItemClass>(page, i);
        if (!pRow) return FailCalc(CALC_UNEXPECTED_ERROR);
        if (i < kRunningCosts) pRow->SetItem(CostItemName(cost.m_aCostItem[i], i));
        else if (i < kRows - kOtherExpenses) pRow->SetItem(LoadResultString(kFirstLabelId + UINT(i)));
        else pRow->SetItem(cost.m_aCostItem[i - 5].m_strOtherName);
        SetRow(*this, *pRow, i);
    }
    return TRUE;
}

void CTavCalcClass::TextInout()
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!HasExpenseRecords(*this)) return;
    TextLine(*this, {"経常支出"});
    TextLine(*this, {LoadResultString(kHeadIds[0]), LoadResultString(kHeadIds[1]), "", "", "",
                       LoadResultString(kHeadIds[2])});
    for (int i = 0; i < kRunningCosts; ++i) WriteCostItem(*this, i);
    for (int t = 0; t < 3; ++t) WritePropertyTax(*this, t);
    TextLine(*this, {"都市計画税（建物）", CityPlanBuildLine(*this), "", "", "",
                       SeriesMoneyCell(*this, m_pCityPlanBuildTaxArray, 1)});
    TextLine(*this, {LoadResultString(kLandValueTaxId), "", "", "", "", SeriesMoneyCell(*this, m_pLandPriceTaxArray, 1)});
    for (int i = kRunningCosts; i < kRunningCosts + kOtherExpenses; ++i) WriteCostItem(*this, i);
}
