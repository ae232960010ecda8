#include <gtest/gtest.h>
#include <QImage>

#include "data/datatax.h"
#include "tests/data/projecttaxsheet.h"
#include "tests/support/utf8.h"

namespace {

void SetSteps(CDataRateClass& r, double dFirstRate)
{
    for (int i = 0; i < CDataRateClass::kStepCount; ++i) {
        tagDATARATE step{3 * i + 1, 3 * i + 3, 1, dFirstRate + i, i % 2};
        r.SetDataRate(i, &step);
    }
}

void Fill(CDataTaxClass& t)
{
    CDataAppraisedClass& land = t.m_aAppraised[0];
    land.dAmount = 52000;
    land.dAssetBaseRatio = 60;
    land.dCityBaseRatio = 70;
    SetSteps(land, 1.5);
    CDataAppraisedClass& building = t.m_aAppraised[1];
    building.dAmount = 65.5;
    building.nInputMethod = 2;
    SetSteps(building, 2.0);
    t.m_objSpecialHouse.dHouseRatio = 80.5;
    t.m_objSpecialHouse.nHouseUnits = 24;
    t.m_objRealtyGet.nNewHouseSpecial = 1;
    t.m_objRealtyGet.nLandDirect = 1;
    t.m_objRealtyGet.dLandTax = 1234;
    t.m_objMunicipal.nBuildingType = 2;
    t.m_objMunicipal.nLandTaxBase = 1;
    t.m_objCityPlan.nLandTaxBase = 1;
    t.m_objBusinessPlace.nTaxation = 1;
    t.m_objBusinessPlace.dNonTaxRatio = 12.5;
    t.m_objTaxBusiness.nOutsideIncome = 1;
    t.m_objTaxBusiness.dSalary = 3600;
    t.m_objTaxBusiness.nStandardTax = 1;
    SetSteps(t.m_objTaxBusiness, 0.5);
    t.m_objTaxLand.dTotalValue = 250000;
    t.m_objTaxLand.dProjectValue = 40;
    t.m_objTaxLand.nInputMethod = 1;
    SetSteps(t.m_objTaxLand, 3.0);
    CDataTaxConsumptionClass& c = t.m_objConsumption;
    c.m_anConstructFromYear[0] = 1;
    c.m_anConstructToYear[0] = 2;
    c.m_adConstructRate[0] = 5;
    c.m_anConstructFromYear[1] = 3;
    c.m_anConstructToYear[1] = 4;
    c.m_adConstructRate[1] = 8;
    c.m_anBusinessFromYear[0] = 1;
    c.m_anBusinessToYear[0] = 6;
    c.m_adBusinessRate[0] = 8;
    c.m_anBusinessFromYear[1] = 7;
    c.m_anBusinessToYear[1] = 30;
    c.m_adBusinessRate[1] = 10;
}

void AddSteps(std::vector<double>& v, const CDataRateClass& r)
{
    for (const tagDATARATE& s : r.m_aDataRate) v.insert(v.end(), {double(s.nStartYear), double(s.nEndYear),
                                                                   double(s.nInterval), s.dRate, double(s.bDecrease)});
}

// Every value of the tax record and its sub-records, in member order.
std::vector<double> Values(const CDataTaxClass& t)
{
    std::vector<double> v;
    for (const CDataAppraisedClass& a : t.m_aAppraised) {
        AddSteps(v, a);
        v.insert(v.end(), {a.dAmount, double(a.nInputMethod), a.dAssetBaseRatio, a.dCityBaseRatio, double(a.m_nKind)});
    }
    const auto& h = t.m_objSpecialHouse;
    const auto& g = t.m_objRealtyGet;
    const auto& m = t.m_objMunicipal;
    const auto& p = t.m_objCityPlan;
    const auto& b = t.m_objBusinessPlace;
    const auto& l = t.m_objTaxLand;
    const auto& e = t.m_objTaxBusiness;
    const auto& c = t.m_objConsumption;
    v.insert(v.end(), {h.dHouseRatio, double(h.nHouseUnits)});
    v.insert(v.end(), {double(g.nNewHouseSpecial), double(g.nLandHouseSpecial), double(g.nBuildingHouseSpecial),
                       double(g.nLandDirect), g.dLandTax, double(g.nBuildingDirect), g.dBuildingTax});
    v.insert(v.end(), {double(m.nBuildingType), double(m.nLandHouseSpecial), double(m.nBuildingHouseSpecial),
                       double(m.nLandTaxBase)});
    v.insert(v.end(), {double(p.nLandHouseSpecial), double(p.nLandTaxBase)});
    v.insert(v.end(), {double(b.nTaxation), double(b.nExemption), b.dNonTaxRatio});
    AddSteps(v, l);
    v.insert(v.end(), {double(l.nInputMethod), l.dProjectValue, l.dTotalValue});
    AddSteps(v, e);
    v.insert(v.end(), {double(e.nOutsideIncome), double(e.nDeferral), e.dCapital, e.dSalary, double(e.nStandardTax)});
    AddSteps(v, c);
    for (int i = 0; i < 2; ++i)
        v.insert(v.end(), {double(c.m_anConstructFromYear[i]), double(c.m_anConstructToYear[i]), c.m_adConstructRate[i],
                           double(c.m_anBusinessFromYear[i]), double(c.m_anBusinessToYear[i]), c.m_adBusinessRate[i]});
    return v;
}

// The printed sub-records of page 1, in drawing order.
std::vector<const CDataClass*> PageOneBlocks(const CDataTaxClass& t)
{
    return {&t.m_aAppraised[0],     &t.m_aAppraised[1], &t.m_objSpecialHouse,  &t.m_objRealtyGet,
            &t.m_objMunicipal,      &t.m_objCityPlan,   &t.m_objBusinessPlace, &t.m_objTaxBusiness};
}

int SetChecks(const CDataClass& r)
{
    int n = 0;
    for (char c : Checks(r)) n += c == '1';
    return n;
}

// Ticks are drawn with their own 0.2 mm pen, two strokes each.
int TickStrokes(const CRecordDC& dc)
{
    int n = 0;
    for (const CDrawRecord& line : dc.RecordsOf(CDrawRecord::Line)) n += line.pen.lopnWidth.x == 20;
    return n;
}

class DataTaxTest : public TaxSheetTest {
protected:
    void SetUp() override
    {
        TaxSheetTest::SetUp();
        Fill(m_tax);
        m_tax.CreatePrintArray(1);
    }
    void TearDown() override { m_tax.DestroyPrintArray(); }

