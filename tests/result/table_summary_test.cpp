// The summary table: its builder, its export section and its page.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultrows.h"
#include "result/pages/summary.h"
#include "sampleprojects.h"
#include "tests/result/sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"

namespace {

const char* const kLabels[9] = {"収入合計", "支出合計", "償却前利益", "償却後利益", "税引後利益",
                                "借入金返済額", "剰余金", "借入金残高", "投資利回り（％）"};
const char* const kCaptions[5] = {"償却前利益黒転年度", "償却後利益黒転年度", "税引後利益累計黒転年度",
                                  "借入金完済年度", "剰余金発生年度"};

std::string Utf8(const CString& str)
{
    return CP932ToUtf8(str);
}

class SummaryTable : public ::testing::Test {
protected:
    void Calculate(int nYears, ProjectKind::Funding nFunding = ProjectKind::kAutoLoan)
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildSampleProject(m_project, {ProjectKind::kIndividual, nFunding, nYears});
        ASSERT_TRUE(m_project.Calculate(nYears));
    }
    CTavCalcClass& Calc() { return m_project.m_calc; }
    CResultBalanceOutlineClass& Page() { return m_project.m_result.m_objBalanceOutline; }
    CResultStringArrayClass* Column(int nIndex)
    {
        return dynamic_cast<CResultStringArrayClass*>(Page().m_pItemArray->GetAt(nIndex));
    }
    std::string Cell(int y, int k) { return Utf8(Column(y + 1)->GetData(k)); }
    std::string Milestone(int i) { return Utf8(Page().m_aastrMilestone[1][i]); }
    // Sets the five milestone amounts of every operating year just short of
    // being met: profits and the surplus exactly 0, the loan balance 1.
    void ClearMilestones()
    {
        for (int y = 1; y <= m_project.Years(); ++y) {
            CYearBalanceClass* p = m_project.Year(y);
            p->m_dProfitBeforeDepreciation = p->m_dProfitAfterDepreciation = p->m_dProfitAfterTaxTotal = 0;
            p->m_dLoanBalanceTotal = 1;
            p->m_dSurplus = 0;
        }
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(SummaryTable, ColumnsLabelsAndCellsFromTheYearRecords)
{
    Calculate(20);
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    ASSERT_TRUE(Calc().MakeBalanceOutline());
    ASSERT_NE(Page().m_pItemArray, nullptr);
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 22);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(Utf8(Column(0)->GetData(k)), Utf8(kLabels[k])) << k;
    EXPECT_EQ(Column(0)->m_nCount, 13);
    // Lines 0, 2, 5 and 7 in whole thousand yen, half up, by hand.
    const int anLines[] = {0, 2, 5, 7};
    double CYearBalanceClass::* const apValues[] = {
        &CYearBalanceClass::m_dIncomeTotal, &CYearBalanceClass::m_dProfitBeforeDepreciation,
        &CYearBalanceClass::m_dLoanRepayTotal, &CYearBalanceClass::m_dLoanBalanceTotal};
    for (int y = 0; y <= 20; ++y)
        for (int i = 0; i < 4; ++i) {
            const double v = m_project.Year(y)->*apValues[i];
            const long long n = (long long)(std::abs(v) + 0.5);
            const double rounded = v < 0 ? -double(n) : double(n);
            EXPECT_EQ(Cell(y, anLines[i]), Utf8(FormatResultNumber(0, rounded, FALSE))) << y << " " << i;
        }
    EXPECT_NE(m_project.Year(5)->m_dIncomeTotal, 0.0);
    // A few cells as written.
    EXPECT_EQ(Cell(5, 0), "12,793");
    EXPECT_EQ(Cell(5, 2), "6,140");
    EXPECT_EQ(Cell(20, 7), "23,749");
}

TEST_F(SummaryTable, StepTwentyTwoFillsPageTwenty)
{
    Calculate(8);
    ASSERT_TRUE(Calc().Calc(16));
    EXPECT_EQ(Page().m_pItemArray, nullptr);
    ASSERT_TRUE(Calc().Calc(22));
    ASSERT_NE(Page().m_pItemArray, nullptr);
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 10);
    EXPECT_EQ(Utf8(Page().m_aastrMilestone[0][0]), Utf8(kCaptions[0]));
}

