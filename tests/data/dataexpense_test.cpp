#include <gtest/gtest.h>
#include <memory>

#include "data/dataexpense.h"
#include "tests/data/costtest.h"
#include "tests/support/utf8.h"

namespace {

void ExpectSameLine(const CDataExpenseMoneyClass& a, const CDataExpenseMoneyClass& b)
{
    EXPECT_EQ(a.nInputMethod, b.nInputMethod);
    EXPECT_EQ(a.dAmount, b.dAmount);
    EXPECT_EQ(a.nAccounting, b.nAccounting);
    EXPECT_EQ(a.nPayment, b.nPayment);
    EXPECT_EQ(a.m_strName, b.m_strName);
    EXPECT_EQ(a.m_strComment, b.m_strComment);
    EXPECT_EQ(a.m_nIndex, b.m_nIndex);
}

// Where each variant keeps its cells: array sizes, then the first value and
// first sub-label of the accounting and payment choices (-1: none).
struct LineLayout {
    ArraySizes sizes;
    int accountingCell, accountingLabel, paymentCell, paymentLabel;
};

const LineLayout kTotalOrTsubo{{4, 3, 8, 4, 12, 12}, 3, 3, 8, 8};
const LineLayout kShare{{4, 3, 10, 4, 13, 14}, 5, 4, 10, 9};
const LineLayout kInterest{{4, 3, 10, 3, 10, 10}, 5, 4, -1, -1};
const LineLayout kTotalOnly{{4, 3, 9, 4, 11, 10}, 1, 2, 6, 7};
const LineLayout kNamed{{4, 3, 8, 4, 10, 11}, 2, 1, 7, 6};

const LineLayout& LayoutOf(int nLine)
{
    static const LineLayout* layouts[] = {&kTotalOrTsubo, &kTotalOrTsubo, &kShare, &kInterest, &kTotalOnly,
                                          &kTotalOnly};
    return nLine < 6 ? *layouts[nLine] : kNamed;
}

class ExpenseSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        for (int i = 0; i < CDataExpenseOtherClass::kLineCount; ++i) {
            Line(i).dAmount = 1000.0 * (i + 1);
            Line(i).nAccounting = i % 5;
            Line(i).nPayment = i % 4;
        }
        Line(6).m_strName = "地盤調査費";
        m_record.CreatePrintArray(1);
    }
    void TearDown() override { m_record.DestroyPrintArray(); }

    CDataExpenseMoneyClass& Line(int i) { return m_record.m_aExpenseMoney[i]; }
    std::unique_ptr<CRecordDC> DrawPage(int nPage)
    {
        auto dc = std::make_unique<CRecordDC>();
        m_record.SetPage(nPage);
        m_record.ReportDraw(dc.get());
        return dc;
    }

    CDataExpenseOtherClass m_record;
};

} // namespace

TEST(ExpenseLine, InitDataKeepsCommentAndPosition)
{
    CDataExpenseMoneyClass line;
    EXPECT_EQ(line.m_nIndex, 0);
    line.nInputMethod = 1;
    line.dAmount = 5;
    line.nAccounting = 3;
    line.nPayment = 2;
    line.m_strName = "測量費";
    line.m_strComment = "境界確定";
    line.m_nIndex = 9;
    line.InitData();
    EXPECT_EQ(line.nInputMethod, 0);
    EXPECT_EQ(line.dAmount, 0.0);
    EXPECT_EQ(line.nAccounting, 0);
    EXPECT_EQ(line.nPayment, 0);
    EXPECT_TRUE(line.m_strName.IsEmpty());
    EXPECT_EQ(line.m_strComment, "境界確定");
    EXPECT_EQ(line.m_nIndex, 9);
}

