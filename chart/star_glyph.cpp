// The star glyph: a cluster of pixels on screen and in metafiles, a filled circle on paper, both
// growing with the star's brightness above the magnitude limit.
#include "chart/star_glyph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chart/chart_support.h"

// The 7 x 7 square about the star, ring by ring, nearest pixels first; a glyph of n pixels uses
// the first n entries. The four corners (+-3, +-3) are never used.
const Point StarGlyphOffsets[MaxGlyphPixels] = {
    {0, 0},                                                                  // 0
    {0, 1}, {1, 0},   {0, -1}, {-1, 0},                                      // 1-4
    {1, 1}, {-1, -1}, {-1, 1}, {1, -1},                                      // 5-8
    {0, 2}, {0, -2},  {2, 0},  {-2, 0},                                      // 9-12
    {1, 2}, {-1, -2}, {-2, 1}, {2, -1}, {-1, 2}, {1, -2}, {-2, -1}, {2, 1},  // 13-20
    {2, 2}, {-2, -2}, {-2, 2}, {2, -2},                                      // 21-24
    {0, 3}, {0, -3},  {3, 0},  {-3, 0},                                      // 25-28
    {1, 3}, {-1, -3}, {-3, 1}, {3, -1}, {-1, 3}, {1, -3}, {-3, -1}, {3, 1},  // 29-36
    {2, 3}, {-2, -3}, {-3, 2}, {3, -2}, {-2, 3}, {2, -3}, {-3, -2}, {3, 2},  // 37-44
};

// One star at (x, y) of the given magnitude, nothing if it is fainter than
// ViewSettings.dimmestMagnitude (or its magnitude is not a number).
//   n = floor(1.99 ^ (dimmest - magnitude)), at most MaxGlyphPixels
// The base 1.99 rather than 2 makes a star exactly two magnitudes above the limit 3 pixels, not 4.
// glyphScale 0: pixels of the first n offsets, set in reverse order, in `colour`.
// glyphScale g > 0: a circle of radius trunc(n ^ 0.3 * g) in the current pen and brush.
void DrawStarGlyph(Surface& surface, int x, int y, double magnitude, Rgb colour, int glyphScale) {
    DrawStarGlyph(surface, x, y, magnitude, ViewSettings.dimmestMagnitude, colour, glyphScale);
}

void DrawStarGlyph(Surface& surface, int x, int y, double magnitude, double dimmest, Rgb colour,
                   int glyphScale) {
    if (!WithinMagnitudeLimit(magnitude, dimmest)) return;
    const double count = std::floor(std::pow(1.99, dimmest - magnitude));
    const int n = count >= MaxGlyphPixels ? MaxGlyphPixels : std::max(1, static_cast<int>(count));
    if (glyphScale == 0) {
        for (int i = n - 1; i >= 0; --i) {
            const Point offset = StarGlyphOffsets[i];
            surface.SetPixel(ShiftClamped(x, offset.x), ShiftClamped(y, offset.y), colour);
        }
        return;
    }
    const double scaled = std::pow(static_cast<double>(n), 0.3) * glyphScale;
    const std::int64_t r = static_cast<std::int64_t>(std::clamp(scaled, -1e12, 1e12));
    DrawCircle(surface, x, y, r);
}
