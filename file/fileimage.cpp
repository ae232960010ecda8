// The order of the blocks in a project file and what older versions differ in.
#include <cstring>

#include "file/filedata.h"
#include "file/projectstream.h"
#include "platform/resource.h"

namespace {

constexpr int kOldBlockPad = 80;   // version 2: after fixed blocks and group records
constexpr int kOldRecordPad = 100; // version 2: after records
constexpr int kOldNameEntry = 260; // version 2: size word and a 256-byte name
constexpr int kOldRentalType = 444;
constexpr int kCostNames = 10;
constexpr int kOldCostNamesInFile = 4; // versions 2 and 3 start at entry 4
constexpr UINT kIdsFirstCostName = 65;
constexpr int kBusinessTaxSteps = 4;
constexpr long long kAllocSlack = 1024;

} // namespace

BOOL CFileDataClass::TransferList(CProjectStream& s, CFileArray& a, CreateFn pfnCreate, int nSize, int nPad)
{
    if (s.IsReading()) {
        m_nAllocLimit = s.Left() + kAllocSlack;
        if (!(this->*pfnCreate)()) return FALSE;
    }
    if (nPad == 0) return s.Transfer(a.p, (long long)a.nCount * nSize);
    for (int i = 0; i < a.nCount; ++i)
        if (!s.Transfer(a.At(i, nSize), nSize) || !s.Skip(nPad)) return FALSE;
    return TRUE;
}

BOOL CFileDataClass::TransferBasic(CProjectStream& s)
{
    const int v = s.Version();
    if (v >= 6) return s.Transfer(m_fileBasic, sizeof m_fileBasic);
    BYTE* pOld = v >= 4 ? m_fileBasicV700 : m_fileBasic97;
    const int nOld = v >= 4 ? int(sizeof m_fileBasicV700) : int(sizeof m_fileBasic97);
    if (!s.Transfer(pOld, nOld)) return FALSE;
    std::memcpy(m_fileBasic, pOld, size_t(nOld));
    WriteFileText(m_fileBasic + 132, 28, "logo.bmp");
    return TRUE;
}

void CFileDataClass::UpgradeTax(int nVersion)
{
    for (int nOffset : {128, 136})
        if (GetFileDouble(m_fileTax, nOffset) == 0.0) SetFileDouble(m_fileTax, nOffset, 100.0);
    if (nVersion > 4) return;
    SetFileInt(m_fileTax, 144, 0);
    SetFileDouble(m_fileTax, 148, 110000.0);
    SetFileDouble(m_fileTax, 156, 0.0);
    SetFileInt(m_fileTax, 164, kBusinessTaxSteps);
}

BOOL CFileDataClass::TransferRentalTypes(CProjectStream& s)
{
    if (s.Version() != 2) return TransferList(s, m_pFileRentalTypeItem, &CFileDataClass::CreateRentalType, 120, 0);
    m_nAllocLimit = s.Left() + kAllocSlack;
    if (!CreateRentalType()) return FALSE;
    for (int i = 0; i < m_pFileRentalTypeItem.nCount; ++i) {
        BYTE old[kOldRentalType];
        if (!s.Transfer(old, sizeof old)) return FALSE;
        BYTE* pItem = m_pFileRentalTypeItem.At(i, 120);
        SetFileInt(pItem, 0, 120);
        std::memcpy(pItem + 4, old + 4, 4);
        WriteFileText(pItem + 8, 32, ReadFileText(old + 8, 256));
        std::memcpy(pItem + 40, old + 264, 60);
    }
    return TRUE;
}

BOOL CFileDataClass::TransferName(CProjectStream& s, BYTE* pEntry)
{
    if (!s.IsReading() || s.Version() != 2) return s.Transfer(pEntry, 36);
    BYTE old[kOldNameEntry];
    if (!s.Transfer(old, sizeof old)) return FALSE;
    WriteFileText(pEntry + 4, 32, ReadFileText(old + 4, 256));
    return TRUE;
}

