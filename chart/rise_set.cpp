// Rising, transit and setting by the almanac's convention, on a track of the sky.
#include "chart/rise_set.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "base/translate.h"
#include "chart/almanac.h"
#include "chart/chart_support.h"
#include "chart/precise_sky.h"
#include "chart/time_basis.h"
#include "chart/tonight_text.h"

namespace {

// "Jan 15 21:03".
std::string ShortTime(const SystemTime& time) {
    static constexpr const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[32];
    std::snprintf(text, sizeof text, "%s %d %02d:%02d",
                  Months[(time.month >= 1 && time.month <= 12) ? time.month - 1 : 0], time.day,
                  time.hour, time.minute);
    return text;
}

}  // namespace

SkyPlace FoundPlace(const FoundObject& object, const SystemTime& time, const ChartView& view,
                    double latitude) {
    const Observer observer = PrepareSky(time, view, latitude);
    SkyPlace place;
    const SkyTarget target = TargetOf(object);
    if (target.body) {
        BodyToHorizon(observer, target.row, place.altitude, place.azimuth);
    } else {
        CatalogueHorizon(observer, target.rightAscension, target.declination, place.altitude,
                         place.azimuth);
    }
    return place;
}

RiseTransitSet NextRiseTransitSet(const FoundObject& object, const SystemTime& from,
                                  const ChartView& view, double latitude) {
    const long long end = RiseSetSearchHours * 3600LL;
    const SkyTrack track(from, end, view, latitude);
    const AltitudeCurve curve(track, TargetOf(object));
    RiseTransitSet times;
    const std::vector<Crossing> crossings = FindCrossings(curve, 0, end);
    for (const Crossing& crossing : crossings) {
        std::optional<SystemTime>& event = crossing.rising ? times.rising : times.setting;
        if (!event) event = track.ClockAt(crossing.seconds);
    }
    for (const long long at : FindTransits(curve, 0, end)) {
        if (curve.Above(static_cast<double>(at)) > 0.0) {
            times.transit = track.ClockAt(at);
            break;
        }
    }
    times.up = curve.Above(0.0) > 0.0;
    times.neverRises = crossings.empty() && !times.up;
    times.neverSets = crossings.empty() && times.up;
    PrepareSky(from, view, latitude);  // the chart's own instant again
    return times;
}

SystemTime AddSeconds(const SystemTime& time, long long seconds) {
    SystemTime result = ShiftSystemTime(time, seconds);
    result.milliseconds = 0;
    return result;
}

std::string IsoTime(const SystemTime& time) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

const char* CompassDirection(double azimuth) {
    static constexpr const char* Points[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                             "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    if (!std::isfinite(azimuth)) return "";
    const double sector = std::fmod(std::fmod(azimuth, 360.0) + 360.0 + 11.25, 360.0) / 22.5;
    return Points[static_cast<int>(sector) % 16];
}

std::string DescribeFound(const std::string& label, const SkyPlace& place,
                          const RiseTransitSet& times) {
    char where[96];
    if (AboveHorizon(place.altitude)) {
        std::snprintf(where, sizeof where, "altitude %.1f\xb0, azimuth %.1f\xb0 (%s)",
                      place.altitude, place.azimuth, CompassDirection(place.azimuth));
    } else if (times.up) {
        // Risen by the almanac's convention, but not yet above the chart's horizon.
        char azimuth[16];
        std::snprintf(azimuth, sizeof azimuth, "%.1f\xb0", place.azimuth);
        std::snprintf(where, sizeof where, "%s",
                      FillIn(Translate("Find", "on the horizon, azimuth %1 (%2)"),
                             {azimuth, CompassDirection(place.azimuth)})
                          .c_str());
    } else {
        std::snprintf(where, sizeof where, "below the horizon");
    }
    std::string text = label + ": " + where;
    if (times.neverRises) return text + "; never rises";
    // The events in the order they come.
    std::vector<std::pair<std::string, std::string>> events;  // ISO time, words
    auto event = [&](const char* name, const std::optional<SystemTime>& at) {
        if (at) events.emplace_back(IsoTime(*at), std::string(name) + " " + ShortTime(*at));
    };
    event("rises", times.rising);
    event("transits", times.transit);
    event("sets", times.setting);
    std::sort(events.begin(), events.end());
    for (const auto& [at, words] : events) text += "; " + words;
    if (times.neverSets) text += "; never sets";
    return text;
}
