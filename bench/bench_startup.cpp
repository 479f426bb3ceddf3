// Start-up of the window, measured offscreen: creating the main window (the four catalogue
// loads, the controls, the menu, the settings read) up to its first painted chart; a repaint of
// the chart alone; and a pointer move, which redraws only the readout over the kept chart.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_startup
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "catalog/sky_model.h"
#include "chart/view_settings.h"
#include "shell/main_window.h"
#include "shell/shell_objects.h"

namespace {

// A folder with a settings file, so that no dialog opens.
class SettingsFolder {
  public:
    SettingsFolder() : previous_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        QFile file(QStringLiteral("Settings.dat"));
        if (file.open(QIODevice::WriteOnly)) file.write("51.5\n");
    }
    ~SettingsFolder() { QDir::setCurrent(previous_); }

  private:
    QTemporaryDir folder_;
    QString previous_;
};

void FreshStart() {
    ResetSkyModel();
    ResetViewSettings();
    InitProjectionPi();
    CreateBackgroundBrush();
}

void BM_WindowCreationToFirstChart(benchmark::State& state) {
    SettingsFolder folder;
    for (auto _ : state) {
        FreshStart();
        MainWindow window;
        window.resize(1024, 768);
        const QPixmap picture = window.grab();  // paints: the first chart pass
        benchmark::DoNotOptimize(picture.cacheKey());
        if (window.chartPassCount() != 1) state.SkipWithError("no chart pass");
    }
}
BENCHMARK(BM_WindowCreationToFirstChart)->Unit(benchmark::kMillisecond);

// A window of 1024 x 768 after its first chart, created on fresh tables in a folder with a
// settings file (the members are made in this order).
struct PaintedWindow {
    struct FreshTables {
        FreshTables() { FreshStart(); }
    };
    PaintedWindow() {
        window.resize(1024, 768);
        window.grab();
    }
    SettingsFolder folder;
    FreshTables tables;
    MainWindow window;
};

void BM_ChartRepaint(benchmark::State& state) {
    PaintedWindow painted;
    for (auto _ : state) {
        painted.window.Repaint();
        const QPixmap picture = painted.window.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
    state.counters["passes"] = painted.window.chartPassCount();
}
BENCHMARK(BM_ChartRepaint)->Unit(benchmark::kMillisecond);

void BM_PointerMoveReadout(benchmark::State& state) {
    PaintedWindow painted;
    const int passes = painted.window.chartPassCount();
    int x = 0;
    for (auto _ : state) {
        const QPointF at((x++ % 1000) + 10, 400);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&painted.window, &move);
        const QPixmap readout = painted.window.grab(QRect(0, 600, 1024, 168));
        benchmark::DoNotOptimize(readout.cacheKey());
    }
    if (painted.window.chartPassCount() != passes)
        state.SkipWithError("a pointer move ran a chart pass");
}
BENCHMARK(BM_PointerMoveReadout)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