TEST_F(SummaryTable, AmountsFollowTheRoundingSettingsTheYieldDoesNot)
{
    Calculate(5);
    CYearBalanceClass& year = *m_project.Year(3);
    year.m_dIncomeTotal = 1234567.96;
    year.m_dSurplus = -2500.46;
    year.m_dYield = 12.344;
    struct Case {
        tagSETDECIMAL decimal;
        const char* pszIncome;
        const char* pszSurplus;
    } cases[] = {
        {{0, 0.5, 0, 0}, "1,234,568", "-2,500"},
        {{1, 0.05, 0, 0}, "1,234,568.0", "-2,500.5"},
        {{1, 0.05, 0, 1}, "1,234,568", "-2,500.5"}, // trailing zeros dropped
        {{0, 0.0, 1, 0}, "1,234,567", "-2,500"},    // cut
    };
    for (const Case& test : cases) {
        Calc().m_objDecimal = test.decimal;
        ASSERT_TRUE(Calc().MakeBalanceOutline());
        EXPECT_EQ(Cell(3, 0), test.pszIncome) << test.pszIncome;
        EXPECT_EQ(Cell(3, 6), test.pszSurplus) << test.pszIncome;
        EXPECT_EQ(Cell(3, 8), "12.34") << test.pszIncome;
    }
}

TEST_F(SummaryTable, TheYieldIsRoundedAtTwoPlacesOnBothSidesOfZero)
{
    Calculate(5);
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 1};
    const struct {
        double dYield;
        const char* pszText;
    } cases[] = {{12.344, "12.34"}, {12.346, "12.35"}, {3.0, "3.00"},     {0.0, "0.00"},
                 {-1.231, "-1.23"}, {-1.236, "-1.24"}, {1234.5, "1,234.50"}};
    for (const auto& test : cases) {
        m_project.Year(2)->m_dYield = test.dYield;
        ASSERT_TRUE(Calc().MakeBalanceOutline());
        EXPECT_EQ(Cell(2, 8), test.pszText) << test.dYield;
    }
}

TEST_F(SummaryTable, MilestonesAreTheFirstOperatingYearsThatMeetThem)
{
    Calculate(20);
    ClearMilestones();
    // Met in year 0 only: the construction period is never looked at.
    m_project.Year(0)->m_dProfitBeforeDepreciation = 5;
    m_project.Year(0)->m_dLoanBalanceTotal = 0;
    m_project.Year(3)->m_dProfitBeforeDepreciation = 1;
    m_project.Year(4)->m_dProfitBeforeDepreciation = 1;
    m_project.Year(7)->m_dProfitAfterDepreciation = 0.001;
    m_project.Year(12)->m_dProfitAfterTaxTotal = 10;
    m_project.Year(20)->m_dLoanBalanceTotal = 0;
    m_project.Year(19)->m_dLoanBalanceTotal = 2;
    ASSERT_TRUE(Calc().MakeBalanceOutline());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Utf8(Page().m_aastrMilestone[0][i]), Utf8(kCaptions[i])) << i;
    EXPECT_EQ(Milestone(0), Utf8("  3年"));
    EXPECT_EQ(Milestone(1), Utf8("  7年"));
    EXPECT_EQ(Milestone(2), Utf8(" 12年"));
    EXPECT_EQ(Milestone(3), Utf8(" 20年"));
    EXPECT_EQ(Milestone(4), Utf8("－"));
}

TEST_F(SummaryTable, ALoanFreeProjectIsPaidOffInYearOne)
{
    Calculate(10, ProjectKind::kOwnFunds);
    for (int y = 0; y <= 10; ++y) m_project.Year(y)->m_dLoanBalanceTotal = y == 0 ? 5000 : 0;
    ASSERT_TRUE(Calc().MakeBalanceOutline());
    EXPECT_EQ(Milestone(3), Utf8("  1年"));
}

TEST_F(SummaryTable, NoOperatingYearMeetsNoMilestone)
{
    Calculate(0);
    ASSERT_TRUE(Calc().MakeBalanceOutline());
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 2);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Milestone(i), Utf8("－")) << i;
}

