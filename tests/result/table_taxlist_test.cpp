// The tax list: its builder on calculated projects, its export section and its page.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <string>
#include <vector>

#include "result/pages/resultformat.h"
#include "result/pages/resultrows.h"
#include "sampleprojects.h"
#include "tests/result/sectiontext.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

const int kCells = 18;

// A sample project of the owner kind, its tax method and pro-forma standard
// taxation set, calculated over nYears.
struct TaxProject {
    TaxProject(ProjectKind::Owner nOwner, int nTaxMethod, int nStandardTax, int nYears)
    {
        BuildSampleProject(p, {nOwner, ProjectKind::kOwnFunds, nYears});
        p.m_data.m_pDataBasic->nTaxMethod = nTaxMethod;
        p.m_data.m_pDataTax->m_objTaxBusiness.nStandardTax = nStandardTax;
        bCalculated = p.Calculate(nYears);
    }
    CProjectInMemory p;
    BOOL bCalculated;
};

const CResultStringArrayClass* Column(const CTavResultClass& result, int c)
{
    return dynamic_cast<const CResultStringArrayClass*>(result.m_objBalanceTax.m_pItemArray->GetAt(c));
}

// The cell text of an amount rounded half up to whole thousand yen, as the
// sample projects' decimal settings ask.
CString Whole(double v)
{
    const double r = std::floor(std::abs(v) + 0.5);
    return FormatResultNumber(0, v < 0 && r != 0 ? -r : r, FALSE);
}

// Cells 0 to 17 of year y, from the record as it was before the builder ran.
std::vector<CString> ExpectedYear(const CYearBalanceClass& r, int y, int nTaxMethod, bool bBreakdown)
{
    const double taxable = (y == 0 || nTaxMethod == 4) ? 0.0 : r.m_dTaxableAmount;
    std::vector<CString> cells = {
        Whole(r.m_dLandFixedAssetTax),   Whole(r.m_dBuildFixedAssetTax),
        Whole(r.m_dLandCityPlanTax),     Whole(r.m_dBuildCityPlanTax),
        Whole(r.m_dSalesConsumptionTax), Whole(r.m_dPurchaseConsumptionTax),
        Whole(r.m_dConsumptionTaxPaid),  Whole(r.m_dPrevBusinessTax),
        Whole(r.m_dLandPriceTax),        Whole(r.m_dPlanOutsideIncome + r.m_dProfitAfterDepreciation - r.m_dIncomeDeduction),
        Whole(taxable),                  Whole(r.m_dIncomeTax),
        Whole(r.m_dPrefecturalTax),      Whole(r.m_dMunicipalTax),
        Whole(r.m_dBusinessTax),
    };
    if (bBreakdown) {
        cells.push_back(Whole(r.m_dBusinessTaxIncome));
        cells.push_back(Whole(r.m_dBusinessTaxValueAdded));
        cells.push_back(Whole(r.m_dBusinessTaxCapital));
    } else {
        cells.insert(cells.end(), 3, CString("　"));
    }
    return cells;
}

std::vector<std::string> Labels(const char* pszIncomeTax, const char* pszBusinessTax, bool bBreakdown)
{
    std::vector<std::string> labels = {"土地固定資産税", "建物固定資産税", "土地都市計画税", "建物都市計画税",
                                       "　　-売上消費税", "　　-仕入消費税", "納付消費税", "前年課税事業税",
                                       "地価税",          "所得利益",        "課税対象額", pszIncomeTax,
                                       "都道府県民税",    "市町村民税",      pszBusinessTax};
    if (bBreakdown) labels.insert(labels.end(), {"　　事業税所得割", "　　事業税付加価値割", "　　事業税資本割"});
    else labels.insert(labels.end(), 3, "　");
    return labels;
}

// The bytes TextTax writes into the engine's export file.
std::string ExportTax(CTavCalcClass& calc)
{
    return CaptureBytes(calc, [&] { calc.TextTax(); });
}

} // namespace

