// Layout of a pass, the projection onto the disc and the window's readout box.
#include "chart/layout.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>

#include "chart/view_settings.h"
#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

using LayoutTest = ChartFixture;
constexpr int Variable = TMPF_FIXED_PITCH;  // the bit is set for a variable-pitch font

TEST_F(LayoutTest, LayoutFromTheSurfaceFontAndSize) {
    // clang-format off
    const struct { ChartMode mode; TextMetrics metrics; Point resolution, client;
        // lineHeight capsWidth width height centreX centreY radius dateLabelY dateTextY
        // magnitudeTextY markSize glyphScale
        std::array<int, 12> expected; } rows[] = {
        // The worked example: on screen the window's size, not the resolution.
        {ChartScreen, {16, 0, 7, Variable}, {1920, 1080}, {800, 600},
         {16, 10, 800, 600, 400, 300, 281, 19, 41, 60, 4, 1}},
        // On paper the resolution; tall and narrow: radius from the width; fixed pitch.
        {ChartPrinter, {100, 0, 40, 0}, {4800, 6600}, {800, 600},
         {100, 40, 4800, 6600, 2400, 3300, 2317, 103, 209, 312, 25, 6}},
        // Wide and short, odd sizes: radius from the height, half pixels lost.
        {ChartScreen, {15, 0, 7, Variable}, {0, 0}, {801, 201},
         {15, 10, 801, 201, 400, 100, 82, 18, 39, 57, 3, 1}},
        // External leading counts; a tiny surface gives a radius below zero, not clamped.
        {ChartScreen, {14, 2, 7, Variable}, {0, 0}, {20, 20},
         {16, 10, 20, 20, 10, 10, -13, 19, 41, 60, 4, 1}},
        // Absurd metrics saturate instead of overflowing.
        {ChartScreen, {INT_MAX, INT_MAX, INT_MAX, Variable}, {0, 0}, {800, 600},
         {INT_MAX, INT_MAX, 800, 600, 400, 300, INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX / 4,
          INT_MAX / 16}},
    };
    // clang-format on
    for (const auto& row : rows) {
        RecordingSurface surface;
        surface.metrics = row.metrics;
        surface.horizontalResolution = row.resolution.x;
        surface.verticalResolution = row.resolution.y;
        const FixedChartWindow window(row.client.x, row.client.y, {});
        const ChartLayout l = ComputeChartLayout(surface, row.mode, window, 3);
        EXPECT_EQ((std::array{l.lineHeight, l.capsWidth, l.width, l.height, l.centreX, l.centreY,
                              l.radius, l.dateLabelY, l.dateTextY, l.magnitudeTextY, l.markSize,
                              l.glyphScale}),
                  row.expected)
            << &row - rows;
    }
}

TEST_F(LayoutTest, ProjectionTruncatesAndTurnsWithTheOrientation) {
    // clang-format off
    const struct { double orientation, altitude, azimuth; int centreX, centreY, radius;
        Point expected; } rows[] = {
        {180, 45, 30, 400, 300, 250, {337, 191}}, {180, 45, 30, 0, 0, 250, {-62, -108}},
        // Worked example 337.5, 191.74; toward zero -62.5, -108.25; the zenith on the centre.
        {180, 90, 123, 400, 300, 250, {400, 300}}, {180, NAN, 30, 400, 300, 250, {400, 300}},
        {180, 45, INFINITY, 400, 300, 250, {400, 300}},  // not a number: the centre
        // North straight up, just inside the rim; east on the left, south at the bottom.
        {180, 0.001, 0, 400, 300, 250, {400, 50}}, {180, 0, 90, 400, 300, 250, {150, 300}},
        {180, -1e12, 0, 0, 0, 1000, {0, INT_MIN}},  // far beyond the rim saturates
    };
    // clang-format on
    for (const auto& row : rows) {
        ViewSettings.orientationAzimuth = row.orientation;
        EXPECT_EQ(ProjectToChart(row.altitude, row.azimuth, row.centreX, row.centreY, row.radius),
                  row.expected)
            << &row - rows;
    }
    // Whatever the orientation, its azimuth lies exactly below the centre, the opposite one
    // exactly above, and azimuth grows counterclockwise (90 degrees on is the right-hand end).
    for (double o : {0, 45, 90, 135, 180, 225, 270, 315}) {
        EXPECT_EQ(ProjectToChart(0, o, 400, 300, 281, o), (Point{400, 581})) << o;
        EXPECT_EQ(ProjectToChart(0, o + 180, 400, 300, 281, o), (Point{400, 19})) << o;
        EXPECT_EQ(ProjectToChart(0, o + 90, 400, 300, 281, o), (Point{681, 300})) << o;
    }
}

TEST_F(LayoutTest, ReadoutBoxOfTheWorkedWindow) {
    ViewSettings.lineHeight = 16;
    ViewSettings.capsWidth = 10;
    UpdateWindowSizeLayout(800, 600);
    EXPECT_EQ(
        (std::array{ViewSettings.clientWidth, ViewSettings.clientHeight, ViewSettings.readoutTop,
                    ViewSettings.readoutBottom, ViewSettings.readoutRight}),
        (std::array{800, 600, 575, 597, 259}));
    UpdateWindowSizeLayout(4000000000u, 70000);  // beyond a 16-bit size: held, not wrapped
    EXPECT_EQ(ViewSettings.clientWidth, 65535);
    EXPECT_EQ(ViewSettings.readoutBottom, 65532);
}

}  // namespace
