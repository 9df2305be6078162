// One calculate() with its report under node, on the workload of the native engine benchmark:
// the first call (the WebAssembly code still cold) and the median of many after it. A figure
// for the README, not a test.
#include "Calculator.h"
#include "EngineWorkload.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    CalcEnvironment environment;
    environment.dataDir = bench::fixture().dir.string();
    const CalcInputs inputs = bench::rectangularArray();
    std::size_t reportBytes = 0;
    const auto calculateOnce = [&] {
        ResultState result;
        reportBytes += calculate(inputs, environment, result).report().size();
    };
    using Clock = std::chrono::steady_clock;
    const auto microseconds = [](Clock::duration time) {
        return std::chrono::duration<double, std::micro>(time).count();
    };

    const auto start = Clock::now();
    calculateOnce();
    const double first = microseconds(Clock::now() - start);
    constexpr int Batches = 21, Calls = 200;
    std::vector<double> perCall;
    for (int batch = 0; batch < Batches; ++batch) {
        const auto batchStart = Clock::now();
        for (int i = 0; i < Calls; ++i)
            calculateOnce();
        perCall.push_back(microseconds(Clock::now() - batchStart) / Calls);
    }
    std::nth_element(perCall.begin(), perCall.begin() + Batches / 2, perCall.end());
    std::printf("calculate() with its report, method #2, 100-row chamber table: first call "
                "%.0f us, then %.1f us per call (median of %d batches of %d)\n",
                first, perCall[Batches / 2], Batches, Calls);
    return reportBytes > 0 ? 0 : 1;
}
