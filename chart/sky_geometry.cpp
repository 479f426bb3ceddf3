// Turning, projecting and cutting the sky's outlines for the chart.
#include "chart/sky_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "astro/precise.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Radian = Pi / 180.0;
// The sine of the altitude below which the projection keeps only the direction (-2.9 degrees):
// no piece of an outline (2 degrees at most) reaches from there to above the horizon, so every
// piece that crosses the rim has both ends projected in full.
constexpr double FarBelowHorizon = -0.05;

// The angle of a point about the disc's centre, in [0, 2 pi).
double AngleOf(const ChartDisc& disc, ChartXY p) {
    const double a = std::atan2(p.y - disc.centreY, p.x - disc.centreX);
    return a < 0 ? a + 2 * Pi : a;
}

// The signed number of times the piece a-b crosses the half-line from the centre along +x, the
// angle's cut: +1 going from below the centre's row (angles just under 2 pi) to on or above it
// (angles from 0). A straight piece not through the centre turns less than half a circle about it,
// the short way, as does the piece of sky between two close points seen from the nadir, so the
// count is the sky's own whatever the piece's length on the chart.
int CutCrossings(const ChartDisc& disc, ChartXY a, ChartXY b) {
    const bool aLow = a.y < disc.centreY, bLow = b.y < disc.centreY;
    if (aLow == bLow) return 0;
    const double x = a.x + (b.x - a.x) * (disc.centreY - a.y) / (b.y - a.y);
    if (x <= disc.centreX) return 0;
    return aLow ? 1 : -1;
}

// Rim points strictly between angle `from` and `from + turn` (radians), close enough that no
// chord strays a quarter of a pixel from the circle.
void AppendRim(const ChartDisc& disc, double from, double turn, std::vector<ChartXY>& out) {
    const double step = 2 * std::acos(std::max(0.0, 1.0 - 0.25 / std::max(disc.radius, 1.0)));
    const int pieces = static_cast<int>(std::ceil(std::fabs(turn) / std::max(step, 1e-3)));
    for (int k = 1; k < pieces; ++k) {
        const double a = from + turn * k / pieces;
        out.push_back(
            {disc.centreX + disc.radius * std::cos(a), disc.centreY + disc.radius * std::sin(a)});
    }
}

int Truncated(double v) {
    if (!(v > -2147483648.0)) return INT_MIN;
    if (v >= 2147483647.0) return INT_MAX;
    return static_cast<int>(v);
}

}  // namespace

