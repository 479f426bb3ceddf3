// The drawing half of the chart pass in its three modes, pinned call by call on the recording
// surface for small scenes whose positions are set by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "chart_fixture.h"
#include "fake_window.h"
#include "recording_surface.h"

namespace {

constexpr Pen FigurePen{{255, 0, 0}, 1};
constexpr Pen DeepSkyPen{{0, 255, 0}, 1};
constexpr Brush DayBrush{{0, 0, 128}};
constexpr Brush NightBrush{{0, 0, 64}};

class ChartDrawingTest : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        // At the pole a body's altitude is its declination: all bodies below the horizon unless
        // a test raises one to the zenith (the chart's centre).
        ViewSettings.latitude = 90;
        for (int row = 0; row < BodyCount; ++row) BodyTable[row].declination = -10;
        surface.recordQueries = false;
        layout = ComputeChartLayout(surface, ChartScreen, window, 3);
    }

    // Draws the scene set by hand in the tables: the stars and deep-sky objects marked
    // visible where they are, the bodies where the pole's sky puts them.
    void Draw(ChartMode mode) {
        surface.Clear();
        ChartPassResult pass;
        pass.layout = layout;
        pass.time = window.time;
        pass.view = ViewFromSettings();
        pass.observer = MakeObserver(ViewSettings.latitude, 0, 2024, 3, 7.9);
        for (int n = 1; n <= MaxStarNumber; ++n) {
            const Star& star = StarTable[n];
            if (!star.visible) continue;
            pass.placed.push_back({PlacedKind::Star,
                                   n,
                                   0,
                                   0,
                                   {star.chartX, star.chartY},
                                   star.magnitude <= pass.view.dimmestMagnitude});
        }
        for (int i = 0; i < DeepSkyCount; ++i) {
            const DeepSkyObject& object = DeepSkyTable[i];
            if (object.visible)
                pass.placed.push_back(
                    {PlacedKind::DeepSky, i, 0, 0, {object.chartX, object.chartY}});
        }
        for (int row = PlutoRow; row >= SunRow; --row) {
            if (BodyTable[row].declination <= 0) continue;
            pass.placed.push_back({PlacedKind::Body, row, 90, 0, {layout.centreX, layout.centreY}});
            pass.sunUp = pass.sunUp || row == SunRow;
        }
        DrawChartObjects(surface, mode, pass, 3,
                         ChartPens{FigurePen, DeepSkyPen, DayBrush, NightBrush});
    }
    static void PlaceStar(int number, double magnitude, int x, int y) {
        StarTable[number].magnitude = magnitude;
        StarTable[number].visible = true;
        StarTable[number].chartX = x;
        StarTable[number].chartY = y;
    }
    // Figure row c through the given stars; flags[j] set: a segment into point j ("D").
    static void SetFigure(int c, std::vector<int> points, std::vector<bool> flags) {
        Constellation& figure = ConstellationTable[c];
        figure.shown = true;
        figure.pointCount = static_cast<int>(points.size());
        for (std::size_t j = 0; j < points.size(); ++j) {
            figure.points[j] = points[j];
            figure.drawFlags[j] = flags[j];
        }
        ConstellationCount = std::max(ConstellationCount, c + 1);
    }
    // Every text of the last drawing in these colours.
    void ExpectTextColours(Rgb text, Rgb background) const {
        for (const SurfaceCall& call : surface.Of(SurfaceCall::TextOut)) {
            EXPECT_EQ(call.currentTextColour, text) << call.text;
            EXPECT_EQ(call.currentBkColour, background) << call.text;
        }
    }
    std::vector<std::string> Strings(SurfaceCall::Kind kind) const {
        std::vector<std::string> result;
        for (const SurfaceCall& call : surface.Of(kind)) result.push_back(call.ToString());
        return result;
    }

    RecordingSurface surface;
    FakeChartWindow window;
    ChartLayout layout;
};

const std::vector<std::string> CompassCalls = {
    "SetTextAlign(8)", "TextOut(400,19,N)",  "SetTextAlign(10)", "TextOut(201,101,NE)",
    "SetTextAlign(2)", "TextOut(119,300,E)", "SetTextAlign(2)",  "TextOut(201,498,SE)",
    "SetTextAlign(0)", "TextOut(400,581,S)", "SetTextAlign(0)",  "TextOut(598,498,SW)",
    "SetTextAlign(0)", "TextOut(681,300,W)", "SetTextAlign(8)",  "TextOut(598,101,NW)",
};

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(ChartDrawingTest, ScreenPassDrawsEveryItemInOrder) {
    ViewSettings.dimmestMagnitude = 4.4;
    PlaceStar(1, 4.4, 300, 200);  // one pixel
    PlaceStar(2, 5.0, 310, 210);  // a faint figure vertex: placed, not drawn
    SetFigure(0, {1, 2}, {false, true});
    DeepSkyTable.resize(1);
    DeepSkyTable[0].visible = true;
    DeepSkyTable[0].chartX = 500;
    DeepSkyTable[0].chartY = 250;
    DeepSkyCount = 1;
    BodyTable[MarsRow].declination = 90;
    BodyTable[SunRow].declination = 90;
    Draw(ChartScreen);
    const std::vector<std::string> expected = Concat({
        {"SelectPen(255,255,255 w1)", "SetTextColor(255,255,255)", "SetBkColor(0,48,0)",
         "SelectPen(255,255,255 w1)", "SelectBrush(0,0,128)", "Ellipse(119,19,681,581)"},
        CompassCalls,
        {"SelectPen(255,0,0 w1)", "Polyline(300,200;310,210)", "SelectPen(255,255,255 w1)",
         "SelectBrush(255,255,255)", "SetPixel(300,200,255,255,255)", "SelectPen(0,255,0 w1)",
         "Polyline(496,250;504,250)", "Polyline(500,246;500,254)", "SelectPen(255,255,255 w1)",
         "SelectBrush(0,0,128)", "Ellipse(396,296,404,304)", "SelectBrush(255,255,255)",
         "Ellipse(392,292,408,308)", "SetTextAlign(8)", "TextOut(3,19,Date & Time of Map:)",
         "TextOut(3,60,Dimmest Star Magnitude: 4.4)"},
    });
    EXPECT_EQ(surface.Strings(), expected);
    ExpectTextColours(White, Rgb{0, 48, 0});  // on a box of the window's own green
}

