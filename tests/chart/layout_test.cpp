// Layout of a pass, the projection onto the disc, compass alignment and the readout box.
#include "chart/layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/view_settings.h"
#include "chart_fixture.h"
#include "fake_window.h"
#include "recording_surface.h"

namespace {

using LayoutTest = ChartFixture;

TEST_F(LayoutTest, WorkedScreenLayoutOf800By600) {
    RecordingSurface surface;             // tmHeight 16, no leading, aveCharWidth 7, variable pitch
    surface.horizontalResolution = 1920;  // ignored on screen
    surface.verticalResolution = 1080;
    FakeChartWindow window;
    const ChartLayout l = ComputeChartLayout(surface, ChartScreen, window, 3);
    EXPECT_EQ(l.lineHeight, 16);
    EXPECT_EQ(l.capsWidth, 10);
    EXPECT_EQ(l.width, 800);
    EXPECT_EQ(l.height, 600);
    EXPECT_EQ(l.centreX, 400);
    EXPECT_EQ(l.centreY, 300);
    EXPECT_EQ(l.radius, 281);
    EXPECT_EQ(l.dateLabelY, 19);
    EXPECT_EQ(l.dateTextY, 41);
    EXPECT_EQ(l.magnitudeTextY, 60);
    EXPECT_EQ(l.markSize, 4);
    EXPECT_EQ(l.glyphScale, 1);
}

TEST_F(LayoutTest, PaperModesUseTheDeviceResolutionNotTheWindow) {
    RecordingSurface surface;
    surface.horizontalResolution = 4800;
    surface.verticalResolution = 6600;
    surface.metrics = {100, 0, 40, 0};  // fixed pitch
    FakeChartWindow window;
    for (ChartMode mode : {ChartMetafile, ChartPrinter}) {
        const ChartLayout l = ComputeChartLayout(surface, mode, window, 3);
        EXPECT_EQ(l.width, 4800);
        EXPECT_EQ(l.height, 6600);
        EXPECT_EQ(l.capsWidth, 40);          // fixed pitch: one average width
        EXPECT_EQ(l.radius, 2400 - 80 - 3);  // tall and narrow: from the width
        EXPECT_EQ(l.markSize, 25);
        EXPECT_EQ(l.glyphScale, 6);
    }
}

TEST_F(LayoutTest, WideShortSurfaceTakesItsRadiusFromTheHeightAndOddSizesLoseHalfAPixel) {
    RecordingSurface surface;
    surface.metrics = {15, 0, 7, TMPF_FIXED_PITCH};
    FakeChartWindow window;
    window.clientWidth = 801;
    window.clientHeight = 201;
    const ChartLayout l = ComputeChartLayout(surface, ChartScreen, window, 3);
    EXPECT_EQ(l.centreX, 400);
    EXPECT_EQ(l.centreY, 100);
    EXPECT_EQ(l.radius, 100 - 15 - 3);
    EXPECT_EQ(l.markSize, 3);
    EXPECT_EQ(l.glyphScale, 1);
}

TEST_F(LayoutTest, ExternalLeadingCountsAndTinySurfacesGiveANonPositiveRadius) {
    RecordingSurface surface;
    surface.metrics = {14, 2, 7, TMPF_FIXED_PITCH};
    FakeChartWindow window;
    window.clientWidth = 20;
    window.clientHeight = 20;
    const ChartLayout l = ComputeChartLayout(surface, ChartScreen, window, 3);
    EXPECT_EQ(l.lineHeight, 16);
    EXPECT_EQ(l.radius, 10 - 20 - 3);  // not clamped
}

TEST_F(LayoutTest, AbsurdMetricsDoNotOverflow) {
    RecordingSurface surface;
    surface.metrics = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                       std::numeric_limits<int>::max(), TMPF_FIXED_PITCH};
    FakeChartWindow window;
    const ChartLayout l = ComputeChartLayout(surface, ChartScreen, window, 3);
    EXPECT_EQ(l.lineHeight, std::numeric_limits<int>::max());
    EXPECT_EQ(l.capsWidth, std::numeric_limits<int>::max());
    EXPECT_LT(l.radius, 0);
}

TEST_F(LayoutTest, ProjectionWorkedExampleTruncatesTowardZero) {
    EXPECT_EQ(ProjectToChart(45, 30, 400, 300, 250), (Point{337, 191}));  // 337.5, 191.74
    // The same point about the origin lies at (-62.5, -108.25): -62 and -108, not -63 and -109.
    EXPECT_EQ(ProjectToChart(45, 30, 0, 0, 250), (Point{-62, -108}));
}

TEST_F(LayoutTest, ZenithAtTheCentreAndNorthStraightUpWithSouthAtTheBottom) {
    EXPECT_EQ(ProjectToChart(90, 123, 400, 300, 250), (Point{400, 300}));
    for (double altitude : {0.001, 10.0, 45.0, 89.0}) {
        const Point p = ProjectToChart(altitude, 0, 400, 300, 250);
        EXPECT_EQ(p.x, 400);
        EXPECT_LT(p.y, 300);
    }
    EXPECT_EQ(ProjectToChart(0, 90, 400, 300, 250), (Point{150, 300}));  // east on the left
}

