// Properties of the computed places over two centuries: every figure the chart receives is a
// finite number in its range.
#include <cmath>

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "astro/orbits.h"
#include "astro/planets.h"
#include "astro_fixture.h"

using PropertiesTest = AstroTest;

TEST_F(PropertiesTest, PlacesFrom1900To2100AreFiniteAndInRange) {
    const double latitudes[] = {-90.0, -33.9, 0.0, 40.0, 51.5, 89.9, 90.0};
    int instants = 0;
    for (int year = 1900; year <= 2100; ++year) {
        for (double day = 0.0; day < 366.0; day += 29.37) {  // days run on past January
            const double when = day + (year % 24) / 24.0;
            ComputeBodyPositions(year, 1, when);
            const double lst = LocalSiderealTime(year, 1, when, 0, 0.0);
            ASSERT_GE(lst, 0.0);
            ASSERT_LT(lst, 24.0);
            const double bound = Obliquity(year, 1, when) + 5.145396;
            ASSERT_LE(std::fabs(BodyTable[MoonRow].declination), bound) << year << " " << day;
            for (int row = SunRow; row <= PlutoRow; ++row) {
                const Body& b = BodyTable[row];
                ASSERT_GE(b.rightAscension, 0.0) << b.name << " " << year << " " << day;
                ASSERT_LT(b.rightAscension, 24.0) << b.name << " " << year << " " << day;
                ASSERT_LE(std::fabs(b.declination), 90.0) << b.name;
                for (double lat : latitudes) {
                    double alt = NAN, az = NAN;
                    EquatorialToHorizon(b.rightAscension, b.declination, lst, lat, alt, az);
                    ASSERT_GE(alt, -90.0) << b.name << " " << lat;
                    ASSERT_LE(alt, 90.0) << b.name << " " << lat;
                    ASSERT_GE(az, 0.0) << b.name << " " << lat;
                    ASSERT_LE(az, 360.0) << b.name << " " << lat;
                }
            }
            ++instants;
        }
    }
    EXPECT_GT(instants, 2000);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PropertiesTest, MoonReachesNearItsGreatestDeclination) {
    // The bound above is not vacuous: over a nodal cycle the Moon comes within a degree of it.
    double most = 0;
    for (double d = 0; d < 6800; d += 0.25) {
        ComputeBodyPositions(2000, 1, 1.0 + d);
        most = std::fmax(most, std::fabs(BodyTable[MoonRow].declination));
    }
    EXPECT_GT(most, 27.6);
    EXPECT_LE(most, 23.44 + 5.145396);
}

TEST(EquatorialToHorizonProperties, StarLikePositionsGiveAltitudeAndAzimuthInRange) {
    // A dense grid including the poles, the zenith and the meridian, where rounding bites.
    for (double lat = -90; lat <= 90; lat += 7.5) {
        for (double dec = -90; dec <= 90; dec += 7.5) {
            for (double ra = 0; ra < 24; ra += 0.25) {
                double alt = NAN, az = NAN;
                EquatorialToHorizon(ra, dec, 6.0, lat, alt, az);
                ASSERT_GE(alt, -90.0);
                ASSERT_LE(alt, 90.0);
                ASSERT_GE(az, 0.0) << ra << " " << dec << " " << lat;
                ASSERT_LE(az, 360.0) << ra << " " << dec << " " << lat;
            }
        }
    }
}