TEST_F(ChartDrawingTest, MetafilePassFramesThePageAndPrintsTheDate) {
    BodyTable[MoonRow].declination = 90;
    Draw(ChartMetafile);
    const std::vector<std::string> expected = Concat({
        {"SetPixel(0,0,255,255,255)", "SetPixel(800,600,255,255,255)", "Rectangle(0,0,799,599)",
         "SelectPen(255,255,255 w1)", "SelectBrush(0,0,64)", "Ellipse(119,19,681,581)"},
        CompassCalls,
        {"SelectPen(255,0,0 w1)", "SelectPen(255,255,255 w1)", "SelectBrush(255,255,255)",
         "SelectPen(0,255,0 w1)", "SelectPen(255,255,255 w1)", "SelectBrush(0,0,64)",
         "Ellipse(392,292,408,308)", "SelectBrush(255,255,255)", "SetTextAlign(8)",
         "TextOut(3,41,2024/03/07  21:05:09)", "TextOut(3,19,Date & Time of Map:)",
         "TextOut(3,60,Dimmest Star Magnitude: 4.4)"},
    });
    EXPECT_EQ(surface.Strings(), expected);
    // The frame is drawn with the surface's own defaults: black outline, white fill.
    const SurfaceCall frame = surface.Of(SurfaceCall::Rectangle).at(0);
    EXPECT_EQ(frame.currentPen, (Pen{Black, 1}));
    EXPECT_EQ(frame.currentBrush, (Brush{White}));
    ExpectTextColours(Black, White);  // the surface's defaults
}

TEST_F(ChartDrawingTest, PrinterPassIsBlackOnWhiteWithCircleGlyphs) {
    ViewSettings.dimmestMagnitude = 6.5;
    PlaceStar(1, 1.0, 300, 200);  // n = 44: radius trunc(44^0.3 * 1) = 3
    BodyTable[SunRow].declination = 90;
    Draw(ChartPrinter);
    const std::vector<std::string> expected = Concat({
        {"SelectPen(0,0,0 w1)", "SelectBrush(255,255,255)", "Ellipse(119,19,681,581)"},
        CompassCalls,
        {"SelectPen(255,0,0 w1)", "SelectPen(0,0,0 w1)", "SelectBrush(0,0,0)",
         "Ellipse(297,197,303,203)", "SelectPen(0,255,0 w1)", "SelectPen(0,0,0 w1)",
         "SelectBrush(255,255,255)", "SelectBrush(0,0,0)", "Ellipse(392,292,408,308)",
         "SetTextAlign(8)", "TextOut(3,41,2024/03/07  21:05:09)",
         "TextOut(3,19,Date & Time of Map:)", "TextOut(3,60,Dimmest Star Magnitude: 6.5)"},
    });
    EXPECT_EQ(surface.Strings(), expected);
    ExpectTextColours(Black, White);
}

TEST_F(ChartDrawingTest, FigureSegmentsNeedBothEndsVisibleAndADrawPoint) {
    for (int n = 1; n <= 5; ++n) PlaceStar(n, 3.0, 100 * n, 100);
    SetFigure(0, {1, 2, 3, 4, 5}, {false, true, false, true, true});  // 3 is an "M" point
    SetFigure(1, {1, 2, 3, 4, 5}, {false, true, false, true, true});
    ConstellationTable[1].shown = false;  // hidden: nothing
    StarTable[5].visible = false;         // below the horizon
    Draw(ChartScreen);
    EXPECT_EQ(Strings(SurfaceCall::Polyline),
              (std::vector<std::string>{"Polyline(100,100;200,100)", "Polyline(300,100;400,100)"}));
    // Point numbers outside the star table are passed over.
    ConstellationTable[0].points[2] = 0;
    ConstellationTable[0].points[3] = MaxStarNumber + 1;
    Draw(ChartScreen);
    EXPECT_EQ(Strings(SurfaceCall::Polyline),
              (std::vector<std::string>{"Polyline(100,100;200,100)"}));
}

TEST_F(ChartDrawingTest, FullPassOnScreenQueriesTheSurfaceThenDraws) {
    surface.recordQueries = true;
    ViewSettings.latitude = 52;
    ResetBodyTable();
    StarTable[1] = {};
    std::strcpy(StarTable[1].name, "Test");
    StarTable[1].magnitude = 1.0;
    StarTable[1].declination = 60;
    DrawChart(window, surface, ChartScreen, 3, FigurePen, DeepSkyPen, DayBrush, NightBrush);
    ASSERT_GE(surface.calls.size(), 4u);
    EXPECT_EQ(surface.calls[0].kind, SurfaceCall::GetTextMetrics);
    EXPECT_EQ(surface.calls[3].ToString(), "SelectPen(255,255,255 w1)");
    EXPECT_TRUE(StarTable[1].visible);
    ASSERT_GE(HotSpotCount, 1);
    EXPECT_EQ(std::string(HotSpotTable[0].text), "  1: Test");
    EXPECT_EQ(surface.calls.back().ToString(), "TextOut(3,60,Dimmest Star Magnitude: 4.4)");
}

}  // namespace
