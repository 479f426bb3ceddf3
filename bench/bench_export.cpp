// Exporting a full chart (dimmest magnitude 6.5, every figure and deep-sky object shown) at
// 1920 x 1080 as an Enhanced Metafile, an SVG drawing and a PDF document: the whole pass and the
// encoding into memory, with the size of the file it would write. Run:
//   build/bench/bench_export --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"
#include "shell/chart_export.h"
#include "shell/emf_export.h"
#include "shell/emf_surface.h"
#include "shell/shell_objects.h"

namespace {

class BenchWindow : public ChartWindow {
  public:
    int ClientWidth() const override { return 1920; }
    int ClientHeight() const override { return 1080; }
    SystemTime PickerTime() const override { return SystemTime{2024, 3, 4, 7, 21, 5, 9, 0}; }
};

// The catalogues once, everything shown, the faintest limit the scrollbar allows.
void PrepareFullChart() {
    static bool done = false;
    if (done) return;
    done = true;
    LoadAllCatalogues();
    CreateDrawingObjects();
    ViewSettings.latitude = 40.0;
    ViewSettings.dimmestMagnitude = 6.5;
    for (int i = 0; i < ConstellationCount; ++i) ConstellationTable[i].shown = true;
    for (int i = 0; i < DeepSkyCount; ++i) DeepSkyTable[i].shown = true;
}

void Export(benchmark::State& state, ExportWriter writer) {
    PrepareFullChart();
    const BenchWindow window;
    const ExportJob job{1920, 1080, ChartMetafile, window, RendererFont()};
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        std::string error;
        if (!writer(buffer, job, error)) state.SkipWithError(error.c_str());
        bytes = buffer.size();
        benchmark::DoNotOptimize(buffer.data().constData());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_ExportEmf(benchmark::State& state) {
    Export(state, WriteEmfChart);
}
void BM_ExportSvg(benchmark::State& state) {
    Export(state, WriteSvgChart);
}
void BM_ExportPdf(benchmark::State& state) {
    Export(state, WritePdfChart);
}

// The metafile as the "To File..." command writes it: rendered, written aside, renamed into place.
void BM_ExportEmfToFile(benchmark::State& state) {
    PrepareFullChart();
    const BenchWindow window;
    const QTemporaryDir folder;
    const std::string path = folder.filePath("StarMap.emf").toStdString();
    const ExportJob job{1920, 1080, ChartMetafile, window, RendererFont()};
    for (auto _ : state) {
        std::string error;
        if (!WriteChartFile(path, WriteEmfChart, job, error)) state.SkipWithError(error.c_str());
    }
}

BENCHMARK(BM_ExportEmf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportEmfToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);

}  // namespace

// Fonts, SVG and PDF need a GUI application; the offscreen platform needs no display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
