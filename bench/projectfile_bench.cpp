// Reading and writing a filled project file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "tests/file/projectfiles.h"
#include "tests/result/exampleproject.h"

namespace {

void BM_WriteProject(benchmark::State& state)
{
    CProjectInMemory project;
    BuildExampleProject(project);
    const std::string path = ProjectTempPath("bench_write.prj");
    for (auto _ : state)
        if (!WriteProjectFile(project, path)) state.SkipWithError("write failed");
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMicrosecond);

void BM_ReadProject(benchmark::State& state)
{
    CProjectInMemory project;
    const std::string path = ProjectFixture("v7.prj");
    for (auto _ : state)
        if (!ReadProjectFile(project, path)) state.SkipWithError("read failed");
}
BENCHMARK(BM_ReadProject)->Unit(benchmark::kMicrosecond);

} // namespace
