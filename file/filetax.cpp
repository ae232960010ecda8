#include "file/filetax.h"

#include <climits>
#include <cstring>
#include <new>

#include "app/common/classobject.h"
#include "file/filestore.h"
#include "file/projectstream.h"
#include "platform/msgbox.h"
#include "platform/resource.h"
#include "tax/taxbusiness.h"
#include "tax/taxconsumption.h"
#include "tax/taxcorporation.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"
#include "tax/taxpersonal.h"
#include "tax/taxstandardmoney.h"

namespace {

const char kModule[] = "TavFileClass.DLL";
constexpr UINT kIdsNotTaxFile = 11;
constexpr UINT kIdsMagic97 = 50;
constexpr UINT kIdsMagic03 = 69;
constexpr int kHeaderSize = 384;
constexpr int kMagicOffset = 4;
// Far above any table the format can hold; larger files are refused unread.
constexpr long long kMaxFileBytes = 1LL << 20;

constexpr int kLevelRow = 156;
constexpr int kExtentRow = 148;
constexpr int kCorporationRow = 172;
constexpr int kPersonalRow = 160;
constexpr int kVillageDiskRow = 136;

// Counts the writer stores.
constexpr int kBusinessLevels = 7;
constexpr int kHouseLevels = 6;

// The business capital brackets of files without them: lower, upper
// (thousand yen), ratio (%).
constexpr double kDefaultCapitalSteps[3][3] = {
    {0.0, 100000000.0, 100.0}, {100000000.0, 500000000.0, 50.0}, {500000000.0, 1000000000.0, 25.0}};

void ExchangeExtent(CBlockExchange& ex, CTaxExtentClass& r)
{
    ex.Double(4, r.m_dLower);
    ex.Double(12, r.m_dUpper);
    ex.Double(20, r.m_dValue);
}

void ExchangeLevel(CBlockExchange& ex, CTaxBurdenLevelClass& r)
{
    ex.Double(4, r.m_dLower);
    ex.Int(12, r.m_nLowerExclusive);
    ex.Double(16, r.m_dUpper);
    ex.Int(24, r.m_nUpperInclusive);
    ex.Double(28, r.m_dRate);
}

void ExchangePersonal(CBlockExchange& ex, CTaxPersonalClass& r)
{
    ex.Int(4, r.m_nSpare);
    ex.Double(8, r.m_dRate);
    ex.Double(16, r.m_dLower);
    ex.Double(24, r.m_dUpper);
    ex.Double(32, r.m_dDeduction);
}

// Rows 0 .. count - 1 of a run and the record table: storing fills the run
// that pfnCreate allocated, loading copies the rows read into the table.
template <class TRow, class Fn>
void ExchangeRows(const CFileArray& a, int nSize, TRow* pTable, bool bStoring, Fn fn)
{
    for (int i = 0; i < a.nCount; ++i) {
        CBlockExchange ex(a.At(i, nSize), nSize, bStoring);
        fn(ex, pTable[i]);
    }
}

// The magic at offset 4 of the header, or an empty text when it has no NUL
// within the header.
CString MagicOf(const BYTE* pHeader)
{
    const CString str = ReadFileText(pHeader + kMagicOffset, kHeaderSize - kMagicOffset);
    return str.GetLength() < kHeaderSize - kMagicOffset ? str : CString();
}

} // namespace

CFileTaxClass::CFileTaxClass()
{
    InitData();
    CreateData();
}

CFileTaxClass::~CFileTaxClass()
{
    DestroyData();
}

std::array<CFileArray*, 9> CFileTaxClass::Arrays()
{
    return {&m_pStandardBusiness, &m_pStandardHouse, &m_pBusinessItem,    &m_pBusinessCapital, &m_pLandPriceItem,
            &m_pCorporationItem,  &m_pPrefecturalItem, &m_pVillageItem, &m_pIncomeItem};
}

