// The trend graph pages of the worked example, rendered and recorded.
#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "result/pages/resultrows.h"
#include "result/pages/tavresult.h"
#include "tests/result/exampleproject.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

// Pixels of a clear colour: one channel well apart from the others.
int CountColoured(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int hi = std::max({qRed(p), qGreen(p), qBlue(p)}), lo = std::min({qRed(p), qGreen(p), qBlue(p)});
            if (hi - lo > 80) ++n;
        }
    return n;
}

// The worked example calculated to the end, on an A4 landscape sheet.
class GraphPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
        ASSERT_TRUE(m_project.Calculate(kExampleYears));
        for (int nStep = 3; nStep <= CTavCalcClass::kLastStep; ++nStep)
            ASSERT_TRUE(m_project.m_calc.Calc(nStep)) << nStep;
        m_project.m_result.m_sizePaper = CSize(2670, 1800);
        UseResultSheetSettings();
    }
    // Report nKind on a screen (bPrinter FALSE) or a printer with the colour setting nColor.
    QImage Render(int nKind, BOOL bPrinter, int nColor)
    {
        CTavResultClass& result = m_project.m_result;
        result.SetItemFlag(nKind);
        return RenderLometric(
            [&](CDC* pDC) {
                pDC->SetPrinting(bPrinter);
                result.ReportDraw(pDC, nColor);
            },
            result.m_sizePaper.cx / 10.0 + 30, result.m_sizePaper.cy / 10.0 + 30);
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(GraphPages, EachGraphKindDrawsInColourOnScreenAndInBlackOnAMonochromePrinter)
{
    const struct {
        int nKind;
        const char* pszName;
    } kinds[] = {{6, "summary_graphs"}, {13, "profit"}, {14, "loan"}, {15, "funding_plan"}};
    for (const auto& kind : kinds) {
        const QImage screen = Render(kind.nKind, FALSE, 0);
        const QImage colourPrint = Render(kind.nKind, TRUE, 1);
        const QImage monoPrint = Render(kind.nKind, TRUE, 0);
        SaveArtifact(screen, std::string("graph_") + kind.pszName + "_screen");
        SaveArtifact(monoPrint, std::string("graph_") + kind.pszName + "_mono");
        EXPECT_GT(CountInk(screen), 5000) << kind.pszName;
        EXPECT_GT(CountInk(monoPrint), 5000) << kind.pszName;
        // Colour on the screen even with the setting off, and on a colour printer.
        EXPECT_GT(CountColoured(screen), 2000) << kind.pszName;
        EXPECT_EQ(screen, colourPrint) << kind.pszName;
        // Kind 6 has its graphs in the lower half, under the shaded summary table.
        const QImage graphs = kind.nKind == 6 ? monoPrint.copy(0, monoPrint.height() * 55 / 100, monoPrint.width(),
                                                               monoPrint.height() * 45 / 100)
                                              : monoPrint;
        EXPECT_EQ(CountColoured(graphs), 0) << kind.pszName;
    }
}

// ---- Geometry on the recording device context

namespace {

const CPoint kStart(-100, 150);
// Body font H = 40, A = 20: left margin 200, top margin 40.
const int kLeft = 200, kTop = 40;

struct GraphAxis {
    int nMin, nMax, nStep;
};

// The page's rows for years 0 to nYears, value s of year y from value(y, s).
void FillGraph(CResultGraphClass& page, int nYears, int nSeries, const std::function<double(int, int)>& value,
               GraphAxis axis, CSize size)
{
    page.DestroyData();
    page.CreateData();
    for (int i = 0; i < nYears + 2; ++i) {
        auto* pRow = new CResultDoubleArrayClass;
        pRow->CreateData(nSeries);
        for (int s = 0; s < nSeries; ++s) pRow->m_pdData[s] = i == 0 ? 0 : value(i - 1, s);
        page.m_pItemArray->Add(pRow);
    }
    page.m_nAxisMin = axis.nMin;
    page.m_nAxisMax = axis.nMax;
    page.m_nAxisStep = axis.nStep;
    page.m_nYearCount = nYears;
    page.m_sizePage = size;
}

void Draw(CResultGraphClass& page, CLometricRecordDC& dc, BOOL bPrinting = FALSE, int nColor = 1)
{
    SetTestPrintSettings();
    dc.SetWindowOrg(kStart);
    dc.SetPrinting(bPrinting);
    if (auto* p = dynamic_cast<CResultGraphOutlineClass*>(&page)) p->DrawGraph(&dc, nColor);
    if (auto* p = dynamic_cast<CResultGraphLoanClass*>(&page)) p->DrawGraph(&dc, nColor);
    if (auto* p = dynamic_cast<CResultGraphCapitalClass*>(&page)) p->DrawGraph(&dc, nColor);
    EXPECT_EQ(dc.GetWindowOrg(), kStart);
}

// The series bars: rectangles other than the legend's samples (which stand under the plot).
std::vector<CRect> Bars(const CRecordDC& dc, int nPlotBottom)
{
    std::vector<CRect> bars;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Rectangle)) {
        const CRect rc = OnPage(r, r.rc, kStart);
        if (std::min(rc.top, rc.bottom) >= nPlotBottom) bars.push_back(rc);
    }
    return bars;
}

