// Layout of one chart pass, the projection onto the disc, the compass labels, and the window's
// readout box.
#pragma once

#include <string>

#include "base/translate.h"
#include "chart/label_choice.h"
#include "chart/surface.h"

// The target of a chart pass.
enum ChartMode { ChartScreen = 0, ChartMetafile = 1, ChartPrinter = 2 };

// The date and time a chart shows, as the picker holds it.
struct SystemTime {
    int year = 0;
    int month = 0;
    int dayOfWeek = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

// What the chart pass needs of its window: the client size (used in ChartScreen mode only), the
// date and time its picker shows, and the labels its user has switched on (none unless the
// window offers a choice).
class ChartWindow {
  public:
    virtual ~ChartWindow() = default;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual SystemTime PickerTime() const = 0;
    virtual ChartLabels LabelChoice() const { return {}; }
};

// A chart window with a fixed client size whose picker shows a fixed instant: the headless
// renderer's window, and the benchmarks'.
class FixedChartWindow final : public ChartWindow {
  public:
    FixedChartWindow(int width, int height, SystemTime time)
        : width_(width), height_(height), time_(time) {}
    int ClientWidth() const override { return width_; }
    int ClientHeight() const override { return height_; }
    SystemTime PickerTime() const override { return time_; }

  private:
    int width_;
    int height_;
    SystemTime time_;
};

struct ChartLayout {
    int lineHeight = 0;
    int capsWidth = 0;
    int width = 0;
    int height = 0;
    int centreX = 0;
    int centreY = 0;
    int radius = 0;
    int dateLabelY = 0;
    int dateTextY = 0;
    int magnitudeTextY = 0;
    int markSize = 0;
    int glyphScale = 0;
};

ChartLayout ComputeChartLayout(Surface& surface, ChartMode mode, const ChartWindow& window,
                               int margin);

// Integer chart position of an altitude and azimuth (degrees), turned so that
// ViewSettings.orientationAzimuth lies at the bottom. Truncated toward zero. Non-finite input
// lands on the centre; results are kept within the int range.
Point ProjectToChart(double altitude, double azimuth, int centreX, int centreY, int radius);
// The same with the azimuth at the bottom given.
Point ProjectToChart(double altitude, double azimuth, int centreX, int centreY, int radius,
                     double orientationAzimuth);

struct CompassPoint {
    const char* label;
    double azimuth;
};
// The labels are English here (--facing takes them as they are); CompassLabel gives them in the
// user's language.
inline constexpr CompassPoint CompassPoints[8] = {
    {VQ_TRANSLATE_NOOP("Compass", "N"), 0},   {VQ_TRANSLATE_NOOP("Compass", "NE"), 45},
    {VQ_TRANSLATE_NOOP("Compass", "E"), 90},  {VQ_TRANSLATE_NOOP("Compass", "SE"), 135},
    {VQ_TRANSLATE_NOOP("Compass", "S"), 180}, {VQ_TRANSLATE_NOOP("Compass", "SW"), 225},
    {VQ_TRANSLATE_NOOP("Compass", "W"), 270}, {VQ_TRANSLATE_NOOP("Compass", "NW"), 315},
};

// A compass label as the chart shows it, in the user's language.
std::string CompassLabel(const CompassPoint& point);

// The alignment of a compass label whose rim point is `point`: text extends away from the disc.
unsigned CompassAlignment(Point point, int centreX, int centreY);

// Recomputes ViewSettings' client size and readout box from a new client size, with the
// window's own font metrics held in ViewSettings.
void UpdateWindowSizeLayout(unsigned clientWidth, unsigned clientHeight);
