#include <QImage>
#include <gtest/gtest.h>
#include <vector>

#include "platform/resource.h"
#include "result/pages/reportlayout.h"
#include "result/pages/resultdraw.h"
#include "result/pages/tavresult.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/support/render.h"

namespace {

// The pages in the result object's member order, page 1 first.
std::vector<CResultBaseClass*> PagesOf(CTavResultClass& r)
{
    return {&r.m_objExpenseMoneyData, &r.m_objSupplyData,        &r.m_objBasicData,          &r.m_objOutlineData,
            &r.m_objDepreciationData, &r.m_objCapitalpayData,    &r.m_objCapitalpayLoanData, &r.m_objTaxData,
            &r.m_objProRestOtherData, &r.m_objRestOtherData,     &r.m_objBalanceBasic,       &r.m_objBalanceProfit,
            &r.m_objBalanceCapital,   &r.m_objBalanceSummary,    &r.m_objBalanceCapitalPlan, &r.m_objCurrentExpense,
            &r.m_objCurrentIncome,    &r.m_objRentalType,        &r.m_objRentalBasic,        &r.m_objBalanceOutline,
            &r.m_objGraphOutline,     &r.m_objGraphLoan,         &r.m_objGraphCapital,       &r.m_objBalanceTax};
}

bool IsYearPage(int nPage)
{
    return (nPage >= 11 && nPage <= 15) || nPage == 24;
}

// A page of a report as the sheet shows it: extent and window origin relative to the start.
struct PlacedPage {
    int nPage;
    CSize size;
    CPoint origin;
};

// Sheet 3330 x 4700, H = 40, A = 20: Half = 1615, Col = 1600, so the right
// column starts 1700 to the right (x - 1700).
const struct {
    int nKind;
    std::vector<PlacedPage> pages;
} kReports[] = {
    {0, {{3, {3330, 4700}, {0, 0}}, {4, {3330, 4700}, {0, 200}}, {5, {3330, 4700}, {0, 400}},
         {6, {3330, 4700}, {0, 600}}, {7, {3330, 4700}, {-1700, 0}}, {8, {3330, 4700}, {-1700, 200}}}},
    {1, {{9, {3330, 4700}, {0, 0}}, {10, {3330, 4700}, {-1700, 0}}}},
    {2, {{1, {3330, 4700}, {0, 0}}}},
    {3, {{2, {3330, 4700}, {0, 0}}}},
    {4, {{16, {1615, 4700}, {0, 0}}, {17, {1615, 4700}, {-1700, 0}}}},
    {5, {{18, {3330, 2190}, {0, 0}}, {19, {3330, 2550}, {0, 2230}}}},
    {6, {{20, {3330, 2350}, {0, 0}}, {21, {1595, 2310}, {0, 2390}}, {22, {1595, 2310}, {-1635, 2390}}}},
    {7, {{11, {3330, 4700}, {0, 0}}}},
    {8, {{12, {3330, 4700}, {0, 0}}}},
    {9, {{15, {3330, 2350}, {0, 0}}}},
    {10, {{13, {3330, 2330}, {0, 0}}, {14, {3330, 2330}, {0, 2370}}}},
    {11, {{13, {3330, 2350}, {0, 0}}}},
    {12, {{14, {3330, 2350}, {0, 0}}}},
    {13, {{21, {3330, 4700}, {0, 0}}}},
    {14, {{22, {3330, 4700}, {0, 0}}}},
    {15, {{23, {3330, 4700}, {0, 0}}}},
    {16, {{24, {3330, 4700}, {0, 0}}}},
};

const CPoint kStart(-100, 150);

// The report's pages with their origins, for pages that leave the origin where it was set.
std::vector<PlacedPage> PlacePages(int nKind, const CReportMetrics& m)
{
    std::vector<PlacedPage> placed;
    CPoint origin;
    for (const CReportPage& page : GetReportPages(nKind, m)) {
        const CPoint from = page.bFromStart ? CPoint(0, 0) : origin;
        origin = CPoint(from.x + page.offset.x, from.y + page.offset.y);
        placed.push_back({page.nPage, page.size, origin});
    }
    return placed;
}

// Lines by which a drawn page moves the window origin down: the premise pages
// make room for the next page of their half; the others leave it.
int PageAdvance(int nPage)
{
    switch (nPage) {
    case 3: return 12;
    case 4: return 11;
    case 5: return 10;
    case 6: return 5;
    case 7: return 21;
    case 9: return 35;
    case 10: return 43;
    default: return 0;
    }
}

// The construction pages leave the origin at their right table, W u + 100 = 1700 further right.
int PageShiftRight(int nPage)
{
    return nPage == 1 || nPage == 2 ? 1700 : 0;
}

// The window origin after the report, from kStart.
CPoint FinalOrigin(int nKind, const CReportMetrics& m)
{
    CPoint origin = kStart;
    for (const CReportPage& page : GetReportPages(nKind, m)) {
        const CPoint from = page.bFromStart ? kStart : origin;
        origin = CPoint(from.x + page.offset.x - PageShiftRight(page.nPage),
                        from.y + page.offset.y + PageAdvance(page.nPage) * m.nHeight);
    }
    return origin;
}

TEXTMETRIC Metrics(int nHeight, int nAveWidth)
{
    TEXTMETRIC tm;
    tm.tmHeight = nHeight;
    tm.tmAveCharWidth = nAveWidth;
    return tm;
}

class TavResultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTestPrintSettings();
        m_result.m_sizePaper = CSize(3330, 4700);
        for (int i = 0; i < 11; ++i) m_result.m_anYear[i] = i == 0 ? 0 : 10 + i;
        m_font.CreateFontIndirect(&m_lfCaller);
        m_pen.CreatePen(PS_DASH, 5, RGB(1, 1, 1));
        m_dc.SelectObject(&m_font);
        m_dc.SelectObject(&m_pen);
        m_dc.SetWindowOrg(kStart);
    }
    // The caller's font and pen are selected again afterwards.
    void ExpectCallerObjectsSelected()
    {
        EXPECT_EQ(m_dc.SelectObject(&m_font), &m_font);
        EXPECT_EQ(m_dc.SelectObject(&m_pen), &m_pen);
    }

    CTavResultClass m_result;
    CLometricRecordDC m_dc;
    LOGFONT m_lfCaller;
    CFont m_font;
    CPen m_pen;
};

} // namespace

