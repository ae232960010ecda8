// Tax-rate files: both formats read into the records, the writer's bytes, and
// damaged files that fail without touching the records.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

#include "app/common/classobject.h"
#include "file/filetax.h"
#include "platform/cfile.h"
#include "platform/msgbox.h"
#include "tax/taxbusiness.h"
#include "tax/taxconsumption.h"
#include "tax/taxcorporation.h"
#include "tax/taxlicense.h"
#include "tax/taxmunicipal.h"
#include "tax/taxpersonal.h"
#include "tax/taxstandardmoney.h"
#include "tests/file/projectfiles.h"

namespace {

// Offsets in the fixtures: the business block, the standard block and the
// business capital brackets at the end of the current format.
constexpr size_t kStandard = 384 + 180 + 156;
constexpr size_t kBusiness = kStandard + 180 + 13 * 156;
constexpr size_t kCapitalRows = 3 * 148;

// Every stored field of the records, as the writer lays them out.
std::string ImageOf(CTaxClassObject& tax)
{
    CFileTaxClass file;
    file.SetTaxClassObject(&tax);
    for (int nStep = 0; nStep <= CFileTaxClass::kLastStep; ++nStep) EXPECT_TRUE(file.ConvertClassToFile(nStep));
    std::string image;
    const auto add = [&image](const void* p, size_t n) { image.append(static_cast<const char*>(p), n); };
    for (const auto& [p, n] : std::initializer_list<std::pair<const BYTE*, size_t>>{
             {file.m_abyMunicipal, 180}, {file.m_abyCityPlan, 156}, {file.m_abyStandard, 180},
             {file.m_abyBusiness, 144}, {file.m_abyBusinessPlace, 148}, {file.m_abyDepreciation, 156},
             {file.m_abyConsumption, 156}, {file.m_abyLandPrice, 144}, {file.m_abyLicense, 156},
             {file.m_abyRealtyGet, 172}, {file.m_abyCorporation, 128}, {file.m_abyPrefectural, 136},
             {file.m_abyVillage, 136}, {file.m_abyIncome, 128}, {file.m_abyTransfer, 132}})
        add(p, n);
    for (const auto& [a, n] : std::initializer_list<std::pair<const CFileArray*, size_t>>{
             {&file.m_pStandardBusiness, 156}, {&file.m_pStandardHouse, 156}, {&file.m_pBusinessItem, 148},
             {&file.m_pBusinessCapital, 148}, {&file.m_pLandPriceItem, 148}, {&file.m_pCorporationItem, 172},
             {&file.m_pPrefecturalItem, 160}, {&file.m_pVillageItem, 160}, {&file.m_pIncomeItem, 160}})
        add(a->p, a->nCount * n);
    return image;
}

class TaxFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tax.CreateData());
        m_previous = SetMessageBoxHandler([this](const CString&, const CString&, UINT) {
            ++m_nMessages;
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(m_previous);
        std::filesystem::remove(m_path);
    }

    BOOL Read(const std::string& path)
    {
        CFileTaxClass file;
        return file.ReadTax(path.c_str(), &m_tax);
    }
    BOOL ReadBytes(const std::string& bytes)
    {
        WriteFileBytes(m_path, bytes);
        return Read(m_path);
    }
    // A damaged file fails and leaves the records as they were.
    void ExpectRefused(const std::string& bytes, const std::string& what)
    {
        const std::string before = ImageOf(m_tax);
        EXPECT_FALSE(ReadBytes(bytes)) << what;
        EXPECT_EQ(ImageOf(m_tax), before) << what;
    }

    CTaxClassObject m_tax;
    int m_nMessages = 0;
    MessageBoxHandler m_previous;
    const std::string m_path = ProjectTempPath("table.tax");
    const std::string m_v03 = ReadFileBytes(ProjectFixture("v03.tax"));
};

} // namespace

