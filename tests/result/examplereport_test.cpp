// The whole result library on the worked example: its text export against a
// reviewed copy, and its print-out on A4 and B4 as one PDF.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/codepage.h"
#include "platform/painterdc.h"
#include "tests/result/examplereport.h"
#include "tests/support/render.h"
#include "tests/support/sametext.h"
#include "tests/support/tempfile.h"

namespace {

std::string ArtifactPath(const std::string& name)
{
    const char* dir = std::getenv("TAV_ARTIFACT_DIR");
    return std::string(dir ? dir : TAV_ARTIFACT_DIR) + "/" + name;
}

class ExampleReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_project.IsCreated());
        BuildExampleProject(m_project);
        ASSERT_TRUE(m_project.CalculateAll(kExampleYears));
    }

    CProjectInMemory m_project;
};

} // namespace

TEST_F(ExampleReport, TheTextExportIsTheReviewedFileByteForByte)
{
    const std::string path = ArtifactPath("exampleproject_export.txt");
    m_project.m_calc.SaveTextFile(path.c_str(), "大阪中央不動産事務所", "2026年12月10日", 0);
    const std::string actual = ReadBytes(path);
    const std::string expected = ReadBytes(TAV_SOURCE_DIR "/tests/result/exampleproject_export.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(SameText(actual, expected)) << "(the written file is " << path << ")";
}

TEST_F(ExampleReport, EveryPageOnA4AndB4GoesIntoOnePdfAndHasInk)
{
    const std::string path = ArtifactPath("exampleproject_report.pdf");
    QPdfWriter pdf(QString::fromStdString(path));
    pdf.setResolution(300);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    int nPages = 0;
    for (ReportPaper paper : {ReportPaper::kA4, ReportPaper::kB4}) {
        UseReportPrintSettings(paper);
        const CSize extent = ReportExtent(paper);
        pdf.setPageSize(QPageSize(paper == ReportPaper::kA4 ? QPageSize::A4 : QPageSize::JisB4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        for (int nPage = 0; nPage < kReportPages; ++nPage) {
            if (nPages == 0) ASSERT_TRUE(painter.begin(&pdf));
            else pdf.newPage();
            ++nPages;
            CPainterDC dc(&painter);
            dc.SetMapMode(MM_LOMETRIC);
            dc.SetWindowOrg(CPoint(-150, 150));
            DrawReportPage(m_project, paper, nPage, &dc);

            const QImage image = RenderLometric([&](CDC* pDC) { DrawReportPage(m_project, paper, nPage, pDC); },
                                                extent.cx / 10.0 + 30, extent.cy / 10.0 + 30);
            EXPECT_GT(CountInk(image), 2000) << "paper " << int(paper) << " page " << nPage;
        }
    }
    painter.end();
    EXPECT_EQ(nPages, 2 * kReportPages);
    const QString bytes = QString::fromLatin1(QByteArray::fromStdString(ReadBytes(path)));
    EXPECT_EQ(bytes.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 2 * kReportPages);
}
