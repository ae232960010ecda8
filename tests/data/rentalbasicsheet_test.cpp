#include <gtest/gtest.h>

#include <memory>

#include "data/datarentalbasic.h"
#include "tests/data/drawnsheet.h"
#include "tests/data/sheetrecords.h"
#include "tests/support/utf8.h"

namespace {

class RentalBasicSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        FillRentalBasic(m_record);
        m_record.CreatePrintArray(1);
    }
    void TearDown() override { m_record.DestroyPrintArray(); }

    std::unique_ptr<CRecordDC> Draw()
    {
        auto dc = std::make_unique<CRecordDC>();
        m_record.ReportDraw(dc.get());
        return dc;
    }

    CDataRentalBasicClass m_record;
};

// Title, then the section; the origin moves on by the section's rows.
constexpr int kSectionOrigin[] = {0, 750 + 1500, 2 * 750 + 4500, 3 * 750 + 7500, 4 * 750 + 10500, 5 * 750 + 12000};

} // namespace

TEST_F(RentalBasicSheet, SixSectionsWithTheirItems)
{
    const std::array<int, 6> counts[] = {
        {4, 1, 2, 2, 1, 2}, {4, 4, 7, 7, 12, 12}, {4, 4, 7, 7, 12, 12},
        {4, 4, 12, 9, 24, 24}, {4, 1, 4, 2, 3, 3}, {4, 5, 13, 8, 12, 11},
    };
    for (int k = 0; k < 6; ++k) EXPECT_EQ(PageCounts(m_record, k), counts[k]) << "section " << k;
    EXPECT_EQ(m_record.m_apData[6], nullptr);
}

TEST_F(RentalBasicSheet, SectionsFollowOneAnotherUnderTheirTitles)
{
    const auto dc = Draw();
    const char8_t* titles[] = {u8"賃貸種別名･契約期間", u8"入替率", u8"入居率", u8"賃料の変動", u8"敷金", u8"保証金"};
    for (int k = 0; k < 6; ++k) {
        CDrawnText t = LocateDrawnText(*dc, U8(titles[k]));
        EXPECT_EQ(t.origin, CPoint(0, kSectionOrigin[k])) << U8(titles[k]);
        EXPECT_EQ(t.nRow, 0);
    }
    EXPECT_EQ(dc->GetWindowOrg(), CPoint(0, kSectionOrigin[5] + 750));

    // Labels at their rows, drawn below the section's title.
    const struct { const char8_t* text; int n; int section; int row; } labels[] = {
        {u8"契約期間", 0, 0, 1},   {u8"４段階", 0, 1, 4},       {u8"入居率", 1, 2, 0},
        {u8"上昇/下降", 0, 3, 0},  {u8"４段階", 2, 3, 4},       {u8"変動しない", 0, 4, 1},
        {u8"返済方法", 0, 5, 2},   {u8"返済期間", 0, 5, 5},     {u8"金利", 0, 5, 3},
        {u8"※返済方法が「一括返済」の場合、据置期間，返済期間の設定は行いません。", 0, 5, 6},
    };
    for (auto l : labels) {
        CDrawnText t = LocateDrawnText(*dc, U8(l.text), l.n);
        EXPECT_EQ(t.nRow, l.row) << U8(l.text);
        EXPECT_EQ(t.origin, CPoint(0, kSectionOrigin[l.section] + 750)) << U8(l.text);
    }
    // Values: the name, a turnover step, a rent step's fall tick and the deposit choice.
    EXPECT_EQ(LocateDrawnText(*dc, U8(u8"住宅")).nRow, 0);
    EXPECT_EQ(Cell(m_record, 2, 1)->m_strText, "1.5");
    EXPECT_EQ(Ticks(m_record, 4, 2, 3), std::vector<int>{0});
    EXPECT_EQ(Ticks(m_record, 10, 2, 3), std::vector<int>{1});
    EXPECT_EQ(Ticks(m_record, 1, 2, 4), std::vector<int>{1});
}

