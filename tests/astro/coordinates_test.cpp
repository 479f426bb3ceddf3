// Conversions between equatorial, horizon and ecliptic coordinates: worked examples, and the
// azimuth where its arccos argument leaves [-1, 1] by rounding.
#include "astro/coordinates.h"

#include <cmath>

#include "astro_fixture.h"

using CoordinatesTest = AstroTest;

TEST(EquatorialToHorizon, WorkedExamples) {
    // The latitudes alternate, so a sine and cosine kept from the previous call that went stale
    // would show.
    // right ascension, declination, sidereal time, latitude, altitude, azimuth, its tolerance
    const double rows[][7] = {
        {3, 0, 0, 45, 30, 125.26, 5e-3},   // east of the meridian: the arccos azimuth
        {5, 0, 5, 30, 60, 180, 0},         // on the meridian the arccos argument rounds below -1
        {21, 0, 0, 45, 30, 234.74, 5e-3},  // west of it: mirrored
        {18, 0, 0, -30, 0, 270, 1e-9},     // the equator meets the horizon west
        {6, 0, 0, 45, 0, 90, 1e-9},        // and east
        {12, 0, 0, 45, -45, 0, 1e-6},      // below the pole is north
        {6, 8, 6, 8, 90, 180, 180},  // the zenith (its sine rounds above 1): any azimuth in range
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r[0] << " " << r[1] << " " << r[2] << " " << r[3]);
        double alt = NAN, az = NAN;
        EquatorialToHorizon(r[0], r[1], r[2], r[3], alt, az);
        EXPECT_NEAR(alt, r[4], 1e-6);
        EXPECT_NEAR(az, r[5], r[6]);
    }
}

// The obliquity is that of the start of the day.
TEST_F(CoordinatesTest, ObliquityAndEclipticToEquatorialAtJ2000) {
    const double eps = Obliquity(2000, 1, 1.5);
    EXPECT_NEAR(eps, 23.4392922, 5e-8);
    EXPECT_EQ(eps, Obliquity(2000, 1, 1.0));
    EXPECT_NEAR(Obliquity(2100, 1, 1.0), 23.4262883, 5e-8);
    // Longitude, latitude, right ascension, declination, tolerance.
    const double rows[][5] = {
        {90, 0, 6, eps, 1e-12},
        {180, 0, 12, 0, 1e-12},
        {270, 0, 18, -eps, 1e-12},
        {0, 90, 18, 66.5607, 5e-5},                  // the ecliptic pole
        {-0.0001, 0, 23.9999939, -3.9778e-5, 5e-8},  // never a negative right ascension
        {-1e-14, 0, 0, 0, 1e-12},                    // 24 less a part of an ulp is 24: give 0
    };
    for (const auto& r : rows) {
        double ra = -1, dec = -1;
        EclipticToEquatorial(2000, 1, 1.5, r[0], r[1], ra, dec);
        EXPECT_NEAR(ra, r[2], r[4]) << r[0] << " " << r[1];
        EXPECT_NEAR(dec, r[3], r[4]) << r[0] << " " << r[1];
    }
}
