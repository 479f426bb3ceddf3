// The solar-system model: one row per body with its mean orbital elements for the epoch
// 1990 January 0.0 (JD 2447891.5) and the place computed for the last instant.
#pragma once

#include <string>

inline constexpr int BodyCount = 11;
inline constexpr int BodyNameSize = 16;  // 15 characters and a terminating NUL

// Fixed row indices of BodyTable.
enum BodyRow {
    EarthRow = 0,
    SunRow = 1,
    MoonRow = 2,
    MercuryRow = 3,
    VenusRow = 4,
    MarsRow = 5,
    JupiterRow = 6,
    SaturnRow = 7,
    UranusRow = 8,
    NeptuneRow = 9,
    PlutoRow = 10,
};

struct Body {
    char name[BodyNameSize] = {};
    // Computed for the instant of the last ComputeBodyPositions.
    double rightAscension = 0;         // hours, [0, 24)
    double declination = 0;            // degrees
    double trueAnomaly = 0;            // degrees, (-180, 180]
    double heliocentricLongitude = 0;  // degrees, not reduced (Sun row: seen from the Earth)
    double radiusVector = 0;           // AU (Sun row: Earth-Sun distance)
    // Elements, written by InitBodyTable.
    double period = 0;                 // tropical years
    double longitudeAtEpoch = 0;       // degrees
    double longitudeOfPerihelion = 0;  // degrees
    double eccentricity = 0;
    double semiMajorAxis = 0;    // AU (Moon row: km)
    double inclination = 0;      // degrees
    double longitudeOfNode = 0;  // degrees
    double angularDiameter = 0;  // degrees at 1 AU (Moon: at its mean distance)
    double magnitude = 0;        // at 1 AU
};

extern Body BodyTable[BodyCount];

// Writes the names and elements of all eleven rows; leaves the computed fields alone.
void InitBodyTable();

// True anomaly in degrees, (-180, 180], for a mean anomaly in degrees and an eccentricity in
// [0, 1), by Newton's iteration on Kepler's equation to 1e-12 radians.
double SolveKepler(double meanAnomaly, double eccentricity);

// Copies a row's right ascension (hours) and declination (degrees). Rows outside 0..10 give 0, 0.
void GetBodyPosition(int row, double& rightAscension, double& declination);

// A copy of a row's name that the caller owns. Rows outside 0..10 give an empty name.
void GetBodyName(int row, std::string& name);

// Test support: every row back to its start-up state (empty name, all numbers 0).
void ResetBodyTable();
