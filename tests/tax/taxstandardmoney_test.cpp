#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/recorddc.h"
#include "tax/taxstandardmoney.h"
#include "tests/support/utf8.h"
#include "tests/tax/taxsheettest.h"

namespace {

struct Level {
    double dLower;
    int nLowerExclusive;
    double dUpper;
    int nUpperInclusive;
    double dRate;
};

void FillLevels(CTaxBurdenLevelClass* aRow, const std::vector<Level>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        aRow[i].m_dLower = rows[i].dLower;
        aRow[i].m_nLowerExclusive = rows[i].nLowerExclusive;
        aRow[i].m_dUpper = rows[i].dUpper;
        aRow[i].m_nUpperInclusive = rows[i].nUpperInclusive;
        aRow[i].m_dRate = rows[i].dRate;
    }
}

// A contiguous residential table: "未満" upper ends are followed by "以上"
// lower ends, "以下" by "超"; the last row has no upper end.
const std::vector<Level> kHouseRows = {
    {0, 0, 0.8, 0, 1.025},   {0.8, 0, 0.9, 0, 1.05}, {0.9, 0, 0.95, 1, 1.075},
    {0.95, 1, 1.0, 0, 1.1},  {1.0, 0, 1.2, 1, 0.9},  {1.2, 1, 0, 0, 0.8},
};
// Non-residential: the seventh row's factor is a percentage of the value.
const std::vector<Level> kBusinessRows = {
    {0, 0, 0.1, 0, 1.1},    {0.1, 0, 0.2, 0, 1.2},  {0.2, 0, 0.3, 1, 1.3}, {0.3, 1, 0.4, 0, 1.4},
    {0.4, 0, 0.5, 0, 1.5},  {0.5, 0, 0.6, 1, 1.6},  {0.6, 1, 0, 0, 60},
};

struct LevelCase {
    const char* pszTable;
    std::vector<Level> rows;
    double level;
    double expected;
};

} // namespace

TEST(TaxStandardMoney, HouseLookupTakesTheFirstRowBelowItsUpperEnd)
{
    const std::vector<Level> lowerIgnored = {{0, 0, 0.8, 0, 1.025}, {0.85, 1, 0.9, 0, 1.05}};
    const std::vector<Level> lastRowBelowItsLower = {{0, 0, 1.0, 0, 1.1}, {1.2, 1, 0, 0, 0.8}};
    const std::vector<Level> noInvertedRow = {{0, 0, 0.5, 0, 1.2}, {0.5, 0, 1.0, 1, 1.1}};
    const std::vector<LevelCase> cases = {
        {"zero table", {}, 0, 1.0},          // no row inverted, none below 0
        {"zero table", {}, 0.5, 1.0},
        {"zero table", {}, -0.1, 0},         // below row 0's upper end 0: its factor
        {"house", kHouseRows, -1, 1.025},
        {"house", kHouseRows, 0.5, 1.025},
        {"house", kHouseRows, 0.8, 1.05},    // equal to an "under" end: next row
        {"house", kHouseRows, 0.9, 1.075},
        {"house", kHouseRows, 0.95, 1.075},  // equal to an "at most" end: that row
        {"house", kHouseRows, 0.9500001, 1.1},
        {"house", kHouseRows, 1.0, 0.9},
        {"house", kHouseRows, 1.2, 0.9},
        {"house", kHouseRows, 1.2000001, 0.8},
        {"house", kHouseRows, 100, 0.8},
        {"lower ignored", lowerIgnored, 0.8, 1.05},
        {"last row below its lower", lastRowBelowItsLower, 1.1, 0.8},
        {"no inverted row", noInvertedRow, 1.0, 1.1},
        {"no inverted row", noInvertedRow, 1.5, 1.0},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pszTable << ", level " << c.level);
        CTaxStandardMoneyClass record;
        FillLevels(record.m_aHouseLevel, c.rows);
        EXPECT_EQ(record.GetHouseBurdenLevel(c.level), c.expected);
    }
}