void CFileTaxClass::InitData()
{
    m_pTaxClassObject = nullptr;
    m_strFileName.Empty();
    const auto zero = [](auto& block) { std::memset(block, 0, sizeof block); };
    zero(m_abyHeader), zero(m_abyMunicipal), zero(m_abyCityPlan), zero(m_abyStandard), zero(m_abyBusiness);
    zero(m_abyBusinessPlace), zero(m_abyDepreciation), zero(m_abyConsumption), zero(m_abyLandPrice);
    zero(m_abyLicense), zero(m_abyRealtyGet), zero(m_abyCorporation), zero(m_abyPrefectural), zero(m_abyVillage);
    zero(m_abyIncome), zero(m_abyTransfer);
    for (CFileArray* p : Arrays()) *p = CFileArray();
}

void CFileTaxClass::FreeArrays()
{
    for (CFileArray* p : Arrays()) {
        delete[] p->p;
        *p = CFileArray();
    }
}

void CFileTaxClass::DestroyData()
{
    FreeArrays();
    InitData();
}

// ---- Allocation ---------------------------------------------------------------

BOOL CFileTaxClass::CreateRows(CFileArray& a, int nCount, int nCapacity, int nSize)
{
    delete[] a.p;
    a = CFileArray();
    if (nCount < 0 || nCount > nCapacity) return FALSE;
    a.p = new (std::nothrow) BYTE[size_t(nCount) * size_t(nSize) + 1]();
    if (!a.p) return FALSE;
    a.nCount = a.nPerParent = nCount;
    return TRUE;
}

BOOL CFileTaxClass::CreateBusinessBurdenLevel()
{
    return CreateRows(m_pStandardBusiness, GetFileInt(m_abyStandard, 4), CTaxStandardMoneyClass::kLevelCount,
                      kLevelRow);
}

BOOL CFileTaxClass::CreateHouseBurdenLevel()
{
    return CreateRows(m_pStandardHouse, GetFileInt(m_abyStandard, 8), CTaxStandardMoneyClass::kLevelCount,
                      kLevelRow);
}

BOOL CFileTaxClass::CreateBusinessCorporation()
{
    constexpr int n = CTaxBusinessClass::kStepCount;
    // A file may hold fewer capital brackets than the defaults fill; the run
    // always has all three.
    const int nCapital = GetFileInt(m_abyBusiness, 56);
    if (nCapital < 0 || nCapital > n) return FALSE;
    if (!CreateRows(m_pBusinessItem, GetFileInt(m_abyBusiness, 20), n, kExtentRow) ||
        !CreateRows(m_pBusinessCapital, n, n, kExtentRow))
        return FALSE;
    for (int i = 0; i < n; ++i) {
        BYTE* pRow = m_pBusinessCapital.At(i, kExtentRow);
        for (int j = 0; j < 3; ++j) SetFileDouble(pRow, 4 + 8 * j, kDefaultCapitalSteps[i][j]);
    }
    return TRUE;
}

BOOL CFileTaxClass::CreateLandPriceCorporation()
{
    return CreateRows(m_pLandPriceItem, GetFileInt(m_abyLandPrice, 20), CTaxLandPriceClass::kStepCount, kExtentRow);
}

BOOL CFileTaxClass::CreateCorporation()
{
    return CreateRows(m_pCorporationItem, GetFileInt(m_abyCorporation, 4), CTaxCorporationClass::kTierCount,
                      kCorporationRow);
}

BOOL CFileTaxClass::CreatePrefectural()
{
    return CreateRows(m_pPrefecturalItem, GetFileInt(m_abyPrefectural, 4), CTaxPrefecturalClass::kStepCount,
                      kPersonalRow);
}

BOOL CFileTaxClass::CreateVillage()
{
    return CreateRows(m_pVillageItem, GetFileInt(m_abyVillage, 4), CTaxVillageClass::kStepCount, kPersonalRow);
}

BOOL CFileTaxClass::CreateIncome()
{
    return CreateRows(m_pIncomeItem, GetFileInt(m_abyIncome, 4), CTaxIncomeClass::kStepCount, kPersonalRow);
}

// ---- The image in file order -------------------------------------------------

BOOL CFileTaxClass::TransferRows(CProjectStream& s, CFileArray& a, CreateFn pfnCreate, int nSize, int nDiskSize)
{
    if (s.IsReading() && !(this->*pfnCreate)()) return FALSE;
    for (int i = 0; i < a.nCount; ++i)
        if (!s.Transfer(a.At(i, nSize), nDiskSize)) return FALSE;
    return TRUE;
}

