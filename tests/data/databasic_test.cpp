#include <gtest/gtest.h>

#include "data/databasic.h"
#include "tests/data/sheetprobe.h"
#include "tests/support/utf8.h"

namespace {

// Every member set to a value of its own.
void FillBasic(CDataBasicClass& b)
{
    b.strProjectName = "駅前ビル";
    for (int i = 0; i < 5; ++i) {
        b.astrSubTitle[i] = CString("副題") + char('0' + i);
        b.astrFileName[i] = CString("file") + char('0' + i);
    }
    b.strLogoFile = "logo.bmp";
    b.nTaxMethod = 4;
    b.nConsumptionTaxMethod = 1;
    b.dBusinessRatio = 12.5;
    b.nInputMethod = 1;
    b.nFundReportMode = 2;
    b.nLandRentConstructRatio = 50;
    b.bLandRentConstructRatioSet = 1;
    b.bCoverTitleSet = 1;
    b.bNoTsuboPricePrint = 1;
    b.nLossCarryMethod = 1;
    b.bPrintCoverLogo = 1;
    b.bLossCarryBack = 1;
    for (int i = 0; i < 22; ++i) b.anSpare[i] = 100 + i;
}

// The members that InitData leaves alone.
void ExpectKeptMembers(const CDataBasicClass& b)
{
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(b.astrSubTitle[i], CString("副題") + char('0' + i));
        EXPECT_EQ(b.astrFileName[i], CString("file") + char('0' + i));
    }
    EXPECT_EQ(b.strLogoFile, "logo.bmp");
    EXPECT_EQ(b.nFundReportMode, 2);
    EXPECT_EQ(b.nLandRentConstructRatio, 50);
    EXPECT_EQ(b.bLandRentConstructRatioSet, 1);
    EXPECT_EQ(b.bCoverTitleSet, 1);
    EXPECT_EQ(b.bNoTsuboPricePrint, 1);
    EXPECT_EQ(b.nLossCarryMethod, 1);
    EXPECT_EQ(b.bPrintCoverLogo, 1);
    EXPECT_EQ(b.bLossCarryBack, 1);
    for (int i = 0; i < 22; ++i) EXPECT_EQ(b.anSpare[i], 100 + i);
}

void ExpectAllMembers(const CDataBasicClass& b)
{
    EXPECT_EQ(b.strProjectName, "駅前ビル");
    EXPECT_EQ(b.nTaxMethod, 4);
    EXPECT_EQ(b.nConsumptionTaxMethod, 1);
    EXPECT_EQ(b.dBusinessRatio, 12.5);
    EXPECT_EQ(b.nInputMethod, 1);
    ExpectKeptMembers(b);
}

class DataBasicSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        FillBasic(m_basic);
        m_basic.CreatePrintArray(1);
    }
    void TearDown() override { m_basic.DestroyPrintArray(); }

    CDataBasicClass m_basic;
    CRecordDC m_dc;
};

} // namespace

TEST(DataBasic, StartsEmptyAndZero)
{
    CDataBasicClass b;
    EXPECT_TRUE(b.strProjectName.IsEmpty());
    EXPECT_TRUE(b.astrSubTitle[4].IsEmpty());
    EXPECT_EQ(b.nTaxMethod, 0);
    EXPECT_EQ(b.dBusinessRatio, 0);
    EXPECT_EQ(b.nLossCarryMethod, 0);
    EXPECT_EQ(b.anSpare[21], 0);
}

TEST(DataBasic, CopiesEveryMember)
{
    CDataBasicClass b;
    FillBasic(b);
    b.SetTitle("T");
    b.SetPage(2);
    b.SetPrintFlag(4, 1);
    CDataBasicClass copy(b);
    ExpectAllMembers(copy);
    CDataBasicClass assigned;
    assigned = b;
    ExpectAllMembers(assigned);
    EXPECT_EQ(assigned.m_strTitle, "T");
    EXPECT_EQ(assigned.GetPage(), 2);
    EXPECT_EQ(assigned.m_anPrintFlag[5][4], 1);
}

TEST(DataBasic, InitAndDestroyResetOnlyNameMethodsAndShare)
{
    for (bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "DestroyData" : "InitData");
        CDataBasicClass b;
        FillBasic(b);
        b.SetPrintFlag(1, 1);
        if (destroy) b.DestroyData();
        else b.InitData();
        EXPECT_TRUE(b.strProjectName.IsEmpty());
        EXPECT_EQ(b.nTaxMethod, 0);
        EXPECT_EQ(b.nConsumptionTaxMethod, 0);
        EXPECT_EQ(b.dBusinessRatio, 0);
        EXPECT_EQ(b.nInputMethod, 0);
        EXPECT_EQ(b.m_anPrintFlag[0][1], 0);
        ExpectKeptMembers(b);
    }
}

