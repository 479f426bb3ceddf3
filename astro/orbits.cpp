// The body table and Kepler's equation.
//
// Source: Peter Duffett-Smith, Practical Astronomy with your Calculator (3rd ed.): the elements
// for the epoch 1990 January 0.0 (sections 46, 54, 65) and Newton's routine for Kepler's
// equation (section 47).
#include "astro/orbits.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "base/degrees.h"
#include "base/translate.h"

Body BodyTable[BodyCount];

namespace {

struct Elements {
    const char* name;
    double period, longitudeAtEpoch, longitudeOfPerihelion, eccentricity, semiMajorAxis;
    double inclination, longitudeOfNode, angularDiameter, magnitude;
};

constexpr double ArcSeconds = 1.0 / 3600;

// Planets' angular diameters are quoted in seconds of arc and held in degrees. The Sun row is
// the Earth's orbit seen from the Earth, hence longitudes turned by 180 degrees. The names stay
// English in the table; the chart shows them in the user's language.
constexpr Elements StartElements[BodyCount] = {
    {VQ_TRANSLATE_NOOP("Bodies", "Earth"), 1.00004, 99.403308, 102.768413, 0.016713, 1.0, 0, 0, 0,
     0},
    {VQ_TRANSLATE_NOOP("Bodies", "Sun"), 1.0, 279.403303, 282.768422, 0.016713, 1.0, 0, 0, 0.533128,
     0},
    {VQ_TRANSLATE_NOOP("Bodies", "Moon"), 0, 318.351648, 36.34041, 0.0549, 384401.0, 5.145396,
     318.510107, 0.5181, 0},
    {VQ_TRANSLATE_NOOP("Bodies", "Mercury"), 0.240852, 60.750646, 77.299833, 0.205633, 0.387099,
     7.00454, 48.21274, 6.74 * ArcSeconds, -0.42},
    {VQ_TRANSLATE_NOOP("Bodies", "Venus"), 0.615211, 88.455855, 131.430236, 0.006778, 0.723332,
     3.394535, 76.58982, 16.92 * ArcSeconds, -4.4},
    {VQ_TRANSLATE_NOOP("Bodies", "Mars"), 1.880932, 240.739474, 335.874939, 0.093396, 1.523688,
     1.849736, 49.480308, 9.36 * ArcSeconds, -1.52},
    {VQ_TRANSLATE_NOOP("Bodies", "Jupiter"), 11.863075, 90.638185, 14.170747, 0.048482, 5.202561,
     1.303613, 100.353142, 196.74 * ArcSeconds, -9.4},
    {VQ_TRANSLATE_NOOP("Bodies", "Saturn"), 29.471362, 287.690033, 92.861407, 0.055581, 9.554747,
     2.48898, 113.576139, 165.6 * ArcSeconds, -8.88},
    {VQ_TRANSLATE_NOOP("Bodies", "Uranus"), 84.039492, 271.063148, 172.884833, 0.046321, 19.21814,
     0.773059, 73.926961, 65.8 * ArcSeconds, -7.19},
    {VQ_TRANSLATE_NOOP("Bodies", "Neptune"), 164.79246, 282.349556, 48.009758, 0.009003, 30.10957,
     1.770646, 131.670599, 62.2 * ArcSeconds, -6.87},
    {VQ_TRANSLATE_NOOP("Bodies", "Pluto"), 246.77027, 221.4127, 224.133, 0.24624, 39.3414, 17.142,
     110.144, 8.2 * ArcSeconds, -1.0},
};

bool IsTableRow(int row) {
    return row >= 0 && row < BodyCount;
}

}  // namespace

// Names and the nine elements of every row; the computed fields are left as they are, so that a
// second call changes nothing.
void InitBodyTable() {
    for (int i = 0; i < BodyCount; ++i) {
        const Elements& from = StartElements[i];
        Body& to = BodyTable[i];
        std::memset(to.name, 0, sizeof to.name);
        std::strncpy(to.name, from.name, sizeof to.name - 1);
        to.period = from.period;
        to.longitudeAtEpoch = from.longitudeAtEpoch;
        to.longitudeOfPerihelion = from.longitudeOfPerihelion;
        to.eccentricity = from.eccentricity;
        to.semiMajorAxis = from.semiMajorAxis;
        to.inclination = from.inclination;
        to.longitudeOfNode = from.longitudeOfNode;
        to.angularDiameter = from.angularDiameter;
        to.magnitude = from.magnitude;
    }
}

// True anomaly v (deg, (-180, 180]) for mean anomaly M (deg) and eccentricity e in [0, 1):
//   Newton on E - e sin E = M from E = M: E -= (E - e sin E - M) / (1 - e cos E) until the
//   residual is at most 1e-12 rad; then tan(v / 2) = sqrt((1 + e) / (1 - e)) tan(E / 2).
// For the table's eccentricities (below 0.25) Newton converges in a handful of steps. The cap
// of 100 steps only matters where the residual cannot fall under 1e-12 at all (a mean anomaly so
// large that one ulp of E exceeds it); the last iterate is then used. An eccentricity outside
// [0, 1) or a non-finite argument has no real solution and gives NaN without iterating.
double SolveKepler(double meanAnomaly, double eccentricity) {
    const double e = eccentricity;
    if (!std::isfinite(meanAnomaly) || !(e >= 0.0 && e < 1.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double pi = Pi();
    const double m = meanAnomaly * pi / 180;
    double bigE = m;
    constexpr int MaxSteps = 100;
    for (int step = 0; step < MaxSteps; ++step) {
        const double delta = (bigE - m) - e * std::sin(bigE);
        if (std::fabs(delta) <= 1e-12) break;
        bigE = bigE - delta / (1 - e * std::cos(bigE));
    }
    const double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(bigE / 2));
    return v * 180 / pi;
}

// A row's place; rows outside the table give 0, 0.
void GetBodyPosition(int row, double& rightAscension, double& declination) {
    if (!IsTableRow(row)) {
        rightAscension = 0;
        declination = 0;
        return;
    }
    rightAscension = BodyTable[row].rightAscension;
    declination = BodyTable[row].declination;
}

// A copy of a row's name, read up to its NUL or the end of the buffer; outside the table, "".
void GetBodyName(int row, std::string& name) {
    if (!IsTableRow(row)) {
        name.clear();
        return;
    }
    const char* text = BodyTable[row].name;
    const void* end = std::memchr(text, '\0', BodyNameSize);
    name.assign(text, end ? static_cast<const char*>(end) - text : BodyNameSize);
}

void ResetBodyTable() {
    for (Body& body : BodyTable) body = Body{};
}
