// Throughput of the engine's hot paths: reading a chamber file, a full rectangular-array
// calculation with its report on a 100-row chamber table, and a project file read and
// written with results, and the storage summary of a result (bed model included).
#include "Calculator.h"
#include "ChamberDataFile.h"
#include "ProjectFile.h"
#include "StorageSummary.h"
#include "TextEncoding.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {
// A 100-row table of a 30-inch arch, one row per 0.3 inch.
std::string hundredRowChamberFile()
{
    std::ostringstream file;
    file << "Benchmark chamber, 100 rows\r\n51\r\n30\r\n85\r\n100\r\n";
    for (int i = 0; i < 100; ++i)
        file << i * 0.3 << ", " << i * 0.65 << "\r\n";
    return file.str();
}

struct Fixture
{
    std::filesystem::path dir;

    Fixture()
    {
        dir = std::filesystem::temp_directory_path() / "tessivane-bench";
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "RX-160.dat", std::ios::binary) << hundredRowChamberFile();
    }
    ~Fixture() { std::filesystem::remove_all(dir); }
};

const Fixture &fixture()
{
    static const Fixture instance;
    return instance;
}

CalcInputs rectangularArray()
{
    CalcInputs in;
    in.method = 2;
    in.projectName = "Benchmark";
    in.chamberTypeIndex = 0;
    in.rows = "12";
    in.cols = "20";
    in.foundationDepth = "9";
    in.coverThickness = "12";
    in.internalSpacing = "6";
    in.perimeterThickness = "12";
    in.porosity = "40";
    in.baseElevation = "512.5";
    in.bottomAreaValue = 1;
    return in;
}

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
} // namespace

BENCHMARK_MAIN();