TEST_F(TavResultTest, AFreshObjectDrawsNothingAndLeavesTheDeviceContextAsItWas)
{
    CTavResultClass fresh;
    EXPECT_EQ(fresh.GetItemFlag(), -1);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(fresh.GetYear(i), 0);
    EXPECT_EQ(fresh.GetMaxYear(), 0);
    EXPECT_EQ(fresh.GetPaperSize(), CSize(0, 0));
    for (CResultBaseClass* page : PagesOf(fresh)) EXPECT_EQ(page->m_pItemArray, nullptr);

    HINSTANCE hCaller = AfxGetResourceHandle();
    fresh.ReportDraw(&m_dc, 1);
    EXPECT_TRUE(m_dc.Records().empty());
    EXPECT_EQ(m_dc.GetWindowOrg(), kStart);
    EXPECT_EQ(AfxGetResourceHandle(), hCaller);
    ExpectCallerObjectsSelected();
    fresh.ReportDraw(nullptr, 1);
}

TEST_F(TavResultTest, YearWindowAccessorsIgnoreIndexesOutsideTheSheet)
{
    m_result.SetYear(10, 35);
    m_result.SetYear(11, 99);
    m_result.SetYear(-1, 99);
    EXPECT_EQ(m_result.GetYear(10), 35);
    EXPECT_EQ(m_result.GetYear(11), -1);
    EXPECT_EQ(m_result.GetYear(-1), -1);
    EXPECT_EQ(m_result.m_nMaxYear, 0);

    m_result.SetItemFlag(7);
    m_result.SetMaxYear(35);
    m_result.SetPaperSize(CSize(2870, 4000));
    EXPECT_EQ(m_result.GetItemFlag(), 7);
    EXPECT_EQ(m_result.GetMaxYear(), 35);
    EXPECT_EQ(m_result.GetPaperSize(), CSize(2870, 4000));

    // InitData resets the report, not the pages' rows.
    m_result.m_objBalanceBasic.CreateData();
    m_result.InitData();
    EXPECT_EQ(m_result.GetItemFlag(), -1);
    EXPECT_EQ(m_result.GetYear(10), 0);
    EXPECT_EQ(m_result.GetPaperSize(), CSize(0, 0));
    EXPECT_NE(m_result.m_objBalanceBasic.m_pItemArray, nullptr);
}

