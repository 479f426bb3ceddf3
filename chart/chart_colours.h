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

// The night look, for eyes adapted to the dark: red on black, with no colour whose green or blue
// exceeds a quarter of its red. Stars and text are the brightest red; the figures are dimmer so
// that they do not outshine the stars; the deep-sky crosses lean to orange so that they stay
// apart from the figures; the sky disc is a dark red, a little lighter while the Sun is up.
inline constexpr Rgb NightInkColour{255, 0, 0};
inline constexpr Rgb NightBackgroundColour{0, 0, 0};
inline constexpr Rgb NightFigureColour{150, 0, 0};
inline constexpr Rgb NightDeepSkyColour{224, 48, 0};
inline constexpr Rgb NightSkyDayColour{64, 0, 0};
inline constexpr Rgb NightSkyNightColour{36, 0, 0};

// The pens and brushes a chart pass draws the figures, the deep-sky crosses and the sky with.
// The screen look also takes its ink (star pen, star brush, star glyphs, text) and the colour of
// the text boxes from here; the metafile and paper looks do not.
struct ChartPens {
    Pen figurePen{FigureColour, 1};
    Pen deepSkyPen{DeepSkyColour, 1};
    Brush skyDayBrush{SkyDayColour};
    Brush skyNightBrush{SkyNightColour};
    Rgb screenInk = White;
    Rgb screenPaper = BackgroundColour;
};

// The night look's set: everything of the screen look in reds on black.
inline constexpr ChartPens NightChartPens() {
    return ChartPens{Pen{NightFigureColour, 1},
                     Pen{NightDeepSkyColour, 1},
                     Brush{NightSkyDayColour},
                     Brush{NightSkyNightColour},
                     NightInkColour,
                     NightBackgroundColour};
}
