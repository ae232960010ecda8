// The cash-flow table: its page, its builder (step 15) and its export section.
#include <gtest/gtest.h>


#include <string>
#include <vector>


#include "result/calc/tavcalc.h"
#include "result/calc/yearbalance.h"
#include "result/pages/resultformat.h"
#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "sampleprojects.h"
#include "tests/result/sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

constexpr int kLines = 29;

// The labels of the sample project: depreciation items 0 and 1 have no name,
// item 2 is "外構"; loan 0 is "地方銀行", the automatic loan "自動融資銀行".
const char* const kLabels[kLines] = {
    "◇前期繰越金◇", "純利益", "減価償却()", "減価償却()", "減価償却(外構)", "減価償却()",
    "減価償却()", "減価償却()", "創業償却費", "前年課税事業税", "所得控除額", "借入金返済額合計",
    "・地方銀行", "・", "・", "・", "・", "・", "・", "・", "・自動融資銀行",
    "・ショート時借入金", "敷金収入", "敷金返済", "保証金収入", "保証金返済", "事業外支出",
    "追加自己資金", "◆次期繰越金◆"};

// The amount of line k in year y, read from the year records independently of the builder.
double Expected(const CProjectInMemory& p, int y, int k)
{
    const CYearBalanceClass& r = *p.Year(y);
    if (k == 0) return y == 0 ? 0.0 : p.Year(y - 1)->m_dCashOnHand;
    if (k >= 2 && k <= 7) return r.m_adDepreciation[k - 2];
    if (k >= 12 && k <= 20) return r.m_adLoanRepay[k - 12];
    const double values[kLines] = {0, r.m_dProfitAfterTax, 0, 0, 0, 0, 0, 0,
                                   r.m_dStartupAmortization, r.m_dPrevBusinessTax, r.m_dIncomeDeduction,
                                   r.m_dLoanRepayTotal, 0, 0, 0, 0, 0, 0, 0, 0, 0, r.m_dShortLoan,
                                   r.m_dDepositIncome, r.m_dDepositRepay, r.m_dSecurityIncome,
                                   r.m_dSecurityRepay, r.m_dOutsideExpense, r.m_dAddMyMoney, r.m_dCashOnHand};
    return values[k];
}

CString ExpectedCell(CProjectInMemory& p, int y, int k)
{
    const tagSETDECIMAL& d = p.m_calc.m_objDecimal;
    return FormatResultNumber(d.nDecimalNum, p.m_calc.FractionManage(Expected(p, y, k)), d.nDecimalZero);
}

CResultStringArrayClass* Column(CProjectInMemory& p, int i)
{
    return dynamic_cast<CResultStringArrayClass*>(p.m_result.m_objBalanceCapital.m_pItemArray->GetAt(i));
}

std::string Bytes(const CString& s)
{
    return std::string(static_cast<const char*>(s));
}

