// The drawing half of the chart pass.
#pragma once

#include "chart/chart_colours.h"
#include "chart/pass_values.h"
#include "chart/surface.h"

// Draws the chart from what PlaceChartObjects placed, for the window, a metafile or a printer page.
void DrawChartObjects(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin,
                      const ChartPens& pens);
