// Exporting a full chart (dimmest magnitude 6.5, every figure and deep-sky object shown) at
// 1920 x 1080 as an Enhanced Metafile, an SVG drawing and a PDF document: the whole pass and the
// encoding into memory, with the size of the file it would write; and the PNG encoders alone.
// Run:
//   build/bench/bench_export --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <array>

#include "bench_support.h"
#include "render/chart_export.h"
#include "render/emf_export.h"
#include "render/emf_surface.h"
#include "render/png_writer.h"
#include "shell/shell_objects.h"

namespace {

const BenchWindow Window(1920, 1080, SystemTime{2024, 3, 4, 7, 21, 5, 9, 0});

// The shipped sky with everything shown, once; the export writers need the shell's pens too.
void PrepareFullChart() {
    static bool done = false;
    if (done) return;
    done = true;
    PrepareFullSky(40.0);
    CreateDrawingObjects();
}

void Export(benchmark::State& state, ExportWriter writer) {
    PrepareFullChart();
    const ExportJob job{1920, 1080, ChartMetafile, Window, RendererFont()};
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
    const QTemporaryDir folder;
    const std::string path = folder.filePath("StarMap.emf").toStdString();
    const ExportJob job{1920, 1080, ChartMetafile, Window, RendererFont()};
    for (auto _ : state) {
        std::string error;
        if (!WriteChartFile(path, WriteEmfChart, job, error)) state.SkipWithError(error.c_str());
    }
}

// The full chart in the screen look as the PNG writer gets it (a few more than 256 colours, for
// the shades of its text), or the same reduced to 256 colours (written indexed).
const QImage& ChartPicture(bool reduced) {
    static const std::array<QImage, 2> pictures = [] {
        PrepareFullChart();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        std::string error;
        WritePngChart(buffer, ExportJob{1920, 1080, ChartScreen, Window, RendererFont()}, error);
        const QImage full =
            QImage::fromData(buffer.data(), "PNG").convertToFormat(QImage::Format_RGB32);
        const QImage reduced = full.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
                                   .convertToFormat(QImage::Format_RGB32);
        return std::array<QImage, 2>{full, reduced};
    }();
    return pictures[reduced ? 1 : 0];
}

// Arguments: 0 this program's writer, 1 Qt's (libpng at its default level, the writer before);
// 0 the full chart, 1 reduced to 256 colours.
void BM_EncodePng(benchmark::State& state) {
    const QImage& picture = ChartPicture(state.range(1) == 1);
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const bool written =
            state.range(0) == 0 ? WritePng(buffer, picture) : picture.save(&buffer, "PNG");
        if (!written) state.SkipWithError("not encoded");
        bytes = buffer.size();
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_ExportEmf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportEmfToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePng)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

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
