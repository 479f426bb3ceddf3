// Conversions between equatorial, horizon and ecliptic coordinates: worked examples, and the
// azimuth where its arccos is undefined or its argument leaves [-1, 1] by rounding.
#include "astro/coordinates.h"

#include <cmath>
#include <cstring>

#include "astro_fixture.h"

using CoordinatesTest = AstroTest;

// EquatorialToHorizon

TEST(EquatorialToHorizon, EastOfTheMeridianKeepsTheArccosAzimuth) {
    double alt = 0, az = 0;
    EquatorialToHorizon(3, 0, 0, 45, alt, az);
    EXPECT_NEAR(alt, 30, 1e-9);
    EXPECT_NEAR(az, 125.26, 5e-3);
}

TEST(EquatorialToHorizon, WestOfTheMeridianMirrorsTheAzimuth) {
    double alt = 0, az = 0;
    EquatorialToHorizon(21, 0, 0, 45, alt, az);
    EXPECT_NEAR(alt, 30, 1e-9);
    EXPECT_NEAR(az, 234.74, 5e-3);
}

TEST(EquatorialToHorizon, CelestialEquatorMeetsTheHorizonEastAndWest) {
    double alt = 1, az = 0;
    EquatorialToHorizon(6, 0, 0, 45, alt, az);
    EXPECT_NEAR(alt, 0, 1e-12);
    EXPECT_NEAR(az, 90, 1e-9);
    EquatorialToHorizon(18, 0, 0, 45, alt, az);
    EXPECT_NEAR(alt, 0, 1e-12);
    EXPECT_NEAR(az, 270, 1e-9);
}

TEST(EquatorialToHorizon, BelowThePoleIsNorth) {
    double alt = 0, az = 1;
    EquatorialToHorizon(12, 0, 0, 45, alt, az);
    EXPECT_NEAR(alt, -45, 1e-9);
    EXPECT_NEAR(az, 0, 1e-6);
}

TEST(EquatorialToHorizon, ObjectOnTheMeridianIsDueSouthDespiteRounding) {
    // Declination 0 at latitude 30 on the meridian puts the arccos argument one rounding step
    // below -1; limited to -1 it gives 180 exactly instead of NaN.
    double alt = 0, az = 0;
    EquatorialToHorizon(5, 0, 5, 30, alt, az);
    EXPECT_NEAR(alt, 60, 1e-9);
    EXPECT_EQ(az, 180.0);
}

TEST(EquatorialToHorizon, ObjectAtTheZenithHasAFiniteAzimuth) {
    double alt = 0, az = -1;
    for (double lat : {-60.0, 0.0, 38.5, 45.0, 51.477}) {
        EquatorialToHorizon(7.25, lat, 7.25, lat, alt, az);
        EXPECT_NEAR(alt, 90, 1e-6) << lat;
        EXPECT_GE(az, 0) << lat;
        EXPECT_LE(az, 360) << lat;
    }
}

TEST(EquatorialToHorizon, ObserverAtAPoleGetsFiniteAltitudeAndAzimuth) {
    double alt = 0, az = -1;
    for (double lat : {90.0, -90.0}) {
        for (double ra = 0; ra < 24; ra += 0.5) {
            for (double dec : {-90.0, -30.0, 0.0, 45.0, 90.0}) {
                EquatorialToHorizon(ra, dec, 3.0, lat, alt, az);
                ASSERT_FALSE(std::isnan(alt) || std::isnan(az)) << lat << " " << ra << " " << dec;
                EXPECT_NEAR(alt, lat > 0 ? dec : -dec, 1e-6);
                EXPECT_GE(az, 0);
                EXPECT_LE(az, 360);
            }
        }
    }
}

TEST(EquatorialToHorizon, QuadrantRuleHoldsAroundTheSky) {
    // East of the meridian (sin H < 0) the azimuth lies in [0, 180], west of it in [180, 360].
    double alt = 0, az = 0;
    for (double ra = 0.1; ra < 24; ra += 0.4) {
        EquatorialToHorizon(ra, 20, 0, 40, alt, az);
        const double h = (0 - ra) * 3.14159265358979 / 12;
        if (std::sin(h) > 0) {
            EXPECT_GE(az, 180) << ra;
        } else {
            EXPECT_LE(az, 180) << ra;
        }
    }
}