TEST(TaxListTable, EveryCellFollowsTheYearRecordsByTaxMethod)
{
    const struct Case {
        ProjectKind::Owner nOwner;
        int nTaxMethod;
        int nStandardTax;
        const char* pszIncomeTax;
        const char* pszBusinessTax;
        bool bBreakdown;
    } cases[] = {
        {ProjectKind::kIndividual, 0, 0, "所得税", "事業税", false},
        {ProjectKind::kIndividual, 4, 0, "所得税", "事業税", false},
        {ProjectKind::kIndividual, 7, 0, "所得税", "事業税", false},
        {ProjectKind::kCorporation, 1, 0, "法人税", "法人事業税", false},
        {ProjectKind::kCorporation, 1, 1, "法人税", "法人事業税", false},
        {ProjectKind::kCorporation, 2, 1, "法人税", "法人事業税", false},
        {ProjectKind::kCorporation, 2, 0, "法人税", "法人事業税", true},
        {ProjectKind::kCorporation, 3, 0, "法人税", "法人事業税", true},
    };
    const int nYears = 12;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "t " << c.nTaxMethod << " s " << c.nStandardTax);
        TaxProject project(c.nOwner, c.nTaxMethod, c.nStandardTax, nYears);
        ASSERT_TRUE(project.bCalculated);
        CProjectInMemory& p = project.p;
        std::vector<std::vector<CString>> expected;
        for (int y = 0; y <= nYears; ++y) expected.push_back(ExpectedYear(*p.Year(y), y, c.nTaxMethod, c.bBreakdown));

        ASSERT_TRUE(p.m_calc.MakeBalanceTax());
        ASSERT_EQ(p.m_result.m_objBalanceTax.m_pItemArray->GetSize(), nYears + 2);
        const std::vector<std::string> labels = Labels(c.pszIncomeTax, c.pszBusinessTax, c.bBreakdown);
        for (int k = 0; k < kCells; ++k) EXPECT_EQ(std::string(Column(p.m_result, 0)->GetData(k)), labels[k]) << k;
        for (int y = 0; y <= nYears; ++y) {
            const CResultStringArrayClass* pColumn = Column(p.m_result, y + 1);
            ASSERT_NE(pColumn, nullptr);
            EXPECT_EQ(pColumn->m_nCount, kCells + 4);
            for (int k = 0; k < kCells; ++k)
                EXPECT_EQ(std::string(pColumn->GetData(k)), std::string(expected[y][k])) << "year " << y << " cell " << k;
        }
        // The construction period, and every year of a project not taxed, keep no taxable amount.
        for (int y = 0; y <= nYears; ++y) {
            if (y == 0 || c.nTaxMethod == 4) {
                EXPECT_EQ(p.Year(y)->m_dTaxableAmount, 0.0) << y;
            }
        }
    }
}

TEST(TaxListTable, TheSampleProjectsPayTaxesTheTableShows)
{
    // Guards the table tests above against a project whose taxes are all zero.
    TaxProject project(ProjectKind::kCorporation, 2, 0, 12);
    ASSERT_TRUE(project.bCalculated);
    double business = 0, capital = 0, taxable = 0, fixedAsset = 0;
    for (int y = 1; y <= 12; ++y) {
        business += project.p.Year(y)->m_dBusinessTax;
        capital += project.p.Year(y)->m_dBusinessTaxCapital;
        taxable += project.p.Year(y)->m_dTaxableAmount;
        fixedAsset += project.p.Year(y)->m_dBuildFixedAssetTax;
    }
    EXPECT_GT(business, 0.0);
    EXPECT_GT(capital, 0.0);
    EXPECT_GT(taxable, 0.0);
    EXPECT_GT(fixedAsset, 0.0);
}

