// The sky's own outlines on the chart: directions turned onto the observer's horizon in one
// rotation, projected as ProjectToChart projects them (unrounded, and on below the horizon), and
// cut at the rim of the disc.
#pragma once

#include <span>
#include <vector>

#include "chart/pass_values.h"

// A direction as a unit vector: equatorial (x towards 0h on the equator, z towards the pole), or
// on the horizon (x up, y north, z east), as the rotation below gives it.
struct SkyVector {
    double x = 0;
    double y = 0;
    double z = 0;
};

// A point of the chart's plane, device pixels, unrounded.
struct ChartXY {
    double x = 0;
    double y = 0;
};

// The rotation of one pass from equatorial unit vectors to the horizon (rows up, north, east).
struct HorizonTurn {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    SkyVector Apply(const SkyVector& v) const;
    SkyVector Unapply(const SkyVector& h) const;  // the inverse, the transposed rotation
};

// For catalogue (J2000) places: the observer's precise rotation when the pass has one, else the
// sidereal time and latitude alone, as ObserverHorizon takes the catalogue's places.
HorizonTurn CatalogueTurn(const Observer& observer);
// For places on the equator and equinox of the instant (the equator, the ecliptic of date).
HorizonTurn DateTurn(const Observer& observer);

// The unit vector of a right ascension (hours) and declination (degrees).
SkyVector EquatorialVector(double rightAscension, double declination);

// The chart's projection over the whole sphere, for outlines to cut at the rim: a direction at
// zenith distance z and azimuth A lands where ProjectToChart puts altitude 90 - z and azimuth A,
// without truncation; below the horizon the distance from the centre goes on growing, and more
// than 2.9 degrees below it only the direction is kept, at 1.5 radii from the centre (no piece of
// an outline, 2 degrees at most, reaches from there to the rim).
struct ChartProjection {
    ChartProjection(const ChartLayout& layout, double orientationAzimuth);
    ChartXY operator()(const SkyVector& horizon) const;
    double centreX;
    double centreY;
    double radius;
    double sinOrientation;
    double cosOrientation;
};

// The disc outlines are cut to: the sky disc less a pixel, so that the rim stays as drawn.
struct ChartDisc {
    double centreX = 0;
    double centreY = 0;
    double radius = 0;
    bool Inside(ChartXY p) const;
    // The point where the piece from `in` (inside) to `out` (outside) crosses the rim.
    ChartXY Crossing(ChartXY in, ChartXY out) const;
};
ChartDisc ClipDisc(const ChartLayout& layout);

using ChartPolygons = std::vector<std::vector<ChartXY>>;

// A polyline cut to the disc, as the runs that lie inside it. Consecutive points must be close on
// the sky (a few degrees): a piece between two points outside the disc is then wholly outside it,
// and one that crosses the rim is cut where it does. With `drawn` given, piece i (arriving at
// point i) is left out where drawn[i] is false; `closed` adds the piece from the last point back
// to the first (drawn[0] its flag).
void ClipPolyline(std::span<const ChartXY> points, const std::vector<bool>& drawn, bool closed,
                  const ChartDisc& disc, ChartPolygons& runs);

// A closed ring (its points close on the sky, as above) cut to the disc: the parts inside, each
// excursion outside replaced by the rim from where it left to where it came back, turning round
// the disc as often as the excursion did. A ring wholly outside leaves the whole rim when it winds
// round the disc an odd number of times, else nothing. The even-odd fill of the results is then
// the even-odd fill of the rings themselves within the disc, counted from the nadir.
void ClipRing(std::span<const ChartXY> ring, const ChartDisc& disc, ChartPolygons& polygons);

// The rim of the disc as a polygon.
std::vector<ChartXY> DiscRim(const ChartDisc& disc);

// Whether `p` lies inside the polygons by the even-odd rule.
bool InsidePolygons(const ChartPolygons& polygons, ChartXY p);

// The surface's points of some polygons, truncated toward zero as ProjectToChart truncates, with
// repeated points dropped; the point count of each polygon in `counts`.
void ToSurfacePoints(const ChartPolygons& polygons, std::vector<Point>& points,
                     std::vector<int>& counts);
