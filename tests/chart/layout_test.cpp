// Layout of a pass, the projection onto the disc, the readout box and the view-state defaults.
#include "chart/layout.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "chart/view_settings.h"
#include "chart_fixture.h"
#include "fake_window.h"
#include "recording_surface.h"

namespace {

using LayoutTest = ChartFixture;
constexpr int Max = std::numeric_limits<int>::max();
constexpr int Min = std::numeric_limits<int>::min();
constexpr int Variable = TMPF_FIXED_PITCH;  // the bit is set for a variable-pitch font

std::array<int, 12> Fields(const ChartLayout& l) {
    return {l.lineHeight, l.capsWidth,  l.width,     l.height,         l.centreX,  l.centreY,
            l.radius,     l.dateLabelY, l.dateTextY, l.magnitudeTextY, l.markSize, l.glyphScale};
}

TEST_F(LayoutTest, LayoutFromTheSurfaceFontAndSize) {
    struct Row {
        ChartMode mode;
        TextMetrics metrics;
        Point resolution, client;
        // lineHeight capsWidth width height centreX centreY radius dateLabelY dateTextY
        // magnitudeTextY markSize glyphScale
        std::array<int, 12> expected;
    };
    // clang-format off
    const Row rows[] = {
        // The worked example: on screen the window's size, not the resolution.
        {ChartScreen, {16, 0, 7, Variable}, {1920, 1080}, {800, 600},
         {16, 10, 800, 600, 400, 300, 281, 19, 41, 60, 4, 1}},
        // On paper the resolution; tall and narrow: radius from the width; fixed pitch.
        {ChartMetafile, {100, 0, 40, 0}, {4800, 6600}, {800, 600},
         {100, 40, 4800, 6600, 2400, 3300, 2317, 103, 209, 312, 25, 6}},
        {ChartPrinter, {100, 0, 40, 0}, {4800, 6600}, {800, 600},
         {100, 40, 4800, 6600, 2400, 3300, 2317, 103, 209, 312, 25, 6}},
        // Wide and short, odd sizes: radius from the height, half pixels lost.
        {ChartScreen, {15, 0, 7, Variable}, {0, 0}, {801, 201},
         {15, 10, 801, 201, 400, 100, 82, 18, 39, 57, 3, 1}},
        // External leading counts; a tiny surface gives a radius below zero, not clamped.
        {ChartScreen, {14, 2, 7, Variable}, {0, 0}, {20, 20},
         {16, 10, 20, 20, 10, 10, -13, 19, 41, 60, 4, 1}},
        // Absurd metrics saturate instead of overflowing.
        {ChartScreen, {Max, Max, Max, Variable}, {0, 0}, {800, 600},
         {Max, Max, 800, 600, 400, 300, Min, Max, Max, Max, Max / 4, Max / 16}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        RecordingSurface surface;
        surface.metrics = row.metrics;
        surface.horizontalResolution = row.resolution.x;
        surface.verticalResolution = row.resolution.y;
        FakeChartWindow window;
        window.clientWidth = row.client.x;
        window.clientHeight = row.client.y;
        EXPECT_EQ(Fields(ComputeChartLayout(surface, row.mode, window, 3)), row.expected);
    }
}

TEST_F(LayoutTest, ProjectionTruncatesAndTurnsWithTheOrientation) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* what;
        double orientation, altitude, azimuth;
        int centreX, centreY, radius;
        Point expected;
    };
    const Row rows[] = {
        {"worked example: 337.5, 191.74", 180, 45, 30, 400, 300, 250, {337, 191}},
        {"toward zero: -62.5, -108.25", 180, 45, 30, 0, 0, 250, {-62, -108}},
        {"zenith on the centre", 180, 90, 123, 400, 300, 250, {400, 300}},
        {"north straight up, just above the rim", 180, 0.001, 0, 400, 300, 250, {400, 50}},
        {"north straight up, near the zenith", 180, 89, 0, 400, 300, 250, {400, 297}},
        {"east on the left with south at the bottom", 180, 0, 90, 400, 300, 250, {150, 300}},
        {"NaN altitude: centre", 180, nan, 30, 400, 300, 250, {400, 300}},
        {"NaN azimuth: centre", 180, 45, nan, 400, 300, 250, {400, 300}},
        {"infinite azimuth: centre", 180, 45, inf, 400, 300, 250, {400, 300}},
        {"infinite altitude: centre", 180, -inf, 0, 400, 300, 250, {400, 300}},
        {"NaN orientation: centre", nan, 45, 30, 400, 300, 250, {400, 300}},
        {"far beyond the rim saturates", 180, -1e12, 0, 0, 0, 1000, {0, Min}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ViewSettings.orientationAzimuth = row.orientation;
        EXPECT_EQ(ProjectToChart(row.altitude, row.azimuth, row.centreX, row.centreY, row.radius),
                  row.expected);
    }
    // Whatever the orientation, its azimuth lies exactly below the centre, the opposite one
    // exactly above, and azimuth grows counterclockwise (90 degrees on is the right-hand end).
    for (double orientation : {0, 45, 90, 135, 180, 225, 270, 315}) {
        SCOPED_TRACE(orientation);
        ViewSettings.orientationAzimuth = orientation;
        EXPECT_EQ(ProjectToChart(0, orientation, 400, 300, 281), (Point{400, 581}));
        EXPECT_EQ(ProjectToChart(0, orientation + 180, 400, 300, 281), (Point{400, 19}));
        EXPECT_EQ(ProjectToChart(0, orientation + 90, 400, 300, 281), (Point{681, 300}));
    }
}

TEST_F(LayoutTest, ReadoutBoxOfTheWorkedWindow) {
    ViewSettings.lineHeight = 16;
    ViewSettings.capsWidth = 10;
    UpdateWindowSizeLayout(800, 600);
    EXPECT_EQ(ViewSettings.clientWidth, 800);
    EXPECT_EQ(ViewSettings.clientHeight, 600);
    EXPECT_EQ(ViewSettings.readoutTop, 575);
    EXPECT_EQ(ViewSettings.readoutBottom, 597);
    EXPECT_EQ(ViewSettings.readoutRight, 259);
    UpdateWindowSizeLayout(4000000000u, 70000);  // beyond a 16-bit size: held, not wrapped
    EXPECT_EQ(ViewSettings.clientWidth, 65535);
    EXPECT_EQ(ViewSettings.readoutBottom, 65532);
}

TEST_F(LayoutTest, StartUpValuesOfTheViewStateAndStockObjects) {
    EXPECT_EQ(ProjectionPi, 4.0 * std::atan(1.0));  // usable before start-up, same after it
    InitProjectionPi();
    EXPECT_EQ(ProjectionPi, 4.0 * std::atan(1.0));
    ViewSettings.dimmestMagnitude = 1;
    ViewSettings.metafileName[0] = 'x';
    ResetViewSettings();
    EXPECT_EQ(ViewSettings.dimmestMagnitude, 4.4);
    EXPECT_EQ(ViewSettings.orientationAzimuth, 180.0);
    EXPECT_EQ(ViewSettings.margin, 3);
    EXPECT_EQ(ViewSettings.latitude, 0.0);
    EXPECT_EQ(ViewSettings.metafileName[0], '\0');
    EXPECT_EQ(StockPen(WHITE_PEN), (Pen{White, 1}));
    EXPECT_EQ(StockPen(BLACK_PEN), (Pen{Black, 1}));
    EXPECT_EQ(StockBrush(WHITE_BRUSH), (Brush{White}));
    EXPECT_EQ(StockBrush(BLACK_BRUSH), (Brush{Black}));
}

}  // namespace
