// Loading the three compiled-in catalogues, as start-up does: the whole of it, and each loader
// on its own. Every iteration starts from fresh tables (ResetSkyModel).
#include <benchmark/benchmark.h>

#include "base/messages.h"
#include "catalog/loaders.h"
#include "catalog/sky_model.h"

namespace {

void BM_ResetAndLoadAllCatalogues(benchmark::State& state) {
    for (auto _ : state) {
        ResetSkyModel();
        LoadAllCatalogues();
        benchmark::DoNotOptimize(StarTable);
        benchmark::DoNotOptimize(DeepSkyCount);
    }
    if (DeepSkyCount != 111 || ConstellationCount != 87) state.SkipWithError("bad catalogues");
}
BENCHMARK(BM_ResetAndLoadAllCatalogues)->Unit(benchmark::kMillisecond);

void BM_ResetSkyModel(benchmark::State& state) {
    for (auto _ : state) {
        ResetSkyModel();
        benchmark::DoNotOptimize(StarTable);
    }
}
BENCHMARK(BM_ResetSkyModel)->Unit(benchmark::kMicrosecond);

void BM_LoadStarCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        LoadStarCatalogue();
        benchmark::DoNotOptimize(StarTable);
    }
}
BENCHMARK(BM_LoadStarCatalogue)->Unit(benchmark::kMillisecond);

void BM_LoadConstellationsAndLink(benchmark::State& state) {
    LoadStarCatalogue();
    for (auto _ : state) {
        LoadConstellations();
        LinkStarsToConstellations();
        benchmark::DoNotOptimize(ConstellationTable);
    }
}
BENCHMARK(BM_LoadConstellationsAndLink)->Unit(benchmark::kMicrosecond);

void BM_LoadDeepSkyCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        LoadDeepSkyCatalogue();
        benchmark::DoNotOptimize(DeepSkyTable.data());
    }
}
BENCHMARK(BM_LoadDeepSkyCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
