// The funding plan page, drawn from a built table.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>

#include <string>
#include <utility>
#include <vector>

#include "result/pages/tavresult.h"
#include "tests/result/sampleprojects.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

const CPoint kStart(-100, 150);
// Sheet 3330 x 2310, so the page is 3330 x 1155; A = 20: h = 1.5 x 1155 / 33
// = 52.5 cut to 52, b = 60, L = 480, c = 259.
const int h = 52, b = 60, L = 480, c = 259, W = 3330;

// A ten-year project with its funding plan built; item 1 has no name.
class FundingPlanPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildSampleProject(m_project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, 10});
        m_project.m_data.m_pDataCost->m_aCostItem[0].m_strOtherName = "管理委託費";
        m_project.m_data.m_pDataCost->m_aCostItem[1].m_strOtherName = "";
        ASSERT_TRUE(m_project.Calculate(10));
        ASSERT_TRUE(m_project.m_calc.MakeBalanceCapitalPlan());
        for (int s = 0; s < 11; ++s) m_project.m_result.SetYear(s, s);
        m_project.m_result.SetItemFlag(9);
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(FundingPlanPage, ReportKindNineDrawsThePlanOnHalfTheSheet)
{
    SetTestPrintSettings();
    CTavResultClass& result = m_project.m_result;
    result.m_sizePaper = CSize(W, 2310);
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    result.ReportDraw(&dc, 1);

    EXPECT_EQ(result.m_objBalanceCapitalPlan.m_sizePage, CSize(W, 1155));
    EXPECT_EQ(dc.GetWindowOrg(), kStart);
    EXPECT_EQ(TextBox(dc, U8(u8"資金計画表"), kStart), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"（単位：千円）"), kStart), CRect(W / 2, 0, W, -h));
    EXPECT_EQ(TextBox(dc, U8(u8"１０年"), kStart), CRect(L + 10 * c, -h, L + 11 * c, -2 * h));
    // No note: only the title starts at x = 0.
    EXPECT_EQ(TextsIn(dc, 0, kStart).size(), 1u);

    ExpectBandCaptions(dc, kStart, h,
                       {{U8(u8"収"), 1}, {U8(u8"入"), 8}, {U8(u8"支"), 11},
                        {U8(u8"出"), 18}, {U8(u8"参"), 27}, {U8(u8"考"), 28}});

    // 30 labels; the unnamed item shows its standard name.
    const std::vector<CDrawRecord> labels = TextsIn(dc, b + 10, kStart);
    ASSERT_EQ(labels.size(), 30u);
    EXPECT_EQ(labels[11].text, U8(u8"管   理   委   託  費"));
    EXPECT_EQ(labels[12].text, U8(u8"地                 代"));
    EXPECT_EQ(OnPage(labels[29], *labels[29].clip, kStart), CRect(b + 10, -31 * h, L, -32 * h));

    // Eleven columns of a head and 30 cells; year 0's text zeros sit right like the amounts.
    for (int s = 0; s < 11; ++s) {
        const std::vector<CDrawRecord> cells = TextsIn(dc, L + s * c, kStart);
        ASSERT_EQ(cells.size(), 31u) << s;
    }
    const std::vector<CDrawRecord> year0 = TextsIn(dc, L, kStart);
    EXPECT_EQ(year0[11].text, "0");
    EXPECT_EQ(OnPage(year0[11], *year0[11].clip, kStart), CRect(L, -12 * h, L + c - 10, -13 * h));
    EXPECT_EQ(OnPage(year0[11], year0[11].rc, kStart).left, L + c - 10 - 20);
    // Negative amounts are red, the text zeros black.
    bool sawNegative = false;
    for (int s = 0; s < 11; ++s)
        for (const CDrawRecord& cell : TextsIn(dc, L + s * c, kStart))
            if (cell.text.substr(0, 1) == "-") {
                EXPECT_EQ(cell.color, RGB(235, 0, 0)) << cell.text;
                sawNegative = true;
            }
    EXPECT_TRUE(sawNegative);
    EXPECT_EQ(year0[11].color, RGB(0, 0, 0));

    // No highlighted line; thin rules from the band above lines 9 and 19.
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Rectangle)) EXPECT_NE(r.color, RGB(200, 235, 235));
    std::vector<CRect> thin;
    std::vector<CRect> frames;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        if (r.pen.lopnWidth.x == 0) thin.push_back(OnPage(r, r.rc, kStart));
        else frames.push_back(OnPage(r, r.rc, kStart));
    }
    EXPECT_EQ(thin, (std::vector<CRect>{{b, -11 * h, W, -11 * h}, {b, -21 * h, W, -21 * h}}));
    // Title, three banded groups in two parts, two groups across the label
    // area; eleven columns of a head and five groups; the right edge down to
    // the bottom of line 29.
    ASSERT_EQ(frames.size(), size_t((1 + 3 * 2 + 2 + 11 * 6) * 3 + 1));
    EXPECT_EQ(frames.back(), CRect(L + 11 * c, -h, L + 11 * c, -32 * h));
    // The label-area frames of the groups without band, lines 20 to 23 and 24 to 25.
    std::vector<CRect> brackets;
    for (size_t i = 0; i < 9; ++i) brackets.push_back(Bracket(frames, i));
    EXPECT_NE(std::find(brackets.begin(), brackets.end(), CRect(0, -22 * h, L, -26 * h)), brackets.end());
    EXPECT_NE(std::find(brackets.begin(), brackets.end(), CRect(0, -26 * h, L, -28 * h)), brackets.end());
    EXPECT_NE(std::find(brackets.begin(), brackets.end(), CRect(0, -28 * h, b, -32 * h)), brackets.end());
}

TEST_F(FundingPlanPage, MoreThanFiftyYearsDrawNothing)
{
    SetTestPrintSettings();
    CResultBalanceCapitalPlanClass page;
    FillYearColumns(page, 51, 30, [](int, int) { return CString("1"); });
    page.m_sizePage = CSize(W, 1155);
    for (int s = 0; s < 11; ++s) page.m_anYear[s] = s;
    CLometricRecordDC dc;
    page.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
    FillYearColumns(page, 50, 30, [](int, int) { return CString("1"); });
    page.ReportDraw(&dc);
    EXPECT_FALSE(dc.Records().empty());
}

TEST_F(FundingPlanPage, PictureOfABuiltPlan)
{
    UseResultSheetSettings();
    m_project.m_result.m_sizePaper = CSize(1800, 2670);
    const QImage image = RenderReport(m_project.m_result, 9);
    SaveArtifact(image, "result_funding_plan");
    EXPECT_GT(CountInk(image), 10000);
    EXPECT_GT(CountRed(image), 50);
}