BOOL CFileDataClass::TransferNameList(CProjectStream& s, BYTE* pHeader, CFileArray& a, CreateFn pfnCreate)
{
    if (!s.Transfer(pHeader, 8)) return FALSE;
    if (s.IsReading()) {
        m_nAllocLimit = s.Left() + kAllocSlack;
        if (!(this->*pfnCreate)()) return FALSE;
    }
    for (int i = 0; i < a.nCount; ++i)
        if (!TransferName(s, a.At(i, 36))) return FALSE;
    return TRUE;
}

BOOL CFileDataClass::TransferCostNames(CProjectStream& s)
{
    if (!s.Transfer(m_fileNameCost, 8)) return FALSE;
    int nFirst = 0;
    if (s.IsReading()) {
        SetFileInt(m_fileNameCost, 4, kCostNames);
        if (!CreateNameCost()) return FALSE;
        if (s.Version() <= 3) {
            nFirst = kOldCostNamesInFile;
            for (int i = 0; i < nFirst; ++i)
                WriteFileText(m_pFileNameCostItem.At(i, 36) + 4, 32,
                              LoadModuleString("TavFileClass.DLL", kIdsFirstCostName + i));
        }
    }
    for (int i = nFirst; i < m_pFileNameCostItem.nCount; ++i)
        if (!TransferName(s, m_pFileNameCostItem.At(i, 36))) return FALSE;
    return TRUE;
}

BOOL CFileDataClass::TransferTexts(CProjectStream& s, CFileArray& a)
{
    if (s.IsReading() && s.Version() == 2) return TRUE;
    return s.Transfer(a.p, (long long)a.nCount * 68);
}

