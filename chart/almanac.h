// Times of rising, setting, transit and twilight, and the highest point of an object over a span
// of time, as an almanac gives them.
//
// The convention: an object rises or sets when its upper edge stands on the horizon as seen
// through the average atmosphere, which lifts an object at the horizon by 34 arcminutes. For the
// centre of the object, geometrically:
//   the Sun (semidiameter 16'):            -0 deg 50'
//   stars, planets, deep-sky objects:      -0 deg 34'
//   the Moon, seen from the Earth's centre: HP - SD - 34', HP its horizontal parallax and SD its
//     semidiameter, both from its distance (about +0.7 HP - 34' with SD = 0.2725 HP); seen from
//     the observer's place, where the parallax is already in the place: -SD - 34'.
// Twilight is timed by the Sun's centre at -6 (civil), -12 (nautical) and -18 degrees
// (astronomical), without refraction. The chart itself keeps drawing what stands above 0.
//
// The search samples the sky once an hour with PrepareSky, as the chart computes it, and reads
// every object's altitude between the samples from the sky's quantities (sidereal time, the
// bodies' right ascension and declination, the Moon's distance) interpolated with four-point
// Lagrange polynomials. One track serves every object followed over the same span: a night with
// three hundred objects costs one hourly pass of the sky, not three hundred.
#pragma once

#include <optional>
#include <vector>

#include "astro/orbits.h"
#include "chart/object_index.h"
#include "chart/pass_values.h"

// Altitudes of the centre (degrees) at rising and setting, and of the Sun at the ends of
// twilight.
inline constexpr double HorizonRefraction = 34.0 / 60.0;
inline constexpr double SunEventAltitude = -50.0 / 60.0;
inline constexpr double PointEventAltitude = -HorizonRefraction;
inline constexpr double CivilTwilightAltitude = -6.0;
inline constexpr double NauticalTwilightAltitude = -12.0;
inline constexpr double AstronomicalTwilightAltitude = -18.0;

// The Moon's centre at rising and setting (degrees) at `distanceKm` from the Earth's centre,
// seen from there (topocentric false) or from the observer's place.
double MoonEventAltitude(double distanceKm, bool topocentric);

// What a track follows: a body of BodyTable, or a fixed place of the catalogue (J2000 right
// ascension in hours and declination in degrees, carried to the date with precise positions).
struct SkyTarget {
    bool body = false;
    int row = 0;
    double rightAscension = 0.0;
    double declination = 0.0;
};

// The target of a found object; a constellation stands at the middle of its figure.
SkyTarget TargetOf(const FoundObject& object);

// The middle of constellation row `row`'s figure: the mean direction of its points, as right
// ascension (hours) and declination (degrees).
void FigureCentre(int row, double& rightAscension, double& declination);

// The sky over a span, sampled once for every object that follows it. Times on the track are
// seconds of UT from its start.
class SkyTrack {
  public:
    // The span of `spanSeconds` after `from`, a time on the picker's clock under the view's time
    // basis. BodyTable is left at the last sample.
    SkyTrack(const SystemTime& from, long long spanSeconds, const ChartView& view, double latitude);

    long long span() const { return span_; }
    // The instant `seconds` after the start: in UT, and as the picker's clock shows it (the
    // offset in force at that instant, so that a clock change within the span is followed).
    SystemTime UniversalAt(long long seconds) const;
    SystemTime ClockAt(long long seconds) const;
    // Seconds from the start to a time on the picker's clock.
    long long SecondsTo(const SystemTime& clock) const;

  private:
    friend class AltitudeCurve;
    struct Sample {
        double siderealTime = 0.0;              // hours, local, continued past 24
        double rightAscension[BodyCount] = {};  // hours, continued past 24
        double declination[BodyCount] = {};
        double moonEventSine = 0.0;  // sine of MoonEventAltitude
    };
    // Interpolation weights and the first of the four samples for an instant.
    struct Weights {
        int first = 0;
        double w[4] = {};
    };
    Weights WeightsAt(double seconds) const;
    double Interpolate(const Weights& weights, double Sample::*field) const;
    double Interpolate(const Weights& weights, double (Sample::*field)[BodyCount], int row) const;

    SystemTime startUniversal_;
    long long span_ = 0;
    ChartView view_;
    double sinLatitude_ = 0.0;
    double cosLatitude_ = 1.0;
    Observer middle_;  // the observer of the middle sample: catalogue places of the date
    std::vector<Sample> samples_;  // from one sample before the start to two after the end
};

// One target's altitude along a track, with the altitude at which it rises and sets: the
// convention's (nothing given) or any other (the Sun's twilight altitudes; 0 for the chart's
// horizon).
class AltitudeCurve {
  public:
    AltitudeCurve(const SkyTrack& track, const SkyTarget& target,
                  std::optional<double> eventAltitude = std::nullopt);

    // Altitude (degrees) `seconds` after the track's start.
    double Altitude(double seconds) const;
    // Positive while the target is up (above its event altitude), in the sine of the altitude.
    double Above(double seconds) const;
    // The hour angle (hours), continued past 24: each multiple of 24 is an upper transit.
    double HourAngle(double seconds) const;
    const SkyTrack& track() const { return *track_; }

  private:
    void Place(const SkyTrack::Weights& weights, double& rightAscension, double& declination,
               double& eventSine) const;
    double SinAltitude(double seconds, double& eventSine) const;

    const SkyTrack* track_;
    SkyTarget target_;
    bool moonLimb_ = false;
    double eventSine_ = 0.0;
    double sinDeclination_ = 0.0;
    double cosDeclination_ = 1.0;
};

// The scan step between the samples at which the curve is read directly; between two steps the
// curve's turning points are looked for, so that an object up for less than a step is not missed.
inline constexpr int CurveStepSeconds = 600;

// A rising (the first second at which the target is up) or a setting (the first at which it no
// longer is), in whole seconds after the track's start.
struct Crossing {
    long long seconds = 0;
    bool rising = false;
};
// Every rising and setting in (from, to], in time order.
std::vector<Crossing> FindCrossings(const AltitudeCurve& curve, long long from, long long to);

// Upper transits (the second the hour angle passes 0) in (from, to], in time order.
std::vector<long long> FindTransits(const AltitudeCurve& curve, long long from, long long to);

// The highest (or lowest) point in [from, to]: its time, to the second, and altitude.
struct Extreme {
    long long seconds = 0;
    double altitude = 0.0;
};
Extreme FindHighest(const AltitudeCurve& curve, long long from, long long to);
Extreme FindLowest(const AltitudeCurve& curve, long long from, long long to);

// Spans of time, as seconds after a track's start.
struct TimeSpan {
    long long begin = 0;
    long long end = 0;
    long long length() const { return end - begin; }
};
// When the curve is up (or, `up` false, down) within [from, to], from its crossings.
std::vector<TimeSpan> SpansUp(const AltitudeCurve& curve, long long from, long long to,
                              bool up = true);
// The times in both lists.
std::vector<TimeSpan> Intersect(const std::vector<TimeSpan>& a, const std::vector<TimeSpan>& b);