bool HasText(const CRecordDC& dc, const std::string& text)
{
    const std::vector<std::string> texts = dc.Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(GraphGeometry, TheBarGraphShowsEveryThirdYearAndTheLast)
{
    const struct {
        int nYears;
        int nGroups;
        std::vector<const char*> shown, hidden;
    } cases[] = {
        {1, 2, {"1"}, {"2"}},
        {10, 5, {"1", "4", "7", "10"}, {"2", "9"}},
        {50, 19, {"1", "4", "46", "49", "50"}, {"47", "48"}},
    };
    for (const auto& test : cases) {
        CResultGraphOutlineClass page;
        FillGraph(page, test.nYears, 3, [](int y, int s) { return 1000.0 * (y + s + 1); }, {-10, 60, 10},
                  CSize(3330, 2000));
        CLometricRecordDC dc;
        Draw(page, dc);
        // Plot 1800 high in 7 steps: D = 257, bottom at -40 - 1799.
        const std::vector<CRect> bars = Bars(dc, -kTop - 7 * 257);
        ASSERT_EQ(bars.size(), size_t(3 * test.nGroups)) << test.nYears;
        const int B = (3330 - kLeft) / (3 * test.nGroups);
        for (size_t i = 0; i < bars.size(); ++i) {
            const int nGroup = int(i) % test.nGroups, s = int(i) / test.nGroups;
            EXPECT_EQ(bars[i].left, kLeft + nGroup * 3 * B + s * B) << test.nYears << " bar " << i;
            EXPECT_EQ(bars[i].right - bars[i].left, B) << test.nYears << " bar " << i;
        }
        for (const char* psz : test.shown) EXPECT_TRUE(HasText(dc, psz)) << test.nYears << " " << psz;
        for (const char* psz : test.hidden) EXPECT_FALSE(HasText(dc, psz)) << test.nYears << " " << psz;
        EXPECT_TRUE(HasText(dc, U8(u8"工")) && HasText(dc, U8(u8"中")));
    }
}

TEST(GraphGeometry, ValuesBeyondTheAxisStopAtItsEnds)
{
    CResultGraphOutlineClass page;
    // Axis -10 to 30 in steps of 10: D = 1800 / 4 = 450, the zero line 3 steps down.
    const double adValue[3] = {99000, -50000, 15000};
    FillGraph(page, 1, 3, [&](int, int s) { return adValue[s]; }, {-10, 30, 10}, CSize(3330, 2000));
    CLometricRecordDC dc;
    Draw(page, dc);
    const int zero = -kTop - 3 * 450;
    const std::vector<CRect> bars = Bars(dc, -kTop - 4 * 450);
    ASSERT_EQ(bars.size(), 6u);
    // Series 0, 1, 2 of year 1 (group 1) are bars 1, 3 and 5.
    EXPECT_EQ(bars[1].top, zero);
    EXPECT_EQ(bars[1].bottom, -kTop);               // clamped to the top line
    EXPECT_EQ(bars[3].bottom, -kTop - 4 * 450);      // clamped to the bottom line
    EXPECT_EQ(bars[5].bottom, zero + 450 + 5 * 45);  // 15 million: a step and a half
    const std::vector<std::string> texts = dc.Texts();
    for (const char* psz : {"30", "20", "10", "0", "-10"}) EXPECT_TRUE(HasText(dc, psz)) << psz;
}

TEST(GraphGeometry, OneYearAndFiftyYearsStayInsideThePage)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    auto wild = [&](int y, int s) { return y % 4 == 0 ? kNaN : (y + s) % 3 == 0 ? -1e300 : 1e12 * y; };
    for (int nYears : {1, 50})
        for (CSize size : {CSize(3330, 2000), CSize(1595, 1100)}) {
            CResultGraphOutlineClass outline;
            CResultGraphLoanClass loan;
            CResultGraphCapitalClass capital;
            for (CResultGraphClass* page : std::vector<CResultGraphClass*>{&outline, &loan, &capital}) {
                FillGraph(*page, nYears, 3, wild, {-20, 80, 20}, size);
                CLometricRecordDC dc;
                Draw(*page, dc, TRUE, 0);
                ASSERT_GT(dc.Records().size(), 20u);
                const CRect pageRect(0, 0, size.cx, -size.cy);
                for (const CDrawRecord& r : dc.Records()) {
                    const CRect rc = OnPage(r, r.kind == CDrawRecord::Text ? *r.clip : r.rc, kStart).Normalized();
                    EXPECT_TRUE(rc.left >= 0 && rc.right <= size.cx && rc.top >= -size.cy && rc.bottom <= 0)
                        << nYears << " years, " << size.cx << " wide: " << r.text << " " << rc.left << ","
                        << rc.top << "," << rc.right << "," << rc.bottom;
                }
            }
            if (size.cx < 3330) {
                const std::string name = "graph_wild_" + std::to_string(nYears) + "_years";
                const QImage image = RenderLometric(
                    [&](CDC* pDC) {
                        outline.DrawGraph(pDC, 1);
                        pDC->OffsetWindowOrg(-size.cx - 40, 0);
                        loan.DrawGraph(pDC, 1);
                    },
                    2 * size.cx / 10.0 + 40, size.cy / 10.0 + 30);
                SaveArtifact(image, name);
                EXPECT_GT(CountInk(image), 1000) << name;
            }
        }
}

