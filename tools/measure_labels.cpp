// Measures how many of the names that matter a labelled chart gives (tools/label_coverage.h)
// over seeded random skies, each at the window's size (800 x 600 on the screen look) and at the
// printed size (an A4 page at 300 dots per inch, the printer look), with every figure and
// deep-sky object shown and every kind of name asked for:
//   build/velquorran-measure-labels [SKIES [SEED]]      (200 skies, seed 2026 by default)
// Text is measured in the renderer's font on each size's own device, as the chart measures it;
// nothing is drawn.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "bench/bench_support.h"
#include "render/page_setup.h"
#include "render/qt_surface.h"
#include "tools/label_coverage.h"

namespace {

// A surface of a given size that measures text like another and records the texts drawn.
class TextCapture final : public NullSurface {
  public:
    TextCapture(Surface& metrics, int width, int height)
        : NullSurface(width, height), metrics_(metrics) {}
    std::set<std::string> texts;

    TextMetrics GetTextMetrics() override { return metrics_.GetTextMetrics(); }
    int TextWidth(std::string_view text) override { return metrics_.TextWidth(text); }
    void TextOut(int, int, std::string_view text) override { texts.insert(std::string(text)); }

  private:
    Surface& metrics_;
};

struct Size {
    const char* name;
    int width;
    int height;
    ChartMode mode;
    double dotsPerInch;
};

constexpr Size Sizes[] = {
    {"window 800x600", 800, 600, ChartScreen, 96.0},
    {"printed A4 300 dpi", 2480, 3508, ChartPrinter, 300.0},
};

void Report(const char* what, const LabelCoverage& c) {
    std::printf(
        "%-22s figures named %5d of %5d (%6.2f%%)   bright stars named %5d of %5d (%6.2f%%)\n",
        what, c.figuresNamed, c.figures, 100.0 * c.FigureShare(), c.starsNamed, c.stars,
        100.0 * c.StarShare());
}

void MostMissed(const std::vector<std::string>& misses) {
    std::map<std::string, int> counts;
    for (const std::string& name : misses) ++counts[name];
    std::vector<std::pair<int, std::string>> sorted;
    for (const auto& [name, n] : counts) sorted.push_back({-n, name});
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size() && i < 8; ++i)
        std::printf("  %s %d", sorted[i].second.c_str(), -sorted[i].first);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int skies = argc > 1 ? std::atoi(argv[1]) : 200;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 2026u;
    PrepareFullSky(0.0);  // every figure and deep-sky object shown; each sky sets its own view

    LabelCoverage total;
    for (const Size& size : Sizes) {
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(static_cast<int>(size.dotsPerInch / 0.0254));
        probe.setDotsPerMeterY(static_cast<int>(size.dotsPerInch / 0.0254));
        QPainter painter(&probe);
        const QFont font = size.mode == ChartPrinter ? PrinterFont(RendererFont()) : RendererFont();
        QtSurface metrics(painter, font);
        std::mt19937 random(seed);
        LabelCoverage coverage;
        for (int i = 0; i < skies; ++i) {
            const RandomSky sky = NextRandomSky(random);
            TextCapture surface(metrics, size.width, size.height);
            const ChartPassResult pass =
                RunChartPass(FixedChartWindow(size.width, size.height, sky.time), surface,
                             size.mode, 3, sky.view, sky.latitude, ChartPens{});
            coverage.Add(MeasureLabelCoverage(pass, surface.texts));
        }
        Report(size.name, coverage);
        std::printf("  most missed figures:");
        MostMissed(coverage.missedFigures);
        std::printf("  most missed stars:");
        MostMissed(coverage.missedStars);
        total.Add(coverage);
    }
    Report("both sizes", total);
    return 0;
}
