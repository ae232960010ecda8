#include <gtest/gtest.h>
#include <tuple>

#include "data/dataappraised.h"
#include "data/datalandprice.h"
#include "data/datataxcondition.h"
#include "tests/data/projecttaxsheet.h"
#include "tests/support/utf8.h"

namespace {

using TaxBlockTest = TaxSheetTest;

auto Steps(const CDataRateClass& r)
{
    std::vector<std::tuple<int, int, int, double, int>> steps;
    for (const tagDATARATE& s : r.m_aDataRate) steps.emplace_back(s.nStartYear, s.nEndYear, s.nInterval, s.dRate, s.bDecrease);
    return steps;
}

void SetSteps(CDataRateClass& r)
{
    for (int i = 0; i < CDataRateClass::kStepCount; ++i) {
        tagDATARATE step{i + 1, i + 5, 2, 1.5 + i, i % 2};
        r.SetDataRate(i, &step);
    }
}

// The blocks of the tax sheet, built and drawn on their own.
struct Blocks {
    Blocks() { building.m_nKind = 1; }
    CDataAppraisedClass land, building;
    CDataTaxSpecialHouseClass house;
    CDataTaxMunicipalClass municipal;
    CDataTaxCityPlanClass city;
    CDataTaxRealtyGetClass realty;
    CDataTaxBusinessPlaceClass place;
    CDataTaxBusinessClass business;
    CDataTaxLandClass taxLand;
};

// A vertical line runs along cell edges only: it never crosses the inside of a cell.
void ExpectLinesOnCellEdges(const CDataClass& r)
{
    for (int i = 0; i < r.m_apHLine[0]->GetSize(); ++i) {
        auto* line = static_cast<CPrintItemClass*>(r.m_apHLine[0]->GetAt(i));
        EXPECT_EQ(line->m_nX1, line->m_nX2);
        for (CObArray* cells : {r.m_apItem[0], r.m_apSubItem[0], r.m_apData[0]}) {
            for (int j = 0; j < cells->GetSize(); ++j) {
                auto* c = static_cast<CPrintItemClass*>(cells->GetAt(j));
                const bool inside = line->m_nX1 > c->m_nX1 && line->m_nX1 < c->m_nX2;
                const bool overlaps = line->m_nY1 > c->m_nY2 && line->m_nY2 < c->m_nY1;
                EXPECT_FALSE(inside && overlaps) << "line " << i << " at x " << line->m_nX1 << " crosses cell " << j;
            }
        }
    }
}

} // namespace

TEST_F(TaxBlockTest, EachBlockHasItsItemsTitleAndRows)
{
    Blocks b;
    const struct {
        const char* name;
        CDataClass* record;
        std::array<int, 6> counts; // frame, W-line, H-line, item, sub-item, value
        const char8_t* title;    // null: no title
        int nRows;               // framed rows
    } cases[] = {
        {"land", &b.land, {4, 7, 16, 15, 29, 29}, u8"土地－固定資産税評価額", 8},
        {"building", &b.building, {4, 6, 21, 12, 29, 30}, u8"建物－固定資産税評価額", 7},
        {"housing", &b.house, {4, 0, 5, 2, 3, 2}, u8"住宅特例", 1},
        {"fixed-asset", &b.municipal, {4, 5, 6, 5, 9, 9}, u8"固定資産税・都市計画税", 6},
        {"city-planning", &b.city, {3, 2, 4, 3, 4, 4}, nullptr, 3},
        {"acquisition", &b.realty, {4, 2, 4, 3, 6, 6}, u8"不動産取得税", 3},
        {"business-place", &b.place, {4, 2, 6, 3, 6, 5}, u8"事業所税", 3},
        {"enterprise", &b.business, {4, 0, 4, 1, 2, 2}, u8"事業税", 1},
        {"land-value", &b.taxLand, {4, 7, 18, 13, 29, 30}, u8"地価税", 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.record->CreatePrintArray(3);
        EXPECT_EQ(PageCounts(*c.record), c.counts);
        EXPECT_EQ(c.record->m_apItem[1], nullptr); // one page, whatever was asked
        ExpectLinesOnCellEdges(*c.record);
        CRecordDC dc;
        c.record->ReportDraw(&dc);
        const auto texts = dc.RecordsOf(CDrawRecord::Text);
        ASSERT_FALSE(texts.empty());
        if (c.title) {
            EXPECT_EQ(texts[0].text, U8(c.title));
            EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750));
        } else {
            EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
        }
        // The frame closes the block at its last framed row.
        const auto lines = dc.RecordsOf(CDrawRecord::Line);
        int bottom = 0;
        for (size_t i = 0; i < size_t(c.counts[0]); ++i) bottom = std::min({bottom, lines[i].rc.top, lines[i].rc.bottom});
        EXPECT_EQ(bottom, -500 * c.nRows);
        c.record->DestroyPrintArray();
    }
}