TEST_F(SummaryTable, ARerunGivesTheSamePage)
{
    Calculate(12);
    ASSERT_TRUE(Calc().MakeBalanceOutline());
    std::vector<std::string> first;
    for (int y = 0; y <= 12; ++y)
        for (int k = 0; k < 9; ++k) first.push_back(Cell(y, k));
    ASSERT_TRUE(Calc().MakeBalanceOutline());
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 14);
    std::vector<std::string> second;
    for (int y = 0; y <= 12; ++y)
        for (int k = 0; k < 9; ++k) second.push_back(Cell(y, k));
    EXPECT_EQ(first, second);
}

TEST_F(SummaryTable, FailuresSetTheStatus)
{
    Calculate(6);
    ASSERT_TRUE(Calc().MakeBalanceOutline());

    // A missing year record stops the step; the columns before it stay, the
    // milestone texts were emptied.
    delete Calc().m_pYearArray->GetAt(4);
    Calc().m_pYearArray->SetAt(4, nullptr);
    Calc().m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(Calc().MakeBalanceOutline());
    EXPECT_EQ(Calc().m_nMessageID, CALC_UNEXPECTED_ERROR);
    EXPECT_EQ(Page().m_pItemArray->GetSize(), 8);
    EXPECT_NE(Cell(3, 0), Utf8("　"));
    EXPECT_EQ(Cell(4, 0), "");
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(Page().m_aastrMilestone[0][i].IsEmpty());
        EXPECT_TRUE(Page().m_aastrMilestone[1][i].IsEmpty());
    }

    CTavCalcClass calc;
    calc.m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(calc.MakeBalanceOutline());
    EXPECT_EQ(calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
}

// ---- Export section

namespace {

std::string Capture(CTavCalcClass& calc)
{
    return CaptureBytes(calc, [&] { calc.TextOutLine(); });
}

// The bytes of a literal (code page 932).
std::string Sjis(const char* psz)
{
    return std::string(static_cast<const char*>(CString(psz)));
}

} // namespace

TEST_F(SummaryTable, TheExportSectionWritesTheTableAndTheMilestones)
{
    Calculate(3);
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    ClearMilestones();
    const double adIncome[] = {-12.5, 1234.4, 1300, 999999.5};
    for (int y = 0; y <= 3; ++y) m_project.Year(y)->m_dIncomeTotal = adIncome[y];
    const double adYield[] = {0, 2.5, -0.456, 10.999};
    for (int y = 0; y <= 3; ++y) m_project.Year(y)->m_dYield = adYield[y];
    m_project.Year(2)->m_dSurplus = 3;

    const std::vector<std::string> lines = SplitLines(Capture(Calc()));
    ASSERT_EQ(lines.size(), 2u + 9u + 1u + 5u);
    EXPECT_EQ(lines[0], Sjis("概要表\t（単位：千円）"));
    EXPECT_EQ(lines[1], Sjis("概要表\t工事期間\t 1年\t 2年\t 3年"));
    EXPECT_EQ(lines[2], Sjis("収入合計\t-13\t1,234\t1,300\t1,000,000"));
    EXPECT_EQ(lines[10], Sjis("投資利回り（％）\t0.00\t2.50\t-0.46\t11.00"));
    EXPECT_EQ(lines[11], Sjis("主な収支計算結果年度"));
    EXPECT_EQ(lines[12], Sjis("償却前利益黒転年度\t－"));
    EXPECT_EQ(lines[16], Sjis("剰余金発生年度\t  2年"));
    // The same cells as the page.
    ASSERT_TRUE(Calc().MakeBalanceOutline());
    std::string pageLine = Sjis("借入金残高");
    for (int y = 0; y <= 3; ++y) pageLine += "\t" + std::string(static_cast<const char*>(Column(y + 1)->GetData(7)));
    EXPECT_EQ(lines[9], pageLine);
}

TEST_F(SummaryTable, TheExportKeepsTheColumnOfAMissingYear)
{
    Calculate(3);
    Calc().m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    ClearMilestones();
    for (int y = 0; y <= 3; ++y) m_project.Year(y)->m_dIncomeTotal = 100 * y;
    m_project.Year(2)->m_dSurplus = 1;
    m_project.Year(3)->m_dSurplus = 1;
    delete Calc().m_pYearArray->GetAt(2);
    Calc().m_pYearArray->SetAt(2, nullptr);
    const std::vector<std::string> lines = SplitLines(Capture(Calc()));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[2], Sjis("収入合計\t0\t100\t\t300"));
    EXPECT_EQ(lines[16], Sjis("剰余金発生年度\t  3年"));
}

