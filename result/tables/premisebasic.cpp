// Basic conditions and building outline tables, and the first premise export section.
#include "app/common/classobject.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultprint.h"
#include "result/pages/tavresult.h"
#include "result/tables/premisetext.h"

namespace {

const UINT kPercentId = 10002;
const UINT kProjectNameId = 10100;
const UINT kTaxMethodId = 10101;
const UINT kFirstTaxMethodId = 10102;
const int kTaxMethods = 5;
const UINT kConsumptionMethodId = 10110;
const UINT kFirstConsumptionMethodId = 10111;
const int kConsumptionMethods = 2;
const UINT kBusinessRatioId = 10115;
const UINT kTaxRateId = 10119;
const UINT kBasicTitleId = 10120;
const UINT kFirstAreaId = 10122;
const UINT kHouseCountId = 10129;
const UINT kMonthsId = 10130;
const UINT kOutlineTitleId = 10131;
const UINT kFirstUnitId = 10010;
const UINT kOpenBracketId = 20001;
const UINT kCloseBracketId = 20002;
const char kLossCarryLabel[] = "繰越欠損の対象";
const int kSubTitles = 4;
const int kAreaLines = 7;
const int kHouseLine = 6;

using AreaOf = double (*)(const tagDATAOUTLINE&, int);
const AreaOf kAreas[kAreaLines] = {
    [](const tagDATAOUTLINE& o, int k) { return o.aLand[k].dTotalLand; },
    [](const tagDATAOUTLINE& o, int k) { return o.aLand[k].dLeasedLand; },
    [](const tagDATAOUTLINE& o, int k) { return o.aLand[k].dBuyLand; },
    [](const tagDATAOUTLINE& o, int k) { return o.aBuilding[k].dDemolishBuild; },
    [](const tagDATAOUTLINE& o, int k) { return o.aBuilding[k].dPlanBuild; },
    [](const tagDATAOUTLINE& o, int k) { return o.aBuilding[k].dUseBuild; },
    [](const tagDATAOUTLINE& o, int k) { return o.aHouse[k].dHouse; },
};

CString TaxMethodText(const tagDATABASIC& basic)
{
    return PremiseChoice(kFirstTaxMethodId, basic.nTaxMethod, kTaxMethods);
}

CString ConsumptionMethodText(const tagDATABASIC& basic)
{
    return PremiseChoice(kFirstConsumptionMethodId, basic.nConsumptionTaxMethod, kConsumptionMethods);
}

CString ConsumptionRateText(const CTavCalcClass& calc)
{
    const CTaxConsumptionClass* pRate = calc.m_pTaxClass ? calc.m_pTaxClass->m_pTaxConsumption : nullptr;
    return pRate ? PremisePlainNumber(pRate->m_dRate) + LoadResultString(kPercentId) : CString();
}

CString BusinessRatioText(const tagDATABASIC& basic)
{
    return PremisePlainNumber(basic.dBusinessRatio) + LoadResultString(kPercentId);
}

CString LossCarryText(const tagDATABASIC& basic)
{
    return basic.nLossCarryMethod != 0 ? "工事期間を含める" : "工事期間は含めない";
}

// The two figures of area line k: in the unit entered, then in the other
// unit; both empty when the stored unit is neither tsubo nor square metres.
void AreaTexts(const CTavCalcClass& calc, const tagDATAOUTLINE& outline, int k, CString& strEntered,
               CString& strOther)
{
    strEntered.Empty();
    strOther.Empty();
    const int u = outline.nAreaUnit;
    if (u != 0 && u != 1) return;
    const int o = 1 - u;
    const double dEntered = kAreas[k](outline, u);
    strEntered = k == kHouseLine ? FormatResultNumber(2, dEntered, calc.m_objDecimal.nDecimalZero)
                                 : PremisePlainNumber(dEntered);
    strEntered += LoadResultString(kFirstUnitId + u);
    strOther = PremiseAreaNumber(kAreas[k](outline, o)) + LoadResultString(kFirstUnitId + o);
}

CString HouseCountText(const tagDATAOUTLINE& outline)
{
    CString str;
    str.Format("%d戸", outline.nHouseCount);
    return str;
}

CString MonthsText(const tagDATAOUTLINE& outline)
{
    CString str;
    str.Format("%dヶ月", outline.nConstructMonths);
    return str;
}

} // namespace

