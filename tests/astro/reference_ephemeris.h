// An independent reference for the planets' places: the Keplerian elements and rates for
// 1800-2050 of E. M. Standish, "Keplerian Elements for Approximate Positions of the Major
// Planets" (JPL), referred to the ecliptic and equinox of J2000, with the Earth-Moon barycentre
// standing in for the Earth. Different elements, a different epoch and vector geometry instead of
// the triangle formulas: agreement within a fraction of a degree confirms the computation, a
// wrong branch or sign does not survive it.
#pragma once

#include <cmath>
#include <numbers>

namespace reference {

struct Elements {
    double a, e, i, l, peri, node;        // AU, -, deg, deg, deg, deg at J2000
    double da, de, di, dl, dperi, dnode;  // per Julian century
};

// Rows as in the body table: 0 Earth-Moon barycentre, 1 and 2 unused, 3 Mercury .. 10 Pluto.
inline constexpr Elements Planets[11] = {
    {1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0, 0.00000562, -0.00004392,
     -0.01294668, 35999.37244981, 0.32327364, 0.0},
    {},
    {},
    {0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593, 0.00000037,
     0.00001906, -0.00594749, 149472.67411175, 0.16047689, -0.12534081},
    {0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255, 0.00000390,
     -0.00004107, -0.00078890, 58517.81538729, 0.00268329, -0.27769418},
    {1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891, 0.00001847,
     0.00007882, -0.00813131, 19140.30268499, 0.44441088, -0.29257343},
    {5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909, -0.00011607,
     -0.00013253, -0.00183714, 3034.74612775, 0.21252668, 0.20469106},
    {9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448, -0.00125060,
     -0.00050991, 0.00193609, 1222.49362201, -0.41897216, -0.28867794},
    {19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503, -0.00196176,
     -0.00004397, -0.00242939, 428.48202785, 0.40805281, 0.04240589},
    {30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574, 0.00026291,
     0.00005105, 0.00035372, 218.45945325, -0.32241464, -0.00508664},
    {39.48211675, 0.24882730, 17.14001206, 238.92903833, 224.06891629, 110.30393684, -0.00031596,
     0.00005170, 0.00004818, 145.20780515, -0.04062942, -0.01183482},
};

struct Vector {
    double x, y, z;
};

// Heliocentric ecliptic position (AU, J2000) of row `row` at Julian date `jd`.
inline Vector Heliocentric(int row, double jd) {
    constexpr double rad = std::numbers::pi / 180;
    const Elements& p = Planets[row];
    const double t = (jd - 2451545.0) / 36525;
    const double a = p.a + p.da * t, e = p.e + p.de * t, i = (p.i + p.di * t) * rad;
    const double peri = (p.peri + p.dperi * t) * rad, node = (p.node + p.dnode * t) * rad;
    const double m = std::remainder((p.l + p.dl * t) * rad - peri, 2 * std::numbers::pi);
    double bigE = m;
    for (int k = 0; k < 50; ++k) bigE -= (bigE - e * std::sin(bigE) - m) / (1 - e * std::cos(bigE));
    // In the orbit's plane, then turned by the argument of perihelion, inclination and node.
    const double xp = a * (std::cos(bigE) - e), yp = a * std::sqrt(1 - e * e) * std::sin(bigE);
    const double u = std::atan2(yp, xp) + peri - node, r = std::hypot(xp, yp);
    const double x = r * std::cos(u), y = r * std::sin(u) * std::cos(i);
    return {x * std::cos(node) - y * std::sin(node), x * std::sin(node) + y * std::cos(node),
            r * std::sin(u) * std::sin(i)};
}

// Place of planet `row` (3..10), or of the Sun for row 1, seen from the Earth: right ascension
// (h) and declination (deg), with the obliquity of the date. The body table's Sun moves with the
// tropical year, so it is referred to the equinox of date (the general precession in longitude,
// 1.396971 degrees per century, turns it about the ecliptic pole); its Earth and planets keep
// fixed elements with sidereal periods, so they stay referred to the equinox of their epoch,
// 1990 January 0.0.
inline void Place(int row, double jd, double& ra, double& dec) {
    constexpr double rad = std::numbers::pi / 180;
    const Vector earth = Heliocentric(0, jd);
    const Vector body = row == 1 ? Vector{0, 0, 0} : Heliocentric(row, jd);
    const double v[3] = {body.x - earth.x, body.y - earth.y, body.z - earth.z};
    const double p = 1.396971 * ((row == 1 ? jd : 2447891.5) - 2451545.0) / 36525 * rad;
    const double eps = (23.439291 - 0.0130042 * (jd - 2451545.0) / 36525) * rad;
    const double x = v[0] * std::cos(p) - v[1] * std::sin(p);
    const double yEcl = v[0] * std::sin(p) + v[1] * std::cos(p);
    const double y = yEcl * std::cos(eps) - v[2] * std::sin(eps);
    const double z = yEcl * std::sin(eps) + v[2] * std::cos(eps);
    ra = std::atan2(y, x) * 12 / std::numbers::pi;
    if (ra < 0) ra += 24;
    dec = std::atan2(z, std::hypot(x, y)) / rad;
}

// Angle between two equatorial places, degrees.
inline double Separation(double ra1, double dec1, double ra2, double dec2) {
    constexpr double rad = std::numbers::pi / 180;
    const double c = std::sin(dec1 * rad) * std::sin(dec2 * rad) +
                     std::cos(dec1 * rad) * std::cos(dec2 * rad) * std::cos((ra1 - ra2) * 15 * rad);
    return std::acos(std::fmin(1.0, std::fmax(-1.0, c))) / rad;
}

}  // namespace reference
