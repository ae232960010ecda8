// The premise pages 3 to 10: their layout on a recording device context and
// the two premise reports of the worked example rendered for a look.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "tests/result/exampleproject.h"
#include "result/pages/premisebasic.h"
#include "result/pages/premisecolumns.h"
#include "result/pages/resultrows.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

// With H = 40 and A = 20 on a sheet 3330 wide: u = 40 and W = 1615 / 40 = 40 units.
const int H = 40;
const int u = 40;
const int c = 20;
const int W = 40;
const CSize kSheet(3330, 2400);

void AddRow(CResultBaseClass& page, const char* pszItem, const char* pszContent, const char* pszMoney)
{
    if (!page.m_pItemArray) page.CreateData();
    auto* pRow = new CResultItemClass;
    pRow->SetItem(pszItem);
    pRow->SetContent(pszContent);
    pRow->SetMoney(pszMoney);
    page.m_pItemArray->Add(pRow);
}

// Draws the page on a fresh recording context from the origin (0, 0).
void Draw(CResultBaseClass& page, CLometricRecordDC& dc)
{
    SetTestPrintSettings();
    page.m_sizePage = kSheet;
    page.ReportDraw(&dc);
}

std::vector<CDrawRecord> TextsNamed(const CRecordDC& dc, const std::string& text)
{
    std::vector<CDrawRecord> found;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.text == text) found.push_back(r);
    return found;
}

// Left edge of a right-aligned text of nBytes half-width cells ending at x.
int RightAlignedLeft(int x, int nBytes)
{
    return x - nBytes * c - c / 2;
}

bool HasLine(const CRecordDC& dc, int x1, int y1, int x2, int y2)
{
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line))
        if (r.rc == CRect(x1, y1, x2, y2)) return true;
    return false;
}

} // namespace

TEST(PremisePages, EachPageMovesTheOriginByItsHeightPageEightStays)
{
    CResultBasicDataClass basic;
    CResultOutlineDataClass outline;
    CResultDepreciationDataClass depreciation;
    CResultCapitalpayDataClass capitalpay;
    CResultCapitalpayLoanDataClass loan;
    CResultTaxDataClass tax;
    CResultProRestOtherDataClass proRestOther;
    CResultRestOtherDataClass restOther;
    const struct {
        CResultBaseClass* pPage;
        int nMove;
        int nLines;
    } cases[] = {{&basic, 12, 12},      {&outline, 11, 11}, {&depreciation, 10, 10}, {&capitalpay, 5, 5},
                 {&loan, 21, 21},       {&tax, 0, 27},      {&proRestOther, 35, 35}, {&restOther, 43, 43}};
    for (const auto& test : cases) {
        CLometricRecordDC dc;
        dc.SetWindowOrg(-7, 100);
        Draw(*test.pPage, dc);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(-7, 100 + test.nMove * H)) << test.nLines;
        // Before any calculation: the fills, the frame and the title.
        EXPECT_EQ(dc.RecordsOf(CDrawRecord::FillRect).size() + dc.RecordsOf(CDrawRecord::Rectangle).size(), 2u);
        EXPECT_TRUE(HasLine(dc, 0, 0, W * u, 0)) << test.nLines;
        EXPECT_TRUE(HasLine(dc, W * u, 0, W * u, -test.nLines * H)) << test.nLines;
    }
}

