// Equatorial, horizon and ecliptic coordinates.
//
// Source: Peter Duffett-Smith, Practical Astronomy with your Calculator (3rd ed.), sections 25
// (equatorial to horizon) and 27 (ecliptic to equatorial, with the IAU 1976 mean obliquity).
#include "astro/coordinates.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "base/degrees.h"

// Altitude and azimuth of an object at right ascension (h) and declination (deg), for sidereal
// time (h) and latitude (deg, north positive):
//   H = ST - RA (hour angle, west positive), sin a = sin d sin p + cos d cos p cos H,
//   cos A = (sin d - sin p sin a) / (cos p cos a), and A = 360 - A west of the meridian.
// Rounding can push either sine or cosine argument just past 1 in size (an object at the zenith,
// or one on the meridian), and at the pole or the zenith the azimuth quotient is 0/0. Both
// arguments are therefore limited to [-1, 1], and an undefined quotient is taken as 1 (north,
// then the west rule), so every finite input gives altitude in [-90, 90], azimuth in [0, 360].
void EquatorialToHorizon(double rightAscension, double declination, double siderealTime,
                         double latitude, double& altitude, double& azimuth) {
    double sinP = 0, cosP = 0;
    LatitudeSinCos(latitude, sinP, cosP);
    EquatorialToHorizonSinCos(rightAscension, declination, siderealTime, sinP, cosP, altitude,
                              azimuth);
}

void LatitudeSinCos(double latitude, double& sine, double& cosine) {
    const double p = latitude * Pi() / 180;
    sine = std::sin(p);
    cosine = std::cos(p);
}

// The body of EquatorialToHorizon, after the latitude's sine and cosine.
void EquatorialToHorizonSinCos(double rightAscension, double declination, double siderealTime,
                               double sinP, double cosP, double& altitude, double& azimuth) {
    const double pi = Pi();
    const double h = (siderealTime - rightAscension) * pi / 12;
    const double d = declination * pi / 180;
    const double sinD = std::sin(d), cosD = std::cos(d);
    const double sinA = sinD * sinP + cosD * cosP * std::cos(h);
    const double a = std::asin(std::clamp(sinA, -1.0, 1.0));
    double cosAz = (sinD - sinP * std::sin(a)) / (cosP * std::cos(a));
    if (std::isnan(cosAz)) cosAz = 1.0;
    double az = std::acos(std::clamp(cosAz, -1.0, 1.0));
    if (std::sin(h) > 0) az = 2 * pi - az;
    altitude = a * 180 / pi;
    azimuth = az * 180 / pi;
}

// Mean obliquity of the ecliptic at 0h of the date, degrees:
//   23.439292 - (46.815 T + 0.0006 T^2 - 0.00181 T^3) / 3600, T in Julian centuries from J2000.
double Obliquity(int year, int month, double day) {
    const double t = (JulianDate(year, month, std::floor(day)) - JulianDate(2000, 1, 1.5)) / 36525;
    return 23.439292 - (((0.0006 - t * 0.00181) * t + 46.815) * t) / 3600;
}

// Right ascension (h, [0, 24)) and declination (deg) of ecliptic longitude and latitude (deg):
//   sin d = sin b cos e + cos b sin e sin l,
//   RA = atan2(sin l cos e - tan b sin e, cos l), lifted by 24 h when negative.
// The sine argument is limited to [-1, 1] against rounding where b + e reaches 90 degrees.
void EclipticToEquatorial(int year, int month, double day, double longitude, double latitude,
                          double& rightAscension, double& declination) {
    const double pi = Pi();
    const double l = longitude * pi / 180;
    const double b = latitude * pi / 180;
    const double e = Obliquity(year, month, day) * pi / 180;
    const double sinD = std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l);
    const double d = std::asin(std::clamp(sinD, -1.0, 1.0));
    const double y = std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e);
    const double x = std::cos(l);
    double r = std::atan2(y, x) * 12 / pi;
    if (r < 0) r = r + 24;
    if (r >= 24) r = 0;  // a negative r of less than half an ulp of 24 rounds up to 24 itself
    rightAscension = r;
    declination = d * 180 / pi;
}
