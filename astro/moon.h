// The Moon's place from its mean motion and main periodic terms.
#pragma once

// Writes the Moon row's right ascension and declination for the instant. The Sun row's
// heliocentricLongitude must already hold the Sun's longitude for the same instant, and
// sunMeanAnomaly is the Sun's mean anomaly (degrees, [0, 360)).
void ComputeMoon(int year, int month, double day, double sunMeanAnomaly);
