// Tonight: which night a time on the picker's clock belongs to, when it gets dark, where the Moon
// is, which planets are up in the dark and a short list of what is worth a beginner's look.
//
// The night is the one that holds the picker's time, from 12:00 on the picker's clock to 12:00
// the next day: at 04:00 it is the night that began the evening before. Every time is on the
// picker's clock, the offset in force at each instant, so that a clock change within the night
// is followed; without a place the clock is local mean time.
//
// The list follows fixed rules (the README gives them in words):
// - darkness is the time the Sun is below -18 degrees; on a night that is never that dark, the
//   time it is below -12, failing that below -6; on a night lighter still nothing is listed;
// - an object is listed only if it stands at least 30 degrees high at some time in darkness, and
//   its time is the moment it stands highest in darkness;
// - stars with a proper name down to magnitude 2.0 (1.0 when darkness is only civil twilight),
//   at most 8, brightest first;
// - constellations whose figure's third-brightest star is magnitude 3.0 or brighter (2.5 in
//   twilight), at most 6, the brightest such third star first;
// - Messier objects down to magnitude 6.0 in astronomical darkness (4.5 in nautical twilight,
//   none in civil), less 2.5 magnitudes times the Moon's glare: its lit fraction times the share
//   of darkness it is up; at most 6, brightest first;
// - the chosen rows in time order. The planets Mercury to Neptune are listed apart, each one
//   above the horizon at some time in darkness.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/almanac.h"
#include "chart/object_index.h"

// The night holding `clock`: from 12:00 of its day (the day before, before noon) to 12:00 the
// day after, as clock readings.
struct NightSpan {
    SystemTime begin;
    SystemTime end;
};
NightSpan NightOf(const SystemTime& clock);

// How dark the night gets: the lowest of the twilight altitudes the Sun goes below.
enum class NightDarkness {
    Astronomical,  // below -18
    Nautical,      // below -12, not -18: no astronomical darkness
    Civil,         // below -6, not -12
    None,          // never below -6
};

// A span of the night on the picker's clock.
struct ClockSpan {
    SystemTime begin;
    SystemTime end;
};

enum class TonightKind { Planet, Star, Constellation, DeepSky };

// One object of the night: when it stands highest in darkness, and how high.
struct TonightObject {
    TonightKind kind = TonightKind::Star;
    FoundObject object;
    std::string label;  // as Find names it (Latin-1)
    double magnitude = 0.0;
    SystemTime best;
    double altitude = 0.0;      // degrees, at `best`
    long long bestSeconds = 0;  // `best` as seconds of UT after the night's beginning
};

struct Tonight {
    NightSpan night;
    NightDarkness darkness = NightDarkness::Astronomical;
    bool midnightSun = false;  // the Sun never sets in the night
    bool polarNight = false;   // the Sun never rises in the night (noon to noon)
    // The Sun: setting and rising by the almanac's convention; the ends of civil, nautical and
    // astronomical twilight at dusk (index 0, 1, 2) and their beginnings at dawn. Any may be
    // missing: a night without that much darkness, the midnight Sun, the polar night.
    std::optional<SystemTime> sunset, sunrise;
    std::optional<SystemTime> dusk[3], dawn[3];
    double sunLowest = 0.0;  // degrees, over the night
    // The Moon within the night, in time order of whichever comes.
    std::optional<SystemTime> moonrise, moonset;
    bool moonUpAllNight = false, moonDownAllNight = false;
    double moonLit = 0.0;  // lit fraction at the middle of the night's darkness
    bool moonWaxing = false;
    // Darkness as the list takes it (the Sun below `darknessAltitude`; none with NightDarkness
    // None), and the dark window: the Sun below -18 with the Moon down.
    double darknessAltitude = AstronomicalTwilightAltitude;
    std::vector<ClockSpan> dark;
    std::vector<ClockSpan> darkWindows;
    SystemTime middleOfDarkness;  // the middle of the night's darkness, or of the night
    double moonGlare = 0.0;       // lit fraction times the share of darkness with the Moon up
    std::vector<TonightObject> planets;     // in time order
    std::vector<TonightObject> worthALook;  // in time order
};

// Everything above for the night holding `clock`, seen at `latitude` under the view's place,
// time basis and positions (model or precise). `index` names the objects. BodyTable is left at
// `clock`, as the chart of `clock` leaves it.
Tonight ComputeTonight(const SystemTime& clock, const ChartView& view, double latitude,
                       const ObjectIndex& index);

// The rules' limits, for the list and its tests.
inline constexpr double TonightMinimumAltitude = 30.0;
inline constexpr int TonightStarRows = 8;
inline constexpr int TonightConstellationRows = 6;
inline constexpr int TonightDeepSkyRows = 6;
// The faintest magnitude listed of each kind for a night's darkness and the Moon's glare (see
// above); for a constellation, of its figure's third-brightest star. Below every magnitude (-99)
// when the kind is not listed at all.
double TonightMagnitudeLimit(TonightKind kind, double darknessAltitude, double moonGlare);
// The figure's third-brightest star's magnitude of constellation row `row` (99 without three).
double ThirdBrightestFigureStar(int row);