TEST(TaxListTable, IncomeIsOutsideIncomePlusProfitLessDeductionRoundedHalfUp)
{
    TaxProject project(ProjectKind::kIndividual, 0, 0, 3);
    ASSERT_TRUE(project.bCalculated);
    CProjectInMemory& p = project.p;
    const struct {
        double dOutside, dProfit, dDeduction;
        const char* pszText;
    } cases[] = {
        {200, 1000, 150, "1,050"},
        {0.2, 1000.3, 0, "1,001"},
        {0, -1000.4, 0.1, "-1,001"},
        {0, 10.0, 10.4, "0"},
    };
    for (int y = 1; y <= 3; ++y) {
        const auto& c = cases[y - 1];
        p.Year(y)->m_dPlanOutsideIncome = c.dOutside;
        p.Year(y)->m_dProfitAfterDepreciation = c.dProfit;
        p.Year(y)->m_dIncomeDeduction = c.dDeduction;
    }
    p.Year(0)->m_dPlanOutsideIncome = 0;
    p.Year(0)->m_dProfitAfterDepreciation = 10.0;
    p.Year(0)->m_dIncomeDeduction = 10.4;
    ASSERT_TRUE(p.m_calc.MakeBalanceTax());
    for (int y = 0; y <= 3; ++y) EXPECT_EQ(std::string(Column(p.m_result, y + 1)->GetData(9)), cases[y == 0 ? 3 : y - 1].pszText) << y;
}