TEST_F(TaxBlockTest, LabelsStandInTheirRows)
{
    Blocks b;
    const struct {
        CDataClass* record;
        const char8_t* text;
        int nRow;
    } cases[] = {
        {&b.land, u8"金額", 0},
        {&b.land, u8"千円", 0},
        {&b.land, u8"坪あたり入力する", 1},
        {&b.land, u8"当初課税標準割合", 2},
        {&b.land, u8"都市計画税", 2},
        {&b.land, u8"上昇/下降の設定", 3},
        {&b.land, u8"上昇/下降", 3},
        {&b.land, u8"４段階", 7},
        {&b.building, u8"工事費割合入力する", 1},
        {&b.building, u8"開始年", 2},
        {&b.building, u8"１段階", 3},
        {&b.building, u8"年目まで", 3},
        {&b.house, u8"特例を受ける住宅の戸数", 0},
        {&b.house, u8"戸", 0},
        {&b.house, u8"※  不動産取得税（建物）と固定資産税（建物）の税金計算に使用します。", 1}, // below the frame
        {&b.municipal, u8"固定資産税", 0},
        {&b.municipal, u8"中高層耐火住宅である", 1},
        {&b.municipal, u8"５階建て以上の中高層耐火住宅である", 2},
        {&b.municipal, u8"建物－住宅部分特例", 3},
        {&b.municipal, u8"土地－住宅部分特例", 4},
        {&b.municipal, u8"負担調整措置を適用する", 5},
        {&b.city, u8"都市計画税", 0},
        {&b.city, u8"固定資産税評価額を使用する", 2},
        {&b.realty, u8"建物－新築住宅特例", 0},
        {&b.realty, u8"建物－住宅部分特例", 1},
        {&b.realty, u8"適用しない", 0},
        {&b.place, u8"課税しない", 0},
        {&b.place, u8"非課税部分の割合", 1},
        {&b.place, u8"考慮しない", 2},
        {&b.place, u8"※ 事業所税を「課税しない」場合は、非課税部分の割合、免税基準は設定しません。", 3},
        {&b.business, u8"プロジェクト以外の収入", 0},
        {&b.taxLand, u8"相続税評価額 総額", 0},
        {&b.taxLand, u8" ﾌﾟﾛｼﾞｪｸﾄで使用する", 1},
        {&b.taxLand, u8"部分の相続税評価額", 2},
        {&b.taxLand, u8"割合入力する", 2},
        {&b.taxLand, u8"変動率", 3},
        {&b.taxLand, u8"４段階", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.text));
        c.record->CreatePrintArray(1);
        c.record->m_anPrintFlag[0][0] = 1; // titles would share texts with labels
        CRecordDC dc;
        c.record->ReportDraw(&dc);
        const auto texts = dc.RecordsOf(CDrawRecord::Text);
        const CDrawRecord* r = FindText(texts, U8(c.text));
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(TextRow(*r), c.nRow);
        c.record->DestroyPrintArray();
    }
}