BOOL CTavCalcClass::MakeBasicData()
{
    if (!m_pResultClass) return FailCalc(CALC_UNEXPECTED_ERROR);
    const tagDATABASIC& basic = *m_pDataClass->m_pDataBasic;
    std::vector<CPremiseRow> rows = {{LoadResultString(kProjectNameId), CString(), basic.strProjectName}};
    for (int k = 0; k < kSubTitles; ++k) rows.push_back({CString(), CString(), basic.astrSubTitle[k]});
    rows.push_back({LoadResultString(kTaxMethodId), CString(), TaxMethodText(basic)});
    rows.push_back({LoadResultString(kConsumptionMethodId), CString(),
                    ConsumptionMethodText(basic) + "\n" + LoadResultString(kTaxRateId) + "    " +
                        ConsumptionRateText(*this)});
    rows.push_back({LoadResultString(kBusinessRatioId), CString(), BusinessRatioText(basic)});
    rows.push_back({kLossCarryLabel, CString(), LossCarryText(basic)});
    return FillPremisePage(*this, m_pResultClass->m_objBasicData, rows);
}

BOOL CTavCalcClass::MakeOutlineData()
{
    // This step reports a missing result object as out of memory.
    if (!m_pResultClass) return FailCalc(CALC_OUT_OF_MEMORY);
    const tagDATAOUTLINE& outline = *m_pDataClass->m_pDataOutline;
    std::vector<CPremiseRow> rows;
    for (int k = 0; k < kAreaLines; ++k) {
        CString strEntered, strOther;
        AreaTexts(*this, outline, k, strEntered, strOther);
        const CString strMoney = strEntered.IsEmpty() ? CString()
                                                      : strEntered + "\n" + LoadResultString(kOpenBracketId) +
                                                            strOther + LoadResultString(kCloseBracketId);
        rows.push_back({LoadResultString(kFirstAreaId + k), CString(), strMoney});
    }
    rows.push_back({LoadResultString(kHouseCountId), CString(), HouseCountText(outline)});
    rows.push_back({LoadResultString(kMonthsId), CString(), MonthsText(outline)});
    return FillPremisePage(*this, m_pResultClass->m_objOutlineData, rows);
}

void CTavCalcClass::TextBasic()
{
    const tagDATABASIC& basic = *m_pDataClass->m_pDataBasic;
    TextLine(*this, {"前提条件－１"});
    TextLine(*this, {LoadResultString(kBasicTitleId)});
    StringSet(LoadResultString(kProjectNameId));
    StringSet(basic.strProjectName);
    if (m_nTextOption == 0) StringSet(basic.astrSubTitle[4]);
    TextWrite();
    if (m_nTextOption == 0)
        for (int k = 0; k < kSubTitles; ++k) TextLine(*this, {CString(), basic.astrSubTitle[k]});
    TextLine(*this, {LoadResultString(kTaxMethodId), TaxMethodText(basic)});
    TextLine(*this, {LoadResultString(kConsumptionMethodId), ConsumptionMethodText(basic),
                     LoadResultString(kTaxRateId), ConsumptionRateText(*this)});
    TextLine(*this, {LoadResultString(kBusinessRatioId), BusinessRatioText(basic)});
    TextLine(*this, {kLossCarryLabel, LossCarryText(basic)});

    const tagDATAOUTLINE& outline = *m_pDataClass->m_pDataOutline;
    TextLine(*this, {LoadResultString(kOutlineTitleId)});
    for (int k = 0; k < kAreaLines; ++k) {
        CString strEntered, strOther;
        AreaTexts(*this, outline, k, strEntered, strOther);
        TextLine(*this, {LoadResultString(kFirstAreaId + k), strEntered, strOther});
    }
    TextLine(*this, {LoadResultString(kHouseCountId), HouseCountText(outline)});
    TextLine(*this, {LoadResultString(kMonthsId), MonthsText(outline)});

    TextDepreciationBlock(*this);
    TextCapitalpayBlock(*this);
    TextCapitalpayLoanBlock(*this);
    TextTaxBlock(*this);
}