TEST(ExpenseRecord, NumbersItsLinesAndCopiesThemWhole)
{
    CDataExpenseOtherClass record;
    for (int i = 0; i < CDataExpenseOtherClass::kLineCount; ++i) EXPECT_EQ(record.m_aExpenseMoney[i].m_nIndex, i);
    CDataExpenseMoneyClass& line = record.m_aExpenseMoney[7];
    line.nInputMethod = 1;
    line.dAmount = 12.5;
    line.nAccounting = 4;
    line.nPayment = 3;
    line.m_strName = "測量費";
    line.m_strComment = "境界確定";
    record.m_aExpenseMoney[2].m_nIndex = 40;
    record.InitData(); // renumbers only
    EXPECT_EQ(record.m_aExpenseMoney[2].m_nIndex, 2);
    EXPECT_EQ(line.dAmount, 12.5);
    EXPECT_EQ(line.m_strComment, "境界確定");

    record.CreatePrintArray(1);
    CDataExpenseOtherClass copy(record);
    CDataExpenseOtherClass assigned;
    assigned = record;
    for (int i = 0; i < CDataExpenseOtherClass::kLineCount; ++i) {
        ExpectSameLine(copy.m_aExpenseMoney[i], record.m_aExpenseMoney[i]);
        ExpectSameLine(assigned.m_aExpenseMoney[i], record.m_aExpenseMoney[i]);
    }
    EXPECT_EQ(copy.m_aExpenseMoney[7].m_apData[0], line.m_apData[0]);
    CDataExpenseMoneyClass single(line);
    ExpectSameLine(single, line);
    record.DestroyPrintArray();
}

TEST_F(ExpenseSheetTest, EachLineGetsItsVariant)
{
    for (int i = 0; i < CDataExpenseOtherClass::kLineCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PageCounts(Line(i)), LayoutOf(i).sizes);
        EXPECT_EQ(Cell(Line(i).m_apFrame[0], 1).m_nY1, -2000); // four rows
    }
    EXPECT_EQ(CellText(Line(0).m_apItem[0], 3), U8(u8"支払方法"));
    EXPECT_EQ(CellText(Line(6).m_apItem[0], 0), U8(u8"項目名"));
    EXPECT_EQ(CellText(Line(1).m_apSubItem[0], 2), U8(u8"坪あたり入力する"));
    EXPECT_EQ(CellText(Line(2).m_apSubItem[0], 3), U8(u8"工事費割合を入力する"));
    EXPECT_EQ(CellText(Line(3).m_apSubItem[0], 3), U8(u8"金利を入力する"));
    EXPECT_EQ(CellText(Line(4).m_apSubItem[0], 1), U8(u8"総額入力する"));
}

TEST_F(ExpenseSheetTest, EveryAccountingAndPaymentChoiceHasItsOwnCell)
{
    for (int i = 0; i < CDataExpenseOtherClass::kLineCount; ++i) {
        SCOPED_TRACE(i);
        const LineLayout& l = LayoutOf(i);
        CObArray* data = Line(i).m_apData[0];
        CObArray* labels = Line(i).m_apSubItem[0];
        ExpectOptionCells(data, l.accountingCell, labels, l.accountingLabel, 5, -1000);
        EXPECT_EQ(CellText(labels, l.accountingLabel + 4), U8(u8"事業外支出"));
        if (l.paymentCell < 0) continue;
        ExpectOptionCells(data, l.paymentCell, labels, l.paymentLabel, 4, -1500);
        EXPECT_EQ(CellText(labels, l.paymentLabel + 3), U8(u8"３期分割払"));
    }
}

TEST_F(ExpenseSheetTest, ChoicesTickTheirOwnCellsOnly)
{
    // Non-business expenditure paid in three instalments ticks the last cell
    // of each row; values outside a group tick nothing.
    const struct { int accounting, payment; std::vector<int> ticks; } cases[] = {
        {4, 3, {1, 7, 11}},
        {0, 0, {1, 3, 8}},
        {5, 4, {1}},
        {-1, -1, {1}},
    };
    for (const auto& c : cases) {
        Line(0).nAccounting = c.accounting;
        Line(0).nPayment = c.payment;
        Line(0).nInputMethod = 0;
        m_record.SetDataData(0);
        EXPECT_EQ(Ticks(Line(0).m_apData[0]), c.ticks) << c.accounting << "/" << c.payment;
    }
}

