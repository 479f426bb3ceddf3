// Rising, transit and setting by bisection on the chart's own altitude.
#include "chart/rise_set.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "base/translate.h"
#include "catalog/sky_model.h"
#include "chart/chart_support.h"
#include "chart/precise_sky.h"
#include "chart/time_basis.h"

namespace {

constexpr double DegreesPerRadian = 57.295779513082320876798;

// The middle of a constellation's figure: the mean direction of its points, as right ascension
// (hours) and declination (degrees).
void FigureCentre(int row, double& rightAscension, double& declination) {
    double x = 0, y = 0, z = 0;
    if (row >= 0 && row < MaxConstellations) {
        const Constellation& constellation = ConstellationTable[row];
        for (int k = 0; k < constellation.pointCount && k < MaxFigurePoints; ++k) {
            const int n = constellation.points[k];
            if (n < 1 || n > MaxStarNumber || StarTable[n].magnitude >= UnloadedMagnitude) continue;
            const double ra = StarTable[n].rightAscension * 15.0 / DegreesPerRadian;
            const double dec = StarTable[n].declination / DegreesPerRadian;
            x += std::cos(dec) * std::cos(ra);
            y += std::cos(dec) * std::sin(ra);
            z += std::sin(dec);
        }
    }
    rightAscension = std::fmod(std::atan2(y, x) * DegreesPerRadian / 15.0 + 24.0, 24.0);
    declination = std::atan2(z, std::hypot(x, y)) * DegreesPerRadian;
}

// Seconds from `from` to the first second in (low, high] at which `holds` is true, given that it
// is false at `low` and true at `high`.
long long Bisect(long long low, long long high, const std::function<bool(long long)>& holds) {
    while (high - low > 1) {
        const long long middle = low + (high - low) / 2;
        (holds(middle) ? high : low) = middle;
    }
    return high;
}

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
    double rightAscension = 0, declination = 0;
    switch (object.kind) {
        case FoundKind::Body:
            BodyToHorizon(observer, object.index, place.altitude, place.azimuth);
            return place;
        case FoundKind::Star:
            if (object.index >= 1 && object.index <= MaxStarNumber) {
                rightAscension = StarTable[object.index].rightAscension;
                declination = StarTable[object.index].declination;
            }
            break;
        case FoundKind::DeepSky:
            if (object.index >= 0 && object.index < static_cast<int>(DeepSkyTable.size())) {
                rightAscension = DeepSkyTable[object.index].rightAscension;
                declination = DeepSkyTable[object.index].declination;
            }
            break;
        case FoundKind::Constellation:
            FigureCentre(object.index, rightAscension, declination);
            break;
    }
    CatalogueHorizon(observer, rightAscension, declination, place.altitude, place.azimuth);
    return place;
}

RiseTransitSet NextRiseTransitSet(const FoundObject& object, const SystemTime& from,
                                  const ChartView& view, double latitude) {
    auto placeAt = [&](long long seconds) {
        return FoundPlace(object, AddSeconds(from, seconds), view, latitude);
    };
    auto above = [&](long long seconds) { return AboveHorizon(placeAt(seconds).altitude); };
    // East of the meridian (azimuth 0..180, open) before the transit, west after it.
    auto west = [&](long long seconds) {
        return std::sin(placeAt(seconds).azimuth / DegreesPerRadian) <= 0.0;
    };

    RiseTransitSet times;
    bool everAbove = false, everBelow = false;
    const long long end = RiseSetSearchHours * 3600LL;
    SkyPlace previous = placeAt(0);
    for (long long t = RiseSetScanSeconds; t <= end; t += RiseSetScanSeconds) {
        const SkyPlace place = placeAt(t);
        const long long low = t - RiseSetScanSeconds;
        const bool wasAbove = AboveHorizon(previous.altitude),
                   isAbove = AboveHorizon(place.altitude);
        (wasAbove ? everAbove : everBelow) = true;
        if (!times.rising && !wasAbove && isAbove)
            times.rising = AddSeconds(from, Bisect(low, t, above));
        if (!times.setting && wasAbove && !isAbove)
            times.setting =
                AddSeconds(from, Bisect(low, t, [&](long long s) { return !above(s); }));
        if (!times.transit && std::sin(previous.azimuth / DegreesPerRadian) > 0.0 &&
            std::sin(place.azimuth / DegreesPerRadian) <= 0.0) {
            const long long at = Bisect(low, t, west);
            if (AboveHorizon(placeAt(at).altitude)) times.transit = AddSeconds(from, at);
        }
        previous = place;
    }
    (AboveHorizon(previous.altitude) ? everAbove : everBelow) = true;
    times.neverRises = !everAbove;
    times.neverSets = !everBelow;
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