TEST_F(LayoutTest, EveryOrientationPutsItsAzimuthStraightBelowTheCentre) {
    for (double orientation : {0, 45, 90, 135, 180, 225, 270, 315}) {
        ViewSettings.orientationAzimuth = orientation;
        EXPECT_EQ(ProjectToChart(0, orientation, 400, 300, 281), (Point{400, 581})) << orientation;
        EXPECT_EQ(ProjectToChart(0, orientation + 180, 400, 300, 281), (Point{400, 19}));
        // Azimuth grows counterclockwise: 90 degrees on from the bottom is the right-hand end.
        EXPECT_EQ(ProjectToChart(0, orientation + 90, 400, 300, 281), (Point{681, 300}));
    }
}

TEST_F(LayoutTest, NonFiniteInputLandsOnTheCentreAndFarPointsSaturate) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ProjectToChart(nan, 30, 400, 300, 250), (Point{400, 300}));
    EXPECT_EQ(ProjectToChart(45, nan, 400, 300, 250), (Point{400, 300}));
    EXPECT_EQ(ProjectToChart(45, inf, 400, 300, 250), (Point{400, 300}));
    EXPECT_EQ(ProjectToChart(-inf, 0, 400, 300, 250), (Point{400, 300}));
    ViewSettings.orientationAzimuth = nan;
    EXPECT_EQ(ProjectToChart(45, 30, 400, 300, 250), (Point{400, 300}));
    ViewSettings.orientationAzimuth = 180;
    const Point far = ProjectToChart(-1e12, 0, 0, 0, 1000);  // far beyond the rim, at the top
    EXPECT_EQ(far.x, 0);
    EXPECT_EQ(far.y, std::numeric_limits<int>::min());
}

TEST_F(LayoutTest, ProjectionPiIsSetBeforeStartUpAndUnchangedByIt) {
    EXPECT_EQ(ProjectionPi, 4.0 * std::atan(1.0));
    InitProjectionPi();
    EXPECT_EQ(ProjectionPi, 4.0 * std::atan(1.0));
}

TEST_F(LayoutTest, CompassLabelsRunAwayFromTheDisc) {
    EXPECT_EQ(CompassAlignment({100, 100}, 400, 300), TA_RIGHT | TA_BOTTOM);
    EXPECT_EQ(CompassAlignment({500, 100}, 400, 300), TA_LEFT | TA_BOTTOM);
    EXPECT_EQ(CompassAlignment({100, 500}, 400, 300), TA_RIGHT | TA_TOP);
    EXPECT_EQ(CompassAlignment({500, 500}, 400, 300), TA_LEFT | TA_TOP);
    EXPECT_EQ(CompassAlignment({400, 100}, 400, 300), TA_LEFT | TA_BOTTOM);  // on the axis
    EXPECT_EQ(CompassAlignment({100, 300}, 400, 300), TA_RIGHT | TA_TOP);
}

TEST_F(LayoutTest, CompassPointsOnTheAxesAreAlignedForTheirSide) {
    // South at the bottom: N above (bottom-aligned, left), S below, E left, W right.
    const unsigned expected[8] = {TA_LEFT | TA_BOTTOM, TA_RIGHT | TA_BOTTOM, TA_RIGHT | TA_TOP,
                                  TA_RIGHT | TA_TOP,   TA_LEFT | TA_TOP,     TA_LEFT | TA_TOP,
                                  TA_LEFT | TA_TOP,    TA_LEFT | TA_BOTTOM};
    for (int i = 0; i < 8; ++i) {
        const Point p = ProjectToChart(0, CompassPoints[i].azimuth, 400, 300, 281);
        EXPECT_EQ(CompassAlignment(p, 400, 300), expected[i]) << CompassPoints[i].label;
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

TEST(StockObjects, PensAreOnePixelAndColoursMatchTheirNames) {
    EXPECT_EQ(StockPen(WHITE_PEN), (Pen{White, 1}));
    EXPECT_EQ(StockPen(BLACK_PEN), (Pen{Black, 1}));
    EXPECT_EQ(StockBrush(WHITE_BRUSH), (Brush{White}));
    EXPECT_EQ(StockBrush(BLACK_BRUSH), (Brush{Black}));
}

TEST(ViewSettingsDefaults, StartUpValues) {
    ViewSettings.dimmestMagnitude = 1;
    ViewSettings.metafileName[0] = 'x';
    ResetViewSettings();
    EXPECT_EQ(ViewSettings.dimmestMagnitude, 4.4);
    EXPECT_EQ(ViewSettings.orientationAzimuth, 180.0);
    EXPECT_EQ(ViewSettings.margin, 3);
    EXPECT_EQ(ViewSettings.latitude, 0.0);
    EXPECT_EQ(ViewSettings.metafileName[0], '\0');
}

}  // namespace