BOOL CFileTaxClass::TransferImage(CProjectStream& s, bool bOld)
{
    const auto block = [&s](BYTE* p, int n) { return s.Transfer(p, n); };
    if (!block(m_abyMunicipal, sizeof m_abyMunicipal) || !block(m_abyCityPlan, sizeof m_abyCityPlan) ||
        !block(m_abyStandard, sizeof m_abyStandard) ||
        !TransferRows(s, m_pStandardBusiness, &CFileTaxClass::CreateBusinessBurdenLevel, kLevelRow, kLevelRow) ||
        !TransferRows(s, m_pStandardHouse, &CFileTaxClass::CreateHouseBurdenLevel, kLevelRow, kLevelRow) ||
        !block(m_abyBusiness, sizeof m_abyBusiness))
        return FALSE;
    if (bOld) {
        // The older format has none of the size-based business fields.
        std::memset(m_abyBusiness + 24, 0, 40);
        SetFileDouble(m_abyBusiness, 24, 25.0);
        SetFileDouble(m_abyBusiness, 32, 0.48);
        SetFileDouble(m_abyBusiness, 40, 70.0);
        SetFileDouble(m_abyBusiness, 48, 0.2);
        SetFileInt(m_abyBusiness, 56, 3);
        SetFileInt(m_abyBusiness, 60, 6);
    }
    if (!TransferRows(s, m_pBusinessItem, &CFileTaxClass::CreateBusinessCorporation, kExtentRow, kExtentRow) ||
        !block(m_abyBusinessPlace, sizeof m_abyBusinessPlace) ||
        !block(m_abyDepreciation, sizeof m_abyDepreciation) || !block(m_abyConsumption, sizeof m_abyConsumption) ||
        !block(m_abyLandPrice, sizeof m_abyLandPrice) ||
        !TransferRows(s, m_pLandPriceItem, &CFileTaxClass::CreateLandPriceCorporation, kExtentRow, kExtentRow) ||
        !block(m_abyLicense, sizeof m_abyLicense) || !block(m_abyRealtyGet, sizeof m_abyRealtyGet) ||
        !block(m_abyCorporation, sizeof m_abyCorporation) ||
        !TransferRows(s, m_pCorporationItem, &CFileTaxClass::CreateCorporation, kCorporationRow, kCorporationRow) ||
        !block(m_abyPrefectural, sizeof m_abyPrefectural) ||
        !TransferRows(s, m_pPrefecturalItem, &CFileTaxClass::CreatePrefectural, kPersonalRow, kPersonalRow) ||
        !block(m_abyVillage, sizeof m_abyVillage) ||
        !TransferRows(s, m_pVillageItem, &CFileTaxClass::CreateVillage, kPersonalRow, kVillageDiskRow) ||
        !block(m_abyIncome, sizeof m_abyIncome) ||
        !TransferRows(s, m_pIncomeItem, &CFileTaxClass::CreateIncome, kPersonalRow, kPersonalRow) ||
        !block(m_abyTransfer, sizeof m_abyTransfer))
        return FALSE;
    // The business capital brackets come last; a file of the older format, or
    // one that ends cleanly here, keeps the defaults.
    if (bOld || (s.IsReading() && s.Left() == 0)) return TRUE;
    const int nCapital = s.IsReading() ? GetFileInt(m_abyBusiness, 56) : m_pBusinessCapital.nCount;
    for (int i = 0; i < nCapital; ++i)
        if (!s.Transfer(m_pBusinessCapital.At(i, kExtentRow), kExtentRow)) return FALSE;
    return TRUE;
}

// ---- Writing -------------------------------------------------------------------

BOOL CFileTaxClass::WriteTax(CString strPath, CTaxClassObject* pTax)
{
    SetTaxClassObject(pTax);
    return WriteTax(strPath);
}

BOOL CFileTaxClass::WriteTax(CString strPath)
{
    SetFileName(strPath);
    return WriteTax();
}