    CDataTaxClass m_tax;
};

} // namespace

TEST_F(DataTaxTest, PageOneStacksTheBlocksByTheirRows)
{
    m_tax.SetPage(1);
    CRecordDC dc;
    m_tax.ReportDraw(&dc);
    // 34 rows of blocks and seven titles; the city-planning block has none.
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 17000 + 7 * 750));
    const auto texts = dc.RecordsOf(CDrawRecord::Text);
    const struct { const char8_t* title; int nOriginY; } titles[] = {
        {u8"土地－固定資産税評価額", 0},
        {u8"建物－固定資産税評価額", 750 + 8 * 500},
        {u8"住宅特例", 2 * 750 + 15 * 500},
        {u8"不動産取得税", 3 * 750 + 17 * 500},
        {u8"固定資産税・都市計画税", 4 * 750 + 20 * 500},
        {u8"事業所税", 5 * 750 + 29 * 500},
        {u8"事業税", 6 * 750 + 33 * 500},
    };
    for (const auto& t : titles) {
        const CDrawRecord* r = FindText(texts, U8(t.title));
        ASSERT_NE(r, nullptr) << U8(t.title);
        EXPECT_EQ(r->origin.y, t.nOriginY) << U8(t.title);
    }
    EXPECT_EQ(FindText(texts, U8(u8"地価税")), nullptr);

    // The city-planning block hangs from the bottom line of the fixed-asset frame.
    const int fixedAssetOrigin = 5 * 750 + 20 * 500, cityOrigin = fixedAssetOrigin + 6 * 500;
    int fixedAssetBottom = 0, cityTop = -1000000;
    for (const CDrawRecord& line : dc.RecordsOf(CDrawRecord::Line)) {
        if (line.origin.y == fixedAssetOrigin) fixedAssetBottom = std::min(fixedAssetBottom, line.rc.bottom);
        if (line.origin.y == cityOrigin) {
            cityTop = std::max({cityTop, line.rc.top, line.rc.bottom});
            EXPECT_FALSE(line.rc.top == 0 && line.rc.bottom == 0) << "a top line on the city-planning block";
        }
    }
    EXPECT_EQ(fixedAssetBottom - fixedAssetOrigin, cityTop - cityOrigin);
    int cityLabels = 0;
    for (const CDrawRecord& r : texts) cityLabels += r.origin.y == cityOrigin;
    EXPECT_EQ(cityLabels, 7); // three labels and four choices
}

TEST_F(DataTaxTest, PageTwoIsTheLandValueBlockAlone)
{
    m_tax.SetPage(2);
    CRecordDC dc;
    m_tax.ReportDraw(&dc);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 750)); // its title only
    CDataTaxLandClass alone(m_tax.m_objTaxLand);
    CRecordDC expected;
    alone.ReportDraw(&expected);
    EXPECT_EQ(dc.Texts(), expected.Texts());
    EXPECT_EQ(dc.Texts().front(), U8(u8"地価税"));
    EXPECT_EQ(dc.RecordsOf(CDrawRecord::Line).size(), expected.RecordsOf(CDrawRecord::Line).size());
}

