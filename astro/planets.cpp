// The Sun's and the planets' places for one instant.
//
// Source: Peter Duffett-Smith, Practical Astronomy with your Calculator (3rd ed.), sections 46
// (the Sun), 54 (planets, with the elements for the epoch 1990 January 0.0) and 55 (the
// perturbations of Jupiter and Saturn).
#include "astro/planets.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "astro/moon.h"
#include "astro/orbits.h"
#include "base/degrees.h"

namespace {

constexpr double DaysPerTropicalYear = 365.242191;

// Adds the mutual perturbations of Jupiter and Saturn (Duffett-Smith section 55) to the
// longitudes just computed from the elements, for T Julian centuries since 1900 January 0.5.
// Being added to fresh values, they never accumulate from one instant to the next.
void AddJupiterSaturnPerturbations(double centuries) {
    const double t = centuries;
    const double a = t / 2 + 0.1;
    const double p = 3034.9061 * t + 237.47555;
    const double q = 1222.1139 * t + 265.9165;
    const double v = 5 * q - 2 * p;
    const double b = q - p;
    BodyTable[JupiterRow].heliocentricLongitude +=
        (0.3314 - 0.0103 * a) * SinDeg(v) - 0.0644 * a * CosDeg(v);
    BodyTable[SaturnRow].heliocentricLongitude +=
        (0.1609 * a - 0.0105) * CosDeg(v) + (0.0182 * a - 0.8142) * SinDeg(v) - 0.1488 * SinDeg(b) -
        0.0408 * SinDeg(2 * b) + 0.0856 * SinDeg(b) * CosDeg(q) + 0.0813 * CosDeg(b) * SinDeg(q);
}

// Geocentric ecliptic place of planet `row` from its heliocentric longitude l and radius r, for
// the Earth at heliocentric longitude L and radius R (Duffett-Smith section 54):
//   psi = asin(sin(l - node) sin i), lp = atan2(sin(l - node) cos i, cos(l - node)) + node,
//   rp = r cos psi; inner planet: lambda = 180 + L + atan(rp sin(L - lp) / (R - rp cos(L - lp)));
//   outer planet: lambda = lp + atan(R sin(lp - L) / (rp - R cos(lp - L))).
void PlanetToGeocentric(const Body& planet, double earthLongitude, double earthRadius,
                        double& lambda, double& beta) {
    const double pi = Pi();
    const double l = planet.heliocentricLongitude;
    const double node = planet.longitudeOfNode;
    const double incl = planet.inclination;
    const double bigL = earthLongitude;
    const double bigR = earthRadius;

    const double psi = std::asin(SinDeg(l - node) * SinDeg(incl));  // radians
    const double lp =
        std::atan2(SinDeg(l - node) * CosDeg(incl), CosDeg(l - node)) * 180 / pi + node;
    const double rp = planet.radiusVector * std::cos(psi);
    if (planet.semiMajorAxis < BodyTable[EarthRow].semiMajorAxis) {
        const double a = std::atan(rp * SinDeg(bigL - lp) / (bigR - rp * CosDeg(bigL - lp)));
        lambda = ReduceToRange(180 + bigL + a * 180 / pi, 360);
    } else {
        const double a = std::atan(bigR * SinDeg(lp - bigL) / (rp - bigR * CosDeg(lp - bigL)));
        lambda = ReduceToRange(lp + a * 180 / pi, 360);
    }
    beta = GeocentricLatitude(rp, psi, lambda, lp, bigL, bigR);
}

}  // namespace

// beta = atan(rp tan psi sin(lambda - lp) / (R sin(lp - L))). By the sine rule in the triangle
// Sun-Earth-planet, sin(lambda - lp) / (R sin(lp - L)) equals 1 / rho, rho the Earth-planet
// distance in the ecliptic plane. Where planet, Sun and Earth are in a line the quotient is 0/0,
// and next to the line it is mostly rounding: sin(lp - L) at lp - L = 180 is 1.2e-16, not 0, and
// a few ulps of lambda - lp then decide the result. Within 0.2 seconds of arc of the line
// (|sin(lp - L)| < 1e-6) the quotient is therefore replaced by its value and limit 1 / rho, with
// rho = sqrt(R^2 + rp^2 - 2 R rp cos(lp - L)); the two agree to 1e-7 at the switch.
double GeocentricLatitude(double projectedRadius, double heliocentricLatitude,
                          double geocentricLongitude, double projectedLongitude,
                          double earthLongitude, double earthRadius) {
    const double pi = Pi();
    const double rp = projectedRadius;
    const double lp = projectedLongitude;
    const double bigR = earthRadius;
    const double height = rp * std::tan(heliocentricLatitude);
    const double sinElongation = SinDeg(lp - earthLongitude);
    if (std::fabs(sinElongation) >= 1e-6) {
        return std::atan(height * SinDeg(geocentricLongitude - lp) / (bigR * sinElongation)) * 180 /
               pi;
    }
    const double rho =
        std::sqrt(bigR * bigR + rp * rp - 2 * bigR * rp * CosDeg(lp - earthLongitude));
    return std::atan2(height, rho) * 180 / pi;  // rho >= 0; a planet at the Earth gives 0 or +-90
}

// Every body's geocentric right ascension and declination for the instant:
//   D = JD - JD(1990 January 0.0); for each orbit N = 360 D / 365.242191 / period (mod 360),
//   M = longitudeAtEpoch - longitudeOfPerihelion + N (mod 360), v = Kepler(M, e),
//   l = v + longitudeOfPerihelion, r = a (1 - e^2) / (1 + e cos v).
// The Moon is placed as soon as the Sun row is known, since it needs the Sun's longitude and
// mean anomaly; Jupiter and Saturn are then perturbed, and the Sun (ecliptic latitude 0) and
// the planets are turned into equatorial coordinates. The Earth row's place is never computed.
void ComputeBodyPositions(int year, int month, double day) {
    if (BodyTable[EarthRow].name[0] != 'E') InitBodyTable();

    const double d = JulianDate(year, month, day) - JulianDate(1990, 1, 0.0);
    const double n0 = d * 360 / DaysPerTropicalYear;
    for (int i = 0; i < BodyCount; ++i) {
        if (i == MoonRow) continue;
        Body& body = BodyTable[i];
        const double n = ReduceToRange(n0 / body.period, 360);
        const double m = ReduceToRange(body.longitudeAtEpoch - body.longitudeOfPerihelion + n, 360);
        const double e = body.eccentricity;
        body.trueAnomaly = SolveKepler(m, e);
        body.heliocentricLongitude = body.trueAnomaly + body.longitudeOfPerihelion;
        body.radiusVector = body.semiMajorAxis * (1 - e * e) / (1 + e * CosDeg(body.trueAnomaly));
        if (i == SunRow) ComputeMoon(year, month, day, m);
    }

    AddJupiterSaturnPerturbations((JulianDate(year, month, day) - JulianDate(1900, 1, 0.5)) /
                                  36525);

    Body& sun = BodyTable[SunRow];
    EclipticToEquatorial(year, month, day, sun.heliocentricLongitude, 0.0, sun.rightAscension,
                         sun.declination);

    const Body& earth = BodyTable[EarthRow];
    for (int i = MercuryRow; i <= PlutoRow; ++i) {
        Body& planet = BodyTable[i];
        double lambda = 0;
        double beta = 0;
        PlanetToGeocentric(planet, earth.heliocentricLongitude, earth.radiusVector, lambda, beta);
        EclipticToEquatorial(year, month, day, lambda, beta, planet.rightAscension,
                             planet.declination);
    }
}