BOOL CFileTaxClass::WriteTax()
{
    CModuleStateScope scope(kModule);
    if (!m_pTaxClassObject || m_strFileName.IsEmpty()) return FALSE;
    std::memset(m_abyHeader, 0, sizeof m_abyHeader);
    SetFileInt(m_abyHeader, 0, kHeaderSize);
    WriteFileText(m_abyHeader + kMagicOffset, kHeaderSize - kMagicOffset, LoadModuleString(kModule, kIdsMagic03));
    for (int nStep = 0; nStep <= kLastStep; ++nStep)
        if (!ConvertClassToFile(nStep)) return FALSE;
    return SaveFileSafely(m_strFileName, [this](CFile& file) {
        CProjectWriteStream stream(file);
        stream.Transfer(m_abyHeader, kHeaderSize);
        TransferImage(stream, false);
    });
}

// ---- Reading -------------------------------------------------------------------

BOOL CFileTaxClass::ReadTax(CString strPath, CTaxClassObject* pTax)
{
    SetTaxClassObject(pTax);
    return ReadTax(strPath);
}

BOOL CFileTaxClass::ReadTax(CString strPath)
{
    SetFileName(strPath);
    return ReadTax();
}

bool CFileTaxClass::HasRecords() const
{
    const CTaxClassObject& t = *m_pTaxClassObject;
    return t.m_pTaxMunicipal && t.m_pTaxCityPlan && t.m_pTaxStandardMoney && t.m_pTaxBusiness &&
           t.m_pTaxBusinessPlace && t.m_pTaxDepreciation && t.m_pTaxConsumption && t.m_pTaxLandPrice &&
           t.m_pTaxLicense && t.m_pTaxRealtyGet && t.m_pTaxCorporation && t.m_pTaxPrefectural && t.m_pTaxVillage &&
           t.m_pTaxResidentCorporation && t.m_pTaxIncome && t.m_pTaxTransfer;
}

BOOL CFileTaxClass::ReadTax()
{
    CModuleStateScope scope(kModule);
    if (!m_pTaxClassObject || m_strFileName.IsEmpty()) return FALSE;
    if (!PrepareRead(m_strFileName)) {
        AfxMessageBox(kIdsNotTaxFile, MB_OK);
        return FALSE;
    }
    std::vector<BYTE> bytes;
    if (!LoadFileBytes(m_strFileName, kMaxFileBytes, bytes)) return FALSE;
    BYTE header[kHeaderSize] = {};
    if (!bytes.empty()) std::memcpy(header, bytes.data(), std::min(bytes.size(), sizeof header));
    const CString strMagic = MagicOf(header);
    const bool bCurrent = strMagic == LoadModuleString(kModule, kIdsMagic03);
    if (!bCurrent && strMagic != LoadModuleString(kModule, kIdsMagic97)) {
        AfxMessageBox(kIdsNotTaxFile, MB_OK);
        return FALSE;
    }
    if (bytes.size() < sizeof header) return FALSE;
    // The whole image is read and checked before any record changes.
    CProjectReadStream stream(bytes.data() + kHeaderSize, bytes.size() - kHeaderSize, bCurrent ? 3 : 97);
    if (!TransferImage(stream, !bCurrent) || !HasRecords()) return FALSE;
    for (int nStep = 0; nStep <= kLastStep; ++nStep) ConvertFileToClass(nStep);
    return TRUE;
}

// ---- Conversion steps -----------------------------------------------------------

BOOL CFileTaxClass::ConvertClassToFile(int nStep)
{
    return Convert(nStep, true);
}

BOOL CFileTaxClass::ConvertFileToClass(int nStep)
{
    return Convert(nStep, false);
}

BOOL CFileTaxClass::Convert(int nStep, bool bStoring)
{
    switch (nStep) {
    case 1: return Municipal(bStoring);
    case 2: return CityPlan(bStoring);
    case 3: return Standard(bStoring);
    case 4: return StandardRows(bStoring, false);
    case 5: return StandardRows(bStoring, true);
    case 6: return Business(bStoring);
    case 7: return BusinessItem(bStoring);
    case 8: return BusinessPlace(bStoring);
    case 9: return Depreciation(bStoring);
    case 10: return Consumption(bStoring);
    case 11: return LandPrice(bStoring);
    case 12: return LandPriceItem(bStoring);
    case 13: return License(bStoring);
    case 14: return RealtyGet(bStoring);
    case 15: return Corporation(bStoring);
    case 16: return CorporationItem(bStoring);
    case 17: return Prefectural(bStoring);
    case 18: return PrefecturalItem(bStoring);
    case 19: return Village(bStoring);
    case 20: return VillageItem(bStoring);
    case 21: return Income(bStoring);
    case 22: return IncomeItem(bStoring);
    case 23: return Transfer(bStoring);
    default: return TRUE;
    }
}

