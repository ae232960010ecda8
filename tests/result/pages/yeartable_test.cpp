#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "result/pages/resultrows.h"
#include "result/pages/yeartable.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/utf8.h"

TEST(ResultStringArrayCells, IndexesOutsideTheCellsAreIgnoredOnWriteAndReadAsABlank)
{
    CResultStringArrayClass column;
    // A column without cells.
    column.SetData(0, "x");
    column.SetData(-2, "x");
    for (int n : {-2, -1, 0, 3}) EXPECT_EQ(column.GetData(n), "　") << n;

    ASSERT_TRUE(column.CreateData(64));
    ASSERT_EQ(column.m_nCount, 68);
    column.SetData(0, "賃料");
    column.SetData(67, "-1,200");
    column.SetData(5, "");
    EXPECT_EQ(column.GetData(0), "賃料");
    EXPECT_EQ(column.GetData(67), "-1,200");
    EXPECT_EQ(column.GetData(5), "　");
    // A cell no one wrote stays empty and draws nothing.
    EXPECT_TRUE(column.GetData(6).IsEmpty());
    for (int n : {-1, -68, 68, 1000}) {
        column.SetData(n, "x");
        EXPECT_EQ(column.GetData(n), "　") << n;
    }
    for (int k = 0; k < 68; ++k) EXPECT_NE(column.GetData(k), "x") << k;
}

namespace {

// Page 3330 x 1000, ten grid rows (h = 100), A = 20: b = 60, L = 480, c = 259.
const int h = 100, b = 60, L = 480, c = 259, W = 3330;

// A page that draws the grid by the plan it is given.
class CPlanPage : public CResultBaseClass {
public:
    void ReportDraw(CDC* pDC) override { DrawYearTable(pDC, *this, m_plan); }

    CYearTablePlan m_plan;
};

// Four lines: a banded group of two, a group of two with a highlighted line.
CYearTablePlan SmallPlan()
{
    CYearTablePlan plan;
    plan.nGridRows = 10;
    plan.nLines = 4;
    plan.strTitle = "試験表";
    plan.groups = {{0, 1}, {2, 3}};
    plan.bands = {{0, 1}};
    plan.captions = {{"収", 0}};
    plan.highlights = {2};
    plan.rules = {{1, TRUE}, {3, FALSE}};
    plan.notes = {{"・注記", 7, TRUE}};
    return plan;
}

class YearTableGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTestPrintSettings();
        m_page.m_plan = SmallPlan();
        for (int s = 0; s < 11; ++s) m_anWindow[s] = s;
        m_font.CreateFontIndirect(&m_lfCaller);
        m_pen.CreatePen(PS_DASH, 5, RGB(1, 1, 1));
        m_dc.SelectObject(&m_font);
        m_dc.SelectObject(&m_pen);
    }
    // Labels and three years; year 0's cells: an amount, a negative one, zero and a blank.
    void FillThreeYears()
    {
        FillYearColumns(m_page, 3, 4, [](int y, int k) {
            const char* year0[] = {"1,000", "-5", "0", "　"};
            return y == 0 ? CString(year0[k]) : CString("12");
        });
        LabelColumn(m_page)->SetData(0, "賃料");
        LabelColumn(m_page)->SetData(1, "・借入");
    }
    void Draw()
    {
        // Filling the page resets its extent and year columns.
        m_page.m_sizePage = CSize(W, 1000);
        std::copy(std::begin(m_anWindow), std::end(m_anWindow), m_page.m_anYear);
        m_page.ReportDraw(&m_dc);
        EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 0));
        EXPECT_EQ(m_dc.SelectObject(&m_font), &m_font);
        EXPECT_EQ(m_dc.SelectObject(&m_pen), &m_pen);
    }

    CPlanPage m_page;
    int m_anWindow[11];
    CLometricRecordDC m_dc;
    LOGFONT m_lfCaller;
    CFont m_font;
    CPen m_pen;
};

} // namespace