TEST_F(TaxBlockTest, AssessedValueCells)
{
    CDataAppraisedClass land;
    land.dAmount = 12345.0;
    land.nInputMethod = 1;
    SetSteps(land);
    land.CreatePrintArray(1);
    CObArray* data = land.m_apData[0];
    EXPECT_EQ(CellBytes(data, 0), "12,345");
    EXPECT_EQ(CellBytes(data, 3), "0"); // the ratios print even when 0
    EXPECT_EQ(CellBytes(data, 4), "0");
    EXPECT_EQ(CellBytes(data, 5), "1");
    EXPECT_EQ(CellBytes(data, 6), "5");
    EXPECT_EQ(CellBytes(data, 7), "2");
    EXPECT_EQ(CellBytes(data, 8), "1.5");
    EXPECT_EQ(CellBytes(data, 26), "4.5");
    EXPECT_EQ(Checks(land), "00100" "000010" "000001" "000010" "000001");
    land.DestroyPrintArray();

    // Building: the unit mark, then the input method.
    const struct { int nMethod; const char* checks; } cases[] = {
        {0, "010100"}, {1, "010010"}, {2, "001001"},
        {3, "010000"}, {-1, "010000"}, // outside the group: no method ticked
    };
    CDataAppraisedClass building;
    building.m_nKind = 1;
    building.CreatePrintArray(1);
    for (auto c : cases) {
        building.nInputMethod = c.nMethod;
        EXPECT_TRUE(building.SetDataData(0));
        EXPECT_EQ(Checks(building).substr(0, 6), c.checks) << "method " << c.nMethod;
    }
    building.DestroyPrintArray();
}

TEST_F(TaxBlockTest, ValuesOutsideAChoiceGroupTickNothing)
{
    // A land method of 2 would otherwise tick the ratio cell after the group;
    // a step direction of 2 the next step's first year.
    CDataAppraisedClass land;
    land.nInputMethod = 2;
    tagDATARATE step{1, 2, 1, 1.0, 2};
    land.SetDataRate(0, &step);
    land.CreatePrintArray(1);
    EXPECT_EQ(Checks(land), "00000" "000000" "000010" "000010" "000010");
    land.DestroyPrintArray();

    CDataTaxMunicipalClass municipal;
    municipal.nBuildingType = 3;
    municipal.nBuildingHouseSpecial = 2;
    municipal.nLandHouseSpecial = -1;
    municipal.nLandTaxBase = 1;
    municipal.CreatePrintArray(1);
    EXPECT_EQ(Checks(municipal), "000" "00" "00" "01");
    municipal.DestroyPrintArray();

    CDataTaxLandClass taxLand;
    taxLand.nInputMethod = 2;
    taxLand.CreatePrintArray(1);
    EXPECT_EQ(Checks(taxLand).substr(0, 6), "000000");
    taxLand.DestroyPrintArray();
}

TEST_F(TaxBlockTest, ConditionCells)
{
    CDataTaxSpecialHouseClass house;
    house.dHouseRatio = 33.25;
    house.nHouseUnits = 12;
    house.CreatePrintArray(1);
    EXPECT_EQ(CellBytes(house.m_apData[0], 0), "33.25");
    EXPECT_EQ(CellBytes(house.m_apData[0], 1), "12");
    house.DestroyPrintArray();

    // Building form 2 marks row 2 and nothing in row 1; a second fill leaves
    // one mark per group.
    CDataTaxMunicipalClass municipal;
    municipal.nBuildingType = 2;
    municipal.CreatePrintArray(1);
    EXPECT_EQ(Checks(municipal), "001" "10" "10" "10");
    municipal.nBuildingType = 0;
    municipal.nBuildingHouseSpecial = 1;
    municipal.nLandTaxBase = 1;
    municipal.SetDataData(0);
    EXPECT_EQ(Checks(municipal), "100" "01" "10" "01");
    municipal.DestroyPrintArray();

    CDataTaxCityPlanClass city;
    city.nLandHouseSpecial = 1;
    city.CreatePrintArray(1);
    EXPECT_EQ(Checks(city), "01" "10");
    city.DestroyPrintArray();

    CDataTaxRealtyGetClass realty;
    realty.nNewHouseSpecial = 1;
    realty.nBuildingHouseSpecial = 1;
    realty.CreatePrintArray(1);
    EXPECT_EQ(Checks(realty), "01" "01" "10");
    realty.DestroyPrintArray();

    // Only the outside-income choice prints.
    CDataTaxBusinessClass business;
    business.nOutsideIncome = 1;
    business.dCapital = 5000;
    business.dSalary = 1200;
    business.nDeferral = 1;
    business.CreatePrintArray(1);
    EXPECT_EQ(Checks(business), "01");
    CRecordDC dc;
    business.m_anPrintFlag[0][0] = 1;
    business.ReportDraw(&dc);
    EXPECT_EQ(dc.Texts().size(), 3u); // label and the two choices
    business.DestroyPrintArray();

    CDataTaxLandClass taxLand;
    taxLand.dTotalValue = 98765.4321;
    taxLand.dProjectValue = 40;
    taxLand.nInputMethod = 1;
    taxLand.CreatePrintArray(1);
    EXPECT_EQ(CellBytes(taxLand.m_apData[0], 0), "98,765.4321");
    EXPECT_EQ(CellBytes(taxLand.m_apData[0], 1), "40");
    EXPECT_EQ(Checks(taxLand).substr(0, 6), "00" "01" "01"); // "％" marked
    taxLand.nInputMethod = 0;
    taxLand.SetDataData(0);
    EXPECT_EQ(Checks(taxLand).substr(0, 6), "00" "10" "10"); // "千円" marked
    taxLand.DestroyPrintArray();
}

