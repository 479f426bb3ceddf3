// The computing half of a chart pass: everything DrawChart does except the drawing itself, run
// on a surface whose drawing operations do nothing, over the shipped catalogues at magnitude 6.5
// with every figure and every deep-sky object shown. Also the pointer search over the resulting
// hot-spot table.
#include <benchmark/benchmark.h>

#include "bench_support.h"

namespace {

const BenchWindow Window(1920, 1080, SystemTime{2024, 3, 4, 7, 21, 5, 9, 0});

// The shipped catalogues once, everything shown, the faintest limit, a mid-northern latitude.
void PrepareSky() {
    static const bool prepared = (PrepareFullSky(52), true);
    (void)prepared;
}

void BM_ChartPassComputingHalf(benchmark::State& state) {
    PrepareSky();
    NullSurface surface(1920, 1080);
    const Pen figurePen{{255, 0, 0}, 1};
    const Pen deepSkyPen{{0, 255, 0}, 1};
    for (auto _ : state) {
        DrawChart(Window, surface, ChartScreen, 3, figurePen, deepSkyPen, Brush{{0, 0, 128}},
                  Brush{{0, 0, 64}});
        benchmark::DoNotOptimize(HotSpotCount);
    }
    state.counters["hotSpots"] = HotSpotCount;
}
BENCHMARK(BM_ChartPassComputingHalf)->Unit(benchmark::kMillisecond);

// The same pass with every name, the Moon's phase and the legend: what placing the names costs.
void BM_ChartPassComputingHalfWithLabels(benchmark::State& state) {
    PrepareSky();
    NullSurface surface(1920, 1080);
    ChartView view = ViewFromSettings();
    view.labels = {true, true, true, true, true, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunChartPass(Window, surface, ChartScreen, 3, view,
                                              ViewSettings.latitude, ChartPens{}));
    }
}
BENCHMARK(BM_ChartPassComputingHalfWithLabels)->Unit(benchmark::kMillisecond);

// A pointer sweep over the table of a full pass: mostly misses, each a search of every entry.
void BM_FindHotSpot(benchmark::State& state) {
    PrepareSky();
    NullSurface surface(1920, 1080);
    PlaceChartObjects(Window, surface, ChartScreen, 3, ViewFromSettings(), ViewSettings.latitude);
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindHotSpot(x, 540));
        x = (x + 7) % 1920;
    }
    state.counters["hotSpots"] = HotSpotCount;
}
BENCHMARK(BM_FindHotSpot);

}  // namespace

BENCHMARK_MAIN();
