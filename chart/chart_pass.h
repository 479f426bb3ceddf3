// The chart pass: visibility, chart positions and hot spots of every object, then the drawing.
#pragma once

#include <string>

#include "chart/chart_colours.h"
#include "chart/chart_drawing.h"
#include "chart/layout.h"
#include "chart/pass_values.h"
#include "chart/star_glyph.h"
#include "chart/surface.h"

inline constexpr int HotSpotTextSize = 40;
inline constexpr int HotSpotCapacity = 5000;
inline constexpr int CatalogueHotSpotLimit = 4989;

struct HotSpot {
    int x = 0;
    int y = 0;
    int radius = 0;  // the pointer hits when dx^2 + dy^2 <= radius^2
    char text[HotSpotTextSize] = {};
};

extern HotSpot HotSpotTable[HotSpotCapacity];
extern int HotSpotCount;

// printf-style text, cut to 1023 characters, shown with the given caption and an OK button.
void MessageBoxFormatted(const char* caption, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// One chart pass on `surface`: layout, time, body positions, visibility and hot spots, then the
// drawing for the mode. The observer's latitude and the view come from ViewSettings, the instant
// from the window's picker, the labels from the window's choice (none unless it offers one); the
// sidereal time of the pass is left in ViewSettings.siderealTime.
void DrawChart(const ChartWindow& window, Surface& surface, ChartMode mode, int margin,
               const Pen& figurePen, const Pen& deepSkyPen, const Brush& skyDayBrush,
               const Brush& skyNightBrush);

// The view of the program's state: ViewSettings' orientation, magnitude limit and precise
// positions.
ChartView ViewFromSettings();

// The same pass with its inputs given as values, handing back what it placed: DrawChart is this
// with the program's state.
ChartPassResult RunChartPass(const ChartWindow& window, Surface& surface, ChartMode mode,
                             int margin, const ChartView& view, double latitude,
                             const ChartPens& pens);

// The two halves of the pass, in this order. PlaceChartObjects computes the layout, reads the
// picker's date and time, builds the observer, moves the bodies to that instant, marks and places
// every object above the horizon (the `visible`, `chartX`, `chartY` fields of the tables) and
// rebuilds the hot-spot table; DrawChartObjects (chart_drawing.h) then draws the chart from its
// result.
ChartPassResult PlaceChartObjects(const ChartWindow& window, Surface& surface, ChartMode mode,
                                  int margin, const ChartView& view, double latitude);

// The sky at an instant shown by the picker: the observer of the pass (latitude, longitude,
// sidereal time) and the bodies moved to that instant in BodyTable. The pass calls it once;
// anything that must agree with the chart at another instant (rising and setting) calls it too.
Observer PrepareSky(const SystemTime& time, const ChartView& view, double latitude);

// The caption of a chart's instant as files and paper show it: "2024/01/15  21:00:00".
std::string ChartInstantText(const SystemTime& time);
// The captions above and below the picker: "Date & Time of Map:" and "Dimmest Star Magnitude:
// 4.4". These and the instant are in the user's language, with its decimal point.
std::string DateCaptionText();
std::string MagnitudeCaptionText(double dimmestMagnitude);

// The hot spot under a pointer: the last entry in use that holds it, or -1.
int FindHotSpot(int x, int y);
