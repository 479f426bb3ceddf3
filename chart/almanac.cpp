// The almanac's search: a sky sampled once an hour, every object's altitude read between the
// samples by interpolation, and the risings, settings, transits and highest points found on it.
#include "chart/almanac.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "astro/orbits.h"
#include "astro/precise.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/precise_sky.h"
#include "chart/time_basis.h"

namespace {

constexpr double DegreesPerRadian = 57.295779513082320876798;
constexpr int SampleSeconds = 3600;
// Radii for the Moon's parallax and semidiameter: the Earth's equatorial radius (WGS84) and the
// Moon's, as the IAU's ratio of the two, 0.2725076, gives it.
constexpr double EarthRadiusKm = 6378.137;
constexpr double MoonRadiusKm = 0.2725076 * EarthRadiusKm;

// `value` moved by whole turns of `turn` to lie within half a turn of `previous`, so that
// sidereal time and right ascension run on past 24 hours instead of jumping back to 0.
double Continue(double value, double previous, double turn) {
    return value + turn * std::round((previous - value) / turn);
}

// The point in [a, b] where `g` is largest, to within a second, by golden-section search; `g`
// is taken to rise to one peak and fall again there.
template <typename Function>
double GoldenMaximum(const Function& g, double a, double b) {
    constexpr double InverseRatio = 0.6180339887498949;
    double c = b - InverseRatio * (b - a), d = a + InverseRatio * (b - a);
    double gc = g(c), gd = g(d);
    while (b - a > 1.0) {
        if (gc >= gd) {
            b = d;
            d = c;
            gd = gc;
            c = b - InverseRatio * (b - a);
            gc = g(c);
        } else {
            a = c;
            c = d;
            gc = gd;
            d = a + InverseRatio * (b - a);
            gd = g(d);
        }
    }
    return (a + b) / 2;
}

// The curve read every step from one step before `from` to one after `to`, with the turning
// points found between the steps: between two neighbours of the list the curve only rises or
// only falls, so every crossing lies between two neighbours on opposite sides of zero.
struct CurvePoint {
    long long seconds;
    double above;
};
std::vector<CurvePoint> MonotonePoints(const AltitudeCurve& curve, long long from, long long to) {
    std::vector<CurvePoint> grid;
    for (long long t = from - CurveStepSeconds;; t += CurveStepSeconds) {
        const long long at = std::min(t, to + CurveStepSeconds);
        grid.push_back({at, curve.Above(static_cast<double>(at))});
        if (at >= to + CurveStepSeconds) break;
    }
    std::vector<CurvePoint> points{grid.front()};
    for (std::size_t i = 1; i + 1 < grid.size(); ++i) {
        const double before = grid[i].above - grid[i - 1].above;
        const double after = grid[i + 1].above - grid[i].above;
        if (before * after < 0.0) {
            const double sign = before > 0.0 ? 1.0 : -1.0;
            const double turn = GoldenMaximum([&](double t) { return sign * curve.Above(t); },
                                              static_cast<double>(grid[i - 1].seconds),
                                              static_cast<double>(grid[i + 1].seconds));
            const long long at = std::llround(turn);
            if (at > points.back().seconds && at < grid[i + 1].seconds && at != grid[i].seconds) {
                const CurvePoint extra{at, curve.Above(static_cast<double>(at))};
                if (at < grid[i].seconds) {
                    points.push_back(extra);
                    points.push_back(grid[i]);
                } else {
                    points.push_back(grid[i]);
                    points.push_back(extra);
                }
                continue;
            }
        }
        points.push_back(grid[i]);
    }
    points.push_back(grid.back());
    return points;
}

// The first whole second in (low, high] whose state (up or not) is that of `high`, the state at
// `low` being the other.
template <typename Holds>
long long FirstSecond(long long low, long long high, const Holds& holds) {
    while (high - low > 1) {
        const long long middle = low + (high - low) / 2;
        (holds(middle) ? high : low) = middle;
    }
    return high;
}

Extreme FindExtreme(const AltitudeCurve& curve, long long from, long long to, double sign) {
    auto height = [&](double t) { return sign * curve.Altitude(t); };
    long long best = from;
    double bestHeight = height(static_cast<double>(from));
    for (long long t = from;; t += CurveStepSeconds) {
        const long long at = std::min(t, to);
        const double h = height(static_cast<double>(at));
        if (h > bestHeight) {
            best = at;
            bestHeight = h;
        }
        if (at >= to) break;
    }
    const long long low = std::max(from, best - CurveStepSeconds);
    const long long high = std::min(to, best + CurveStepSeconds);
    if (high > low) {
        const long long refined = std::llround(
            GoldenMaximum(height, static_cast<double>(low), static_cast<double>(high)));
        if (height(static_cast<double>(refined)) > bestHeight) best = refined;
    }
    return {best, curve.Altitude(static_cast<double>(best))};
}

}  // namespace

