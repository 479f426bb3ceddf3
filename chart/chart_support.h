// Small helpers shared by the two halves of the chart pass and the star glyph: horizon
// coordinates for the pass's sky, and int arithmetic on chart positions that cannot overflow.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

#include "astro/coordinates.h"
#include "astro/orbits.h"
#include "chart/surface.h"
#include "chart/view_settings.h"

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

// Altitude and azimuth (degrees) of a place given in right ascension (hours) and declination
// (degrees), for the sidereal time of the pass and the observer's latitude in ViewSettings.
inline void ToHorizon(double rightAscension, double declination, double& altitude,
                      double& azimuth) {
    EquatorialToHorizon(rightAscension, declination, ViewSettings.siderealTime,
                        ViewSettings.latitude, altitude, azimuth);
}

// The same for the body of BodyTable row `row`, at the instant of the last ComputeBodyPositions.
inline void BodyToHorizon(int row, double& altitude, double& azimuth) {
    double rightAscension = 0;
    double declination = 0;
    GetBodyPosition(row, rightAscension, declination);
    ToHorizon(rightAscension, declination, altitude, azimuth);
}

// Hot-spot (and drawing) radius of a body: markSize for the planets, twice that for the Moon and
// the Sun.
inline int BodyRadius(int row, int markSize) {
    return row <= MoonRow ? 2 * markSize : markSize;
}
