#include <cmath>
#include <gtest/gtest.h>

#include "data/dataoutline.h"
#include "tests/data/sheetprobe.h"
#include "tests/support/utf8.h"

namespace {

using C = CDataOutlineClass;
using Convert = void (C::*)(double);
using Field = double& (*)(C&);

// One area held in both units, with its two single conversions.
struct AreaPair {
    const char* name;
    Convert toHeibei, toTubo;
    Field tsubo, heibei;
};

const AreaPair kPairs[] = {
    {"TotalLand", &C::TotalLandTuboToHeibei, &C::TotalLandHeibeiToTubo,
     [](C& o) -> double& { return o.aLand[0].dTotalLand; }, [](C& o) -> double& { return o.aLand[1].dTotalLand; }},
    {"LeasedLand", &C::LeasedLandTuboToHeibei, &C::LeasedLandHeibeiToTubo,
     [](C& o) -> double& { return o.aLand[0].dLeasedLand; }, [](C& o) -> double& { return o.aLand[1].dLeasedLand; }},
    {"BuyLand", &C::BuyLandTuboToHeibei, &C::BuyLandHeibeiToTubo,
     [](C& o) -> double& { return o.aLand[0].dBuyLand; }, [](C& o) -> double& { return o.aLand[1].dBuyLand; }},
    {"DemolishBuild", &C::DemolishBuildTuboToHeibei, &C::DemolishBuildHeibeiToTubo,
     [](C& o) -> double& { return o.aBuilding[0].dDemolishBuild; },
     [](C& o) -> double& { return o.aBuilding[1].dDemolishBuild; }},
    {"PlanBuild", &C::PlanBuildTuboToHeibei, &C::PlanBuildHeibeiToTubo,
     [](C& o) -> double& { return o.aBuilding[0].dPlanBuild; }, [](C& o) -> double& { return o.aBuilding[1].dPlanBuild; }},
    {"UseBuild", &C::UseBuildTuboToHeibei, &C::UseBuildHeibeiToTubo,
     [](C& o) -> double& { return o.aBuilding[0].dUseBuild; }, [](C& o) -> double& { return o.aBuilding[1].dUseBuild; }},
    {"House", &C::HouseTuboToHeibei, &C::HouseHeibeiToTubo, [](C& o) -> double& { return o.aHouse[0].dHouse; },
     [](C& o) -> double& { return o.aHouse[1].dHouse; }},
};

// Every area member set to a sentinel of its own, to see what a conversion touched.
void MarkAreas(C& o)
{
    for (int i = 0; i < int(std::size(kPairs)); ++i) {
        kPairs[i].tsubo(o) = 1000 + i;
        kPairs[i].heibei(o) = 2000 + i;
    }
}

void ExpectOtherAreasMarked(C& o, int nPair)
{
    for (int i = 0; i < int(std::size(kPairs)); ++i) {
        if (i == nPair) continue;
        EXPECT_EQ(kPairs[i].tsubo(o), 1000 + i) << kPairs[i].name;
        EXPECT_EQ(kPairs[i].heibei(o), 2000 + i) << kPairs[i].name;
    }
}

constexpr double kFactor = 3.30578;

// Every member of the record set to a value of its own.
void FillOutline(C& o)
{
    o.nConstructMonths = 18;
    o.nAreaUnit = 1;
    o.nLeasedLandInput = 1;
    o.dLeasedLandRatio = 20.5;
    o.nBuyLandInput = 1;
    o.dBuyLandRatio = 79.5;
    o.nUseBuildInput = 1;
    o.dUseBuildRatio = 85;
    o.nHouseInput = 1;
    o.dHouseRatio = 60;
    o.nHouseCount = 24;
    MarkAreas(o);
    o.m_dSquareMeterPerTsubo = kFactor;
}

void ExpectFilled(C& o)
{
    EXPECT_EQ(o.nConstructMonths, 18);
    EXPECT_EQ(o.nAreaUnit, 1);
    EXPECT_EQ(o.nLeasedLandInput, 1);
    EXPECT_EQ(o.dLeasedLandRatio, 20.5);
    EXPECT_EQ(o.nBuyLandInput, 1);
    EXPECT_EQ(o.dBuyLandRatio, 79.5);
    EXPECT_EQ(o.nUseBuildInput, 1);
    EXPECT_EQ(o.dUseBuildRatio, 85);
    EXPECT_EQ(o.nHouseInput, 1);
    EXPECT_EQ(o.dHouseRatio, 60);
    EXPECT_EQ(o.nHouseCount, 24);
    ExpectOtherAreasMarked(o, -1);
    EXPECT_EQ(o.GetChange(), kFactor);
}

void ExpectAllZero(C& o)
{
    const tagDATAOUTLINE& t = o;
    for (int v : {t.nConstructMonths, t.nAreaUnit, t.nLeasedLandInput, t.nBuyLandInput, t.nUseBuildInput,
                  t.nHouseInput, t.nHouseCount})
        EXPECT_EQ(v, 0);
    for (double v : {t.dLeasedLandRatio, t.dBuyLandRatio, t.dUseBuildRatio, t.dHouseRatio}) EXPECT_EQ(v, 0);
    for (const AreaPair& p : kPairs) {
        EXPECT_EQ(p.tsubo(o), 0) << p.name;
        EXPECT_EQ(p.heibei(o), 0) << p.name;
    }
    EXPECT_EQ(o.GetChange(), 0);
}

} // namespace

