// The conversion steps between the records and the image, and the helpers
// the blocks share.
#include <algorithm>

#include "app/common/classobject.h"
#include "file/filedata.h"

namespace {

using Exchange = BOOL (CFileDataClass::*)(bool);

} // namespace

BOOL CFileDataClass::ConvertClassToFile(int nStep)
{
    if (nStep < 0 || nStep > kLastStep) return FALSE;
    return Convert(nStep, true);
}

BOOL CFileDataClass::ConvertFileToClass(int nStep)
{
    if (nStep < 0 || nStep > kLastStep) return FALSE;
    return Convert(nStep, false);
}

BOOL CFileDataClass::Convert(int nStep, bool bStoring)
{
    using F = CFileDataClass;
    // Step n converts with entry n; null entries do nothing.
    static const Exchange kSteps[kLastStep + 1] = {
        nullptr, nullptr, &F::Basic, &F::Outline, &F::Expense, &F::Depreciation, &F::Capitalpay,
        &F::ExpenseOther, &F::ExpenseOtherMoney, &F::Tax, &F::AppraisedLand, &F::AppraisedBuild, &F::Business,
        &F::Land, &F::Supply, &F::Loan, &F::LoanInterest, &F::Cost, &F::CostItem, &F::CostItemRate,
        &F::RentalBasic, &F::RentalBasicItem, &F::RentalBasicItemChange, &F::RentalBasicItemLive,
        &F::RentalBasicItemRent, &F::RentalBasicItemSecurity, &F::RentalBasicItemSecurityInterest,
        &F::RentalType, &F::RentalTypeItem, &F::ProRestOther, &F::ProRestOtherItem, &F::ProRestOtherItemRate,
        &F::RestOther, &F::RestOtherItem, &F::RestOtherItemRate, nullptr, nullptr,
        &F::BusinessRate, &F::BusinessRateItem, &F::ExpenseConsumption, &F::ExpenseConsumptionItem,
        &F::ExpenseManage, &F::ExpenseManageItem, &F::Advance, &F::AdvanceItem, &F::CostConsumption,
        &F::CostConsumptionItem, &F::IncomeConsumption, &F::RentalConsumption, &F::RentalConsumptionItem,
        &F::OtherIncomeConsumption, &F::OtherIncomeConsumptionItem, &F::SurplusConsumption,
        &F::SurplusConsumptionItem, &F::OtherManage, &F::RepayDivide, nullptr, nullptr,
        &F::NameDepreciation, &F::NameDepreciationItem, &F::NameExpenseOther, &F::NameExpenseOtherItem,
        &F::NameLoan, &F::NameLoanItem, &F::NameCost, &F::NameCostItem, &F::NameRental, &F::NameRentalItem,
        &F::NameOtherIncome, &F::NameOtherIncomeItem, &F::NameRestOther, &F::NameRestOtherItem, nullptr, nullptr,
    };
    const Exchange pfn = kSteps[nStep];
    return pfn ? (this->*pfn)(bStoring) : TRUE;
}

BOOL CFileDataClass::ListBlock(BYTE* pBlock, int nSize, int nCount, bool bStoring)
{
    CBlockExchange x(pBlock, nSize, bStoring);
    x.Count(4, nCount);
    return TRUE;
}

BOOL CFileDataClass::Rows(CFileArray& a, CreateFn pfnCreate, int nSize, int nCapacity, bool bStoring,
                          const RowFn& fnRow, int nSizeWord)
{
    if (bStoring ? !(this->*pfnCreate)() : !a.p) return FALSE;
    const int nRows = std::min(a.nCount, nCapacity);
    for (int i = 0; i < nRows; ++i) {
        CBlockExchange x(a.At(i, nSize), nSize, bStoring, nSizeWord);
        fnRow(x, i);
    }
    return TRUE;
}

BOOL CFileDataClass::Children(CFileArray& a, CreateFn pfnCreate, int nSize, int nParents, int nChildren,
                              bool bStoring, const std::function<void(CBlockExchange&, int, int)>& fnChild)
{
    if (bStoring ? !(this->*pfnCreate)() : !a.p) return FALSE;
    const int nP = std::min(a.Parents(), nParents);
    const int nC = std::min(a.nPerParent, nChildren);
    for (int i = 0; i < nP; ++i)
        for (int j = 0; j < nC; ++j) {
            CBlockExchange x(a.At(a.nPerParent * i + j, nSize), nSize, bStoring);
            fnChild(x, i, j);
        }
    return TRUE;
}

namespace {

void ExchangeRate(CBlockExchange& x, tagDATARATE& r)
{
    x.Int(4, r.nStartYear);
    x.Int(8, r.nEndYear);
    x.Int(12, r.nInterval);
    x.Double(16, r.dRate);
    x.Int(24, r.bDecrease);
}

} // namespace

BOOL CFileDataClass::Schedules(CFileArray& a, CreateFn pfnCreate, int nParents, bool bStoring,
                               const std::function<CDataRateClass*(int)>& fnSchedule)
{
    return Children(a, pfnCreate, 48, nParents, CDataRateClass::kStepCount, bStoring,
                    [&](CBlockExchange& x, int i, int j) { ExchangeRate(x, fnSchedule(i)->m_aDataRate[j]); });
}

BOOL CFileDataClass::Steps(CFileArray& a, CreateFn pfnCreate, bool bStoring, CDataRateClass& schedule)
{
    return Rows(a, pfnCreate, 48, CDataRateClass::kStepCount, bStoring,
                [&](CBlockExchange& x, int i) { ExchangeRate(x, schedule.m_aDataRate[i]); });
}

BOOL CFileDataClass::LoanPeriods(CFileArray& a, CreateFn pfnCreate, int nParents, bool bStoring,
                                 const std::function<CDataLoanClass*(int)>& fnLoan)
{
    return Children(a, pfnCreate, 40, nParents, CDataLoanClass::kRepayCount, bStoring,
                    [&](CBlockExchange& x, int i, int j) {
                        CDataLoanClass* pLoan = fnLoan(i);
                        if (!pLoan) return;
                        tagDATAREPAY& r = pLoan->m_aRepay[j];
                        x.Int(4, r.nStartYear);
                        x.Int(8, r.nEndYear);
                        x.Double(12, r.dRate);
                    });
}

BOOL CFileDataClass::NameList(BYTE* pHeader, int nCount, bool bStoring)
{
    return ListBlock(pHeader, 8, nCount, bStoring);
}

BOOL CFileDataClass::Names(CFileArray& a, CreateFn pfnCreate, int nCapacity, bool bStoring,
                           const std::function<CString*(int)>& fnName, const NameCopyFn& fnCopy)
{
    return Rows(a, pfnCreate, 36, nCapacity, bStoring, [&](CBlockExchange& x, int i) {
        CString* pName = fnName(i);
        x.Text(4, 32, *pName);
        if (!x.IsStoring() && fnCopy) fnCopy(i, *pName);
    });
}
