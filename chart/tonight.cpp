// Tonight's times and list, on one track of the night's sky.
#include "chart/tonight.h"

#include <algorithm>
#include <cmath>

#include "astro/moon_phase.h"
#include "astro/orbits.h"
#include "catalog/designations.h"
#include "catalog/sky_model.h"
#include "chart/chart_annotations.h"
#include "chart/chart_pass.h"
#include "chart/time_basis.h"

namespace {

constexpr double NoLimit = -99.0;
constexpr double TwilightAltitudes[3] = {CivilTwilightAltitude, NauticalTwilightAltitude,
                                         AstronomicalTwilightAltitude};

std::optional<long long> First(const std::vector<Crossing>& crossings, bool rising,
                               long long after = -1) {
    for (const Crossing& crossing : crossings)
        if (crossing.rising == rising && crossing.seconds > after) return crossing.seconds;
    return std::nullopt;
}

long long TotalLength(const std::vector<TimeSpan>& spans) {
    long long total = 0;
    for (const TimeSpan& span : spans) total += span.length();
    return total;
}

// A candidate of the list and the objects it is chosen among.
struct Candidate {
    TonightKind kind;
    FoundObject object;
    double magnitude;
};

std::vector<Candidate> Candidates() {
    std::vector<Candidate> candidates;
    for (int row = MercuryRow; row <= NeptuneRow; ++row)
        candidates.push_back({TonightKind::Planet, {FoundKind::Body, row}, 0.0});
    // The stars with a proper name are those whose designation the names displace.
    for (const StarDesignation& named : LoadDesignations()) {
        const int n = named.number;
        if (n >= 1 && n <= MaxStarNumber && StarTable[n].magnitude < UnloadedMagnitude)
            candidates.push_back({TonightKind::Star, {FoundKind::Star, n}, StarTable[n].magnitude});
    }
    for (int row = 0; row < ConstellationCount && row < MaxConstellations; ++row)
        candidates.push_back({TonightKind::Constellation,
                              {FoundKind::Constellation, row},
                              ThirdBrightestFigureStar(row)});
    const int deepSkyRows = std::min(DeepSkyCount, static_cast<int>(DeepSkyTable.size()));
    for (int row = 0; row < deepSkyRows; ++row)
        candidates.push_back(
            {TonightKind::DeepSky, {FoundKind::DeepSky, row}, DeepSkyTable[row].magnitude});
    return candidates;
}

int RowsOf(TonightKind kind) {
    switch (kind) {
        case TonightKind::Star:
            return TonightStarRows;
        case TonightKind::Constellation:
            return TonightConstellationRows;
        case TonightKind::DeepSky:
            return TonightDeepSkyRows;
        case TonightKind::Planet:
            break;
    }
    return NeptuneRow - MercuryRow + 1;
}

// The Sun's part of the night: setting, rising, twilight and how dark it gets.
void FollowTheSun(const SkyTrack& track, Tonight& tonight) {
    const long long span = track.span();
    const SkyTarget sun{true, SunRow};
    const AltitudeCurve sunCurve(track, sun);
    const std::vector<Crossing> crossings = FindCrossings(sunCurve, 0, span);
    const std::optional<long long> sunset = First(crossings, false);
    const std::optional<long long> sunrise = First(crossings, true, sunset.value_or(-1));
    if (sunset) tonight.sunset = track.ClockAt(*sunset);
    if (sunrise) tonight.sunrise = track.ClockAt(*sunrise);
    const bool upAtStart = sunCurve.Above(0.0) > 0.0;
    tonight.midnightSun = crossings.empty() && upAtStart;
    tonight.polarNight = crossings.empty() && !upAtStart;
    tonight.sunLowest = FindLowest(sunCurve, 0, span).altitude;
    for (int level = 0; level < 3; ++level) {
        const AltitudeCurve twilight(track, sun, TwilightAltitudes[level]);
        const std::vector<Crossing> ends = FindCrossings(twilight, 0, span);
        const std::optional<long long> dusk = First(ends, false);
        const std::optional<long long> dawn = First(ends, true, dusk.value_or(-1));
        if (dusk) tonight.dusk[level] = track.ClockAt(*dusk);
        if (dawn) tonight.dawn[level] = track.ClockAt(*dawn);
    }
    tonight.darkness = NightDarkness::None;
    for (int level = 2; level >= 0; --level) {
        if (tonight.sunLowest < TwilightAltitudes[level]) {
            tonight.darkness = static_cast<NightDarkness>(2 - level);
            tonight.darknessAltitude = TwilightAltitudes[level];
            break;
        }
    }
}

std::vector<ClockSpan> OnTheClock(const SkyTrack& track, const std::vector<TimeSpan>& spans) {
    std::vector<ClockSpan> clock;
    for (const TimeSpan& span : spans)
        clock.push_back({track.ClockAt(span.begin), track.ClockAt(span.end)});
    return clock;
}

}  // namespace

