#include <gtest/gtest.h>

#include "platform/recorddc.h"
#include "platform/resource.h"
#include "tests/data/testsheet.h"
#include "tests/support/utf8.h"

namespace {

class DataClassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LOGFONT body, title;
        body.lfHeight = 388;
        title.lfHeight = 423;
        SetDataPrintFont(&body);
        SetDataPrintTitleFont(&title);
        LOGPEN pen, frame;
        frame.lopnWidth.x = 30;
        SetDataPrintPen(&pen);
        SetDataPrintFramePen(&frame);
        m_record.m_dAmount = 1234567;
        m_record.m_nChoice = 1;
        m_record.SetTitle("テスト");
        m_record.CreatePrintArray(1);
    }
    void TearDown() override { m_record.DestroyPrintArray(); }

    CTestSheetRecord m_record;
    CRecordDC m_dc;
};

} // namespace

TEST_F(DataClassTest, TitleMovesTheOriginDown)
{
    m_record.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 750));
    auto texts = m_dc.Texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], U8(u8"テスト"));
    EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Text)[0].font.lfHeight, 423);
    EXPECT_EQ(texts[1], U8(u8"プロジェクト名"));
    EXPECT_EQ(texts[3], U8(u8"千円"));
    EXPECT_EQ(texts[4], "1,234,567");
    // Everything after the title is drawn with the moved origin and the body font.
    auto records = m_dc.RecordsOf(CDrawRecord::Text);
    EXPECT_EQ(records[4].origin, CPoint(0, 750));
    EXPECT_EQ(records[4].font.lfHeight, 388);
    // Four frame lines with the frame pen, two inner lines, then the tick's two strokes.
    auto lines = m_dc.RecordsOf(CDrawRecord::Line);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0].pen.lopnWidth.x, 30);
    EXPECT_EQ(lines[4].pen.lopnWidth.x, 0);
    EXPECT_EQ(lines[6].rc.left, 4800 + 200); // tick in the second cell of the group
}

TEST_F(DataClassTest, FlagsSwitchPartsOff)
{
    const struct { int flag; size_t texts; size_t lines; CPoint origin; } cases[] = {
        {0, 4, 8, CPoint(0, 0)},
        {1, 5, 2, CPoint(0, 750)},
        {2, 3, 8, CPoint(0, 750)},
        {3, 4, 8, CPoint(0, 750)},
        {4, 4, 6, CPoint(0, 750)}, // blank form: no values and no ticks
    };
    for (auto c : cases) {
        CTestSheetRecord copy(m_record);
        copy.SetPrintFlag(c.flag, 1);
        CRecordDC dc;
        copy.ReportDraw(&dc);
        EXPECT_EQ(dc.Texts().size(), c.texts) << "flag " << c.flag;
        EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), c.lines) << "flag " << c.flag;
        EXPECT_EQ(dc.GetWindowOrg(), c.origin) << "flag " << c.flag;
    }
}

TEST_F(DataClassTest, CopiesShareTheSheetAndNeverFreeIt)
{
    {
        CTestSheetRecord copy(m_record);
        EXPECT_EQ(copy.m_apData[0], m_record.m_apData[0]);
        EXPECT_FALSE(copy.OwnsPrintArray());
        copy.DestroyPrintArray(); // drops its view of the shared arrays only
        EXPECT_EQ(copy.m_apData[0], nullptr);
    }
    m_record.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.Texts().size(), 5u);
}

TEST_F(DataClassTest, OwnerKeepsItsArraysWhenAssigned)
{
    CObArray* own = m_record.m_apData[0];
    CTestSheetRecord other;
    other.m_dAmount = 5;
    other.CreatePrintArray(1);
    m_record = other;
    EXPECT_EQ(m_record.m_apData[0], own);
    EXPECT_EQ(m_record.m_dAmount, 5);
    // A fresh record assigned onto the owner does not take its sheet away either.
    m_record = CTestSheetRecord();
    EXPECT_EQ(m_record.m_apData[0], own);
    other.DestroyPrintArray();
    other.DestroyPrintArray(); // twice is harmless
    m_record.SetDataData(0);
    m_record.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.Texts().back(), "0");
}

TEST_F(DataClassTest, RebuildingAndInitialisingKeepTheSheetSound)
{
    m_record.CreatePrintArray(1); // frees the arrays it had first
    EXPECT_EQ(m_record.m_apData[0]->GetSize(), 3);
    m_record.SetPrintFlag(4, 1);
    m_record.SetPage(2);
    m_record.InitData();
    EXPECT_NE(m_record.m_apData[0], nullptr);
    EXPECT_EQ(m_record.m_anPrintFlag[9][4], 0);
    EXPECT_EQ(m_record.GetPage(), 0);
    EXPECT_TRUE(m_record.m_strTitle.IsEmpty());
}

TEST(DataClassBase, WithoutSheetNothingIsDrawn)
{
    CTestSheetRecord record;
    EXPECT_EQ(record.m_apFrame[0], nullptr);
    CRecordDC dc;
    record.ReportDraw(&dc);
    record.DestroyPrintArray();
    EXPECT_TRUE(dc.Records().empty());
    CDataClass base;
    base.CreatePrintArray(0);
    EXPECT_EQ(base.m_apItem[0], nullptr);
}

TEST(DataClassBase, StringsComeFromTheDataLibraryWhateverModuleIsCurrent)
{
    HINSTANCE other = RegisterStringTable("OtherModule.DLL", {{10101, "別のモジュール"}});
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(other);
    CDataClass record;
    record.SetTitle(10101u);
    EXPECT_EQ(record.m_strTitle, "プロジェクト名");
    EXPECT_EQ(AfxGetResourceHandle(), other);
    record.SetTitle(59999u);
    EXPECT_TRUE(record.m_strTitle.IsEmpty());
    AfxSetResourceHandle(previous);
}

TEST(DataClassBase, PrintSettingsAreStoredWhole)
{
    LOGFONT lf;
    lf.lfHeight = 388;
    lf.lfWeight = FW_BOLD;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "ＭＳ 明朝");
    SetDataPrintFont(&lf);
    EXPECT_EQ(GetDataPrintFont()->lfWeight, FW_BOLD);
    EXPECT_STREQ(GetDataPrintFont()->lfFaceName, "ＭＳ 明朝");
    LOGPEN lp;
    lp.lopnStyle = PS_DOT;
    lp.lopnWidth.x = 5;
    SetDataPrintFramePen(&lp);
    EXPECT_EQ(GetDataPrintFramePen()->lopnStyle, PS_DOT);
    EXPECT_EQ(GetDataPrintFramePen()->lopnWidth.x, 5);
}
