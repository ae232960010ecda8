#include <array>
#include <functional>
#include <gtest/gtest.h>

#include "tests/support/render.h"
#include "tests/support/utf8.h"
#include "tests/tax/sheetgeometry.h"
#include "tests/tax/taxratefill.h"

namespace {

constexpr int kNowhere = -1;

// A text expected in a row, inside the columns nCol1-nCol2; kNowhere: on no row.
struct TextAt {
    const char8_t* text;
    int row;
    int col1 = 0;
    int col2 = 45;
};

struct SheetCase {
    const char* name;
    std::function<std::unique_ptr<CTaxClass>()> make; // a filled record
    std::array<int, 6> counts; // frame lines, row rules, column rules, labels, units, cells
    const char8_t* title;
    int originAfter;           // window origin after drawing from (0, 0)
    std::vector<TextAt> texts;
};

// Member k of a filled record prints as "k,000.25" (a double) or "k" (an int).
const SheetCase kSheets[] = {
    {"municipal", MakeFilled<CTaxMunicipalClass>, {4, 7, 8, 8, 8, 8}, u8"固定資産税", 750,
     {{u8"土          地", 0}, {u8"税率", 1, 0, 10}, {u8"1,000.25", 1, 10, 28}, {u8"％", 1, 28, 45},
      {u8"住宅用地の特例", 2, 0, 10}, {u8"分子", 2, 10, 13}, {u8"2,000.25", 2, 13, 28}, {u8"分母", 2, 28, 31},
      {u8"3,000.25", 2, 31, 45}, {u8"建          物", 3}, {u8"税率", 4, 0, 14}, {u8"4,000.25", 4, 14, 29},
      {u8"％", 4, 29, 45}, {u8"新築住宅の特例", 5, 0, 14}, {u8"分子", 5, 14, 17}, {u8"5,000.25", 5, 17, 29},
      {u8"分母", 5, 29, 32}, {u8"6,000.25", 5, 32, 45}, {u8"新築中高層耐火住宅 年数", 6, 0, 14},
      {u8"7", 6, 14, 29}, {u8"年", 6, 29, 45}, {u8"新築住宅 年数", 7, 0, 14}, {u8"8", 7, 14, 29}, {u8"年", 7, 29, 45}}},
    {"cityplan", MakeFilled<CTaxCityPlanClass>, {4, 4, 6, 5, 4, 4}, u8"都市計画税", 750,
     {{u8"1,000.25", 1, 10, 28}, {u8"2,000.25", kNowhere}, {u8"3,000.25", 2, 13, 28}, {u8"分母", 2, 28, 31},
      {u8"4,000.25", 2, 31, 45}, {u8"建          物", 3}, {u8"5,000.25", 4, 10, 28}, {u8"％", 4, 28, 45}}},
    {"landprice", MakeFilled<CTaxLandPriceClass>, {4, 7, 9, 6, 10, 10}, u8"地価税", 750 + 4000,
     {{u8"税率", 0, 0, 11}, {u8"1,000.25", 0, 12, 28}, {u8"％", 0, 28, 45}, {u8"個          人", 1},
      {u8"2,000.25", 2, 12, 28}, {u8"千円", 2, 28, 45}, {u8"法          人", 3}, {u8"資本金", 4, 0, 22},
      {u8"控除額", 4, 22, 31}, {u8"3,000.25", 5, 0, 6}, {u8"千円超 ～", 5, 6, 11}, {u8"4,000.25", 5, 11, 17},
      {u8"千円以下", 5, 17, 22}, {u8"5,000.25", 5, 22, 28}, {u8"8,000.25", 6, 22, 28}, {u8"9,000.25", 7, 0, 6},
      {u8"千円超 ～", 7, 6, 11}, {u8"10,000.25", kNowhere}, {u8"11,000.25", 7, 22, 28}, {u8"千円", 7, 28, 45}}},
    {"business", MakeFilled<CTaxBusinessClass>, {4, 16, 16, 13, 24, 24}, u8"事業税", 750 + 8500,
     {{u8"個          人", 0}, {u8"1,000.25", 1, 12, 28}, {u8"控除額", 2, 0, 12}, {u8"千円", 2, 28, 45},
      {u8"外形標準課税", 3}, {u8"課税所得", 4, 0, 22}, {u8"税率", 4, 22, 29}, {u8"3,000.25", 5, 0, 6},
      {u8"4,000.25", 5, 11, 17}, {u8"千円以下", 6, 17, 22}, {u8"8,000.25", 6, 22, 28}, {u8"9,000.25", 7, 0, 6},
      {u8"10,000.25", kNowhere}, {u8"11,000.25", 7, 22, 28}, {u8"％", 7, 28, 45}, {u8"外形標準割合", 8, 0, 12},
      {u8"12,000.25", 8, 12, 28}, {u8"報酬給与額の控除割合", 10, 0, 12}, {u8"15,000.25", 11, 12, 28},
      {u8"資本金区分", 12, 0, 22}, {u8"比率", 12, 22, 29}, {u8"16,000.25", 13, 0, 6}, {u8"17,000.25", 13, 11, 18},
      {u8"千円以下", 13, 18, 22}, {u8"23,000.25", 15, 11, 18}, {u8"24,000.25", 15, 22, 28},
      {u8"徴収猶予期間", 16, 0, 12}, {u8"25", 16, 12, 28}, {u8"年", 16, 28, 45}}},
    {"businessplace", MakeFilled<CTaxBusinessPlaceClass>, {4, 0, 2, 1, 1, 1}, u8"面積換算係数", 750 + 500,
     {{u8"１坪あたりの面積換算係数", 0, 0, 15}, {u8"1,000.25", kNowhere}, {u8"2,000.25", kNowhere},
      {u8"3,000.25", 0, 15, 30}, {u8"㎡", 0, 30, 45}}},
    {"consumption", MakeFilled<CTaxConsumptionClass>, {4, 4, 4, 5, 4, 4}, u8"消費税", 750 + 2500,
     {{u8"税率", 0, 0, 12}, {u8"1,000.25", 0, 12, 28}, {u8"免税売上高", 1, 0, 12}, {u8"2,000.25", 1, 12, 28},
      {u8"千円", 1, 28, 45}, {u8"簡易課税方式", 2}, {u8"適用可能課税売上高", 3, 0, 12}, {u8"4,000.25", 3, 12, 28},
      {u8"千円", 3, 28, 45}, {u8"みなしマージン率", 4, 0, 12}, {u8"3,000.25", 4, 12, 28}, {u8"％", 4, 28, 45}}},
    {"depreciation", MakeFilled<CTaxDepreciationClass>, {4, 5, 8, 6, 8, 6}, u8"減価償却", 750 + 3000,
     {{u8"割増償却", 0}, {u8"耐用年数", 1, 0, 10}, {u8"1", 1, 10, 16}, {u8"年 以上", 1, 16, 20},
      {u8"倍率", 1, 20, 23}, {u8"3,000.25", 1, 23, 29}, {u8"倍", 1, 29, 45}, {u8"1", 2, 10, 16},
      {u8"年 未満", 2, 16, 20}, {u8"2,000.25", 2, 23, 29}, {u8"割増償却期間", 3, 0, 10}, {u8"4", 3, 10, 27},
      {u8"年", 3, 27, 45}, {u8"残存簿価", 4}, {u8"最終残存簿価比率", 5, 0, 10}, {u8"5,000.25", 5, 10, 27},
      {u8"％", 5, 27, 45}}},
    {"transfer", MakeFilled<CTaxTransferClass>, {4, 3, 4, 4, 2, 2}, u8"繰越欠損", 750 + 2000,
     {{u8"個          人", 0}, {u8"繰越欠損できる年数", 1, 0, 12}, {u8"2", 1, 12, 29}, {u8"年", 1, 29, 45},
      {u8"法          人", 2}, {u8"1", 3, 12, 29}, {u8"年", 3, 29, 45}}},
    {"license", MakeFilled<CTaxLicenseClass>, {4, 6, 8, 8, 4, 4}, u8"登録免許税", 750 + 3500,
     {{u8"土          地", 0}, {u8"1,000.25", 1, 11, 28}, {u8"2", kNowhere}, {u8"課税標準額", 2, 0, 11},
      {u8"固定資産税評価額の", 2, 11, 21}, {u8"3,000.25", 2, 21, 33}, {u8"％", 2, 33, 45}, {u8"建          物", 3},
      {u8"4,000.25", 4, 11, 28}, {u8"抵当権設定登記料", 5}, {u8"税率", 6, 0, 11}, {u8"5,000.25", 6, 11, 28}}},
    {"realtyget", MakeFilled<CTaxRealtyGetClass>, {4, 7, 6, 9, 6, 6}, u8"不動産取得税", 750 + 4000,
     {{u8"1,000.25", 1, 11, 28}, {u8"住宅部分の税率", 2, 0, 11}, {u8"2,000.25", 2, 11, 28}, {u8"％", 2, 28, 45},
      {u8"3", kNowhere}, {u8"固定資産税評価額の", 3, 11, 21}, {u8"4,000.25", 3, 21, 33}, {u8"建          物", 4},
      {u8"5,000.25", 5, 11, 28}, {u8"6,000.25", 6, 11, 28}, {u8"新築住宅の税額", 7, 0, 11},
      {u8"7,000.25", 7, 11, 28}, {u8"千円（１戸あたりの減額）", 7, 28, 45}}},
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.name; }

class TaxRateSheetsTest : public ::testing::TestWithParam<SheetCase> {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings(SetTaxPrintFont, SetTaxPrintTitleFont, SetTaxPrintPen, SetTaxPrintFramePen);
    }
};