// A row step of writing allocates its run for the count its block holds.
BOOL CFileTaxClass::Rows(bool bStoring, CFileArray& a, CreateFn pfnCreate)
{
    if (bStoring) return (this->*pfnCreate)();
    return a.p != nullptr;
}

BOOL CFileTaxClass::Municipal(bool bStoring)
{
    CTaxMunicipalClass* p = m_pTaxClassObject->m_pTaxMunicipal;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyMunicipal, sizeof m_abyMunicipal, bStoring);
    ex.Double(4, p->m_dLandRate);
    ex.Double(12, p->m_dHouseLandNumerator);
    ex.Double(20, p->m_dHouseLandDenominator);
    ex.Double(28, p->m_dBuildingRate);
    ex.Double(36, p->m_dNewHouseNumerator);
    ex.Double(44, p->m_dNewHouseDenominator);
    ex.Int(52, p->m_nFireproofHouseYear);
    ex.Int(56, p->m_nNewHouseYear);
    return TRUE;
}

BOOL CFileTaxClass::CityPlan(bool bStoring)
{
    CTaxCityPlanClass* p = m_pTaxClassObject->m_pTaxCityPlan;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyCityPlan, sizeof m_abyCityPlan, bStoring);
    ex.Double(4, p->m_dLandRate);
    ex.Double(12, p->m_dHouseLandNumerator);
    ex.Double(20, p->m_dHouseLandDenominator);
    ex.Double(28, p->m_dBuildingRate);
    return TRUE;
}

BOOL CFileTaxClass::Standard(bool bStoring)
{
    CTaxStandardMoneyClass* p = m_pTaxClassObject->m_pTaxStandardMoney;
    if (!p) return FALSE;
    CTaxPriceDropClass& r = p->m_objPriceDrop;
    CBlockExchange ex(m_abyStandard, sizeof m_abyStandard, bStoring);
    ex.Count(4, kBusinessLevels);
    ex.Count(8, kHouseLevels);
    ex.Int(12, r.m_nPriceDropUse);
    ex.Double(16, r.m_dPriceDropRate);
    ex.Int(24, r.m_nPriceDropExclusive);
    ex.Double(28, r.m_dHouseLevel);
    ex.Int(36, r.m_nHouseLevelExclusive);
    ex.Double(40, r.m_dBusinessLevel);
    ex.Int(48, r.m_nBusinessLevelExclusive);
    ex.Double(52, r.m_dAdjustRate);
    return TRUE;
}

BOOL CFileTaxClass::StandardRows(bool bStoring, bool bHouse)
{
    CTaxStandardMoneyClass* p = m_pTaxClassObject->m_pTaxStandardMoney;
    CFileArray& a = bHouse ? m_pStandardHouse : m_pStandardBusiness;
    const CreateFn pfnCreate = bHouse ? &CFileTaxClass::CreateHouseBurdenLevel : &CFileTaxClass::CreateBusinessBurdenLevel;
    if (!p || !Rows(bStoring, a, pfnCreate)) return FALSE;
    ExchangeRows(a, kLevelRow, bHouse ? p->m_aHouseLevel : p->m_aBusinessLevel, bStoring, ExchangeLevel);
    return TRUE;
}

BOOL CFileTaxClass::Business(bool bStoring)
{
    CTaxBusinessClass* p = m_pTaxClassObject->m_pTaxBusiness;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyBusiness, sizeof m_abyBusiness, bStoring);
    ex.Double(4, p->m_dPersonalRate);
    ex.Double(12, p->m_dPersonalDeduction);
    ex.Count(20, CTaxBusinessClass::kStepCount);
    ex.Double(24, p->m_dScaleRatio);
    ex.Double(32, p->m_dAddedValueRate);
    ex.Double(40, p->m_dSalaryDeductionRatio);
    ex.Double(48, p->m_dCapitalRate);
    ex.Count(56, CTaxBusinessClass::kStepCount);
    ex.Int(60, p->m_nDeferYear);
    return TRUE;
}

