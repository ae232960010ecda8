// The text export file: line building, heading lines, file order and failures.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "result/calc/tavcalc.h"
#include "result/pages/resultprint.h"
#include "sampleprojects.h"
#include "tests/result/sectiontext.h"
#include "tests/support/allocations.h"
#include "tests/support/sametext.h"

namespace {

bool LineIsClear(const CTavCalcClass& calc)
{
    for (char c : calc.m_szTextLine) {
        if (c != 0) return false;
    }
    return calc.m_nTextLength == 0;
}

// The first line of every section, in the order of the file. Each section
// is followed by an empty line, but for the construction funds, which the
// construction financing follows at once.
const char* const kSectionTitles[] = {
    "前提条件－１",
    "前提条件－２",
    "建設所要資金",
    "建設資金調達",
    "経常支出",
    "経常収入",
    "賃貸条件詳細（金額単位：千円）",
    "賃貸条件基礎事項",
    "概要表\t（単位：千円）",
    "基本収支表\t（単位：千円）",
    "損益計算表\t（単位：千円）",
    "資金計画表\t（単位：千円）",
    "資金収支表\t（単位：千円）",
    "要約貸借対照表\t（単位：千円）",
    "税金一覧表\t（単位：千円）",
};
const std::string kFundsTitle = "建設所要資金";

// Every section's bytes written on their own, by their first line.
std::map<std::string, std::string> SectionsByTitle(CTavCalcClass& calc)
{
    using Section = void (CTavCalcClass::*)();
    const Section sections[] = {
        &CTavCalcClass::TextBase,    &CTavCalcClass::TextBasic,   &CTavCalcClass::TextBasic2,
        &CTavCalcClass::TextBs,      &CTavCalcClass::TextConst,   &CTavCalcClass::TextInout,
        &CTavCalcClass::TextInout2,  &CTavCalcClass::TextOutLine, &CTavCalcClass::TextRental,
        &CTavCalcClass::TextRental2, &CTavCalcClass::TextSik,     &CTavCalcClass::TextSon,
        &CTavCalcClass::TextSupply,  &CTavCalcClass::TextSyu,     &CTavCalcClass::TextTax,
    };
    std::map<std::string, std::string> byTitle;
    for (Section pSection : sections) {
        const std::string bytes = CaptureBytes(calc, [&] { (calc.*pSection)(); });
        byTitle[bytes.substr(0, bytes.find("\r\n"))] = bytes;
    }
    return byTitle;
}

// An export file: the office and date lines, every section in the order of
// its title with its empty line, then the end byte.
::testing::AssertionResult IsTheExportFile(const std::string& file, CTavCalcClass& calc, const std::string& office,
                                           const std::string& date)
{
    const std::map<std::string, std::string> sections = SectionsByTitle(calc);
    std::string expected = office + "\r\n" + date + "\r\n";
    for (const std::string title : kSectionTitles) {
        if (!sections.count(title)) return ::testing::AssertionFailure() << "no section " << LineOf(title, 1);
        expected += sections.at(title) + (title == kFundsTitle ? "" : "\r\n");
    }
    return SameText(file, expected + "\x1A");
}

} // namespace

TEST(TextExportLine, CellsAreTabSeparatedAndEndWithCrLf)
{
    struct Case {
        std::vector<const char*> cells;
        std::string bytes;
    } cases[] = {
        {{"a", "bc", "d"}, "a\tbc\td\r\n"},
        {{"a", "", "b"}, "a\t\tb\r\n"},
        {{"a", ""}, "a\t\r\n"},
        {{""}, "\r\n"},
        {{}, "\r\n"},
        {{" 1,234 ", "-5.6"}, " 1,234 \t-5.6\r\n"},
        // CP932 bytes go out as they are, trail bytes that read as a backslash too.
        {{"千円", "ソ表"}, "\x90\xe7\x89\x7e\t\x83\x5c\x95\x5c\r\n"},
    };
    for (const Case& c : cases) {
        CTavCalcClass calc;
        const std::string bytes = CaptureBytes(calc, [&] {
            for (const char* psz : c.cells) calc.StringSet(psz);
            calc.TextWrite();
        });
        EXPECT_EQ(bytes, c.bytes) << c.bytes;
        EXPECT_TRUE(LineIsClear(calc));
    }
}

