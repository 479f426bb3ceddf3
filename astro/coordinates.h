// Conversions between equatorial, horizon and ecliptic coordinates.
//
// Right ascension and sidereal time are in hours; every other angle is in degrees. Latitudes and
// declinations are positive north; azimuth runs from north (0) through east (90).
#pragma once

// Altitude in [-90, 90] and azimuth in [0, 360] of an object for a sidereal time and an observer
// latitude. Where the azimuth is undefined (observer at a pole, object at the zenith) or rounding
// pushes the arccos argument out of [-1, 1], the argument is limited to [-1, 1], which keeps the
// west-of-meridian quadrant rule.
void EquatorialToHorizon(double rightAscension, double declination, double siderealTime,
                         double latitude, double& altitude, double& azimuth);

// The same conversion for a latitude given by its sine and cosine (LatitudeSinCos), for callers
// that convert many objects for one observer: the results are the very numbers
// EquatorialToHorizon gives for that latitude.
void EquatorialToHorizonSinCos(double rightAscension, double declination, double siderealTime,
                               double sinLatitude, double cosLatitude, double& altitude,
                               double& azimuth);

// Sine and cosine of a latitude in degrees, converted to radians as EquatorialToHorizon does.
void LatitudeSinCos(double latitude, double& sine, double& cosine);

// Mean obliquity of the ecliptic, degrees, at 0h of the given date.
double Obliquity(int year, int month, double day);

// Right ascension [0, 24) hours and declination of a point given in ecliptic longitude and
// latitude for the given date. The longitude need not be reduced.
void EclipticToEquatorial(int year, int month, double day, double longitude, double latitude,
                          double& rightAscension, double& declination);
