// Precise places from ERFA: time scales, the rotation to the equator of date, apparent
// sidereal time and the apparent places of the Sun, the Moon and Mercury to Neptune.
#include "astro/precise.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "astro/orbits.h"

namespace {

constexpr double HoursPerRadian = 12.0 / ERFA_DPI;

// A Julian date in the two parts ERFA takes: the modified-date origin and the rest, which keeps
// the fraction of the day to a few microseconds.
struct TwoPartDate {
    double whole = ERFA_DJM0;
    double rest = 0.0;
};
TwoPartDate Split(double jd) {
    return {ERFA_DJM0, jd - ERFA_DJM0};
}

// eraPlan94's planet numbers by BodyTable row: 1 Mercury, 2 Venus, 4 Mars ... 8 Neptune (3 is
// the Earth-Moon barycentre); 0 for the rows it does not give.
int Plan94Number(int row) {
    constexpr int numbers[BodyCount] = {0, 0, 0, 1, 2, 4, 5, 6, 7, 8, 0};
    return row >= 0 && row < BodyCount ? numbers[row] : 0;
}

// out = m p.
void Rotate(const double m[3][3], const double p[3], double out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = m[i][0] * p[0] + m[i][1] * p[1] + m[i][2] * p[2];
}

// Right ascension (hours, [0, 24)) and declination (degrees) of a direction.
void ToSpherical(double p[3], double& rightAscension, double& declination) {
    double theta = 0.0, phi = 0.0;
    eraC2s(p, &theta, &phi);
    rightAscension = eraAnp(theta) * HoursPerRadian;
    if (rightAscension >= 24.0) rightAscension = 0.0;
    declination = phi * ERFA_DR2D;
}

// The site's geocentric position on the true equator of date, in AU: WGS84 (eraGd2gc) at sea
// level, turned by the apparent sidereal time (polar motion, a few metres, left out).
void SiteOfDate(const GeodeticSite& site, double gastRadians, double out[3]) {
    double itrs[3] = {0.0, 0.0, 0.0};
    eraGd2gc(ERFA_WGS84, -site.longitudeWest * ERFA_DD2R, site.latitude * ERFA_DD2R, 0.0, itrs);
    const double c = std::cos(gastRadians), s = std::sin(gastRadians);
    out[0] = (c * itrs[0] - s * itrs[1]) / ERFA_DAU;
    out[1] = (s * itrs[0] + c * itrs[1]) / ERFA_DAU;
    out[2] = itrs[2] / ERFA_DAU;
}

// The light-time-corrected geocentric position of a planet (AU, J2000 axes): the planet at
// t - tau less the Earth at t, tau = distance / c. Three rounds settle tau far below a
// millisecond (the planets move at 1e-4 of the speed of light).
void PlanetFromEarth(const TwoPartDate& tt, int number, double earth[3], double out[3]) {
    double tau = 0.0;
    for (int round = 0; round < 3; ++round) {
        double pv[2][3];
        eraPlan94(tt.whole, tt.rest - tau, number, pv);
        eraPmp(pv[0], earth, out);
        tau = eraPm(out) / ERFA_DC;
    }
}

}  // namespace

