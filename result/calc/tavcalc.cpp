#include "result/calc/tavcalc.h"

#include <algorithm>
#include <new>

#include "app/common/classobject.h"
#include "platform/resource.h"

namespace {

// The steps 3 to 26, each one table builder.
using Builder = BOOL (CTavCalcClass::*)();
const Builder kBuilders[] = {
    &CTavCalcClass::MakeBasicData,          &CTavCalcClass::MakeOutlineData,
    &CTavCalcClass::MakeDepreciationData,   &CTavCalcClass::MakeCapitalpayData,
    &CTavCalcClass::MakeCapitalpayLoanData, &CTavCalcClass::MakeTaxData,
    &CTavCalcClass::MakeProRestOtherData,   &CTavCalcClass::MakeRestOtherData,
    &CTavCalcClass::MakeExpenseMoneyData,   &CTavCalcClass::MakeSupplyData,
    &CTavCalcClass::MakeBalanceBasic,       &CTavCalcClass::MakeBalanceProfit,
    &CTavCalcClass::MakeBalanceCapital,     &CTavCalcClass::MakeBalanceSummary,
    &CTavCalcClass::MakeBalanceCapitalPlan, &CTavCalcClass::MakeCurrentExpense,
    &CTavCalcClass::MakeCurrentIncome,      &CTavCalcClass::MakeRentalType,
    &CTavCalcClass::MakeRentalBasic,        &CTavCalcClass::MakeBalanceOutline,
    &CTavCalcClass::MakeGraphOutline,       &CTavCalcClass::MakeGraphLoan,
    &CTavCalcClass::MakeGraphCapital,       &CTavCalcClass::MakeBalanceTax,
};
constexpr int kFirstTableStep = 3;
static_assert(std::size(kBuilders) == CTavCalcClass::kLastStep - kFirstTableStep + 1);

// Stages of one period: stage 1 from year 1 to the first to-year at its
// rate, stage 2 on to the second to-year, stage 3 on to year 60; a stage
// without a to-year or a rate runs at the table rate r, stage 1 to year 50.
void SetStages(const int anToYear[2], const double adRate[2], double r, double adRateOut[3], int anFrom[3],
               int anTo[3])
{
    for (int i = 0; i < 3; ++i) {
        anFrom[i] = anTo[i] = 0;
        adRateOut[i] = r;
    }
    // A to-year beyond every calculation year ends its stage with the calculation.
    const auto toYear = [](int n) { return std::min(n, CTavCalcClass::kMaxCalcYears + 1); };
    anFrom[0] = 1;
    const bool first = anToYear[0] != 0 && adRate[0] != 0.0;
    anTo[0] = first ? toYear(anToYear[0]) : 50;
    adRateOut[0] = first ? adRate[0] : r;
    anFrom[1] = anTo[0] + 1;
    if (anToYear[1] != 0 && adRate[1] != 0.0) {
        anTo[1] = toYear(anToYear[1]);
        adRateOut[1] = adRate[1];
        anFrom[2] = anTo[1] + 1;
        anTo[2] = 60;
    } else {
        anTo[1] = 60;
    }
}

} // namespace

CTavCalcClass::CTavCalcClass()
{
    std::fill(std::begin(m_szTextLine), std::end(m_szTextLine), '\0');
    m_nTextLength = 0;
    m_nTextOption = 0;
    // Stages and working values stay as the last SetComs left them; start them empty.
    for (int i = 0; i < 3; ++i) {
        m_adConstructRate[i] = m_adBusinessRate[i] = 0.0;
        m_anConstructFrom[i] = m_anConstructTo[i] = m_anBusinessFrom[i] = m_anBusinessTo[i] = 0;
    }
    m_dConsumeMoney = m_dConsumeNet = m_dConsumeTax = m_dConsumeTotal = 0.0;
    m_bConsumeTaxFree = 0;
    m_nInputMethod = 0;
    m_nConstructMonths = 0;
    InitData();
}

CTavCalcClass::~CTavCalcClass()
{
    DestroyData();
}