TEST_F(ExpenseSheetTest, ValuesAndTitlesFollowEachVariant)
{
    Line(2).nInputMethod = 1; // design fee as a share of the construction cost
    Line(2).dAmount = 3.5;
    Line(3).nInputMethod = 1; // interest as a rate
    Line(3).nPayment = 2;
    m_record.SetDataData(0);

    EXPECT_EQ(CellText(Line(0).m_apData[0], 0), "1,000");
    EXPECT_EQ(CellText(Line(2).m_apData[0], 0), "3.5");
    EXPECT_EQ(Ticks(Line(2).m_apData[0]), (std::vector<int>{2, 4, 7, 12}));
    // Interest has no payment cells: its fourth row is the note.
    EXPECT_EQ(Ticks(Line(3).m_apData[0]), (std::vector<int>{2, 4, 8}));
    const CPrintItemClass& note = Cell(Line(3).m_apSubItem[0], 9);
    EXPECT_EQ(CP932ToUtf8(note.m_strText), U8(u8"※ 建設期間中利息は、支払方法の設定はありません。"));
    EXPECT_EQ(note.m_nAlign, 1);
    EXPECT_EQ(note.m_nY1, -1500);
    EXPECT_EQ(Ticks(Line(5).m_apData[0]), (std::vector<int>{1, 7}));

    EXPECT_EQ(CellText(Line(6).m_apData[0], 0), U8(u8"地盤調査費"));
    EXPECT_EQ(CellText(Line(6).m_apData[0], 1), "7,000");
    EXPECT_EQ(CellText(Line(8).m_apData[0], 0), "");

    const char8_t* titles[] = {u8"購入した部分の土地代", u8"既存建物の取壊費", u8"設計監理費", u8"建設期間中利息",
                               u8"近隣対策費", u8"不動産手数料", u8"地盤調査費", u8"その他の費用２",
                               u8"その他の費用３", u8"その他の費用４", u8"その他の費用５", u8"その他の費用６",
                               u8"その他の費用７", u8"その他の費用８"};
    for (int i = 0; i < CDataExpenseOtherClass::kLineCount; ++i)
        EXPECT_EQ(CP932ToUtf8(Line(i).m_strTitle), U8(titles[i])) << i;
}

TEST_F(ExpenseSheetTest, PagesStackTheLinesBelowTheirTitles)
{
    m_record.SetDataData(0);
    const struct { int page; size_t lines; const char8_t* first; } cases[] = {
        {1, 6, u8"購入した部分の土地代"},
        {2, 8, u8"地盤調査費"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        auto dc = DrawPage(c.page);
        auto titles = Titles(*dc);
        ASSERT_EQ(titles.size(), c.lines);
        EXPECT_EQ(titles[0].text, U8(c.first));
        for (size_t i = 0; i < c.lines; ++i)
            EXPECT_EQ(titles[i].origin, CPoint(0, int(i) * 2750)); // title 750 plus four rows
        EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, int(c.lines) * 2750));
        ExpectTextsFit(*dc);
    }
    for (int page : {0, 3}) EXPECT_TRUE(DrawPage(page)->Records().empty()) << page;
}

TEST_F(ExpenseSheetTest, ValuesFlagPrintsBlankForms)
{
    m_record.SetDataData(0);
    EXPECT_EQ(CountTicks(*DrawPage(1)), 3 + 3 + 4 + 3 + 2 + 2); // no payment tick on the interest line
    m_record.SetPrintFlag(4, 1);
    for (int page : {1, 2}) {
        auto dc = DrawPage(page);
        EXPECT_EQ(CountTicks(*dc), 0);
        for (const std::string& text : dc->Texts()) EXPECT_EQ(text.find("000"), std::string::npos) << text;
        EXPECT_EQ(Titles(*dc).size(), page == 1 ? 6u : 8u);
    }
}

TEST_F(ExpenseSheetTest, PictureOfThePages)
{
    Line(2).nInputMethod = 1;
    m_record.SetDataData(0);
    for (int page : {1, 2}) {
        m_record.SetPage(page);
        QImage image = RenderSheet([&](CDC* pDC) { m_record.ReportDraw(pDC); });
        SaveArtifact(image, "cost_construction_phase_page" + std::to_string(page));
        EXPECT_GT(CountInk(image), 20000);
    }
}