TEST(TaxListTable, ARerunGivesTheSamePageAndNoResultObjectFails)
{
    TaxProject project(ProjectKind::kCorporation, 2, 0, 5);
    ASSERT_TRUE(project.bCalculated);
    CProjectInMemory& p = project.p;
    p.Year(0)->m_dTaxableAmount = 321.0;
    ASSERT_TRUE(p.m_calc.MakeBalanceTax());
    std::vector<std::string> first;
    for (int c = 0; c < 7; ++c)
        for (int k = 0; k < kCells; ++k) first.push_back(std::string(Column(p.m_result, c)->GetData(k)));
    EXPECT_EQ(first[kCells + 10], "0");
    ASSERT_TRUE(p.m_calc.MakeBalanceTax());
    ASSERT_EQ(p.m_result.m_objBalanceTax.m_pItemArray->GetSize(), 7);
    std::vector<std::string> second;
    for (int c = 0; c < 7; ++c)
        for (int k = 0; k < kCells; ++k) second.push_back(std::string(Column(p.m_result, c)->GetData(k)));
    EXPECT_EQ(first, second);
    EXPECT_EQ(p.m_calc.m_nMessageID, CALC_NO_ERROR);

    // Without a result object: 13001, no page touched, nothing exported.
    CTavResultClass* pResult = p.m_calc.m_pResultClass;
    p.m_calc.m_pResultClass = nullptr;
    EXPECT_FALSE(p.m_calc.MakeBalanceTax());
    EXPECT_EQ(p.m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    p.m_calc.m_nMessageID = CALC_NO_ERROR;
    EXPECT_EQ(ExportTax(p.m_calc), "");
    EXPECT_EQ(p.m_calc.m_nMessageID, CALC_UNEXPECTED_ERROR);
    EXPECT_EQ(pResult->m_objBalanceTax.m_pItemArray->GetSize(), 7);
}

TEST(TaxListTable, CalcRunsTheTaxListAsItsLastStep)
{
    TaxProject project(ProjectKind::kIndividual, 0, 0, 2);
    ASSERT_TRUE(project.bCalculated);
    ASSERT_TRUE(project.p.m_calc.Calc(CTavCalcClass::kLastStep));
    EXPECT_EQ(project.p.m_result.m_objBalanceTax.m_pItemArray->GetSize(), 4);
}

TEST(TaxListExport, LinesHoldTheLabelTheYearsAndOneEmptyCell)
{
    const struct Case {
        int nTaxMethod, nStandardTax;
        const char* pszIncomeTax;
        const char* pszBreakdown;
    } cases[] = {
        {0, 0, "所得税\t0\t4\t5\t", "\t\t\t\t"},
        {1, 0, "法人税\t0\t4\t5\t", "\t\t\t\t"},
        {3, 1, "法人税\t0\t4\t5\t", "\t\t\t\t"},
        {2, 0, "法人税\t0\t4\t5\t", "　　事業税資本割\t0\t71\t72\t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "t " << c.nTaxMethod << " s " << c.nStandardTax);
        TaxProject project(c.nTaxMethod == 0 ? ProjectKind::kIndividual : ProjectKind::kCorporation, c.nTaxMethod,
                           c.nStandardTax, 2);
        ASSERT_TRUE(project.bCalculated);
        CProjectInMemory& p = project.p;
        for (int y = 0; y <= 2; ++y) {
            CYearBalanceClass& r = *p.Year(y);
            r.m_dLandFixedAssetTax = 1234.5 + y;
            r.m_dConsumptionTaxPaid = y == 1 ? -12.6 : 1000000.0;
            r.m_dPlanOutsideIncome = 200;
            r.m_dProfitAfterDepreciation = 1000 * y;
            r.m_dIncomeDeduction = 150;
            r.m_dTaxableAmount = 50.0 + y;
            r.m_dIncomeTax = y == 0 ? 0.0 : 2.6 + y;
            r.m_dBusinessTaxCapital = y == 0 ? 0.0 : 70.0 + y;
        }
        ASSERT_TRUE(p.m_calc.MakeBalanceTax());
        const std::vector<std::string> lines = SplitLines(ExportTax(p.m_calc));
        ASSERT_EQ(lines.size(), 20u);
        EXPECT_EQ(lines[0], "税金一覧表\t（単位：千円）");
        EXPECT_EQ(lines[1], "税金一覧表\t工事期間\t 1年\t 2年");
        EXPECT_EQ(lines[2], "土地固定資産税\t1,235\t1,236\t1,237\t");
        EXPECT_EQ(lines[8], "納付消費税\t1,000,000\t-13\t1,000,000\t");
        EXPECT_EQ(lines[11], "所得利益\t50\t1,050\t2,050\t");
        // The taxable amount as the builder left it: 0 in the construction period.
        EXPECT_EQ(lines[12], "課税対象額\t0\t51\t52\t");
        EXPECT_EQ(lines[13], c.pszIncomeTax);
        EXPECT_EQ(lines[19], c.pszBreakdown);
    }
}

TEST(TaxListExport, AMissingYearRecordLeavesItsCellsEmptyAndNoProjectReadsAsAnIndividual)
{
    TaxProject project(ProjectKind::kCorporation, 2, 0, 2);
    ASSERT_TRUE(project.bCalculated);
    CProjectInMemory& p = project.p;
    delete p.m_calc.m_pYearArray->GetAt(1);
    p.m_calc.m_pYearArray->SetAt(1, nullptr);
    p.Year(2)->m_dLandFixedAssetTax = 7.0;

    // The builder skips the year; its column keeps empty cells.
    ASSERT_TRUE(p.m_calc.MakeBalanceTax());
    for (int k = 0; k < kCells; ++k) EXPECT_EQ(std::string(Column(p.m_result, 2)->GetData(k)), "") << k;
    EXPECT_EQ(std::string(Column(p.m_result, 3)->GetData(0)), "7");
    std::vector<std::string> lines = SplitLines(ExportTax(p.m_calc));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[2].substr(lines[2].find('\t')), "\t" + std::string(Column(p.m_result, 1)->GetData(0)) + "\t\t7\t");

    // Without the project records the export reads the owner as an individual.
    p.m_calc.m_pDataClass = nullptr;
    lines = SplitLines(ExportTax(p.m_calc));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[13].substr(0, lines[13].find('\t')), "所得税");
    EXPECT_EQ(lines[19], "\t\t\t\t");
}