// Fields from every block and run of the current format land in their members.
TEST_F(TaxFile, CurrentFormatFillsEveryRecord)
{
    ASSERT_TRUE(Read(ProjectFixture("v03.tax")));
    const CTaxClassObject& t = m_tax;
    const struct {
        const char* pszField;
        double dActual, dExpected;
    } cases[] = {
        {"municipal land rate", t.m_pTaxMunicipal->m_dLandRate, 1.4},
        {"municipal house denominator", t.m_pTaxMunicipal->m_dHouseLandDenominator, 6.0},
        {"municipal new-house years", double(t.m_pTaxMunicipal->m_nNewHouseYear), 3},
        {"city-planning denominator", t.m_pTaxCityPlan->m_dHouseLandDenominator, 3.0},
        {"price-drop rate", t.m_pTaxStandardMoney->m_objPriceDrop.m_dPriceDropRate, 95.0},
        {"business level", t.m_pTaxStandardMoney->m_objPriceDrop.m_dBusinessLevel, 70.0},
        {"adjust rate", t.m_pTaxStandardMoney->m_objPriceDrop.m_dAdjustRate, 5.0},
        {"business row 7", t.m_pTaxStandardMoney->m_aBusinessLevel[6].m_dRate, 0.8},
        {"house row 6", t.m_pTaxStandardMoney->m_aHouseLevel[5].m_dRate, 0.95},
        {"house row 2 upper inclusive", double(t.m_pTaxStandardMoney->m_aHouseLevel[1].m_nUpperInclusive), 1},
        {"business deduction", t.m_pTaxBusiness->m_dPersonalDeduction, 2900.0},
        {"business bracket 2", t.m_pTaxBusiness->m_aIncomeStep[1].m_dValue, 5.3},
        {"scale ratio", t.m_pTaxBusiness->m_dScaleRatio, 50.0},
        {"capital rate", t.m_pTaxBusiness->m_dCapitalRate, 0.5},
        {"deferment", double(t.m_pTaxBusiness->m_nDeferYear), 4},
        {"capital bracket 3", t.m_pTaxBusiness->m_aCapitalStep[2].m_dLower, 5000000.0},
        {"tsubo factor", t.m_pTaxBusinessPlace->m_dSquareMeterPerTsubo, 3.305785},
        {"life threshold", double(t.m_pTaxDepreciation->m_nLifeYear), 20},
        {"residual ratio", t.m_pTaxDepreciation->m_dResidualRatio, 1.0},
        {"simple-method limit", t.m_pTaxConsumption->m_dSimpleSalesLimit, 50000.0},
        {"land-value bracket 2", t.m_pTaxLandPrice->m_aCapitalStep[1].m_dValue, 20000.0},
        {"mortgage rate", t.m_pTaxLicense->m_dMortgageRate, 0.4},
        {"new-house reduction", t.m_pTaxRealtyGet->m_dNewHouseReduction, 1200.0},
        {"corporation tier 2 rate", t.m_pTaxCorporation->m_adCapitalStep[1][0], 23.2},
        {"corporation tier 3 stored value", t.m_pTaxCorporation->m_adCapitalStep[2][3], 3.5},
        {"prefectural corporate rate", t.m_pTaxResidentCorporation->m_dPrefecturalRate, 1.0},
        {"municipal corporate rate", t.m_pTaxResidentCorporation->m_dVillageRate, 6.0},
        {"prefectural bracket 20", t.m_pTaxPrefectural->m_aStep[19].m_dDeduction, 190.0},
        {"municipal bracket 20", t.m_pTaxVillage->m_aStep[19].m_dUpper, 20000.0},
        {"income reduction limit", t.m_pTaxIncome->m_adReduction[1], 2500.0},
        {"income reduction year", double(t.m_pTaxIncome->m_anReductionYear[0]), 2006},
        {"income bracket 20 spare", double(t.m_pTaxIncome->m_aStep[19].m_nSpare), 19},
        {"income bracket 20 upper", t.m_pTaxIncome->m_aStep[19].m_dUpper, 39000.0},
        {"personal loss years", double(t.m_pTaxTransfer->m_nPersonalYear), 3},
        {"corporate loss years", double(t.m_pTaxTransfer->m_nCorporateYear), 10},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(c.dActual, c.dExpected) << c.pszField;
}

TEST_F(TaxFile, CurrentFormatWritesBackTheSameBytes)
{
    ASSERT_TRUE(Read(ProjectFixture("v03.tax")));
    CFileTaxClass file;
    ASSERT_TRUE(file.WriteTax(m_path.c_str(), &m_tax));
    EXPECT_EQ(ReadFileBytes(m_path), m_v03);
    EXPECT_EQ(m_v03.size(), size_t(CFileTaxClass::kFileSize));
}

// The older format and a current file that ends before the capital brackets
// get the size-based business defaults; saving writes the current format.
TEST_F(TaxFile, OlderFilesGetTheBusinessDefaults)
{
    std::string noCapital = m_v03.substr(0, m_v03.size() - kCapitalRows);
    const struct {
        const char* pszCase;
        std::string bytes;
        double dScale, dAddedValue, dSalary, dCapital;
        int nDefer;
    } cases[] = {
        {"format 97", ReadFileBytes(ProjectFixture("v97.tax")), 25.0, 0.48, 70.0, 0.2, 6},
        {"current, ends before the brackets", noCapital, 50.0, 1.2, 75.0, 0.5, 4},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ReadBytes(c.bytes)) << c.pszCase;
        const CTaxBusinessClass& b = *m_tax.m_pTaxBusiness;
        EXPECT_EQ(b.m_dScaleRatio, c.dScale) << c.pszCase;
        EXPECT_EQ(b.m_dAddedValueRate, c.dAddedValue) << c.pszCase;
        EXPECT_EQ(b.m_dSalaryDeductionRatio, c.dSalary) << c.pszCase;
        EXPECT_EQ(b.m_dCapitalRate, c.dCapital) << c.pszCase;
        EXPECT_EQ(b.m_nDeferYear, c.nDefer) << c.pszCase;
        const double defaults[3][3] = {{0, 1e8, 100}, {1e8, 5e8, 50}, {5e8, 1e9, 25}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(b.m_aCapitalStep[i].m_dLower, defaults[i][0]) << c.pszCase << " row " << i;
            EXPECT_EQ(b.m_aCapitalStep[i].m_dUpper, defaults[i][1]) << c.pszCase << " row " << i;
            EXPECT_EQ(b.m_aCapitalStep[i].m_dValue, defaults[i][2]) << c.pszCase << " row " << i;
        }
        EXPECT_EQ(m_tax.m_pTaxTransfer->m_nCorporateYear, 10) << c.pszCase;
    }
    // The rest of the older file is the same table as the current fixture.
    CFileTaxClass file;
    ASSERT_TRUE(file.WriteTax(m_path.c_str(), &m_tax));
    const std::string written = ReadFileBytes(m_path);
    ASSERT_EQ(written.size(), size_t(CFileTaxClass::kFileSize));
    EXPECT_EQ(written.substr(4, 12), std::string("TAVRIN03TAX\0", 12));
}