// A text drawn below the title in the row and columns given, in sheet units.
bool TextFits(const CDrawRecord& r, const TextAt& at)
{
    const PageBox b = PageBoxOf(r);
    return r.text == U8(at.text) && -r.rc.top / 500 == at.row && b.left >= at.col1 * 400 && b.right <= at.col2 * 400;
}

} // namespace

TEST_P(TaxRateSheetsTest, BuildsDrawsAndPlacesItsSheet)
{
    const SheetCase& c = GetParam();
    std::unique_ptr<CTaxClass> record = c.make();
    record->CreatePrintArray(1);
    const std::array<CObArray*, 6> arrays = {record->m_apFrame[0], record->m_apWLine[0], record->m_apHLine[0],
                                             record->m_apItem[0],  record->m_apSubItem[0], record->m_apData[0]};
    for (size_t i = 0; i < arrays.size(); ++i) {
        ASSERT_NE(arrays[i], nullptr);
        EXPECT_EQ(arrays[i]->GetSize(), c.counts[i]) << "array " << i;
    }

    CRecordDC dc;
    record->ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, c.originAfter));
    const std::vector<std::string> texts = dc.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], U8(c.title));
    EXPECT_EQ(texts.size(), size_t(1 + c.counts[3] + c.counts[4] + c.counts[5]));
    EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), size_t(c.counts[0] + c.counts[1] + c.counts[2]));

    const std::vector<CDrawRecord> drawn = dc.RecordsOf(CDrawRecord::Text);
    for (const TextAt& at : c.texts) {
        const bool found = std::any_of(drawn.begin() + 1, drawn.end(), [&](const CDrawRecord& r) { return TextFits(r, at); });
        const bool anywhere = std::any_of(drawn.begin(), drawn.end(), [&](const CDrawRecord& r) { return r.text == U8(at.text); });
        if (at.row == kNowhere) EXPECT_FALSE(anywhere) << U8(at.text);
        else EXPECT_TRUE(found) << U8(at.text) << " in row " << at.row << ", columns " << at.col1 << "-" << at.col2;
    }
    EXPECT_EQ(TextsCrossedByLines(dc.Records()), std::vector<std::string>{});
    const PageBox extent = ExtentOf(dc.Records(), 0, dc.Records().size());
    EXPECT_GE(extent.left, 0);
    EXPECT_LE(extent.right, 18000);

    // With every part switched off nothing is drawn, and the origin moves as before, less the title.
    std::unique_ptr<CTaxClass> blank = c.make();
    *blank = *record;
    for (int flag = 0; flag < 5; ++flag) blank->SetPrintFlag(flag, 1);
    CRecordDC blankDC;
    blank->ReportDraw(&blankDC);
    EXPECT_TRUE(blankDC.Records().empty());
    EXPECT_EQ(blankDC.GetWindowOrg(), CPoint(0, c.originAfter - 750));

    SaveArtifact(RenderSheet([&](CDC* pDC) { record->ReportDraw(pDC); }), std::string("tax_sheet_") + c.name);
    record->DestroyPrintArray();
}