TEST(TaxStandardMoney, LookupsScanOnlyTheirRows)
{
    // Spare rows hold an inverted row that would catch everything.
    CTaxStandardMoneyClass record;
    const std::vector<Level> shortHouse = {{0, 0, 1.0, 0, 1.1}, {1.0, 0, 1.5, 0, 1.2}};
    FillLevels(record.m_aHouseLevel, shortHouse);
    for (int i = 2; i < 10; ++i) record.m_aHouseLevel[i].m_dUpper = 1.5; // not inverted, "under" 1.5
    record.m_aHouseLevel[6] = CTaxBurdenLevelClass();
    record.m_aHouseLevel[6].m_dLower = 9;
    record.m_aHouseLevel[6].m_dRate = 7;
    EXPECT_EQ(record.GetHouseBurdenLevel(2.0), 1.0);

    FillLevels(record.m_aBusinessLevel, {{0, 0, 0.1, 0, 1.1}, {0.1, 0, 0.2, 0, 1.2}, {0.2, 0, 0.3, 0, 1.3},
                                         {0.3, 0, 0.4, 0, 1.4}, {0.4, 0, 0.5, 0, 1.5}, {0.5, 0, 0.6, 0, 1.6},
                                         {0.6, 0, 0.7, 1, 60}, {9, 0, 0, 0, 7}});
    EXPECT_EQ(record.GetBusinessBurdenLevel(0.7), -100.0);
    EXPECT_EQ(record.GetBusinessBurdenLevel(0.8), 1.0); // row 7 is spare
}

TEST(TaxStandardMoney, BusinessLookupMarksTheSeventhRow)
{
    const std::vector<LevelCase> cases = {
        {"zero table", {}, 0.5, 1.0},
        {"zero table", {}, -0.1, 0},
        {"business", kBusinessRows, 0.05, 1.1},
        {"business", kBusinessRows, 0.1, 1.2},
        {"business", kBusinessRows, 0.3, 1.3},
        {"business", kBusinessRows, 0.30001, 1.4},
        {"business", kBusinessRows, 0.6, 1.6},
        {"business", kBusinessRows, 0.6000001, -100.0}, // the seventh row: never its factor
        {"business", kBusinessRows, 5, -100.0},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pszTable << ", level " << c.level);
        CTaxStandardMoneyClass record;
        FillLevels(record.m_aBusinessLevel, c.rows);
        EXPECT_EQ(record.GetBusinessBurdenLevel(c.level), c.expected);
    }
}

TEST(TaxStandardMoney, PriceDropTestsMeetTheirThresholds)
{
    CTaxPriceDropClass drop;
    drop.m_nPriceDropUse = 1; // the caller's business: the tests ignore it
    drop.m_dPriceDropRate = 0.05;
    drop.m_dHouseLevel = 0.8;
    drop.m_dBusinessLevel = 0.6;
    drop.m_dAdjustRate = 1.0;
    struct Case {
        int nExclusive;
        double value;
        int nDrop;       // CheckPriceDrop (value)
        double dHouse;    // GetPriceDropHouseLevel (value, 1.05)
        double dBusiness; // GetPriceDropBusinessLevel (value, 1.05)
    } cases[] = {
        {0, 0.04, 0, 1.05, 1.05},
        {0, 0.05, 1, 1.05, 1.05},
        {1, 0.05, 0, 1.05, 1.05},
        {0, 0.6, 1, 1.05, 1.0},
        {1, 0.6, 1, 1.05, 1.05},
        {0, 0.8, 1, 1.0, 1.0},
        {1, 0.8, 1, 1.05, 1.0},
        {1, 0.81, 1, 1.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.nExclusive << ", value " << c.value);
        drop.m_nPriceDropExclusive = drop.m_nHouseLevelExclusive = drop.m_nBusinessLevelExclusive = c.nExclusive;
        EXPECT_EQ(drop.CheckPriceDrop(c.value), c.nDrop);
        EXPECT_EQ(drop.GetPriceDropHouseLevel(c.value, 1.05), c.dHouse);
        EXPECT_EQ(drop.GetPriceDropBusinessLevel(c.value, 1.05), c.dBusiness);
    }
}