// Fields no block stores, and table rows beyond the file's counts, keep
// their values.
TEST_F(TaxFile, UnstoredFieldsKeepTheirValues)
{
    m_tax.m_pTaxCityPlan->m_dSpare = 7.5;
    m_tax.m_pTaxLicense->m_nSpare = 8;
    m_tax.m_pTaxPrefectural->m_anSpare[2] = 9;
    m_tax.m_pTaxStandardMoney->m_aHouseLevel[8].m_dRate = 1.75;
    ASSERT_TRUE(Read(ProjectFixture("v03.tax")));
    EXPECT_EQ(m_tax.m_pTaxCityPlan->m_dSpare, 7.5);
    EXPECT_EQ(m_tax.m_pTaxLicense->m_nSpare, 8);
    EXPECT_EQ(m_tax.m_pTaxPrefectural->m_anSpare[2], 9);
    EXPECT_EQ(m_tax.m_pTaxStandardMoney->m_aHouseLevel[8].m_dRate, 1.75);
}

TEST_F(TaxFile, ForeignFilesAreRefusedWithTheMessage)
{
    std::string noNul = m_v03;
    std::memset(noNul.data() + 4, 'A', 380);
    const struct {
        const char* pszCase;
        std::string bytes;
    } cases[] = {
        {"other case", std::string(m_v03).replace(4, 11, "tavrin03tax")},
        {"trailing characters", std::string(m_v03).replace(4, 12, std::string("TAVRIN03TAXX", 12))},
        {"project magic", std::string(m_v03).replace(4, 11, "TAVRINV801\0", 11)},
        {"no NUL in the header", noNul},
        {"empty file", std::string()},
    };
    for (const auto& c : cases) {
        m_nMessages = 0;
        ExpectRefused(c.bytes, c.pszCase);
        EXPECT_EQ(m_nMessages, 1) << c.pszCase;
    }
    m_nMessages = 0;
    CFileTaxClass file;
    EXPECT_FALSE(file.ReadTax("", &m_tax));
    EXPECT_FALSE(file.ReadTax((m_path + ".missing").c_str(), &m_tax));
    EXPECT_FALSE(file.WriteTax("", &m_tax));
    EXPECT_EQ(m_nMessages, 0);
}

// A file that ends anywhere but at the end of a format fails.
TEST_F(TaxFile, TruncationAtEveryOffsetFails)
{
    ASSERT_TRUE(Read(ProjectFixture("v97.tax")));
    const size_t nCleanEnd = m_v03.size() - kCapitalRows;
    for (size_t n = 384; n < m_v03.size(); ++n) {
        if (n == nCleanEnd) continue;
        ExpectRefused(m_v03.substr(0, n), "length " + std::to_string(n));
        if (HasFailure()) break;
    }
}