namespace {

// The worked example calculated and its premise tables built (steps 3 to 10).
class PremiseExample : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
    }
    void Calculate()
    {
        ASSERT_TRUE(m_project.Calculate(kExampleYears));
        for (int nStep = 3; nStep <= 10; ++nStep) ASSERT_TRUE(m_project.m_calc.Calc(nStep)) << nStep;
    }
    // A4 landscape less the two header lines, or B4, with the program's fonts.
    QImage Render(int nKind, bool bB4)
    {
        LOGFONT body = SheetBodyFont(), title = SheetTitleFont();
        body.lfHeight = bB4 ? 39 : 28;
        title.lfHeight = bB4 ? 56 : 49;
        LOGPEN line = SheetLinePen(), frame = SheetFramePen();
        SetResultPrintFont(&body);
        SetResultPrintTitleFont(&title);
        SetResultPrintPen(&line);
        SetResultPrintFramePen(&frame);
        m_project.m_result.m_sizePaper = bB4 ? CSize(3330, 2270 - 2 * 39) : CSize(2670, 1800 - 2 * 28);
        return RenderReport(m_project.m_result, nKind);
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(PremiseExample, PictureOfBothReportsOnA4AndB4)
{
    // A capital expenditure on a loan fills the loan page too.
    CDataExpenseClass& expense = *m_project.m_data.m_pDataExpense;
    expense.m_aCapitalPay[0].nYear = 15;
    expense.m_aCapitalPay[0].dAmount = 30000.0;
    expense.m_aCapitalPay[0].nSource = 1;
    expense.m_aCapitalPay[0].nItem = 1;
    CDataLoanClass& loan = m_project.m_data.m_pDataSupply->m_aLoan[6];
    SetLoan(loan, 30000.0, 0, {{15, 24, 1.8}}, 6);
    loan.m_strBankName = "地方銀行";
    loan.m_nCapitalPayYear = 15;
    // A changing income and an outside line fill the five-line rows of the second report.
    CDataOtherIncomeClass& income = m_project.m_data.m_pDataProRestOther->m_aOtherIncome[0];
    income.m_aDataRate[0] = ScheduleStep(1, 10, 2, 1.5);
    income.m_aDataRate[1] = ScheduleStep(11, 0, 5, 2.0, true);
    CDataRestOtherMoneyClass& outside = m_project.m_data.m_pDataRestOther->m_aRestOtherMoney[0];
    outside.m_strName = "給与所得";
    outside.dAmount = 6000.0;
    outside.nFromYear = 1;
    outside.nToYear = 20;
    outside.m_aDataRate[0] = ScheduleStep(1, 20, 1, 1.0);
    Calculate();
    for (bool bB4 : {false, true})
        for (int nKind : {0, 1}) {
            const QImage image = Render(nKind, bB4);
            SaveArtifact(image, std::string("table_premise_kind") + std::to_string(nKind) + (bB4 ? "_b4" : "_a4"));
            EXPECT_GT(CountInk(image), 10000);
        }
}

namespace {

// Where a text was drawn: its left and top, or (-1, -1) when it was not.
CPoint Where(const CRecordDC& dc, const char8_t* psz, size_t nIndex = 0)
{
    const std::vector<CDrawRecord> found = TextsNamed(dc, U8(psz));
    return nIndex < found.size() ? CPoint(found[nIndex].rc.left, found[nIndex].rc.top) : CPoint(-1, -1);
}

} // namespace

TEST(PremisePages, BasicAndOutlinePlaceTheirValues)
{
    CResultBasicDataClass basic;
    const char* const apszItems[9] = {"プロジェクト名", "", "", "", "", "課税方法", "消費税課税方法", "事業割合",
                                      "繰越欠損の対象"};
    const char* const apszValues[9] = {"店舗", "副題", "", "", "", "個人", "通常課税", "20%", "工事期間を含める"};
    for (int i = 0; i < 9; ++i) AddRow(basic, apszItems[i], "", apszValues[i]);
    CLometricRecordDC dc;
    Draw(basic, dc);
    // Title centred over 40 units; the name centred in lines 2 to 4.
    EXPECT_EQ(Where(dc, u8"基本条件"), CPoint((W * u - 8 * c) / 2, -20));
    EXPECT_EQ(Where(dc, u8"店舗"), CPoint(10 * u + (30 * u - 4 * c) / 2, -2 * H - 20));
    EXPECT_EQ(Where(dc, u8"副題"), CPoint(11 * u, -4 * H));
    // A consumption-tax value without its rate line shows twice: centred and right-aligned.
    EXPECT_EQ(Where(dc, u8"通常課税", 0), CPoint(10 * u + (30 * u - 8 * c) / 2, -9 * H));
    EXPECT_EQ(Where(dc, u8"通常課税", 1), CPoint(RightAlignedLeft(W * u, 8), -9 * H));
    // Under the name only the value column is ruled; the subtitles have no rules.
    EXPECT_TRUE(HasLine(dc, 10 * u, -4 * H, W * u, -4 * H));
    EXPECT_FALSE(HasLine(dc, 0, -4 * H, W * u, -4 * H));
    EXPECT_FALSE(HasLine(dc, 0, -5 * H, W * u, -5 * H));
    EXPECT_TRUE(HasLine(dc, 0, -8 * H, W * u, -8 * H));

    CResultOutlineDataClass outline;
    for (int i = 0; i < 9; ++i) AddRow(outline, "敷地総面積", "", i < 7 ? "100坪\n(330.58㎡)" : "20戸");
    CLometricRecordDC dc2;
    Draw(outline, dc2);
    // The area against the middle of the value column (25 units), the other unit at the right edge.
    EXPECT_EQ(Where(dc2, u8"100坪", 6), CPoint(RightAlignedLeft(25 * u, 5), -8 * H));
    EXPECT_EQ(Where(dc2, u8"(330.58㎡)", 0), CPoint(RightAlignedLeft(W * u, 10), -2 * H));
    EXPECT_EQ(Where(dc2, u8"敷地総面積", 0), CPoint((10 * u - 10 * c) / 2, -2 * H));
    EXPECT_EQ(Where(dc2, u8"20戸", 1), CPoint(10 * u + (30 * u - 4 * c) / 2, -10 * H));
}

TEST(PremisePages, FiveLineRowsAndTheTaxPageBlocks)
{
    // A content without line feeds repeats on its first line and in every block line.
    CResultRestOtherDataClass rest;
    AddRow(rest, "名", "X", "1,000");
    for (int i = 1; i < 8; ++i) AddRow(rest, "", "", "");
    CLometricRecordDC dc;
    Draw(rest, dc);
    const std::vector<CDrawRecord> xs = TextsNamed(dc, "X");
    ASSERT_EQ(xs.size(), 13u);
    EXPECT_EQ(CPoint(xs[0].rc.left, xs[0].rc.top), CPoint(10 * u, -3 * H));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(CPoint(xs[1 + k].rc.left, xs[1 + k].rc.top), CPoint(10 * u, -(4 + k) * H)) << k;
        EXPECT_EQ(xs[5 + k].rc.left, RightAlignedLeft((W - 8 - 3) * u, 1)) << k;
        EXPECT_EQ(xs[9 + k].rc.left, RightAlignedLeft((W - 8) * u, 1)) << k;
    }
    // The amount right-aligned, centred in the five lines.
    EXPECT_EQ(Where(dc, u8"1,000"), CPoint(RightAlignedLeft(W * u, 5), -3 * H - 2 * H));
    EXPECT_EQ(Where(dc, u8"名"), CPoint((10 * u - 2 * c) / 2, -5 * H));

    CResultTaxDataClass tax;
    for (int i = 0; i < 10; ++i)
        AddRow(tax, "", "", i == 5 ? "新築住宅特例\n適用\n建物－住宅部分特例\n非適用\n" : i == 7 ? "土地\n適用\n" : "");
    CLometricRecordDC dc2;
    Draw(tax, dc2);
    EXPECT_EQ(Where(dc2, u8"新築住宅特例"), CPoint(11 * u, -20 * H));
    EXPECT_EQ(Where(dc2, u8"建物－住宅部分特例"), CPoint(11 * u, -21 * H));
    EXPECT_EQ(Where(dc2, u8"非適用"), CPoint(23 * u, -21 * H));
    EXPECT_EQ(Where(dc2, u8"適用", 0), CPoint(23 * u, -20 * H));
    EXPECT_EQ(Where(dc2, u8"土地"), CPoint(11 * u, -26 * H));
    // The content and amount columns end above the rows without amounts.
    EXPECT_TRUE(HasLine(dc2, (W - 8) * u, -2 * H, (W - 8) * u, -18 * H));
}