BOOL CFileTaxClass::BusinessItem(bool bStoring)
{
    CTaxBusinessClass* p = m_pTaxClassObject->m_pTaxBusiness;
    if (!p || !Rows(bStoring, m_pBusinessItem, &CFileTaxClass::CreateBusinessCorporation) || !m_pBusinessCapital.p)
        return FALSE;
    ExchangeRows(m_pBusinessItem, kExtentRow, p->m_aIncomeStep, bStoring, ExchangeExtent);
    ExchangeRows(m_pBusinessCapital, kExtentRow, p->m_aCapitalStep, bStoring, ExchangeExtent);
    return TRUE;
}

BOOL CFileTaxClass::BusinessPlace(bool bStoring)
{
    CTaxBusinessPlaceClass* p = m_pTaxClassObject->m_pTaxBusinessPlace;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyBusinessPlace, sizeof m_abyBusinessPlace, bStoring);
    ex.Double(4, p->m_dTaxPerSquareMeter);
    ex.Double(12, p->m_dExemptArea);
    ex.Double(20, p->m_dSquareMeterPerTsubo);
    return TRUE;
}

BOOL CFileTaxClass::Depreciation(bool bStoring)
{
    CTaxDepreciationClass* p = m_pTaxClassObject->m_pTaxDepreciation;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyDepreciation, sizeof m_abyDepreciation, bStoring);
    ex.Int(4, p->m_nLifeYear);
    ex.Double(8, p->m_dShortLifeRatio);
    ex.Double(16, p->m_dLongLifeRatio);
    ex.Int(24, p->m_nExtraYear);
    ex.Double(28, p->m_dResidualRatio);
    return TRUE;
}

BOOL CFileTaxClass::Consumption(bool bStoring)
{
    CTaxConsumptionClass* p = m_pTaxClassObject->m_pTaxConsumption;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyConsumption, sizeof m_abyConsumption, bStoring);
    ex.Double(4, p->m_dRate);
    ex.Double(12, p->m_dExemptSales);
    ex.Double(20, p->m_dMarginRate);
    ex.Double(28, p->m_dSimpleSalesLimit);
    return TRUE;
}

BOOL CFileTaxClass::LandPrice(bool bStoring)
{
    CTaxLandPriceClass* p = m_pTaxClassObject->m_pTaxLandPrice;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyLandPrice, sizeof m_abyLandPrice, bStoring);
    ex.Double(4, p->m_dRate);
    ex.Double(12, p->m_dPersonalDeduction);
    ex.Count(20, CTaxLandPriceClass::kStepCount);
    return TRUE;
}

BOOL CFileTaxClass::LandPriceItem(bool bStoring)
{
    CTaxLandPriceClass* p = m_pTaxClassObject->m_pTaxLandPrice;
    if (!p || !Rows(bStoring, m_pLandPriceItem, &CFileTaxClass::CreateLandPriceCorporation)) return FALSE;
    ExchangeRows(m_pLandPriceItem, kExtentRow, p->m_aCapitalStep, bStoring, ExchangeExtent);
    return TRUE;
}

BOOL CFileTaxClass::License(bool bStoring)
{
    CTaxLicenseClass* p = m_pTaxClassObject->m_pTaxLicense;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyLicense, sizeof m_abyLicense, bStoring);
    ex.Double(4, p->m_dLandRate);
    ex.Double(12, p->m_dStandardRatio);
    ex.Double(20, p->m_dBuildingRate);
    ex.Double(28, p->m_dMortgageRate);
    return TRUE;
}

BOOL CFileTaxClass::RealtyGet(bool bStoring)
{
    CTaxRealtyGetClass* p = m_pTaxClassObject->m_pTaxRealtyGet;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyRealtyGet, sizeof m_abyRealtyGet, bStoring);
    ex.Double(4, p->m_dLandRate);
    ex.Double(12, p->m_dLandHouseRate);
    ex.Double(20, p->m_dStandardRatio);
    ex.Double(28, p->m_dBuildingRate);
    ex.Double(36, p->m_dBuildingHouseRate);
    ex.Double(44, p->m_dNewHouseReduction);
    return TRUE;
}

