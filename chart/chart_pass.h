// The chart pass: visibility, chart positions and hot spots of every object, then the drawing.
#pragma once

#include "chart/layout.h"
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
// drawing for the mode.
void DrawChart(const ChartWindow& window, Surface& surface, ChartMode mode, int margin,
               const Pen& figurePen, const Pen& deepSkyPen, const Brush& skyDayBrush,
               const Brush& skyNightBrush);

// The two halves of DrawChart, which runs them in this order. PlaceChartObjects computes the
// layout, reads the picker's date and time into `time`, moves the bodies to that instant, marks
// and places every object above the horizon and rebuilds the hot-spot table; DrawChartObjects then
// draws the chart from what it left.
ChartLayout PlaceChartObjects(const ChartWindow& window, Surface& surface, ChartMode mode,
                              int margin, SystemTime& time);
void DrawChartObjects(Surface& surface, ChartMode mode, const ChartLayout& layout, int margin,
                      const SystemTime& time, const Pen& figurePen, const Pen& deepSkyPen,
                      const Brush& skyDayBrush, const Brush& skyNightBrush);

// The hot spot under a pointer: the last entry in use that holds it, or -1.
int FindHotSpot(int x, int y);

inline constexpr int MaxGlyphPixels = 45;
extern const Point StarGlyphOffsets[MaxGlyphPixels];

// One star at (x, y): pixels from StarGlyphOffsets when glyphScale is 0, else a filled circle.
void DrawStarGlyph(Surface& surface, int x, int y, double magnitude, Rgb colour, int glyphScale);
