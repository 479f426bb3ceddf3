// The outlines of the sky: the readers over good and damaged texts, the shipped Milky Way and
// boundaries, and the boundaries as a partition of the sky that puts the catalogue's stars in the
// constellations their designations name.
#include "catalog/sky_outlines.h"

#include <algorithm>
#include <map>
#include <string>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "catalog_test_support.h"

namespace {

using SkyOutlines = CatalogTest;

TEST_F(SkyOutlines, ReadersKeepGoodLinesAndPassOverDamagedOnes) {
    const MilkyWayOutline band = ReadMilkyWay(
        TextOf("Level 1\r\nM 1 2\r\nD 1.5 2\r\nD 1.5 3\r\n"  // a ring of three points
               "M 2 2\r\nD 3 3\r\n"                          // two points: no ring
               "Level 9\r\nM 1 1\r\nD 2 1\r\nD 2 2\r\n"      // no such step: passed over
               "Level 5\r\nM 1 -10\r\nD 25 -10\r\nD 1 nan\r\nD 1 -95\r\nD 2 -10 x\r\nX 2 2\r\n"
               "D1.5 -10\r\nD 1.5-10\r\n"
               "D 2 -11\r\nD 3 -11\r\n%\r\nLevel 2\r\nM 1 1\r\nD 2 1\r\nD 2 2\r\n"));
    ASSERT_EQ(band.steps[0].size(), 1u);
    EXPECT_EQ(band.steps[0][0].size(), 3u);
    EXPECT_DOUBLE_EQ(band.steps[0][0][1].rightAscension, 1.5);
    EXPECT_TRUE(band.steps[1].empty());  // after the '%' line
    ASSERT_EQ(band.steps[4].size(), 1u);
    EXPECT_EQ(band.steps[4][0].size(), 3u);  // M 1 -10, D 2 -11, D 3 -11
    const OutlinePoint& p = band.steps[4][0][1];
    EXPECT_NEAR(p.x * p.x + p.y * p.y + p.z * p.z, 1.0, 1e-12);
    EXPECT_NEAR(p.z, -0.190809, 1e-6);  // sin(-11 degrees)

    const std::vector<ConstellationBoundary> boundaries = ReadConstellationBoundaries(
        TextOf("D 1 1\r\nAbc\r\nD 1 1\r\nS 2 1\r\nD 2 2\r\nQ 3 3\r\nAb1\r\n"
               "Xyz\r\nD 1 1\r\nS 2 2\r\n"));  // Xyz has two points: left out
    ASSERT_EQ(boundaries.size(), 1u);
    EXPECT_EQ(boundaries[0].abbreviation, "Abc");
    ASSERT_EQ(boundaries[0].ring.size(), 3u);
    EXPECT_TRUE(boundaries[0].ring[0].drawn && !boundaries[0].ring[1].drawn);
    EXPECT_TRUE(ReadConstellationBoundaries({}).empty() && ReadMilkyWay({}).steps[0].empty());
}

TEST_F(SkyOutlines, ShippedOutlinesHoldFiveStepsAndEightyNineBoundaries) {
    const MilkyWayOutline& band = ShippedMilkyWay();
    for (const std::vector<OutlineRing>& step : band.steps) EXPECT_FALSE(step.empty());
    const std::vector<ConstellationBoundary>& boundaries = ShippedBoundaries();
    ASSERT_EQ(boundaries.size(), 89u);
    EXPECT_EQ(std::count_if(boundaries.begin(), boundaries.end(),
                            [](const auto& b) { return b.abbreviation == "Ser"; }),
              2);
    // Every stretch of boundary lies between two constellations and is drawn by one of them.
    int drawn = 0, points = 0;
    for (const ConstellationBoundary& boundary : boundaries)
        for (const OutlinePoint& p : boundary.ring) drawn += p.drawn, ++points;
    EXPECT_NEAR(double(drawn) / points, 0.5, 0.01);
}

// Every star of the catalogue to magnitude 5.5 lies inside exactly one boundary, and, but for
// the few whose old designations cross a boundary drawn in 1930, inside the boundary of the
// constellation its designation names.
TEST_F(SkyOutlines, BoundariesShareTheSkyOutAndHoldTheirStars) {
    LoadStarCatalogue();
    const std::vector<ConstellationBoundary>& boundaries = ShippedBoundaries();
    int stars = 0, inOwn = 0;
    for (int n = 1; n <= MaxStarNumber; ++n) {
        const Star& star = StarTable[n];
        if (star.magnitude > 5.5) continue;
        std::string holders;
        for (const ConstellationBoundary& boundary : boundaries)
            if (InsideBoundary(boundary.ring, star.rightAscension, star.declination))
                holders += boundary.abbreviation;
        ASSERT_EQ(holders.size(), 3u) << "HR " << n << " in " << holders;
        const std::string name(star.name);
        if (name.size() < 3 || name.find_first_not_of(' ') == std::string::npos) continue;
        const std::string named = name.substr(name.size() - 3);
        if (named == "   " || !std::isupper(static_cast<unsigned char>(named[0]))) continue;
        ++stars;
        inOwn += holders == named;
    }
    EXPECT_GT(stars, 1500) << inOwn;
    EXPECT_GT(inOwn, stars * 99 / 100);
}

}  // namespace