// Worked by hand: r(x) = floor(x * 100 + 0.5) * 0.01 of tsubo x 3.30578 and m2 / 3.30578.
TEST(DataOutlineConversion, EveryAreaConvertsBothWaysToTwoDecimals)
{
    const struct { double tsubo; double heibeiCents; } toHeibei[] = {
        {100, 33058},      // 330.578
        {1, 331},          // 3.30578
        {0, 0},
        {-2, -661},        // -661.156 + 0.5 floors to -661, not -660
        {1234.56, 408118}, // 4081.1837...
        {99999.99, 33057797},
    };
    const struct { double heibei; double tsuboCents; } toTubo[] = {
        {330.58, 10000},  // 100.0006...
        {1000, 30250},    // 302.5004...
        {1652.89, 50000},
        {12345.67, 373457},
        {0.01, 0},
        {-2, -61},        // -60.5000... + 0.5 floors to -61
    };
    for (int i = 0; i < int(std::size(kPairs)); ++i) {
        const AreaPair& p = kPairs[i];
        SCOPED_TRACE(p.name);
        for (auto c : toHeibei) {
            C o;
            MarkAreas(o);
            o.SetChange(kFactor);
            (o.*p.toHeibei)(c.tsubo);
            EXPECT_EQ(p.tsubo(o), c.tsubo);
            EXPECT_EQ(p.heibei(o), c.heibeiCents * 0.01) << c.tsubo;
            ExpectOtherAreasMarked(o, i);
        }
        for (auto c : toTubo) {
            C o;
            MarkAreas(o);
            o.SetChange(kFactor);
            (o.*p.toTubo)(c.heibei);
            EXPECT_EQ(p.heibei(o), c.heibei);
            EXPECT_EQ(p.tsubo(o), c.tsuboCents * 0.01) << c.heibei;
            ExpectOtherAreasMarked(o, i);
        }
    }
}

TEST(DataOutlineConversion, MinusOneOrNanKeepsTheStoredSource)
{
    for (const AreaPair& p : kPairs) {
        SCOPED_TRACE(p.name);
        C o;
        o.SetChange(kFactor);
        (o.*p.toHeibei)(100.0);
        EXPECT_EQ(p.heibei(o), 33058 * 0.01);
        (o.*p.toTubo)(-1.0); // back from the stored 330.58
        EXPECT_EQ(p.heibei(o), 33058 * 0.01);
        EXPECT_EQ(p.tsubo(o), 10000 * 0.01);
        p.tsubo(o) = 200;
        (o.*p.toHeibei)(std::nan(""));
        EXPECT_EQ(p.tsubo(o), 200);
        EXPECT_EQ(p.heibei(o), 66116 * 0.01);
    }
}

// A factor that is not above 0 (0 after InitData) would store inf or NaN:
// it converts as 1.0, and the stored factor stays as set.
TEST(DataOutlineConversion, FactorNotAboveZeroConvertsAsOne)
{
    const struct { double factor; double value; double cents; } cases[] = {
        {0, 330.58, 33058},
        {-3.30578, 330.58, 33058},
        {std::nan(""), 330.58, 33058},
        {0, 0.125, 13},   // halves round upwards
        {0, -0.125, -12},
        {1.0, 0.125, 13},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.factor);
        C o;
        o.SetChange(c.factor);
        o.TotalLandHeibeiToTubo(c.value);
        EXPECT_EQ(o.aLand[0].dTotalLand, c.cents * 0.01) << c.value;
        o.HouseTuboToHeibei(c.value);
        EXPECT_EQ(o.aHouse[1].dHouse, c.cents * 0.01) << c.value;
        if (!std::isnan(c.factor)) {
            EXPECT_EQ(o.GetChange(), c.factor);
        }
    }
    C fresh;
    fresh.PlanBuildHeibeiToTubo(500);
    EXPECT_EQ(fresh.aBuilding[0].dPlanBuild, 500);
}

