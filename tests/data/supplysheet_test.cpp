#include <gtest/gtest.h>

#include <memory>

#include "data/datasupply.h"
#include "tests/data/drawnsheet.h"
#include "tests/data/sheetrecords.h"
#include "tests/support/utf8.h"

namespace {

class SupplySheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        FillSupply(m_record);
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
    CDataLoanClass& Loan(int i) { return m_record.m_aLoan[i]; }

    CDataSupplyClass m_record;
};

} // namespace

TEST_F(SupplySheet, TheRecordAndEachLoanBuildTheirBlocks)
{
    EXPECT_EQ(PageCounts(m_record, 0), (std::array<int, 6>{4, 6, 8, 7, 8, 7}));
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(Loan(i).m_nIndex, i);
        const std::array<int, 6> expected =
            i == 8 ? std::array<int, 6>{4, 12, 25, 17, 32, 30} : std::array<int, 6>{4, 13, 19, 18, 30, 29};
        EXPECT_EQ(PageCounts(Loan(i), 0), expected) << "loan " << i;
    }
}

TEST_F(SupplySheet, PagesStackTheirBlocksAtTheStatedDistances)
{
    const struct { int page; std::vector<const char8_t*> titles; std::vector<int> origins; int end; } pages[] = {
        {1, {u8"自己資金・資金ショート時の設定", u8"第1銀行", u8"第2銀行"}, {0, 750 + 4000, 2 * 750 + 11000}, 3 * 750 + 11000},
        {2, {u8"第3銀行", u8"第4銀行", u8"第5銀行"}, {0, 7750, 15500}, 23250},
        {3, {u8"土地購入用借入金", u8"資本的支出１"}, {0, 8750}, 17500},
        {4, {u8"第8銀行", u8"自動借入金"}, {0, 8750}, 9500},
    };
    for (const auto& p : pages) {
        const auto dc = Draw(p.page);
        SCOPED_TRACE(p.page);
        for (size_t i = 0; i < p.titles.size(); ++i) {
            CDrawnText t = LocateDrawnText(*dc, U8(p.titles[i]));
            EXPECT_EQ(t.nRow, 0) << U8(p.titles[i]);
            EXPECT_EQ(t.origin, CPoint(0, p.origins[i])) << U8(p.titles[i]);
        }
        EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, p.end));
    }
    for (int nPage : {0, 5}) EXPECT_TRUE(Draw(nPage)->Records().empty()) << "page " << nPage;
}

TEST_F(SupplySheet, LabelsSitAtTheirRows)
{
    const struct { int page; const char8_t* text; int n; int row; int origin; } labels[] = {
        {1, u8"自己資金", 1, 1, 750},            {1, u8"資金ショート時の設定", 0, 3, 750},
        {1, u8"抵当権設定登記料", 0, 6, 750},    {1, u8"返済方法", 0, 2, 750 + 4000 + 750},
        {1, u8"臨時返済", 0, 4, 5500},           {1, u8"返済期間４", 0, 13, 5500},
        {1, u8"千円（年額）", 0, 6, 5500},        {3, u8"土地購入用の借入項目として使用します。", 0, 15, 750},
        {4, u8"自動借入金", 1, 0, 8750 + 750},    {4, u8"臨時返済", 1, 3, 9500},
        {4, u8"剰余金返済", 0, 1, 9500},          {4, u8"返済期間１", 1, 9, 9500},
        {4, u8"※自動借入金を「利用しない」場合、この借入項目は設定しません。", 0, 13, 9500},
    };
    for (auto l : labels) {
        const auto dc = Draw(l.page);
        CDrawnText t = LocateDrawnText(*dc, U8(l.text), l.n);
        EXPECT_EQ(t.nRow, l.row) << U8(l.text);
        EXPECT_EQ(t.origin, CPoint(0, l.origin)) << U8(l.text);
    }
}

TEST_F(SupplySheet, AutomaticLoanPrintsEmptyWhenNotUsed)
{
    CDataLoanClass& autoLoan = Loan(8);
    m_record.SetDataData(0);
    EXPECT_EQ(Ticks(autoLoan, 0, 2), std::vector<int>{0});
    EXPECT_EQ(Cell(autoLoan, 7)->m_strText, "5");

    m_record.m_nAutoLoan = 1;
    m_record.SetDataData(0);
    EXPECT_EQ(Ticks(autoLoan, 0, 30), std::vector<int>{1});
    for (int i = 0; i < 30; ++i) EXPECT_TRUE(Cell(autoLoan, i)->m_strText.IsEmpty()) << "cell " << i;
    const auto dc = Draw(4);
    EXPECT_EQ(CountDrawnTicks(*dc), 3 + 1); // loan 8's method, fee and source, then "利用しない"
}

