// The drawing half of the chart pass.
#pragma once

#include <span>

#include "chart/chart_colours.h"
#include "chart/pass_values.h"
#include "chart/surface.h"

// Draws the chart from what PlaceChartObjects placed, for the window, a metafile or a printer page.
void DrawChartObjects(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin,
                      const ChartPens& pens);

// The pens, brushes and colours that one mode draws the stars, bodies and sky with.
struct ChartLook {
    Pen starPen = StockPen(WHITE_PEN);
    Brush starBrush = StockBrush(WHITE_BRUSH);
    Brush skyBrush;
    Rgb glyphColour = White;
    int glyphScale = 0;
};
ChartLook LookOfMode(ChartMode mode, const ChartPassResult& pass, const ChartPens& pens);

// A deep-sky object's mark: an upright cross of half-length markSize in the current pen.
void DrawDeepSkyCross(Surface& surface, Point at, int markSize);

// Draws the marks of these stars and deep-sky objects again, in their mode's look: over a name
// that was allowed to stand on them.
void RedrawMarks(Surface& surface, ChartMode mode, const ChartPassResult& pass,
                 const ChartPens& pens, std::span<const PlacedObject* const> objects);
