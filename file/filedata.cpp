#include "file/filedata.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "app/common/classobject.h"
#include "file/filestore.h"
#include "file/projectstream.h"
#include "platform/cfile.h"
#include "platform/msgbox.h"
#include "platform/resource.h"

namespace {

const char kModule[] = "TavFileClass.DLL";
const char kCurrentMagic[] = "TAVRINV801";
constexpr int kHeaderSize = 314;
constexpr int kMagicOffset = 4;
constexpr int kMagicWidth = 256;
constexpr int kKindOffset = 260;
constexpr UINT kIdsNotTavrinFile = 10;
// No project file comes near this; larger files are refused unread.
constexpr long long kMaxFileBytes = 16LL << 20;

// Magic of each version: a string of the library's table, or the text.
struct Magic {
    int nVersion;
    UINT nID;
    const char* pszText;
};
constexpr Magic kMagics[] = {
    {2, 12, nullptr}, {3, 13, nullptr}, {4, 1, nullptr}, {5, 14, nullptr}, {6, 0, "TAVRINV800"}, {7, 0, kCurrentMagic},
};

int VersionOfMagic(const BYTE* pHeader)
{
    const CString strMagic = ReadFileText(pHeader + kMagicOffset, kMagicWidth);
    if (strMagic.GetLength() >= kMagicWidth) return 0;
    for (const Magic& m : kMagics) {
        const CString strKnown = m.pszText ? CString(m.pszText) : LoadModuleString(kModule, m.nID);
        if (!strKnown.IsEmpty() && strMagic == strKnown) return m.nVersion;
    }
    return 0;
}

} // namespace

CFileDataClass::CFileDataClass()
{
    InitData();
    CreateData();
}

CFileDataClass::~CFileDataClass()
{
    FreeArrays();
}

std::vector<std::pair<BYTE*, size_t>> CFileDataClass::FixedBlocks()
{
    return {
        {m_fileHeader, sizeof m_fileHeader}, {m_fileBasic, sizeof m_fileBasic},
        {m_fileBasicV700, sizeof m_fileBasicV700}, {m_fileBasic97, sizeof m_fileBasic97},
        {m_fileOutline, sizeof m_fileOutline}, {m_fileExpense, sizeof m_fileExpense},
        {m_fileExpenseOther, sizeof m_fileExpenseOther}, {m_fileTax, sizeof m_fileTax},
        {m_fileSupply, sizeof m_fileSupply}, {m_fileCost, sizeof m_fileCost},
        {m_fileRentalBasic, sizeof m_fileRentalBasic}, {m_fileRentalType, sizeof m_fileRentalType},
        {m_fileProRestOther, sizeof m_fileProRestOther}, {m_fileRestOther, sizeof m_fileRestOther},
        {m_fileBusinessRate, 48}, {m_fileExpenseConsumption, 48}, {m_fileExpenseManage, 48}, {m_fileAdvance, 48},
        {m_fileCostConsumption, 48}, {m_fileIncomeConsumption, sizeof m_fileIncomeConsumption},
        {m_fileOtherManage, sizeof m_fileOtherManage}, {m_fileNameDepreciation, 8}, {m_fileNameExpenseOther, 8},
        {m_fileNameLoan, 8}, {m_fileNameCost, 8}, {m_fileNameRental, 8}, {m_fileNameOtherIncome, 8},
        {m_fileNameRestOther, 8},
    };
}

std::vector<CFileArray*> CFileDataClass::Arrays()
{
    return {
        &m_pFileDepreciation, &m_pFileCapitalpay, &m_pFileExpenseOtherMoney, &m_pFileAppraisedLand,
        &m_pFileAppraisedBuild, &m_pFileBusiness, &m_pFileLand, &m_pFileLoan, &m_pFileLoanInterest,
        &m_pFileCostItem, &m_pFileCostItemRate, &m_pFileRentalBasicItem, &m_pFileRentalBasicChange,
        &m_pFileRentalBasicLive, &m_pFileRentalBasicRent, &m_pFileRentalBasicSecurity,
        &m_pFileRentalBasicSecurityInterest, &m_pFileRentalTypeItem, &m_pFileProRestOtherItem,
        &m_pFileProRestOtherItemRate, &m_pFileRestOtherItem, &m_pFileRestOtherItemRate, &m_pFileBusinessRateItem,
        &m_pFileExpenseConsumptionItem, &m_pFileExpenseManageItem, &m_pFileAdvanceItem, &m_pFileCostConsumptionItem,
        &m_pFileRentalConsumption, &m_pFileOtherIncomeConsumption, &m_pFileSurplusConsumption,
        &m_pFileRentalConsumptionItem, &m_pFileOtherIncomeConsumptionItem, &m_pFileSurplusConsumptionItem,
        &m_pFileRepayDivide, &m_pFileNameDepreciationItem, &m_pFileNameExpenseOtherItem, &m_pFileNameLoanItem,
        &m_pFileNameCostItem, &m_pFileNameRentalItem, &m_pFileNameOtherIncomeItem, &m_pFileNameRestOtherItem,
        &m_pFileNameExpenseOtherText, &m_pFileNameRestOtherText,
    };
}