double MoonEventAltitude(double distanceKm, bool topocentric) {
    const double semidiameter = std::asin(MoonRadiusKm / distanceKm) * DegreesPerRadian;
    const double parallax =
        topocentric ? 0.0 : std::asin(EarthRadiusKm / distanceKm) * DegreesPerRadian;
    return parallax - semidiameter - HorizonRefraction;
}

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

SkyTarget TargetOf(const FoundObject& object) {
    SkyTarget target;
    switch (object.kind) {
        case FoundKind::Body:
            target.body = true;
            target.row = object.index;
            break;
        case FoundKind::Star:
            if (object.index >= 1 && object.index <= MaxStarNumber) {
                target.rightAscension = StarTable[object.index].rightAscension;
                target.declination = StarTable[object.index].declination;
            }
            break;
        case FoundKind::DeepSky:
            if (object.index >= 0 && object.index < static_cast<int>(DeepSkyTable.size())) {
                target.rightAscension = DeepSkyTable[object.index].rightAscension;
                target.declination = DeepSkyTable[object.index].declination;
            }
            break;
        case FoundKind::Constellation:
            FigureCentre(object.index, target.rightAscension, target.declination);
            break;
    }
    return target;
}

SkyTrack::SkyTrack(const SystemTime& from, long long spanSeconds, const ChartView& view,
                   double latitude)
    : span_(std::max(0LL, spanSeconds)), view_(view) {
    startUniversal_ =
        ShiftSystemTime(from, -static_cast<long long>(CivilOffsetSeconds(view, from)));
    startUniversal_.milliseconds = 0;
    LatitudeSinCos(latitude, sinLatitude_, cosLatitude_);
    // PrepareSky of each sample at its instant in UT: the view without its clock.
    ChartView universal = view;
    universal.zone.reset();
    universal.utcOffsetSeconds = 0;
    const bool topocentric = view.precise && view.placeCaption;
    const long long count = span_ / SampleSeconds + 4;
    samples_.resize(static_cast<std::size_t>(count));
    for (long long k = 0; k < count; ++k) {
        const SystemTime ut = ShiftSystemTime(startUniversal_, (k - 1) * SampleSeconds);
        const Observer observer = PrepareSky(ut, universal, latitude);
        if (k == count / 2) middle_ = observer;
        Sample& sample = samples_[static_cast<std::size_t>(k)];
        const Sample* previous = k > 0 ? &samples_[static_cast<std::size_t>(k - 1)] : nullptr;
        sample.siderealTime = observer.siderealTime;
        if (previous)
            sample.siderealTime = Continue(sample.siderealTime, previous->siderealTime, 24);
        for (int row = SunRow; row < BodyCount; ++row) {
            GetBodyPosition(row, sample.rightAscension[row], sample.declination[row]);
            if (previous)
                sample.rightAscension[row] =
                    Continue(sample.rightAscension[row], previous->rightAscension[row], 24);
        }
        const double day = ut.day + DecimalHours(ut.hour, ut.minute, ut.second) / 24.0;
        const double distance = MoonDistanceKm(JulianDate(ut.year, ut.month, day));
        sample.moonEventSine =
            std::sin(MoonEventAltitude(distance, topocentric) / DegreesPerRadian);
    }
}