TEST_F(TavResultTest, EachKindPlacesItsPagesAndGivesTheYearlyPagesTheYearWindow)
{
    const CReportMetrics m = MakeReportMetrics(CSize(3330, 4700), Metrics(40, 20));
    EXPECT_EQ(m.nHalf, 1615);
    EXPECT_EQ(m.nColumn, 1600);
    for (const auto& report : kReports) {
        SCOPED_TRACE(report.nKind);
        const std::vector<PlacedPage> placed = PlacePages(report.nKind, m);
        ASSERT_EQ(placed.size(), report.pages.size());
        for (size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].nPage, report.pages[i].nPage);
            EXPECT_EQ(placed[i].size, report.pages[i].size) << "page " << placed[i].nPage;
            EXPECT_EQ(placed[i].origin, report.pages[i].origin) << "page " << placed[i].nPage;
        }

        CTavResultClass result;
        result.m_sizePaper = m_result.m_sizePaper;
        std::copy(std::begin(m_result.m_anYear), std::end(m_result.m_anYear), result.m_anYear);
        result.SetItemFlag(report.nKind);
        CLometricRecordDC dc;
        dc.SetWindowOrg(kStart);
        result.ReportDraw(&dc, 0);

        EXPECT_EQ(dc.GetWindowOrg(), FinalOrigin(report.nKind, m));
        const std::vector<CResultBaseClass*> pages = PagesOf(result);
        for (int n = 1; n <= 24; ++n) {
            const auto drawn = std::find_if(report.pages.begin(), report.pages.end(),
                                            [n](const PlacedPage& p) { return p.nPage == n; });
            const CResultBaseClass* page = pages[size_t(n - 1)];
            EXPECT_EQ(page->m_sizePage, drawn == report.pages.end() ? CSize(0, 0) : drawn->size) << "page " << n;
            const bool bYears = drawn != report.pages.end() && IsYearPage(n);
            EXPECT_EQ(page->m_anYear[1], bYears ? 11 : -1) << "page " << n;
            EXPECT_EQ(page->m_anYear[10], bYears ? 20 : -1) << "page " << n;
        }
    }
}

TEST_F(TavResultTest, KindsOutsideTheTableDrawNoPage)
{
    for (int nKind : {-1, 17, 100, -5}) {
        m_result.SetItemFlag(nKind);
        m_result.ReportDraw(&m_dc, 1);
        EXPECT_EQ(m_dc.GetWindowOrg(), kStart) << nKind;
        for (CResultBaseClass* page : PagesOf(m_result)) EXPECT_EQ(page->m_sizePage, CSize(0, 0)) << nKind;
        ExpectCallerObjectsSelected();
    }
    EXPECT_TRUE(GetReportPages(17, MakeReportMetrics(CSize(3330, 4700), Metrics(40, 20))).empty());
}

TEST_F(TavResultTest, AFontWithoutWidthLeavesTheColumnUncut)
{
    // A body font one unit high has an average width of 0: no grid to cut to.
    SetTestPrintSettings(1);
    const CReportMetrics m = MakeReportMetrics(CSize(3330, 4700), Metrics(1, 0));
    EXPECT_EQ(m.nColumn, 1615);
    m_result.SetItemFlag(4);
    m_result.ReportDraw(&m_dc, 0);
    EXPECT_EQ(m_dc.GetWindowOrg(), CPoint(kStart.x - 1715, kStart.y));
    EXPECT_EQ(m_result.m_objCurrentIncome.m_sizePage, CSize(1615, 4700));
}

TEST_F(TavResultTest, EachDrawingTakesTheYearWindowOfItsTime)
{
    m_result.SetItemFlag(10);
    CLometricRecordDC other;
    other.SetWindowOrg(kStart);
    m_result.ReportDraw(&m_dc, 0);
    EXPECT_EQ(m_result.m_objBalanceSummary.m_anYear[3], 13);
    m_result.SetYear(3, 40);
    m_result.ReportDraw(&other, 0);
    EXPECT_EQ(m_result.m_objBalanceCapital.m_anYear[3], 40);
    EXPECT_EQ(m_result.m_objBalanceSummary.m_anYear[3], 40);
    EXPECT_EQ(other.GetWindowOrg(), m_dc.GetWindowOrg());
    EXPECT_EQ(other.Records().size(), m_dc.Records().size());
}