TEST(PremisePages, OtherPremisesHaveTheirHeadsBelowTwoRows)
{
    CResultProRestOtherDataClass page;
    AddRow(page, "手元資金の運用金利", "", "0.1%");
    for (int i = 1; i < 8; ++i) AddRow(page, "", "", "");
    CLometricRecordDC dc;
    Draw(page, dc);
    EXPECT_EQ(Where(dc, u8"0.1%"), CPoint(10 * u + (30 * u - 4 * c) / 2, -2 * H));
    EXPECT_EQ(Where(dc, u8"項    目    名").y, -4 * H);
    EXPECT_TRUE(HasLine(dc, (W - 8) * u, -4 * H, (W - 8) * u, -35 * H));
}

TEST(PremisePages, ReportKindsPlaceThePagesInTwoHalves)
{
    SetTestPrintSettings();
    CTavResultClass result;
    result.m_sizePaper = kSheet;
    const struct {
        int nKind;
        const char8_t* pszTitle;
        CPoint origin;
    } cases[] = {
        {0, u8"基本条件", CPoint(0, 0)},
        {0, u8"計画建物の概要", CPoint(0, 17 * H)},
        {0, u8"減価償却", CPoint(0, 33 * H)},
        {0, u8"資本的支出借入金詳細", CPoint(-W * u - 100, 0)},
        {0, u8"税金", CPoint(-W * u - 100, 26 * H)},
        {1, u8"その他の前提条件", CPoint(0, 0)},
        {1, u8"プロジェクト以外の条件", CPoint(-W * u - 100, 0)},
    };
    for (const auto& test : cases) {
        result.SetItemFlag(test.nKind);
        CLometricRecordDC dc;
        result.ReportDraw(&dc, 1);
        const std::vector<CDrawRecord> found = TextsNamed(dc, U8(test.pszTitle));
        ASSERT_FALSE(found.empty()) << U8(test.pszTitle);
        EXPECT_EQ(found[0].origin, test.origin) << U8(test.pszTitle);
    }
    // Page 6 follows page 5 on the left; page 5 heads a column with the same text.
    result.SetItemFlag(0);
    CLometricRecordDC dc;
    result.ReportDraw(&dc, 1);
    EXPECT_EQ(TextsNamed(dc, U8(u8"資本的支出"))[1].origin, CPoint(0, 48 * H));
}

TEST(PremisePages, AShortOrForeignRowArrayDrawsFrameAndHeadsOnly)
{
    CResultDepreciationDataClass page;
    page.m_strBookValueTitle = "圧縮簿価";
    for (int i = 0; i < 6; ++i) AddRow(page, "本体", "", "定額法\n 47年\n無\n無\n1,000");
    CLometricRecordDC dc;
    Draw(page, dc);
    EXPECT_TRUE(TextsNamed(dc, U8(u8"本体")).empty());
    EXPECT_TRUE(TextsNamed(dc, U8(u8"圧縮簿価")).empty());
    EXPECT_EQ(TextsNamed(dc, U8(u8"簿価（千円）")).size(), 1u);

    // A row of another kind is skipped; the item rows around it are drawn.
    page.m_pItemArray->Add(new CCountedRow);
    delete page.m_pItemArray->GetAt(2);
    page.m_pItemArray->SetAt(2, new CCountedRow);
    CLometricRecordDC dc2;
    Draw(page, dc2);
    EXPECT_EQ(TextsNamed(dc2, U8(u8"本体")).size(), 5u);
}