SystemTime SkyTrack::UniversalAt(long long seconds) const {
    return ShiftSystemTime(startUniversal_, seconds);
}

SystemTime SkyTrack::ClockAt(long long seconds) const {
    const SystemTime ut = UniversalAt(seconds);
    const int offset = view_.zone ? view_.zone->OffsetAtUniversal(ut) : view_.utcOffsetSeconds;
    return ShiftSystemTime(ut, offset);
}

long long SkyTrack::SecondsTo(const SystemTime& clock) const {
    return SecondsBetween(startUniversal_, clock) - CivilOffsetSeconds(view_, clock);
}

// Four-point Lagrange interpolation on the samples at hours j-1, j, j+1 and j+2 about an instant
// u hours into the hour after sample j (u in [0, 1], nodes at -1, 0, 1, 2).
SkyTrack::Weights SkyTrack::WeightsAt(double seconds) const {
    const double hours = seconds / SampleSeconds;
    const int last = static_cast<int>(samples_.size()) - 4;
    Weights weights;
    weights.first = std::clamp(static_cast<int>(std::floor(hours)), 0, std::max(last, 0));
    const double u = hours - weights.first;
    weights.w[0] = -u * (u - 1) * (u - 2) / 6;
    weights.w[1] = (u + 1) * (u - 1) * (u - 2) / 2;
    weights.w[2] = -(u + 1) * u * (u - 2) / 2;
    weights.w[3] = (u + 1) * u * (u - 1) / 6;
    return weights;
}

double SkyTrack::Interpolate(const Weights& weights, double Sample::*field) const {
    const Sample* s = &samples_[static_cast<std::size_t>(weights.first)];
    return weights.w[0] * s[0].*field + weights.w[1] * s[1].*field + weights.w[2] * s[2].*field +
           weights.w[3] * s[3].*field;
}

double SkyTrack::Interpolate(const Weights& weights, double (Sample::*field)[BodyCount],
                             int row) const {
    const Sample* s = &samples_[static_cast<std::size_t>(weights.first)];
    return weights.w[0] * (s[0].*field)[row] + weights.w[1] * (s[1].*field)[row] +
           weights.w[2] * (s[2].*field)[row] + weights.w[3] * (s[3].*field)[row];
}

AltitudeCurve::AltitudeCurve(const SkyTrack& track, const SkyTarget& target,
                             std::optional<double> eventAltitude)
    : track_(&track), target_(target) {
    if (target.body)
        target_.row = std::clamp(target.row, static_cast<int>(SunRow), static_cast<int>(PlutoRow));
    double altitude = PointEventAltitude;
    if (eventAltitude) {
        altitude = *eventAltitude;
    } else if (target.body && target_.row == SunRow) {
        altitude = SunEventAltitude;
    } else if (target.body && target_.row == MoonRow) {
        moonLimb_ = true;
    }
    eventSine_ = std::sin(altitude / DegreesPerRadian);
    if (!target.body) {
        CataloguePlace(track.middle_, target.rightAscension, target.declination,
                       target_.rightAscension, target_.declination);
        sinDeclination_ = std::sin(target_.declination / DegreesPerRadian);
        cosDeclination_ = std::cos(target_.declination / DegreesPerRadian);
    }
}

void AltitudeCurve::Place(const SkyTrack::Weights& weights, double& rightAscension,
                          double& declination, double& eventSine) const {
    eventSine =
        moonLimb_ ? track_->Interpolate(weights, &SkyTrack::Sample::moonEventSine) : eventSine_;
    if (!target_.body) {
        rightAscension = target_.rightAscension;
        declination = target_.declination;
        return;
    }
    rightAscension = track_->Interpolate(weights, &SkyTrack::Sample::rightAscension, target_.row);
    declination = track_->Interpolate(weights, &SkyTrack::Sample::declination, target_.row);
}

double AltitudeCurve::HourAngle(double seconds) const {
    const SkyTrack::Weights weights = track_->WeightsAt(seconds);
    double rightAscension = 0, declination = 0, eventSine = 0;
    Place(weights, rightAscension, declination, eventSine);
    return track_->Interpolate(weights, &SkyTrack::Sample::siderealTime) - rightAscension;
}