TEST_F(SupplySheet, TitlesFollowThePositionAndTheUse)
{
    const struct { int loan; int capitalYear; const char* bank; int landPurchase; const char* title; } cases[] = {
        {6, 3, "北銀行", 0, "資本的支出１"},
        {6, 0, "北銀行", 0, "北銀行"},
        {6, 0, "", 0, "借入金７"},
        {7, 1, "", 0, "資本的支出２"},
        {0, 5, "", 0, "借入金１"},
        {5, 0, "南銀行", 1, "土地購入用借入金"},
        {5, 0, "南銀行", 0, "南銀行"},
        {8, 0, "南銀行", 0, "自動借入金"},
    };
    for (const auto& c : cases) {
        Loan(c.loan).m_nCapitalPayYear = c.capitalYear;
        Loan(c.loan).m_strBankName = c.bank;
        m_record.m_nLandPurchaseLoan = c.landPurchase;
        m_record.SetDataData(0);
        EXPECT_EQ(Loan(c.loan).m_strTitle, c.title) << "loan " << c.loan;
    }
}

TEST_F(SupplySheet, LoanCellsHoldYearsRatesAndChoices)
{
    CDataLoanClass& loan = Loan(2);
    loan.m_aRepay[1] = {5, 5, 1.5};
    loan.m_aRepay[2] = {0, 0, 0};
    loan.m_aRepay[3] = {6, 5, 2};
    loan.nRepayMethod = 2; // the ordinary block has two method cells
    m_record.SetDataData(0);
    EXPECT_EQ(Cell(loan, 13)->m_strText, "5");
    EXPECT_EQ(Cell(loan, 15)->m_strText, "1.5");
    EXPECT_EQ(Cell(loan, 16)->m_strText, "1");
    EXPECT_EQ(Cell(loan, 20)->m_strText, "0");
    EXPECT_EQ(Cell(loan, 24)->m_strText, "0");
    EXPECT_EQ(Cell(loan, 11)->m_strText, "6");   // grace months
    EXPECT_EQ(Cell(loan, 8)->m_strText, "2,500.25");
    EXPECT_EQ(Cell(loan, 1)->m_strText, "122,001");
    EXPECT_TRUE(Ticks(loan, 2, 2).empty());
    EXPECT_EQ(Ticks(loan, 9, 2), std::vector<int>{1});
}

TEST_F(SupplySheet, ShortageLoanSettingsPrintOnlyWhenUsed)
{
    EXPECT_EQ(Cell(m_record, 4)->m_strText, "2.475");
    EXPECT_EQ(Ticks(m_record, 2, 5), (std::vector<int>{1, 4}));
    m_record.m_objShortLoan.nUse = 0;
    m_record.SetDataData(0);
    EXPECT_TRUE(Cell(m_record, 4)->m_strText.IsEmpty());
    EXPECT_EQ(Ticks(m_record, 2, 5), std::vector<int>{0});
    EXPECT_EQ(Cell(m_record, 0)->m_strText, "50,000");
    EXPECT_EQ(Cell(m_record, 1)->m_strText, "12,000.5");
}

TEST_F(SupplySheet, BlankFormReachesTheLoans)
{
    m_record.SetPrintFlag(4, 1);
    for (int nPage = 1; nPage <= 4; ++nPage) {
        const auto dc = Draw(nPage);
        EXPECT_EQ(CountDrawnTicks(*dc), 0) << "page " << nPage;
        EXPECT_EQ(CountDrawnText(*dc, "2,500.25"), 0) << "page " << nPage;
        EXPECT_GT(CountDrawnText(*dc, U8(u8"返済年数")), 0) << "page " << nPage;
    }
    EXPECT_EQ(Loan(7).m_anPrintFlag[3][4], 1);
    m_record.SetPrintFlag(4, 0);
    const auto dc = Draw(2);
    EXPECT_EQ(CountDrawnText(*dc, "2,500.25"), 3);
}

TEST(SupplySheetless, NothingIsDrawnWithoutTheSheet)
{
    CDataSupplyClass record;
    CRecordDC dc;
    record.SetPage(1);
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
    record.DestroyPrintArray();
}