TEST(GraphGeometry, ColourUnlessAPrinterWithTheColourSettingOff)
{
    const struct {
        BOOL bPrinting;
        int nColor;
        bool bColour;
    } cases[] = {{FALSE, 0, true}, {FALSE, 1, true}, {TRUE, 1, true}, {TRUE, 0, false}};
    for (const auto& test : cases) {
        CResultGraphCapitalClass lines;
        FillGraph(lines, 10, 3, [](int y, int s) { return 1000.0 * y * (s + 1); }, {-10, 40, 10}, CSize(3330, 2000));
        CLometricRecordDC dc;
        Draw(lines, dc, test.bPrinting, test.nColor);
        // The series segments: pens of the series colours, or black in three styles drawn twice.
        struct Pen {
            UINT nStyle;
            COLORREF color;
            int nWidth;
        };
        const std::vector<Pen> colour = {{PS_SOLID, RGB(0, 0, 255), 0}, {PS_SOLID, RGB(255, 0, 0), 0},
                                         {PS_SOLID, RGB(0, 200, 0), 0}};
        const std::vector<Pen> mono = {{PS_SOLID, 0, 1}, {PS_DASH, 0, 0}, {PS_DASHDOT, 0, 0}};
        const std::vector<Pen>& expected = test.bColour ? colour : mono;
        for (size_t s = 0; s < 3; ++s) {
            int nSegments = 0;
            for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line))
                if (r.pen.lopnStyle == expected[s].nStyle && r.pen.lopnColor == expected[s].color &&
                    r.pen.lopnWidth.x == expected[s].nWidth)
                    ++nSegments;
            // Ten segments and the legend sample, doubled in black.
            EXPECT_GE(nSegments, (test.bColour ? 1 : 2) * 11) << test.bPrinting << test.nColor << " series " << s;
        }

        CResultGraphOutlineClass bars;
        FillGraph(bars, 10, 3, [](int y, int s) { return 1000.0 * y * (s + 1); }, {-10, 40, 10}, CSize(3330, 2000));
        CLometricRecordDC barDC;
        Draw(bars, barDC, test.bPrinting, test.nColor);
        const COLORREF aFill[3] = {RGB(255, 80, 70), RGB(80, 255, 80), RGB(80, 80, 255)};
        const int aHatch[3] = {HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
        const std::vector<CDrawRecord> rects = barDC.RecordsOf(CDrawRecord::Rectangle);
        ASSERT_EQ(rects.size(), 18u); // 5 groups of 3 and 3 legend samples
        for (size_t i = 0; i < rects.size(); ++i) {
            const int s = i < 15 ? int(i) / 5 : int(i) - 15;
            EXPECT_EQ(rects[i].hatch, test.bColour ? -1 : aHatch[s]) << i;
            EXPECT_EQ(rects[i].color, test.bColour ? aFill[s] : RGB(0, 0, 0)) << i;
        }
    }
}

TEST(GraphGeometry, AGraphWithoutAnAxisDrawsNothing)
{
    for (GraphAxis axis : {GraphAxis{0, 0, 0}, GraphAxis{-10, 10, 0}, GraphAxis{10, -10, 10},
                           GraphAxis{INT_MIN, INT_MAX, 10}}) {
        CResultGraphLoanClass page;
        FillGraph(page, 10, 2, [](int, int) { return 1.0; }, axis, CSize(3330, 2000));
        CLometricRecordDC dc;
        Draw(page, dc);
        EXPECT_TRUE(dc.Records().empty()) << axis.nMin << " " << axis.nMax << " " << axis.nStep;
        EXPECT_EQ(dc.GetCurrentLogPen().lopnWidth.x, 0);
    }
    CResultGraphLoanClass unfilled;
    unfilled.m_sizePage = CSize(3330, 2000);
    CLometricRecordDC dc;
    Draw(unfilled, dc);
    EXPECT_TRUE(dc.Records().empty());
}

TEST(GraphGeometry, AYearCountBeyondTheRowsPlotsTheMissingYearsAtZero)
{
    CResultGraphLoanClass page;
    FillGraph(page, 5, 2, [](int, int) { return 20000.0; }, {-10, 30, 10}, CSize(3330, 2000));
    page.m_nYearCount = 40;
    CLometricRecordDC dc;
    Draw(page, dc);
    // The blue series: year 6 onwards on the zero line, 3 steps of 450 down.
    int nOnZero = 0;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        const CRect rc = OnPage(r, r.rc, kStart);
        if (r.pen.lopnColor == RGB(0, 0, 255) && rc.top == -kTop - 3 * 450 && rc.bottom == rc.top) ++nOnZero;
    }
    EXPECT_EQ(nOnZero, 40 - 6);
}
