// Fuzz target: any bytes as the Milky Way text and as the boundaries text; every ring read is
// then turned onto a sky, projected and cut to a disc as a chart pass does.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "catalog/sky_outlines.h"
#include "chart/sky_geometry.h"
#include "fuzz_support.h"

namespace {

void CheckRing(const OutlineRing& ring) {
    Require(ring.size() >= 3);
    for (const OutlinePoint& p : ring) {
        Require(p.rightAscension >= 0 && p.rightAscension <= 24);
        Require(p.declination >= -90 && p.declination <= 90);
        Require(std::fabs(p.x * p.x + p.y * p.y + p.z * p.z - 1) < 1e-9);
    }
    HorizonTurn turn;
    turn.m[0][0] = 0, turn.m[0][2] = 1, turn.m[2][0] = -1,
    turn.m[2][2] = 0;  // the pole on the horizon
    ChartLayout layout;
    layout.centreX = 400, layout.centreY = 300, layout.radius = 280;
    const ChartProjection project(layout, 180);
    std::vector<ChartXY> plane;
    for (const OutlinePoint& p : ring) plane.push_back(project(turn.Apply({p.x, p.y, p.z})));
    ChartPolygons polygons, runs;
    ClipRing(plane, ClipDisc(layout), polygons);
    ClipPolyline(plane, {}, true, ClipDisc(layout), runs);
    InsidePolygons(polygons, {400.5, 300.5});
    InsideBoundary(ring, ring[0].rightAscension, ring[0].declination);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ResourceText text{reinterpret_cast<const char*>(data), size};
    for (const std::vector<OutlineRing>& step : ReadMilkyWay(text).steps)
        for (const OutlineRing& ring : step) CheckRing(ring);
    for (const ConstellationBoundary& boundary : ReadConstellationBoundaries(text)) {
        Require(!boundary.abbreviation.empty());
        CheckRing(boundary.ring);
    }
    return 0;
}