TEST_F(TaxBlockTest, BusinessPlaceRatioAndExemptionOnlyWhenLevied)
{
    CDataTaxBusinessPlaceClass place;
    place.dNonTaxRatio = 12.5;
    place.nExemption = 1;
    place.CreatePrintArray(1);
    EXPECT_EQ(Checks(place), "10" "0" "00");
    EXPECT_TRUE(CellBytes(place.m_apData[0], 2).empty());
    place.nTaxation = 1;
    place.SetDataData(0);
    EXPECT_EQ(Checks(place), "01" "0" "01");
    EXPECT_EQ(CellBytes(place.m_apData[0], 2), "12.5");
    place.nTaxation = 0;
    place.SetDataData(0);
    EXPECT_EQ(Checks(place), "10" "0" "00");
    EXPECT_TRUE(CellBytes(place.m_apData[0], 2).empty());
    place.DestroyPrintArray();
}

TEST_F(TaxBlockTest, CityPlanningBlockIsUntitled)
{
    CDataTaxCityPlanClass city;
    city.CreatePrintArray(1);
    EXPECT_EQ(city.m_anPrintFlag[0][0], 1);
    CRecordDC dc;
    city.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
    EXPECT_EQ(dc.Texts().front(), U8(u8"都市計画税"));
    // No top line: the frame is the two sides and the bottom.
    for (const CDrawRecord& line : dc.RecordsOf(CDrawRecord::Line)) EXPECT_FALSE(line.rc.top == 0 && line.rc.bottom == 0);
    // With the flag cleared it draws its empty title, which moves the origin.
    city.m_anPrintFlag[0][0] = 0;
    CRecordDC titled;
    city.ReportDraw(&titled);
    EXPECT_EQ(titled.GetWindowOrg(), CPoint(0, 750));
    EXPECT_EQ(titled.Texts().front(), U8(u8"都市計画税"));
    city.DestroyPrintArray();
}

TEST(TaxBlock, InitDataResetsOnlyWhatEachRecordLists)
{
    CDataAppraisedClass appraised;
    appraised.dAmount = 1;
    appraised.nInputMethod = 2;
    appraised.dAssetBaseRatio = 60;
    appraised.dCityBaseRatio = 70;
    appraised.m_nKind = 1;
    SetSteps(appraised);
    appraised.SetPage(2);
    appraised.SetPrintFlag(4, 1);
    appraised.InitData();
    EXPECT_EQ(std::tie(appraised.dAmount, appraised.nInputMethod, appraised.m_nKind), std::make_tuple(0.0, 0, 0));
    EXPECT_EQ(std::tie(appraised.dAssetBaseRatio, appraised.dCityBaseRatio), std::make_tuple(60.0, 70.0));
    EXPECT_EQ(Steps(appraised), Steps([] { CDataAppraisedClass r; SetSteps(r); return r; }()));
    EXPECT_EQ(appraised.GetPage(), 0);
    EXPECT_EQ(appraised.m_anPrintFlag[3][4], 0);

    CDataTaxRealtyGetClass realty;
    realty.nNewHouseSpecial = realty.nLandHouseSpecial = realty.nBuildingHouseSpecial = 1;
    realty.nLandDirect = realty.nBuildingDirect = 1;
    realty.dLandTax = 300;
    realty.dBuildingTax = 400;
    realty.DestroyData(); // resets through InitData
    EXPECT_EQ(std::tie(realty.nNewHouseSpecial, realty.nLandHouseSpecial, realty.nBuildingHouseSpecial),
              std::make_tuple(0, 0, 0));
    EXPECT_EQ(std::tie(realty.nLandDirect, realty.dLandTax, realty.nBuildingDirect, realty.dBuildingTax),
              std::make_tuple(1, 300.0, 1, 400.0));

    CDataTaxBusinessClass business;
    business.nOutsideIncome = business.nDeferral = business.nStandardTax = 1;
    business.dCapital = 10;
    business.dSalary = 20;
    SetSteps(business);
    business.InitData();
    EXPECT_EQ(std::tie(business.nOutsideIncome, business.nDeferral, business.dCapital, business.dSalary),
              std::make_tuple(0, 0, 0.0, 0.0));
    EXPECT_EQ(business.nStandardTax, 1);
    EXPECT_EQ(business.m_aDataRate[3].dRate, 4.5);

    CDataTaxLandClass taxLand;
    taxLand.nInputMethod = 1;
    taxLand.dProjectValue = 50;
    taxLand.dTotalValue = 900;
    SetSteps(taxLand);
    taxLand.InitData();
    EXPECT_EQ(std::tie(taxLand.nInputMethod, taxLand.dProjectValue, taxLand.dTotalValue), std::make_tuple(0, 0.0, 0.0));
    EXPECT_EQ(taxLand.m_aDataRate[2].nEndYear, 7);

    CDataTaxBusinessPlaceClass place;
    place.nTaxation = place.nExemption = 1;
    place.dNonTaxRatio = 5;
    place.InitData();
    EXPECT_EQ(std::tie(place.nTaxation, place.nExemption, place.dNonTaxRatio), std::make_tuple(0, 0, 0.0));
}

