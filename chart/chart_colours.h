// The chart's colours, and the pens and brushes made from them. The window creates its own set at
// start-up (its drawing objects); everything that draws a chart without the window, the headless
// renderer and the tests, takes the standard set.
#pragma once

#include "chart/surface.h"

inline constexpr Rgb BackgroundColour{0, 48, 0};  // the window and its text boxes
inline constexpr Rgb FigureColour{255, 0, 0};
inline constexpr Rgb DeepSkyColour{0, 255, 0};
inline constexpr Rgb SkyDayColour{0, 0, 128};
inline constexpr Rgb SkyNightColour{0, 0, 64};

// The pens and brushes a chart pass draws the figures, the deep-sky crosses and the sky with.
struct ChartPens {
    Pen figurePen{FigureColour, 1};
    Pen deepSkyPen{DeepSkyColour, 1};
    Brush skyDayBrush{SkyDayColour};
    Brush skyNightBrush{SkyNightColour};
};
