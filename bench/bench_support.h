// Common ground of the chart benchmarks: a surface that measures like the renderer's font and
// draws nothing, a window with a fixed size and picker time, and the shipped sky with every
// figure and deep-sky object shown down to the faintest magnitude limit.
#pragma once

#include <string_view>

#include "base/messages.h"
#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"

// A width x height surface with a 16-pixel variable-pitch font whose drawing does nothing, so a
// pass on it costs only its computing half.
class NullSurface : public Surface {
  public:
    NullSurface(int width, int height) : width_(width), height_(height) {}
    TextMetrics GetTextMetrics() override { return TextMetrics{16, 0, 7, TMPF_FIXED_PITCH}; }
    int HorizontalResolution() override { return width_; }
    int VerticalResolution() override { return height_; }
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
    void PolyPolygon(const Point*, const int*, int) override {}

  private:
    int width_;
    int height_;
};

using BenchWindow = FixedChartWindow;

// The shipped catalogues loaded afresh, every figure and deep-sky object shown, magnitude 6.5,
// the given latitude; messages are dropped so that none can stall a run.
inline void PrepareFullSky(double latitude) {
    Messages().Replace([](const MessageRequest&) {});
    InitProjectionPi();
    ResetViewSettings();
    ResetSkyModel();
    LoadAllCatalogues();
    for (int row = 0; row < ConstellationCount; ++row) ConstellationTable[row].shown = true;
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;
    ViewSettings.dimmestMagnitude = 6.5;
    ViewSettings.latitude = latitude;
}
