// Writes the export file and the recorded drawing of every report kind of
// the sample projects into artifacts/snapshots/, one file each, so that a
// change meant to move code only can be checked by diffing two runs.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/result/sampleprojects.h"
#include "tests/result/pages/resultpagetest.h"

namespace {

std::filesystem::path SnapshotDir()
{
    const char* dir = std::getenv("TAV_ARTIFACT_DIR");
    const std::filesystem::path path = std::filesystem::path(dir ? dir : "artifacts") / "snapshots";
    std::filesystem::create_directories(path);
    return path;
}

std::string Describe(const CDrawRecord& r)
{
    std::string line = std::to_string(int(r.kind)) + " " + std::to_string(r.rc.left) + "," +
                       std::to_string(r.rc.top) + "," + std::to_string(r.rc.right) + "," +
                       std::to_string(r.rc.bottom) + " o" + std::to_string(r.origin.x) + "," +
                       std::to_string(r.origin.y) + " f" + std::to_string(r.font.lfHeight) + "," +
                       std::to_string(r.font.lfWeight) + " p" + std::to_string(r.pen.lopnWidth.x) + "," +
                       std::to_string(r.pen.lopnStyle) + " c" + std::to_string(r.color) + " h" +
                       std::to_string(r.hatch);
    for (const POINT& p : r.points) line += " " + std::to_string(p.x) + ":" + std::to_string(p.y);
    if (r.clip)
        line += " clip" + std::to_string(r.clip->left) + "," + std::to_string(r.clip->top) + "," +
                std::to_string(r.clip->right) + "," + std::to_string(r.clip->bottom);
    for (int a : r.advances) line += " " + std::to_string(a);
    return line + " [" + r.text + "]";
}

const ProjectKind kKinds[] = {
    {ProjectKind::kIndividual, ProjectKind::kOwnFunds, 10},
    {ProjectKind::kCorporation, ProjectKind::kAutoLoan, 30},
    {ProjectKind::kIndividual, ProjectKind::kShortLoan, 50},
    {ProjectKind::kCorporation, ProjectKind::kShortLoan, 1},
};

} // namespace

TEST(ReportSnapshot, ExportAndEveryReportKindOfTheSampleProjects)
{
    const std::filesystem::path dir = SnapshotDir();
    int n = 0;
    for (const ProjectKind& kind : kKinds) {
        for (int option = 0; option < 2; ++option, ++n) {
            CProjectInMemory project;
            ASSERT_TRUE(project.IsCreated());
            BuildSampleProject(project, kind);
            project.m_calc.m_objCalcYear.nCalcYear = kind.nYears;
            project.m_calc.SetComs();
            for (int step = 0; step <= CTavCalcClass::kLastStep; ++step)
                ASSERT_TRUE(project.m_calc.Calc(step)) << step;
            const std::string name = "project" + std::to_string(n);
            project.m_calc.SaveTextFile((dir / (name + ".txt")).c_str(), "事務所", "日付", option);

            SetTestPrintSettings();
            CTavResultClass& result = project.m_result;
            result.m_sizePaper = CSize(3330, 2200);
            result.SetMaxYear(kind.nYears);
            std::ofstream out(dir / (name + ".draw"));
            for (int report = 0; report <= 16; ++report) {
                for (int s = 0; s < 11; ++s) result.SetYear(s, s);
                result.SetItemFlag(report);
                CLometricRecordDC dc;
                result.ReportDraw(&dc, report % 2);
                out << "report " << report << "\n";
                for (const CDrawRecord& r : dc.Records()) out << Describe(r) << "\n";
            }
        }
    }
}