TEST_F(RentalBasicSheet, SecurityRepaymentPrintsItsFirstPeriodUnlessLumpSum)
{
    CDataLoanClass& loan = m_record.m_objSecurityLoan;
    loan.m_aRepay[0] = {0, 6, 0.5};
    loan.m_aRepay[1] = {3, 12, 1.25};
    loan.m_aRepay[2] = {13, 20, 9.75};
    const struct { int method; std::vector<int> ticks; const char* cells[5]; } cases[] = {
        {0, {0}, {"6", "0.5", "3", "12", "1.25"}},
        {1, {1}, {"6", "0.5", "3", "12", "1.25"}},
        {2, {2}, {"", "", "", "", ""}},
        {3, {}, {"6", "0.5", "3", "12", "1.25"}},
    };
    for (const auto& c : cases) {
        loan.nRepayMethod = c.method;
        m_record.SetDataData(CDataRentalBasicClass::kSectionSecurity);
        SCOPED_TRACE(c.method);
        EXPECT_EQ(Ticks(m_record, 3, 3, 5), c.ticks);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(Cell(m_record, 6 + i, 5)->m_strText, c.cells[i]) << "cell " << 6 + i;
    }
    loan.nRepayMethod = 2;
    m_record.SetDataData(CDataRentalBasicClass::kSectionSecurity);
    const auto dc = Draw();
    EXPECT_EQ(CountDrawnText(*dc, "0.5"), 0);
    EXPECT_EQ(CountDrawnText(*dc, U8(u8"一括返済")), 1);
}

TEST_F(RentalBasicSheet, SetDataDataRefreshesOneSectionOrAll)
{
    m_record.m_strName = "店舗";
    m_record.nDepositChange = 0;
    m_record.m_aRate[CDataRentalBasicClass::kRateLive].m_aDataRate[0].dRate = 95;
    EXPECT_TRUE(m_record.SetDataData(6));
    EXPECT_TRUE(m_record.SetDataData(-2));
    EXPECT_EQ(Cell(m_record, 0, 0)->m_strText, "住宅");
    EXPECT_TRUE(m_record.SetDataData(CDataRentalBasicClass::kSectionLive));
    EXPECT_EQ(Cell(m_record, 2, 2)->m_strText, "95");
    EXPECT_EQ(Cell(m_record, 0, 0)->m_strText, "住宅");
    EXPECT_TRUE(m_record.SetDataData(-1));
    EXPECT_EQ(Cell(m_record, 0, 0)->m_strText, "店舗");
    EXPECT_EQ(Ticks(m_record, 1, 2, 4), std::vector<int>{0});
}

TEST_F(RentalBasicSheet, BlankFormPrintsEverythingButTheValues)
{
    const auto filled = Draw();
    m_record.SetPrintFlag(4, 1);
    const auto blank = Draw();
    int nValues = 0;
    for (int k = 0; k < 6; ++k)
        for (int i = 0; i < m_record.m_apData[k]->GetSize(); ++i)
            if (!Cell(m_record, i, k)->m_strText.IsEmpty()) ++nValues;
    EXPECT_EQ(blank->Texts().size() + nValues, filled->Texts().size());
    EXPECT_EQ(CountDrawnTicks(*blank), 0);
    EXPECT_GT(CountDrawnTicks(*filled), 0);
    EXPECT_EQ(CountDrawnText(*blank, U8(u8"住宅")), 0);
    EXPECT_EQ(CountDrawnText(*blank, U8(u8"賃料の変動に合わせる")), 2);
    EXPECT_EQ(blank->GetWindowOrg(), filled->GetWindowOrg());
}

TEST(RentalBasicSheetless, NothingIsDrawnWithoutTheSheet)
{
    CDataRentalBasicClass record;
    CRecordDC dc;
    record.ReportDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
}