TEST(TaxListPage, ReportKindSixteenDrawsTheRowPlan)
{
    SetTestPrintSettings();
    TaxProject project(ProjectKind::kIndividual, 0, 0, 3);
    ASSERT_TRUE(project.bCalculated);
    CProjectInMemory& p = project.p;
    p.Year(2)->m_dConsumptionTaxPaid = -40.0;
    ASSERT_TRUE(p.m_calc.MakeBalanceTax());

    CTavResultClass& result = p.m_result;
    // Sheet 3330 x 4704, body font 40 high: h = 147, a = 20, b = 60, L = 480, c = 259.
    const int W = 3330, H = 4704, h = 147, b = 60, L = 480, c = 259;
    const CPoint start(-100, 150);
    result.m_sizePaper = CSize(W, H);
    for (int s = 0; s < 11; ++s) result.SetYear(s, s <= 3 ? s : -1);
    result.SetItemFlag(16);
    CLometricRecordDC dc;
    dc.SetWindowOrg(start);
    result.ReportDraw(&dc, 1);

    EXPECT_EQ(result.m_objBalanceTax.m_sizePage, CSize(W, H));
    EXPECT_EQ(dc.GetWindowOrg(), start);
    EXPECT_EQ(TextBox(dc, U8(u8"税金一覧表"), start), CRect(0, -h, L, -2 * h));
    EXPECT_EQ(TextBox(dc, U8(u8"３年"), start), CRect(L + 3 * c, -h, L + 4 * c, -2 * h));

    // Captions on lines 2, 3, 4, 5, 11 and 13.
    ExpectBandCaptions(dc, start, h,
                       {{U8(u8"公"), 2}, {U8(u8"租"), 3}, {U8(u8"公"), 4},
                        {U8(u8"課"), 5}, {U8(u8"税"), 11}, {U8(u8"金"), 13}});

    // 18 labels, the last three blank for an individual; the table ends at line 17.
    const std::vector<CDrawRecord> labels = TextsIn(dc, b + 10, start);
    ASSERT_EQ(labels.size(), 18u);
    // Short labels are spread over the cell.
    std::string incomeTax = labels[11].text;
    std::erase(incomeTax, ' ');
    EXPECT_EQ(incomeTax, U8(u8"所得税"));
    for (int k = 15; k < 18; ++k) EXPECT_EQ(labels[k].text, U8(u8"　")) << k;
    EXPECT_EQ(OnPage(labels[17], *labels[17].clip, start), CRect(b + 10, -19 * h, L, -20 * h));

    // Four year columns of a head and 18 cells; the refund of year 2 in red.
    for (int s = 0; s < 4; ++s) {
        const std::vector<CDrawRecord> cells = TextsIn(dc, L + s * c, start);
        ASSERT_EQ(cells.size(), 19u) << s;
        for (int k = 15; k < 18; ++k) EXPECT_EQ(cells[1 + k].text, U8(u8"　")) << s;
        EXPECT_EQ(cells[1 + 6].color, s == 2 ? RGB(235, 0, 0) : RGB(0, 0, 0)) << s;
    }
    EXPECT_TRUE(TextsIn(dc, L + 4 * c, start).empty());

    // No shade 1; one thin rule from the band above line 15.
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Rectangle)) EXPECT_NE(r.color, RGB(200, 235, 235));
    std::vector<CRect> thin;
    size_t nFrames = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        if (r.pen.lopnWidth.x == 0) thin.push_back(OnPage(r, r.rc, start));
        else ++nFrames;
    }
    EXPECT_EQ(thin, (std::vector<CRect>{{b, -17 * h, W, -17 * h}}));
    // Title, two banded groups in two parts; eleven columns of a head and two groups; the right edge.
    EXPECT_EQ(nFrames, size_t((1 + 2 * 2 + 11 * 3) * 3 + 1));
}

TEST(TaxListPage, PictureOfACalculatedCorporation)
{
    UseResultSheetSettings();

    TaxProject project(ProjectKind::kCorporation, 2, 0, 12);
    ASSERT_TRUE(project.bCalculated);
    project.p.Year(3)->m_dConsumptionTaxPaid = -420.0;
    ASSERT_TRUE(project.p.m_calc.MakeBalanceTax());
    CTavResultClass& result = project.p.m_result;
    result.m_sizePaper = CSize(1800, 2670);
    const QImage image = RenderReport(result, 16);
    SaveArtifact(image, "result_tax_list");
    EXPECT_GT(CountInk(image), 10000);
    EXPECT_GT(CountRed(image), 20);
}