TEST(DataOutlineConversion, GroupsCopyIntoTheSourceUnitThenConvert)
{
    C o;
    FillOutline(o);
    tagDATALAND land{100, 30, 70};
    o.LandTuboToHeibei(&land);
    EXPECT_EQ(o.aLand[0].dTotalLand, 100);
    EXPECT_EQ(o.aLand[1].dTotalLand, 33058 * 0.01);
    EXPECT_EQ(o.aLand[1].dLeasedLand, 9917 * 0.01);  // 99.1734
    EXPECT_EQ(o.aLand[1].dBuyLand, 23140 * 0.01);    // 231.4046
    tagDATABUILDING building{0, 1652.89, 1000};
    o.BuildingHeibeiToTubo(&building);
    EXPECT_EQ(o.aBuilding[1].dPlanBuild, 1652.89);
    EXPECT_EQ(o.aBuilding[0].dDemolishBuild, 0);
    EXPECT_EQ(o.aBuilding[0].dPlanBuild, 50000 * 0.01);
    EXPECT_EQ(o.aBuilding[0].dUseBuild, 30250 * 0.01);
    tagDATAHOUSE house{1};
    o.HouseTuboToHeibei(&house);
    EXPECT_EQ(o.aHouse[1].dHouse, 331 * 0.01);
    // Choices, percentages and the entry unit are never touched.
    EXPECT_EQ(o.nAreaUnit, 1);
    EXPECT_EQ(o.nLeasedLandInput, 1);
    EXPECT_EQ(o.dLeasedLandRatio, 20.5);
    EXPECT_EQ(o.dHouseRatio, 60);
}

TEST(DataOutlineConversion, NullGroupsOnlyRecomputeTheOtherUnit)
{
    C o;
    o.SetChange(kFactor);
    o.aLand[1] = {1000, 330.58, 1652.89};
    o.aBuilding[1] = {1, 12345.67, 0.01};
    o.aHouse[1].dHouse = 1000;
    o.HeibeiToTubo(nullptr, nullptr, nullptr);
    EXPECT_EQ(o.aLand[0].dTotalLand, 30250 * 0.01);
    EXPECT_EQ(o.aLand[0].dLeasedLand, 10000 * 0.01);
    EXPECT_EQ(o.aLand[0].dBuyLand, 50000 * 0.01);
    EXPECT_EQ(o.aBuilding[0].dDemolishBuild, 30 * 0.01);
    EXPECT_EQ(o.aBuilding[0].dPlanBuild, 373457 * 0.01);
    EXPECT_EQ(o.aBuilding[0].dUseBuild, 0);
    EXPECT_EQ(o.aHouse[0].dHouse, 30250 * 0.01);
    EXPECT_EQ(o.aLand[1].dLeasedLand, 330.58);

    // The whole conversion mixes given and stored groups.
    tagDATABUILDING building{1, 2, 3};
    o.TuboToHeibei(nullptr, &building, nullptr);
    EXPECT_EQ(o.aLand[1].dTotalLand, 100000 * 0.01); // 302.5 tsubo: 999.99845
    EXPECT_EQ(o.aBuilding[1].dDemolishBuild, 331 * 0.01);
    EXPECT_EQ(o.aBuilding[1].dPlanBuild, 661 * 0.01);
    EXPECT_EQ(o.aBuilding[1].dUseBuild, 992 * 0.01);
}

TEST(DataOutline, CopiesEveryMemberAndResets)
{
    C o;
    FillOutline(o);
    o.SetTitle("T");
    o.SetPage(4);
    o.SetPrintFlag(2, 1);
    C copy(o);
    ExpectFilled(copy);
    C assigned;
    assigned = o;
    ExpectFilled(assigned);
    EXPECT_EQ(assigned.m_strTitle, "T");
    EXPECT_EQ(assigned.GetPage(), 4);
    EXPECT_EQ(assigned.m_anPrintFlag[7][2], 1);

    C fresh;
    ExpectAllZero(fresh);
    o.InitData();
    ExpectAllZero(o);
    EXPECT_TRUE(o.m_strTitle.IsEmpty());
    EXPECT_EQ(o.m_anPrintFlag[7][2], 0);
    copy.DestroyData();
    ExpectAllZero(copy);
}

