// The Moon's place, with the Sun computed for the same instant.
#include "astro/moon.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "astro/orbits.h"
#include "astro/planets.h"
#include "astro_fixture.h"

using MoonTest = AstroTest;

TEST_F(MoonTest, PlaceAtTheEpoch) {
    ComputeBodyPositions(1990, 1, 0.0);
    EXPECT_NEAR(BodyTable[MoonRow].rightAscension, 21.058819, 5e-7);
    EXPECT_NEAR(BodyTable[MoonRow].declination, -17.287448, 5e-7);
}

TEST_F(MoonTest, PlaceAtJ2000) {
    ComputeBodyPositions(2000, 1, 1.5);
    EXPECT_NEAR(BodyTable[MoonRow].rightAscension, 14.816657, 5e-7);
    EXPECT_NEAR(BodyTable[MoonRow].declination, -10.920257, 5e-7);
}

TEST_F(MoonTest, PlaceOnAnAugustEvening) {
    ComputeBodyPositions(2001, 8, 14.9166667);
    EXPECT_NEAR(BodyTable[MoonRow].rightAscension, 5.579400, 5e-7);
    EXPECT_NEAR(BodyTable[MoonRow].declination, 22.445884, 5e-7);
}

TEST_F(MoonTest, UsesTheSunRowAndWritesOnlyTheMoonsPlace) {
    InitBodyTable();
    BodyTable[SunRow].heliocentricLongitude = 279.288493;  // the Sun at the epoch
    Body before[BodyCount];
    std::copy(std::begin(BodyTable), std::end(BodyTable), before);
    ComputeMoon(1990, 1, 0.0, 356.634881);
    EXPECT_NEAR(BodyTable[MoonRow].rightAscension, 21.058819, 1e-6);
    EXPECT_NEAR(BodyTable[MoonRow].declination, -17.287448, 1e-6);
    before[MoonRow].rightAscension = BodyTable[MoonRow].rightAscension;
    before[MoonRow].declination = BodyTable[MoonRow].declination;
    for (int i = 0; i < BodyCount; ++i) {
        EXPECT_EQ(std::memcmp(&before[i], &BodyTable[i], sizeof(Body)), 0) << i;
    }

    // A different Sun moves the Moon: evection and variation depend on the Sun's longitude.
    BodyTable[SunRow].heliocentricLongitude = 189.288493;
    ComputeMoon(1990, 1, 0.0, 356.634881);
    EXPECT_GT(std::abs(BodyTable[MoonRow].rightAscension - 21.058819), 1e-3);
}
