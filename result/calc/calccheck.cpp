// What the engine checks before and after its steps: every record there,
// every count a project can mean, every figure finite.
#include <iterator>
#include <initializer_list>

#include "app/common/classobject.h"
#include "result/calc/allfinite.h"
#include "result/calc/calcseries.h"
#include "result/calc/tavcalc.h"

namespace {

// Years, months and periods beyond this are no project's; they would drive
// loops and tables for minutes or overflow. A last year of a booking is only
// compared with the year and may be anything ("to the end" as 9999).
constexpr int kMaxCount = 1200;
// Decimal places an amount can be shown with.
constexpr int kMaxDecimals = 6;

bool IsCount(int n) { return n >= -kMaxCount && n <= kMaxCount; }

bool AllCounts(std::initializer_list<int> counts)
{
    for (int n : counts)
        if (!IsCount(n)) return false;
    return true;
}

bool LoanCounts(const CDataLoanClass& loan)
{
    for (const tagDATAREPAY& period : loan.m_aRepay)
        if (!AllCounts({period.nStartYear, period.nEndYear})) return false;
    return AllCounts({loan.nSpecialFromYear, loan.m_nCapitalPayYear});
}

bool RentalCounts(const CDataRentalBasicClass& basic)
{
    for (const CDataRateClass& rate : basic.m_aRate)
        for (const tagDATARATE& step : rate.m_aDataRate)
            if (!AllCounts({step.nStartYear, step.nInterval})) return false;
    return IsCount(basic.nContractYears) && LoanCounts(basic.m_objSecurityLoan);
}

bool DataCounts(const CDataClassObject& data)
{
    for (const CDataLoanClass& loan : data.m_pDataSupply->m_aLoan)
        if (!LoanCounts(loan)) return false;
    for (const CDataRentalBasicClass* basic : data.m_apDataRentalBasic)
        if (!RentalCounts(*basic)) return false;
    for (const CDataCostItemClass& item : data.m_pDataCost->m_aCostItem)
        if (!IsCount(item.nFromYear)) return false;
    for (const CDataDepreciationClass& item : data.m_pDataExpense->m_aDepreciation)
        if (!AllCounts({item.nLife, item.nRetireYear})) return false;
    for (const CDataCapitalPayClass& pay : data.m_pDataExpense->m_aCapitalPay)
        if (!IsCount(pay.nYear)) return false;
    for (const CDataOtherIncomeClass& income : data.m_pDataProRestOther->m_aOtherIncome)
        if (!IsCount(income.nFromYear)) return false;
    for (const CDataRestOtherMoneyClass& line : data.m_pDataRestOther->m_aRestOtherMoney)
        if (!IsCount(line.nFromYear)) return false;
    return data.m_pDataOutline->nConstructMonths >= 0 && data.m_pDataOutline->nConstructMonths <= kMaxCount;
}

// Items of a series are result objects (AppendSeriesItem makes nothing else).
bool IsFiniteItem(const CObject* pItem)
{
    return !pItem || static_cast<const CResultObjectClass*>(pItem)->IsFinite();
}

} // namespace

BOOL CTavCalcClass::HasAllRecords() const
{
    const CDataClassObject& d = *m_pDataClass;
    const COptionClassObject& o = *m_pOptionClass;
    const CTaxClassObject& t = *m_pTaxClass;
    for (const void* p : {(const void*)d.m_pDataBasic, (const void*)d.m_pDataOutline, (const void*)d.m_pDataCost,
                          (const void*)d.m_pDataSupply, (const void*)d.m_pDataRentalType,
                          (const void*)d.m_pDataProRestOther, (const void*)d.m_pDataRestOther,
                          (const void*)d.m_pDataTax, (const void*)d.m_pDataExpenseOther, (const void*)d.m_pDataExpense})
        if (!p) return FALSE;
    for (const CDataRentalBasicClass* p : d.m_apDataRentalBasic)
        if (!p) return FALSE;
    for (const void* p : {(const void*)o.m_pOptionBusinessRate, (const void*)o.m_pOptionExpenseManage,
                          (const void*)o.m_pOptionAdvance, (const void*)o.m_pOptionConsumptionCost,
                          (const void*)o.m_pOptionConsumptionIncome, (const void*)o.m_pOptionOtherManage,
                          (const void*)o.m_pOptionConsumptionExpense})
        if (!p) return FALSE;
    for (const void* p :
         {(const void*)t.m_pTaxMunicipal, (const void*)t.m_pTaxCityPlan, (const void*)t.m_pTaxBusiness,
          (const void*)t.m_pTaxBusinessPlace, (const void*)t.m_pTaxDepreciation, (const void*)t.m_pTaxConsumption,
          (const void*)t.m_pTaxLandPrice, (const void*)t.m_pTaxLicense, (const void*)t.m_pTaxRealtyGet,
          (const void*)t.m_pTaxCorporation, (const void*)t.m_pTaxPrefectural, (const void*)t.m_pTaxVillage,
          (const void*)t.m_pTaxIncome, (const void*)t.m_pTaxResidentCorporation, (const void*)t.m_pTaxTransfer,
          (const void*)t.m_pTaxStandardMoney})
        if (!p) return FALSE;
    return TRUE;
}

BOOL CTavCalcClass::HasProjectCounts() const
{
    const int years = m_objCalcYear.nCalcYear;
    const int decimals = m_objDecimal.nDecimalNum;
    const COptionOtherManageClass& manage = *m_pOptionClass->m_pOptionOtherManage;
    const CTaxDepreciationClass& depreciation = *m_pTaxClass->m_pTaxDepreciation;
    const CTaxTransferClass& transfer = *m_pTaxClass->m_pTaxTransfer;
    return years >= 0 && years <= kMaxCalcYears && decimals >= 0 && decimals <= kMaxDecimals &&
           AllCounts({manage.m_nStartupYear, depreciation.m_nLifeYear, depreciation.m_nExtraYear,
                      transfer.m_nCorporateYear, transfer.m_nPersonalYear}) &&
           DataCounts(*m_pDataClass);
}

BOOL CTavCalcClass::HasFiniteTotals() const
{
    const double totals[] = {m_dHouseUseRatio,      m_dSpecialHouseRatio,    m_dOwnLandArea,
                             m_dBuyLandRatio,       m_dInheritanceRatio,     m_dConstructionCost,
                             m_dMortgageLoanTotal,  m_dAdvanceDepositTotal,  m_dAdvanceSecurityTotal,
                             m_dFundSourceTotal,    m_dConstructTaxExpense,  m_dConstructSurplus,
                             m_dNonBusinessExpend,  m_dBusinessCapitalTax};
    return AllFinite(totals, std::size(totals)) && AllFinite(m_adManageMoney, std::size(m_adManageMoney)) &&
           AllFinite(m_adManageTax, std::size(m_adManageTax)) &&
           AllFinite(m_adDepreciationAdd, std::size(m_adDepreciationAdd));
}

BOOL CTavCalcClass::HasFiniteSeries()
{
    bool finite = true;
    for (const CDeleteObArray* pSeries : AllSeries())
        for (int i = 0; finite && pSeries && i < pSeries->GetSize(); ++i) finite = IsFiniteItem(pSeries->GetAt(i));
    return finite;
}