TEST(TaxStandardMoney, RecordsCopyEveryRowAndInitKeepsThem)
{
    CTaxStandardMoneyClass source;
    for (int i = 0; i < 10; ++i) {
        source.m_aBusinessLevel[i] = CTaxBurdenLevelClass();
        FillLevels(&source.m_aBusinessLevel[i], {{i + 0.1, 1, i + 0.2, 1, i + 0.3}});
        FillLevels(&source.m_aHouseLevel[i], {{i + 1.1, 0, i + 1.2, 1, i + 1.3}});
        source.m_aHouseLevel[i].SetPage(i);
    }
    CTaxPriceDropClass& d = source.m_objPriceDrop;
    d.m_nPriceDropUse = 1;
    d.m_dPriceDropRate = 0.1;
    d.m_nPriceDropExclusive = 1;
    d.m_dHouseLevel = 0.2;
    d.m_nHouseLevelExclusive = 1;
    d.m_dBusinessLevel = 0.3;
    d.m_nBusinessLevelExclusive = 1;
    d.m_dAdjustRate = 0.4;
    source.SetPage(2);

    auto same = [](const CTaxBurdenLevelClass& a, const CTaxBurdenLevelClass& b) {
        return a.m_dLower == b.m_dLower && a.m_nLowerExclusive == b.m_nLowerExclusive && a.m_dUpper == b.m_dUpper &&
               a.m_nUpperInclusive == b.m_nUpperInclusive && a.m_dRate == b.m_dRate && a.GetPage() == b.GetPage();
    };
    auto check = [&](const CTaxStandardMoneyClass& c) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_TRUE(same(c.m_aBusinessLevel[i], source.m_aBusinessLevel[i])) << i;
            EXPECT_TRUE(same(c.m_aHouseLevel[i], source.m_aHouseLevel[i])) << i;
        }
        const CTaxPriceDropClass& e = c.m_objPriceDrop;
        EXPECT_EQ(e.m_nPriceDropUse, 1);
        EXPECT_EQ(e.m_dPriceDropRate, 0.1);
        EXPECT_EQ(e.m_nPriceDropExclusive, 1);
        EXPECT_EQ(e.m_dHouseLevel, 0.2);
        EXPECT_EQ(e.m_nHouseLevelExclusive, 1);
        EXPECT_EQ(e.m_dBusinessLevel, 0.3);
        EXPECT_EQ(e.m_nBusinessLevelExclusive, 1);
        EXPECT_EQ(e.m_dAdjustRate, 0.4);
        EXPECT_EQ(c.GetPage(), 2);
    };
    CTaxStandardMoneyClass copied(source);
    check(copied);
    CTaxStandardMoneyClass assigned;
    assigned = source;
    check(assigned);

    // The record's own reset leaves rows and conditions; theirs clear them.
    assigned.InitData();
    EXPECT_EQ(assigned.GetPage(), 0);
    EXPECT_EQ(assigned.m_aHouseLevel[9].m_dRate, 10.3);
    EXPECT_EQ(assigned.m_objPriceDrop.m_dAdjustRate, 0.4);
    assigned.m_aHouseLevel[9].InitData();
    assigned.m_objPriceDrop.InitData();
    EXPECT_TRUE(same(assigned.m_aHouseLevel[9], CTaxBurdenLevelClass()));
    EXPECT_EQ(assigned.m_objPriceDrop.m_nPriceDropUse + assigned.m_objPriceDrop.m_nBusinessLevelExclusive, 0);
    EXPECT_EQ(assigned.m_objPriceDrop.m_dPriceDropRate + assigned.m_objPriceDrop.m_dAdjustRate, 0);
}

namespace {

CTaxStandardMoneyClass SampleRecord()
{
    CTaxStandardMoneyClass record;
    FillLevels(record.m_aHouseLevel, kHouseRows);
    FillLevels(record.m_aBusinessLevel, kBusinessRows);
    CTaxPriceDropClass& d = record.m_objPriceDrop;
    d.m_dPriceDropRate = 0.05;
    d.m_nPriceDropExclusive = 1;
    d.m_dHouseLevel = 0.8;
    d.m_dBusinessLevel = 0.6;
    d.m_nBusinessLevelExclusive = 1;
    d.m_dAdjustRate = 1.025;
    return record;
}

using Rect = std::array<int, 4>;

Rect Grid(int nCol, int nRow, int nColSpan)
{
    return {nCol * 400, -nRow * 500, (nCol + nColSpan) * 400, -(nRow + 1) * 500};
}

} // namespace

