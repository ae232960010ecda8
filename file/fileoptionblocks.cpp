// The blocks of the project file that carry the option records.
#include "app/common/classobject.h"
#include "file/filedata.h"

namespace {

constexpr int kBusinessRateRows = 21;
constexpr int kExpenseConsumptionRows = 17;
constexpr int kExpenseManageRows = 24;
constexpr int kAdvanceRows = 8;
constexpr int kCostConsumptionRows = 13;
constexpr int kRentalGroups = 8;
constexpr int kRentalRows = 6;
constexpr int kOtherIncomeGroups = 6;
constexpr int kRepayDivideRows = 4;

} // namespace

BOOL CFileDataClass::BusinessRate(bool bStoring)
{
    return ListBlock(m_fileBusinessRate, 48, kBusinessRateRows, bStoring);
}

BOOL CFileDataClass::BusinessRateItem(bool bStoring)
{
    COptionBusinessRateClass* p = m_pOptionClassObject->m_pOptionBusinessRate;
    if (!p) return FALSE;
    return Rows(m_pFileBusinessRateItem, &CFileDataClass::CreateBusinessRate, 28, kBusinessRateRows, bStoring,
                [&](CBlockExchange& x, int i) { x.Int(4, p->m_anApply[i]); });
}

BOOL CFileDataClass::ExpenseConsumption(bool bStoring)
{
    return ListBlock(m_fileExpenseConsumption, 48, kExpenseConsumptionRows, bStoring);
}

BOOL CFileDataClass::ExpenseConsumptionItem(bool bStoring)
{
    COptionConsumptionExpenseClass* p = m_pOptionClassObject->m_pOptionConsumptionExpense;
    if (!p) return FALSE;
    return Rows(m_pFileExpenseConsumptionItem, &CFileDataClass::CreateExpenseConsume, 32, kExpenseConsumptionRows,
                bStoring, [&](CBlockExchange& x, int i) {
                    tagCONSUMPTIONEXPENSE& r = p->m_aItem[i];
                    x.Int(4, r.nTax);
                    x.Int(8, r.nManage);
                    x.Int(12, r.bStartRate);
                });
}

BOOL CFileDataClass::ExpenseManage(bool bStoring)
{
    return ListBlock(m_fileExpenseManage, 48, kExpenseManageRows, bStoring);
}

BOOL CFileDataClass::ExpenseManageItem(bool bStoring)
{
    COptionExpenseManageClass* p = m_pOptionClassObject->m_pOptionExpenseManage;
    if (!p) return FALSE;
    return Rows(m_pFileExpenseManageItem, &CFileDataClass::CreateExpenseManage, 32, kExpenseManageRows, bStoring,
                [&](CBlockExchange& x, int i) {
                    x.Int(4, p->m_aManage[i].nManage);
                    x.Int(8, p->m_aManage[i].nPayment);
                });
}

BOOL CFileDataClass::Advance(bool bStoring)
{
    return ListBlock(m_fileAdvance, 48, kAdvanceRows, bStoring);
}

BOOL CFileDataClass::AdvanceItem(bool bStoring)
{
    COptionAdvanceClass* p = m_pOptionClassObject->m_pOptionAdvance;
    if (!p) return FALSE;
    return Rows(m_pFileAdvanceItem, &CFileDataClass::CreateAddvance, 40, kAdvanceRows, bStoring,
                [&](CBlockExchange& x, int i) {
                    x.Double(4, p->m_aRate[i].dSecurityRate);
                    x.Double(12, p->m_aRate[i].dDepositRate);
                });
}

BOOL CFileDataClass::CostConsumption(bool bStoring)
{
    return ListBlock(m_fileCostConsumption, 48, kCostConsumptionRows, bStoring);
}

BOOL CFileDataClass::CostConsumptionItem(bool bStoring)
{
    COptionConsumptionCostClass* p = m_pOptionClassObject->m_pOptionConsumptionCost;
    if (!p) return FALSE;
    return Rows(m_pFileCostConsumptionItem, &CFileDataClass::CreateCostConsume, 28, kCostConsumptionRows, bStoring,
                [&](CBlockExchange& x, int i) { x.Int(4, p->m_anTax[i]); });
}

