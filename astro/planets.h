// Brings BodyTable to one instant: the Sun, the Moon and the planets Mercury to Pluto.
#pragma once

// Fills the table on first use, then computes every body's geocentric right ascension and
// declination for the date (day with the time of day as its fraction).
void ComputeBodyPositions(int year, int month, double day);

// Geocentric ecliptic latitude, degrees, of a planet whose heliocentric place projected onto the
// ecliptic is at longitude `projectedLongitude` (degrees) and distance `projectedRadius` (AU),
// `heliocentricLatitude` (radians) above it, seen from the Earth at longitude `earthLongitude`
// (degrees) and distance `earthRadius` (AU); `geocentricLongitude` (degrees) is the planet's
// longitude seen from the Earth. Where planet, Sun and Earth are in a line (or within 0.2 seconds
// of arc of it) the quotient of the formula is 0/0 or rounding noise; its limit is used there, so
// the result is always finite and continuous.
double GeocentricLatitude(double projectedRadius, double heliocentricLatitude,
                          double geocentricLongitude, double projectedLongitude,
                          double earthLongitude, double earthRadius);