BOOL CFileTaxClass::Corporation(bool bStoring)
{
    if (!m_pTaxClassObject->m_pTaxCorporation) return FALSE;
    CBlockExchange ex(m_abyCorporation, sizeof m_abyCorporation, bStoring);
    ex.Count(4, CTaxCorporationClass::kTierCount);
    return TRUE;
}

BOOL CFileTaxClass::CorporationItem(bool bStoring)
{
    CTaxCorporationClass* p = m_pTaxClassObject->m_pTaxCorporation;
    if (!p || !Rows(bStoring, m_pCorporationItem, &CFileTaxClass::CreateCorporation)) return FALSE;
    for (int i = 0; i < m_pCorporationItem.nCount; ++i) {
        CBlockExchange ex(m_pCorporationItem.At(i, kCorporationRow), kCorporationRow, bStoring);
        for (int j = 0; j < CTaxCorporationClass::kValueCount; ++j) ex.Double(4 + 8 * j, p->m_adCapitalStep[i][j]);
    }
    return TRUE;
}

BOOL CFileTaxClass::Prefectural(bool bStoring)
{
    CTaxResidentCorporationClass* p = m_pTaxClassObject->m_pTaxResidentCorporation;
    if (!m_pTaxClassObject->m_pTaxPrefectural || !p) return FALSE;
    CBlockExchange ex(m_abyPrefectural, sizeof m_abyPrefectural, bStoring);
    ex.Count(4, CTaxPrefecturalClass::kStepCount);
    ex.Double(8, p->m_dPrefecturalRate);
    return TRUE;
}

BOOL CFileTaxClass::PrefecturalItem(bool bStoring)
{
    CTaxPrefecturalClass* p = m_pTaxClassObject->m_pTaxPrefectural;
    if (!p || !Rows(bStoring, m_pPrefecturalItem, &CFileTaxClass::CreatePrefectural)) return FALSE;
    ExchangeRows(m_pPrefecturalItem, kPersonalRow, p->m_aStep, bStoring, ExchangePersonal);
    return TRUE;
}

BOOL CFileTaxClass::Village(bool bStoring)
{
    CTaxResidentCorporationClass* p = m_pTaxClassObject->m_pTaxResidentCorporation;
    if (!m_pTaxClassObject->m_pTaxVillage || !p) return FALSE;
    CBlockExchange ex(m_abyVillage, sizeof m_abyVillage, bStoring);
    ex.Count(4, CTaxVillageClass::kStepCount);
    ex.Double(128, p->m_dVillageRate);
    return TRUE;
}

BOOL CFileTaxClass::VillageItem(bool bStoring)
{
    CTaxVillageClass* p = m_pTaxClassObject->m_pTaxVillage;
    if (!p || !Rows(bStoring, m_pVillageItem, &CFileTaxClass::CreateVillage)) return FALSE;
    ExchangeRows(m_pVillageItem, kPersonalRow, p->m_aStep, bStoring, ExchangePersonal);
    return TRUE;
}

BOOL CFileTaxClass::Income(bool bStoring)
{
    CTaxIncomeClass* p = m_pTaxClassObject->m_pTaxIncome;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyIncome, sizeof m_abyIncome, bStoring);
    ex.Count(4, CTaxIncomeClass::kStepCount);
    for (int i = 0; i < 10; ++i) {
        ex.Double(8 + 8 * i, p->m_adReduction[i]);
        ex.Int(88 + 4 * i, p->m_anReductionYear[i]);
    }
    return TRUE;
}

BOOL CFileTaxClass::IncomeItem(bool bStoring)
{
    CTaxIncomeClass* p = m_pTaxClassObject->m_pTaxIncome;
    if (!p || !Rows(bStoring, m_pIncomeItem, &CFileTaxClass::CreateIncome)) return FALSE;
    ExchangeRows(m_pIncomeItem, kPersonalRow, p->m_aStep, bStoring, ExchangePersonal);
    return TRUE;
}

BOOL CFileTaxClass::Transfer(bool bStoring)
{
    CTaxTransferClass* p = m_pTaxClassObject->m_pTaxTransfer;
    if (!p) return FALSE;
    CBlockExchange ex(m_abyTransfer, sizeof m_abyTransfer, bStoring);
    ex.Int(4, p->m_nPersonalYear);
    ex.Int(8, p->m_nCorporateYear);
    return TRUE;
}
