// The result library on the worked example: the calculation over 10, 50 and
// 99 years (with the time per year), the calculation with every table, the
// text export and drawing every report kind on the recording device context,
// and the example reduced to one rental line or grown to every loan slot.
// Run with --benchmark_repetitions=N for medians.
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

// The example with its flats only: the other lines taken out of use.
std::unique_ptr<CProjectInMemory> MakeOneLineProject()
{
    auto project = MakeProject();
    for (int nLine = 1; nLine < CDataRentalTypeClass::kTermCount; ++nLine)
        if (CDataRentalTermClass* pTerm = project->m_data.m_pDataRentalType->GetTerm(nLine)) pTerm->m_nCategory = -1;
    return project;
}

// The example with every loan slot in use, each a small loan over 20 years.
std::unique_ptr<CProjectInMemory> MakeAllLoansProject()
{
    auto project = MakeProject();
    CDataSupplyClass& supply = *project->m_data.m_pDataSupply;
    for (int i = 2; i < CDataSupplyClass::kLoanCount; ++i)
        SetLoan(supply.m_aLoan[i], 5000.0 + 1000.0 * i, i % 2, {{1, 20, 1.0 + 0.1 * i}});
    return project;
}

// Time per calculated year, shown beside the time per run.
void CountYears(benchmark::State& state, int nYears)
{
    state.counters["per_year"] =
        benchmark::Counter(nYears, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Calculation(benchmark::State& state)
{
    const auto project = MakeProject();
    const int years = int(state.range(0));
    for (auto _ : state)
        if (!project->Calculate(years)) state.SkipWithError("the calculation failed");
    CountYears(state, years);
}

template <std::unique_ptr<CProjectInMemory> (*Make)()>
void CalculationOf(benchmark::State& state)
{
    const auto project = Make();
    for (auto _ : state)
        if (!project->Calculate(kYears)) state.SkipWithError("the calculation failed");
}

void CalculationWithTables(benchmark::State& state)
{
    const auto project = MakeProject();
    for (auto _ : state)
        if (!project->CalculateAll(kYears)) state.SkipWithError("a step failed");
}

std::string ExportPath()
{
    return (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_tav_bench_export.txt")).string();
}

template <std::unique_ptr<CProjectInMemory> (*Make)()>
void TablesAndExport(benchmark::State& state)
{
    const auto project = Make();
    const std::string path = ExportPath();
    for (auto _ : state) {
        if (!project->CalculateAll(kYears)) state.SkipWithError("a step failed");
        project->m_calc.SaveTextFile(path.c_str(), "事務所", "日付", 0);
    }
    std::filesystem::remove(path);
}

void TextExport(benchmark::State& state)
{
    const auto project = MakeProject();
    if (!project->CalculateAll(kYears)) state.SkipWithError("a step failed");
    const std::string path = ExportPath();
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

BENCHMARK(Calculation)->Arg(10)->Arg(kYears)->Arg(CTavCalcClass::kMaxCalcYears)->Unit(benchmark::kMillisecond);
BENCHMARK(CalculationOf<MakeOneLineProject>)->Name("CalculationOneRentalLine")->Unit(benchmark::kMillisecond);
BENCHMARK(CalculationOf<MakeAllLoansProject>)->Name("CalculationAllLoans")->Unit(benchmark::kMillisecond);
BENCHMARK(CalculationWithTables)->Unit(benchmark::kMillisecond);
BENCHMARK(TablesAndExport<MakeProject>)->Name("TablesAndExport")->Unit(benchmark::kMillisecond);
BENCHMARK(TablesAndExport<MakeOneLineProject>)->Name("TablesAndExportOneRentalLine")->Unit(benchmark::kMillisecond);
BENCHMARK(TablesAndExport<MakeAllLoansProject>)->Name("TablesAndExportAllLoans")->Unit(benchmark::kMillisecond);
BENCHMARK(TextExport)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawAllKinds)->Unit(benchmark::kMillisecond);
