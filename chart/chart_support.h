// Small helpers shared by the two halves of the chart pass and the star glyph: horizon
// coordinates of the bodies, and int arithmetic on chart positions that cannot overflow.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "astro/orbits.h"
#include "base/translate.h"
#include "chart/pass_values.h"
#include "chart/surface.h"

// v + d held within the int range, so that box corners and cross ends about a chart position
// stay defined even for a position at the very edge of the range.
inline int ShiftClamped(int v, std::int64_t d) {
    return static_cast<int>(std::clamp<std::int64_t>(v + d, INT_MIN, INT_MAX));
}

// A circle of radius r about (x, y) in the current pen and brush, as the box Ellipse takes.
inline void DrawCircle(Surface& surface, int x, int y, std::int64_t r) {
    surface.Ellipse(ShiftClamped(x, -r), ShiftClamped(y, -r), ShiftClamped(x, r),
                    ShiftClamped(y, r));
}

// Altitude and azimuth (degrees) of the body of BodyTable row `row`, at the instant of the last
// ComputeBodyPositions, as the observer sees it.
inline void BodyToHorizon(const Observer& observer, int row, double& altitude, double& azimuth) {
    double rightAscension = 0;
    double declination = 0;
    GetBodyPosition(row, rightAscension, declination);
    ObserverHorizon(observer, rightAscension, declination, altitude, azimuth);
}

// Hot-spot (and drawing) radius of a body: markSize for the planets, twice that for the Moon and
// the Sun.
inline int BodyRadius(int row, int markSize) {
    return row <= MoonRow ? 2 * markSize : markSize;
}

// A body's name as the user reads it: the Sun, the Moon and the planets in the user's language
// (the table's English name until a translation is installed).
inline std::string BodyLabel(int row) {
    std::string name;
    GetBodyName(row, name);
    return Translate("Bodies", name.c_str());
}
