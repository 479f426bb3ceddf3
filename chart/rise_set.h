// Where a found object stands at an instant, computed as the chart computes it (PrepareSky and the
// pass's own horizon conversions), and when it next rises, transits and sets by the almanac's
// convention (almanac.h): the upper edge on the horizon through 34' of refraction, so that the
// Sun rises when its edge shows, a little before its centre stands above the chart's horizon.
#pragma once

#include <optional>
#include <string>

#include "chart/chart_pass.h"
#include "chart/object_index.h"

// Altitude and azimuth, degrees.
struct SkyPlace {
    double altitude = 0.0;
    double azimuth = 0.0;
};

// The place of `object` as the chart of `time` shows it (view and latitude as the chart's).
// A constellation stands at the middle of its figure. Leaves BodyTable at `time`.
SkyPlace FoundPlace(const FoundObject& object, const SystemTime& time, const ChartView& view,
                    double latitude);

// How far ahead the next events are looked for.
inline constexpr int RiseSetSearchHours = 48;

// The next rising, upper transit and setting strictly after `from`, to the second, on the clock
// the picker shows (a clock change within the search is followed): the rising is the first second
// at which the object is up by the almanac's convention, the setting the first at which it no
// longer is; the transit is the second the object crosses the meridian from east to west, given
// only when it is up then. An object up for a few minutes only is found too (almanac.h looks for
// the turning points of its altitude between the scan's steps). An object never up over the
// search never rises; one always up never sets. BodyTable is left at `from`, as the chart of
// `from` leaves it.
struct RiseTransitSet {
    std::optional<SystemTime> rising;
    std::optional<SystemTime> transit;
    std::optional<SystemTime> setting;
    bool neverRises = false;
    bool neverSets = false;
    bool up = false;  // up by the convention at `from`, even when below the chart's horizon
};
RiseTransitSet NextRiseTransitSet(const FoundObject& object, const SystemTime& from,
                                  const ChartView& view, double latitude);

// `time` moved by a number of seconds on the calendar (proleptic Gregorian), with its day of the
// week set to match; milliseconds are dropped.
SystemTime AddSeconds(const SystemTime& time, long long seconds);
// "2024-01-15T21:00:00".
std::string IsoTime(const SystemTime& time);
// The 16-point compass direction of an azimuth (north 0, east 90): "N", "NNE", ... "NNW", in
// English (Translate("Compass", ...) gives it in the user's language).
const char* CompassDirection(double azimuth);

// One line for the readout, in Latin-1: where the object stands ("Betelgeuse: altitude 35.2\xb0,
// azimuth 160.3\xb0 (SSE)", "Betelgeuse: on the horizon, azimuth 71.2\xb0 (ENE)" when it has risen
// by the convention but is not above 0, or "Betelgeuse: below the horizon"), then its next rising,
// transit and setting in the order they come, as month, day and time of the chart's clock, or
// "never rises" / "never sets"; in the user's language.
std::string DescribeFound(const std::string& label, const SkyPlace& place,
                          const RiseTransitSet& times);