template <class F>
void CTavCalcClass::ForEachSeries(F f)
{
    f(m_pExpenseArray);
    f(m_pYearArray);
    f(m_pAppraisedLandArray);
    f(m_pAppraisedBuildArray);
    f(m_pSalaryArray);
    f(m_pInheritanceArray);
    for (auto& p : m_apCostArray) f(p);
    for (int i = 0; i < kRentalCategories; ++i) {
        f(m_apRentArray[i]);
        f(m_apCommonFeeArray[i]);
        f(m_apKeyMoneyArray[i]);
        f(m_apDepositArray[i]);
        f(m_apSecurityArray[i]);
        f(m_apRenewalFeeArray[i]);
    }
    for (auto& p : m_apOtherIncomeArray) f(p);
    for (auto& p : m_apRestOtherArray) f(p);
    for (auto& p : m_apDepreciationArray) f(p);
    f(m_pStartupArray);
    f(m_pMunicipalLandBaseArray);
    f(m_pMunicipalBuildBaseArray);
    f(m_pCityPlanLandBaseArray);
    f(m_pCityPlanBuildBaseArray);
    for (auto& p : m_apLoanArray) f(p);
    f(m_pAutoLoanArray);
    f(m_pShortLoanArray);
    f(m_pLandPriceTaxArray);
    f(m_pMunicipalLandTaxArray);
    f(m_pMunicipalBuildTaxArray);
    f(m_pCityPlanLandTaxArray);
    f(m_pCityPlanBuildTaxArray);
}

std::vector<const CDeleteObArray*> CTavCalcClass::AllSeries()
{
    std::vector<const CDeleteObArray*> all;
    ForEachSeries([&all](CDeleteObArray*& p) { all.push_back(p); });
    return all;
}

void CTavCalcClass::InitData()
{
    m_pDataClass = nullptr;
    m_pOptionClass = nullptr;
    m_pTaxClass = nullptr;
    m_pResultClass = nullptr;
    m_objDecimal = tagSETDECIMAL{};
    m_objCalcYear = tagSETCALCYEAR{};
    m_dHouseUseRatio = m_dSpecialHouseRatio = m_dOwnLandArea = m_dBuyLandRatio = m_dInheritanceRatio = 0.0;
    m_dConstructionCost = m_dMortgageLoanTotal = m_dAdvanceDepositTotal = m_dAdvanceSecurityTotal = 0.0;
    m_dFundSourceTotal = m_dConstructTaxExpense = m_dConstructSurplus = m_dNonBusinessExpend = 0.0;
    m_dBusinessCapitalTax = 0.0;
    std::fill(std::begin(m_adManageMoney), std::end(m_adManageMoney), 0.0);
    std::fill(std::begin(m_adDepreciationAdd), std::end(m_adDepreciationAdd), 0.0);
    std::fill(std::begin(m_adManageTax), std::end(m_adManageTax), 0.0);
    ForEachSeries([](CDeleteObArray*& p) { p = nullptr; });
    std::fill(std::begin(m_adFirstDepositAmortize), std::end(m_adFirstDepositAmortize), 0.0);
    std::fill(std::begin(m_adFirstSecurityAmortize), std::end(m_adFirstSecurityAmortize), 0.0);
    m_nMessageID = CALC_NO_ERROR;
}

void CTavCalcClass::DestroyData()
{
    ForEachSeries([](CDeleteObArray*& p) { delete p; p = nullptr; });
    m_stock.Clear();
    InitData();
}

void CTavCalcClass::ClearResults()
{
    CDataClassObject* pData = m_pDataClass;
    COptionClassObject* pOption = m_pOptionClass;
    CTaxClassObject* pTax = m_pTaxClass;
    CTavResultClass* pResult = m_pResultClass;
    const tagSETDECIMAL decimal = m_objDecimal;
    const tagSETCALCYEAR years = m_objCalcYear;
    ForEachSeries([this](CDeleteObArray*& p) { m_stock.Keep(p); });
    InitData();
    m_pDataClass = pData;
    m_pOptionClass = pOption;
    m_pTaxClass = pTax;
    m_pResultClass = pResult;
    m_objDecimal = decimal;
    m_objCalcYear = years;
}