// A calculated individual project with an automatic loan and steps 0 to 2 run.
class CashFlowTable : public ::testing::Test {
protected:
    void Build(int nYears)
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildSampleProject(m_project, {ProjectKind::kIndividual, ProjectKind::kAutoLoan, nYears});
        m_project.m_data.m_pDataSupply->m_aLoan[8].m_strBankName = "自動融資銀行";
        ASSERT_TRUE(m_project.Calculate(nYears));
    }
    // The bytes TextSyu writes into the engine's export file.
    std::string Export()
    {
        CTavCalcClass& calc = m_project.m_calc;
        return CaptureBytes(calc, [&] { calc.TextSyu(); });
    }
    std::vector<std::string> ExportLines() { return SplitLines(Export()); }
    // The export line of table line k as the page's cells give it.
    std::string PageLine(int k)
    {
        std::string line = Bytes(Column(m_project, 0)->GetData(k));
        for (int y = 0; y <= m_project.Years(); ++y) line += "\t" + Bytes(Column(m_project, y + 1)->GetData(k));
        return line;
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(CashFlowTable, EveryCellIsTheRoundedAmountOfItsYearRecord)
{
    Build(12);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    const CDeleteObArray* pColumns = m_project.m_result.m_objBalanceCapital.m_pItemArray;
    ASSERT_NE(pColumns, nullptr);
    ASSERT_EQ(pColumns->GetSize(), 12 + 2);
    for (int i = 0; i < pColumns->GetSize(); ++i) {
        ASSERT_NE(Column(m_project, i), nullptr) << i;
        EXPECT_EQ(Column(m_project, i)->m_nCount, kLines + 4) << i;
        for (int k = kLines; k < kLines + 4; ++k) EXPECT_TRUE(Column(m_project, i)->GetData(k).IsEmpty()) << i;
    }
    for (int k = 0; k < kLines; ++k) EXPECT_EQ(Column(m_project, 0)->GetData(k), kLabels[k]) << k;
    for (int y = 0; y <= 12; ++y)
        for (int k = 0; k < kLines; ++k) EXPECT_EQ(Column(m_project, y + 1)->GetData(k), ExpectedCell(m_project, y, k)) << y << ' ' << k;

    // The project moves money on the lines that matter; a few cells as written.
    EXPECT_EQ(Column(m_project, 1)->GetData(0), "0");
    EXPECT_EQ(Column(m_project, 2)->GetData(12), "3,197");
    EXPECT_EQ(Column(m_project, 2)->GetData(28), "-5,509");
    EXPECT_EQ(Column(m_project, 13)->GetData(1), "6,181");
    EXPECT_NE(Column(m_project, 2)->GetData(12), "0"); // the local bank's repayment in year 1
    EXPECT_NE(Column(m_project, 2)->GetData(28), "0");
    // The carried-forward amount of a year is the carried-in amount of the next.
    for (int y = 1; y <= 12; ++y) EXPECT_EQ(Column(m_project, y + 1)->GetData(0), Column(m_project, y)->GetData(28)) << y;
}

TEST_F(CashFlowTable, CellsFollowTheRoundingSettings)
{
    Build(3);
    CYearBalanceClass& year1 = *m_project.Year(1);
    year1.m_dProfitAfterTax = 1234.567;
    year1.m_dDepositIncome = -0.4;
    year1.m_adLoanRepay[8] = 2000.0;
    const struct {
        tagSETDECIMAL decimal;
        const char* pszProfit;
        const char* pszDeposit;
        const char* pszAutoLoan;
    } cases[] = {
        {{0, 0.5, 0, 0}, "1,235", "0", "2,000"},
        {{2, 0.005, 0, 0}, "1,234.57", "-0.40", "2,000.00"},
        {{2, 0.005, 0, 1}, "1,234.57", "-0.4", "2,000"},
        {{1, 0.0, 0, 0}, "1,234.5", "-0.4", "2,000.0"},
    };
    for (const auto& test : cases) {
        m_project.m_calc.m_objDecimal = test.decimal;
        ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
        EXPECT_EQ(Column(m_project, 2)->GetData(1), test.pszProfit) << test.decimal.nDecimalNum;
        EXPECT_EQ(Column(m_project, 2)->GetData(22), test.pszDeposit) << test.decimal.nDecimalNum;
        EXPECT_EQ(Column(m_project, 2)->GetData(20), test.pszAutoLoan) << test.decimal.nDecimalNum;
        EXPECT_EQ(Column(m_project, 1)->GetData(0), ExpectedCell(m_project, 0, 0));
        for (int y = 0; y <= 3; ++y)
            for (int k = 0; k < kLines; ++k)
                EXPECT_EQ(Column(m_project, y + 1)->GetData(k), ExpectedCell(m_project, y, k)) << y << ' ' << k;
    }
}

TEST_F(CashFlowTable, ARerunRebuildsTheSamePage)
{
    Build(5);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    std::vector<std::string> first;
    for (int i = 0; i < 7; ++i)
        for (int k = 0; k < kLines + 4; ++k) first.push_back(Bytes(Column(m_project, i)->GetData(k)));
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    ASSERT_EQ(m_project.m_result.m_objBalanceCapital.m_pItemArray->GetSize(), 7);
    std::vector<std::string> second;
    for (int i = 0; i < 7; ++i)
        for (int k = 0; k < kLines + 4; ++k) second.push_back(Bytes(Column(m_project, i)->GetData(k)));
    EXPECT_EQ(first, second);
}

TEST_F(CashFlowTable, WithoutResultObjectTheStepFailsAndLeavesThePage)
{
    Build(2);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    m_project.m_calc.m_pResultClass = nullptr;
    m_project.m_calc.m_nMessageID = CALC_NO_ERROR;
    EXPECT_FALSE(m_project.m_calc.MakeBalanceCapital());
    EXPECT_EQ(m_project.m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    EXPECT_EQ(m_project.m_result.m_objBalanceCapital.m_pItemArray->GetSize(), 4);
}

TEST_F(CashFlowTable, StepFifteenOfTheDriverBuildsThePage)
{
    Build(4);
    ASSERT_TRUE(m_project.m_calc.Calc(15));
    ASSERT_NE(m_project.m_result.m_objBalanceCapital.m_pItemArray, nullptr);
    EXPECT_EQ(m_project.m_result.m_objBalanceCapital.m_pItemArray->GetSize(), 6);
}

TEST_F(CashFlowTable, NoOperatingYearGivesTwoColumnsAndTwoCellsALine)
{
    Build(0);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    ASSERT_EQ(m_project.m_result.m_objBalanceCapital.m_pItemArray->GetSize(), 2);
    EXPECT_EQ(Column(m_project, 1)->GetData(0), "0");
    EXPECT_EQ(Column(m_project, 1)->GetData(28), ExpectedCell(m_project, 0, 28));
    const std::vector<std::string> lines = ExportLines();
    ASSERT_EQ(lines.size(), size_t(2 + kLines));
    EXPECT_EQ(lines[1], Bytes("資金収支表\t工事期間"));
    for (int k = 0; k < kLines; ++k) EXPECT_EQ(lines[2 + k], PageLine(k)) << k;
}

// A year without record keeps its empty cells on the page and its empty
// cells in the file; the next year carries in nothing.
TEST_F(CashFlowTable, AYearWithoutRecordStaysEmpty)
{
    Build(4);
    CDeleteObArray& years = *m_project.m_calc.m_pYearArray;
    delete years.GetAt(2);
    years.SetAt(2, nullptr);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    for (int k = 0; k < kLines; ++k) EXPECT_TRUE(Column(m_project, 3)->GetData(k).IsEmpty()) << k;
    EXPECT_EQ(Column(m_project, 4)->GetData(0), "0");
    EXPECT_EQ(Column(m_project, 4)->GetData(1), ExpectedCell(m_project, 3, 1));

    const std::vector<std::string> lines = ExportLines();
    ASSERT_EQ(lines.size(), size_t(2 + kLines));
    EXPECT_EQ(lines[2 + 1], Bytes("純利益\t" + ExpectedCell(m_project, 0, 1) + "\t" + ExpectedCell(m_project, 1, 1) +
                                  "\t\t" + ExpectedCell(m_project, 3, 1) + "\t" + ExpectedCell(m_project, 4, 1)));
}

TEST_F(CashFlowTable, TheExportSectionWritesThePageLines)
{
    Build(3);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    const std::string bytes = Export();
    // Heading, then the 29 lines, each ending in CR LF.
    const std::string head = Bytes("資金収支表\t（単位：千円）\r\n資金収支表\t工事期間\t 1年\t 2年\t 3年\r\n");
    ASSERT_EQ(bytes.substr(0, head.size()), head);
    std::string body;
    for (int k = 0; k < kLines; ++k) body += PageLine(k) + "\r\n";
    EXPECT_EQ(bytes.substr(head.size()), body);
    // A few lines spelt out.
    const CYearBalanceClass& r = *m_project.Year(2);
    CString text;
    text.Format("・地方銀行\t%s\t%s\t%s\t%s\r\n", (const char*)ExpectedCell(m_project, 0, 12),
                (const char*)ExpectedCell(m_project, 1, 12), (const char*)FormatResultNumber(0, m_project.m_calc.FractionManage(r.m_adLoanRepay[0]), 0),
                (const char*)ExpectedCell(m_project, 3, 12));
    EXPECT_NE(bytes.find(Bytes(text)), std::string::npos);
    EXPECT_NE(bytes.find(Bytes("\r\n◇前期繰越金◇\t0\t")), std::string::npos);
    EXPECT_NE(bytes.find(Bytes("\r\n減価償却(外構)\t")), std::string::npos);
    EXPECT_NE(bytes.find(Bytes("\r\n・自動融資銀行\t")), std::string::npos);
}

namespace {

// Sheet 3330 wide, H = 40, A = 20: b = 60, L = 480, c = 259.
const int b = 60, L = 480, c = 259, W = 3330;

// A page of three years whose net profit of year 1 is negative.
void FillCashFlow(CResultBaseClass& page, int nYears)
{
    FillYearColumns(page, nYears, kLines, [](int y, int k) {
        CString text;
        text.Format("%s%d", (y == 1 && k == 1) ? "-" : "", 100 * y + k);
        return text;
    });
    for (int k = 0; k < kLines; ++k) LabelColumn(page)->SetData(k, kLabels[k]);
}

// The row height of the page drawn by report kind nKind on paper of height cy.
int DrawnRowHeight(int nKind, int cy, CLometricRecordDC& dc)
{
    CTavResultClass result;
    FillCashFlow(result.m_objBalanceCapital, 2);
    result.m_sizePaper = CSize(W, cy);
    for (int s = 0; s < 11; ++s) result.SetYear(s, s);
    result.SetItemFlag(nKind);
    result.ReportDraw(&dc, 1);
    const CRect title = TextBox(dc, U8(u8"資金収支表"));
    return title.top - title.bottom;
}

} // namespace

TEST(CashFlowPage, ThePlanFramesOneGroupWithTwoRules)
{
    SetTestPrintSettings();
    CTavResultClass result;
    FillCashFlow(result.m_objBalanceCapital, 2);
    result.m_sizePaper = CSize(W, 4000);
    for (int s = 0; s < 11; ++s) result.SetYear(s, s);
    result.SetItemFlag(11);
    const CPoint start(-100, 150);
    CLometricRecordDC dc;
    dc.SetWindowOrg(start);
    result.ReportDraw(&dc, 1);

    // Half the sheet: 2000 / 31 rows.
    const int h = 64;
    EXPECT_EQ(result.m_objBalanceCapital.m_sizePage, CSize(W, 2000));
    EXPECT_EQ(dc.GetWindowOrg(), start);
    EXPECT_EQ(TextBox(dc, U8(u8"資金収支表"), start), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"（単位：千円）"), start), CRect(W / 2, 0, W, -h));
    EXPECT_EQ(TextBox(dc, U8(u8"工事期間"), start), CRect(L, -h, L + c, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"２年"), start), CRect(L + 2 * c, -h, L + 3 * c, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"３年"), start), CRect(-1, -1, -1, -1));

    const std::vector<CDrawRecord> labels = TextsIn(dc, b + 10, start);
    ASSERT_EQ(labels.size(), size_t(kLines));
    EXPECT_EQ(OnPage(labels[28], *labels[28].clip, start), CRect(b + 10, -30 * h, L, -31 * h));
    // Three year columns of 29 cells and a head; year 1's net profit in red.
    for (int s = 0; s < 3; ++s) {
        const std::vector<CDrawRecord> cells = TextsIn(dc, L + s * c, start);
        ASSERT_EQ(cells.size(), size_t(kLines + 1)) << s;
        EXPECT_EQ(cells[2].color, s == 1 ? RGB(235, 0, 0) : RGB(0, 0, 0)) << s;
    }
    EXPECT_TRUE(TextsIn(dc, L + 3 * c, start).empty());

    // No highlighted line; thin rules from x = 0 under line 0 and above line 28.
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Rectangle)) EXPECT_NE(r.color, RGB(200, 235, 235));
    std::vector<CRect> thin;
    size_t nFrames = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        if (r.pen.lopnWidth.x == 0) thin.push_back(OnPage(r, r.rc, start));
        else ++nFrames;
    }
    EXPECT_EQ(thin, (std::vector<CRect>{{0, -3 * h, W, -3 * h}, {0, -30 * h, W, -30 * h}}));
    // The title cell and the label group; eleven columns, shown or empty, of a head and a group; the right edge.
    EXPECT_EQ(nFrames, size_t((1 + 1 + 11 * 2) * 3 + 1));
}

