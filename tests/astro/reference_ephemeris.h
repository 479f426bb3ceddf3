// An independent reference for the planets' places: the Keplerian elements and rates for
// 1800-2050 of E. M. Standish, "Keplerian Elements for Approximate Positions of the Major
// Planets" (JPL), referred to the ecliptic and equinox of J2000, with the Earth-Moon barycentre
// standing in for the Earth. Different elements, a different epoch and vector geometry instead of
// the triangle formulas: agreement within a fraction of a degree confirms the computation, a
// wrong branch or sign does not survive it.
#pragma once

#include <array>
#include <cmath>
#include <numbers>

namespace reference {

inline constexpr double Rad = std::numbers::pi / 180;

// A row a body: a (AU), e, i, L, longitude of perihelion, node (deg) at J2000, then
// their rates per Julian century. The Earth-Moon barycentre, then Mercury .. Pluto.
inline constexpr double Elements[9][12] = {
    {1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0, 0.00000562, -0.00004392,
     -0.01294668, 35999.37244981, 0.32327364, 0.0},
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
     0.00005170, 0.00004818, 145.20780515, -0.04062942, -0.01183482}};

using Vector = std::array<double, 3>;

// Heliocentric ecliptic position (AU, J2000) at Julian date `jd` of the body-table row `row`
// (0 for the Earth-Moon barycentre, 3 Mercury .. 10 Pluto).
inline Vector Heliocentric(int row, double jd) {
    const double* p = Elements[row == 0 ? 0 : row - 2];
    double el[6];  // a, e, i, L, perihelion, node of the date
    for (int k = 0; k < 6; ++k) el[k] = p[k] + p[k + 6] * (jd - 2451545.0) / 36525;
    const double a = el[0], e = el[1], i = el[2] * Rad, peri = el[4] * Rad, node = el[5] * Rad;
    const double m = std::remainder(el[3] * Rad - peri, 2 * std::numbers::pi);
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
    const Vector earth = Heliocentric(0, jd), body = row == 1 ? Vector{} : Heliocentric(row, jd);
    const double vx = body[0] - earth[0], vy = body[1] - earth[1], vz = body[2] - earth[2];
    const double p = 1.396971 * ((row == 1 ? jd : 2447891.5) - 2451545.0) / 36525 * Rad;
    const double eps = (23.439291 - 0.0130042 * (jd - 2451545.0) / 36525) * Rad;
    const double x = vx * std::cos(p) - vy * std::sin(p),
                 yEcl = vx * std::sin(p) + vy * std::cos(p);
    const double y = yEcl * std::cos(eps) - vz * std::sin(eps);
    const double z = yEcl * std::sin(eps) + vz * std::cos(eps);
    ra = std::fmod(std::atan2(y, x) * 12 / std::numbers::pi + 24, 24);
    dec = std::atan2(z, std::hypot(x, y)) / Rad;
}

// Angle between two equatorial places, degrees.
inline double Separation(double ra1, double dec1, double ra2, double dec2) {
    const double c = std::sin(dec1 * Rad) * std::sin(dec2 * Rad) +
                     std::cos(dec1 * Rad) * std::cos(dec2 * Rad) * std::cos((ra1 - ra2) * 15 * Rad);
    return std::acos(std::fmin(1.0, std::fmax(-1.0, c))) / Rad;
}

}  // namespace reference
