// Where a constellation's name may go on the chart: the middle of what the pass placed of its
// figure and, for a shown figure, the extent its name may stand anywhere in and the marks of its
// own stars the name keeps off.
#pragma once

#include <optional>
#include <vector>

#include "chart/label_placer.h"
#include "chart/pass_values.h"

struct Constellation;

// The half-size of a star's mark as drawn: the 7 x 7 square's pixels reach 3 from the centre (1
// for up to 5 pixels, 2 for up to 25); on paper (glyphScale > 0) the circle's radius.
int StarMarkRadius(double magnitude, double dimmest, int glyphScale);

// The glyph scale of the mode: the printer's, 0 (pixels) on screen and in metafiles.
int GlyphScaleOf(ChartMode mode, const ChartLayout& layout);

struct FigureNamePlace {
    Point middle;                    // the mean chart position of the figure's placed points
    LabelBox extent;                 // their box, grown by half a line each way
    std::vector<LabelBox> ownStars;  // the marks of its placed stars that are drawn
};

// A shown figure (`shownFigure`) needs two placed points, any other constellation at least half
// of its points above the horizon; otherwise there is no place for its name.
std::optional<FigureNamePlace> FigureNamePlacement(const Constellation& figure, bool shownFigure,
                                                   const ChartPassResult& pass, ChartMode mode);