void CFileDataClass::InitData()
{
    m_pDataClassObject = nullptr;
    m_pOptionClassObject = nullptr;
    m_strFileName.Empty();
    m_nVersion = 0;
    m_nAllocLimit = -1;
    for (auto [p, n] : FixedBlocks()) std::memset(p, 0, n);
    for (CFileArray* p : Arrays()) *p = CFileArray();
}

void CFileDataClass::FreeArrays()
{
    for (CFileArray* p : Arrays()) {
        delete[] p->p;
        *p = CFileArray();
    }
}

void CFileDataClass::DestroyData()
{
    FreeArrays();
    InitData();
}

// ---- Allocation ------------------------------------------------------------

BOOL CFileDataClass::CreateArray(CFileArray& a, long long nCount, int nSize, int nPerParent)
{
    delete[] a.p;
    a = CFileArray();
    if (nCount < 0) nCount = 0;
    if (m_nAllocLimit >= 0 && nCount > m_nAllocLimit / nSize) return FALSE;
    if (nCount > INT_MAX / nSize) return FALSE;
    a.p = new (std::nothrow) BYTE[size_t(nCount * nSize)]();
    if (!a.p) return FALSE;
    a.nCount = int(nCount);
    a.nPerParent = nPerParent < 0 ? a.nCount : nPerParent;
    return TRUE;
}

BOOL CFileDataClass::CreateChildren(CFileArray& a, const CFileArray& parents, int nParentSize, int nChildOffset,
                                    int nSize)
{
    int nChildren = 0;
    for (int i = 0; i < parents.nCount; ++i) {
        const int n = GetFileInt(parents.At(i, nParentSize), nChildOffset);
        if (i > 0 && n != nChildren) {
            delete[] a.p;
            a = CFileArray();
            return FALSE;
        }
        nChildren = n;
    }
    if (nChildren < 0) nChildren = 0;
    return CreateArray(a, (long long)parents.nCount * nChildren, nSize, nChildren);
}

