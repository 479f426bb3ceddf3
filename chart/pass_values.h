// What one chart pass depends on and what it hands back, as values: the observer and the view
// are built once at the top of a pass from the program's state; the result lists everything the
// pass placed, so that the readout, the renderer's list and later passes over the same sky read
// it instead of recomputing it.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "astro/precise.h"
#include "chart/label_choice.h"
#include "chart/layout.h"
#include "chart/sky_choice.h"
#include "chart/view_settings.h"

class CivilTimeRule;

// Where the sky is seen from, and when: the latitude with its sine and cosine (taken once a pass
// rather than once a star), the longitude and the local sidereal time of the pass.
struct Observer {
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, positive west (the sidereal-time convention)
    double sinLatitude = 0.0;
    double cosLatitude = 1.0;
    double siderealTime = 0.0;  // hours, local
    // The instant in UT that the picker's time stands for, and the offset of the picker's civil
    // time from UT used to reach it (seconds, east positive; 0 when the picker shows UT).
    SystemTime universalTime;
    int utcOffsetSeconds = 0;
    // Catalogue (J2000) places to the equator of date: active only for precise positions.
    EquatorOfDate equatorOfDate;
};

// The observer at `latitude` for the instant year/month/day (the day's fraction is the time of
// day), with the sidereal time of LocalSiderealTime for that longitude and hour offset 0.
Observer MakeObserver(double latitude, double longitude, int year, int month, double day);

// Altitude and azimuth (degrees) of a place in right ascension (hours) and declination (degrees)
// as the observer sees it: the same numbers EquatorialToHorizon gives for the observer's latitude
// and sidereal time.
void ObserverHorizon(const Observer& observer, double rightAscension, double declination,
                     double& altitude, double& azimuth);

// How the chart is drawn: which azimuth is at the bottom, and the faintest magnitude shown. What
// is shown of the figures and deep-sky objects stays in their tables' `shown` flags.
struct ChartView {
    double orientationAzimuth = 180.0;
    double dimmestMagnitude = DefaultDimmestMagnitude;
    ChartLabels labels{};  // names, the Moon's phase and the legend; all off by default
    // The place and the time basis. With the defaults the picker's time is taken as UT on the
    // observer's meridian and no place is written on the chart, as the chart has always been.
    double longitude = 0.0;                       // degrees, positive west
    int utcOffsetSeconds = 0;                     // picker time minus UT, when `zone` is null
    std::shared_ptr<const CivilTimeRule> zone{};  // the place's clocks, when it has a zone
    bool placeCaption = false;  // write the place and the time basis under the captions
    std::string placeName{};    // Latin-1, may be empty
    std::string zoneName{};     // "Europe/London", "UTC+5:30"; empty: the picker shows UT
    bool precise = false;       // precise positions (astro/precise.h) instead of the model's
    SkyLayers sky{};            // the Milky Way, boundaries, lines and grid; all off by default
};

// Seconds the picker's civil time is ahead of UT at `time` under the view's time basis.
int CivilOffsetSeconds(const ChartView& view, const SystemTime& time);

// The caption lines that name the place and the time basis (none without a place): the name when
// there is one, "51.51\xB0 N  0.13\xB0 W", and "Europe/London (UTC+1)" (or "UT").
std::vector<std::string> PlaceCaptionLines(const ChartView& view, const Observer& observer);

// The visibility rules of the chart, in one place: an object is drawn when it stands above the
// horizon (strictly), and a star is marked when it is no fainter than the limit.
inline bool AboveHorizon(double altitude) {
    return altitude > 0;
}
inline bool WithinMagnitudeLimit(double magnitude, double dimmest) {
    return magnitude <= dimmest;
}

enum class PlacedKind { Star, DeepSky, Body };

// One object a pass placed above the horizon.
struct PlacedObject {
    PlacedKind kind = PlacedKind::Star;
    int index = 0;  // catalogue number, deep-sky table row or body table row
    double altitude = 0.0;
    double azimuth = 0.0;
    Point position;      // on the chart, in the pass's device pixels
    bool marked = true;  // drawn with a mark of its own; false for a star placed only as the
                         // end of a figure line, fainter than the limit
    int hotSpot = -1;    // its entry in the hot-spot table, or -1 when the table was full
};

struct HotSpot;

// Everything a pass placed: stars by catalogue number, shown deep-sky objects by row, then the
// bodies from Pluto to the Sun; the layout and the inputs it used; and the hot-spot table it
// filled (a view of the global table, good until the next pass).
struct ChartPassResult {
    ChartLayout layout;
    SystemTime time;
    Observer observer;
    ChartView view;
    std::vector<PlacedObject> placed;
    std::span<const HotSpot> hotSpots;
    bool sunUp = false;
};