NightSpan NightOf(const SystemTime& clock) {
    SystemTime noon = clock;
    noon.hour = 12;
    noon.minute = noon.second = noon.milliseconds = 0;
    if (clock.hour < 12) noon = ShiftSystemTime(noon, -86400);
    noon = ShiftSystemTime(noon, 0);  // the day of the week to match
    return {noon, ShiftSystemTime(noon, 86400)};
}

double ThirdBrightestFigureStar(int row) {
    if (row < 0 || row >= MaxConstellations) return 99.0;
    const Constellation& constellation = ConstellationTable[row];
    std::vector<int> stars;
    for (int k = 0; k < constellation.pointCount && k < MaxFigurePoints; ++k) {
        const int n = constellation.points[k];
        if (n >= 1 && n <= MaxStarNumber && StarTable[n].magnitude < UnloadedMagnitude &&
            std::find(stars.begin(), stars.end(), n) == stars.end())
            stars.push_back(n);
    }
    if (stars.size() < 3) return 99.0;
    std::vector<double> magnitudes;
    for (int n : stars) magnitudes.push_back(StarTable[n].magnitude);
    std::nth_element(magnitudes.begin(), magnitudes.begin() + 2, magnitudes.end());
    return magnitudes[2];
}

double TonightMagnitudeLimit(TonightKind kind, double darknessAltitude, double moonGlare) {
    const bool astronomical = darknessAltitude <= AstronomicalTwilightAltitude;
    const bool nautical = darknessAltitude <= NauticalTwilightAltitude;
    const bool civil = darknessAltitude <= CivilTwilightAltitude;
    if (!civil) return NoLimit;
    switch (kind) {
        case TonightKind::Planet:
            return 99.0;
        case TonightKind::Star:
            return nautical ? 2.0 : 1.0;
        case TonightKind::Constellation:
            return astronomical ? 3.0 : 2.5;
        case TonightKind::DeepSky:
            if (!nautical) return NoLimit;
            return (astronomical ? 6.0 : 4.5) - 2.5 * std::clamp(moonGlare, 0.0, 1.0);
    }
    return NoLimit;
}