INSTANTIATE_TEST_SUITE_P(TaxRates, TaxRateSheetsTest, ::testing::ValuesIn(kSheets),
                         [](const ::testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

TEST(TaxRateSheetValues, PrintAsPlainNumbers)
{
    struct Case {
        std::function<std::unique_ptr<CTaxClass>()> make;
        int cell;
        const char* expected;
    };
    const Case cases[] = {
        {[] { auto r = std::make_unique<CTaxConsumptionClass>(); r->m_dRate = 5.0; return r; }, 0, "5"},
        {[] { auto r = std::make_unique<CTaxConsumptionClass>(); r->m_dExemptSales = 30000; return r; }, 1, "30,000"},
        {[] { auto r = std::make_unique<CTaxLicenseClass>(); r->m_dStandardRatio = 100; return r; }, 1, "100"},
        {[] { auto r = std::make_unique<CTaxRealtyGetClass>(); r->m_dStandardRatio = 100; return r; }, 2, "100"},
        {[] { auto r = std::make_unique<CTaxRealtyGetClass>(); r->m_dNewHouseReduction = 1500; return r; }, 5, "1,500"},
        {[] { auto r = std::make_unique<CTaxBusinessClass>(); r->m_nDeferYear = 2; return r; }, 23, "2"},
        {[] { auto r = std::make_unique<CTaxBusinessPlaceClass>(); r->m_dSquareMeterPerTsubo = 3.305785; return r; },
         0, "3.305785"},
    };
    const auto depreciation = [] {
        auto r = std::make_unique<CTaxDepreciationClass>();
        r->m_nLifeYear = 10;
        r->m_dShortLifeRatio = 1.1;
        r->m_dLongLifeRatio = 1.3;
        return r;
    };
    for (const Case& c : cases) {
        std::unique_ptr<CTaxClass> record = c.make();
        record->CreatePrintArray(1);
        EXPECT_EQ(GetPrintItem(record->m_apData[0], c.cell)->m_strText, c.expected);
        record->DestroyPrintArray();
    }
    // The threshold prints in both multiplier rows, the longer life first.
    std::unique_ptr<CTaxClass> record = depreciation();
    record->CreatePrintArray(1);
    const char* expected[] = {"10", "1.3", "10", "1.1"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(GetPrintItem(record->m_apData[0], i)->m_strText, expected[i]) << i;
    record->DestroyPrintArray();
}
