// Saving and loading a vdoCombo's settings (ListCount and one ListItem<i> per item) as the
// item count grows, up to the 32,767-item limit. Both should grow linearly.
#include "PropertyBag.h"
#include "vdoCombo.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {
void fill(vdoCombo &combo, int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items.append(QStringLiteral("Chamber %1").arg(i));
    combo.setListItems(items);
}

void BM_WriteProperties(benchmark::State &state)
{
    vdoCombo combo;
    fill(combo, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        PropertyBag bag;
        combo.writeProperties(bag);
        benchmark::DoNotOptimize(bag);
    }
    state.SetComplexityN(state.range(0));
}

void BM_ReadProperties(benchmark::State &state)
{
    vdoCombo source;
    fill(source, static_cast<int>(state.range(0)));
    PropertyBag bag;
    source.writeProperties(bag);
    vdoCombo combo;
    for (auto _ : state)
        combo.readProperties(bag);
    state.SetComplexityN(state.range(0));
}
} // namespace

BENCHMARK(BM_WriteProperties)
    ->RangeMultiplier(4)
    ->Range(512, 32767)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProperties)
    ->RangeMultiplier(4)
    ->Range(512, 32767)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    // The controls need a QApplication; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
