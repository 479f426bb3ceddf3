// The Moon's phase as seen from the Earth, from the places of the Sun and the Moon.
#pragma once

// Elongation of the Moon from the Sun, degrees in [0, 180]: the angle between the two places
// (right ascension in hours, declination in degrees) on the sky.
double MoonElongation(double sunRightAscension, double sunDeclination, double moonRightAscension,
                      double moonDeclination);

// The lit fraction of the Moon's disc, 0 (new) to 1 (full), for an elongation in degrees.
double MoonLitFraction(double elongation);

// The lit fraction for the Sun and Moon rows of BodyTable, as the last ComputeBodyPositions left
// them.
double MoonLitFractionNow();
