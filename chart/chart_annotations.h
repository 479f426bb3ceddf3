// What the chart adds to its picture when the user asks (ChartView::labels): names beside the
// marks, the Moon in its phase, and a legend. With every choice off nothing here draws anything,
// and the chart is exactly the plain one.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_colours.h"
#include "chart/label_placer.h"
#include "chart/pass_values.h"
#include "chart/surface.h"

struct Star;
struct Constellation;

// A star's proper name ("Sirius", "Rigil Kentaurus"), or "" for a star the catalogue names by
// its designation only: the catalogue writes a proper name in place of the designation, so a
// name that begins with a letter is one, with the constellation's abbreviation at its end.
std::string StarProperName(const Star& star);

// A constellation's name in the IAU spelling, words apart ("Canis Major", "Orion"), from the
// catalogue's text ("Canis_Major", "Orian").
std::string IauConstellationName(const Constellation& constellation);

// The faintest star that gets its name: one magnitude above the chart's limit, so that every
// named star is drawn with more than a single pixel.
double StarLabelLimit(double dimmestMagnitude);

// The names that the view's choices ask for, in order of priority (Sun, Moon, planets, the 20
// brightest stars, the shown figures' names, the other stars by brightness, the other
// constellations' names, Messier objects by brightness), measured on `surface`.
std::vector<LabelRequest> ChartLabelRequests(Surface& surface, ChartMode mode,
                                             const ChartPassResult& pass);

// What names must keep clear of: the compass labels, the caption column (with the picker and the
// scrollbar on screen), the readout on screen, the legend when shown, the grid's numbers when
// shown, and the marks of the bodies and of the brightest stars that ask for a name.
std::vector<LabelBox> ChartLabelObstacles(Surface& surface, ChartMode mode,
                                          const ChartPassResult& pass, int margin,
                                          std::span<const LabelRequest> requests);

// The minor marks: those of the other stars and the deep-sky objects that ask for a name. Their
// own names and those after them keep clear of them; the names before them may stand on them.
std::vector<LabelBox> ChartMinorMarks(std::span<const LabelRequest> requests);

// The legend's box in the bottom-right corner, which the disc leaves free.
LabelBox LegendBox(Surface& surface, const ChartPassResult& pass, int margin);

// Draws the annotations the view asks for, after everything else of the pass: the Moon's phase,
// the names (white on the sky, black on paper), and the legend.
void DrawChartAnnotations(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin,
                          const ChartPens& pens);

// The Moon's lit part over its ring: the fraction from the Sun-Moon elongation, the lit side
// towards the Sun as the chart shows its direction; drawn in the star colour of the mode.
void DrawMoonPhase(Surface& surface, ChartMode mode, const ChartPassResult& pass,
                   const ChartPens& pens);

// The legend: a dot, a ring, the filled disc, a cross and a red line with their meanings, and
// the dot of each whole magnitude down to the limit.
void DrawLegend(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin,
                const ChartPens& pens);