// Espenak and Meeus (2006): polynomials in u or t by ranges of the decimal year y.
double DeltaTEspenakMeeus(double y) {
    if (y < -500.0 || y >= 2150.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    }
    if (y < 500.0) {
        const double u = y / 100.0;
        return 10583.6 +
               u * (-1014.41 +
                    u * (33.78311 + u * (-5.952053 +
                                         u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600.0) {
        const double u = (y - 1000.0) / 100.0;
        return 1574.2 +
               u * (-556.01 +
                    u * (71.23472 + u * (0.319781 + u * (-0.8503463 +
                                                         u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 +
               t * (-0.332447 +
                    t * (0.0068612 +
                         t * (0.0041116 +
                              t * (-0.00037436 + t * (0.0000121272 +
                                                      t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 +
                           t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;  // 2050 to 2150
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

// eraDat answers 0 inside its table; 1 ("dubious year") past the years it can vouch for, and
// an error before 1960: both go to the polynomial.
double TtMinusUt(double jdUtc) {
    int year = 0, month = 0, day = 0;
    double fraction = 0.0;
    if (eraJd2cal(jdUtc, 0.0, &year, &month, &day, &fraction) == 0) {
        double taiMinusUtc = 0.0;
        if (eraDat(year, month, day, fraction, &taiMinusUtc) == 0) return ERFA_TTMTAI + taiMinusUtc;
    }
    return DeltaTEspenakMeeus(2000.0 + (jdUtc - ERFA_DJ00) / 365.25);
}

void ToEquatorOfDate(const EquatorOfDate& equator, double rightAscension, double declination,
                     double& dateRightAscension, double& dateDeclination) {
    if (!equator.active) {
        dateRightAscension = rightAscension;
        dateDeclination = declination;
        return;
    }
    const double a = rightAscension / HoursPerRadian, d = declination * ERFA_DD2R;
    const double cd = std::cos(d);
    const double p[3] = {cd * std::cos(a), cd * std::sin(a), std::sin(d)};
    double q[3];
    Rotate(equator.matrix, p, q);
    ToSpherical(q, dateRightAscension, dateDeclination);
}

void SetHorizon(EquatorOfDate& equator, double siderealTime, double latitude) {
    const double t = siderealTime / HoursPerRadian, f = latitude * ERFA_DD2R;
    const double ct = std::cos(t), st = std::sin(t), cf = std::cos(f), sf = std::sin(f);
    // The hour-angle frame: x toward the meridian, y toward the east point (y = -cos d sin H);
    // then up = cos f x + sin f z, north = -sin f x + cos f z, east = y.
    const double turn[3][3] = {{cf * ct, cf * st, sf}, {-sf * ct, -sf * st, cf}, {-st, ct, 0}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            equator.horizon[i][j] = turn[i][0] * equator.matrix[0][j] +
                                    turn[i][1] * equator.matrix[1][j] +
                                    turn[i][2] * equator.matrix[2][j];
}

void J2000ToHorizon(const EquatorOfDate& equator, double rightAscension, double declination,
                    double& altitude, double& azimuth) {
    const double a = rightAscension / HoursPerRadian, d = declination * ERFA_DD2R;
    const double cd = std::cos(d);
    const double p[3] = {cd * std::cos(a), cd * std::sin(a), std::sin(d)};
    double h[3];
    Rotate(equator.horizon, p, h);
    altitude = std::asin(std::clamp(h[0], -1.0, 1.0)) * ERFA_DR2D;
    azimuth = std::atan2(h[2], h[1]) * ERFA_DR2D;
    if (azimuth < 0.0) azimuth += 360.0;
    if (azimuth >= 360.0) azimuth = 0.0;
}

PreciseSky MakePreciseSky(double jdUtc) {
    PreciseSky sky;
    sky.jdUtc = jdUtc;
    sky.jdTt = jdUtc + TtMinusUt(jdUtc) / ERFA_DAYSEC;
    const TwoPartDate ut = Split(jdUtc), tt = Split(sky.jdTt);
    eraPnm00b(tt.whole, tt.rest, sky.equator.matrix);
    sky.equator.active = true;
    sky.apparentSiderealTime =
        eraGst06(ut.whole, ut.rest, tt.whole, tt.rest, sky.equator.matrix) * HoursPerRadian;
    if (sky.apparentSiderealTime >= 24.0) sky.apparentSiderealTime = 0.0;
    eraEpv00(tt.whole, tt.rest, sky.earthHeliocentric, sky.earthBarycentric);
    return sky;
}

bool HasPrecisePlace(int row) {
    return row == SunRow || row == MoonRow || Plan94Number(row) != 0;
}

bool PreciseBodyPlace(const PreciseSky& sky, int row, const std::optional<GeodeticSite>& site,
                      double& rightAscension, double& declination) {
    if (!HasPrecisePlace(row)) return false;
    const TwoPartDate tt = Split(sky.jdTt);
    double direction[3];  // geocentric, GCRS / J2000 axes
    if (row == MoonRow) {
        double pv[2][3];
        eraMoon98(tt.whole, tt.rest, pv);
        const double tau = eraPm(pv[0]) / ERFA_DC;
        for (int i = 0; i < 3; ++i) direction[i] = pv[0][i] - tau * pv[1][i];
    } else {
        double earth[3] = {sky.earthHeliocentric[0][0], sky.earthHeliocentric[0][1],
                           sky.earthHeliocentric[0][2]};
        double geometric[3];
        if (row == SunRow) {
            eraSxp(-1.0, earth, geometric);
        } else {
            PlanetFromEarth(tt, Plan94Number(row), earth, geometric);
        }
        // Aberration: the direction of the light as seen by an observer moving with the Earth's
        // barycentric velocity v (in units of c), bm1 = sqrt(1 - |v|^2).
        double unit[3], velocity[3], distance = 0.0;
        eraPn(geometric, &distance, unit);
        for (int i = 0; i < 3; ++i) velocity[i] = sky.earthBarycentric[1][i] / ERFA_DC;
        const double speed = eraPm(velocity);
        eraAb(unit, velocity, eraPm(earth), std::sqrt(1.0 - speed * speed), direction);
    }
    double ofDate[3];
    Rotate(sky.equator.matrix, direction, ofDate);
    if (row == MoonRow && site) {
        double station[3];
        SiteOfDate(*site, sky.apparentSiderealTime / HoursPerRadian, station);
        eraPmp(ofDate, station, ofDate);
    }
    ToSpherical(ofDate, rightAscension, declination);
    return true;
}

double MoonDistanceKm(double jdUtc) {
    const TwoPartDate tt = Split(jdUtc + TtMinusUt(jdUtc) / ERFA_DAYSEC);
    double pv[2][3];
    eraMoon98(tt.whole, tt.rest, pv);
    return eraPm(pv[0]) * ERFA_DAU / 1000.0;
}
