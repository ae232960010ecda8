#include <gtest/gtest.h>

#include "data/dataheader.h"
#include "tests/data/sheetprobe.h"
#include "tests/support/utf8.h"

namespace {

class DataHeaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        m_header.SetDate("2024年4月1日");
        m_header.SetProjectName("駅前ビル計画");
        m_header.SetDataName("建物概要");
        m_header.CreatePrintArray(1);
    }
    void TearDown() override { m_header.DestroyPrintArray(); }

    CDataHeaderClass m_header;
    CRecordDC m_dc;
};

} // namespace

TEST_F(DataHeaderTest, DrawsItsTextsWithoutTitleOrOriginMove)
{
    EXPECT_EQ(PageCounts(m_header), (std::array<int, 6>{4, 2, 1, 2, 0, 3}));
    m_header.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 0));
    EXPECT_EQ(m_dc.Texts(), (std::vector<std::string>{U8(u8"プロジェクト名"), U8(u8"データ名"), U8(u8"2024年4月1日"),
                                                      U8(u8"駅前ビル計画"), U8(u8"建物概要")}));
    ExpectDrawnLabels(m_dc, {
        {U8(u8"プロジェクト名"), 1, 0, 1},   // left-aligned in x 0 to 4800
        {U8(u8"データ名"), 2, 0, 1},
        {U8(u8"2024年4月1日"), 0, 12000, 18000}, // right-aligned across the width
        {U8(u8"駅前ビル計画"), 1, 4800, 4801},
        {U8(u8"建物概要"), 2, 4800, 4801},
    });
    EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Text)[0].font.lfHeight, SheetBodyFont().lfHeight);
    auto lines = m_dc.RecordsOf(CDrawRecord::Line);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[6].rc, CRect(4800, -500, 4800, -1500));
    EXPECT_EQ(m_header.m_anPrintFlag[0][0], 0); // left as it was
}

TEST_F(DataHeaderTest, FlagsSwitchPartsOffAndNeverDrawATitle)
{
    const struct { int flag; size_t texts; size_t lines; } cases[] = {
        {0, 5, 7}, // the title flag changes nothing
        {1, 5, 0},
        {2, 3, 7},
        {4, 2, 7}, // blank form: lines and labels, no date and no names
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.flag);
        CDataHeaderClass copy(m_header);
        copy.SetPrintFlag(c.flag, 1);
        CRecordDC dc;
        copy.ReportDraw(&dc);
        EXPECT_EQ(dc.Texts().size(), c.texts);
        EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), c.lines);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
        EXPECT_EQ(copy.m_anPrintFlag[0][0], c.flag == 0 ? 1 : 0);
    }
}

TEST_F(DataHeaderTest, TextsFollowEachPage)
{
    m_header.ReportDraw(&m_dc);
    m_header.SetDataName("基本条件");
    CRecordDC dc;
    m_header.ReportDraw(&dc);
    EXPECT_EQ(dc.Texts().back(), U8(u8"基本条件"));
}

TEST(DataHeader, CopiesAndInitialisesItsTexts)
{
    CDataHeaderClass header;
    header.SetDate("令和6年");
    header.SetProjectName("A");
    header.SetDataName("B");
    header.SetTitle("T");
    header.SetPage(3);
    header.SetPrintFlag(4, 1);
    auto expectSame = [&](const CDataHeaderClass& c) {
        EXPECT_EQ(c.m_strDate, "令和6年");
        EXPECT_EQ(c.m_strProjectName, "A");
        EXPECT_EQ(c.m_strDataName, "B");
        EXPECT_EQ(c.m_strTitle, "T");
        EXPECT_EQ(c.GetPage(), 3);
        EXPECT_EQ(c.m_anPrintFlag[9][4], 1);
    };
    CDataHeaderClass copy(header);
    expectSame(copy);
    CDataHeaderClass assigned;
    assigned = header;
    expectSame(assigned);

    header.InitData();
    EXPECT_TRUE(header.m_strDate.IsEmpty());
    EXPECT_TRUE(header.m_strProjectName.IsEmpty());
    EXPECT_TRUE(header.m_strDataName.IsEmpty());
    EXPECT_EQ(header.m_anPrintFlag[9][4], 0);
    // Destroying the data keeps the texts: only the base's nothing runs.
    copy.DestroyData();
    EXPECT_EQ(copy.m_strDate, "令和6年");
}

TEST(DataMemo, DrawsTitleLinesAndLabelsTheSameEachTime)
{
    UseSheetPrintSettings();
    std::vector<CDrawRecord> first;
    for (int pass = 0; pass < 2; ++pass) {
        CDataMemoClass memo;
        memo.CreatePrintArray(1);
        EXPECT_EQ(PageCounts(memo), (std::array<int, 6>{4, 2, 1, 3, 0, 0}));
        CRecordDC dc;
        memo.ReportDraw(&dc);
        memo.DestroyPrintArray();
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750));
        EXPECT_EQ(dc.Texts(), (std::vector<std::string>{U8(u8"メモ"), U8(u8"部署名"), U8(u8"担当者"), U8(u8"－備考－")}));
        ExpectDrawnLabels(dc, {
            {U8(u8"部署名"), 0, 1, 3200},   // centred in x 0 to 3200
            {U8(u8"担当者"), 1, 1, 3200},
            {U8(u8"－備考－"), 2, 0, 1}, // left-aligned
        });
        auto lines = dc.RecordsOf(CDrawRecord::Line);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[0].rc, CRect(0, 0, 18000, 0));
        EXPECT_EQ(lines[1].rc, CRect(0, -4000, 18000, -4000));
        EXPECT_EQ(lines[6].rc, CRect(3200, 0, 3200, -1000));
        if (pass == 0) {
            first = dc.Records();
            continue;
        }
        ASSERT_EQ(dc.Records().size(), first.size());
        for (size_t i = 0; i < first.size(); ++i) {
            EXPECT_EQ(dc.Records()[i].rc, first[i].rc);
            EXPECT_EQ(dc.Records()[i].text, first[i].text);
        }
    }
}

TEST(DataHeaderSheets, PictureOfTheSheets)
{
    UseSheetPrintSettings();
    CDataHeaderClass header;
    header.SetDate("2024年4月1日");
    header.SetProjectName("駅前ビル計画");
    header.SetDataName("メモ");
    header.CreatePrintArray(1);
    CDataMemoClass memo;
    memo.CreatePrintArray(1);
    QImage image = RenderSheet([&](CDC* pDC) {
        header.ReportDraw(pDC);
        CPoint org = pDC->GetWindowOrg();
        pDC->SetWindowOrg(org.x, org.y + 2000);
        memo.ReportDraw(pDC);
    }, 210, 90);
    header.DestroyPrintArray();
    memo.DestroyPrintArray();
    SaveArtifact(image, "data_header_memo");
    EXPECT_GT(CountInk(image), 1000);
}