TEST(TextExportLine, ALineFillsTheBufferExactlyAndNoFurther)
{
    CTavCalcClass calc;
    const int nSize = int(sizeof(calc.m_szTextLine));
    ASSERT_EQ(nSize, 4000);
    const std::string full(nSize - 2, 'x');
    const std::string half(2000, 'h');
    const std::string rest(nSize - 2 - int(half.size()) - 1, 'r');
    calc.m_nTextOption = 7;
    const std::string bytes = CaptureBytes(calc, [&] {
        // 3998 bytes and CR LF: exactly the buffer.
        calc.StringSet(full.c_str());
        calc.TextWrite();
        // One byte more is left out; so is any cell after a full line.
        calc.StringSet((full + "y").c_str());
        calc.TextWrite();
        calc.StringSet(half.c_str());
        calc.StringSet(rest.c_str());
        EXPECT_EQ(calc.m_nTextLength, nSize - 1);
        calc.StringSet("");
        calc.StringSet("z");
        EXPECT_EQ(calc.m_nTextLength, nSize - 1);
        calc.TextWrite();
        // A long cell left out does not stop the shorter ones after it.
        calc.StringSet("a");
        calc.StringSet(std::string(nSize, 'q').c_str());
        calc.StringSet("b");
        calc.TextWrite();
    });
    const std::string expected = full + "\r\n" + "\r\n" + half + "\t" + rest + "\r\n" + "a\tb\r\n";
    EXPECT_EQ(bytes.size(), expected.size());
    EXPECT_TRUE(bytes == expected);
    // The members after the buffer are untouched.
    EXPECT_EQ(calc.m_nTextOption, 7);
    EXPECT_TRUE(LineIsClear(calc));
}

TEST(TextExportHead, CaptionUnitThenYearLine)
{
    struct Case {
        int nYears;
        std::string yearCells;
    } cases[] = {
        {-1, ""},
        {0, "\t工事期間"},
        {3, "\t工事期間\t 1年\t 2年\t 3年"},
    };
    const std::string caption = "基本収支表";
    for (const Case& c : cases) {
        CTavCalcClass calc;
        calc.m_objCalcYear.nCalcYear = c.nYears;
        const std::string bytes = CaptureBytes(calc, [&] { calc.TextHead(caption.c_str()); });
        EXPECT_EQ(bytes, caption + "\t" + std::string("（単位：千円）") + "\r\n" + caption + c.yearCells + "\r\n")
            << c.nYears;
    }
    // Two-digit years get no leading space, three-digit years widen.
    CTavCalcClass calc;
    calc.m_objCalcYear.nCalcYear = 100;
    const std::string bytes = CaptureBytes(calc, [&] { calc.TextHead("T"); });
    const std::string years = bytes.substr(bytes.find("\r\n") + 2);
    EXPECT_NE(years.find("\t 9年\t10年\t11年"), std::string::npos);
    EXPECT_NE(years.find("\t99年\t100年\r\n"), std::string::npos);
    EXPECT_EQ(std::string(LoadResultString(10014)), "（単位：千円）");
    EXPECT_EQ(std::string(LoadResultString(99999)), "");
}

class TextExportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildSampleProject(m_project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, 12});
        ASSERT_TRUE(m_project.CalculateAll(12));
        m_path = TempPath("_tav_textexport_file.txt");
        std::filesystem::remove(m_path);
    }
    void TearDown() override { std::filesystem::remove(m_path); }

    CTavCalcClass& Calc() { return m_project.m_calc; }

    CProjectInMemory m_project;
    std::string m_path;
};

