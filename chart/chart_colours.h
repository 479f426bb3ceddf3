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

// The sky's own lines and shapes (SkyLayers), in one look: the Milky Way's five steps, faintest
// first, each a little lighter than the sky it lies on; the lines; the grid's numbers.
struct SkyColours {
    Rgb milkyWay[5];
    Rgb boundary;
    Rgb ecliptic;
    Rgb equator;
    Rgb grid;
    Rgb gridText;
};

// A colour `fraction` of the way from `from` to `to`.
inline constexpr Rgb Blend(Rgb from, Rgb to, double fraction) {
    auto mix = [fraction](int a, int b) {
        return static_cast<std::uint8_t>(a + (b - a) * fraction + 0.5);
    };
    return Rgb{mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

// The Milky Way's steps go this far from the sky's colour towards the look's pale band colour.
inline constexpr double MilkyWayShares[5] = {0.10, 0.18, 0.27, 0.37, 0.48};

// On the sky of the screen look: a pale blue band, and lines that keep below the stars' white.
inline constexpr Rgb ScreenMilkyWayColour{120, 140, 220};
inline constexpr Rgb ScreenBoundaryColour{150, 150, 96};
inline constexpr Rgb ScreenEclipticColour{230, 190, 70};
inline constexpr Rgb ScreenEquatorColour{100, 170, 230};
inline constexpr Rgb ScreenGridColour{70, 100, 160};
inline constexpr Rgb ScreenGridTextColour{140, 170, 220};
// On paper: a light grey band and grey or coloured ink.
inline constexpr Rgb PaperMilkyWayColour{160, 160, 160};
inline constexpr Rgb PaperBoundaryColour{120, 120, 120};
inline constexpr Rgb PaperEclipticColour{200, 130, 0};
inline constexpr Rgb PaperEquatorColour{60, 110, 180};
inline constexpr Rgb PaperGridColour{170, 170, 200};
inline constexpr Rgb PaperGridTextColour{110, 110, 140};
// The night look: a dim red band and red lines, none with more green or blue than a quarter of
// its red.
inline constexpr Rgb NightMilkyWayColour{150, 0, 0};
inline constexpr Rgb NightBoundaryColour{110, 0, 0};
inline constexpr Rgb NightEclipticColour{190, 44, 0};
inline constexpr Rgb NightEquatorColour{140, 0, 30};
inline constexpr Rgb NightGridColour{80, 0, 0};
inline constexpr Rgb NightGridTextColour{150, 0, 0};

// The colours of a look on a sky of the given colour (white on paper).
inline constexpr SkyColours MakeSkyColours(Rgb sky, Rgb band, Rgb boundary, Rgb ecliptic,
                                           Rgb equator, Rgb grid, Rgb gridText) {
    SkyColours colours{{}, boundary, ecliptic, equator, grid, gridText};
    for (int i = 0; i < 5; ++i) colours.milkyWay[i] = Blend(sky, band, MilkyWayShares[i]);
    return colours;
}
