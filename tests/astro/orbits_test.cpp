// The body table and Kepler's equation.
#include "astro/orbits.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "astro/planets.h"
#include "astro_fixture.h"

using OrbitsTest = AstroTest;

TEST(SolveKepler, WorkedExamplesAndArgumentsWithoutSolution) {
    // Apsides and the circle are fixed points; past half a turn the true anomaly is negative.
    // Mean anomaly, eccentricity, true anomaly.
    const double rows[][3] = {{0, 0.2, 0},
                              {180, 0.2, 180},
                              {90, 0, 90},
                              {90, 0.016713, 91.914812},
                              {45, 0.24624, 69.624796},
                              {270, 0.1, -101.383815},
                              {359.9, 0.205633, -0.155087}};
    for (const auto& r : rows) EXPECT_NEAR(SolveKepler(r[0], r[1]), r[2], 5e-7) << r[0];
    // No real solution: NaN without iterating.
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [m, e] : {std::pair{45.0, 1.0}, {45.0, -0.1}, {inf, 0.1}, {NAN, 0.1}}) {
        EXPECT_TRUE(std::isnan(SolveKepler(m, e))) << m << " " << e;
    }
    // One ulp of E at 1e20 is far above 1e-12: the residual test alone would never stop.
    EXPECT_LE(std::fabs(SolveKepler(1e20, 0.2)), 180);
}

TEST_F(OrbitsTest, AccessorsCopyTheRowAndRefuseRowsOutsideTheTable) {
    ComputeBodyPositions(2000, 1, 1.5);
    for (int row : {int{SaturnRow}, -1, BodyCount, std::numeric_limits<int>::min()}) {
        const bool inside = row == SaturnRow;
        double ra = 7, dec = 7;
        std::string name = "stale";
        GetBodyPosition(row, ra, dec);
        GetBodyName(row, name);
        EXPECT_EQ(ra, inside ? BodyTable[SaturnRow].rightAscension : 0) << row;
        EXPECT_EQ(dec, inside ? BodyTable[SaturnRow].declination : 0) << row;
        EXPECT_EQ(name, inside ? "Saturn" : "") << row;
    }
    std::memset(BodyTable[VenusRow].name, 'V', BodyNameSize);  // no terminating NUL
    std::string name;
    GetBodyName(VenusRow, name);
    EXPECT_EQ(name, std::string(BodyNameSize, 'V'));
}