TEST(TaxStandardMoney, SheetBuildsThreePagesWhateverTheCount)
{
    CTaxStandardMoneyClass record = SampleRecord();
    record.CreatePrintArray(1);
    EXPECT_EQ(PageCounts(record, 0), (std::array<int, 6>{4, 6, 11, 2, 28, 39}));
    EXPECT_EQ(PageCounts(record, 1), (std::array<int, 6>{4, 7, 12, 2, 36, 46}));
    EXPECT_EQ(PageCounts(record, 2), (std::array<int, 6>{4, 5, 10, 6, 8, 12}));
    EXPECT_EQ(record.m_apFrame[3], nullptr);
    for (int p = 0; p < 3; ++p) EXPECT_TRUE(PlacesEveryItem(record, p)) << p;
    EXPECT_TRUE(record.m_strTitle.IsEmpty()); // titles come by id when drawing

    // Frames and rules of each page start at the page's own top.
    EXPECT_EQ(CellRect(record.m_apFrame[0], 1), (Rect{0, -3500, 18000, -3500}));
    EXPECT_EQ(CellRect(record.m_apFrame[1], 1), (Rect{0, -4000, 18000, -4000}));
    EXPECT_EQ(CellRect(record.m_apFrame[2], 1), (Rect{0, -3000, 18000, -3000}));
    for (int p = 0; p < 3; ++p) EXPECT_EQ(CellRect(record.m_apWLine[p], 0), (Rect{0, -500, 18000, -500})) << p;
    EXPECT_EQ(CellRect(record.m_apWLine[1], 6), (Rect{0, -3500, 18000, -3500}));
    // The residential page's sub-labels sit where the first ones of the other page do.
    for (int i = 0; i < 28; ++i) EXPECT_EQ(CellRect(record.m_apSubItem[0], i), CellRect(record.m_apSubItem[1], i)) << i;
    record.DestroyPrintArray();
}

TEST(TaxStandardMoney, BurdenPagesShowRowsKindsAndFactors)
{
    CTaxStandardMoneyClass record = SampleRecord();
    record.CreatePrintArray(3);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(CellText(record.m_apItem[p], 0), U8(u8"負担水準"));
        EXPECT_EQ(CellText(record.m_apItem[p], 1), U8(u8"負担調整率"));
        EXPECT_EQ(CellRect(record.m_apItem[p], 0), Grid(0, 0, 36));
        EXPECT_EQ(CellRect(record.m_apItem[p], 1), Grid(36, 0, 9));
    }
    // Residential rows: lower, two kinds, upper, two kinds, factor; the last
    // row lower, two kinds, factor.
    const CObArray* pHouse = record.m_apData[0];
    const std::vector<std::pair<int, std::string>> houseTexts = {
        {0, "0"}, {3, "0.8"}, {6, "1.025"}, {7, "0.8"}, {10, "0.9"}, {13, "1.05"},
        {21, "0.95"}, {24, "1"}, {27, "1.1"}, {35, "1.2"}, {38, "0.8"}};
    for (const auto& [i, text] : houseTexts) {
        EXPECT_EQ(CellText(pHouse, i), text) << i;
        EXPECT_EQ(CellAlign(pHouse, i), 2) << i;
    }
    // Row 2 "以上 ... 以下", row 3 "超 ... 未満", last row "超".
    const std::vector<std::pair<int, int>> ticks = {{15, 1}, {16, 0}, {18, 0}, {19, 1},
                                                    {22, 0}, {23, 1}, {25, 1}, {26, 0}, {36, 0}, {37, 1}};
    for (const auto& [i, check] : ticks) EXPECT_EQ(CellCheck(pHouse, i), check) << i;
    EXPECT_EQ(CellRect(pHouse, 0), Grid(0, 1, 9));
    EXPECT_EQ(CellRect(pHouse, 1), Grid(9, 1, 1));
    EXPECT_EQ(CellRect(pHouse, 4), Grid(28, 1, 1));
    EXPECT_EQ(CellRect(pHouse, 38), Grid(36, 6, 9));

    const std::vector<std::string> words = {U8(u8"以上"), U8(u8"超"), U8(u8"～"), U8(u8"未満"), U8(u8"以下")};
    for (int i = 0; i < 25; ++i) EXPECT_EQ(CellText(record.m_apSubItem[0], i), words[i % 5]) << i;
    for (int i = 25; i < 28; ++i) EXPECT_EQ(CellText(record.m_apSubItem[0], i), words[i - 25]) << i;
    EXPECT_EQ(CellRect(record.m_apSubItem[0], 2), Grid(17, 1, 2));

    // Non-residential: the last factor is a percentage, marked and narrower.
    const CObArray* pBusiness = record.m_apData[1];
    EXPECT_EQ(CellText(pBusiness, 45), "60");
    EXPECT_EQ(CellRect(pBusiness, 45), Grid(36, 7, 8));
    const CObArray* pWords = record.m_apSubItem[1];
    EXPECT_EQ(CellText(pWords, 33), U8(u8"※"));
    EXPECT_EQ(CellAlign(pWords, 33), 2);
    EXPECT_EQ(CellRect(pWords, 33), Grid(33, 7, 3));
    EXPECT_EQ(CellText(pWords, 34), U8(u8"％"));
    EXPECT_EQ(CellRect(pWords, 34), Grid(44, 7, 1));
    EXPECT_EQ(CellText(pWords, 35), U8(u8"※  ”※”の部分は、今年度の評価額に対する割合（％）を設定してください。"));
    EXPECT_EQ(CellAlign(pWords, 35), 0);
    EXPECT_EQ(CellRect(pWords, 35), Grid(0, 8, 45));
    record.DestroyPrintArray();
}