TEST_F(YearTableGrid, TextsSitInTheirCellsWithNegativeAmountsInRed)
{
    FillThreeYears();
    Draw();
    EXPECT_EQ(TextBox(m_dc, U8(u8"（単位：千円）")), CRect(W / 2, 0, W, -h));
    EXPECT_EQ(TextBox(m_dc, U8(u8"試験表")), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(TextBox(m_dc, U8(u8"・借入")), CRect(b + 10, -3 * h, L, -4 * h));
    // Band caption in x 2a/4 to 10a/4 of its line; the note from the band to the page's bottom.
    EXPECT_EQ(TextBox(m_dc, U8(u8"収")), CRect(10, -2 * h, 50, -3 * h));
    EXPECT_EQ(TextBox(m_dc, U8(u8"・注記")), CRect(b, -7 * h, W, -1000));
    // A label shorter than its cell is spread over it; an empty one is a blank.
    const std::vector<CDrawRecord> labels = TextsIn(m_dc, b + 10);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0].text.substr(0, 3), U8(u8"賃"));
    EXPECT_GT(labels[0].text.size(), U8(u8"賃料").size());
    EXPECT_EQ(labels[2].text, U8(u8"　"));

    // Year 0's cells right-aligned 1 mm inside the column, "-5" in red.
    const std::vector<CDrawRecord> cells = TextsIn(m_dc, L);
    ASSERT_EQ(cells.size(), 5u); // head and four lines
    EXPECT_EQ(cells[0].text, U8(u8"工事期間"));
    const std::string texts[] = {"1,000", "-5", "0", U8(u8"　")};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const CDrawRecord& cell = cells[size_t(k + 1)];
        EXPECT_EQ(cell.text, texts[k]);
        EXPECT_EQ(OnPage(cell, *cell.clip), CRect(L, -(2 + k) * h, L + c - 10, -(3 + k) * h));
        EXPECT_EQ(cell.color, k == 1 ? RGB(235, 0, 0) : RGB(0, 0, 0));
    }
    EXPECT_EQ(OnPage(cells[1], cells[1].rc).left + 5 * 20, L + c - 10);
    EXPECT_EQ(m_dc.GetTextColor(), RGB(0, 0, 0));
}

TEST_F(YearTableGrid, ShadesRulesAndFramesFollowThePlan)
{
    FillThreeYears();
    Draw();
    const std::vector<CDrawRecord> fills = m_dc.RecordsOf(CDrawRecord::Rectangle);
    ASSERT_EQ(fills.size(), 3u);
    const COLORREF shade0 = RGB(255, 255, 225), shade1 = RGB(200, 235, 235);
    EXPECT_EQ(fills[0].rc, CRect(0, -h, L, -6 * h));
    EXPECT_EQ(fills[1].rc, CRect(0, -h, W, -2 * h));
    EXPECT_EQ(fills[2].rc, CRect(0, -4 * h, W, -5 * h));
    EXPECT_EQ(fills[0].color, shade0);
    EXPECT_EQ(fills[1].color, shade0);
    EXPECT_EQ(fills[2].color, shade1);
    for (const CDrawRecord& fill : fills) EXPECT_EQ(fill.pen.lopnStyle, UINT(PS_NULL));

    std::vector<CRect> thin, frame;
    for (const CDrawRecord& line : m_dc.RecordsOf(CDrawRecord::Line)) {
        EXPECT_EQ(line.pen.lopnColor, RGB(0, 0, 150));
        EXPECT_EQ(line.pen.lopnStyle, UINT(PS_SOLID));
        (line.pen.lopnWidth.x == 0 ? thin : frame).push_back(OnPage(line, line.rc));
    }
    EXPECT_EQ(thin, (std::vector<CRect>{{b, -3 * h, W, -3 * h}, {0, -5 * h, W, -5 * h}}));
    // Title cell, band and label part of the first group, the second group's
    // whole width; eleven columns of a head and two groups; the right edge.
    ASSERT_EQ(frame.size(), size_t((4 + 11 * 3) * 3 + 1));
    EXPECT_EQ(Bracket(frame, 0), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(Bracket(frame, 1), CRect(0, -2 * h, b, -4 * h));
    EXPECT_EQ(Bracket(frame, 2), CRect(b, -2 * h, L, -4 * h));
    EXPECT_EQ(Bracket(frame, 3), CRect(0, -4 * h, L, -6 * h));
    EXPECT_EQ(Bracket(frame, 4), CRect(L, -h, L + c, -2 * h));
    EXPECT_EQ(Bracket(frame, 6), CRect(L, -4 * h, L + c, -6 * h));
    EXPECT_EQ(Bracket(frame, 4 + 10 * 3), CRect(L + 10 * c, -h, L + 11 * c, -2 * h));
    EXPECT_EQ(frame.back(), CRect(L + 11 * c, -h, L + 11 * c, -6 * h));
}

TEST_F(YearTableGrid, ABandMaySpanGroupsAndCaptionsMayBeCentredInIt)
{
    m_page.m_plan.groups = {{0, 0}, {1, 1}, {2, 3}};
    m_page.m_plan.bands = {{0, 2}};
    m_page.m_plan.bCentredCaptions = TRUE;
    FillThreeYears();
    Draw();
    std::vector<CRect> frame;
    for (const CDrawRecord& line : m_dc.RecordsOf(CDrawRecord::Line))
        if (line.pen.lopnWidth.x == 2) frame.push_back(OnPage(line, line.rc));
    // The band with its first group; the groups inside it from the band's edge.
    EXPECT_EQ(Bracket(frame, 1), CRect(0, -2 * h, b, -5 * h));
    EXPECT_EQ(Bracket(frame, 2), CRect(b, -2 * h, L, -3 * h));
    EXPECT_EQ(Bracket(frame, 3), CRect(b, -3 * h, L, -4 * h));
    EXPECT_EQ(Bracket(frame, 4), CRect(0, -4 * h, L, -6 * h));
    EXPECT_EQ(Bracket(frame, 5), CRect(L, -h, L + c, -2 * h));
    // Centred in x 0 to 2a: a full-width character 40 wide in a cell 40 wide.
    EXPECT_EQ(TextBox(m_dc, U8(u8"収")), CRect(0, -2 * h, 40, -3 * h));
}

TEST_F(YearTableGrid, YearSlotsShowTheCalculatedYearsOnly)
{
    const struct {
        std::vector<int> window;
        std::vector<std::string> heads; // shown heads, slot by slot from slot 0
        std::vector<int> yearSlots;
    } cases[] = {
        // N = 3: slots 4 to 10 are framed and empty.
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {U8(u8"工事期間"), U8(u8"１年"), U8(u8"２年"), U8(u8"３年")}, {0, 1, 2, 3}},
        // No construction period: its column stays empty and keeps its place.
        {{-1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {U8(u8"１年"), U8(u8"２年"), U8(u8"３年")}, {1, 2, 3}},
        // A later slot without a column does not keep its place.
        {{0, 7, 2, 3, -1, -1, -1, -1, -1, -1, -1}, {U8(u8"工事期間"), U8(u8"２年"), U8(u8"３年")}, {0, 1, 2}},
    };
    FillThreeYears();
    for (const auto& test : cases) {
        std::copy(test.window.begin(), test.window.end(), m_anWindow);
        m_dc.ClearRecords();
        Draw();
        std::vector<std::string> heads;
        for (const CDrawRecord& r : m_dc.RecordsOf(CDrawRecord::Text)) {
            const CRect box = OnPage(r, *r.clip);
            if (box.top != -h || box.left < L) continue;
            ASSERT_LT(heads.size(), test.yearSlots.size()) << r.text;
            const int s = test.yearSlots[heads.size()];
            heads.push_back(r.text);
            EXPECT_EQ(box, CRect(L + s * c, -h, L + (s + 1) * c, -2 * h));
        }
        EXPECT_EQ(heads, test.heads);
        // Eleven head frames whatever is shown.
        EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Line).size(), size_t((4 + 11 * 3) * 3 + 1 + 2));
    }
}