TEST_F(TavResultTest, ACopyTakesTheReportAndPageSettingsButNoRows)
{
    m_result.SetItemFlag(6);
    m_result.SetMaxYear(35);
    m_result.m_objBalanceBasic.CreateData();
    m_result.m_objBalanceBasic.m_nYieldFormula = 2;
    m_result.m_objBalanceOutline.m_aastrMilestone[0][1] = "借入金完済";
    m_result.m_objDepreciationData.m_strBookValueTitle = "圧縮簿価";
    m_result.m_objExpenseMoneyData.m_nFundReportMode = 3;
    m_result.m_objGraphLoan.m_nAxisStep = 20;
    m_result.ReportDraw(&m_dc, 0);

    CTavResultClass copy(m_result);
    EXPECT_EQ(copy.GetItemFlag(), 6);
    EXPECT_EQ(copy.GetMaxYear(), 35);
    EXPECT_EQ(copy.GetYear(5), 15);
    EXPECT_EQ(copy.GetPaperSize(), CSize(3330, 4700));
    EXPECT_EQ(copy.m_objGraphLoan.m_sizePage, CSize(1595, 2310));
    EXPECT_EQ(copy.m_objBalanceBasic.m_nYieldFormula, 2);
    EXPECT_EQ(copy.m_objBalanceOutline.m_aastrMilestone[0][1], "借入金完済");
    EXPECT_EQ(copy.m_objDepreciationData.m_strBookValueTitle, "圧縮簿価");
    EXPECT_EQ(copy.m_objExpenseMoneyData.m_nFundReportMode, 3);
    EXPECT_EQ(copy.m_objGraphLoan.m_nAxisStep, 20);
    EXPECT_EQ(copy.m_objBalanceBasic.m_pItemArray, nullptr);

    CTavResultClass assigned;
    assigned.m_objBalanceBasic.CreateData();
    assigned = m_result;
    EXPECT_EQ(assigned.GetItemFlag(), 6);
    EXPECT_EQ(assigned.m_objBalanceBasic.m_pItemArray, nullptr);
    EXPECT_NE(m_result.m_objBalanceBasic.m_pItemArray, nullptr);
}

namespace {

// A small ruled table of the primitives, in the body font and the blue line pen.
void DrawPrimitiveSample(CDC* pDC)
{
    CFont font;
    font.CreateFontIndirect(GetResultPrintFont());
    CFont* pOldFont = pDC->SelectObject(&font);
    CPen pen;
    CPen* pOldPen = pDC->SelectObject(&pen);
    SelectResultLinePen(pDC, FALSE, &pen);
    const int w = 1800, row = 80;
    FillResultRect(pDC, 0, w, 0, -row, TRUE);
    const CRect title(0, 0, w, -row);
    DrawResultCellText(pDC, "基本収支表", &title, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const char* labels[] = {"収入合計", "・支出", "", "差引"};
    for (int i = 0; i < 4; ++i) {
        const int top = -row * (i + 1), bottom = top - row;
        FillResultRect(pDC, 0, 400, top, bottom, FALSE);
        const CRect cell(0, top, 400, bottom), rc(0, top, w, bottom);
        const CString label = DrawResultMultiLineText(cell.left, cell.top, cell.right, cell.bottom, labels[i], 20);
        DrawResultCellText(pDC, label, &cell, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
        DrawResultFitText(pDC, "12,345\n-678", CRect(400, top, w, bottom), 20, 2);
        DrawResultBracket(pDC, &rc);
    }
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}

} // namespace

TEST(TavResultRender, PictureOfPrimitivesAndAReport)
{
    SetTestPrintSettings();
    CTavResultClass result;
    result.m_sizePaper = CSize(1800, 2670);
    result.SetItemFlag(4);
    const QImage image = RenderLometric([&](CDC* pDC) {
        DrawPrimitiveSample(pDC);
        result.ReportDraw(pDC, 1);
    });
    SaveArtifact(image, "result_primitives");
    EXPECT_GT(CountInk(image), 500);
    EXPECT_EQ(result.m_objCurrentIncome.m_sizePage, CSize(850, 2670));
}
