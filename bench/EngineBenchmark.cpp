// Throughput of the engine's hot paths: reading a chamber file, a full rectangular-array
// calculation with its report on a 100-row chamber table, and a project file read and
// written with results, the storage summary of a result (bed model included), and the sizing
// table for up to 100 rows and 1,000 chambers per row.
#include "Calculator.h"
#include "ChamberDataFile.h"
#include "DesignSession.h"
#include "EngineWorkload.h"
#include "ProjectFile.h"
#include "StorageSummary.h"
#include "TextEncoding.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
using bench::fixture;
using bench::rectangularArray;

void ReadChamberFile(benchmark::State &state)
{
    const std::string path = (fixture().dir / "RX-160.dat").string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadChamberData(path).ok());
    }
}
BENCHMARK(ReadChamberFile);

void RectangularArrayCalculation(benchmark::State &state)
{
    CalcEnvironment environment;
    environment.dataDir = fixture().dir.string();
    const CalcInputs inputs = rectangularArray();
    for (auto _ : state) {
        ResultState result;
        const CalcOutcome outcome = calculate(inputs, environment, result);
        benchmark::DoNotOptimize(outcome.report().data());
    }
}
BENCHMARK(RectangularArrayCalculation);

void ProjectFileReadAndWrite(benchmark::State &state)
{
    CalcEnvironment environment;
    environment.dataDir = fixture().dir.string();
    ProjectDocument document;
    document.inputs = rectangularArray();
    document.reportText = calculate(document.inputs, environment, document.results).report();
    const std::string bytes = encodeProjectText(WriteProjectFile(document));
    for (auto _ : state) {
        const Result<ProjectDocument> reread = ReadProjectFile(decodeProjectText(bytes));
        const std::string written = encodeProjectText(WriteProjectFile(*reread));
        benchmark::DoNotOptimize(written.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size() * 2));
}
BENCHMARK(ProjectFileReadAndWrite);

// What the window does when a result arrives: the bed from the calculation's record and the
// storage of every row.
void StorageSummaryOfAResult(benchmark::State &state)
{
    CalcEnvironment environment;
    environment.dataDir = fixture().dir.string();
    const CalcInputs inputs = rectangularArray();
    ResultState result;
    const CalcOutcome outcome = calculate(inputs, environment, result);
    for (auto _ : state) {
        const StorageSummary summary = summarizeStorage(*outcome.record);
        benchmark::DoNotOptimize(summary.largestDifference);
    }
}
BENCHMARK(StorageSummaryOfAResult);

// The sizing dialog's table on each keystroke: every row count from 1 to 100 holds 40,000 ft³
// with fewer than 1,000 chambers per row, so all hundred are searched and listed.
void SizingTable(benchmark::State &state)
{
    DesignSession session(fixture().dir.string());
    session.edit(rectangularArray());
    DesignTarget target;
    target.requiredStorage = "40000";
    target.maxRows = "100";
    target.maxPerRow = "1000";
    session.setTarget(target);
    for (auto _ : state) {
        const DesignSession::Sizing sizing = session.sizeBed();
        if (sizing.answer.layouts.size() != 100)
            state.SkipWithError("the workload no longer lists 100 layouts");
        benchmark::DoNotOptimize(sizing.answer.layouts.data());
    }
}
BENCHMARK(SizingTable)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
