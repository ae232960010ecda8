// The files of the Data folder: each is what the generator writes, and each
// project calculates on the standard tax-rate table.
#include <gtest/gtest.h>

#include <algorithm>
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

// The worked example's figures that no tax rate changes: the rents of year 1
// and the loans, repaid within the 35 years.
TEST_F(ShippedData, SampleKeepsTheExampleFigures)
{
    CProjectInMemory sample;
    CFileDataClass file;
    ASSERT_TRUE(file.ReadProject(DataFile("TEST.prj"), &sample.m_data, &sample.m_option));
    ASSERT_TRUE(ReadStandardTable(sample.m_tax));
    ASSERT_TRUE(CalculateAndExport(sample, 35, m_path));
    EXPECT_NEAR(sample.Year(1)->m_adLoanBalance[0], 194680.6434, 0.001);
    EXPECT_NEAR(sample.Year(1)->m_adLoanBalance[1], 48333.3333, 0.001);
    EXPECT_EQ(sample.Year(35)->m_adLoanBalance[0], 0.0);
    EXPECT_EQ(sample.Year(35)->m_adLoanBalance[1], 0.0);
    EXPECT_GT(sample.Year(35)->m_dCashOnHand, 0.0);
}
