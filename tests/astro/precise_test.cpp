// Precise places against astronomy-engine (precise_reference.csv, tools/make_precise_reference.mjs)
// with the model's error printed beside them, the time scales, the horizon, the Moon's parallax.
#include "astro/precise.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "astro/orbits.h"
#include "astro/planets.h"
#include "astro_fixture.h"

using PreciseTest = AstroTest;

constexpr double Rad = 3.14159265358979323846 / 180.0;

// Angle between two places (hours, degrees), in minutes of arc.
static double SeparationArcmin(double ra1, double dec1, double ra2, double dec2) {
    return eraSeps(ra1 * 15 * Rad, dec1 * Rad, ra2 * 15 * Rad, dec2 * Rad) / Rad * 60;
}

// Each row: kind, name, UTC, reference right ascension and declination of date, and for stars
// the J2000 place. Bodies within 2', stars within 1', apparent sidereal time within 0.05 s.
TEST_F(PreciseTest, PlacesAgreeWithTheIndependentReference) {
    std::ifstream in(PRECISE_REFERENCE);
    std::map<std::string, std::pair<double, double>> worst;  // precise, model (arcmin)
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        char kind[8], name[16];
        int y, mo, d, h, mi, s;
        double refRa, refDec, ra2000 = 0, dec2000 = 0, ra = 0, dec = 0, modelRa = 0, modelDec = 0;
        if (std::sscanf(line.c_str(), "%7[a-z],%15[^,],%d-%d-%dT%d:%d:%d,%lf,%lf,%lf,%lf", kind,
                        name, &y, &mo, &d, &h, &mi, &s, &refRa, &refDec, &ra2000, &dec2000) < 9)
            continue;
        ++count;
        const double day = d + DecimalHours(h, mi, s) / 24;
        const PreciseSky sky = MakePreciseSky(JulianDate(y, mo, day));
        std::string key = name, what = kind;
        if (what == "gast") {
            EXPECT_NEAR(std::remainder(sky.apparentSiderealTime - refRa, 24.0), 0, 0.05 / 3600)
                << line;
            continue;
        }
        if (what == "body") {
            ComputeBodyPositions(y, mo, day);  // the model, and the rows' names
            int row = SunRow;
            while (row < PlutoRow && key != BodyTable[row].name) ++row;
            ASSERT_TRUE(PreciseBodyPlace(sky, row, std::nullopt, ra, dec)) << line;
            GetBodyPosition(row, modelRa, modelDec);
        } else {
            ToEquatorOfDate(sky.equator, ra2000, dec2000, ra, dec);
            modelRa = ra2000, modelDec = dec2000, key = "stars";  // the model does not precess
        }
        const double error = SeparationArcmin(ra, dec, refRa, refDec);
        EXPECT_LE(error, what == "body" ? 2.0 : 1.0) << line;
        auto& w = worst[key];
        w = {std::max(w.first, error),
             std::max(w.second, SeparationArcmin(modelRa, modelDec, refRa, refDec))};
    }
    EXPECT_EQ(count, 178);
    std::printf("worst error, arcmin: precise / model\n");
    for (const auto& [key, w] : worst)
        std::printf("%-8s %7.3f %9.3f\n", key.c_str(), w.first, w.second);
}

TEST(PreciseTime, TtMinusUtFromLeapSecondsAndOutsideThem) {
    // UTC date, TT - UT (s): the leap-second table inside it, Espenak-Meeus outside.
    const double rows[][4] = {{1972, 1, 42.184, 1e-9}, {2000, 1.5, 64.184, 1e-9},
                              {2017, 1, 69.184, 1e-9}, {1900, 1, -2.79, 0.01},
                              {2100, 1, 202.74, 0.02}, {1600, 1, 120.0, 0.02}};  // January
    for (const auto& r : rows)
        EXPECT_NEAR(TtMinusUt(JulianDate(r[0], 1, r[1])), r[2], r[3]) << r[0];
    // The polynomials meet where their ranges do, to within half a second.
    for (double edge : {-500.0, 500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0,
                        1961.0, 1986.0, 2005.0, 2050.0, 2150.0})
        EXPECT_NEAR(DeltaTEspenakMeeus(edge - 1e-9), DeltaTEspenakMeeus(edge), 0.5) << edge;
}

TEST(PreciseHorizon, OneRotationGivesTheHorizonOfThePlaceOfDate) {
    // Places (hours, degrees) and observers (sidereal time, latitude) in every quadrant.
    const double rows[][4] = {{2.5, 89.3, 3.0, 51.5},     {6.75, -16.7, 4.0, 51.5},
                              {14.26, 19.2, 20.0, -33.9}, {18.6, 38.8, 12.0, 0.0},
                              {12.4, -63.1, 11.0, -89.0}, {0.0, 0.0, 23.9, 30.0}};
    EquatorOfDate equator = MakePreciseSky(JulianDate(2076, 9, 30.5)).equator;
    for (const auto& r : rows) {
        SetHorizon(equator, r[2], r[3]);
        double ra = 0, dec = 0, altitude = 0, azimuth = 0, refAltitude = 0, refAzimuth = 0;
        ToEquatorOfDate(equator, r[0], r[1], ra, dec);
        EquatorialToHorizon(ra, dec, r[2], r[3], refAltitude, refAzimuth);
        J2000ToHorizon(equator, r[0], r[1], altitude, azimuth);
        EXPECT_NEAR(altitude, refAltitude, 1e-7) << r[0];
        EXPECT_NEAR(std::remainder(azimuth - refAzimuth, 360.0), 0.0, 1e-6) << r[0];
    }
}

TEST(PreciseMoon, SeenFromASiteItStandsLowerByItsParallax) {
    // Observers on the Moon's parallel at hour angles 0, 3 and 5 h. Seen from the surface the
    // Moon stands lower by p, sin p = sin HP cos(topocentric altitude); HP = 1.0158 deg for the
    // 359 770 km that the reference ephemeris gives that evening, near perigee.
    const PreciseSky sky = MakePreciseSky(JulianDate(2024, 4, 8.75));
    double ra = 0, dec = 0;
    ASSERT_TRUE(PreciseBodyPlace(sky, MoonRow, std::nullopt, ra, dec));
    ASSERT_FALSE(PreciseBodyPlace(sky, PlutoRow, std::nullopt, ra, dec));
    for (double hourAngle : {0.0, 3.0, 5.0}) {
        const GeodeticSite site{dec, (sky.apparentSiderealTime - ra - hourAngle) * 15};
        double topoRa = 0, topoDec = 0, geocentric = 0, topocentric = 0, azimuth = 0;
        ASSERT_TRUE(PreciseBodyPlace(sky, MoonRow, site, topoRa, topoDec));
        const double lst = sky.apparentSiderealTime - site.longitudeWest / 15;
        EquatorialToHorizon(ra, dec, lst, site.latitude, geocentric, azimuth);
        EquatorialToHorizon(topoRa, topoDec, lst, site.latitude, topocentric, azimuth);
        EXPECT_NEAR(geocentric - topocentric,
                    std::asin(std::sin(1.0158 * Rad) * std::cos(topocentric * Rad)) / Rad, 0.005)
            << hourAngle;
    }
}
