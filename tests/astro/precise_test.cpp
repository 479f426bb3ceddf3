// Precise places against an independent ephemeris (precise_reference.csv, made by
// tools/make_precise_reference.mjs from astronomy-engine), the time scales, and the Moon's
// parallax. The model's own error against the same table is printed beside the precise one.
#include "astro/precise.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "astro/orbits.h"
#include "astro/planets.h"
#include "astro_fixture.h"

using PreciseTest = AstroTest;

namespace {

constexpr double Rad = 3.14159265358979323846 / 180.0;

// Angle between two places, in minutes of arc.
double SeparationArcmin(double ra1, double dec1, double ra2, double dec2) {
    const double a1 = ra1 * 15 * Rad, d1 = dec1 * Rad, a2 = ra2 * 15 * Rad, d2 = dec2 * Rad;
    const double x = std::cos(d1) * std::cos(a1) - std::cos(d2) * std::cos(a2);
    const double y = std::cos(d1) * std::sin(a1) - std::cos(d2) * std::sin(a2);
    const double z = std::sin(d1) - std::sin(d2);
    return 2 * std::asin(std::sqrt(x * x + y * y + z * z) / 2) / Rad * 60;
}

// "YYYY-MM-DDTHH:MM:SS" as a Julian date.
double JulianDateOf(const std::string& utc) {
    int y, mo, d, h, mi, s;
    std::sscanf(utc.c_str(), "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    return JulianDate(y, mo, d + DecimalHours(h, mi, s) / 24);
}

struct ReferenceRow {
    std::string kind, name, utc;
    double ra = 0, dec = 0, ra2000 = 0, dec2000 = 0;
};

std::vector<ReferenceRow> ReadReference() {
    std::ifstream in(PRECISE_REFERENCE);
    std::vector<ReferenceRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("kind,", 0) == 0) continue;
        std::stringstream fields(line);
        std::vector<std::string> f;
        for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
        f.resize(7);
        auto number = [](const std::string& t) { return t.empty() ? 0.0 : std::stod(t); };
        rows.push_back({f[0], f[1], f[2], number(f[3]), number(f[4]), number(f[5]), number(f[6])});
    }
    return rows;
}

}  // namespace

TEST_F(PreciseTest, PlacesAgreeWithTheIndependentReference) {
    const std::map<std::string, int> rowOf = {
        {"Sun", SunRow},       {"Moon", MoonRow},     {"Mercury", MercuryRow},
        {"Venus", VenusRow},   {"Mars", MarsRow},     {"Jupiter", JupiterRow},
        {"Saturn", SaturnRow}, {"Uranus", UranusRow}, {"Neptune", NeptuneRow}};
    const std::vector<ReferenceRow> rows = ReadReference();
    ASSERT_EQ(rows.size(), 178u);
    std::map<std::string, std::pair<double, double>> worst;  // precise, model (arcmin)
    for (const ReferenceRow& r : rows) {
        const double jd = JulianDateOf(r.utc);
        const PreciseSky sky = MakePreciseSky(jd);
        double ra = 0, dec = 0, modelRa = 0, modelDec = 0;
        double limit = 2.0;
        std::string key = r.name;
        if (r.kind == "body") {
            ASSERT_TRUE(PreciseBodyPlace(sky, rowOf.at(r.name), std::nullopt, ra, dec));
            int y, mo, d, h, mi, s;
            std::sscanf(r.utc.c_str(), "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s);
            ComputeBodyPositions(y, mo, d + DecimalHours(h, mi, s) / 24);
            GetBodyPosition(rowOf.at(r.name), modelRa, modelDec);
        } else if (r.kind == "star") {
            ToEquatorOfDate(sky.equator, r.ra2000, r.dec2000, ra, dec);
            modelRa = r.ra2000, modelDec = r.dec2000;  // the model does not precess
            key = "stars", limit = 1.0;
        } else {  // apparent sidereal time: within 0.05 s of time, 0.75 seconds of arc
            EXPECT_NEAR(std::remainder(sky.apparentSiderealTime - r.ra, 24.0), 0.0, 0.05 / 3600)
                << r.utc;
            continue;
        }
        const double error = SeparationArcmin(ra, dec, r.ra, r.dec);
        EXPECT_LE(error, limit) << r.name << " " << r.utc;
        auto& w = worst[key];
        w.first = std::max(w.first, error);
        w.second = std::max(w.second, SeparationArcmin(modelRa, modelDec, r.ra, r.dec));
    }
    std::printf("worst error, arcmin: precise / model\n");
    for (const auto& [name, w] : worst)
        std::printf("%-8s %7.3f %9.3f\n", name.c_str(), w.first, w.second);
}

TEST(PreciseTime, TtMinusUtFromLeapSecondsAndOutsideThem) {
    // UTC date, TT - UT (s): the leap-second table inside it, Espenak-Meeus outside.
    const struct {
        int year, month;
        double day, seconds, tolerance;
    } rows[] = {
        {1972, 1, 1.5, 42.184, 1e-9}, {2000, 1, 1.5, 64.184, 1e-9}, {2017, 1, 1.5, 69.184, 1e-9},
        {1900, 1, 1.0, -2.79, 0.01},  {2100, 1, 1.0, 202.74, 0.02}, {1600, 1, 1.0, 120.0, 0.02},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(TtMinusUt(JulianDate(r.year, r.month, r.day)), r.seconds, r.tolerance)
            << r.year;
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
    const double hp = 1.0158 * Rad;
    double ra = 0, dec = 0;
    ASSERT_TRUE(PreciseBodyPlace(sky, MoonRow, std::nullopt, ra, dec));
    ASSERT_FALSE(PreciseBodyPlace(sky, PlutoRow, std::nullopt, ra, dec));
    for (double hourAngle : {0.0, 3.0, 5.0}) {
        const GeodeticSite site{dec, (sky.apparentSiderealTime - ra - hourAngle) * 15};
        double topoRa = 0, topoDec = 0;
        ASSERT_TRUE(PreciseBodyPlace(sky, MoonRow, site, topoRa, topoDec));
        const auto altitude = [&](double r, double d) {
            const double h = (sky.apparentSiderealTime - site.longitudeWest / 15 - r) * 15 * Rad;
            return std::asin(std::sin(d * Rad) * std::sin(site.latitude * Rad) +
                             std::cos(d * Rad) * std::cos(site.latitude * Rad) * std::cos(h)) /
                   Rad;
        };
        const double topocentric = altitude(topoRa, topoDec);
        EXPECT_NEAR(altitude(ra, dec) - topocentric,
                    std::asin(std::sin(hp) * std::cos(topocentric * Rad)) / Rad, 0.005)
            << hourAngle;
    }
}
