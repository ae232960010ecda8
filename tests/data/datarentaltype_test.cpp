#include <gtest/gtest.h>

#include <memory>

#include "data/datarentaltype.h"
#include "tests/data/drawnsheet.h"
#include "tests/data/sheetrecords.h"
#include "tests/support/utf8.h"

namespace {

std::vector<CDataRentalTermClass*> Lines(const CDataRentalTypeClass& record)
{
    std::vector<CDataRentalTermClass*> lines;
    for (int i = 0; CDataRentalTermClass* pTerm = record.GetTerm(i); ++i) lines.push_back(pTerm);
    return lines;
}

void ExpectSameValues(const CDataRentalTypeClass& a, const CDataRentalTypeClass& b)
{
    for (int c = 0; c < CDataRentalTypeClass::kCategoryCount; ++c) EXPECT_EQ(a.m_astrName[c], b.m_astrName[c]);
    ASSERT_EQ(Lines(a).size(), Lines(b).size());
    for (int i = 0; CDataRentalTermClass* pA = a.GetTerm(i); ++i) {
        const CDataRentalTermClass* pB = b.GetTerm(i);
        EXPECT_EQ(pA->m_nCategory, pB->m_nCategory) << "line " << i;
        EXPECT_EQ(pA->m_strName, pB->m_strName) << "line " << i;
        EXPECT_EQ(pA->m_nInputMethod, pB->m_nInputMethod) << "line " << i;
        EXPECT_EQ(pA->m_dCount, pB->m_dCount) << "line " << i;
        EXPECT_EQ(pA->m_dSecurity, pB->m_dSecurity) << "line " << i;
        EXPECT_EQ(pA->m_dRenewalFee, pB->m_dRenewalFee) << "line " << i;
    }
}

class RentalTypeSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        m_record.CreatePrintArray(1);
    }
    void TearDown() override { m_record.DestroyPrintArray(); }

    std::unique_ptr<CRecordDC> Draw(int nPage)
    {
        auto dc = std::make_unique<CRecordDC>();
        m_record.SetPage(nPage);
        m_record.ReportDraw(dc.get());
        return dc;
    }

    CDataRentalTypeClass m_record;
};

} // namespace

TEST(RentalType, NewRecordHasTwentyUnusedLines)
{
    CDataRentalTypeClass record;
    auto lines = Lines(record);
    ASSERT_EQ(lines.size(), 20u);
    for (CDataRentalTermClass* pTerm : lines) {
        EXPECT_EQ(pTerm->m_nCategory, -1);
        EXPECT_EQ(pTerm->m_nInputMethod, 0);
        EXPECT_EQ(pTerm->m_dRent, 0.0);
    }
    EXPECT_TRUE(record.m_astrName[7].IsEmpty());
    EXPECT_EQ(record.GetTerm(20), nullptr);
}

// Copies own their lines: destroying either record leaves the other whole.
TEST(RentalType, CopiesAndAssignmentsOwnTheirLines)
{
    auto source = std::make_unique<CDataRentalTypeClass>();
    FillRentalTypes(*source);

    auto copy = std::make_unique<CDataRentalTypeClass>(*source);
    ExpectSameValues(*copy, *source);
    EXPECT_NE(copy->m_pTermArray, source->m_pTermArray);
    EXPECT_NE(copy->GetTerm(0), source->GetTerm(0));
    copy->GetTerm(0)->m_strName = "変更";
    EXPECT_EQ(source->GetTerm(0)->m_strName, "タイプA");

    CDataRentalTypeClass assigned;
    CDataRentalTermClass* pOwnLine = assigned.GetTerm(3);
    assigned = *source;
    EXPECT_EQ(assigned.GetTerm(3), pOwnLine); // keeps its line objects, takes the values
    ExpectSameValues(assigned, *source);

    source.reset();
    EXPECT_EQ(copy->GetTerm(19)->m_strName, "タイプT");
    EXPECT_EQ(assigned.GetTerm(19)->m_dRent, 85.5 + 19);
    copy.reset();
    EXPECT_EQ(assigned.GetTerm(0)->m_strName, "タイプA");

    assigned = assigned;
    EXPECT_EQ(Lines(assigned).size(), 20u);
}

