// Tax settings table and its export block.
#include "app/common/classobject.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/premisetext.h"

namespace {

const UINT kPercentId = 10002;
const UINT kPerTsuboId = 10001;
const UINT kTaxTitleId = 18;
const UINT kAppraisedId = 10180;
const UINT kLandId = 10181;
const UINT kBuildingId = 10182;
const UINT kShareOfCostId = 10183;
const UINT kInheritanceId = 10184;
const UINT kLandPriceTaxId = 10185;
const UINT kHouseRatioId = 10190;
const UINT kHouseUnitsId = 10191;
const UINT kRealtyGetId = 10192;
const UINT kNewHouseId = 10193;
const UINT kLandHouseId = 10194;
const UINT kBuildingHouseId = 10195;
const UINT kAppliedId = 10196;
const UINT kMunicipalId = 22;
const UINT kBuildingTypeId = 10199;
const UINT kFirstBuildingTypeId = 10200;
const UINT kCityPlanId = 23;
const UINT kBusinessPlaceId = 21;
const UINT kTaxationId = 10210;
const UINT kReductionId = 10212;
const UINT kExemptionId = 10213;
const UINT kFirstExemptionId = 10214;
const UINT kBusinessTaxId = 10216;
const UINT kOutsideIncomeId = 10217;
const UINT kFirstOutsideIncomeId = 10218;
const UINT kItemHeadId = 25000;
const UINT kContentHeadId = 25001;
const UINT kAmountHeadId = 25002;
const int kScheduleSteps = 4;

// One setting shown as its label and its choice text.
struct CChoiceLine {
    UINT nLabelId;
    UINT nFirstId;
    int nCount;
    int nValue;

    CString Text() const { return PremiseChoice(nFirstId, nValue, nCount); }
};

std::vector<CChoiceLine> RealtyGetLines(const CDataTaxClass& tax)
{
    const tagDATAREALTYGET& r = tax.m_objRealtyGet;
    return {{kNewHouseId, kAppliedId, 2, r.nNewHouseSpecial},
            {kBuildingHouseId, kAppliedId, 2, r.nBuildingHouseSpecial},
            {kLandHouseId, kAppliedId, 2, r.nLandHouseSpecial}};
}

std::vector<CChoiceLine> MunicipalLines(const CDataTaxClass& tax)
{
    const tagDATAMUNICIPAL& m = tax.m_objMunicipal;
    return {{kBuildingTypeId, kFirstBuildingTypeId, 3, m.nBuildingType},
            {kBuildingHouseId, kAppliedId, 2, m.nBuildingHouseSpecial},
            {kLandHouseId, kAppliedId, 2, m.nLandHouseSpecial}};
}

std::vector<CChoiceLine> CityPlanLines(const CDataTaxClass& tax)
{
    return {{kLandHouseId, kAppliedId, 2, tax.m_objCityPlan.nLandHouseSpecial}};
}

std::vector<CChoiceLine> BusinessTaxLines(const CDataTaxClass& tax)
{
    return {{kOutsideIncomeId, kFirstOutsideIncomeId, 2, tax.m_objTaxBusiness.nOutsideIncome}};
}

// The label and choice of each setting on lines of their own, each ended by "\n".
CString ChoiceCellText(const std::vector<CChoiceLine>& lines)
{
    CString str;
    for (const CChoiceLine& line : lines) str += LoadResultString(line.nLabelId) + "\n" + line.Text() + "\n";
    return str;
}

// One export line a setting: strTitle (first line only) | label | choice.
void TextChoiceLines(CTavCalcClass& calc, const CString& strTitle, const std::vector<CChoiceLine>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
        TextLine(calc, {i == 0 ? strTitle : CString(), LoadResultString(lines[i].nLabelId), lines[i].Text()});
}

// The assessed value of the construction period; FALSE when the series lacks it.
BOOL FirstNetMoney(const CDeleteObArray* pSeries, double& dValue)
{
    const auto* pEntry = FirstSeriesEntry<CConsumptionMoneyClass>(pSeries);
    if (!pEntry) return FALSE;
    dValue = pEntry->m_dNetMoney;
    return TRUE;
}

CString AppraisedAmountText(CTavCalcClass& calc, const CDeleteObArray* pSeries)
{
    double dValue;
    return FirstNetMoney(pSeries, dValue) ? calc.FormatAmount(dValue) : CString();
}

// How the assessed value was entered: nothing for a total, per tsubo, or a
// share of the construction cost (building only).
CString AppraisedInputText(const tagDATAAPPRAISED& appraised, BOOL bBuilding)
{
    const int nMethod = appraised.nInputMethod;
    const CString strAmount = PremisePlainNumber(appraised.dAmount);
    if (nMethod == 0) return CString();
    if (bBuilding && nMethod == 2) return LoadResultString(kShareOfCostId) + strAmount + LoadResultString(kPercentId);
    if (!bBuilding || nMethod == 1) return strAmount + LoadResultString(kPerTsuboId);
    return CString();
}

CString AppraisedItemText(UINT nKindId)
{
    return LoadResultString(kAppraisedId) + "\n" + LoadResultString(nKindId);
}

CString HouseRatioText(const CDataTaxClass& tax)
{
    return PremisePlainNumber(tax.m_objSpecialHouse.dHouseRatio) + LoadResultString(kPercentId);
}

CString HouseUnitsText(const CDataTaxClass& tax)
{
    CString str;
    str.Format("%d戸", tax.m_objSpecialHouse.nHouseUnits);
    return str;
}

BOOL IsBusinessPlaceTaxed(const CDataTaxClass& tax)
{
    return tax.m_objBusinessPlace.nTaxation == 1;
}

CString TaxationText(const CDataTaxClass& tax)
{
    return PremiseChoice(kTaxationId, tax.m_objBusinessPlace.nTaxation, 2);
}

CString ReductionText(CTavCalcClass& calc, const CDataTaxClass& tax)
{
    return calc.FormatAmount(tax.m_objBusinessPlace.dNonTaxRatio) + LoadResultString(kPercentId);
}

CString ExemptionText(const CDataTaxClass& tax)
{
    return PremiseChoice(kFirstExemptionId, tax.m_objBusinessPlace.nExemption, 2);
}

} // namespace