TEST(CashFlowPage, BesideTheBalanceSheetTheRowsAreALittleLower)
{
    SetTestPrintSettings();
    CLometricRecordDC alone, shared;
    EXPECT_EQ(DrawnRowHeight(11, 4000, alone), 2000 / 31);
    EXPECT_EQ(DrawnRowHeight(10, 4000, shared), (2000 - 20) / 31);
}

TEST(CashFlowPage, APageWithoutColumnsDrawsNothing)
{
    SetTestPrintSettings();
    CResultBalanceCapitalClass page;
    page.m_sizePage = CSize(W, 2000);
    CLometricRecordDC dc;
    page.ReportDraw(&dc);
    EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Text).empty());
    page.CreateData();
    page.ReportDraw(&dc);
    EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Text).empty());
}

TEST_F(CashFlowTable, PictureOfACalculatedPage)
{
    Build(12);
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    UseResultSheetSettings();
    CTavResultClass& result = m_project.m_result;
    result.m_sizePaper = CSize(2670, 1800);
    const QImage image = RenderReport(result, 11);
    SaveArtifact(image, "result_cash_flow");
    EXPECT_GT(CountInk(image), 10000);
}

// Labels without the project data: the item names are empty, nothing is read through a null holder.
TEST_F(CashFlowTable, WithoutProjectDataTheItemLinesHaveNoNames)
{
    Build(1);
    m_project.m_calc.m_pDataClass = nullptr;
    ASSERT_TRUE(m_project.m_calc.MakeBalanceCapital());
    EXPECT_EQ(Column(m_project, 0)->GetData(4), "減価償却()");
    EXPECT_EQ(Column(m_project, 0)->GetData(12), "・");
    EXPECT_EQ(Column(m_project, 0)->GetData(20), "・");
    EXPECT_EQ(Column(m_project, 2)->GetData(28), ExpectedCell(m_project, 1, 28));
    const std::vector<std::string> lines = ExportLines();
    ASSERT_EQ(lines.size(), size_t(2 + kLines));
    EXPECT_EQ(lines[2 + 12], PageLine(12));
}