// Counts outside the record tables are refused, whatever their run holds.
TEST_F(TaxFile, CountsBeyondTheTablesAreRefused)
{
    const struct {
        const char* pszCount;
        size_t nOffset;
        int nValue;
    } cases[] = {
        {"non-residential levels", kStandard + 4, 11},
        {"residential levels", kStandard + 8, -1},
        {"business brackets", kBusiness + 20, 4},
        {"business capital brackets", kBusiness + 56, 4},
        {"business capital brackets", kBusiness + 56, -3},
        {"business brackets", kBusiness + 20, 0x7fffffff},
    };
    for (const auto& c : cases) {
        std::string bytes = m_v03;
        std::memcpy(bytes.data() + c.nOffset, &c.nValue, 4);
        ExpectRefused(bytes, std::string(c.pszCount) + " " + std::to_string(c.nValue));
    }
}

// A count one above its table is refused even when the file really holds
// that many rows, every later block in its place.
TEST_F(TaxFile, OneRowMoreThanTheTableIsRefused)
{
    const struct {
        const char* pszCount;
        size_t nCountOffset;
        size_t nRunEnd; // where the rows of the run end in the fixture
        size_t nRowSize;
        int nCapacity;
    } cases[] = {
        {"non-residential levels", kStandard + 4, kStandard + 180 + 7 * 156, 156, 10},
        {"residential levels", kStandard + 8, kBusiness, 156, 10},
        {"business brackets", kBusiness + 20, kBusiness + 144 + 3 * 148, 148, 3},
        {"business capital brackets", kBusiness + 56, m_v03.size(), 148, 3},
    };
    for (const auto& c : cases) {
        const auto withRows = [&](int nRows) {
            std::string bytes = m_v03;
            int nCount = 0;
            std::memcpy(&nCount, bytes.data() + c.nCountOffset, 4);
            std::memcpy(bytes.data() + c.nCountOffset, &nRows, 4);
            bytes.insert(c.nRunEnd, std::string(size_t(nRows - nCount) * c.nRowSize, '\0'));
            return bytes;
        };
        EXPECT_TRUE(ReadBytes(withRows(c.nCapacity))) << c.pszCount << " full";
        ExpectRefused(withRows(c.nCapacity + 1), c.pszCount);
    }
}

// Random damage never crashes; a refused file leaves the records alone.
TEST_F(TaxFile, SeededMutationsReadSafely)
{
    std::mt19937 random(23);
    for (int nRound = 0; nRound < 2000 && !HasFailure(); ++nRound) {
        std::string bytes = m_v03;
        const int nChanges = 1 + int(random() % 8);
        for (int i = 0; i < nChanges; ++i) bytes[384 + random() % (bytes.size() - 384)] = char(random());
        if (random() % 4 == 0) bytes.resize(384 + random() % (bytes.size() - 384));
        const std::string before = ImageOf(m_tax);
        if (!ReadBytes(bytes)) { EXPECT_EQ(ImageOf(m_tax), before) << "round " << nRound; }
    }
}

TEST_F(TaxFile, MissingRecordFailsWithoutTouchingTheOthers)
{
    ASSERT_TRUE(Read(ProjectFixture("v97.tax")));
    const std::string before = ImageOf(m_tax);
    CTaxTransferClass* pTransfer = m_tax.m_pTaxTransfer;
    m_tax.m_pTaxTransfer = nullptr;
    CFileTaxClass file;
    EXPECT_FALSE(file.ReadTax(ProjectFixture("v03.tax").c_str(), &m_tax));
    EXPECT_FALSE(file.WriteTax(m_path.c_str(), &m_tax));
    m_tax.m_pTaxTransfer = pTransfer;
    EXPECT_EQ(ImageOf(m_tax), before);
    EXPECT_FALSE(std::filesystem::exists(m_path));
}

// A save that fails at any write keeps the old file and leaves no temporary.
TEST_F(TaxFile, FailedSaveKeepsTheOldFile)
{
    WriteFileBytes(m_path, "old table");
    ASSERT_TRUE(Read(ProjectFixture("v03.tax")));
    int nFault = 1;
    for (;; ++nFault) {
        CFile::InjectFault(nFault);
        CFileTaxClass file;
        const BOOL bWritten = file.WriteTax(m_path.c_str(), &m_tax);
        CFile::InjectFault(0);
        if (bWritten) break;
        ASSERT_EQ(ReadFileBytes(m_path), "old table") << "fault " << nFault;
        ASSERT_FALSE(std::filesystem::exists(m_path + ".~tav")) << "fault " << nFault;
    }
    EXPECT_GT(nFault, 100);
    EXPECT_EQ(ReadFileBytes(m_path), m_v03);
}