SkyVector HorizonTurn::Apply(const SkyVector& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

SkyVector HorizonTurn::Unapply(const SkyVector& h) const {
    return {m[0][0] * h.x + m[1][0] * h.y + m[2][0] * h.z,
            m[0][1] * h.x + m[1][1] * h.y + m[2][1] * h.z,
            m[0][2] * h.x + m[1][2] * h.y + m[2][2] * h.z};
}

HorizonTurn CatalogueTurn(const Observer& observer) {
    EquatorOfDate equator = observer.equatorOfDate;
    if (!equator.active) SetHorizon(equator, observer.siderealTime, observer.latitude);
    HorizonTurn turn;
    std::copy(&equator.horizon[0][0], &equator.horizon[0][0] + 9, &turn.m[0][0]);
    return turn;
}

HorizonTurn DateTurn(const Observer& observer) {
    EquatorOfDate equator;  // no precession: the rotation of the sidereal time and latitude
    SetHorizon(equator, observer.siderealTime, observer.latitude);
    HorizonTurn turn;
    std::copy(&equator.horizon[0][0], &equator.horizon[0][0] + 9, &turn.m[0][0]);
    return turn;
}

SkyVector EquatorialVector(double rightAscension, double declination) {
    const double a = rightAscension * 15 * Radian, d = declination * Radian;
    return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

ChartProjection::ChartProjection(const ChartLayout& layout, double orientationAzimuth)
    : centreX(layout.centreX),
      centreY(layout.centreY),
      radius(layout.radius),
      sinOrientation(std::sin(orientationAzimuth * Radian)),
      cosOrientation(std::cos(orientationAzimuth * Radian)) {}

// ProjectToChart: a = 180 - o + A, r = R z / 90, x = cx - r sin a, y = cy - r cos a. With
// sin A = east / rho and cos A = north / rho (rho the horizontal length):
//   sin a = sin(o - A) = (sin o north - cos o east) / rho,
//   cos a = -cos(o - A) = -(cos o north + sin o east) / rho.
// Below the horizon only the direction counts (the outlines are cut at the rim by it), and from
// a little below it the point is put at 1.5 radii, which saves the arccosine.
ChartXY ChartProjection::operator()(const SkyVector& h) const {
    const double rho = std::sqrt(h.y * h.y + h.z * h.z);
    if (rho < 1e-15) return {centreX, centreY + (h.x < 0 ? 2 * radius : 0)};
    const double k = h.x < FarBelowHorizon
                         ? 1.5 * radius / rho
                         : radius * std::acos(std::clamp(h.x, -1.0, 1.0)) / (Pi / 2) / rho;
    return {centreX - k * (sinOrientation * h.y - cosOrientation * h.z),
            centreY + k * (cosOrientation * h.y + sinOrientation * h.z)};
}

bool ChartDisc::Inside(ChartXY p) const {
    const double dx = p.x - centreX, dy = p.y - centreY;
    return dx * dx + dy * dy < radius * radius;
}

// |in + t (out - in) - centre| = radius for t in (0, 1]: the larger root of
// A t^2 + 2 B t + C = 0, with C < 0 since `in` is inside.
ChartXY ChartDisc::Crossing(ChartXY in, ChartXY out) const {
    const double dx = out.x - in.x, dy = out.y - in.y;
    const double ex = in.x - centreX, ey = in.y - centreY;
    const double a = dx * dx + dy * dy, b = ex * dx + ey * dy,
                 c = ex * ex + ey * ey - radius * radius;
    if (a <= 0) return in;
    const double t = std::clamp((-b + std::sqrt(std::max(0.0, b * b - a * c))) / a, 0.0, 1.0);
    return {in.x + t * dx, in.y + t * dy};
}

ChartDisc ClipDisc(const ChartLayout& layout) {
    return ChartDisc{double(layout.centreX), double(layout.centreY),
                     std::max(0.0, layout.radius - 1.0)};
}

void ClipPolyline(std::span<const ChartXY> points, const std::vector<bool>& drawn, bool closed,
                  const ChartDisc& disc, ChartPolygons& runs) {
    const std::size_t n = points.size();
    std::vector<ChartXY> run;
    auto end = [&] {
        if (run.size() >= 2) runs.push_back(run);
        run.clear();
    };
    for (std::size_t i = closed ? 0 : 1; i < n; ++i) {
        const ChartXY a = points[i == 0 ? n - 1 : i - 1], b = points[i];
        if (!drawn.empty() && !drawn[i]) {
            end();
            continue;
        }
        const bool aIn = disc.Inside(a), bIn = disc.Inside(b);
        if (aIn && bIn) {
            if (run.empty()) run.push_back(a);
            run.push_back(b);
        } else if (aIn) {
            if (run.empty()) run.push_back(a);
            run.push_back(disc.Crossing(a, b));
            end();
        } else if (bIn) {
            end();
            run.push_back(disc.Crossing(b, a));
            run.push_back(b);
        } else {
            end();
        }
    }
    end();
}

// One walk round the ring. Inside, points are kept; at an exit the angle of the exit point is
// noted and the excursion's cut crossings counted until it comes back in, where the rim from
// the exit to the entry is put in with turn = entry - exit + 2 pi crossings. An excursion that
// runs through the ring's first point is closed at the end, with the crossings counted before
// the first entry.
void ClipRing(std::span<const ChartXY> ring, const ChartDisc& disc, ChartPolygons& polygons) {
    const std::size_t n = ring.size();
    if (n < 3) return;
    const bool startsInside = disc.Inside(ring[0]);
    std::vector<ChartXY> out;
    if (startsInside) out.push_back(ring[0]);
    bool inside = startsInside, exited = false, entered = false;
    double exitAngle = 0, firstEntryAngle = 0;
    int crossings = 0, leadingCrossings = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const ChartXY a = ring[i - 1], b = ring[i % n];
        const bool bIn = disc.Inside(b);
        if (inside && bIn) {
            if (i < n) out.push_back(b);
        } else if (inside) {
            const ChartXY x = disc.Crossing(a, b);
            out.push_back(x);
            exitAngle = AngleOf(disc, x);
            exited = true;
            crossings = CutCrossings(disc, x, b);
            inside = false;
        } else if (bIn) {
            const ChartXY e = disc.Crossing(b, a);
            crossings += CutCrossings(disc, a, e);
            const double entryAngle = AngleOf(disc, e);
            if (exited) {
                AppendRim(disc, exitAngle, entryAngle - exitAngle + 2 * Pi * crossings, out);
            } else if (!entered) {
                entered = true;
                firstEntryAngle = entryAngle;
                leadingCrossings = crossings;
            }
            out.push_back(e);
            if (i < n) out.push_back(b);
            inside = true;
        } else {
            crossings += CutCrossings(disc, a, b);
        }
    }
    if (!exited) {
        if (startsInside) {
            polygons.push_back(std::move(out));
        } else if (crossings % 2 != 0) {
            polygons.push_back(DiscRim(disc));
        }
        return;
    }
    if (!startsInside)
        AppendRim(disc, exitAngle,
                  firstEntryAngle - exitAngle + 2 * Pi * (crossings + leadingCrossings), out);
    polygons.push_back(std::move(out));
}

std::vector<ChartXY> DiscRim(const ChartDisc& disc) {
    std::vector<ChartXY> rim{{disc.centreX + disc.radius, disc.centreY}};
    AppendRim(disc, 0, 2 * Pi, rim);
    return rim;
}

bool InsidePolygons(const ChartPolygons& polygons, ChartXY p) {
    bool inside = false;
    for (const std::vector<ChartXY>& polygon : polygons) {
        const std::size_t n = polygon.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const ChartXY a = polygon[i], b = polygon[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
    }
    return inside;
}

void ToSurfacePoints(const ChartPolygons& polygons, std::vector<Point>& points,
                     std::vector<int>& counts) {
    points.clear();
    counts.clear();
    for (const std::vector<ChartXY>& polygon : polygons) {
        const std::size_t start = points.size();
        for (const ChartXY& p : polygon) {
            const Point q{Truncated(p.x), Truncated(p.y)};
            if (points.size() == start || !(points.back() == q)) points.push_back(q);
        }
        counts.push_back(static_cast<int>(points.size() - start));
    }
}
