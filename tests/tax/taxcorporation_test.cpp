#include <gtest/gtest.h>

#include <vector>

#include "platform/recorddc.h"
#include "tax/taxcorporation.h"
#include "tests/support/utf8.h"
#include "tests/tax/taxsheettest.h"

namespace {

// A table as the corporation screen stores it: capital limit C, income limit
// I and three rates; tier [3] holds a value the file keeps.
CTaxCorporationClass ScreenTable(double r0, double r1, double r2, double c, double i)
{
    CTaxCorporationClass t;
    const double tiers[3][6] = {{r0, 0, c, 11, 0, i}, {r1, 0, c, 12, i, -1}, {r2, c, -1, 13, -1, -1}};
    for (int k = 0; k < 3; ++k)
        for (int v = 0; v < 6; ++v) t.m_adCapitalStep[k][v] = tiers[k][v];
    return t;
}

// The corporation tax the engine takes from the members: a small corporation
// (method 1) pays tier 0 up to [0][5] and tier 1 above; others tier 2.
double CorporationTax(const CTaxCorporationClass& t, int nMethod, double dIncome)
{
    const auto& s = t.m_adCapitalStep;
    if (nMethod != 1) return s[2][0] * 0.01 * dIncome;
    const double limit = s[0][5];
    if (dIncome > limit) return (dIncome - limit) * s[1][0] * 0.01 + s[0][0] * 0.01 * limit;
    return s[0][0] * 0.01 * dIncome;
}

} // namespace

TEST(TaxCorporation, TierRuleSplitsAboveTheSmallCorporationBound)
{
    const CTaxCorporationClass table = ScreenTable(15, 23.2, 25.5, 100000, 8000);
    struct Case {
        int nMethod;
        double dIncome, dExpected;
    } cases[] = {
        {1, 5000, 750},              // below the bound: tier 0 only
        {1, 8000, 1200},             // equal to the bound: wholly tier 0
        {1, 8001, 1200 + 0.232},     // one unit more splits
        {1, 10000, 1200 + 464},
        {2, 8000, 2040},             // other methods: tier 2 on the whole
        {0, 1, 0.255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "method " << c.nMethod << ", income " << c.dIncome);
        EXPECT_NEAR(CorporationTax(table, c.nMethod, c.dIncome), c.dExpected, 1e-9);
    }
    // A zero table makes every corporate tax 0.
    const CTaxCorporationClass zero;
    const CTaxResidentCorporationClass resident;
    for (int method : {1, 2}) {
        const double tax = CorporationTax(zero, method, 12345);
        EXPECT_EQ(tax, 0);
        EXPECT_EQ(tax * resident.m_dPrefecturalRate / 100, 0);
        EXPECT_EQ(tax * resident.m_dVillageRate / 100, 0);
    }
}

TEST(TaxCorporation, RecordsStartZeroAndCopyEveryValue)
{
    CTaxCorporationClass source = ScreenTable(15, 23.2, 25.5, 100000, 8000);
    source.SetTitle("t");
    source.SetPage(3);
    CTaxCorporationClass copied(source), assigned;
    assigned = source;
    for (const CTaxCorporationClass* p : {&copied, &assigned}) {
        for (int k = 0; k < 3; ++k)
            for (int v = 0; v < 6; ++v) EXPECT_EQ(p->m_adCapitalStep[k][v], source.m_adCapitalStep[k][v]) << k << v;
        EXPECT_EQ(p->m_adCapitalStep[2][3], 13); // shown nowhere, still copied
        EXPECT_EQ(p->GetPage(), 3);
        EXPECT_EQ(p->m_strTitle, source.m_strTitle);
    }
    source.DestroyData();
    for (auto& tier : source.m_adCapitalStep)
        for (double d : tier) EXPECT_EQ(d, 0);
    EXPECT_EQ(source.GetPage(), 0);

    CTaxResidentCorporationClass resident;
    EXPECT_EQ(resident.m_dPrefecturalRate, 0);
    EXPECT_EQ(resident.m_dVillageRate, 0);
    resident.m_dPrefecturalRate = 5;
    resident.m_dVillageRate = 12.3;
    CTaxResidentCorporationClass residentCopy(resident), residentAssigned;
    residentAssigned = resident;
    for (const CTaxResidentCorporationClass* p : {&residentCopy, &residentAssigned}) {
        EXPECT_EQ(p->m_dPrefecturalRate, 5);
        EXPECT_EQ(p->m_dVillageRate, 12.3);
    }
    resident.InitData();
    EXPECT_EQ(resident.m_dPrefecturalRate + resident.m_dVillageRate, 0);
}

