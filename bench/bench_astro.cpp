// Speed of the astronomical half of a chart pass: one computation of the body table, and the
// horizon coordinates of every catalogue star (9110 positions).
//
// The star positions are generated rather than loaded, so that this measures the conversion
// alone: right ascensions and declinations spread over the sphere by a fixed linear congruential
// sequence (uniform in sin(declination), as real stars are on average).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "astro/planets.h"

namespace {

struct Position {
    double rightAscension, declination;
};

std::vector<Position> StarLikePositions(int count) {
    std::vector<Position> positions;
    positions.reserve(count);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    const auto next = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state >> 11) / 9007199254740992.0;  // [0, 1)
    };
    for (int i = 0; i < count; ++i) {
        const double ra = 24 * next();
        const double dec = std::asin(2 * next() - 1) * 180 / 3.141592653589793;
        positions.push_back({ra, dec});
    }
    return positions;
}

void BM_ComputeBodyPositions(benchmark::State& state) {
    double day = 14.9166667;
    for (auto _ : state) {
        ComputeBodyPositions(2001, 8, day);
        day += 1e-6;  // a fresh instant each time, as successive repaints have
    }
}
BENCHMARK(BM_ComputeBodyPositions);

void BM_EquatorialToHorizon9110(benchmark::State& state) {
    const std::vector<Position> stars = StarLikePositions(9110);
    const double lst = LocalSiderealTime(2001, 8, 14.9166667, 0, 0.0);
    int above = 0;
    for (auto _ : state) {
        above = 0;
        for (const Position& p : stars) {
            double altitude = 0, azimuth = 0;
            EquatorialToHorizon(p.rightAscension, p.declination, lst, 51.5, altitude, azimuth);
            benchmark::DoNotOptimize(azimuth);
            above += altitude > 0;
        }
        benchmark::DoNotOptimize(above);
    }
    state.counters["above"] = above;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(stars.size()));
}
BENCHMARK(BM_EquatorialToHorizon9110)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
