#include <gtest/gtest.h>

#include <vector>

#include "platform/recorddc.h"
#include "tax/taxpersonal.h"
#include "tests/support/utf8.h"
#include "tests/tax/taxsheettest.h"

namespace {

struct Bracket {
    double dLower, dUpper, dRate, dDeduction;
};

template <class TTable>
void FillTable(TTable& table, const std::vector<Bracket>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        table.m_aStep[i].m_dLower = rows[i].dLower;
        table.m_aStep[i].m_dUpper = rows[i].dUpper;
        table.m_aStep[i].m_dRate = rows[i].dRate;
        table.m_aStep[i].m_dDeduction = rows[i].dDeduction;
    }
}

std::vector<Bracket> FullAscendingTable()
{
    std::vector<Bracket> rows;
    for (int k = 0; k < 20; ++k) rows.push_back({k * 100.0, (k + 1) * 100.0, double(k), 0});
    return rows;
}

struct StepCase {
    const char* pszTable;
    std::vector<Bracket> rows;
    double dIncome;
    int nExpected;
};

// Bracket rules: lower bound exclusive, upper inclusive, an empty row stops at
// its own index, an inverted row stops too, and 19 when nothing stops.
const std::vector<StepCase>& StepCases()
{
    static const std::vector<Bracket> scale = {
        {0, 1950, 5, 0}, {1950, 3300, 10, 97.5}, {3300, 6950, 20, 427.5}};
    static const std::vector<StepCase> cases = {
        {"all empty", {}, 100, 0},
        {"all empty", {}, 0, 0},
        {"all empty", {}, -5, 0},
        {"all empty", {}, 1e12, 0},
        {"scale", scale, 0.5, 0},
        {"scale", scale, 1950, 0},
        {"scale", scale, 1950.5, 1},
        {"scale", scale, 3300, 1},
        {"scale", scale, 3300.0001, 2},
        {"scale", scale, 6950, 2},
        {"scale", scale, 6950.5, 3}, // above the last filled row: the first empty row
        {"scale", scale, 0, 3},      // not above row 0's lower bound
        {"scale", scale, -100, 3},
        {"full", FullAscendingTable(), 100, 0},
        {"full", FullAscendingTable(), 100.5, 1},
        {"full", FullAscendingTable(), 2000, 19},
        {"full", FullAscendingTable(), 2000.5, 19}, // nothing stops: the last row
        {"full", FullAscendingTable(), 0, 19},
        {"inverted", {{0, 1000, 5, 0}, {500, 100, 7, 0}, {1000, 5000, 9, 0}}, 3000, 1},
        {"inverted", {{0, 1000, 5, 0}, {500, 100, 7, 0}, {1000, 5000, 9, 0}}, 800, 0},
        {"gap", {{0, 1000, 5, 0}, {2000, 3000, 7, 0}}, 1500, 2},
        {"lower only", {{0, 1000, 5, 0}, {1000, 0, 7, 0}}, 5000, 1},
        {"upper only", {{0, 1000, 5, 0}, {0, 3000, 7, 0}}, 2000, 1},
    };
    return cases;
}

template <class TTable>
class TaxStepTable : public ::testing::Test {};

using StepTables = ::testing::Types<CTaxIncomeClass, CTaxPrefecturalClass, CTaxVillageClass>;
TYPED_TEST_SUITE(TaxStepTable, StepTables);

} // namespace

TYPED_TEST(TaxStepTable, CheckStepFollowsTheBracketRules)
{
    for (const StepCase& c : StepCases()) {
        SCOPED_TRACE(::testing::Message() << c.pszTable << ", income " << c.dIncome);
        TypeParam table;
        FillTable(table, c.rows);
        EXPECT_EQ(table.GetCheckStep(c.dIncome), c.nExpected);
    }
}

