// Sine and cosine of angles given in degrees, shared by the Sun, Moon and planet formulas
// (Duffett-Smith quotes every angle of them in degrees). Internal to astro/.
#pragma once

#include <cmath>

// pi as 4 arctan(1), the value every routine of the computation uses.
inline double Pi() {
    return 4 * std::atan(1.0);
}

// The argument becomes radians as x * pi / 180, in that order, as everywhere in the computation.
inline double SinDeg(double x) {
    return std::sin(x * Pi() / 180);
}

inline double CosDeg(double x) {
    return std::cos(x * Pi() / 180);
}
