// The command line of velquorran-chart, parsed into plain values. Parsing touches no file and
// no global: the caller applies the result.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/label_choice.h"
#include "chart/layout.h"
#include "chart/sky_choice.h"
#include "chart/view_settings.h"

struct ChartOptions {
    std::optional<double> latitude;  // degrees, -90..90; unset: the settings file, else 0
    std::optional<SystemTime> time;  // unset: now, local time
    double magnitude = DefaultDimmestMagnitude;  // dimmest magnitude drawn, 0..6.5
    double facing = 180.0;                       // azimuth at the bottom of the disc
    bool allFigures = false;
    std::vector<std::string> figures;  // abbreviations, as given
    bool deepSky = false;
    int width = 1200;
    int height = 900;
    bool print = false;  // the printer look
    std::string output;  // empty: no file
    bool list = false;
    bool precise = false;  // precise positions instead of the model's
    bool help = false;
    std::string find;      // a name to look up: where it stands and when it rises, transits, sets
    ChartLabels labels{};  // --labels: names, the Moon's phase, the legend; none by default
    bool night = false;    // the screen look in red on black
    // The place and the time basis (none given: the time is taken as UT on the observer's
    // meridian, as it always was).
    std::optional<double> longitudeEast;  // degrees, east positive
    std::string zone;                     // an IANA name or UTC+hh:mm, as given
    std::string place;                    // a city of the time-zone database, as given
    bool timeNow = false;                 // --time now
    // --planisphere: the printable star wheel and horizon mask instead of a chart.
    bool planisphere = false;
    bool letterPaper = false;  // --page Letter; A4 otherwise
    std::string language;      // --language CODE, as given; empty: the system's
    // --tonight: the night's times and what is worth seeing, as text or (-o FILE.pdf) a sheet.
    bool tonight = false;
    SkyLayers sky{};  // --sky: the Milky Way, boundaries, lines and grid; none by default
};

struct ParseResult {
    bool ok = false;
    std::string error;  // one sentence for stderr when !ok
    ChartOptions options;
};

inline constexpr int MinChartSide = 100;
inline constexpr int MaxChartSide = 10000;

// Parses the arguments after the program name. "--name value" and "--name=value" are both
// accepted. With --help nothing else is required.
ParseResult ParseOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string UsageText();

// Individual values, for the parser and its tests. Each returns nothing for text that is not
// entirely a valid value.
std::optional<double> ParseDecimal(const std::string& text);
std::optional<SystemTime> ParseTime(const std::string& text);      // YYYY-MM-DDTHH:MM:SS
std::optional<double> ParseFacing(const std::string& text);        // N, NE, ... NW: azimuth
bool ParseSize(const std::string& text, int& width, int& height);  // WxH
// all, none, or kinds separated by commas: stars, constellations, all-constellations, planets,
// deep-sky, legend; "all" stands for stars, constellations, planets and deep-sky.
std::optional<ChartLabels> ParseLabels(const std::string& text);
// all, none, or layers separated by commas: milky-way, boundaries, ecliptic, equator, grid.
std::optional<SkyLayers> ParseSkyLayers(const std::string& text);