namespace {

class DataOutlineSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings();
        m_outline.SetChange(kFactor);
        m_outline.nConstructMonths = 1234;
        m_outline.nAreaUnit = 1;
        m_outline.TotalLandHeibeiToTubo(12345.67);
        m_outline.LeasedLandHeibeiToTubo(1234.5);
        m_outline.nBuyLandInput = 1;
        m_outline.dBuyLandRatio = 1234.5;
        m_outline.BuyLandHeibeiToTubo(9999);
        m_outline.DemolishBuildHeibeiToTubo(1234.5);
        m_outline.PlanBuildHeibeiToTubo(2345.25);
        m_outline.nUseBuildInput = 1;
        m_outline.dUseBuildRatio = 80;
        m_outline.HouseHeibeiToTubo(1500.5);
        m_outline.nHouseCount = 1200;
        m_outline.CreatePrintArray(1);
    }
    void TearDown() override { m_outline.DestroyPrintArray(); }

    CObArray* Data() { return m_outline.m_apData[0]; }

    C m_outline;
    CRecordDC m_dc;
};

} // namespace

TEST_F(DataOutlineSheetTest, DrawsTitleLabelsAndUnitsAtTheirRows)
{
    EXPECT_EQ(PageCounts(m_outline), (std::array<int, 6>{4, 13, 28, 10, 34, 37}));
    m_outline.ReportDraw(&m_dc);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(0, 750));
    ASSERT_FALSE(m_dc.Texts().empty());
    EXPECT_EQ(m_dc.Texts()[0], U8(u8"建物概要"));
    EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Text)[0].font.lfHeight, SheetTitleFont().lfHeight);
    // Labels centred in x 0 to 4800; two-row labels drawn across their two rows.
    ExpectDrawnLabels(m_dc, {
        {U8(u8"工事期間"), 0, 1, 4800},
        {U8(u8"入力面積単位"), 1, 1, 4800},
        {U8(u8"土地-敷地総面積"), 2, 1, 4800},
        {U8(u8"土地-借地部分面積"), 3, 1, 4800},
        {U8(u8"土地-購入部分面積"), 5, 1, 4800},
        {U8(u8"建物-既存建物延床面積"), 7, 1, 4800},
        {U8(u8"建物-計画建物延床面積"), 8, 1, 4800},
        {U8(u8"建物-計画建物専有面積"), 9, 1, 4800},
        {U8(u8"住宅使用部分"), 11, 1, 4800},
        {U8(u8"全住宅戸数"), 13, 1, 4800},
        {U8(u8"ヶ月"), 0, 11200, 11201},
        {U8(u8"坪単位で入力する"), 1, 5200, 5201},
        {U8(u8"㎡単位で入力する"), 1, 11600, 11601},
        {U8(u8"坪"), 2, 11600, 11601},
        {U8(u8"㎡"), 2, 13600, 13601},
        {U8(u8"％"), 3, 16000, 16001},
        {U8(u8"単位"), 4, 4800, 4801},
        {U8(u8"面積入力する"), 4, 6800, 6801},
        {U8(u8"割合入力する"), 4, 11600, 11601},
        {U8(u8"戸"), 13, 11200, 11201},
    });
    const CObArray* sub = m_outline.m_apSubItem[0];
    const struct { int index; const char* text; int row; int x; } units[] = {
        {0, "ヶ月", 0, 11200},   {2, "㎡単位で入力する", 1, 11600}, {4, "㎡", 2, 13600}, {7, "％", 3, 16000},
        {10, "割合入力する", 4, 11600}, {13, "％", 5, 16000},  {14, "単位", 6, 4800}, {17, "坪", 7, 11600},
        {20, "㎡", 8, 13600}, {23, "％", 9, 16000},   {26, "割合入力する", 10, 11600}, {29, "％", 11, 16000},
        {32, "割合入力する", 12, 11600}, {33, "戸", 13, 11200},
    };
    for (auto u : units) {
        EXPECT_EQ(CellBytes(sub, u.index), u.text) << u.index;
        EXPECT_EQ(CellRect(sub, u.index).top, -500 * u.row) << u.index;
        EXPECT_EQ(CellRect(sub, u.index).left, u.x) << u.index;
    }
}

