// The Moon's phase from the Sun-Moon elongation.
//
// Seen from the Earth, the Moon's lit fraction is k = (1 + cos i) / 2, with i the phase angle at
// the Moon (Sun-Moon-Earth). The Sun is some 390 times farther than the Moon, so i = 180 - E to
// within a sixth of a degree, E being the elongation (Sun-Earth-Moon), and
//   k = (1 - cos E) / 2                                   (Meeus, Astronomical Algorithms, 48.1)
// E is the angular distance between the two places:
//   cos E = sin d0 sin d + cos d0 cos d cos(a0 - a)       (Meeus 48.2; a, d the Moon's place,
//                                                          a0, d0 the Sun's)
#include "astro/moon_phase.h"

#include <algorithm>
#include <cmath>

#include "astro/orbits.h"
#include "base/degrees.h"

double MoonElongation(double sunRightAscension, double sunDeclination, double moonRightAscension,
                      double moonDeclination) {
    const double cosE = SinDeg(sunDeclination) * SinDeg(moonDeclination) +
                        CosDeg(sunDeclination) * CosDeg(moonDeclination) *
                            CosDeg(15.0 * (sunRightAscension - moonRightAscension));
    return std::acos(std::clamp(cosE, -1.0, 1.0)) * 180.0 / Pi();
}

double MoonLitFraction(double elongation) {
    return (1.0 - CosDeg(elongation)) / 2.0;
}

double MoonLitFractionNow() {
    double sunRa = 0, sunDec = 0, moonRa = 0, moonDec = 0;
    GetBodyPosition(SunRow, sunRa, sunDec);
    GetBodyPosition(MoonRow, moonRa, moonDec);
    return MoonLitFraction(MoonElongation(sunRa, sunDec, moonRa, moonDec));
}