BOOL CFileDataClass::CreateDepreciation() { return CreateArray(m_pFileDepreciation, GetFileInt(m_fileExpense, 36), 44); }
BOOL CFileDataClass::CreateCapitalpay() { return CreateArray(m_pFileCapitalpay, GetFileInt(m_fileExpense, 40), 44); }
BOOL CFileDataClass::CreateExpenseOtherMoney()
{
    return CreateArray(m_pFileExpenseOtherMoney, GetFileInt(m_fileExpenseOther, 4), 44);
}
BOOL CFileDataClass::CreateAppraisedLand() { return CreateArray(m_pFileAppraisedLand, GetFileInt(m_fileTax, 16), 48); }
BOOL CFileDataClass::CreateAppraisedBuild() { return CreateArray(m_pFileAppraisedBuild, GetFileInt(m_fileTax, 32), 48); }
BOOL CFileDataClass::CreateLand() { return CreateArray(m_pFileLand, GetFileInt(m_fileTax, 124), 48); }
BOOL CFileDataClass::CreateBusiness() { return CreateArray(m_pFileBusiness, GetFileInt(m_fileTax, 164), 48); }
BOOL CFileDataClass::CreateLoan() { return CreateArray(m_pFileLoan, GetFileInt(m_fileSupply, 44), 48); }
BOOL CFileDataClass::CreateLoanInterest() { return CreateChildren(m_pFileLoanInterest, m_pFileLoan, 48, 44, 40); }
BOOL CFileDataClass::CreateCost() { return CreateArray(m_pFileCostItem, GetFileInt(m_fileCost, 4), 48); }
BOOL CFileDataClass::CreateCostRate() { return CreateChildren(m_pFileCostItemRate, m_pFileCostItem, 48, 24, 48); }
BOOL CFileDataClass::CreateRentalBasic()
{
    return CreateArray(m_pFileRentalBasicItem, GetFileInt(m_fileRentalBasic, 4), 68);
}
BOOL CFileDataClass::CreateRentalBasicChange()
{
    return CreateChildren(m_pFileRentalBasicChange, m_pFileRentalBasicItem, 68, 32, 48);
}
BOOL CFileDataClass::CreateRentalBasicLive()
{
    return CreateChildren(m_pFileRentalBasicLive, m_pFileRentalBasicItem, 68, 36, 48);
}
BOOL CFileDataClass::CreateRentalBasicRent()
{
    return CreateChildren(m_pFileRentalBasicRent, m_pFileRentalBasicItem, 68, 40, 48);
}
BOOL CFileDataClass::CreateRentalBasicSecurity()
{
    return CreateChildren(m_pFileRentalBasicSecurity, m_pFileRentalBasicItem, 68, 44, 48);
}
BOOL CFileDataClass::CreateRentalBasicSecurityInterest()
{
    return CreateChildren(m_pFileRentalBasicSecurityInterest, m_pFileRentalBasicSecurity, 48, 44, 40);
}
BOOL CFileDataClass::CreateRentalType()
{
    return CreateArray(m_pFileRentalTypeItem, GetFileInt(m_fileRentalType, 4), 120);
}
BOOL CFileDataClass::CreateProRestOther()
{
    return CreateArray(m_pFileProRestOtherItem, GetFileInt(m_fileProRestOther, 20), 44);
}
BOOL CFileDataClass::CreateProRestOtherRate()
{
    return CreateChildren(m_pFileProRestOtherItemRate, m_pFileProRestOtherItem, 44, 20, 48);
}
BOOL CFileDataClass::CreateRestOther() { return CreateArray(m_pFileRestOtherItem, GetFileInt(m_fileRestOther, 4), 48); }
BOOL CFileDataClass::CreateRestOtherRate()
{
    return CreateChildren(m_pFileRestOtherItemRate, m_pFileRestOtherItem, 48, 24, 48);
}
BOOL CFileDataClass::CreateBusinessRate()
{
    return CreateArray(m_pFileBusinessRateItem, GetFileInt(m_fileBusinessRate, 4), 28);
}
BOOL CFileDataClass::CreateExpenseConsume()
{
    return CreateArray(m_pFileExpenseConsumptionItem, GetFileInt(m_fileExpenseConsumption, 4), 32);
}
BOOL CFileDataClass::CreateExpenseManage()
{
    return CreateArray(m_pFileExpenseManageItem, GetFileInt(m_fileExpenseManage, 4), 32);
}
BOOL CFileDataClass::CreateAddvance() { return CreateArray(m_pFileAdvanceItem, GetFileInt(m_fileAdvance, 4), 40); }
BOOL CFileDataClass::CreateCostConsume()
{
    return CreateArray(m_pFileCostConsumptionItem, GetFileInt(m_fileCostConsumption, 4), 28);
}
BOOL CFileDataClass::CreateRentalConsume()
{
    return CreateArray(m_pFileRentalConsumption, GetFileInt(m_fileIncomeConsumption, 4), 48);
}
BOOL CFileDataClass::CreateRentalConsumeItem()
{
    return CreateChildren(m_pFileRentalConsumptionItem, m_pFileRentalConsumption, 48, 4, 28);
}
BOOL CFileDataClass::CreateOtherIncomeConsume()
{
    return CreateArray(m_pFileOtherIncomeConsumption, GetFileInt(m_fileIncomeConsumption, 8), 48);
}
BOOL CFileDataClass::CreateOtherIncomeConsumeItem()
{
    return CreateChildren(m_pFileOtherIncomeConsumptionItem, m_pFileOtherIncomeConsumption, 48, 4, 28);
}
BOOL CFileDataClass::CreateSurplusConsume()
{
    return CreateArray(m_pFileSurplusConsumption, GetFileInt(m_fileIncomeConsumption, 12), 48);
}
BOOL CFileDataClass::CreateSurplusConsumeItem()
{
    return CreateChildren(m_pFileSurplusConsumptionItem, m_pFileSurplusConsumption, 48, 4, 28);
}
BOOL CFileDataClass::CreateRepayDivide() { return CreateArray(m_pFileRepayDivide, GetFileInt(m_fileOtherManage, 12), 28); }
BOOL CFileDataClass::CreateNameDepreciation()
{
    return CreateArray(m_pFileNameDepreciationItem, GetFileInt(m_fileNameDepreciation, 4), 36);
}
BOOL CFileDataClass::CreateNameExpenseOther()
{
    const int nCount = GetFileInt(m_fileNameExpenseOther, 4);
    return CreateArray(m_pFileNameExpenseOtherItem, nCount, 36) && CreateArray(m_pFileNameExpenseOtherText, nCount, 68);
}
BOOL CFileDataClass::CreateNameLoan() { return CreateArray(m_pFileNameLoanItem, GetFileInt(m_fileNameLoan, 4), 36); }
BOOL CFileDataClass::CreateNameCost() { return CreateArray(m_pFileNameCostItem, GetFileInt(m_fileNameCost, 4), 36); }
BOOL CFileDataClass::CreateNameRental()
{
    return CreateArray(m_pFileNameRentalItem, GetFileInt(m_fileNameRental, 4), 36);
}
BOOL CFileDataClass::CreateNameOtherIncome()
{
    return CreateArray(m_pFileNameOtherIncomeItem, GetFileInt(m_fileNameOtherIncome, 4), 36);
}
BOOL CFileDataClass::CreateNameRestOther()
{
    return CreateArray(m_pFileNameRestOtherItem, GetFileInt(m_fileNameRestOther, 4), 36) &&
           CreateArray(m_pFileNameRestOtherText, kRestOtherTexts, 68);
}