TEST(TaxCorporation, CorporationSheetShowsTheThreeTiers)
{
    CTaxCorporationClass table = ScreenTable(15, 23.2, 25.5, 100000, 8000);
    table.CreatePrintArray(3);
    EXPECT_EQ(PageCounts(table, 0), (std::array<int, 6>{4, 3, 5, 3, 8, 8}));
    EXPECT_EQ(table.m_apFrame[1], nullptr);
    EXPECT_TRUE(PlacesEveryItem(table, 0));
    EXPECT_EQ(CP932ToUtf8(table.m_strTitle), U8(u8"法人税"));

    const std::vector<std::string> labels = {U8(u8"資本金"), U8(u8"課税所得"), U8(u8"税率")};
    const std::vector<std::array<int, 4>> labelRects = {
        {0, 0, 4400, -500}, {4400, 0, 8800, -500}, {8800, 0, 11600, -500}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(CellText(table.m_apItem[0], i), labels[i]);
        EXPECT_EQ(CellRect(table.m_apItem[0], i), labelRects[i]);
        EXPECT_EQ(CellAlign(table.m_apItem[0], i), 1);
    }

    // Cells in the order [0][2], [0][5], [0][0], [1][2], [1][4], [1][0], [2][1], [2][0].
    struct Cell {
        std::string text;
        std::array<int, 4> rect;
    };
    const std::vector<Cell> values = {
        {"100,000", {0, -500, 2400, -1000}},     {"8,000", {4400, -500, 6800, -1000}},
        {"15", {8800, -500, 11200, -1000}},      {"100,000", {0, -1000, 2400, -1500}},
        {"8,000", {4400, -1000, 6800, -1500}},   {"23.2", {8800, -1000, 11200, -1500}},
        {"100,000", {0, -1500, 2400, -2000}},    {"25.5", {8800, -1500, 11200, -2000}},
    };
    const std::string atMost = U8(u8"千円以下"), over = U8(u8"千円超～"), percent = U8(u8"％");
    const std::vector<Cell> words = {
        {atMost, {2400, -500, 4400, -1000}},  {atMost, {6800, -500, 8800, -1000}},
        {percent, {11200, -500, 18000, -1000}}, {atMost, {2400, -1000, 4400, -1500}},
        {over, {6800, -1000, 8800, -1500}},   {percent, {11200, -1000, 18000, -1500}},
        {over, {2400, -1500, 4400, -2000}},   {percent, {11200, -1500, 18000, -2000}},
    };
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(CellText(table.m_apData[0], i), values[i].text);
        EXPECT_EQ(CellRect(table.m_apData[0], i), values[i].rect);
        EXPECT_EQ(CellAlign(table.m_apData[0], i), 2);
        EXPECT_EQ(CellText(table.m_apSubItem[0], i), words[i].text);
        EXPECT_EQ(CellRect(table.m_apSubItem[0], i), words[i].rect);
        EXPECT_EQ(CellAlign(table.m_apSubItem[0], i), 0);
    }
    EXPECT_EQ(CellRect(table.m_apHLine[0], 0), (std::array<int, 4>{4400, 0, 4400, -2000}));
    EXPECT_EQ(CellRect(table.m_apHLine[0], 4), (std::array<int, 4>{11200, -500, 11200, -2000}));

    // A zero table prints zeros in all eight cells.
    CTaxCorporationClass zero;
    zero.CreatePrintArray(1);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(CellText(zero.m_apData[0], i), "0");
    zero.DestroyPrintArray();

    CRecordDC dc;
    table.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750 + 2000));
    table.DestroyPrintArray();
}