TYPED_TEST(TaxStepTable, InitAndDestroyKeepTheRows)
{
    TypeParam table;
    FillTable(table, {{0, 1950, 5, 0}, {1950, 3300, 10, 97.5}});
    table.m_aStep[0].m_nSpare = 3;
    table.SetTitle("x");
    table.SetPage(2);
    table.m_anPrintFlag[0][4] = 1;
    table.InitData();
    EXPECT_EQ(table.m_aStep[1].m_dDeduction, 97.5);
    EXPECT_EQ(table.m_aStep[0].m_nSpare, 3);
    EXPECT_TRUE(table.m_strTitle.IsEmpty());
    EXPECT_EQ(table.GetPage(), 0);
    EXPECT_EQ(table.m_anPrintFlag[0][4], 0);

    table.SetPage(2);
    table.DestroyData();
    EXPECT_EQ(table.m_aStep[1].m_dRate, 10);
    EXPECT_EQ(table.GetPage(), 0);
}

TEST(TaxPersonal, RowStartsZeroAndInitClearsIt)
{
    CTaxPersonalClass row;
    EXPECT_EQ(row.m_nSpare, 0);
    EXPECT_EQ(row.m_dRate, 0);
    EXPECT_EQ(row.m_dLower, 0);
    EXPECT_EQ(row.m_dUpper, 0);
    EXPECT_EQ(row.m_dDeduction, 0);
    row = CTaxPersonalClass();
    row.m_nSpare = 1;
    row.m_dRate = 2;
    row.m_dLower = 3;
    row.m_dUpper = 4;
    row.m_dDeduction = 5;
    row.SetTitle("t");
    row.DestroyData();
    EXPECT_EQ(row.m_nSpare, 0);
    EXPECT_EQ(row.m_dRate + row.m_dLower + row.m_dUpper + row.m_dDeduction, 0);
    EXPECT_TRUE(row.m_strTitle.IsEmpty());
}

TEST(TaxPersonal, IncomeTableCopiesEveryReductionAndRow)
{
    CTaxIncomeClass source;
    for (int i = 0; i < 10; ++i) {
        source.m_adReduction[i] = 10.5 + i;
        source.m_anReductionYear[i] = i + 1;
    }
    for (int k = 0; k < 20; ++k) {
        CTaxPersonalClass& row = source.m_aStep[k];
        row.m_nSpare = k;
        row.m_dRate = k + 0.5;
        row.m_dLower = k * 100;
        row.m_dUpper = k * 100 + 100;
        row.m_dDeduction = k * 3;
        row.SetTitle("row");
        row.SetPage(k);
    }
    source.SetTitle("income");
    source.SetPage(4);
    source.m_anPrintFlag[0][2] = 1;
    EXPECT_EQ(source.GetResptr(), &source.m_adReduction[0]);

    auto check = [&](const CTaxIncomeClass& copy) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(copy.m_adReduction[i], source.m_adReduction[i]) << i;
            EXPECT_EQ(copy.m_anReductionYear[i], source.m_anReductionYear[i]) << i;
        }
        for (int k = 0; k < 20; ++k) {
            SCOPED_TRACE(k);
            const CTaxPersonalClass& a = copy.m_aStep[k];
            const CTaxPersonalClass& b = source.m_aStep[k];
            EXPECT_EQ(a.m_nSpare, b.m_nSpare);
            EXPECT_EQ(a.m_dRate, b.m_dRate);
            EXPECT_EQ(a.m_dLower, b.m_dLower);
            EXPECT_EQ(a.m_dUpper, b.m_dUpper);
            EXPECT_EQ(a.m_dDeduction, b.m_dDeduction);
            EXPECT_EQ(a.m_strTitle, b.m_strTitle);
            EXPECT_EQ(a.GetPage(), b.GetPage());
        }
        EXPECT_EQ(copy.m_strTitle, source.m_strTitle);
        EXPECT_EQ(copy.GetPage(), 4);
        EXPECT_EQ(copy.m_anPrintFlag[0][2], 1);
    };
    CTaxIncomeClass copied(source);
    check(copied);
    CTaxIncomeClass assigned;
    assigned = source;
    check(assigned);
}