TEST_F(YearTableGrid, MissingOrShortColumnsDrawBlankCells)
{
    // Year 0's column has two cells for four lines, year 1's is missing, year 2's is a graph row.
    CDeleteObArray* items = new CDeleteObArray;
    m_page.m_pItemArray = items;
    auto* labels = new CResultStringArrayClass;
    labels->CreateData(0);
    items->Add(labels);
    auto* year0 = new CResultStringArrayClass;
    year0->CreateData(-2);
    year0->SetData(0, "-7");
    year0->SetData(1, "8");
    items->Add(year0);
    items->Add(nullptr);
    items->Add(new CResultDoubleArrayClass);
    Draw();
    const std::vector<CDrawRecord> year0Cells = TextsIn(m_dc, L);
    ASSERT_EQ(year0Cells.size(), 5u);
    EXPECT_EQ(year0Cells[1].text, "-7");
    EXPECT_EQ(year0Cells[3].text, U8(u8"　"));
    EXPECT_EQ(year0Cells[4].text, U8(u8"　"));
    for (int s : {1, 2}) {
        const std::vector<CDrawRecord> cells = TextsIn(m_dc, L + s * c);
        ASSERT_EQ(cells.size(), 5u) << s;
        for (size_t k = 1; k < 5; ++k) EXPECT_EQ(cells[k].text, U8(u8"　")) << s;
    }
}

TEST_F(YearTableGrid, APageWithoutColumnsOrWithMoreThanFiftyYearsDrawsNothing)
{
    Draw();
    EXPECT_TRUE(m_dc.Records().empty());
    m_page.CreateData();
    Draw();
    EXPECT_TRUE(m_dc.Records().empty());

    m_page.DestroyData();
    FillYearColumns(m_page, 51, 4, [](int, int) { return CString("1"); });
    ASSERT_EQ(m_page.m_pItemArray->GetSize(), 53);
    Draw();
    EXPECT_TRUE(m_dc.Records().empty());

    // Fifty years, and the label column alone, are drawn.
    m_page.DestroyData();
    FillYearColumns(m_page, 50, 4, [](int, int) { return CString("1"); });
    Draw();
    EXPECT_EQ(TextsIn(m_dc, L + 10 * c).size(), 5u);
    m_page.DestroyData();
    FillYearColumns(m_page, -1, 4, [](int, int) { return CString(); });
    m_dc.ClearRecords();
    Draw();
    EXPECT_EQ(TextsIn(m_dc, L).size(), 0u);
    EXPECT_EQ(TextsIn(m_dc, b + 10).size(), 4u);
}