BOOL CFileDataClass::IncomeConsumption(bool bStoring)
{
    if (!m_pOptionClassObject->m_pOptionConsumptionIncome) return FALSE;
    CBlockExchange x(m_fileIncomeConsumption, sizeof m_fileIncomeConsumption, bStoring);
    x.Count(4, kRentalGroups);
    x.Count(8, kOtherIncomeGroups);
    x.Count(12, 1);
    return TRUE;
}

BOOL CFileDataClass::Groups(CFileArray& a, CreateFn pfnCreate, int nGroups, int nRows, int nSizeWord, bool bStoring)
{
    if (!m_pOptionClassObject->m_pOptionConsumptionIncome) return FALSE;
    return Rows(a, pfnCreate, 48, nGroups, bStoring, [&](CBlockExchange& x, int) { x.Count(4, nRows); }, nSizeWord);
}

BOOL CFileDataClass::GroupRows(CFileArray& a, CreateFn pfnCreate, int nGroups, int nRows, bool bStoring,
                               const std::function<int&(COptionConsumptionIncomeClass&, int, int)>& fnTax)
{
    COptionConsumptionIncomeClass* p = m_pOptionClassObject->m_pOptionConsumptionIncome;
    if (!p) return FALSE;
    return Children(a, pfnCreate, 28, nGroups, nRows, bStoring,
                    [&](CBlockExchange& x, int g, int j) { x.Int(4, fnTax(*p, g, j)); });
}

BOOL CFileDataClass::RentalConsumption(bool bStoring)
{
    return Groups(m_pFileRentalConsumption, &CFileDataClass::CreateRentalConsume, kRentalGroups, kRentalRows, 48,
                  bStoring);
}

BOOL CFileDataClass::RentalConsumptionItem(bool bStoring)
{
    return GroupRows(m_pFileRentalConsumptionItem, &CFileDataClass::CreateRentalConsumeItem, kRentalGroups,
                     kRentalRows, bStoring,
                     [](COptionConsumptionIncomeClass& r, int g, int j) -> int& { return r.m_aRental[g].m_anTax[j]; });
}

BOOL CFileDataClass::OtherIncomeConsumption(bool bStoring)
{
    // These group records carry 28 in their size word.
    return Groups(m_pFileOtherIncomeConsumption, &CFileDataClass::CreateOtherIncomeConsume, kOtherIncomeGroups, 1, 28,
                  bStoring);
}

BOOL CFileDataClass::OtherIncomeConsumptionItem(bool bStoring)
{
    return GroupRows(m_pFileOtherIncomeConsumptionItem, &CFileDataClass::CreateOtherIncomeConsumeItem,
                     kOtherIncomeGroups, 1, bStoring,
                     [](COptionConsumptionIncomeClass& r, int g, int) -> int& { return r.m_anOtherTax[g]; });
}

BOOL CFileDataClass::SurplusConsumption(bool bStoring)
{
    return Groups(m_pFileSurplusConsumption, &CFileDataClass::CreateSurplusConsume, 1, 1, 48, bStoring);
}

BOOL CFileDataClass::SurplusConsumptionItem(bool bStoring)
{
    return GroupRows(m_pFileSurplusConsumptionItem, &CFileDataClass::CreateSurplusConsumeItem, 1, 1, bStoring,
                     [](COptionConsumptionIncomeClass& r, int, int) -> int& { return r.m_nInterestTax; });
}

BOOL CFileDataClass::OtherManage(bool bStoring)
{
    COptionOtherManageClass* p = m_pOptionClassObject->m_pOptionOtherManage;
    if (!p) return FALSE;
    CBlockExchange x(m_fileOtherManage, sizeof m_fileOtherManage, bStoring);
    x.Int(4, p->m_nStartupYear);
    x.Int(8, p->m_nYieldFormula);
    x.Count(12, kRepayDivideRows);
    x.Int(16, p->m_nMinusSurplus);
    x.Int(20, p->m_nOwnFundTime);
    return TRUE;
}

BOOL CFileDataClass::RepayDivide(bool bStoring)
{
    COptionOtherManageClass* p = m_pOptionClassObject->m_pOptionOtherManage;
    if (!p) return FALSE;
    return Rows(m_pFileRepayDivide, &CFileDataClass::CreateRepayDivide, 28, kRepayDivideRows, bStoring,
                [&](CBlockExchange& x, int i) { x.Int(4, p->m_anProrate[i]); });
}