BOOL CFileDataClass::TransferImage(CProjectStream& s)
{
    using F = CFileDataClass;
    const int v = s.Version();
    const int nBlockPad = v == 2 ? kOldBlockPad : 0;
    const int nRecordPad = v == 2 ? kOldRecordPad : 0;
    auto block = [&](BYTE* p, int nSize, int nPad) { return s.Transfer(p, nSize) && s.Skip(nPad); };
    auto list = [&](CFileArray& a, CreateFn pfn, int nSize, int nPad) { return TransferList(s, a, pfn, nSize, nPad); };

    if (v == 2 && !s.Skip(kOldBlockPad)) return FALSE;
    if (!TransferBasic(s)) return FALSE;
    if (!(block(m_fileOutline, 128, nBlockPad) && block(m_fileExpense, 84, nBlockPad) &&
          list(m_pFileDepreciation, &F::CreateDepreciation, 44, nRecordPad) &&
          list(m_pFileCapitalpay, &F::CreateCapitalpay, 44, nRecordPad) &&
          block(m_fileExpenseOther, 48, nBlockPad) &&
          list(m_pFileExpenseOtherMoney, &F::CreateExpenseOtherMoney, 44, nRecordPad) &&
          block(m_fileTax, 248, 0)))
        return FALSE;
    if (s.IsReading()) UpgradeTax(v);
    return list(m_pFileAppraisedLand, &F::CreateAppraisedLand, 48, nRecordPad) &&
           list(m_pFileAppraisedBuild, &F::CreateAppraisedBuild, 48, nRecordPad) &&
           list(m_pFileLand, &F::CreateLand, 48, nRecordPad) &&
           block(m_fileSupply, 88, nBlockPad) &&
           list(m_pFileLoan, &F::CreateLoan, 48, 0) &&
           list(m_pFileLoanInterest, &F::CreateLoanInterest, 40, nRecordPad) &&
           block(m_fileCost, 48, nBlockPad) &&
           list(m_pFileCostItem, &F::CreateCost, 48, nRecordPad) &&
           list(m_pFileCostItemRate, &F::CreateCostRate, 48, nRecordPad) &&
           block(m_fileRentalBasic, 8, 0) &&
           list(m_pFileRentalBasicItem, &F::CreateRentalBasic, 68, nRecordPad) &&
           list(m_pFileRentalBasicChange, &F::CreateRentalBasicChange, 48, nRecordPad) &&
           list(m_pFileRentalBasicLive, &F::CreateRentalBasicLive, 48, nRecordPad) &&
           list(m_pFileRentalBasicRent, &F::CreateRentalBasicRent, 48, nRecordPad) &&
           list(m_pFileRentalBasicSecurity, &F::CreateRentalBasicSecurity, 48, 0) &&
           list(m_pFileRentalBasicSecurityInterest, &F::CreateRentalBasicSecurityInterest, 40, nRecordPad) &&
           block(m_fileRentalType, 48, nBlockPad) &&
           TransferRentalTypes(s) &&
           block(m_fileProRestOther, 64, nBlockPad) &&
           list(m_pFileProRestOtherItem, &F::CreateProRestOther, 44, nRecordPad) &&
           list(m_pFileProRestOtherItemRate, &F::CreateProRestOtherRate, 48, nRecordPad) &&
           block(m_fileRestOther, 48, nBlockPad) &&
           list(m_pFileRestOtherItem, &F::CreateRestOther, 48, nRecordPad) &&
           list(m_pFileRestOtherItemRate, &F::CreateRestOtherRate, 48, nRecordPad) &&
           block(m_fileBusinessRate, 48, nBlockPad) &&
           list(m_pFileBusinessRateItem, &F::CreateBusinessRate, 28, nRecordPad) &&
           block(m_fileExpenseConsumption, 48, nBlockPad) &&
           list(m_pFileExpenseConsumptionItem, &F::CreateExpenseConsume, 32, nRecordPad) &&
           block(m_fileExpenseManage, 48, nBlockPad) &&
           list(m_pFileExpenseManageItem, &F::CreateExpenseManage, 32, nRecordPad) &&
           block(m_fileAdvance, 48, nBlockPad) &&
           list(m_pFileAdvanceItem, &F::CreateAddvance, 40, nRecordPad) &&
           block(m_fileCostConsumption, 48, nBlockPad) &&
           list(m_pFileCostConsumptionItem, &F::CreateCostConsume, 28, nRecordPad) &&
           block(m_fileIncomeConsumption, 36, v == 2 ? kOldRecordPad : 0) &&
           list(m_pFileRentalConsumption, &F::CreateRentalConsume, 48, nBlockPad) &&
           list(m_pFileRentalConsumptionItem, &F::CreateRentalConsumeItem, 28, nRecordPad) &&
           list(m_pFileOtherIncomeConsumption, &F::CreateOtherIncomeConsume, 48, nBlockPad) &&
           list(m_pFileOtherIncomeConsumptionItem, &F::CreateOtherIncomeConsumeItem, 28, nRecordPad) &&
           list(m_pFileSurplusConsumption, &F::CreateSurplusConsume, 48, nBlockPad) &&
           list(m_pFileSurplusConsumptionItem, &F::CreateSurplusConsumeItem, 28, nRecordPad) &&
           block(m_fileOtherManage, 136, 0) &&
           list(m_pFileRepayDivide, &F::CreateRepayDivide, 28, nRecordPad) &&
           TransferNameList(s, m_fileNameDepreciation, m_pFileNameDepreciationItem, &F::CreateNameDepreciation) &&
           TransferNameList(s, m_fileNameExpenseOther, m_pFileNameExpenseOtherItem, &F::CreateNameExpenseOther) &&
           TransferTexts(s, m_pFileNameExpenseOtherText) &&
           TransferNameList(s, m_fileNameLoan, m_pFileNameLoanItem, &F::CreateNameLoan) &&
           TransferCostNames(s) &&
           TransferNameList(s, m_fileNameRental, m_pFileNameRentalItem, &F::CreateNameRental) &&
           TransferNameList(s, m_fileNameOtherIncome, m_pFileNameOtherIncomeItem, &F::CreateNameOtherIncome) &&
           TransferNameList(s, m_fileNameRestOther, m_pFileNameRestOtherItem, &F::CreateNameRestOther) &&
           TransferTexts(s, m_pFileNameRestOtherText) &&
           // Versions 2 to 4 end before the business-tax steps; the reader keeps them zero.
           (v <= 4 ? CreateBusiness() : list(m_pFileBusiness, &F::CreateBusiness, 48, nRecordPad));
}