TEST(RentalType, CopyFollowsTheSourceLineCount)
{
    CDataRentalTypeClass empty;
    empty.DestroyData();
    EXPECT_EQ(empty.m_pTermArray, nullptr);
    CDataRentalTypeClass record;
    record = empty;
    EXPECT_EQ(record.m_pTermArray, nullptr);
    CDataRentalTypeClass copyOfEmpty(empty);
    EXPECT_EQ(copyOfEmpty.m_pTermArray, nullptr);

    // A source short of lines: the target drops its extra lines, then grows again.
    CDataRentalTypeClass shorter;
    delete shorter.GetTerm(19);
    shorter.m_pTermArray->RemoveAt(19);
    CDataRentalTypeClass full;
    full = shorter;
    EXPECT_EQ(Lines(full).size(), 19u);
    full = CDataRentalTypeClass();
    EXPECT_EQ(Lines(full).size(), 20u);
}

// InitData and CreateData free the lines they replace (checked for leaks
// under AddressSanitizer).
TEST(RentalType, InitDataAndCreateDataNeverOrphanTheLines)
{
    CDataRentalTypeClass record;
    FillRentalTypes(record);
    record.InitData();
    EXPECT_EQ(record.m_pTermArray, nullptr);
    EXPECT_TRUE(record.m_astrName[0].IsEmpty());
    record.CreateData();
    record.CreateData();
    ASSERT_EQ(Lines(record).size(), 20u);
    EXPECT_EQ(record.GetTerm(0)->m_nCategory, -1);
}

TEST_F(RentalTypeSheet, BuildsOneBlockPerLineAndTheNamesOfItsOwn)
{
    const std::array<int, 6> line = {4, 11, 16, 11, 13, 25}, own = {0, 0, 0, 0, 1, 8};
    for (CDataRentalTermClass* pTerm : Lines(m_record)) {
        EXPECT_EQ(PageCounts(*pTerm, 0), line);
        EXPECT_EQ(pTerm->m_anPrintFlag[0][0], 1); // a line never draws its title
    }
    EXPECT_EQ(PageCounts(m_record, 0), own);
    EXPECT_EQ(Cell(*m_record.GetTerm(6), 0)->m_strText, "7");
}

TEST_F(RentalTypeSheet, NewRecordPrintsFourUnregisteredLinesAndTheNote)
{
    const auto dc = Draw(1);
    EXPECT_EQ(CountDrawnText(*dc, U8(u8"データは登録されていません。")), 4);
    EXPECT_EQ(CountDrawnText(*dc, U8(u8"賃貸種別名･契約期間")), 0);
    for (int n = 1; n <= 4; ++n) {
        CDrawnText number = LocateDrawnText(*dc, std::to_string(n));
        EXPECT_EQ(number.nRow, 0);
        EXPECT_EQ(number.origin, CPoint(0, (n - 1) * 6000));
    }
    EXPECT_EQ(CountDrawnTicks(*dc), 0);
    // Labels of the second block, at their rows within it.
    const struct { const char8_t* label; int row; } labels[] = {
        {u8"入力番号", 0}, {u8"名称", 5}, {u8"戸数/台数/面積", 8}, {u8"賃  料", 9}, {u8"敷  金", 10}, {u8"更新料", 11},
    };
    for (auto l : labels) {
        CDrawnText t = LocateDrawnText(*dc, U8(l.label), 1);
        EXPECT_EQ(t.nRow, l.row) << U8(l.label);
        EXPECT_EQ(t.origin, CPoint(0, 6000)) << U8(l.label);
    }
    CDrawnText note = LocateDrawnText(*dc, U8(u8"※賃料と共益費は、月額の金額を設定します。"));
    EXPECT_EQ(note.nRow, 0);
    EXPECT_EQ(note.origin, CPoint(0, 24000));
    EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 24000));
    EXPECT_EQ(dc->RecordsOf(CDrawRecord::Line).size(), 4u * (4 + 11 + 16));
}

