// The almanac's track: altitudes read between the hourly samples agree with the chart's own, the
// Moon's rising altitude follows the almanac's rule of thumb, and the clock follows a change of
// offset.
#include "chart/almanac.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "catalog/loaders.h"
#include "chart/chart_support.h"
#include "chart/precise_sky.h"
#include "chart/rise_set.h"
#include "chart/time_basis.h"
#include "chart_fixture.h"

namespace {

using AlmanacTest = ChartFixture;

// Between the samples, every kind of target stands where the chart puts it at that second: the
// model, precise positions without a place (the Moon from the Earth's centre) and with one (the
// Moon from the place, its parallax changing through the day), at 80 and 35 degrees north: within
// a second of arc.
TEST_F(AlmanacTest, AltitudesBetweenSamplesAreTheChartsAltitudes) {
    LoadAllCatalogues();
    const FoundObject objects[] = {{FoundKind::Body, SunRow},   {FoundKind::Body, MoonRow},
                                   {FoundKind::Body, MarsRow},  {FoundKind::Star, 2061},
                                   {FoundKind::DeepSky, 41},    {FoundKind::Constellation, 58},
                                   {FoundKind::Body, PlutoRow}, {FoundKind::Star, 424}};
    std::mt19937 random(7);
    std::uniform_int_distribution<long long> seconds(0, 48 * 3600);
    for (int variant = 0; variant < 3; ++variant) {
        ChartView view;
        view.precise = variant > 0;
        view.placeCaption = variant == 2;
        view.longitude = -151.2;
        const double latitude = variant == 1 ? 80.0 : 35.0;
        const SkyTrack track(Evening, 48 * 3600, view, latitude);
        for (const FoundObject& object : objects) {
            const AltitudeCurve curve(track, TargetOf(object));
            for (int k = 0; k < 12; ++k) {
                const long long t = seconds(random);
                const SkyPlace place = FoundPlace(object, track.ClockAt(t), view, latitude);
                EXPECT_NEAR(curve.Altitude(static_cast<double>(t)), place.altitude, 0.0003)
                    << variant << " " << object.index << " at " << t;
            }
        }
    }
}

// At the Moon's mean distance its centre rises about 0.7275 HP - 34' high seen from the Earth's
// centre (the almanac's rule, HP its horizontal parallax), and 34' plus its semidiameter below
// the horizon seen from the place; nearer, the parallax lifts it more.
TEST(MoonEventAltitude, AlmanacRuleOfThumb) {
    const struct {
        double distance, parallax, semidiameter;  // km, degrees
    } rows[] = {{356500, 1.0251, 0.2794}, {384400, 0.9507, 0.2591}, {406700, 0.8985, 0.2449}};
    for (const auto& row : rows) {
        EXPECT_NEAR(MoonEventAltitude(row.distance, false),
                    0.7275 * row.parallax - HorizonRefraction, 0.002);
        EXPECT_NEAR(MoonEventAltitude(row.distance, true), -row.semidiameter - HorizonRefraction,
                    0.0005);
    }
}

TEST(Intersect, TimesInBothLists) {
    const std::vector<TimeSpan> a{{0, 10}, {20, 30}, {40, 50}}, b{{5, 25}, {28, 45}};
    const std::vector<TimeSpan> both = Intersect(a, b);
    const long long expected[][2] = {{5, 10}, {20, 25}, {28, 30}, {40, 45}};
    ASSERT_EQ(both.size(), std::size(expected));
    for (std::size_t i = 0; i < both.size(); ++i)
        EXPECT_TRUE(both[i].begin == expected[i][0] && both[i].end == expected[i][1]) << i;
}

// A rule of one change: two hours ahead before 2026-10-25 01:00 UT, one hour after (the repeated
// hour's readings taken in their first pass, as Qt takes them).
class OneChange final : public CivilTimeRule {
  public:
    int OffsetSeconds(const SystemTime& civil) const override {
        const SystemTime firstPass = ShiftSystemTime(civil, -7200);
        return firstPass.day < 25 || (firstPass.day == 25 && firstPass.hour < 1) ? 7200 : 3600;
    }
};

// Through the change the clock reads the offset in force at each instant, in the repeated hour
// too; a reading goes back to its instant.
TEST_F(AlmanacTest, ClockFollowsTheOffsetInForce) {
    ChartView view;
    view.zone = std::make_shared<OneChange>();
    const SkyTrack track({2026, 10, 0, 24, 12, 0, 0, 0}, 86400, view, 50.0);  // 10:00 UT
    const char* clocks[] = {"2026-10-25T02:00:00", "2026-10-25T02:30:00", "2026-10-25T02:00:00",
                            "2026-10-25T02:30:00", "2026-10-25T03:00:00"};
    for (int half = 0; half < 5; ++half)
        EXPECT_EQ(IsoTime(track.ClockAt((28 + half) * 1800)), clocks[half]) << half;
    for (const long long seconds : {0LL, 13 * 3600LL, 17 * 3600LL})
        EXPECT_EQ(track.SecondsTo(track.ClockAt(seconds)), seconds);
}

}  // namespace

// A figure's middle, where Tonight and Find time a constellation, stands among its stars: for
// small figures it is the plain average of their right ascensions and declinations (taken across
// 0h for Cassiopeia and Pegasus), within a few minutes of time and half a degree.
TEST_F(AlmanacTest, FigureMiddleAmongItsStars) {
    LoadAllCatalogues();
    for (const char* abbreviation : {"Lyr", "Cru", "Del", "CrB", "Sge", "Cas", "Peg", "Ori"}) {
        SCOPED_TRACE(abbreviation);
        int row = 0;
        while (row < ConstellationCount &&
               std::string(ConstellationTable[row].abbreviation) != abbreviation)
            ++row;
        ASSERT_LT(row, ConstellationCount);
        const Constellation& figure = ConstellationTable[row];
        double hours = 0, degrees = 0, first = 0;
        int stars = 0;
        for (int k = 0; k < figure.pointCount && k < MaxFigurePoints; ++k) {
            const int n = figure.points[k];
            if (n < 1 || n > MaxStarNumber) continue;
            const double ra = StarTable[n].rightAscension;
            if (stars == 0) first = ra;
            hours += first + std::remainder(ra - first, 24.0);  // near the first, across 0h
            degrees += StarTable[n].declination;
            ++stars;
        }
        ASSERT_GT(stars, 2);
        double rightAscension = 0, declination = 0;
        FigureCentre(row, rightAscension, declination);
        const double expected = std::fmod(hours / stars + 24, 24);
        EXPECT_NEAR(std::remainder(rightAscension - expected, 24.0), 0.0, 0.06);
        EXPECT_NEAR(declination, degrees / stars, 0.5);
    }
}