TEST(TaxPersonal, InhabitantTablesCopyTheirRowsAndSpares)
{
    CTaxPrefecturalClass prefectural;
    FillTable(prefectural, {{0, 1950, 4, 0}});
    for (int i = 0; i < 5; ++i) prefectural.m_anSpare[i] = 7 + i;
    CTaxPrefecturalClass prefecturalCopy(prefectural), prefecturalAssigned;
    prefecturalAssigned = prefectural;
    for (const CTaxPrefecturalClass* p : {&prefecturalCopy, &prefecturalAssigned}) {
        EXPECT_EQ(p->m_aStep[0].m_dUpper, 1950);
        EXPECT_EQ(p->m_aStep[0].m_dRate, 4);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(p->m_anSpare[i], 7 + i);
    }

    CTaxVillageClass village;
    FillTable(village, {{0, 1950, 6, 0}, {1950, 0, 8, 12.5}});
    CTaxVillageClass villageCopy(village), villageAssigned;
    villageAssigned = village;
    for (const CTaxVillageClass* p : {&villageCopy, &villageAssigned}) {
        EXPECT_EQ(p->m_aStep[1].m_dLower, 1950);
        EXPECT_EQ(p->m_aStep[1].m_dDeduction, 12.5);
    }
}

namespace {

struct TableStrings {
    const char8_t* pszTitle;
    const char8_t* pszLabels[3];
    const char8_t* pszOver;
    const char8_t* pszAtMost;
};

template <class TTable>
TableStrings ExpectedStrings();
template <>
TableStrings ExpectedStrings<CTaxIncomeClass>()
{
    return {u8"所得税", {u8"課税所得", u8"控除額", u8"税率"}, u8"千円超～", u8"千円以下"};
}
template <>
TableStrings ExpectedStrings<CTaxPrefecturalClass>()
{
    return {u8"道府県民税", {u8"課税所得", u8"控除額", u8"税率"}, u8"千円超～", u8"千円以下"};
}
template <>
TableStrings ExpectedStrings<CTaxVillageClass>()
{
    return {u8"市町村民税", {u8"課税所得", u8"控除額", u8"税率"}, u8"千円超～", u8"千円以下"};
}

} // namespace

