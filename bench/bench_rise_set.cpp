// Rising and setting: Find's search for one object (the next rising, transit and setting over
// 48 hours) for a star, the Moon and a planet, and Tonight's whole night (the Sun, twilight, the
// Moon and some 280 candidates for the list), with the model's positions (0) and precise ones
// (1), from London on a winter evening. The aim: a night within 100 ms.
//   build/bench/bench_rise_set --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "astro/orbits.h"
#include "bench_support.h"
#include "chart/object_index.h"
#include "chart/rise_set.h"
#include "chart/tonight.h"

namespace {

constexpr SystemTime WinterEvening{2026, 12, 4, 10, 19, 0, 0, 0};

ChartView LondonView(bool precise) {
    ChartView view;
    view.longitude = 0.1275;
    view.placeCaption = true;
    view.precise = precise;
    return view;
}

// First argument: 0 Betelgeuse, 1 the Moon, 2 Jupiter; second: precise positions.
void BM_FindSearch(benchmark::State& state) {
    const FoundObject objects[] = {
        {FoundKind::Star, 2061}, {FoundKind::Body, MoonRow}, {FoundKind::Body, JupiterRow}};
    const FoundObject object = objects[state.range(0)];
    const ChartView view = LondonView(state.range(1) != 0);
    for (auto _ : state) {
        const RiseTransitSet times = NextRiseTransitSet(object, WinterEvening, view, 51.5072);
        benchmark::DoNotOptimize(times.rising);
    }
}
BENCHMARK(BM_FindSearch)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_Tonight(benchmark::State& state) {
    const ChartView view = LondonView(state.range(0) != 0);
    const ObjectIndex index = ObjectIndex::Build();
    std::size_t rows = 0;
    for (auto _ : state) {
        const Tonight tonight = ComputeTonight(WinterEvening, view, 51.5072, index);
        rows = tonight.worthALook.size() + tonight.planets.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_Tonight)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    PrepareFullSky(51.5072);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
