// The sky's own lines and shapes under the stars, as the view asks for them (ChartView::sky): the
// Milky Way in five steps, the altitude-azimuth grid with its numbers, the celestial equator, the
// ecliptic and the constellation boundaries. With every layer off nothing here draws anything.
#pragma once

#include <string>
#include <vector>

#include "catalog/sky_outlines.h"
#include "chart/chart_colours.h"
#include "chart/label_placer.h"
#include "chart/pass_values.h"
#include "chart/sky_geometry.h"
#include "chart/surface.h"

// The colours of the sky layers for a pass's look: paper for the printer, the night reds when
// the pens' ink is not white, else the screen's, on the pass's sky colour.
SkyColours SkyColoursFor(ChartMode mode, const ChartPassResult& pass, const ChartPens& pens);

// Draws the layers the view asks for, straight after the sky disc: the Milky Way filled under
// everything, then the grid and its numbers, the equator, the ecliptic and the boundaries, each
// cut at the rim. The text colours and alignment the rest of the pass relies on are put back.
void DrawSkyLayers(Surface& surface, ChartMode mode, const ChartPassResult& pass,
                   const ChartPens& pens);

// The Milky Way's step `step` (0 faintest .. 4) on the chart as polygons to fill by the even-odd
// rule, cut to the disc: the rings of that step turned with the catalogue's places, and the whole
// rim added when the nadir lies in the band (as counted from a galactic pole, which never does).
ChartPolygons MilkyWayOnChart(const ChartPassResult& pass, int step);

// A constellation's boundary on the chart, cut to the disc as the boundaries are, to fill by the
// even-odd rule: the whole rim is added when the constellation holds the nadir, so that the fill
// is the constellation's side of its ring.
ChartPolygons BoundaryOnChart(const ChartPassResult& pass, const ConstellationBoundary& boundary);

// One number of the grid: its text and the box it is written in.
struct GridLabel {
    std::string text;
    LabelBox box;
};

// The grid's numbers when the grid is shown (none otherwise): each azimuth line's azimuth just
// inside the rim, and the altitude of each circle where it meets the line at the chart's bottom.
std::vector<GridLabel> GridLabels(Surface& surface, const ChartPassResult& pass);

// The layers the legend names, in the order it lists them, and their meanings.
enum class SkyLayer { MilkyWay, Boundaries, Ecliptic, Equator, Grid };
std::vector<SkyLayer> ShownSkyLayers(const SkyLayers& layers);
std::string SkyLayerMeaning(SkyLayer layer);

// A layer's legend symbol across [left, right] on the row whose middle is y.
void DrawSkyLegendSymbol(Surface& surface, const SkyColours& colours, SkyLayer layer, int left,
                         int right, int y, int line);
