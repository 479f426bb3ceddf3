// Precise places, beside the model of orbits.h and planets.h, never instead of it: apparent
// geocentric right ascension and declination of date for the Sun, the Moon and Mercury to
// Neptune, the catalogue's J2000 places carried to the equator and equinox of date, and
// apparent sidereal time, all from ERFA (the IAU's SOFA routines under a BSD licence).
//
// Instants are Julian dates of UTC, which also stands for UT1 (UTC is kept within 0.9 s of it;
// 0.9 s turns the sky by 14 seconds of arc, well inside the arcminute these places aim at).
#pragma once

#include <optional>

// TT - UT in seconds at a UTC Julian date. Inside ERFA's leap-second table (eraDat: 1960 up to
// a few years after the library's release) it is 32.184 s + (TAI - UTC); outside it, Delta T
// from the polynomials of Espenak and Meeus (NASA, "Five Millennium Canon of Solar Eclipses",
// 2006), which also stand for the future leap seconds UTC will need to follow UT1.
double TtMinusUt(double jdUtc);

// Delta T = TT - UT in seconds for a decimal year, by Espenak and Meeus (2006).
double DeltaTEspenakMeeus(double year);

// The rotations of the catalogue's places for one chart: from the mean equator and equinox of
// J2000 to the true equator and equinox of the date (frame bias, precession and nutation, ERFA's
// eraPnm00b: IAU 2000 with the 2000B nutation, within a few milliseconds of arc of the full
// 2000A series at fifty times its speed), and on to an observer's horizon. Inactive, it stands
// for "no rotation": places are used as given.
struct EquatorOfDate {
    bool active = false;
    double matrix[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    // J2000 to the horizon of a local sidereal time and latitude, rows (up, north, east):
    // matrix turned by the sidereal time about the pole, then tilted by the latitude.
    double horizon[3][3] = {};
};

// A J2000 right ascension (hours) and declination (degrees) on the equator of date; unchanged
// when the rotation is inactive. Right ascension in [0, 24).
void ToEquatorOfDate(const EquatorOfDate& equator, double rightAscension, double declination,
                     double& dateRightAscension, double& dateDeclination);

// Sets the horizon rotation for a local sidereal time (hours) and latitude (degrees).
void SetHorizon(EquatorOfDate& equator, double siderealTime, double latitude);

// Altitude (degrees, [-90, 90]) and azimuth (degrees from north through east, [0, 360)) of a
// J2000 place under the horizon rotation: the numbers EquatorialToHorizon gives for the place of
// date, in one rotation of the place's direction instead of a conversion to the equator of date
// and another to the horizon.
void J2000ToHorizon(const EquatorOfDate& equator, double rightAscension, double declination,
                    double& altitude, double& azimuth);

// A place on the Earth for the topocentric Moon: geodetic latitude (degrees, north positive) and
// longitude (degrees, positive west, the sidereal-time convention), on the WGS84 ellipsoid at sea
// level.
struct GeodeticSite {
    double latitude = 0.0;
    double longitudeWest = 0.0;
};

// The sky of one instant, computed once and shared by everything that places objects then.
struct PreciseSky {
    double jdUtc = 0.0;
    double jdTt = 0.0;
    EquatorOfDate equator;                // J2000 -> true equator and equinox of date
    double apparentSiderealTime = 0.0;    // Greenwich, hours [0, 24)
    double earthHeliocentric[2][3] = {};  // eraEpv00: position (AU), velocity (AU/day)
    double earthBarycentric[2][3] = {};
};

// TT, the rotation to the equator of date, the apparent sidereal time (eraGst06 with that
// rotation) and the Earth's motion for a UTC Julian date.
PreciseSky MakePreciseSky(double jdUtc);

// The precise bodies, by BodyTable row (orbits.h): Sun, Moon and Mercury to Neptune.
bool HasPrecisePlace(int row);

// Apparent right ascension (hours, [0, 24)) and declination (degrees) of date of the body of
// BodyTable row `row` (HasPrecisePlace) at the sky's instant, seen from the Earth's centre, or,
// for the Moon with a site given, from that site (the only body whose parallax reaches the
// arcminute: up to a degree). Returns false, writing nothing, for any other row.
//   Earth: eraEpv00 (heliocentric and barycentric position and velocity, BCRS).
//   Planets: eraPlan94 (heliocentric, J2000), taken at t - tau, tau the light time found by
//     iteration, minus the Earth at t; then stellar aberration for the Earth's barycentric
//     velocity (eraAb).
//   Sun: minus the Earth's heliocentric position, with aberration (the Sun's own barycentric
//     motion during the 8 minutes of light time is a few kilometres).
//   Moon: eraMoon98 (geocentric, GCRS) at t - tau by its geocentric velocity; no annual
//     aberration, the observer at the geocentre being at rest in that frame.
//   All: the precession-nutation rotation of date, then spherical coordinates.
bool PreciseBodyPlace(const PreciseSky& sky, int row, const std::optional<GeodeticSite>& site,
                      double& rightAscension, double& declination);

// The Moon's distance from the Earth's centre (km) at a UTC Julian date, from eraMoon98.
double MoonDistanceKm(double jdUtc);