Tonight ComputeTonight(const SystemTime& clock, const ChartView& view, double latitude,
                       const ObjectIndex& index) {
    Tonight tonight;
    tonight.night = NightOf(clock);
    const long long span = 86400 - (CivilOffsetSeconds(view, tonight.night.end) -
                                    CivilOffsetSeconds(view, tonight.night.begin));
    const SkyTrack track(tonight.night.begin, span, view, latitude);
    FollowTheSun(track, tonight);

    const SkyTarget sun{true, SunRow};
    const AltitudeCurve moon(track, SkyTarget{true, MoonRow});
    const std::vector<Crossing> moonCrossings = FindCrossings(moon, 0, span);
    if (const auto rise = First(moonCrossings, true)) tonight.moonrise = track.ClockAt(*rise);
    if (const auto set = First(moonCrossings, false)) tonight.moonset = track.ClockAt(*set);
    const bool moonUpAtStart = moon.Above(0.0) > 0.0;
    tonight.moonUpAllNight = moonCrossings.empty() && moonUpAtStart;
    tonight.moonDownAllNight = moonCrossings.empty() && !moonUpAtStart;

    std::vector<TimeSpan> dark;
    if (tonight.darkness != NightDarkness::None)
        dark = SpansUp(AltitudeCurve(track, sun, tonight.darknessAltitude), 0, span, false);
    const std::vector<TimeSpan> astronomicalDark =
        SpansUp(AltitudeCurve(track, sun, AstronomicalTwilightAltitude), 0, span, false);
    tonight.dark = OnTheClock(track, dark);
    tonight.darkWindows =
        OnTheClock(track, Intersect(astronomicalDark, SpansUp(moon, 0, span, false)));

    long long middle = span / 2;
    if (!dark.empty()) {
        const TimeSpan longest = *std::max_element(
            dark.begin(), dark.end(),
            [](const TimeSpan& a, const TimeSpan& b) { return a.length() < b.length(); });
        middle = longest.begin + longest.length() / 2;
    }
    tonight.middleOfDarkness = track.ClockAt(middle);
    PrepareSky(tonight.middleOfDarkness, view, latitude);
    double sunRa = 0, sunDec = 0, moonRa = 0, moonDec = 0;
    GetBodyPosition(SunRow, sunRa, sunDec);
    GetBodyPosition(MoonRow, moonRa, moonDec);
    tonight.moonLit = MoonLitFraction(MoonElongation(sunRa, sunDec, moonRa, moonDec));
    tonight.moonWaxing = std::fmod(moonRa - sunRa + 48.0, 24.0) < 12.0;
    const long long darkLength = TotalLength(dark);
    if (darkLength > 0)
        tonight.moonGlare =
            tonight.moonLit *
            static_cast<double>(TotalLength(Intersect(dark, SpansUp(moon, 0, span)))) /
            static_cast<double>(darkLength);

    // Every candidate's highest point in darkness, then the rules.
    std::vector<TonightObject> chosen[4];
    for (const Candidate& candidate : Candidates()) {
        if (dark.empty()) break;
        const AltitudeCurve curve(track, TargetOf(candidate.object), 0.0);
        Extreme best{dark.front().begin, -90.0};
        for (const TimeSpan& part : dark) {
            const Extreme highest = FindHighest(curve, part.begin, part.end);
            if (highest.altitude > best.altitude) best = highest;
        }
        const bool planet = candidate.kind == TonightKind::Planet;
        if (!(best.altitude > (planet ? 0.0 : TonightMinimumAltitude - 1e-9)) ||
            candidate.magnitude >
                TonightMagnitudeLimit(candidate.kind, tonight.darknessAltitude, tonight.moonGlare))
            continue;
        const std::string label =
            candidate.kind == TonightKind::Constellation
                ? IauConstellationName(ConstellationTable[candidate.object.index])
                : index.Label(candidate.object);
        chosen[static_cast<int>(candidate.kind)].push_back(
            {candidate.kind, candidate.object, label, candidate.magnitude,
             track.ClockAt(best.seconds), best.altitude, best.seconds});
    }
    for (std::vector<TonightObject>& kind : chosen) {
        std::stable_sort(kind.begin(), kind.end(),
                         [](const auto& a, const auto& b) { return a.magnitude < b.magnitude; });
        if (!kind.empty() && static_cast<int>(kind.size()) > RowsOf(kind.front().kind))
            kind.resize(static_cast<std::size_t>(RowsOf(kind.front().kind)));
    }
    auto inTimeOrder = [](std::vector<TonightObject>& rows) {
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return a.bestSeconds != b.bestSeconds ? a.bestSeconds < b.bestSeconds
                                                  : a.label < b.label;
        });
    };
    tonight.planets = chosen[static_cast<int>(TonightKind::Planet)];
    inTimeOrder(tonight.planets);
    for (int kind = 1; kind < 4; ++kind)
        tonight.worthALook.insert(tonight.worthALook.end(), chosen[kind].begin(),
                                  chosen[kind].end());
    inTimeOrder(tonight.worthALook);
    PrepareSky(clock, view, latitude);  // the chart's own instant again
    return tonight;
}
