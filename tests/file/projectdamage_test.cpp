// Damaged project files and failed saves: the reader fails cleanly or reads
// a project that calculates; a failed save leaves the old file as it was.
#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/cfile.h"
#include "platform/msgbox.h"
#include "tests/file/projectfiles.h"
#include "tests/result/exampleproject.h"
#include "tests/support/allocations.h"

namespace {

// Offsets in the version 7 fixture.
constexpr size_t kDepreciationCount = 314 + 2320 + 128 + 36;
constexpr size_t kDepreciationEnd = kDepreciationCount - 36 + 84 + 6 * 44;
constexpr size_t kLoan3PeriodCount = 4774 + 3 * 48 + 44;

int IntAt(const std::string& bytes, size_t nOffset)
{
    int n;
    std::memcpy(&n, bytes.data() + nOffset, 4);
    return n;
}

void SetIntAt(std::string& bytes, size_t nOffset, int n)
{
    std::memcpy(bytes.data() + nOffset, &n, 4);
}

class ProjectDamage : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = SetMessageBoxHandler([](const CString&, const CString&, UINT) { return IDOK; });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(m_previous);
        for (const std::string& path : {m_path, m_text}) std::filesystem::remove(path);
    }

    // Reads bytes as a file; a project that reads must also calculate and export.
    BOOL ReadDamaged(const std::string& bytes, bool bCalculate = true)
    {
        WriteFileBytes(m_path, bytes);
        CProjectInMemory p;
        const size_t nBefore = mallinfo2().uordblks;
        CFileDataClass file;
        const BOOL bRead = file.ReadProject(m_path.c_str(), &p.m_data, &p.m_option);
        // The image the reader keeps is bounded by what the file holds.
        EXPECT_LE(mallinfo2().uordblks, nBefore + 2 * bytes.size() + (256 << 10));
        if (bRead && bCalculate) CalculateAndExport(p, 20, m_text);
        return bRead;
    }

    MessageBoxHandler m_previous;
    const std::string m_path = ProjectTempPath("damaged.prj");
    const std::string m_text = ProjectTempPath("damaged.txt");
};

} // namespace

// A file that ends anywhere before its last byte is refused.
TEST_F(ProjectDamage, TruncationAtEveryOffsetFails)
{
    for (const char* name : {"v7.prj", "v2.prj"}) {
        const std::string bytes = ReadFileBytes(ProjectFixture(name));
        ASSERT_FALSE(bytes.empty());
        WriteFileBytes(m_path, bytes);
        CProjectInMemory p;
        for (size_t n = bytes.size(); n-- > 0;) {
            std::filesystem::resize_file(m_path, n);
            ASSERT_FALSE(ReadProjectFile(p, m_path)) << name << " cut at " << n;
        }
    }
}

TEST_F(ProjectDamage, CountsAreBoundedAndKeepTheReaderAligned)
{
    const std::string v7 = ReadFileBytes(ProjectFixture("v7.prj"));
    ASSERT_EQ(IntAt(v7, kDepreciationCount), 6);
    ASSERT_EQ(IntAt(v7, kLoan3PeriodCount), 5);

    // More records than the project has: all are read, six converted.
    std::string more = v7;
    SetIntAt(more, kDepreciationCount, 7);
    more.insert(kDepreciationEnd, std::string(44, '\x7F'));
    WriteFileBytes(m_path, more);
    CProjectInMemory p;
    ASSERT_TRUE(ReadProjectFile(p, m_path));
    EXPECT_EQ(p.m_data.m_pDataExpense->m_aDepreciation[2].nRetireYear, 12);
    EXPECT_EQ(p.m_data.m_pDataExpense->m_aCapitalPay[0].dAmount, 22000.0);
    EXPECT_EQ(p.m_option.m_pOptionOtherManage->m_nYieldFormula, 2);

    const struct {
        const char* pszCase;
        size_t nOffset;
        int nValue;
    } kRefused[] = {
        {"count beyond the file", kDepreciationCount, 0x7FFFFFFF},
        {"count of a few more than the file holds", kDepreciationCount, 1000},
        {"loans with unequal period counts", kLoan3PeriodCount, 6},
        {"period count beyond the file", kLoan3PeriodCount - 3 * 48, 0x40000000},
    };
    for (const auto& c : kRefused) {
        std::string bytes = v7;
        SetIntAt(bytes, c.nOffset, c.nValue);
        if (std::string(c.pszCase) == "period count beyond the file")
            for (int k = 0; k < 9; ++k) SetIntAt(bytes, 4774 + k * 48 + 44, c.nValue);
        EXPECT_FALSE(ReadDamaged(bytes)) << c.pszCase;
    }
}

