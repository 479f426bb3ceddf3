// The full screen pass onto a 1920 x 1080 image: magnitude 6.5, every constellation figure and
// every deep-sky object shown, a winter evening at latitude 51.5 (about half the catalogue above
// the horizon). Compared with the same pass on a surface that draws nothing, which leaves the
// computing half, and with pixels going through the paint engine (as on a window) instead of
// straight into the image.
//   build/bench/bench_render --benchmark_repetitions=9 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench_support.h"
#include "render/chart_export.h"
#include "render/qt_surface.h"
#include "shell/shell_objects.h"

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;

void Pass(Surface& surface) {
    static const BenchWindow window(Width, Height, SystemTime{2024, 1, 1, 15, 21, 0, 0, 0});
    DrawChart(window, surface, ChartScreen, ViewSettings.margin, ShellObjects.figurePen,
              ShellObjects.deepSkyPen, ShellObjects.skyDayBrush, ShellObjects.skyNightBrush);
}

void BM_ScreenPassOnImage(benchmark::State& state) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(0, 48, 0));
    QPainter painter(&image);
    QtSurface surface(painter, RendererFont());
    for (auto _ : state) Pass(surface);
    state.counters["hot_spots"] = HotSpotCount;
}
BENCHMARK(BM_ScreenPassOnImage)->Unit(benchmark::kMillisecond);

// The same pass with every name, the Moon's phase and the legend; and with every sky layer too
// (the Milky Way, the boundaries, the ecliptic, the equator and the grid). Each pass has a surface
// of its own, as each paint of the window does, so that nothing measured is kept between passes.
void LabelledPass(benchmark::State& state, const SkyLayers& sky) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(0, 48, 0));
    QPainter painter(&image);
    const BenchWindow window(Width, Height, SystemTime{2024, 1, 1, 15, 21, 0, 0, 0});
    ChartView view = ViewFromSettings();
    view.labels = {true, true, true, true, true, true};
    view.sky = sky;
    for (auto _ : state) {
        QtSurface surface(painter, RendererFont());
        benchmark::DoNotOptimize(RunChartPass(window, surface, ChartScreen, ViewSettings.margin,
                                              view, ViewSettings.latitude, ChartPens{}));
    }
}
void BM_ScreenPassOnImageWithLabels(benchmark::State& state) {
    LabelledPass(state, SkyLayers{});
}
BENCHMARK(BM_ScreenPassOnImageWithLabels)->Unit(benchmark::kMillisecond);
void BM_ScreenPassOnImageWithLabelsAndSky(benchmark::State& state) {
    LabelledPass(state, SkyLayers{true, true, true, true, true});
}
BENCHMARK(BM_ScreenPassOnImageWithLabelsAndSky)->Unit(benchmark::kMillisecond);

// As the window does it: erase with the background, then the pass, then the painter ends.
void BM_EraseAndScreenPassOnImage(benchmark::State& state) {
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(0, 48, 0));
        QtSurface surface(painter, RendererFont());
        Pass(surface);
    }
}
BENCHMARK(BM_EraseAndScreenPassOnImage)->Unit(benchmark::kMillisecond);

// A clip stops the direct pixel writes: every pixel of a star goes through the paint engine, in
// batches of one colour, as when the pass paints a window.
void BM_ScreenPassThroughPaintEngine(benchmark::State& state) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(0, 48, 0));
    QPainter painter(&image);
    painter.setClipRect(image.rect());
    QtSurface surface(painter, RendererFont());
    for (auto _ : state) {
        Pass(surface);
        surface.Flush();
    }
}
BENCHMARK(BM_ScreenPassThroughPaintEngine)->Unit(benchmark::kMillisecond);

void BM_ScreenPassOnNullSurface(benchmark::State& state) {
    NullSurface surface(Width, Height);
    for (auto _ : state) Pass(surface);
}
BENCHMARK(BM_ScreenPassOnNullSurface)->Unit(benchmark::kMillisecond);

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
