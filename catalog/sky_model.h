// The sky model: the star, constellation and deep-sky tables that the loaders fill once at
// start-up and that the chart pass and the shell read and flag afterwards.
#pragma once

#include <vector>

inline constexpr int MaxStarNumber = 9110;
inline constexpr int MaxConstellations = 88;
inline constexpr int MaxFigurePoints = 41;
inline constexpr int NoConstellation = -1;
inline constexpr double UnloadedMagnitude = 99999.999;

inline constexpr int StarNameSize = 24;
inline constexpr int ConstellationNameSize = 30;
inline constexpr int AbbreviationSize = 5;
inline constexpr int DeepSkyIdentifierSize = 10;
inline constexpr int DeepSkyNameSize = 30;

// Opaque handle of the letter submenu that holds a constellation's menu item; the shell owns
// what it points to.
using MenuHandle = void*;

struct Star {
    char name[StarNameSize] = {};  // designation, '_' turned into spaces; ends in the abbreviation
    double magnitude = UnloadedMagnitude;
    double rightAscension = 0;  // hours
    double declination = 0;     // degrees
    bool inFigure = false;      // a point of at least one constellation figure
    bool visible = false;       // placed on the chart by the last pass
    int chartX = 0;
    int chartY = 0;
    int constellationIndex = NoConstellation;
};

struct Constellation {
    char name[ConstellationNameSize] = {};  // as in the catalogue text, underscores kept
    char abbreviation[AbbreviationSize] = {};
    bool shown = false;
    MenuHandle submenu = nullptr;
    int pointCount = 0;
    int points[MaxFigurePoints] = {};      // catalogue numbers
    bool drawFlags[MaxFigurePoints] = {};  // true: a segment from the previous point
};

struct DeepSkyObject {
    char identifier[DeepSkyIdentifierSize] = {};
    char name[DeepSkyNameSize] = {};  // '_' turned into spaces
    bool shown = false;
    bool visible = false;
    double magnitude = 0;
    double rightAscension = 0;  // hours
    double declination = 0;     // degrees
    int chartX = 0;
    int chartY = 0;
};

// Indexed by catalogue number 1..9110; row 0 is never used.
extern Star StarTable[MaxStarNumber + 1];
extern Constellation ConstellationTable[MaxConstellations];
extern int ConstellationCount;
// Sized by the count line of the deep-sky text; DeepSkyCount rows are filled.
extern std::vector<DeepSkyObject> DeepSkyTable;
extern int DeepSkyCount;

// Test support: every table back to its start-up defaults.
void ResetSkyModel();