TEST_F(TextExportFile, HeaderLinesSectionBreaksAndEndByte)
{
    // Longer than the export: what is left of it is cut off.
    WriteBytes(m_path, std::string(200000, 'o'));
    EXPECT_TRUE(Calc().SaveTextFile(m_path.c_str(), "大阪事務所", "2026年12月10日", 3));
    const std::string first = ReadBytes(m_path);
    EXPECT_TRUE(IsTheExportFile(first, Calc(), "大阪事務所", "2026年12月10日"));
    EXPECT_EQ(Calc().m_nTextOption, 3);
    EXPECT_TRUE(LineIsClear(Calc()));
    EXPECT_FALSE(Calc().m_fileText.IsOpen());

    // Again after nothing changed: the same file (the option changes the
    // recurring income section, so it stays the same too).
    Calc().SaveTextFile(m_path.c_str(), "大阪事務所", "2026年12月10日", 3);
    EXPECT_TRUE(SameText(ReadBytes(m_path), first));

    Calc().SaveTextFile(m_path.c_str(), "", "", 0);
    EXPECT_TRUE(IsTheExportFile(ReadBytes(m_path), Calc(), "", ""));
}

TEST_F(TextExportFile, APathThatCannotBeOpenedIsLeftAlone)
{
    const std::string missing = TempPath("_tav_no_such_folder/TAVRIN.TXT");
    EXPECT_FALSE(Calc().SaveTextFile(missing.c_str(), "A", "B", 0));
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_FALSE(Calc().m_fileText.IsOpen());

    // A file another writer holds keeps its bytes.
    WriteBytes(m_path, "in use");
    CFile other;
    ASSERT_TRUE(other.Open(m_path.c_str(), CFile::modeReadWrite | CFile::shareExclusive));
    EXPECT_FALSE(Calc().SaveTextFile(m_path.c_str(), "A", "B", 0));
    other.Close();
    EXPECT_EQ(ReadBytes(m_path), "in use");
    EXPECT_FALSE(Calc().m_fileText.IsOpen());
    EXPECT_TRUE(LineIsClear(Calc()));
}

TEST_F(TextExportFile, AWriteFailureStaysInsideAndClosesTheFile)
{
    // The file may grow to 8 bytes only; the write past it fails.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    BOOL written = TRUE;
    EXPECT_NO_THROW(written = Calc().SaveTextFile(m_path.c_str(), "事務所名", "日付", 0));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_FALSE(Calc().m_fileText.IsOpen());
    EXPECT_TRUE(LineIsClear(Calc()));
    // The first bytes of a cut export are not left as if they were the file.
    EXPECT_FALSE(std::filesystem::exists(m_path));

    // The engine exports again once the file can be written.
    Calc().SaveTextFile(m_path.c_str(), "事務所名", "日付", 0);
    EXPECT_TRUE(IsTheExportFile(ReadBytes(m_path), Calc(), "事務所名", "日付"));
}

TEST_F(TextExportFile, MemoryRunningOutStaysInsideAndRemovesTheFile)
{
    const CString path(m_path.c_str()), office("事務所名"), date("日付");
    ASSERT_TRUE(Calc().SaveTextFile(path, office, date, 0));
    const std::string whole = ReadBytes(m_path);
    ASSERT_TRUE(IsTheExportFile(whole, Calc(), "事務所名", "日付"));
    std::filesystem::remove(m_path);
    int runs = 0;
    for (int k = 0;; k = k < 8 ? k + 1 : k * 3 / 2, ++runs) {
        ASSERT_LT(runs, 100) << "the export never finished";
        Calc().m_nMessageID = CALC_NO_ERROR;
        BOOL written = FALSE;
        // The first allocation is the call's own copy of the (long) path.
        FailAllocationsAfter(k + 1, FailingForms::kAll);
        EXPECT_NO_THROW(written = Calc().SaveTextFile(path, office, date, 0)) << k;
        AllowAllAllocations();
        EXPECT_FALSE(Calc().m_fileText.IsOpen()) << k;
        EXPECT_TRUE(LineIsClear(Calc())) << k;
        if (written) {
            EXPECT_EQ(Calc().m_nMessageID, CALC_NO_ERROR);
            EXPECT_TRUE(SameText(ReadBytes(m_path), whole));
            break;
        }
        EXPECT_EQ(Calc().m_nMessageID, CALC_OUT_OF_MEMORY) << k;
        EXPECT_FALSE(std::filesystem::exists(m_path)) << k;
    }
    EXPECT_GT(runs, 8);
}
