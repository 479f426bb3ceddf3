// Precise positions against the model: the computing half of a pass (a surface that draws
// nothing) and the full screen pass onto a 1920 x 1080 image, each with the choice off (0) and
// on (1); magnitude 6.5, every figure and deep-sky object shown, a winter evening at latitude
// 51.5 (the computing half also at the default magnitude limit). The aim: a pass with precise
// positions within 1.5 times the pass without. Also the precise sky of one instant alone (time
// scales, rotation of date, nine bodies).
//   build/bench/bench_precise --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "astro/orbits.h"
#include "astro/precise.h"
#include "bench_support.h"
#include "render/chart_export.h"
#include "render/qt_surface.h"
#include "shell/shell_objects.h"

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;

void Pass(Surface& surface, bool precise) {
    static const BenchWindow window(Width, Height, SystemTime{2024, 1, 1, 15, 21, 0, 0, 0});
    ViewSettings.precisePositions = precise;
    DrawChart(window, surface, ChartScreen, ViewSettings.margin, ShellObjects.figurePen,
              ShellObjects.deepSkyPen, ShellObjects.skyDayBrush, ShellObjects.skyNightBrush);
}

// Second argument: the magnitude limit in tenths, 65 (the whole catalogue) or 44 (the default).
void BM_ComputingHalf(benchmark::State& state) {
    NullSurface surface(Width, Height);
    ViewSettings.dimmestMagnitude = state.range(1) / 10.0;
    for (auto _ : state) Pass(surface, state.range(0) != 0);
    ViewSettings.dimmestMagnitude = 6.5;
    state.counters["hot_spots"] = HotSpotCount;
}
BENCHMARK(BM_ComputingHalf)->ArgsProduct({{0, 1}, {65, 44}})->Unit(benchmark::kMillisecond);

void BM_ScreenPassOnImage(benchmark::State& state) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(0, 48, 0));
    QPainter painter(&image);
    QtSurface surface(painter, RendererFont());
    for (auto _ : state) Pass(surface, state.range(0) != 0);
}
BENCHMARK(BM_ScreenPassOnImage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PreciseSkyOfOneInstant(benchmark::State& state) {
    const double jd = 2460325.375;  // 2024 January 15, 21h UTC
    for (auto _ : state) {
        const PreciseSky sky = MakePreciseSky(jd);
        double ra = 0, dec = 0;
        for (int row = SunRow; row <= NeptuneRow; ++row)
            PreciseBodyPlace(sky, row, std::nullopt, ra, dec);
        benchmark::DoNotOptimize(dec);
    }
}
BENCHMARK(BM_PreciseSkyOfOneInstant)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    PrepareFullSky(51.5);
    CreateDrawingObjects();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