// ---- Writing ----------------------------------------------------------------

BOOL CFileDataClass::WriteProject(short nKind, CString strPath, CDataClassObject* pData, COptionClassObject* pOption)
{
    SetDataClassObject(pData);
    SetOptionClassObject(pOption);
    return WriteProject(nKind, strPath);
}

BOOL CFileDataClass::WriteProject(short nKind, CString strPath)
{
    SetFileName(strPath);
    return WriteProject(nKind);
}

BOOL CFileDataClass::WriteProject(short nKind)
{
    CModuleStateScope scope(kModule);
    if (!m_pDataClassObject || !m_pOptionClassObject || m_strFileName.IsEmpty()) return FALSE;
    std::memset(m_fileHeader, 0, sizeof m_fileHeader);
    SetFileInt(m_fileHeader, 0, kHeaderSize);
    WriteFileText(m_fileHeader + kMagicOffset, kMagicWidth, kCurrentMagic);
    m_fileHeader[kKindOffset] = BYTE(nKind & 0xFF);
    m_fileHeader[kKindOffset + 1] = BYTE((nKind >> 8) & 0xFF);
    m_nAllocLimit = -1;
    m_nVersion = kCurrentVersion;
    for (int nStep = 1; nStep <= 72; ++nStep)
        if (!ConvertClassToFile(nStep)) return FALSE;
    return SaveImage();
}

BOOL CFileDataClass::SaveImage()
{
    return SaveFileSafely(m_strFileName, [this](CFile& file) {
        CProjectWriteStream stream(file);
        stream.Transfer(m_fileHeader, kHeaderSize);
        TransferImage(stream);
    });
}

// ---- Reading ----------------------------------------------------------------

BOOL CFileDataClass::ReadProject(CString strPath, CDataClassObject* pData, COptionClassObject* pOption)
{
    SetDataClassObject(pData);
    SetOptionClassObject(pOption);
    return ReadProject(strPath);
}

BOOL CFileDataClass::ReadProject(CString strPath)
{
    SetFileName(strPath);
    return ReadProject();
}

BOOL CFileDataClass::ReadProject()
{
    CModuleStateScope scope(kModule);
    if (!m_pDataClassObject || !m_pOptionClassObject || m_strFileName.IsEmpty()) return FALSE;
    if (!PrepareRead(m_strFileName)) {
        AfxMessageBox(kIdsNotTavrinFile, MB_OK);
        return FALSE;
    }
    std::vector<BYTE> bytes;
    if (!LoadFileBytes(m_strFileName, kMaxFileBytes, bytes)) return FALSE;
    std::memset(m_fileHeader, 0, sizeof m_fileHeader);
    if (!bytes.empty()) std::memcpy(m_fileHeader, bytes.data(), std::min(bytes.size(), size_t(kHeaderSize)));
    m_nVersion = VersionOfMagic(m_fileHeader);
    if (m_nVersion == 0) {
        AfxMessageBox(kIdsNotTavrinFile, MB_OK);
        return FALSE;
    }
    if (bytes.size() < size_t(kHeaderSize)) return FALSE;
    CProjectReadStream stream(bytes.data() + kHeaderSize, bytes.size() - kHeaderSize, m_nVersion);
    const BOOL bRead = TransferImage(stream);
    m_nAllocLimit = -1;
    if (!bRead) return FALSE;
    for (int nStep = 1; nStep <= 72; ++nStep)
        if (!ConvertFileToClass(nStep)) return FALSE;
    return TRUE;
}