// A record count just above what the rest of the file can hold is refused
// before its records are allocated.
TEST_F(ProjectDamage, CountAboveTheBytesLeftIsRefusedBeforeAllocating)
{
    constexpr size_t kSlack = 1024;
    std::string bytes = ReadFileBytes(ProjectFixture("v7.prj"));
    SetIntAt(bytes, kDepreciationCount, int((bytes.size() + kSlack) / 44 + 1));
    static size_t s_nLargest;
    s_nLargest = 0;
    g_pfnFailAllocation = [](const AllocationRequest& request) {
        if (request.bArray) s_nLargest = std::max(s_nLargest, request.nSize);
        return false;
    };
    EXPECT_FALSE(ReadDamaged(bytes, false));
    AllowAllAllocations();
    EXPECT_LE(s_nLargest, bytes.size() + kSlack);
}

// Random damage: no crash, bounded memory, and what reads also calculates.
TEST_F(ProjectDamage, SeededMutationsReadSafely)
{
    const int kInteresting[] = {0, -1, 1, 2, 7, 20, 255, 0x7FFFFFFF, int(0x80000000), 0x10000, -100};
    int nRead = 0, nTotal = 0;
    for (const char* name : {"v7.prj", "v2.prj", "v4.prj"}) {
        const std::string original = ReadFileBytes(ProjectFixture(name));
        std::mt19937 random(20260310);
        const int nCases = std::string(name) == "v7.prj" ? 2000 : 300;
        for (int k = 0; k < nCases; ++k) {
            std::string bytes = original;
            const int nEdits = 1 + int(random() % 8);
            for (int e = 0; e < nEdits; ++e) {
                const size_t nAt = 4 + random() % (bytes.size() - 8);
                if (random() % 2) bytes[nAt] = char(random());
                else SetIntAt(bytes, nAt & ~size_t(3), kInteresting[random() % std::size(kInteresting)]);
            }
            // Calculating every project would take minutes: one in ten.
            nRead += ReadDamaged(bytes, k % 10 == 0) ? 1 : 0;
            ++nTotal;
        }
    }
    // Most single-field damage leaves a readable project.
    EXPECT_GT(nRead, nTotal / 10);
}

// A save that fails anywhere leaves the old file byte for byte and no
// temporary file behind.
TEST(ProjectSave, FailedWriteAtEveryBlockKeepsTheOldFile)
{
    CProjectInMemory project;
    BuildExampleProject(project);
    const std::string path = ProjectTempPath("keep.prj");
    ASSERT_TRUE(WriteProjectFile(project, path));
    const std::string old = ReadFileBytes(path);
    project.m_data.m_pDataBasic->strProjectName = "変更後の計画";
    int nFailures = 0;
    for (int n = 1;; ++n) {
        CFile::InjectFault(n);
        const BOOL bSaved = WriteProjectFile(project, path);
        CFile::InjectFault(0);
        if (bSaved) break;
        ++nFailures;
        ASSERT_TRUE(ReadFileBytes(path) == old) << "fault " << n;
        ASSERT_FALSE(std::filesystem::exists(path + ".~tav")) << "fault " << n;
    }
    // Every block and the flush could fail.
    EXPECT_GT(nFailures, 60);
    CProjectInMemory reread;
    ASSERT_TRUE(ReadProjectFile(reread, path));
    EXPECT_EQ(reread.m_data.m_pDataBasic->strProjectName, "変更後の計画");
    std::filesystem::remove(path);
}

TEST(ProjectSave, UnwritableFolderFailsAndCreatesNothing)
{
    CProjectInMemory project;
    const std::string path = ProjectTempPath("no_such_folder/x.prj");
    EXPECT_FALSE(WriteProjectFile(project, path));
    EXPECT_FALSE(std::filesystem::exists(path));
}
