// The printed planisphere against the chart: with the rings set to a date and a clock time, the
// stars that the window shows are the stars the chart pass finds above the horizon.
#include "chart/planisphere.h"

#include <cmath>
#include <cstdio>
#include <random>

#include "catalog/loaders.h"
#include "chart_fixture.h"

namespace {

constexpr double HorizonMargin = 1.5;  // degrees of altitude where the card may differ

TEST_F(ChartFixture, PlanisphereWindowShowsTheStarsThePassFindsAboveTheHorizon) {
    LoadAllCatalogues();
    std::mt19937 random(16);
    std::uniform_real_distribution<double> latitudes(-89.0, 89.0), longitudes(-180.0, 180.0);
    std::uniform_int_distribution<int> months(1, 12), days(1, 28), minutes(0, 24 * 60 - 1),
        halfHours(-2, 2);
    int cases = 0, compared = 0, nearHorizon = 0, disagreements = 0;
    for (int trial = 0; trial < 120; ++trial) {
        // Every tenth case near the equator, where the window stretches most.
        const double latitude = trial % 10 == 0 ? latitudes(random) / 15.0 : latitudes(random);
        const double longitudeEast = longitudes(random);
        const int offset =
            static_cast<int>(std::lround(longitudeEast / 15.0)) * 3600 + halfHours(random) * 1800;
        const PlanisphereGeometry g =
            MakePlanisphereGeometry(latitude, 72.0, offset, -longitudeEast);
        const std::vector<PlanePoint> window = HorizonOutline(g);

        SystemTime clock{2025, months(random), 0, days(random), 0, 0, 0, 0};
        const int minute = minutes(random);
        clock.hour = minute / 60;
        clock.minute = minute % 60;
        const double rotation =
            RingSettingRotation(g, clock.year, clock.month, clock.day, minute / 60.0);

        ChartView view;
        view.longitude = -longitudeEast;
        view.utcOffsetSeconds = offset;
        const Observer observer = PrepareSky(clock, view, latitude);
        ++cases;
        for (int number = 1; number <= MaxStarNumber; ++number) {
            const Star& star = StarTable[number];
            if (star.magnitude > 5.0) continue;
            double altitude = 0, azimuth = 0;
            ObserverHorizon(observer, star.rightAscension, star.declination, altitude, azimuth);
            const bool shown = InsidePolygon(
                window, Rotated(WheelPoint(g, star.rightAscension, star.declination), rotation));
            ++compared;
            if (std::fabs(altitude) <= HorizonMargin) {
                ++nearHorizon;
                continue;
            }
            if (shown != AboveHorizon(altitude)) {
                ++disagreements;
                ADD_FAILURE() << "latitude " << latitude << ", " << clock.month << "/" << clock.day
                              << " " << minute / 60.0 << " h: star " << number << " at altitude "
                              << altitude << (shown ? " shows" : " is hidden");
            }
        }
    }
    std::printf(
        "planisphere: %d cases, %d stars compared, %d within %.1f deg of the horizon, "
        "%d disagreements beyond it\n",
        cases, compared, nearHorizon, HorizonMargin, disagreements);
    EXPECT_EQ(disagreements, 0);
}

}  // namespace
