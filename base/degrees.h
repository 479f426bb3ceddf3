// pi, and the sine and cosine of angles given in degrees (Duffett-Smith quotes every angle of the
// Sun, Moon and planet formulas in degrees).
#pragma once

#include <cmath>
#include <numbers>

// pi, the double nearest to it: the value 4 arctan(1) gives, which every routine of the
// computation uses.
constexpr double Pi() {
    return std::numbers::pi;
}

// The argument becomes radians as x * pi / 180, in that order, as everywhere in the computation.
inline double SinDeg(double x) {
    return std::sin(x * Pi() / 180);
}

inline double CosDeg(double x) {
    return std::cos(x * Pi() / 180);
}