// ---- Page

namespace {

// Page 3330 x 2200 with A = 20: h = 100, L = 400, c = 293, the milestone box
// from x 2650 (caption) and 3130 (year) to 3330.
const int W = 3330, h = 100, L = 400, c = 293;
const CPoint kStart(-100, 150);

CString PageCell(int y, int k)
{
    CString text;
    text.Format("%s%d,%03d", (k == 4 && y < 3) ? "-" : "", y + 1, k * 7);
    return text;
}

void FillPage(CResultBalanceOutlineClass& page, int nYears)
{
    FillYearColumns(page, nYears, 9, PageCell);
    for (int k = 0; k < 9; ++k) LabelColumn(page)->SetData(k, kLabels[k]);
    for (int i = 0; i < 5; ++i) {
        page.m_aastrMilestone[0][i] = kCaptions[i];
        page.m_aastrMilestone[1][i] = i == 4 ? CString("－") : CString(" 12年");
    }
    page.m_sizePage = CSize(W, 2200);
}

std::string CellText(int y, int k)
{
    return Utf8(PageCell(y, k));
}

int Count(const std::vector<std::string>& texts, const std::string& text)
{
    return int(std::count(texts.begin(), texts.end(), text));
}

std::vector<std::string> Draw(CResultBalanceOutlineClass& page, CLometricRecordDC& dc)
{
    dc.SetWindowOrg(kStart);
    page.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), kStart);
    return dc.Texts();
}

} // namespace

TEST(SummaryPage, TwentyYearsFillTheUpperTableOnly)
{
    SetTestPrintSettings();
    CResultBalanceOutlineClass page;
    FillPage(page, 20);
    CLometricRecordDC dc;
    const std::vector<std::string> texts = Draw(page, dc);

    EXPECT_EQ(TextBox(dc, Utf8("（単位：千円）"), kStart), CRect(W / 2, 0, W, -h));
    EXPECT_EQ(TextBox(dc, Utf8("概要表"), kStart), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(TextBox(dc, Utf8("工事期間"), kStart), CRect(L, -h, L + c, -2 * h));
    // Years 1 to 19 in steps of three in slots 1 to 7; 22, 25 and the lower years stay empty.
    const int anYears[] = {1, 4, 7, 10, 13, 16, 19};
    const char* const apszHeads[] = {"１年", "４年", "７年", "１０年", "１３年", "１６年", "１９年"};
    for (int i = 0; i < 7; ++i) {
        const int left = L + (i + 1) * c;
        EXPECT_EQ(TextBox(dc, Utf8(apszHeads[i]), kStart), CRect(left, -h, left + c, -2 * h)) << i;
        EXPECT_EQ(TextBox(dc, CellText(anYears[i], 6), kStart), CRect(left, -8 * h, left + c - 10, -9 * h)) << i;
    }
    for (const char* psz : {"２２年", "２５年", "３０年"}) EXPECT_EQ(Count(texts, Utf8(psz)), 0) << psz;
    EXPECT_EQ(Count(texts, CellText(2, 0)), 0);
    EXPECT_EQ(TextBox(dc, CellText(0, 8), kStart), CRect(L, -10 * h, L + c - 10, -11 * h));
    // Labels in both tables, spread on one line from x = 10 at the top of their rows.
    const std::vector<CDrawRecord> labels = TextsIn(dc, 10, kStart);
    ASSERT_EQ(labels.size(), 18u);
    for (size_t i = 0; i < labels.size(); ++i) {
        std::string text = labels[i].text;
        std::erase(text, ' ');
        EXPECT_EQ(text, Utf8(kLabels[i % 9])) << i;
        const int nRow = i < 9 ? 2 + int(i) : 13 + int(i) - 9;
        EXPECT_EQ(OnPage(labels[i], *labels[i].clip, kStart), CRect(10, -nRow * h, L, -(nRow + 1) * h)) << i;
        EXPECT_EQ(labels[i].rc.top, labels[i].clip->top) << i; // at the top, not centred
    }

    // Negative amounts in red, the rest in black.
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text)) {
        if (r.text == CellText(1, 4)) {
            EXPECT_EQ(r.color, RGB(235, 0, 0));
        }
        if (r.text == CellText(1, 3)) {
            EXPECT_EQ(r.color, RGB(0, 0, 0));
        }
    }
    const std::vector<CDrawRecord> captions = TextsIn(dc, 2660, kStart);
    ASSERT_EQ(captions.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        std::string text = captions[i].text;
        std::erase(text, ' ');
        EXPECT_EQ(text, Utf8(kCaptions[i])) << i;
        EXPECT_EQ(OnPage(captions[i], *captions[i].clip, kStart), CRect(2660, -(17 + int(i)) * h, 3130, -(18 + int(i)) * h));
    }
    EXPECT_EQ(TextBox(dc, Utf8(" 12年"), kStart), CRect(3130, -17 * h, W, -18 * h));
    EXPECT_EQ(TextBox(dc, Utf8("－"), kStart), CRect(3130, -21 * h, W, -22 * h));

    // Frames: 11 + 6 columns of two boxes (three edges each) with each table's
    // right edge; the milestone box with six rules across and three down.
    EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), 11u * 6 + 1 + 6u * 6 + 1 + 9);
    EXPECT_EQ(dc.RecordsOf(CDrawRecord::Rectangle).size(), 5u);
}