TEST(TaxCorporation, ResidentSheetShowsTheTwoRates)
{
    CTaxResidentCorporationClass record;
    record.m_dPrefecturalRate = 5;
    record.m_dVillageRate = 12.3;
    record.CreatePrintArray(1);
    EXPECT_EQ(PageCounts(record, 0), (std::array<int, 6>{4, 1, 2, 2, 2, 2}));
    EXPECT_TRUE(PlacesEveryItem(record, 0));
    EXPECT_EQ(CP932ToUtf8(record.m_strTitle), U8(u8"法人－住民税"));
    EXPECT_EQ(CellText(record.m_apItem[0], 0), U8(u8"道府県民税"));
    EXPECT_EQ(CellText(record.m_apItem[0], 1), U8(u8"市町村民税"));
    EXPECT_EQ(CellRect(record.m_apItem[0], 1), (std::array<int, 4>{0, -500, 4000, -1000}));
    EXPECT_EQ(CellText(record.m_apData[0], 0), "5");
    EXPECT_EQ(CellText(record.m_apData[0], 1), "12.3");
    EXPECT_EQ(CellRect(record.m_apData[0], 0), (std::array<int, 4>{4000, 0, 11200, -500}));
    EXPECT_EQ(CellText(record.m_apSubItem[0], 1), U8(u8"％"));
    EXPECT_EQ(CellRect(record.m_apSubItem[0], 1), (std::array<int, 4>{11200, -500, 18000, -1000}));
    EXPECT_EQ(CellRect(record.m_apHLine[0], 1), (std::array<int, 4>{11200, 0, 11200, -1000}));

    CRecordDC dc;
    record.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750 + 1000));
    record.DestroyPrintArray();
}

TEST(TaxCorporation, MissingValueCellsAreReported)
{
    // Resident: a missing first cell leaves both unfilled, a missing second only the second.
    for (int missing : {0, 1}) {
        SCOPED_TRACE(missing);
        CTaxResidentCorporationClass record;
        record.CreatePrintArray(1);
        record.m_dPrefecturalRate = 5;
        record.m_dVillageRate = 6;
        CObArray* pData = record.m_apData[0];
        delete pData->GetAt(missing);
        pData->SetAt(missing, nullptr);
        EXPECT_FALSE(record.SetDataData(0));
        EXPECT_EQ(CellText(pData, 0), missing == 0 ? "<none>" : "5");
        EXPECT_EQ(CellText(pData, 1), missing == 0 ? "0" : "<none>");
        record.DestroyPrintArray();
    }
    // Corporation: no sheet, or a short one, reads nothing and says so.
    CTaxCorporationClass table;
    EXPECT_FALSE(table.SetDataData(0));
    table.CreatePrintArray(1);
    delete table.m_apData[0]->GetAt(7);
    table.m_apData[0]->RemoveAt(7);
    EXPECT_FALSE(table.SetDataData(0));
    table.DestroyPrintArray();
}

TEST(TaxCorporation, PictureOfTheSheets)
{
    UseSheetPrintSettings();
    CTaxCorporationClass table = ScreenTable(15, 23.2, 25.5, 100000, 8000);
    CTaxResidentCorporationClass resident;
    resident.m_dPrefecturalRate = 5;
    resident.m_dVillageRate = 12.3;
    table.CreatePrintArray(1);
    resident.CreatePrintArray(1);
    QImage image = RenderSheet([&](CDC* pDC) {
        table.ReportDraw(pDC);
        resident.ReportDraw(pDC);
    }, 210, 80);
    table.DestroyPrintArray();
    resident.DestroyPrintArray();
    SaveArtifact(image, "tax_corporation_sheets");
    EXPECT_GT(CountInk(image), 2000);
}