BOOL CTavCalcClass::NewSeries(CDeleteObArray*& pSeries)
{
    m_stock.Keep(pSeries);
    pSeries = m_stock.TakeArray();
    if (pSeries) return TRUE;
    m_nMessageID = CALC_OUT_OF_MEMORY;
    return FALSE;
}

void CTavCalcClass::SetComs()
{
    if (!m_pDataClass || !m_pTaxClass || !m_pDataClass->m_pDataTax || !m_pTaxClass->m_pTaxConsumption) return;
    const double r = m_pTaxClass->m_pTaxConsumption->m_dRate;
    const CDataTaxConsumptionClass stages(m_pDataClass->m_pDataTax->m_objConsumption);
    SetStages(stages.m_anBusinessToYear, stages.m_adBusinessRate, r, m_adBusinessRate, m_anBusinessFrom,
              m_anBusinessTo);
    SetStages(stages.m_anConstructToYear, stages.m_adConstructRate, r, m_adConstructRate, m_anConstructFrom,
              m_anConstructTo);
    if (m_pDataClass->m_pDataOutline) m_nConstructMonths = m_pDataClass->m_pDataOutline->nConstructMonths;
    if (m_pDataClass->m_pDataBasic) m_nInputMethod = m_pDataClass->m_pDataBasic->nInputMethod;
}

BOOL CTavCalcClass::Calc(int nStep, CDataClassObject* pData, COptionClassObject* pOption, CTaxClassObject* pTax,
                         CTavResultClass* pResult)
{
    if (pData) m_pDataClass = pData;
    if (pOption) m_pOptionClass = pOption;
    if (pTax) m_pTaxClass = pTax;
    if (pResult) m_pResultClass = pResult;
    return Calc(nStep);
}

BOOL CTavCalcClass::Calc(int nStep)
{
    CModuleStateScope scope("TavResultClass.DLL");
    if (!m_pDataClass || !m_pOptionClass || !m_pTaxClass || !m_pResultClass || !HasAllRecords())
        return FailCalc(CALC_UNEXPECTED_ERROR);
    if (!HasProjectCounts()) return FailCalc(CALC_COUNT_OUT_OF_RANGE);
    if (nStep == 0) ClearResults();
    // Nothing thrown leaves the library: memory running out is 13002, anything else 13001.
    try {
        if (!RunStep(nStep)) return FALSE;
        // The series are walked once, when step 2 has made the last of them: a
        // figure that is not finite carries on into what later steps derive from it.
        const bool bFinite = nStep > 2 || (HasFiniteTotals() && (nStep < 2 || HasFiniteSeries()));
        if (!bFinite) return FailCalc(CALC_UNEXPECTED_ERROR);
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FailCalc(CALC_OUT_OF_MEMORY);
    } catch (...) {
        return FailCalc(CALC_UNEXPECTED_ERROR);
    }
}

BOOL CTavCalcClass::RunStep(int nStep)
{
    switch (nStep) {
    case 0: return CalcStep0();
    case 1: return CalcStep1();
    case 2: return CalcBalance();
    default:
        if (nStep < kFirstTableStep || nStep > kLastStep) return TRUE;
        return (this->*kBuilders[nStep - kFirstTableStep])();
    }
}

BOOL CTavCalcClass::CalcStep0()
{
    if (!CalcPreparation() || !CalcChnageMoney() || !CalcTaxMoney() || !CalcExpense()) return FALSE;
    // A failure of the property taxes or of the construction-period financing
    // stops the run too: its status says why.
    return CalcAlwaysTax() && CalcExpenseAll();
}

BOOL CTavCalcClass::CalcStep1()
{
    if (!CalcExpenseManage() || !CalcDepreciation()) return FALSE;
    return CalcStartRepay();
}