TEST_F(RentalTypeSheet, LineValuesFollowTheInputMethod)
{
    CDataRentalTermClass& line = *m_record.GetTerm(0);
    line.m_nCategory = 5;
    line.m_strName = "１ＬＤＫ";
    line.m_dCount = 1234.5;
    line.m_dRent = 98.76;
    const struct { int method; const char* count; std::vector<int> methodTicks, unitTicks; } cases[] = {
        {0, "", {0}, {}},
        {1, "1,234.5", {1}, {0}},
        {2, "1,234.5", {2}, {1}}, // "坪"
        {3, "1,234.5", {3}, {2}},
        {4, "1,234.5", {}, {}},   // outside the group: nothing ticked, no amount overwritten
    };
    for (const auto& c : cases) {
        line.m_nInputMethod = c.method;
        m_record.SetDataData(0);
        SCOPED_TRACE(c.method);
        EXPECT_EQ(Ticks(line, 2, 8), std::vector<int>{5});
        EXPECT_EQ(Ticks(line, 11, 4), c.methodTicks);
        EXPECT_EQ(Cell(line, 15)->m_strText, c.count);
        EXPECT_EQ(Ticks(line, 16, 3), c.unitTicks);
        EXPECT_EQ(Cell(line, 19)->m_strText, "98.76");
        EXPECT_EQ(Cell(line, 19)->m_nCheck, 0);
        EXPECT_EQ(Cell(line, 10)->m_strText, "１ＬＤＫ");
        EXPECT_TRUE(Cell(line, 1)->m_strText.IsEmpty());
    }
    line.m_nCategory = 8; // no such category: no tick
    m_record.SetDataData(0);
    EXPECT_TRUE(Ticks(line, 2, 8).empty());
    line.m_nCategory = -1;
    m_record.SetDataData(0);
    EXPECT_EQ(Cell(line, 1)->m_strText, "データは登録されていません。");
    EXPECT_TRUE(Cell(line, 10)->m_strText.IsEmpty());
    EXPECT_TRUE(Cell(line, 24)->m_strText.IsEmpty());
    EXPECT_TRUE(Ticks(line, 2, 23).empty());
}

TEST_F(RentalTypeSheet, PagesSelectFourLinesAndOthersDrawNothing)
{
    const auto last = Draw(5);
    EXPECT_EQ(LocateDrawnText(*last, "17").origin, CPoint(0, 0));
    EXPECT_EQ(LocateDrawnText(*last, "20").origin, CPoint(0, 18000));
    EXPECT_EQ(LocateDrawnText(*last, "16").nRow, -1);
    for (int nPage : {0, 6, -1}) {
        const auto dc = Draw(nPage);
        EXPECT_TRUE(dc->Records().empty()) << "page " << nPage;
        EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, 0));
    }
}

TEST_F(RentalTypeSheet, CategoryNamesPrintOnEveryBlockAlsoOnBlankForms)
{
    FillRentalTypes(m_record);
    m_record.SetDataData(0);
    for (int nBlank : {0, 1}) {
        m_record.SetPrintFlag(4, nBlank);
        const auto dc = Draw(2);
        SCOPED_TRACE(nBlank);
        EXPECT_EQ(CountDrawnText(*dc, U8(u8"種別1")), 4);
        EXPECT_EQ(CountDrawnText(*dc, U8(u8"種別8")), 4);
        CDrawnText name = LocateDrawnText(*dc, U8(u8"種別8"), 3);
        EXPECT_EQ(name.nRow, 4); // beside the category check cells, right column, fourth row
        EXPECT_EQ(name.origin, CPoint(0, 18000));
        EXPECT_EQ(m_record.GetTerm(4)->m_anPrintFlag[9][4], nBlank);
        EXPECT_EQ(CountDrawnText(*dc, "6"), 1 - nBlank); // the number of line 6
        EXPECT_EQ(CountDrawnText(*dc, U8(u8"タイプE")), 1 - nBlank);
        EXPECT_EQ(CountDrawnTicks(*dc), nBlank ? 0 : 4 * 2 + 3);
    }
}

TEST(RentalTypeSheetless, WithoutLinesThereIsNoSheet)
{
    CDataRentalTypeClass record;
    record.DestroyData();
    record.CreatePrintArray(1);
    EXPECT_EQ(record.m_apData[0], nullptr);
    EXPECT_FALSE(record.SetDataData(0));
    CRecordDC dc;
    record.SetPage(1);
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
    record.DestroyPrintArray();
}
