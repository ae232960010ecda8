#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/recorddc.h"
#include "sheet/sheetlayout.h"
#include "tax/taxheader.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"
#include "tests/tax/sheetgeometry.h"

namespace {

class TaxPageFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings(SetTaxPrintFont, SetTaxPrintTitleFont, SetTaxPrintPen, SetTaxPrintFramePen);
        m_header.SetDate("2024年4月1日 印刷");
        m_header.SetProjectName("駅前賃貸ビル計画");
        m_header.SetDataName("固定資産税・都市計画税");
        m_header.CreatePrintArray(1);
        m_memo.CreatePrintArray(1);
    }
    void TearDown() override
    {
        m_header.DestroyPrintArray();
        m_memo.DestroyPrintArray();
    }

    CTaxHeaderClass m_header;
    CTaxMemoClass m_memo;
};

} // namespace

TEST_F(TaxPageFrameTest, HeaderFillsItsCellsAsItDrawsAndLeavesTheOrigin)
{
    EXPECT_EQ(m_header.m_apSubItem[0]->GetSize(), 0);
    EXPECT_TRUE(GetPrintItem(m_header.m_apData[0], 1)->m_strText.IsEmpty());
    CRecordDC dc;
    m_header.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{U8(u8"プロジェクト名"), U8(u8"税金名"), U8(u8"2024年4月1日 印刷"),
                                                    U8(u8"駅前賃貸ビル計画"), U8(u8"固定資産税・都市計画税")}));
    const std::vector<CDrawRecord> texts = dc.RecordsOf(CDrawRecord::Text);
    EXPECT_EQ(texts[0].rc.left, 0);                    // labels start at the left
    EXPECT_GT(PageBoxOf(texts[2]).right, 18000 - 400); // the date ends at the right edge
    EXPECT_EQ(texts[3].rc.left, 4800);
    EXPECT_EQ(-texts[4].rc.top / 500, 2);
    const std::vector<CDrawRecord> lines = dc.RecordsOf(CDrawRecord::Line);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].pen.lopnWidth.x, SheetFramePen().lopnWidth.x);
    EXPECT_EQ(ExtentOf(dc.Records(), 0, dc.Records().size()).bottom, -1500);
    EXPECT_EQ(TextsCrossedByLines(dc.Records()), std::vector<std::string>{});
    SaveArtifact(RenderSheet([&](CDC* pDC) { m_header.ReportDraw(pDC); }), "tax_sheet_header");
}

TEST_F(TaxPageFrameTest, HeaderWithValuesOffKeepsItsCellsEmpty)
{
    m_header.SetPrintFlag(4, 1);
    CRecordDC dc;
    m_header.ReportDraw(&dc);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{U8(u8"プロジェクト名"), U8(u8"税金名")}));
    EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), 7u);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(GetPrintItem(m_header.m_apData[0], i)->m_strText.IsEmpty()) << i;
}

TEST_F(TaxPageFrameTest, LongTaxNamesAreClippedAtTheRightEdge)
{
    CString names = "固定資産税";
    for (int i = 0; i < 10; ++i) names += "・固定資産税";
    m_header.SetDataName(names);
    CRecordDC dc;
    m_header.ReportDraw(&dc);
    const CDrawRecord last = dc.RecordsOf(CDrawRecord::Text).back();
    EXPECT_EQ(last.text, CP932ToUtf8(names));
    ASSERT_TRUE(last.clip.has_value());
    EXPECT_EQ(last.clip->right, 18000);
}

TEST_F(TaxPageFrameTest, HeaderCopiesCarryTheStringsAndShareTheSheet)
{
    CTaxHeaderClass copy(m_header);
    EXPECT_EQ(copy.m_strProjectName, "駅前賃貸ビル計画");
    EXPECT_EQ(copy.m_apData[0], m_header.m_apData[0]);
    CTaxHeaderClass assigned;
    assigned = m_header;
    EXPECT_EQ(assigned.m_strDate, m_header.m_strDate);
    EXPECT_EQ(assigned.m_strDataName, m_header.m_strDataName);
    assigned.DestroyData(); // does nothing on the header
    EXPECT_EQ(assigned.m_strDataName, m_header.m_strDataName);
    assigned.InitData();
    EXPECT_TRUE(assigned.m_strDate.IsEmpty() && assigned.m_strProjectName.IsEmpty() && assigned.m_strDataName.IsEmpty());
}

TEST_F(TaxPageFrameTest, MemoIsAnEmptyBoxUnderItsTitle)
{
    CRecordDC dc;
    m_memo.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750));
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{U8(u8"メモ"), U8(u8"部署名"), U8(u8"担当者"), U8(u8"－備考－")}));
    const std::vector<CDrawRecord> texts = dc.RecordsOf(CDrawRecord::Text);
    EXPECT_GT(texts[1].rc.left, 0);  // centred in its cell
    EXPECT_EQ(texts[3].rc.left, 0);  // the remarks label on the left
    EXPECT_EQ(-texts[3].rc.top / 500, 2);
    EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), 7u);
    const PageBox extent = ExtentOf(dc.Records(), 0, dc.Records().size());
    EXPECT_EQ(extent.bottom, -750 - 4000);
    EXPECT_EQ(TextsCrossedByLines(dc.Records()), std::vector<std::string>{});
    SaveArtifact(RenderSheet([&](CDC* pDC) { m_memo.ReportDraw(pDC); }), "tax_sheet_memo");
}

TEST_F(TaxPageFrameTest, OtherPagesAreNeitherReadNorWritten)
{
    for (int page : {-1, 1, 10}) {
        SCOPED_TRACE(page);
        EXPECT_FALSE(m_header.SetFramePoint(page));
        EXPECT_FALSE(m_header.SetWLinePoint(page));
        EXPECT_FALSE(m_header.SetHLinePoint(page));
        EXPECT_FALSE(m_header.SetItemPoint(page));
        EXPECT_FALSE(m_header.SetDataPoint(page));
        EXPECT_FALSE(m_memo.SetFramePoint(page));
        EXPECT_FALSE(m_memo.SetItemPoint(page));
        EXPECT_FALSE(m_memo.SetItemData(page));
    }
    CTaxMemoClass memo;
    memo.SetPrintFlag(0, 1);
    memo.DestroyData(); // resets the print state
    EXPECT_EQ(memo.m_anPrintFlag[0][0], 0);
}
