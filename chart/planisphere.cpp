// The planisphere's projection, horizon window and rings (see planisphere.h for the formulas).
#include "chart/planisphere.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "chart/layout.h"
#include "chart/time_basis.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Radian = Pi / 180.0;
constexpr double Obliquity = 23.44;  // degrees, the ecliptic's tilt to the equator

PlanePoint Polar(double radius, double angleDegrees) {
    return {radius * std::cos(angleDegrees * Radian), radius * std::sin(angleDegrees * Radian)};
}

// Mask angle (degrees) of an hour angle (hours): the upper meridian straight down.
double MaskAngle(const PlanisphereGeometry& g, double hourAngle) {
    return -90.0 + g.hemisphere * 15.0 * hourAngle;
}

double Distance(PlanePoint a, PlanePoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Appends the horizon's points after hour angle h0 (whose point is `a`) up to h1 (point `b`,
// appended last), halving the interval while the chord is longer than `step`.
void AppendHorizon(const PlanisphereGeometry& g, double h0, PlanePoint a, double h1, PlanePoint b,
                   double step, int depth, std::vector<PlanePoint>& out) {
    if (depth > 0 && Distance(a, b) > step) {
        const double mid = 0.5 * (h0 + h1);
        const PlanePoint m = MaskPoint(g, mid, HorizonDeclination(g, mid));
        AppendHorizon(g, h0, a, mid, m, step, depth - 1, out);
        AppendHorizon(g, mid, m, h1, b, step, depth - 1, out);
        return;
    }
    out.push_back(b);
}

}  // namespace

PlanisphereGeometry MakePlanisphereGeometry(double latitude, double rimRadius,
                                            int standardOffsetSeconds, double longitudeWest) {
    PlanisphereGeometry g;
    g.latitude = std::clamp(latitude, -89.0, 89.0);
    g.hemisphere = g.latitude >= 0 ? 1 : -1;
    // The rim: the declination that just rises, 90 - |lat| beyond the equator.
    g.rimDeclination = -g.hemisphere * (90.0 - std::fabs(g.latitude));
    g.scale = rimRadius / (180.0 - std::fabs(g.latitude));
    g.rimRadius = rimRadius;
    g.standardOffsetSeconds = standardOffsetSeconds;
    g.longitudeWest = longitudeWest;
    return g;
}

double PlanisphereRadius(const PlanisphereGeometry& g, double declination) {
    return g.scale * (90.0 - g.hemisphere * declination);
}

double WheelAngle(const PlanisphereGeometry& g, double rightAscension) {
    return -g.hemisphere * 15.0 * rightAscension;
}

PlanePoint WheelPoint(const PlanisphereGeometry& g, double rightAscension, double declination) {
    return Polar(PlanisphereRadius(g, declination), WheelAngle(g, rightAscension));
}

PlanePoint Rotated(PlanePoint p, double rotationDegrees) {
    const double c = std::cos(rotationDegrees * Radian);
    const double s = std::sin(rotationDegrees * Radian);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

PlanePoint MaskPoint(const PlanisphereGeometry& g, double hourAngle, double declination) {
    return Polar(PlanisphereRadius(g, declination), MaskAngle(g, hourAngle));
}

// Altitude 0: sin(lat) sin(dec) + cos(lat) cos(dec) cos(H) = 0, so tan(dec) = -cos(H) / tan(lat).
// Written with atan2 so that the equator itself (tan lat = 0) gives the poles, not a division by
// zero: dec = atan2(-s cos H, |tan lat|).
double HorizonDeclination(const PlanisphereGeometry& g, double hourAngle) {
    return std::atan2(-g.hemisphere * std::cos(hourAngle * 15.0 * Radian),
                      std::fabs(std::tan(g.latitude * Radian))) /
           Radian;
}

// At altitude 0 and azimuth A (from north through east): sin dec = cos lat cos A, and the hour
// angle from sin H cos dec = -sin A and cos H cos lat cos dec = -sin lat sin dec.
PlanePoint HorizonPointAtAzimuth(const PlanisphereGeometry& g, double azimuth) {
    const double a = azimuth * Radian;
    const double phi = g.latitude * Radian;
    const double sinDec = std::cos(phi) * std::cos(a);
    const double declination = std::asin(std::clamp(sinDec, -1.0, 1.0)) / Radian;
    const double hourAngle =
        std::atan2(-std::sin(a) * std::cos(phi), -std::sin(phi) * sinDec) / Radian / 15.0;
    return MaskPoint(g, hourAngle, declination);
}

PlanePoint ZenithPoint(const PlanisphereGeometry& g) {
    return MaskPoint(g, 0.0, g.latitude);
}

std::vector<PlanePoint> HorizonOutline(const PlanisphereGeometry& g, double step) {
    constexpr int Pieces = 96;  // a quarter of an hour each to start with
    std::vector<PlanePoint> outline;
    double h0 = -12.0;
    PlanePoint a = MaskPoint(g, h0, HorizonDeclination(g, h0));
    outline.push_back(a);
    for (int i = 1; i <= Pieces; ++i) {
        const double h1 = -12.0 + 24.0 * i / Pieces;
        const PlanePoint b = MaskPoint(g, h1, HorizonDeclination(g, h1));
        AppendHorizon(g, h0, a, h1, b, step, 12, outline);
        h0 = h1;
        a = b;
    }
    outline.pop_back();  // +12 h is -12 h again
    return outline;
}

bool InsidePolygon(const std::vector<PlanePoint>& polygon, PlanePoint p) {
    bool inside = false;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const PlanePoint& a = polygon[i];
        const PlanePoint& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// 00:00 on the standard clock is UT minus the standard offset; the sidereal time of that UT
// instant at the longitude, exactly as a chart pass reaches it from a clock time.
double DateSiderealTime(const PlanisphereGeometry& g, int year, int month, int day) {
    SystemTime midnight;
    midnight.year = year;
    midnight.month = month;
    midnight.day = day;
    const SystemTime ut =
        ShiftSystemTime(midnight, -static_cast<long long>(g.standardOffsetSeconds));
    const double utDay = ut.day + DecimalHours(ut.hour, ut.minute, ut.second) / 24.0;
    return LocalSiderealTime(ut.year, ut.month, utDay, 0, g.longitudeWest);
}

double DateRingAngle(const PlanisphereGeometry& g, int year, int month, int day) {
    return WheelAngle(g, DateSiderealTime(g, year, month, day));
}

double TimeRingAngle(const PlanisphereGeometry& g, double clockHours) {
    return MaskAngle(g, clockHours);
}

double RingSettingRotation(const PlanisphereGeometry& g, int year, int month, int day,
                           double clockHours) {
    return TimeRingAngle(g, clockHours) - DateRingAngle(g, year, month, day);
}

bool PlanisphereWindowStretches(const PlanisphereGeometry& g) {
    return std::fabs(g.latitude) < 20.0;
}

void EclipticPoint(double longitude, double& rightAscension, double& declination) {
    const double l = longitude * Radian;
    const double e = Obliquity * Radian;
    declination = std::asin(std::sin(e) * std::sin(l)) / Radian;
    rightAscension =
        ReduceToRange(std::atan2(std::cos(e) * std::sin(l), std::cos(l)) / Radian, 360.0) / 15.0;
}