TEST(EquatorialToHorizon, HourAngleNeedNotBeReduced) {
    double alt1 = 0, az1 = 0, alt2 = 0, az2 = 0;
    EquatorialToHorizon(3, 10, 0, 45, alt1, az1);
    EquatorialToHorizon(3, 10, 48, 45, alt2, az2);
    EXPECT_NEAR(alt1, alt2, 1e-9);
    EXPECT_NEAR(az1, az2, 1e-9);
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

// Obliquity

TEST_F(CoordinatesTest, ObliquityIsThatOfTheStartOfTheDay) {
    EXPECT_NEAR(Obliquity(2000, 1, 1.5), 23.4392922, 5e-8);
    EXPECT_GT(Obliquity(2000, 1, 1.5), 23.439292);
    EXPECT_EQ(Obliquity(2000, 1, 1.5), Obliquity(2000, 1, 1.0));
    EXPECT_NEAR(Obliquity(2100, 1, 1.0), 23.4262883, 5e-8);
}

// EclipticToEquatorial

TEST_F(CoordinatesTest, EclipticCardinalPointsAtJ2000) {
    const double eps = Obliquity(2000, 1, 1.5);
    double ra = -1, dec = -1;
    EclipticToEquatorial(2000, 1, 1.5, 0, 0, ra, dec);
    EXPECT_NEAR(ra, 0, 1e-12);
    EXPECT_NEAR(dec, 0, 1e-12);
    EclipticToEquatorial(2000, 1, 1.5, 90, 0, ra, dec);
    EXPECT_NEAR(ra, 6, 1e-12);
    EXPECT_NEAR(dec, eps, 1e-12);
    EclipticToEquatorial(2000, 1, 1.5, 180, 0, ra, dec);
    EXPECT_NEAR(ra, 12, 1e-12);
    EXPECT_NEAR(dec, 0, 1e-12);
    EclipticToEquatorial(2000, 1, 1.5, 270, 0, ra, dec);
    EXPECT_NEAR(ra, 18, 1e-12);
    EXPECT_NEAR(dec, -eps, 1e-12);
}

TEST_F(CoordinatesTest, EclipticPoleLiesAtEighteenHours) {
    double ra = 0, dec = 0;
    EclipticToEquatorial(2000, 1, 1.5, 0, 90, ra, dec);
    EXPECT_NEAR(ra, 18, 1e-9);
    EXPECT_NEAR(dec, 66.5607, 5e-5);
}

TEST_F(CoordinatesTest, SmallNegativeLongitudeGivesRightAscensionJustBelowTwentyFour) {
    double ra = 0, dec = 0;
    EclipticToEquatorial(2000, 1, 1.5, -0.0001, 0, ra, dec);
    EXPECT_NEAR(ra, 23.9999939, 5e-8);
    EclipticToEquatorial(2000, 1, 1.5, -1e-14, 0, ra, dec);  // would round up to 24.0
    EXPECT_GE(ra, 0.0);
    EXPECT_LT(ra, 24.0);
}

TEST_F(CoordinatesTest, UnreducedLongitudeGivesTheSamePlace) {
    double ra1 = 0, dec1 = 0, ra2 = 0, dec2 = 0;
    EclipticToEquatorial(2000, 1, 1.5, 123.4, 3.2, ra1, dec1);
    EclipticToEquatorial(2000, 1, 1.5, 123.4 + 720, 3.2, ra2, dec2);
    EXPECT_NEAR(ra1, ra2, 1e-10);
    EXPECT_NEAR(dec1, dec2, 1e-10);
    EclipticToEquatorial(2000, 1, 1.5, 123.4 - 360, 3.2, ra2, dec2);
    EXPECT_NEAR(ra1, ra2, 1e-10);
    EXPECT_NEAR(dec1, dec2, 1e-10);
}

TEST_F(CoordinatesTest, BadMonthReachesTheMessageThroughObliquity) {
    double ra = 0, dec = 0;
    EclipticToEquatorial(2000, 0, 1.0, 45, 0, ra, dec);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(std::isfinite(ra) && std::isfinite(dec));
}
