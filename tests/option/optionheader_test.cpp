#include "option/optionheader.h"
#include "tests/option/optionsamples.h"
#include "tests/option/optiontest.h"
#include "tests/support/utf8.h"

namespace {

using HeaderSheetTest = OptionSheetTest;

} // namespace

TEST(OptionHeader, CopiesKeepTheTextsAndDestroyDataKeepsThem)
{
    COptionHeaderClass header;
    FillSample(header);
    header.m_nPage = 1;
    ExpectCopiesKeepValues(header, [](const COptionHeaderClass& a, const COptionHeaderClass& b) {
        return a.m_strDate == b.m_strDate && a.m_strProjectName == b.m_strProjectName &&
               a.m_strDataName == b.m_strDataName;
    });
    header.DestroyData();
    EXPECT_EQ(header.m_strProjectName, "駅前ビル計画");
    header.InitData();
    EXPECT_TRUE(header.m_strDate.IsEmpty());
    EXPECT_TRUE(header.m_strProjectName.IsEmpty());
    EXPECT_TRUE(header.m_strDataName.IsEmpty());
    EXPECT_EQ(header.m_nPage, 0);
}

TEST_F(HeaderSheetTest, HeaderDrawsItsTextsWithoutTitleOrMove)
{
    COptionHeaderClass r;
    r.CreatePrintArray(1);
    r.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.Texts(), (std::vector<std::string>{U8(u8"プロジェクト名"), U8(u8"オプション名")}));
    EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Line).size(), 7u);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 0));

    FillSample(r);
    CRecordDC dc;
    r.ReportDraw(&dc);
    ASSERT_EQ(dc.Texts().size(), 5u);
    EXPECT_EQ(dc.Texts()[2], U8(u8"2024年4月1日"));
    EXPECT_EQ(ItemAt(r.m_apData[0], 0)->m_nAlign, 2);
    EXPECT_EQ(ItemAt(r.m_apData[0], 2)->m_strText, "標準");
    EXPECT_EQ(ItemAt(r.m_apData[0], 2)->m_nAlign, 0);
    EXPECT_EQ(ItemAt(r.m_apItem[0], 1)->m_nAlign, 0);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));

    // Without values the texts stay out of the cells.
    COptionHeaderClass blank;
    blank.CreatePrintArray(1);
    blank.m_anPrintFlag[0][4] = 1;
    FillSample(blank);
    CRecordDC dc2;
    blank.ReportDraw(&dc2);
    EXPECT_EQ(dc2.Texts().size(), 2u);
    EXPECT_TRUE(ItemAt(blank.m_apData[0], 1)->m_strText.IsEmpty());
    blank.DestroyPrintArray();
    r.DestroyPrintArray();
}

TEST_F(HeaderSheetTest, MemoPrintsTheSameEmptyBoxEachTime)
{
    for (int i = 0; i < 2; ++i) {
        COptionMemoClass memo;
        memo.CreatePrintArray(1);
        CRecordDC dc;
        memo.ReportDraw(&dc);
        EXPECT_EQ(dc.Texts(), (std::vector<std::string>{U8(u8"メモ"), U8(u8"部署名"), U8(u8"担当者"),
                                                         U8(u8"－備考－")}));
        EXPECT_EQ(ItemAt(memo.m_apItem[0], 1)->m_nAlign, 1);
        EXPECT_EQ(ItemAt(memo.m_apItem[0], 2)->m_nAlign, 0);
        EXPECT_EQ(ItemAt(memo.m_apItem[0], 2)->m_nY1, -1000);
        EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), 7u);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750));
        memo.DestroyPrintArray();
    }
}