TEST_F(DataTaxTest, OtherPagesDrawNothing)
{
    for (int page : {0, 3, -1, 10}) {
        m_tax.SetPage(page);
        CRecordDC dc;
        dc.SetWindowOrg(100, 200);
        m_tax.ReportDraw(&dc);
        EXPECT_TRUE(dc.Records().empty()) << "page " << page;
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(100, 200)) << "page " << page;
    }
}

TEST_F(DataTaxTest, ValuesFlagReachesEveryBlock)
{
    int ticks = 0;
    for (const CDataClass* r : PageOneBlocks(m_tax)) ticks += SetChecks(*r);
    ASSERT_GT(ticks, 10);
    m_tax.SetPage(1);
    m_tax.SetPrintFlag(4, 1);
    CRecordDC blank;
    m_tax.ReportDraw(&blank);
    EXPECT_EQ(TickStrokes(blank), 0);
    EXPECT_EQ(FindText(blank.RecordsOf(CDrawRecord::Text), "52,000"), nullptr);
    EXPECT_NE(FindText(blank.RecordsOf(CDrawRecord::Text), U8(u8"金額")), nullptr); // labels stay
    EXPECT_EQ(blank.GetWindowOrg(), CPoint(0, 17000 + 7 * 750));
    for (const CDataClass* r : PageOneBlocks(m_tax)) EXPECT_EQ(r->m_anPrintFlag[0][4], 1);

    m_tax.SetPrintFlag(4, 0);
    CRecordDC filled;
    m_tax.ReportDraw(&filled);
    EXPECT_EQ(TickStrokes(filled), 2 * ticks);
    EXPECT_NE(FindText(filled.RecordsOf(CDrawRecord::Text), "52,000"), nullptr);
    EXPECT_NE(FindText(filled.RecordsOf(CDrawRecord::Text), "12.5"), nullptr);

    m_tax.SetPage(2);
    m_tax.SetPrintFlag(4, 1);
    CRecordDC landBlank;
    m_tax.ReportDraw(&landBlank);
    EXPECT_EQ(FindText(landBlank.RecordsOf(CDrawRecord::Text), "250,000"), nullptr);
    EXPECT_EQ(TickStrokes(landBlank), 0);
}

TEST_F(DataTaxTest, BuildingTheSheetSetsTheKindsAndFillsEveryBlock)
{
    m_tax.m_aAppraised[0].m_nKind = 1;
    m_tax.m_aAppraised[1].m_nKind = 0;
    m_tax.CreatePrintArray(7); // rebuilds, freeing the blocks built before
    EXPECT_EQ(m_tax.m_aAppraised[0].m_nKind, 0);
    EXPECT_EQ(m_tax.m_aAppraised[1].m_nKind, 1);
    EXPECT_EQ(m_tax.m_aAppraised[0].m_apItem[0]->GetSize(), 15);
    EXPECT_EQ(m_tax.m_aAppraised[1].m_apItem[0]->GetSize(), 12);
    EXPECT_EQ(m_tax.m_objTaxLand.m_apData[0]->GetSize(), 30);
    for (int p = 0; p < CDataClass::kPageCount; ++p) EXPECT_EQ(m_tax.m_apItem[p], nullptr);
    EXPECT_EQ(m_tax.m_objConsumption.m_apItem[0], nullptr);
    EXPECT_EQ(CellBytes(m_tax.m_aAppraised[1].m_apData[0], 0), "65.5");
    EXPECT_EQ(Checks(m_tax.m_aAppraised[1]).substr(0, 6), "001001");

    // An edit followed by SetDataData refreshes the cells of every block.
    m_tax.m_aAppraised[0].dAmount = 7;
    m_tax.m_objMunicipal.nBuildingType = 1;
    m_tax.m_objTaxLand.nInputMethod = 0;
    m_tax.m_objTaxBusiness.nOutsideIncome = 0;
    EXPECT_TRUE(m_tax.SetDataData(0));
    EXPECT_EQ(CellBytes(m_tax.m_aAppraised[0].m_apData[0], 0), "7");
    EXPECT_EQ(Checks(m_tax.m_objMunicipal).substr(0, 3), "010");
    EXPECT_EQ(Checks(m_tax.m_objTaxLand).substr(2, 4), "1010");
    EXPECT_EQ(Checks(m_tax.m_objTaxBusiness), "10");

    m_tax.DestroyPrintArray();
    for (const CDataClass* r : PageOneBlocks(m_tax)) EXPECT_EQ(r->m_apData[0], nullptr);
    EXPECT_EQ(m_tax.m_objTaxLand.m_apData[0], nullptr);
}