TEST(SummaryPage, FiftyYearsFillTheLowerTable)
{
    SetTestPrintSettings();
    CResultBalanceOutlineClass page;
    FillPage(page, 50);
    CLometricRecordDC dc;
    const std::vector<std::string> texts = Draw(page, dc);
    const char* const apszHeads[] = {"３０年", "３５年", "４０年", "４５年", "５０年"};
    const int anYears[] = {30, 35, 40, 45, 50};
    for (int i = 0; i < 5; ++i) {
        const int left = L + i * c;
        EXPECT_EQ(TextBox(dc, Utf8(apszHeads[i]), kStart), CRect(left, -12 * h, left + c, -13 * h)) << i;
        EXPECT_EQ(TextBox(dc, CellText(anYears[i], 0), kStart), CRect(left, -13 * h, left + c - 10, -14 * h)) << i;
    }
    EXPECT_EQ(TextBox(dc, Utf8("２５年"), kStart), CRect(L + 9 * c, -h, L + 10 * c, -2 * h));
    EXPECT_EQ(Count(texts, Utf8("概要表")), 1);
}

TEST(SummaryPage, MissingOrShortRowsDrawNoCells)
{
    SetTestPrintSettings();
    CResultBalanceOutlineClass page;
    page.m_sizePage = CSize(W, 2200);
    for (int nColumns : {-1, 0, 1}) {
        page.DestroyData();
        if (nColumns >= 0) {
            page.CreateData();
            for (int i = 0; i < nColumns; ++i) {
                auto* column = new CResultStringArrayClass;
                column->CreateData(9);
                column->SetData(0, "x");
                page.m_pItemArray->Add(column);
            }
        }
        CLometricRecordDC dc;
        const std::vector<std::string> texts = Draw(page, dc);
        EXPECT_EQ(Count(texts, Utf8("工事期間")), 1) << nColumns;
        EXPECT_EQ(Count(texts, "x"), 0) << nColumns;
        EXPECT_EQ(Count(texts, Utf8("１年")), 0) << nColumns;
        EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), 11u * 6 + 1 + 6u * 6 + 1 + 9) << nColumns;
    }
}

TEST(SummaryPage, PictureOfACalculatedPage)
{
    UseResultSheetSettings();

    CProjectInMemory project;
    ASSERT_TRUE(project.IsCreated());
    BuildSampleProject(project, {ProjectKind::kCorporation, ProjectKind::kAutoLoan, 35});
    ASSERT_TRUE(project.Calculate(35));
    project.m_calc.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
    ASSERT_TRUE(project.m_calc.MakeBalanceOutline());
    CResultBalanceOutlineClass& page = project.m_result.m_objBalanceOutline;
    page.m_sizePage = CSize(1800, 1300);

    const QImage image = RenderLometric([&](CDC* pDC) { page.ReportDraw(pDC); }, 210, 150);
    SaveArtifact(image, "result_summary");
    EXPECT_GT(CountInk(image), 10000);
}
