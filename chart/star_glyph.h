// The star glyph: a cluster of pixels on screen and in metafiles, a filled circle on paper.
#pragma once

#include "chart/surface.h"

inline constexpr int MaxGlyphPixels = 45;
extern const Point StarGlyphOffsets[MaxGlyphPixels];

// One star at (x, y): pixels from StarGlyphOffsets when glyphScale is 0, else a filled circle;
// its size from the magnitude limit in ViewSettings, or the one given.
void DrawStarGlyph(Surface& surface, int x, int y, double magnitude, Rgb colour, int glyphScale);
void DrawStarGlyph(Surface& surface, int x, int y, double magnitude, double dimmest, Rgb colour,
                   int glyphScale);
