// Conversions between equatorial, horizon and ecliptic coordinates: worked examples, and the
// azimuth where its arccos is undefined or its argument leaves [-1, 1] by rounding.
#include "astro/coordinates.h"

#include <cmath>
#include <cstring>

#include "astro_fixture.h"

using CoordinatesTest = AstroTest;

TEST(EquatorialToHorizon, WorkedExamples) {
    const struct {
        double ra, dec, st, lat, alt, az, azTolerance;
    } rows[] = {
        {3, 0, 0, 45, 30, 125.26, 5e-3},   // east of the meridian: the arccos azimuth
        {21, 0, 0, 45, 30, 234.74, 5e-3},  // west of it: mirrored
        {6, 0, 0, 45, 0, 90, 1e-9},        // the equator meets the horizon east
        {18, 0, 0, 45, 0, 270, 1e-9},      // and west
        {12, 0, 0, 45, -45, 0, 1e-6},      // below the pole is north
        {5, 0, 5, 30, 60, 180, 0},         // on the meridian the arccos argument rounds below -1
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.ra << " " << r.dec << " " << r.st << " " << r.lat);
        double alt = NAN, az = NAN;
        EquatorialToHorizon(r.ra, r.dec, r.st, r.lat, alt, az);
        EXPECT_NEAR(alt, r.alt, 1e-9);
        EXPECT_NEAR(az, r.az, r.azTolerance);
        // The hour angle is not reduced: two days later in sidereal time gives the same place.
        double alt2 = NAN, az2 = NAN;
        EquatorialToHorizon(r.ra, r.dec, r.st + 48, r.lat, alt2, az2);
        EXPECT_NEAR(alt2, alt, 1e-9);
        EXPECT_NEAR(std::fmod(az2 - az + 540, 360) - 180, 0, 1e-9);  // 0 and 360 are north
    }
}

TEST(EquatorialToHorizon, EveryPlaceGivesAltitudeAndAzimuthInRange) {
    // A grid through the poles, the zenith (ra = st, dec = lat) and the meridian, where rounding
    // and 0/0 bite. East of the meridian (sin H < 0) the azimuth lies in [0, 180], west of it in
    // [180, 360]; at a pole the altitude is plus or minus the declination.
    for (double lat = -90; lat <= 90; lat += 7.5) {
        for (double dec = -90; dec <= 90; dec += 7.5) {
            for (double ra = 0; ra < 24; ra += 0.25) {
                double alt = NAN, az = NAN;
                EquatorialToHorizon(ra, dec, 6.0, lat, alt, az);
                SCOPED_TRACE(testing::Message() << ra << " " << dec << " " << lat);
                ASSERT_GE(alt, -90.0);
                ASSERT_LE(alt, 90.0);
                ASSERT_GE(az, 0.0);
                ASSERT_LE(az, 360.0);
                const double sinH = std::sin((6.0 - ra) * 3.14159265358979 / 12);
                if (sinH > 1e-9) {
                    ASSERT_GE(az, 180);
                }
                if (sinH < -1e-9) {
                    ASSERT_LE(az, 180);
                }
                if (std::fabs(lat) == 90) {
                    ASSERT_NEAR(alt, lat > 0 ? dec : -dec, 1e-6);
                }
            }
        }
    }
}

TEST(EquatorialToHorizon, ResultDoesNotDependOnThePreviousCall) {
    // The latitude's sine and cosine are reused between calls; interleaving latitudes (including
    // both signs of zero) must give bit for bit the results of a steady latitude.
    const double lats[] = {51.5, -0.0, 0.0, -33.9, 90.0};
    for (double lat : lats) {
        double steadyAlt[24], steadyAz[24];
        for (int i = 0; i < 24; ++i) EquatorialToHorizon(i, 10, 0, lat, steadyAlt[i], steadyAz[i]);
        for (int i = 0; i < 24; ++i) {
            double alt = 0, az = 0, other = 0;
            EquatorialToHorizon(i, 10, 0, lats[(i + 1) % 5], other, other);
            EquatorialToHorizon(i, 10, 0, lat, alt, az);
            EXPECT_EQ(std::memcmp(&alt, &steadyAlt[i], sizeof alt), 0) << lat << " " << i;
            EXPECT_EQ(std::memcmp(&az, &steadyAz[i], sizeof az), 0) << lat << " " << i;
        }
    }
}

TEST_F(CoordinatesTest, ObliquityIsThatOfTheStartOfTheDay) {
    EXPECT_NEAR(Obliquity(2000, 1, 1.5), 23.4392922, 5e-8);
    EXPECT_GT(Obliquity(2000, 1, 1.5), 23.439292);
    EXPECT_EQ(Obliquity(2000, 1, 1.5), Obliquity(2000, 1, 1.0));
    EXPECT_NEAR(Obliquity(2100, 1, 1.0), 23.4262883, 5e-8);
}

TEST_F(CoordinatesTest, EclipticToEquatorialAtJ2000) {
    const double eps = Obliquity(2000, 1, 1.5);
    const struct {
        double longitude, latitude, ra, dec, tolerance;
    } rows[] = {
        {0, 0, 0, 0, 1e-12},
        {90, 0, 6, eps, 1e-12},
        {180, 0, 12, 0, 1e-12},
        {270, 0, 18, -eps, 1e-12},
        {0, 90, 18, 66.5607, 5e-5},                  // the ecliptic pole
        {-0.0001, 0, 23.9999939, -3.9778e-5, 5e-8},  // never a negative right ascension
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.longitude << " " << r.latitude);
        double ra = -1, dec = -1;
        EclipticToEquatorial(2000, 1, 1.5, r.longitude, r.latitude, ra, dec);
        EXPECT_NEAR(ra, r.ra, r.tolerance);
        EXPECT_NEAR(dec, r.dec, r.tolerance);
        // The longitude need not be reduced.
        for (double turns : {-360.0, 720.0}) {
            double ra2 = -1, dec2 = -1;
            EclipticToEquatorial(2000, 1, 1.5, r.longitude + turns, r.latitude, ra2, dec2);
            EXPECT_NEAR(std::fmod(ra2 - ra + 36, 24) - 12, 0, 1e-9);
            EXPECT_NEAR(dec2, dec, 1e-9);
        }
    }
    double ra = -1, dec = 0;
    EclipticToEquatorial(2000, 1, 1.5, -1e-14, 0, ra, dec);  // would round up to 24.0
    EXPECT_GE(ra, 0.0);
    EXPECT_LT(ra, 24.0);
}

TEST_F(CoordinatesTest, BadMonthReachesTheMessageThroughObliquity) {
    double ra = NAN, dec = NAN;
    EclipticToEquatorial(2000, 0, 1.0, 45, 0, ra, dec);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(std::isfinite(ra) && std::isfinite(dec));
}