TEST_F(DataOutlineSheetTest, ValuesShowTheEnteredUnitOrThePercentage)
{
    const struct { int cell; const char* text; int row; } values[] = {
        {0, "1,234", 0},
        {3, "12,345.67", 2},
        {6, "1,234.5", 3},
        {12, "1234.5", 5},   // bought part as a percentage: no separator
        {18, "1234.5", 7},
        {21, "2345.25", 8},
        {24, "80", 9},
        {30, "1500.5", 11},
        {36, "1200", 13},
    };
    for (auto v : values) {
        SCOPED_TRACE(v.cell);
        EXPECT_EQ(CellBytes(Data(), v.cell), v.text);
        EXPECT_EQ(GetPrintItem(Data(), v.cell)->m_nAlign, 2);
        EXPECT_EQ(CellRect(Data(), v.cell), CRect(4800, -500 * v.row, 11200, -500 * (v.row + 1)));
    }
    EXPECT_EQ(TickedCells(Data()), (std::vector<int>{2, 5, 8, 10, 15, 17, 20, 23, 27, 29, 32, 34}));
    EXPECT_EQ(CellRect(Data(), 15), CRect(15600, -2500, 16000, -3000));
    EXPECT_EQ(CellRect(Data(), 17), CRect(11200, -3000, 11600, -3500));
    EXPECT_EQ(CellRect(Data(), 34), CRect(6400, -6000, 6800, -6500));

    m_outline.ReportDraw(&m_dc);
    // The other unit's areas appear nowhere on the sheet.
    EXPECT_EQ(FindDrawnText(m_dc, "3,734.57"), nullptr);
    EXPECT_EQ(FindDrawnText(m_dc, "3734.57"), nullptr);
    ExpectDrawnLabels(m_dc, {{"12,345.67", 2, 4800, 11200}, {"1200", 13, 4800, 11200}});
    EXPECT_EQ(m_dc.RecordsOf(CDrawRecord::Line).size(), 4u + 13 + 28 + 12 * 2);
}

TEST_F(DataOutlineSheetTest, TsuboEntryAndLeasedPercentage)
{
    m_outline.nAreaUnit = 0;
    m_outline.nLeasedLandInput = 1;
    m_outline.dLeasedLandRatio = 1250;
    m_outline.nBuyLandInput = 0;
    m_outline.nUseBuildInput = 0;
    m_outline.nHouseInput = 1;
    m_outline.dHouseRatio = 12.5;
    EXPECT_TRUE(m_outline.SetDataData(0));
    EXPECT_EQ(CellBytes(Data(), 3), "3,734.57");
    EXPECT_EQ(CellBytes(Data(), 6), "1,250");   // the leased percentage keeps its separator
    EXPECT_EQ(CellBytes(Data(), 12), "3,024.7"); // 9999 m2 in tsubo
    EXPECT_EQ(CellBytes(Data(), 18), "373.44");
    EXPECT_EQ(CellBytes(Data(), 30), "12.5");
    EXPECT_EQ(TickedCells(Data()), (std::vector<int>{1, 4, 9, 11, 13, 16, 19, 22, 25, 28, 33, 35}));
}

// Choices outside their groups (a damaged file) tick nothing; an entry unit
// outside 0 and 1 names no stored area, so the area cells stay empty.
TEST_F(DataOutlineSheetTest, DamagedChoicesTickNothing)
{
    m_outline.nAreaUnit = 2;
    m_outline.nLeasedLandInput = 2;
    m_outline.nBuyLandInput = -1;
    m_outline.nUseBuildInput = 7;
    m_outline.nHouseInput = 0;
    EXPECT_TRUE(m_outline.SetDataData(0));
    EXPECT_EQ(TickedCells(Data()), (std::vector<int>{34}));
    for (int cell : {3, 6, 12, 18, 21, 24, 30}) EXPECT_EQ(CellBytes(Data(), cell), "") << cell;
    EXPECT_EQ(CellBytes(Data(), 0), "1,234");

    m_outline.nAreaUnit = -1;
    m_outline.nUseBuildInput = 1;
    EXPECT_TRUE(m_outline.SetDataData(0));
    EXPECT_EQ(CellBytes(Data(), 24), "80");
    EXPECT_EQ(TickedCells(Data()), (std::vector<int>{27, 29, 34}));
}

TEST_F(DataOutlineSheetTest, PictureOfTheSheet)
{
    QImage image = RenderSheet([&](CDC* pDC) { m_outline.ReportDraw(pDC); }, 210, 110);
    SaveArtifact(image, "data_outline");
    EXPECT_GT(CountInk(image), 1000);
}