TEST(TaxStandardMoney, PriceDropPageShowsTheConditions)
{
    CTaxStandardMoneyClass record = SampleRecord();
    record.CreatePrintArray(3);
    const std::vector<std::string> labels = {U8(u8"価格下落率"), U8(u8"条          件"), U8(u8"価格下落率"),
                                             U8(u8"負担水準：住宅用地"), U8(u8"負担水準：住宅用地以外"),
                                             U8(u8"上の条件を満たす場合の負担調整率")};
    const std::vector<Rect> labelRects = {Grid(0, 0, 12), Grid(0, 1, 45), Grid(0, 2, 12),
                                          Grid(0, 3, 12), Grid(0, 4, 12), Grid(0, 5, 18)};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(CellText(record.m_apItem[2], i), labels[i]) << i;
        EXPECT_EQ(CellRect(record.m_apItem[2], i), labelRects[i]) << i;
        EXPECT_EQ(CellAlign(record.m_apItem[2], i), 1) << i;
    }
    const std::vector<std::string> words = {U8(u8"考慮する"), U8(u8"考慮しない"), U8(u8"以上"), U8(u8"超"),
                                            U8(u8"以上"), U8(u8"超"), U8(u8"以上"), U8(u8"超")};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(CellText(record.m_apSubItem[2], i), words[i]) << i;
        EXPECT_EQ(CellAlign(record.m_apSubItem[2], i), 0) << i;
    }
    EXPECT_EQ(CellRect(record.m_apSubItem[2], 1), Grid(29, 0, 16));
    EXPECT_EQ(CellRect(record.m_apSubItem[2], 7), Grid(37, 4, 8));

    const CObArray* pData = record.m_apData[2];
    const std::vector<std::pair<int, int>> ticks = {{0, 1}, {1, 0}, {3, 0}, {4, 1}, {6, 1}, {7, 0}, {9, 0}, {10, 1}};
    for (const auto& [i, check] : ticks) EXPECT_EQ(CellCheck(pData, i), check) << i;
    EXPECT_EQ(CellText(pData, 2), "0.05");
    EXPECT_EQ(CellRect(pData, 2), Grid(12, 2, 16));
    EXPECT_EQ(CellText(pData, 5), "0.8");
    EXPECT_EQ(CellText(pData, 8), "0.6");
    EXPECT_EQ(CellAlign(pData, 8), 2);
    EXPECT_EQ(CellText(pData, 11), "1.025");
    EXPECT_EQ(CellAlign(pData, 11), 0); // the adjustment factor is left-aligned
    EXPECT_EQ(CellRect(pData, 11), Grid(18, 5, 27));
    record.DestroyPrintArray();
}

