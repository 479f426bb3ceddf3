// The computing half of a chart pass: everything DrawChart does except the drawing itself, run
// on a surface whose drawing operations do nothing, over the shipped catalogues at magnitude 6.5
// with every figure and every deep-sky object shown. Also the pointer search over the resulting
// hot-spot table.
#include <benchmark/benchmark.h>

#include "astro/message_box.h"
#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"

namespace {

// A 1920 x 1080 surface with a 16-pixel variable-pitch font that draws nothing.
class NullSurface : public Surface {
  public:
    TextMetrics GetTextMetrics() override { return {16, 0, 7, TMPF_FIXED_PITCH}; }
    int HorizontalResolution() override { return 1920; }
    int VerticalResolution() override { return 1080; }
    void SelectPen(const Pen&) override {}
    void SelectBrush(const Brush&) override {}
    void SetTextColor(Rgb) override {}
    void SetBkColor(Rgb) override {}
    void SetTextAlign(unsigned) override {}
    void TextOut(int, int, std::string_view) override {}
    void SetPixel(int, int, Rgb) override {}
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Polyline(const Point*, int) override {}
};

class BenchWindow : public ChartWindow {
  public:
    int ClientWidth() const override { return 1920; }
    int ClientHeight() const override { return 1080; }
    SystemTime PickerTime() const override { return {2024, 3, 4, 7, 21, 5, 9, 0}; }
};

// The shipped catalogues once, everything shown, the faintest limit, a mid-northern latitude.
void PrepareSky() {
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    SetMessageHandler([](const MessageRequest&) {});
    InitProjectionPi();
    LoadAllCatalogues();
    for (int i = 0; i < ConstellationCount; ++i) ConstellationTable[i].shown = true;
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;
    ViewSettings.dimmestMagnitude = 6.5;
    ViewSettings.latitude = 52;
}

void BM_ChartPassComputingHalf(benchmark::State& state) {
    PrepareSky();
    NullSurface surface;
    BenchWindow window;
    const Pen figurePen{{255, 0, 0}, 1};
    const Pen deepSkyPen{{0, 255, 0}, 1};
    for (auto _ : state) {
        DrawChart(window, surface, ChartScreen, 3, figurePen, deepSkyPen, Brush{{0, 0, 128}},
                  Brush{{0, 0, 64}});
        benchmark::DoNotOptimize(HotSpotCount);
    }
    state.counters["hotSpots"] = HotSpotCount;
}
BENCHMARK(BM_ChartPassComputingHalf)->Unit(benchmark::kMillisecond);

// A pointer sweep over the table of a full pass: mostly misses, each a search of every entry.
void BM_FindHotSpot(benchmark::State& state) {
    PrepareSky();
    NullSurface surface;
    BenchWindow window;
    SystemTime time;
    PlaceChartObjects(window, surface, ChartScreen, 3, time);
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
