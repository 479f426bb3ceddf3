// The place of a constellation's name among its figure's stars.
#include "chart/figure_names.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "catalog/sky_model.h"
#include "chart/star_glyph.h"

int StarMarkRadius(double magnitude, double dimmest, int glyphScale) {
    const double count = std::floor(std::pow(1.99, dimmest - magnitude));
    const int n = count >= MaxGlyphPixels ? MaxGlyphPixels : std::max(1, static_cast<int>(count));
    if (glyphScale > 0) return static_cast<int>(std::pow(static_cast<double>(n), 0.3) * glyphScale);
    return n == 1 ? 0 : n <= 5 ? 1 : n <= 25 ? 2 : 3;
}

int GlyphScaleOf(ChartMode mode, const ChartLayout& layout) {
    return mode == ChartPrinter ? layout.glyphScale : 0;
}

// The figure's distinct catalogue numbers (a figure passes through some stars twice); those the
// pass placed give the middle, the extent and, when drawn with a mark, a box to keep clear of.
std::optional<FigureNamePlace> FigureNamePlacement(const Constellation& figure, bool shownFigure,
                                                   const ChartPassResult& pass, ChartMode mode) {
    std::vector<int> stars;
    for (int j = 0; j < std::min(figure.pointCount, MaxFigurePoints); ++j) {
        const int n = figure.points[j];
        if (n >= 1 && n <= MaxStarNumber && std::find(stars.begin(), stars.end(), n) == stars.end())
            stars.push_back(n);
    }
    const double dimmest = pass.view.dimmestMagnitude;
    const int glyphScale = GlyphScaleOf(mode, pass.layout);
    FigureNamePlace place;
    std::int64_t sumX = 0, sumY = 0;
    int placed = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    for (int n : stars) {
        const Star& star = StarTable[n];
        if (!star.visible) continue;
        const int x = star.chartX, y = star.chartY;
        sumX += x;
        sumY += y;
        left = placed == 0 ? x : std::min(left, x);
        right = placed == 0 ? x : std::max(right, x);
        top = placed == 0 ? y : std::min(top, y);
        bottom = placed == 0 ? y : std::max(bottom, y);
        ++placed;
        if (WithinMagnitudeLimit(star.magnitude, dimmest)) {
            const int c = StarMarkRadius(star.magnitude, dimmest, glyphScale);
            place.ownStars.push_back(LabelBox{x - c, y - c, x + c + 1, y + c + 1});
        }
    }
    const bool enough = shownFigure ? placed >= 2 : placed > 0 && 2 * placed >= int(stars.size());
    if (!enough) return std::nullopt;
    place.middle = Point{static_cast<int>(sumX / placed), static_cast<int>(sumY / placed)};
    const int grow = pass.layout.lineHeight * 3 / 2;
    place.extent = LabelBox{left - grow, top - grow, right + 1 + grow, bottom + 1 + grow};
    return place;
}