TEST(TaxStandardMoney, ChoicesOutOfRangeTickNothing)
{
    CTaxStandardMoneyClass record;
    record.CreatePrintArray(3);
    for (int value : {-1, 2, 5, 1000}) {
        SCOPED_TRACE(value);
        record.m_aHouseLevel[0].m_nLowerExclusive = value;
        record.m_aHouseLevel[0].m_nUpperInclusive = value;
        record.m_aHouseLevel[5].m_nLowerExclusive = value;
        record.m_aBusinessLevel[6].m_nLowerExclusive = value;
        record.m_objPriceDrop.m_nPriceDropUse = value;
        record.m_objPriceDrop.m_nBusinessLevelExclusive = value;
        EXPECT_TRUE(record.SetDataData(0));
        for (int i : {1, 2, 4, 5, 36, 37}) EXPECT_EQ(CellCheck(record.m_apData[0], i), 0) << i;
        // The cell after a group keeps its value text.
        EXPECT_EQ(CellText(record.m_apData[0], 3), "0");
        EXPECT_EQ(CellText(record.m_apData[0], 6), "0");
        for (int i : {43, 44}) EXPECT_EQ(CellCheck(record.m_apData[1], i), 0) << i;
        for (int i : {0, 1, 9, 10}) EXPECT_EQ(CellCheck(record.m_apData[2], i), 0) << i;
        EXPECT_EQ(CellText(record.m_apData[2], 11), "0");
    }
    // Pages outside the sheet place and fill nothing.
    for (int page : {-1, 3, 9, 10, 1000}) {
        SCOPED_TRACE(page);
        EXPECT_FALSE(record.SetFramePoint(page));
        EXPECT_FALSE(record.SetWLinePoint(page));
        EXPECT_FALSE(record.SetHLinePoint(page));
        EXPECT_FALSE(record.SetItemPoint(page));
        EXPECT_FALSE(record.SetSubItemPoint(page));
        EXPECT_FALSE(record.SetDataPoint(page));
        EXPECT_FALSE(record.SetItemData(page));
        EXPECT_FALSE(record.SetSubItemData(page));
    }
    record.DestroyPrintArray();
    // No sheet: the fillers read no array.
    EXPECT_FALSE(record.SetDataData(0));
    EXPECT_FALSE(record.SetItemData(0));
}

TEST(TaxStandardMoney, PagesStackWithTheirTitles)
{
    CTaxStandardMoneyClass record = SampleRecord();
    record.CreatePrintArray(3);
    CRecordDC dc;
    record.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 3 * 750 + (9 + 11 + 8) * 500));
    // Each title is drawn first on its page, at the origin the pages before left.
    const auto texts = dc.RecordsOf(CDrawRecord::Text);
    std::vector<int> titleOrigins;
    for (const char8_t* title : {u8"住宅部分調整率", u8"非住宅部分調整率", u8"価格下落率"}) {
        auto it = std::find_if(texts.begin(), texts.end(), [&](const CDrawRecord& r) { return r.text == U8(title); });
        ASSERT_NE(it, texts.end());
        titleOrigins.push_back(it->origin.y);
    }
    EXPECT_EQ(titleOrigins, (std::vector<int>{0, 750 + 4500, 2 * 750 + 4500 + 5500}));
    // Titles, then labels, sub-labels and the values that are not check cells.
    EXPECT_EQ(texts.size(), 3u + (2 + 28 + 17) + (2 + 36 + 20) + (6 + 8 + 4));

    // Without titles each page moves the origin by its own rows only.
    dc.SetWindowOrg(0, 0);
    record.SetPrintFlag(0, 1);
    record.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, (9 + 11 + 8) * 500));
    record.DestroyPrintArray();
}

TEST(TaxStandardMoney, PictureOfTheSheet)
{
    UseSheetPrintSettings();
    CTaxStandardMoneyClass record = SampleRecord();
    record.CreatePrintArray(3);
    QImage image = RenderSheet([&](CDC* pDC) { record.ReportDraw(pDC); });
    record.DestroyPrintArray();
    SaveArtifact(image, "tax_standard_money_sheet");
    EXPECT_GT(CountInk(image), 5000);
}