TEST_F(DataBasicSheetTest, DrawsTitleLabelsChoicesAndValues)
{
    EXPECT_EQ(PageCounts(m_basic), (std::array<int, 6>{4, 6, 6, 6, 10, 11}));
    m_basic.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 750));
    ASSERT_FALSE(m_dc.Texts().empty());
    EXPECT_EQ(m_dc.Texts()[0], U8(u8"基本条件"));
    EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Text)[1].origin, CPoint(0, 750));
    ExpectDrawnLabels(m_dc, {
        // Labels, centred in x 0 to 4000; the taxation label in the middle of its three rows.
        {U8(u8"プロジェクト名"), 0, 1, 4000},
        {U8(u8"課税方法"), 2, 1, 4000},
        {U8(u8"消費税課税方式"), 4, 1, 4000},
        {U8(u8"事業割合"), 5, 1, 4000},
        {U8(u8"事業収入／支出"), 6, 1, 4000},
        {U8(u8"データ入力方法"), 7, 1, 4000},
        // Choice texts right of their boxes, left-aligned.
        {U8(u8"個人"), 1, 4400, 4401},
        {U8(u8"資本金１億円以下の法人"), 1, 11600, 11601},
        {U8(u8"資本金１億円超～１０億円以下の法人"), 2, 4400, 4401},
        {U8(u8"資本金１０億円超の法人"), 2, 11600, 11601},
        {U8(u8"非課税"), 3, 4400, 4401},
        {U8(u8"通常課税方式"), 4, 4400, 4401},
        {U8(u8"簡易課税方式"), 4, 11600, 11601},
        {U8(u8"％"), 5, 11200, 11201},
        {U8(u8"消費税込みの金額を入力する"), 6, 4400, 4401},
        {U8(u8"消費税別の金額を入力する"), 6, 11600, 11601},
        // Values: the name left-aligned, the share right-aligned before x 11200.
        {U8(u8"駅前ビル"), 0, 4000, 4001},
        {"12.5", 5, 8000, 11200},
    });
    // Ticks: "非課税", "簡易課税方式" and the right box of rows 7 and 8.
    EXPECT_EQ(TickedCells(m_basic.m_apData[0]), (std::vector<int>{5, 7, 10}));
    EXPECT_EQ(CellRect(m_basic.m_apData[0], 5), CRect(4000, -1500, 4400, -2000));
    EXPECT_EQ(CellRect(m_basic.m_apData[0], 10), CRect(11200, -3000, 11600, -4000));
    auto lines = m_dc.RecordsOf(CDrawRecord::Line);
    ASSERT_EQ(lines.size(), 4u + 6 + 6 + 3 * 2);
    EXPECT_EQ(lines[16].rc.left, 4000 + 100); // first tick stroke, in the "非課税" box
    EXPECT_EQ(lines[16].origin, CPoint(0, 750));
}

TEST_F(DataBasicSheetTest, LinesFollowTheRows)
{
    const CRect wlines[] = {{0, -500, 18000, -500},      {4000, -1000, 18000, -1000}, {4000, -1500, 18000, -1500},
                            {0, -2000, 18000, -2000},    {0, -2500, 18000, -2500},    {0, -3000, 18000, -3000}};
    const CRect hlines[] = {{4000, 0, 4000, -4000},      {4400, -500, 4400, -2500},   {4400, -3000, 4400, -4000},
                            {11600, -500, 11600, -2500}, {11600, -3000, 11600, -4000}, {11200, -500, 11200, -4000}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(CellRect(m_basic.m_apWLine[0], i), wlines[i]) << "W-line " << i;
        EXPECT_EQ(CellRect(m_basic.m_apHLine[0], i), hlines[i]) << "H-line " << i;
    }
}

TEST_F(DataBasicSheetTest, ValuesFollowTheMembers)
{
    const struct { double ratio; const char* text; int tax, consumption, input; std::vector<int> ticked; } cases[] = {
        {12.50, "12.5", 0, 0, 0, {1, 6, 9}},
        {100, "100", 1, 1, 1, {2, 7, 10}},
        {33.333, "33.333", 3, 0, 0, {4, 6, 9}},
        // Values outside their groups (a damaged file) tick nothing.
        {0, "0", 5, 2, -1, {}},
        {0, "0", -1, -1, 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_basic.dBusinessRatio = c.ratio;
        m_basic.nTaxMethod = c.tax;
        m_basic.nConsumptionTaxMethod = c.consumption;
        m_basic.nInputMethod = c.input;
        EXPECT_TRUE(m_basic.SetDataData(0));
        EXPECT_EQ(CellBytes(m_basic.m_apData[0], 8), c.text);
        EXPECT_EQ(GetPrintItem(m_basic.m_apData[0], 8)->m_nAlign, 2);
        EXPECT_EQ(TickedCells(m_basic.m_apData[0]), c.ticked);
    }
}

TEST_F(DataBasicSheetTest, BlankFormHasNoValuesOrTicks)
{
    m_basic.SetPrintFlag(4, 1);
    m_basic.ReportDraw(&m_dc);
    EXPECT_EQ(FindDrawnText(m_dc, U8(u8"駅前ビル")), nullptr);
    EXPECT_EQ(FindDrawnText(m_dc, "12.5"), nullptr);
    EXPECT_EQ(m_dc.Texts().size(), 1u + 6 + 10);
    EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Line).size(), 16u);
}

TEST(DataBasicSheet, WithoutArraysFillingFails)
{
    CDataBasicClass b;
    EXPECT_FALSE(b.SetDataData(0));
}

TEST_F(DataBasicSheetTest, PictureOfTheSheet)
{
    QImage image = RenderSheet([&](CDC* pDC) { m_basic.ReportDraw(pDC); }, 210, 80);
    SaveArtifact(image, "data_basic");
    EXPECT_GT(CountInk(image), 1000);
}
