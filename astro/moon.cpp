// The Moon's place.
//
// Source: Peter Duffett-Smith, Practical Astronomy with your Calculator (3rd ed.), section 65
// (the Moon's position), with the elements for the epoch 1990 January 0.0.
#include "astro/moon.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "astro/orbits.h"
#include "base/degrees.h"

namespace {

// The Moon's elements at the epoch, degrees, and their daily motions, degrees per day.
constexpr double MeanLongitudeAtEpoch = 318.351648;  // l0
constexpr double PerigeeAtEpoch = 36.34041;          // P0
constexpr double NodeAtEpoch = 318.510107;           // N0
constexpr double Inclination = 5.145396;             // i
constexpr double DailyMeanLongitude = 13.1763966;
constexpr double DailyPerigee = 0.1114041;
constexpr double DailyNode = 0.0529539;  // the node regresses

}  // namespace

// Moon row's right ascension (h) and declination (deg) for the instant, from the days D since
// 1990 January 0.0, the Sun's longitude Ls (Sun row) and the Sun's mean anomaly Ms (deg):
//   l = 13.1763966 D + l0, Mm = l - 0.1114041 D - P0, N = N0 - 0.0529539 D (each mod 360);
//   evection Ev = 1.2739 sin(2 (l - Ls) - Mm), annual equation Ae = 0.1858 sin Ms,
//   A3 = 0.37 sin Ms; Mm' = Mm + Ev - Ae - A3; Ec = 6.2886 sin Mm'; A4 = 0.214 sin 2Mm';
//   l' = l + Ev + Ec - Ae + A4; variation V = 0.6583 sin 2(l' - Ls); l'' = l' + V;
//   N' = N - 0.16 sin Ms; lambda = atan2(sin(l'' - N') cos i, cos(l'' - N')) + N',
//   beta = asin(sin(l'' - N') sin i).
// Each correction builds on the value the previous step replaced, in this order.
void ComputeMoon(int year, int month, double day, double sunMeanAnomaly) {
    const double pi = Pi();
    const double sunLongitude = BodyTable[SunRow].heliocentricLongitude;
    const double ms = sunMeanAnomaly;

    const double d = JulianDate(year, month, day) - JulianDate(1990, 1, 0.0);
    double l = ReduceToRange(DailyMeanLongitude * d + MeanLongitudeAtEpoch, 360);
    double mm = ReduceToRange(l - DailyPerigee * d - PerigeeAtEpoch, 360);
    double n = ReduceToRange(NodeAtEpoch - DailyNode * d, 360);

    const double ev = 1.2739 * SinDeg(2 * (l - sunLongitude) - mm);
    const double ae = 0.1858 * SinDeg(ms);
    const double a3 = 0.37 * SinDeg(ms);
    mm = mm + ev - ae - a3;
    const double ec = 6.2886 * SinDeg(mm);
    const double a4 = 0.214 * SinDeg(2 * mm);
    l = l + ev + ec - ae + a4;
    const double v = 0.6583 * SinDeg(2 * (l - sunLongitude));
    l = l + v;
    n = n - 0.16 * SinDeg(ms);

    const double lambda =
        std::atan2(SinDeg(l - n) * CosDeg(Inclination), CosDeg(l - n)) * 180 / pi + n;
    const double beta = std::asin(SinDeg(l - n) * SinDeg(Inclination)) * 180 / pi;

    Body& moon = BodyTable[MoonRow];
    EclipticToEquatorial(year, month, day, lambda, beta, moon.rightAscension, moon.declination);
}
