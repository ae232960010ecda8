// The files of the Data folder: each is what the generator writes, and each
// project calculates on the standard tax-rate table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "file/filedata.h"
#include "file/filetax.h"
#include "platform/msgbox.h"
#include "tax/taxconsumption.h"
#include "tax/taxpersonal.h"
#include "tests/file/projectfiles.h"
#include "tools/makedata/shippeddata.h"

namespace {

// The committed Data folder as the program names it: code page 932, "\".
CString DataFile(const char* pszName)
{
    return CString(TAV_SOURCE_DIR) + "\\res\\Data\\" + pszName;
}

std::string SystemPath(const CString& str)
{
    return CFile::SystemFileName(str);
}

// Success when the files hold the same bytes; else their sizes and the
// first offset where they part, not the whole images.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected)
{
    const auto parted = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    if (parted.first == actual.end() && parted.second == expected.end()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual.size() << " bytes against " << expected.size()
                                         << ", first differing at offset " << (parted.first - actual.begin());
}

BOOL ReadStandardTable(CTaxClassObject& tax)
{
    CFileTaxClass file;
    return file.ReadTax(DataFile(kStandardTaxFile), &tax);
}

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override
    {
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

    int m_nMessages = 0;
    MessageBoxHandler m_previous;
    const std::string m_path = ProjectTempPath("shipped");
};

} // namespace

TEST_F(ShippedData, TaxTableIsWhatTheGeneratorWrites)
{
    CTaxClassObject tax;
    ASSERT_TRUE(tax.CreateData());
    SetStandardTaxTable(tax);
    CFileTaxClass file;
    ASSERT_TRUE(file.WriteTax(m_path.c_str(), &tax));
    EXPECT_TRUE(SameBytes(ReadFileBytes(SystemPath(DataFile(kStandardTaxFile))), ReadFileBytes(m_path)));

    CTaxClassObject loaded;
    ASSERT_TRUE(loaded.CreateData());
    ASSERT_TRUE(ReadStandardTable(loaded));
    EXPECT_EQ(loaded.m_pTaxConsumption->m_dRate, 10.0);
    EXPECT_EQ(loaded.m_pTaxIncome->m_aStep[6].m_dRate, 45.945);
}

TEST_F(ShippedData, ProjectsAreWhatTheGeneratorWrites)
{
    for (const ShippedProject& shipped : ShippedProjects()) {
        CProjectInMemory project;
        shipped.fnBuild(project);
        ASSERT_TRUE(WriteProjectFile(project, m_path, shipped.nKind)) << shipped.pszFileName;
        EXPECT_TRUE(SameBytes(ReadFileBytes(SystemPath(DataFile(shipped.pszFileName))), ReadFileBytes(m_path)))
            << shipped.pszFileName;
    }
}

// Each shipped project, opened from its file with the standard table,
// calculates without a message and gives the figures of the project it was
// written from: rent of year 1, the loan balances, the cash of the last year.
TEST_F(ShippedData, ProjectsCalculateOnTheStandardTable)
{
    for (const ShippedProject& shipped : ShippedProjects()) {
        CProjectInMemory opened, built;
        CFileDataClass file;
        ASSERT_TRUE(file.ReadProject(DataFile(shipped.pszFileName), &opened.m_data, &opened.m_option))
            << shipped.pszFileName;
        EXPECT_EQ(file.GetVersion(), CFileDataClass::kCurrentVersion);
        shipped.fnBuild(built);
        for (CProjectInMemory* p : {&opened, &built}) {
            ASSERT_TRUE(ReadStandardTable(p->m_tax));
            ASSERT_TRUE(CalculateAndExport(*p, shipped.nYears, m_path)) << shipped.pszFileName;
            EXPECT_EQ(p->m_calc.m_nMessageID, CALC_NO_ERROR) << shipped.pszFileName;
        }
        EXPECT_EQ(m_nMessages, 0) << shipped.pszFileName;
        const CYearBalanceClass& first = *opened.Year(1);
        const CYearBalanceClass& last = *opened.Year(shipped.nYears);
        EXPECT_GT(first.m_aadRentalIncome[0][0], 0.0) << shipped.pszFileName;
        EXPECT_DOUBLE_EQ(first.m_aadRentalIncome[0][0], built.Year(1)->m_aadRentalIncome[0][0]);
        for (int nLoan : {0, 1})
            EXPECT_DOUBLE_EQ(first.m_adLoanBalance[nLoan], built.Year(1)->m_adLoanBalance[nLoan]);
        EXPECT_DOUBLE_EQ(last.m_dCashOnHand, built.Year(shipped.nYears)->m_dCashOnHand) << shipped.pszFileName;
    }
}

namespace {

// Rent of the flats in year 1: every residential line at the first
// occupancy step, twelve months.
double FirstYearHousingRent(const CDataClassObject& data)
{
    const CDataRentalBasicClass& flats = *data.m_apDataRentalBasic[0];
    const double dLet = flats.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[0].dRate * 0.01;
    double dRent = 0.0;
    for (int i = 0; i < CDataRentalTypeClass::kTermCount; ++i) {
        const CDataRentalTermClass* pTerm = data.m_pDataRentalType->GetTerm(i);
        if (pTerm && pTerm->m_nCategory == 0) dRent += pTerm->m_dCount * pTerm->m_dRent;
    }
    return dRent * 12.0 * dLet;
}

// Balance after nYears of monthly equal payments at the first period's rate
// over the whole term of the loan.
double AnnuityBalance(const CDataLoanClass& loan, int nYears)
{
    int nTermYears = 0;
    for (const tagDATAREPAY& period : loan.m_aRepay) nTermYears = std::max(nTermYears, period.nEndYear);
    const double i = loan.m_aRepay[1].dRate / 1200.0;
    const double dGrowth = std::pow(1.0 + i, 12 * nYears);
    const double dPayment = loan.dAmount * i / (1.0 - std::pow(1.0 + i, -12 * nTermYears));
    return loan.dAmount * dGrowth - dPayment * (dGrowth - 1.0) / i;
}

} // namespace

// Each shipped project on the standard table: the flats' rent of year 1 and
// the first loan's balance in year 10 as its inputs give them, the cash never
// below the minimum it sets, every loan repaid and cash left in the last year.
TEST_F(ShippedData, ProjectsGiveTheFiguresOfTheirInputs)
{
    for (const ShippedProject& shipped : ShippedProjects()) {
        SCOPED_TRACE(shipped.pszFileName);
        CProjectInMemory project;
        CFileDataClass file;
        ASSERT_TRUE(file.ReadProject(DataFile(shipped.pszFileName), &project.m_data, &project.m_option));
        ASSERT_TRUE(ReadStandardTable(project.m_tax));
        ASSERT_TRUE(CalculateAndExport(project, shipped.nYears, m_path));
        EXPECT_EQ(project.m_calc.m_nMessageID, CALC_NO_ERROR);
        EXPECT_EQ(m_nMessages, 0);

        const CDataClassObject& data = project.m_data;
        EXPECT_NEAR(project.Year(1)->m_aadRentalIncome[0][0], FirstYearHousingRent(data), 0.05);
        EXPECT_NEAR(project.Year(10)->m_adLoanBalance[0], AnnuityBalance(data.m_pDataSupply->m_aLoan[0], 10), 1.0);
        double dLowest = project.Year(0)->m_dCashOnHand;
        for (int y = 1; y <= shipped.nYears; ++y) dLowest = std::min(dLowest, project.Year(y)->m_dCashOnHand);
        EXPECT_GE(dLowest, data.m_pDataProRestOther->dMinimumCash);
        const CYearBalanceClass& last = *project.Year(shipped.nYears);
        for (double dBalance : last.m_adLoanBalance) EXPECT_EQ(dBalance, 0.0);
        EXPECT_GT(last.m_dCashOnHand, 0.0);
    }
}

// The first template is one to show a client: it sets a minimum of
// 3 million and keeps it from its own rents, never drawing on the shortfall
// loan.
TEST_F(ShippedData, ApartmentTemplateKeepsItsMinimumCashUnaided)
{
    CProjectInMemory project;
    CFileDataClass file;
    ASSERT_TRUE(file.ReadProject(DataFile("個人地主のアパート.ETD"), &project.m_data, &project.m_option));
    ASSERT_TRUE(ReadStandardTable(project.m_tax));
    ASSERT_TRUE(project.CalculateAll(30));
    EXPECT_EQ(project.m_data.m_pDataProRestOther->dMinimumCash, 3000.0);
    for (int y = 0; y <= 30; ++y) {
        EXPECT_GE(project.Year(y)->m_dCashOnHand, 3000.0) << "year " << y;
        EXPECT_EQ(project.Year(y)->m_dShortLoanBalance, 0.0) << "year " << y;
    }
}