TEST_F(DataTaxTest, InitDataResetsOnlyTheTaxRecordsPrintState)
{
    const std::vector<double> before = Values(m_tax);
    m_tax.SetPage(2);
    m_tax.SetTitle("tax");
    m_tax.SetPrintFlag(4, 1);
    m_tax.m_objMunicipal.SetPrintFlag(2, 1);
    m_tax.InitData();
    EXPECT_EQ(Values(m_tax), before);
    EXPECT_EQ(m_tax.GetPage(), 0);
    EXPECT_TRUE(m_tax.m_strTitle.IsEmpty());
    EXPECT_EQ(m_tax.m_anPrintFlag[0][4], 0);
    EXPECT_EQ(m_tax.m_objMunicipal.m_anPrintFlag[0][2], 1);
    EXPECT_EQ(m_tax.m_objCityPlan.m_anPrintFlag[0][0], 1);
}

TEST_F(DataTaxTest, CopiesCarryEverySubRecordAndShareTheSheet)
{
    m_tax.SetPage(1);
    m_tax.SetPrintFlag(1, 1);
    CDataTaxClass copy(m_tax);
    EXPECT_EQ(Values(copy), Values(m_tax));
    EXPECT_EQ(copy.GetPage(), 1);
    EXPECT_EQ(copy.m_anPrintFlag[5][1], 1);
    EXPECT_EQ(copy.m_objCityPlan.m_anPrintFlag[0][0], 1);
    EXPECT_EQ(copy.m_aAppraised[1].m_apData[0], m_tax.m_aAppraised[1].m_apData[0]);
    EXPECT_EQ(copy.m_objTaxLand.m_apData[0], m_tax.m_objTaxLand.m_apData[0]);

    // A screen edits its copy and assigns it back: the values come over, the
    // holder's record keeps its own sheet.
    copy.m_objBusinessPlace.nTaxation = 0;
    copy.m_objConsumption.m_adBusinessRate[1] = 12;
    copy.m_aAppraised[0].m_aDataRate[2].nInterval = 5;
    CObArray* own = m_tax.m_objBusinessPlace.m_apData[0];
    m_tax = copy;
    EXPECT_EQ(Values(m_tax), Values(copy));
    EXPECT_EQ(m_tax.m_objBusinessPlace.m_apData[0], own);
    EXPECT_TRUE(m_tax.m_objBusinessPlace.OwnsPrintArray());

    CDataTaxClass assigned;
    assigned = m_tax;
    EXPECT_EQ(Values(assigned), Values(m_tax));
    EXPECT_EQ(assigned.m_objMunicipal.m_apData[0], m_tax.m_objMunicipal.m_apData[0]);
    EXPECT_FALSE(assigned.m_objMunicipal.OwnsPrintArray());

    // A fresh record assigned onto the holder's leaves its sheet in place too.
    m_tax = CDataTaxClass();
    EXPECT_EQ(m_tax.m_objBusinessPlace.m_apData[0], own);
    EXPECT_EQ(Values(m_tax), Values(CDataTaxClass()));
    m_tax.SetDataData(0);
    EXPECT_EQ(CellBytes(m_tax.m_aAppraised[0].m_apData[0], 0), "0");
    m_tax.SetPage(1);
    CRecordDC dc;
    m_tax.ReportDraw(&dc);
    EXPECT_NE(FindText(dc.RecordsOf(CDrawRecord::Text), U8(u8"土地－固定資産税評価額")), nullptr);
}

TEST(DataTax, NewRecordHoldsDefaults)
{
    CDataTaxClass tax;
    const std::vector<double> values = Values(tax);
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](double v) { return v == 0; }));
    for (const CDataClass* r : PageOneBlocks(tax)) EXPECT_EQ(r->m_apData[0], nullptr);

    // The consumption record keeps its stages through InitData and copies them whole.
    CDataTaxConsumptionClass stages;
    stages.m_anConstructToYear[1] = 3;
    stages.m_adBusinessRate[0] = 8;
    stages.SetPage(1);
    stages.InitData();
    EXPECT_EQ(stages.GetPage(), 0);
    EXPECT_EQ(stages.m_anConstructToYear[1], 3);
    CDataTaxConsumptionClass copy(stages);
    EXPECT_EQ(copy.m_adBusinessRate[0], 8);
    EXPECT_EQ(copy.m_anConstructToYear[1], 3);
}

TEST_F(DataTaxTest, PictureOfBothPages)
{
    const struct { int nPage; const char* name; int nMinInk; } pages[] = {
        {1, "data_tax_sheet_page1", 20000},
        {2, "data_tax_sheet_page2", 5000},
    };
    for (auto p : pages) {
        m_tax.SetPage(p.nPage);
        QImage image = RenderSheet([&](CDC* pDC) { m_tax.ReportDraw(pDC); });
        SaveArtifact(image, p.name);
        EXPECT_GT(CountInk(image), p.nMinInk) << p.name;
    }
}
