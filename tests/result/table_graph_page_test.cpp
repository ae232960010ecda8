// The trend graph pages of the worked example, rendered and recorded.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "result/pages/tavresult.h"
#include "tests/result/exampleproject.h"
#include "tests/resultpages/resultpagetest.h"
#include "tests/support/render.h"

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
