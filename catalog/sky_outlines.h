// The outlines of the sky beside the three catalogues: the Milky Way in five brightness steps and
// the IAU constellation boundaries, read from their texts (catalog/data/milkyway.txt and
// boundaries.txt, made by tools/make_catalogues.py). J2000 places, as the star catalogue's.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalog/resource_text.h"

// A J2000 place with its direction as a unit vector (x towards 0h on the equator, y towards 6h,
// z towards the north pole), so that a chart pass turns it onto the sky without trigonometry.
struct OutlinePoint {
    double rightAscension = 0;  // hours, 0..24
    double declination = 0;     // degrees, -90..90
    double x = 1;
    double y = 0;
    double z = 0;
    bool drawn = true;  // of a boundary: the piece from the ring's previous point is drawn
};

// A closed ring: its last point joins its first.
using OutlineRing = std::vector<OutlinePoint>;

// The Milky Way: the rings of each brightness step, faintest first. A step covers the points that
// an odd number of its rings enclose, counted from either galactic pole (every ring stays within
// 25 degrees of the galactic equator, so that the galactic and the celestial poles lie outside).
inline constexpr int MilkyWaySteps = 5;
struct MilkyWayOutline {
    std::array<std::vector<OutlineRing>, MilkyWaySteps> steps;
};

// One constellation's boundary: the ring round the smaller side (every constellation is far
// smaller than a hemisphere). Serpens has two, both "Ser".
struct ConstellationBoundary {
    std::string abbreviation;
    OutlineRing ring;
};

// Readers of the two texts. A line that is not what its text holds is passed over, and a ring of
// fewer than three points is left out, so that no text can give the chart a degenerate outline.
MilkyWayOutline ReadMilkyWay(const ResourceText& text);
std::vector<ConstellationBoundary> ReadConstellationBoundaries(const ResourceText& text);

// The compiled-in outlines ("MILKYWAYDATA", "BOUNDARIESDATA"), read on first use and kept for the
// run: a chart that never shows them never reads them.
const MilkyWayOutline& ShippedMilkyWay();
const std::vector<ConstellationBoundary>& ShippedBoundaries();

// Whether a J2000 place lies inside a ring that fits in a hemisphere round its points' mean
// direction (a constellation's boundary does): the even-odd rule on the ring's gnomonic
// projection about that direction, in which the short pieces between its points are the straight
// sides of a polygon.
bool InsideBoundary(const OutlineRing& ring, double rightAscension, double declination);
