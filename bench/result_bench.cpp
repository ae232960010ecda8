// The result library on the worked example over 50 years: the calculation,
// the calculation with every table, the text export and drawing every
// report kind on the recording device context. Run with
// --benchmark_repetitions=N for medians.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/recorddc.h"
#include "tests/result/examplereport.h"

namespace {

constexpr int kYears = 50;

std::unique_ptr<CProjectInMemory> MakeProject()
{
    auto project = std::make_unique<CProjectInMemory>();
    if (project->IsCreated()) BuildExampleProject(*project);
    return project;
}

void Calculation(benchmark::State& state)
{
    const auto project = MakeProject();
    for (auto _ : state)
        if (!project->Calculate(kYears)) state.SkipWithError("the calculation failed");
}

void CalculationWithTables(benchmark::State& state)
{
    const auto project = MakeProject();
    for (auto _ : state)
        if (!project->CalculateAll(kYears)) state.SkipWithError("a step failed");
}

void TextExport(benchmark::State& state)
{
    const auto project = MakeProject();
    if (!project->CalculateAll(kYears)) state.SkipWithError("a step failed");
    const std::string path =
        (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_tav_bench_export.txt")).string();
    for (auto _ : state) project->m_calc.SaveTextFile(path.c_str(), "事務所", "日付", 0);
    std::filesystem::remove(path);
}

void DrawAllKinds(benchmark::State& state)
{
    const auto project = MakeProject();
    if (!project->CalculateAll(kYears)) state.SkipWithError("a step failed");
    UseReportPrintSettings(ReportPaper::kA4);
    CRecordDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    for (auto _ : state) {
        for (int nPage = 2; nPage < kReportPages; ++nPage) {
            dc.SetWindowOrg(CPoint(-150, 150));
            DrawReportPage(*project, ReportPaper::kA4, nPage, &dc);
        }
        benchmark::DoNotOptimize(dc.Records().size());
        dc.ClearRecords();
    }
}

} // namespace

BENCHMARK(Calculation)->Unit(benchmark::kMillisecond);
BENCHMARK(CalculationWithTables)->Unit(benchmark::kMillisecond);
BENCHMARK(TextExport)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawAllKinds)->Unit(benchmark::kMillisecond);
