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
    // Draws one glyph at (50, 60) alone on the surface.
    void Draw(double magnitude, int glyphScale, Rgb colour = White) {
        surface.Clear();
        DrawStarGlyph(surface, 50, 60, magnitude, colour, glyphScale);
    }
    int Pixels(double magnitude) {
        Draw(magnitude, 0);
        return surface.Count(SurfaceCall::SetPixel);
    }
    // A magnitude whose glyph has exactly n pixels: half a pixel's worth above the threshold.
    static double MagnitudeFor(int n) { return 6.5 - std::log(n + 0.5) / std::log(1.99); }

    RecordingSurface surface;
};

TEST_F(StarGlyphTest, PixelCountGrowsAsPowersOf199UpTo45) {
    const std::pair<double, int> rows[] = {
        {6.5, 1},
        {1.0, 44},  // 1.99^5.5 = 44.02
        {0.9, 45},
        {-30, 45},
        {5.5, 1},  // a whole magnitude is still 1: 1.99 < 2
        {5.4926, 2},
        {6.6, 0},  // fainter than the limit
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& [magnitude, pixels] : rows) EXPECT_EQ(Pixels(magnitude), pixels) << magnitude;
    for (int n = 1; n <= 45; ++n) EXPECT_EQ(Pixels(MagnitudeFor(n)), n) << n;
}

TEST_F(StarGlyphTest, TwoMagnitudesBrighterIsCentreBelowAndRightDrawnInReverse) {
    Draw(4.5, 0, Rgb{1, 2, 3});
    EXPECT_EQ(surface.Strings(),
              (std::vector<std::string>{"SetPixel(51,60,1,2,3)", "SetPixel(50,61,1,2,3)",
                                        "SetPixel(50,60,1,2,3)"}));
}

TEST_F(StarGlyphTest, OffsetsFillTheSquareNearestFirstButNeverItsCorners) {
    Draw(-1, 0);
    std::set<std::pair<int, int>> seen;
    for (const SurfaceCall& call : surface.Of(SurfaceCall::SetPixel)) {
        const int dx = std::abs(call.x - 50);
        const int dy = std::abs(call.y - 60);
        EXPECT_TRUE(dx <= 3 && dy <= 3 && !(dx == 3 && dy == 3)) << dx << "," << dy;
        seen.insert({call.x, call.y});
    }
    EXPECT_EQ(seen.size(), 45u);
    for (int i = 1; i < MaxGlyphPixels; ++i) {
        const Point a = StarGlyphOffsets[i - 1];
        const Point b = StarGlyphOffsets[i];
        EXPECT_LE(a.x * a.x + a.y * a.y, b.x * b.x + b.y * b.y) << i;
    }
    EXPECT_EQ(StarGlyphOffsets[13], (Point{1, 2}));
    EXPECT_EQ(StarGlyphOffsets[44], (Point{3, 2}));
}

TEST_F(StarGlyphTest, PrinterCircleRadiiForGlyphScales1And6) {
    for (int n = 1; n <= 45; ++n) {
        Draw(MagnitudeFor(n), 1, Black);
        const int r = n <= 10 ? 1 : n <= 38 ? 2 : 3;
        EXPECT_EQ(surface.Strings(),
                  (std::vector<std::string>{"Ellipse(" + std::to_string(50 - r) + "," +
                                            std::to_string(60 - r) + "," + std::to_string(50 + r) +
                                            "," + std::to_string(60 + r) + ")"}))
            << n;
    }
    Draw(6.5, 6, Black);
    DrawStarGlyph(surface, 50, 60, -2, Black, 6);
    EXPECT_EQ(surface.Strings(),
              (std::vector<std::string>{"Ellipse(44,54,56,66)", "Ellipse(32,42,68,78)"}));
}

TEST_F(StarGlyphTest, GlyphAtTheEdgeOfTheIntRangeStaysInRange) {
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    DrawStarGlyph(surface, Max, Min, -5, White, 0);
    for (const SurfaceCall& call : surface.Of(SurfaceCall::SetPixel)) {
        EXPECT_GE(call.x, Max - 3);
        EXPECT_LE(call.y, Min + 3);
    }
}

}  // namespace