BOOL CTavCalcClass::MakeTaxData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    CResultTaxDataClass& page = m_pResultClass->m_objTaxData;
    const CDataTaxClass& tax = *m_pDataClass->m_pDataTax;
    std::vector<CPremiseRow> rows;
    const CDeleteObArray* const apSeries[2] = {m_pAppraisedLandArray, m_pAppraisedBuildArray};
    const UINT anKindId[2] = {kLandId, kBuildingId};
    for (int k = 0; k < 2; ++k) {
        double dValue;
        if (!FirstNetMoney(apSeries[k], dValue)) {
            FillPremisePage(*this, page, rows);
            return FailCalc(CALC_UNEXPECTED_ERROR);
        }
        const CDataAppraisedClass& appraised = tax.m_aAppraised[k];
        rows.push_back({AppraisedItemText(anKindId[k]),
                        AppraisedInputText(appraised, k == 1) + "\n" + ScheduleCellText(appraised),
                        FormatAmount(dValue)});
    }
    rows.push_back({LoadResultString(kInheritanceId) + "\n" + LoadResultString(kLandPriceTaxId), CString(),
                    FormatAmount(m_dInheritanceRatio * tax.m_objTaxLand.dTotalValue)});
    rows.push_back({LoadResultString(kHouseRatioId), CString(), HouseRatioText(tax)});
    rows.push_back({LoadResultString(kHouseUnitsId), CString(), HouseUnitsText(tax)});
    rows.push_back({LoadResultString(kRealtyGetId), CString(), ChoiceCellText(RealtyGetLines(tax))});
    rows.push_back({LoadResultString(kMunicipalId), CString(), ChoiceCellText(MunicipalLines(tax))});
    rows.push_back({LoadResultString(kCityPlanId), CString(), ChoiceCellText(CityPlanLines(tax))});
    CString strPlace = TaxationText(tax) + "\n";
    if (IsBusinessPlaceTaxed(tax))
        strPlace += LoadResultString(kReductionId) + "\n" + ReductionText(*this, tax) + "\n" +
                    LoadResultString(kExemptionId) + "\n" + ExemptionText(tax) + "\n";
    else
        strPlace += "\n\n\n\n";
    rows.push_back({LoadResultString(kBusinessPlaceId), CString(), strPlace});
    rows.push_back({LoadResultString(kBusinessTaxId), CString(), ChoiceCellText(BusinessTaxLines(tax))});
    return FillPremisePage(*this, page, rows);
}

void TextTaxBlock(CTavCalcClass& calc)
{
    const CDataTaxClass& tax = *calc.m_pDataClass->m_pDataTax;
    TextLine(calc, {LoadResultString(kTaxTitleId)});
    TextLine(calc, {LoadResultString(kItemHeadId), LoadResultString(kContentHeadId), CString(), CString(), CString(),
                    LoadResultString(kAmountHeadId)});
    const CDeleteObArray* const apSeries[2] = {calc.m_pAppraisedLandArray, calc.m_pAppraisedBuildArray};
    const UINT anKindId[2] = {kLandId, kBuildingId};
    for (int k = 0; k < 2; ++k) {
        const CDataAppraisedClass& appraised = tax.m_aAppraised[k];
        TextLine(calc, {LoadResultString(kAppraisedId), AppraisedInputText(appraised, k == 1), CString(), CString(),
                        CString(), AppraisedAmountText(calc, apSeries[k])});
        TextScheduleLines(calc, appraised, LoadResultString(anKindId[k]));
    }
    // The land-value tax shows no schedule: one empty line a step.
    TextLine(calc, {LoadResultString(kInheritanceId), CString()});
    for (int k = 0; k < kScheduleSteps; ++k) calc.TextWrite();
    TextLine(calc, {LoadResultString(kHouseRatioId), HouseRatioText(tax)});
    TextLine(calc, {LoadResultString(kHouseUnitsId), HouseUnitsText(tax)});
    TextChoiceLines(calc, LoadResultString(kRealtyGetId), RealtyGetLines(tax));
    TextChoiceLines(calc, LoadResultString(kMunicipalId), MunicipalLines(tax));
    TextChoiceLines(calc, LoadResultString(kCityPlanId), CityPlanLines(tax));
    calc.StringSet(LoadResultString(kBusinessPlaceId));
    calc.StringSet(TaxationText(tax));
    if (IsBusinessPlaceTaxed(tax)) {
        calc.StringSet(LoadResultString(kReductionId));
        calc.StringSet(ReductionText(calc, tax));
    }
    calc.TextWrite();
    if (IsBusinessPlaceTaxed(tax))
        TextLine(calc, {CString(), LoadResultString(kExemptionId), ExemptionText(tax)});
    else
        calc.TextWrite();
    TextChoiceLines(calc, LoadResultString(kBusinessTaxId), BusinessTaxLines(tax));
}