double AltitudeCurve::SinAltitude(double seconds, double& eventSine) const {
    const SkyTrack::Weights weights = track_->WeightsAt(seconds);
    double rightAscension = 0, declination = 0;
    Place(weights, rightAscension, declination, eventSine);
    const double hourAngle =
        (track_->Interpolate(weights, &SkyTrack::Sample::siderealTime) - rightAscension) * 15.0 /
        DegreesPerRadian;
    double sinD = sinDeclination_, cosD = cosDeclination_;
    if (target_.body) {
        sinD = std::sin(declination / DegreesPerRadian);
        cosD = std::cos(declination / DegreesPerRadian);
    }
    return sinD * track_->sinLatitude_ + cosD * track_->cosLatitude_ * std::cos(hourAngle);
}

double AltitudeCurve::Above(double seconds) const {
    double eventSine = 0;
    const double sinAltitude = SinAltitude(seconds, eventSine);
    return sinAltitude - eventSine;
}

double AltitudeCurve::Altitude(double seconds) const {
    double eventSine = 0;
    const double sinAltitude = SinAltitude(seconds, eventSine);
    return std::asin(std::clamp(sinAltitude, -1.0, 1.0)) * DegreesPerRadian;
}

std::vector<Crossing> FindCrossings(const AltitudeCurve& curve, long long from, long long to) {
    std::vector<Crossing> crossings;
    if (to <= from) return crossings;
    const std::vector<CurvePoint> points = MonotonePoints(curve, from, to);
    auto up = [&](long long t) { return curve.Above(static_cast<double>(t)) > 0.0; };
    for (std::size_t i = 1; i < points.size(); ++i) {
        const bool wasUp = points[i - 1].above > 0.0, isUp = points[i].above > 0.0;
        if (wasUp == isUp) continue;
        const long long at = FirstSecond(points[i - 1].seconds, points[i].seconds,
                                         [&](long long t) { return up(t) == isUp; });
        if (at > from && at <= to) crossings.push_back({at, isUp});
    }
    return crossings;
}

std::vector<long long> FindTransits(const AltitudeCurve& curve, long long from, long long to) {
    std::vector<long long> transits;
    auto turn = [&](long long t) {
        return std::floor(curve.HourAngle(static_cast<double>(t)) / 24.0);
    };
    for (long long t = from; t < to; t += CurveStepSeconds) {
        const long long next = std::min(t + CurveStepSeconds, to);
        const double before = turn(t);
        if (turn(next) > before)
            transits.push_back(FirstSecond(t, next, [&](long long s) { return turn(s) > before; }));
    }
    return transits;
}

Extreme FindHighest(const AltitudeCurve& curve, long long from, long long to) {
    return FindExtreme(curve, from, std::max(from, to), 1.0);
}

Extreme FindLowest(const AltitudeCurve& curve, long long from, long long to) {
    return FindExtreme(curve, from, std::max(from, to), -1.0);
}

std::vector<TimeSpan> SpansUp(const AltitudeCurve& curve, long long from, long long to, bool up) {
    std::vector<TimeSpan> spans;
    if (to <= from) return spans;
    bool inside = (curve.Above(static_cast<double>(from)) > 0.0) == up;
    long long begin = from;
    for (const Crossing& crossing : FindCrossings(curve, from, to)) {
        if (inside) spans.push_back({begin, crossing.seconds});
        inside = crossing.rising == up;
        begin = crossing.seconds;
    }
    if (inside && to > begin) spans.push_back({begin, to});
    return spans;
}

std::vector<TimeSpan> Intersect(const std::vector<TimeSpan>& a, const std::vector<TimeSpan>& b) {
    std::vector<TimeSpan> both;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const long long begin = std::max(a[i].begin, b[j].begin);
        const long long end = std::min(a[i].end, b[j].end);
        if (end > begin) both.push_back({begin, end});
        (a[i].end < b[j].end ? i : j) += 1;
    }
    return both;
}
