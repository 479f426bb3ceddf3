// The star glyph: pixel counts, the offset table and printer circle radii.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

class StarGlyphTest : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        ViewSettings.dimmestMagnitude = 6.5;
        surface.recordQueries = false;
    }
    int Pixels(double magnitude) {
        surface.Clear();
        DrawStarGlyph(surface, 50, 60, magnitude, White, 0);
        return surface.Count(SurfaceCall::SetPixel);
    }
    // A magnitude whose glyph has exactly n pixels: half a pixel's worth above the threshold.
    static double MagnitudeFor(int n) { return 6.5 - std::log(n + 0.5) / std::log(1.99); }

    RecordingSurface surface;
};

TEST_F(StarGlyphTest, PixelCountGrowsAsPowersOf199UpTo45) {
    EXPECT_EQ(Pixels(6.5), 1);
    EXPECT_EQ(Pixels(1.0), 44);  // 1.99^5.5 = 44.02
    EXPECT_EQ(Pixels(0.9), 45);
    EXPECT_EQ(Pixels(-30), 45);
    EXPECT_EQ(Pixels(6.5 - 1.0), 1);  // 1.99 < 2
    EXPECT_EQ(Pixels(6.5 - 1.0074), 2);
    EXPECT_EQ(Pixels(6.6), 0);
    EXPECT_EQ(Pixels(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST_F(StarGlyphTest, TwoMagnitudesBrighterIsCentreBelowAndRightDrawnInReverse) {
    DrawStarGlyph(surface, 50, 60, 4.5, Rgb{1, 2, 3}, 0);
    EXPECT_EQ(surface.Strings(),
              (std::vector<std::string>{"SetPixel(51,60,1,2,3)", "SetPixel(50,61,1,2,3)",
                                        "SetPixel(50,60,1,2,3)"}));
}

TEST_F(StarGlyphTest, FullGlyphFillsTheSquareButItsCorners) {
    Pixels(-1);
    std::set<std::pair<int, int>> seen;
    for (const SurfaceCall& call : surface.Of(SurfaceCall::SetPixel)) {
        EXPECT_LE(std::abs(call.x - 50), 3);
        EXPECT_LE(std::abs(call.y - 60), 3);
        EXPECT_FALSE(std::abs(call.x - 50) == 3 && std::abs(call.y - 60) == 3);
        seen.insert({call.x, call.y});
    }
    EXPECT_EQ(seen.size(), 45u);
    // Rings fill nearest first: the first 25 entries are exactly the 5 x 5 square.
    for (int i = 0; i < 25; ++i) {
        EXPECT_LE(std::abs(StarGlyphOffsets[i].x), 2);
        EXPECT_LE(std::abs(StarGlyphOffsets[i].y), 2);
    }
    EXPECT_EQ(StarGlyphOffsets[13], (Point{1, 2}));
    EXPECT_EQ(StarGlyphOffsets[44], (Point{3, 2}));
}

TEST_F(StarGlyphTest, PixelCountThresholdsFollowTheTable) {
    for (int n = 1; n <= 45; ++n) EXPECT_EQ(Pixels(MagnitudeFor(n)), n) << n;
}

TEST_F(StarGlyphTest, PrinterCircleRadiiForGlyphScales1And6) {
    for (int n = 1; n <= 45; ++n) {
        surface.Clear();
        DrawStarGlyph(surface, 100, 100, MagnitudeFor(n), Black, 1);
        const int expected = n <= 10 ? 1 : n <= 38 ? 2 : 3;
        const auto ellipses = surface.Of(SurfaceCall::Ellipse);
        ASSERT_EQ(ellipses.size(), 1u);
        EXPECT_EQ(ellipses[0].right - 100, expected) << n;
        EXPECT_EQ(100 - ellipses[0].x, expected) << n;
        EXPECT_EQ(surface.Count(SurfaceCall::SetPixel), 0);
    }
    surface.Clear();
    DrawStarGlyph(surface, 100, 100, 6.5, Black, 6);
    DrawStarGlyph(surface, 100, 100, -2, Black, 6);
    EXPECT_EQ(surface.Strings(),
              (std::vector<std::string>{"Ellipse(94,94,106,106)", "Ellipse(82,82,118,118)"}));
}

TEST_F(StarGlyphTest, GlyphAtTheEdgeOfTheIntRangeStaysInRange) {
    DrawStarGlyph(surface, std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), -5,
                  White, 0);
    for (const SurfaceCall& call : surface.Of(SurfaceCall::SetPixel)) {
        EXPECT_GE(call.x, std::numeric_limits<int>::max() - 3);
        EXPECT_LE(call.y, std::numeric_limits<int>::min() + 3);
    }
}

}  // namespace