TEST(TaxBlock, NewRecordsHoldZeroEverywhere)
{
    CDataAppraisedClass appraised;
    CDataTaxRealtyGetClass realty;
    CDataTaxBusinessClass business;
    CDataTaxLandClass taxLand;
    CDataTaxSpecialHouseClass house;
    CDataTaxMunicipalClass municipal;
    CDataTaxCityPlanClass city;
    const std::vector<std::tuple<int, int, int, double, int>> zeroSteps(4, {0, 0, 0, 0.0, 0});
    EXPECT_EQ(std::tie(appraised.dAmount, appraised.nInputMethod, appraised.dAssetBaseRatio, appraised.dCityBaseRatio,
                       appraised.m_nKind),
              std::make_tuple(0.0, 0, 0.0, 0.0, 0));
    EXPECT_EQ(Steps(appraised), zeroSteps);
    EXPECT_EQ(std::tie(realty.nLandDirect, realty.dLandTax, realty.nBuildingDirect, realty.dBuildingTax),
              std::make_tuple(0, 0.0, 0, 0.0));
    EXPECT_EQ(business.nStandardTax, 0);
    EXPECT_EQ(Steps(business), zeroSteps);
    EXPECT_EQ(Steps(taxLand), zeroSteps);
    EXPECT_EQ(std::tie(house.dHouseRatio, house.nHouseUnits), std::make_tuple(0.0, 0));
    EXPECT_EQ(std::tie(municipal.nBuildingType, municipal.nLandHouseSpecial, municipal.nBuildingHouseSpecial,
                       municipal.nLandTaxBase),
              std::make_tuple(0, 0, 0, 0));
    EXPECT_EQ(std::tie(city.nLandHouseSpecial, city.nLandTaxBase), std::make_tuple(0, 0));
}

namespace {

// A copy and an assignment carry every value, the schedule and the print
// state, and share the source's sheet.
template <class T, class Fields>
void ExpectCopiesCarryEverything(T& source, Fields fields)
{
    source.SetTitle("title");
    source.SetPage(2);
    source.SetPrintFlag(3, 1);
    source.CreatePrintArray(1);
    T copy(source);
    T assigned;
    assigned = source;
    for (const T* r : {&copy, &assigned}) {
        EXPECT_EQ(fields(*r), fields(source));
        EXPECT_EQ(r->m_strTitle, "title");
        EXPECT_EQ(r->GetPage(), 2);
        EXPECT_EQ(r->m_anPrintFlag[9][3], 1);
        EXPECT_EQ(r->m_apData[0], source.m_apData[0]);
        EXPECT_FALSE(r->OwnsPrintArray());
    }
    source.DestroyPrintArray();
}

} // namespace