TYPED_TEST(TaxStepTable, SheetPrintsTwentyRowsUnderTheHeadings)
{
    const TableStrings s = ExpectedStrings<TypeParam>();
    TypeParam table;
    FillTable(table, {{0, 1950, 5, 0},
                      {1950, 3300, 10, 97.5},
                      {3300, 6950, 20, 427.5},
                      {6950, 9000, 23, 636},
                      {9000, 1e9, 33.123456, 1536}});
    table.CreatePrintArray(5); // the count is ignored: page 0 alone
    EXPECT_EQ(PageCounts(table, 0), (std::array<int, 6>{4, 20, 7, 3, 80, 80}));
    EXPECT_EQ(table.m_apFrame[1], nullptr);
    EXPECT_TRUE(PlacesEveryItem(table, 0));
    EXPECT_EQ(CP932ToUtf8(table.m_strTitle), U8(s.pszTitle));

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(CellText(table.m_apItem[0], i), U8(s.pszLabels[i]));
        EXPECT_EQ(CellAlign(table.m_apItem[0], i), 1);
    }
    EXPECT_EQ(CellRect(table.m_apItem[0], 0), (std::array<int, 4>{0, 0, 8800, -500}));
    EXPECT_EQ(CellRect(table.m_apItem[0], 1), (std::array<int, 4>{8800, 0, 13200, -500}));
    EXPECT_EQ(CellRect(table.m_apItem[0], 2), (std::array<int, 4>{13200, 0, 16000, -500}));

    // Every row: lower, "over", upper, "at most", deduction, "千円", rate, "％".
    const std::vector<std::vector<std::string>> values = {
        {"0", "1,950", "0", "5"},
        {"1,950", "3,300", "97.5", "10"},
        {"3,300", "6,950", "427.5", "20"},
        {"6,950", "9,000", "636", "23"},
        {"9,000", "1,000,000,000", "1,536", "33.123456"},
    };
    const int xs[4][2] = {{0, 2400}, {4400, 6800}, {8800, 11200}, {13200, 15600}};
    const int wordXs[4][2] = {{2400, 4400}, {6800, 8800}, {11200, 13200}, {15600, 18000}};
    const std::string words[4] = {U8(s.pszOver), U8(s.pszAtMost), U8(u8"千円"), U8(u8"％")};
    for (int k = 0; k < 20; ++k) {
        SCOPED_TRACE(k);
        const int top = -500 * (k + 1), bottom = -500 * (k + 2);
        for (int i = 0; i < 4; ++i) {
            const std::string expected = k < 5 ? values[k][i] : "0";
            EXPECT_EQ(CellText(table.m_apData[0], 4 * k + i), expected);
            EXPECT_EQ(CellAlign(table.m_apData[0], 4 * k + i), 2);
            EXPECT_EQ(CellRect(table.m_apData[0], 4 * k + i), (std::array<int, 4>{xs[i][0], top, xs[i][1], bottom}));
            EXPECT_EQ(CellText(table.m_apSubItem[0], 4 * k + i), words[i]);
            EXPECT_EQ(CellAlign(table.m_apSubItem[0], 4 * k + i), 0);
            EXPECT_EQ(CellRect(table.m_apSubItem[0], 4 * k + i),
                      (std::array<int, 4>{wordXs[i][0], top, wordXs[i][1], bottom}));
        }
    }
    // Rules: the box, 20 row rules, two full column rules and five below the headings.
    EXPECT_EQ(CellRect(table.m_apWLine[0], 19), (std::array<int, 4>{0, -10000, 18000, -10000}));
    EXPECT_EQ(CellRect(table.m_apHLine[0], 0), (std::array<int, 4>{8800, 0, 8800, -10500}));
    EXPECT_EQ(CellRect(table.m_apHLine[0], 2), (std::array<int, 4>{2400, -500, 2400, -10500}));

    // An edit after the sheet is built shows after SetDataData.
    table.m_aStep[0].m_dRate = 2.5;
    EXPECT_TRUE(table.SetDataData(0));
    EXPECT_EQ(CellText(table.m_apData[0], 3), "2.5");
    table.DestroyPrintArray();
}

TYPED_TEST(TaxStepTable, DrawingMovesTheOriginBelowTheSheet)
{
    TypeParam table;
    table.CreatePrintArray(1);
    CRecordDC dc;
    dc.SetWindowOrg(100, 200);
    table.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(100, 200 + 750 + 10500));
    EXPECT_EQ(dc.Texts().front(), U8(ExpectedStrings<TypeParam>().pszTitle));
    EXPECT_EQ(dc.Texts().size(), 1u + 3 + 80 + 80);

    table.SetPrintFlag(0, 1); // no title: the sheet's own height only
    table.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(100, 200 + 750 + 2 * 10500));
    table.DestroyPrintArray();
}

TEST(TaxPersonal, PictureOfTheIncomeSheet)
{
    UseSheetPrintSettings();
    CTaxIncomeClass table;
    FillTable(table, {{0, 1950, 5, 0},
                      {1950, 3300, 10, 97.5},
                      {3300, 6950, 20, 427.5},
                      {6950, 9000, 23, 636},
                      {9000, 18000, 33, 1536},
                      {18000, 40000, 40, 2796},
                      {40000, 999999999, 45, 4796}});
    table.CreatePrintArray(1);
    QImage image = RenderSheet([&](CDC* pDC) { table.ReportDraw(pDC); });
    table.DestroyPrintArray();
    SaveArtifact(image, "tax_income_sheet");
    EXPECT_GT(CountInk(image), 5000);
}
