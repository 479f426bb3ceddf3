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

// "Jan 15 21:03", in the user's language.
std::string ShortTime(const SystemTime& time) {
    //: The month's short name, the day of the month, the hour and the minute.
    return FormatText(VQ_FORMAT("Readout", "%s %d %02d:%02d"), MonthAbbreviation(time.month),
                      time.day, time.hour, time.minute);
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
    static constexpr const char* Points[] = {
        VQ_TRANSLATE_NOOP("Compass", "N"),  VQ_TRANSLATE_NOOP("Compass", "NNE"),
        VQ_TRANSLATE_NOOP("Compass", "NE"), VQ_TRANSLATE_NOOP("Compass", "ENE"),
        VQ_TRANSLATE_NOOP("Compass", "E"),  VQ_TRANSLATE_NOOP("Compass", "ESE"),
        VQ_TRANSLATE_NOOP("Compass", "SE"), VQ_TRANSLATE_NOOP("Compass", "SSE"),
        VQ_TRANSLATE_NOOP("Compass", "S"),  VQ_TRANSLATE_NOOP("Compass", "SSW"),
        VQ_TRANSLATE_NOOP("Compass", "SW"), VQ_TRANSLATE_NOOP("Compass", "WSW"),
        VQ_TRANSLATE_NOOP("Compass", "W"),  VQ_TRANSLATE_NOOP("Compass", "WNW"),
        VQ_TRANSLATE_NOOP("Compass", "NW"), VQ_TRANSLATE_NOOP("Compass", "NNW")};
    if (!std::isfinite(azimuth)) return "";
    const double sector = std::fmod(std::fmod(azimuth, 360.0) + 360.0 + 11.25, 360.0) / 22.5;
    return Points[static_cast<int>(sector) % 16];
}

std::string DescribeFound(const std::string& label, const SkyPlace& place,
                          const RiseTransitSet& times) {
    std::string where;
    if (AboveHorizon(place.altitude)) {
        //: The altitude and the azimuth, angles such as 24.5 degrees, and the compass direction.
        where = FormatText(VQ_FORMAT("Readout", "altitude %s, azimuth %s (%s)"),
                           FormatDecimal(place.altitude, 1) + "\xb0",
                           FormatDecimal(place.azimuth, 1) + "\xb0",
                           Translate("Compass", CompassDirection(place.azimuth)));
    } else if (times.up) {
        // Risen by the almanac's convention, but not yet above the chart's horizon.
        //: The azimuth, an angle such as 71.2 degrees, and the compass direction.
        where = FormatText(VQ_FORMAT("Readout", "on the horizon, azimuth %s (%s)"),
                           FormatDecimal(place.azimuth, 1) + "\xb0",
                           Translate("Compass", CompassDirection(place.azimuth)));
    } else {
        where = Translate("Readout", "below the horizon");
    }
    std::string text = label + ": " + where;
    if (times.neverRises) return text + "; " + Translate("Readout", "never rises");
    // The events in the order they come.
    std::vector<std::pair<std::string, std::string>> events;  // ISO time, words
    auto event = [&](TranslatableFormat words, const std::optional<SystemTime>& at) {
        if (at) events.emplace_back(IsoTime(*at), FormatText(words, ShortTime(*at)));
    };
    //: The next rising; %s is its date and time, such as "Jan 15 21:03".
    event(VQ_FORMAT("Readout", "rises %s"), times.rising);
    event(VQ_FORMAT("Readout", "transits %s"), times.transit);
    event(VQ_FORMAT("Readout", "sets %s"), times.setting);
    std::sort(events.begin(), events.end());
    for (const auto& [at, words] : events) text += "; " + words;
    if (times.neverSets) text += "; " + Translate("Readout", "never sets");
    return text;
}