TEST(TaxBlock, CopiesCarryEverything)
{
    CDataAppraisedClass appraised;
    appraised.dAmount = 1;
    appraised.nInputMethod = 2;
    appraised.dAssetBaseRatio = 3;
    appraised.dCityBaseRatio = 4;
    appraised.m_nKind = 1;
    SetSteps(appraised);
    ExpectCopiesCarryEverything(appraised, [](const CDataAppraisedClass& r) {
        return std::make_tuple(r.dAmount, r.nInputMethod, r.dAssetBaseRatio, r.dCityBaseRatio, r.m_nKind, Steps(r));
    });

    CDataTaxSpecialHouseClass house;
    house.dHouseRatio = 5;
    house.nHouseUnits = 6;
    ExpectCopiesCarryEverything(house, [](const auto& r) { return std::make_tuple(r.dHouseRatio, r.nHouseUnits); });

    CDataTaxMunicipalClass municipal;
    municipal.nBuildingType = 2;
    municipal.nLandHouseSpecial = 1;
    municipal.nBuildingHouseSpecial = 1;
    municipal.nLandTaxBase = 1;
    ExpectCopiesCarryEverything(municipal, [](const auto& r) {
        return std::make_tuple(r.nBuildingType, r.nLandHouseSpecial, r.nBuildingHouseSpecial, r.nLandTaxBase);
    });

    CDataTaxCityPlanClass city;
    city.nLandHouseSpecial = 1;
    city.nLandTaxBase = 1;
    ExpectCopiesCarryEverything(city, [](const auto& r) { return std::make_tuple(r.nLandHouseSpecial, r.nLandTaxBase); });

    CDataTaxRealtyGetClass realty;
    realty.nNewHouseSpecial = 1;
    realty.nLandHouseSpecial = 1;
    realty.nBuildingHouseSpecial = 1;
    realty.nLandDirect = 1;
    realty.dLandTax = 7;
    realty.nBuildingDirect = 1;
    realty.dBuildingTax = 8;
    ExpectCopiesCarryEverything(realty, [](const auto& r) {
        return std::make_tuple(r.nNewHouseSpecial, r.nLandHouseSpecial, r.nBuildingHouseSpecial, r.nLandDirect,
                               r.dLandTax, r.nBuildingDirect, r.dBuildingTax);
    });

    CDataTaxBusinessPlaceClass place;
    place.nTaxation = 1;
    place.nExemption = 1;
    place.dNonTaxRatio = 9;
    ExpectCopiesCarryEverything(place, [](const auto& r) {
        return std::make_tuple(r.nTaxation, r.nExemption, r.dNonTaxRatio);
    });

    CDataTaxBusinessClass business;
    business.nOutsideIncome = 1;
    business.nDeferral = 1;
    business.dCapital = 10;
    business.dSalary = 11;
    business.nStandardTax = 1;
    SetSteps(business);
    ExpectCopiesCarryEverything(business, [](const CDataTaxBusinessClass& r) {
        return std::make_tuple(r.nOutsideIncome, r.nDeferral, r.dCapital, r.dSalary, r.nStandardTax, Steps(r));
    });

    CDataTaxLandClass taxLand;
    taxLand.nInputMethod = 1;
    taxLand.dProjectValue = 12;
    taxLand.dTotalValue = 13;
    SetSteps(taxLand);
    ExpectCopiesCarryEverything(taxLand, [](const CDataTaxLandClass& r) {
        return std::make_tuple(r.nInputMethod, r.dProjectValue, r.dTotalValue, Steps(r));
    });
}

TEST(TaxBlock, WithoutASheetNothingIsFilledOrDrawn)
{
    Blocks b;
    for (CDataClass* r : {static_cast<CDataClass*>(&b.land), static_cast<CDataClass*>(&b.house),
                          static_cast<CDataClass*>(&b.municipal), static_cast<CDataClass*>(&b.city),
                          static_cast<CDataClass*>(&b.realty), static_cast<CDataClass*>(&b.place),
                          static_cast<CDataClass*>(&b.business), static_cast<CDataClass*>(&b.taxLand)}) {
        EXPECT_FALSE(r->SetDataData(0));
        EXPECT_FALSE(r->SetItemData(0));
        CRecordDC dc;
        r->ReportDraw(&dc);
        EXPECT_TRUE(dc.Records().empty());
    }
}
