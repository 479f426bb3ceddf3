// The drawing half of the chart pass in its three modes, pinned call by call on the recording
// surface for small scenes placed by hand, and the star glyph.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

class ChartDrawingTest : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        pass.layout = ComputeChartLayout(surface, ChartScreen, FixedChartWindow(800, 600, {}), 3);
        pass.time = Evening;  // the layout above: disc 400,300 r281
    }
    // A star as a pass leaves it: placed in the table (for the figures) and in the result.
    void Star(int n, double magnitude, Point at, bool marked = true) {
        StarTable[n] = {.magnitude = magnitude, .visible = true, .chartX = at.x, .chartY = at.y};
        pass.placed.push_back({PlacedKind::Star, n, 0, 0, at, marked});
    }
    void Place(PlacedKind k, int index, Point at) { pass.placed.push_back({k, index, 0, 0, at}); }
    // The calls of drawing the pass in `mode`, one a line, the compass labels checked and left out.
    std::string Draw(ChartMode mode) {
        surface.calls.clear();
        DrawChartObjects(surface, mode, pass, 3, ChartPens{});
        std::string all;
        for (const std::string& call : surface.calls) all += call + "\n";
        const std::string compass =
            "SetTextAlign(8)\nTextOut(400,19,N)\nSetTextAlign(10)\nTextOut(201,101,NE)\n"
            "SetTextAlign(2)\nTextOut(119,300,E)\nSetTextAlign(2)\nTextOut(201,498,SE)\n"
            "SetTextAlign(0)\nTextOut(400,581,S)\nSetTextAlign(0)\nTextOut(598,498,SW)\n"
            "SetTextAlign(0)\nTextOut(681,300,W)\nSetTextAlign(8)\nTextOut(598,101,NW)\n";
        const std::size_t at = all.find("Ellipse(119,19,681,581)\n") + 24;
        EXPECT_EQ(all.substr(at, compass.size()), compass);
        return all.erase(at, compass.size());
    }

    RecordingSurface surface;
    ChartPassResult pass;
};

TEST_F(ChartDrawingTest, ScreenIsWhiteOnTheWindowsGreenUnderTheDaySky) {
    Star(1, 2.4, {300, 200});         // two magnitudes above 4.4: 3 pixels, drawn in reverse
    Star(2, 5.0, {310, 210}, false);  // a faint figure vertex: placed, not drawn
    ConstellationTable[0] = {.shown = true, .pointCount = 2, .points = {1, 2}, .drawFlags = {0, 1}};
    ConstellationCount = 1;
    Place(PlacedKind::DeepSky, 0, {500, 250});
    Place(PlacedKind::Body, MarsRow, {400, 300});
    Place(PlacedKind::Body, SunRow, {400, 300});
    pass.sunUp = true;
    // clang-format off
    EXPECT_EQ(Draw(ChartScreen), "SelectPen(255,255,255,1)\nSetTextColor(255,255,255)\nSetBkColor(0,48,0)\n"
        "SelectPen(255,255,255,1)\nSelectBrush(0,0,128)\nEllipse(119,19,681,581)\nSelectPen(255,0,0,1)\n"
        "Polyline(300,200;310,210)\nSelectPen(255,255,255,1)\nSelectBrush(255,255,255)\n"
        "SetPixel(301,200,255,255,255)\nSetPixel(300,201,255,255,255)\nSetPixel(300,200,255,255,255)\n"
        "SelectPen(0,255,0,1)\nPolyline(496,250;504,250)\nPolyline(500,246;500,254)\n"
        "SelectPen(255,255,255,1)\nSelectBrush(0,0,128)\nEllipse(396,296,404,304)\nSelectBrush(255,255,255)\n"
        "Ellipse(392,292,408,308)\nSetTextAlign(8)\nTextOut(3,19,Date & Time of Map:)\n"
        "TextOut(3,60,Dimmest Star Magnitude: 4.4)\n");
    // clang-format on
}

TEST_F(ChartDrawingTest, MetafileFramesThePageAndPrinterIsBlackOnWhiteBothWithTheDate) {
    pass.view.dimmestMagnitude = 6.5;
    Star(1, 1.0, {300, 200});  // n = 44: on paper a circle of radius trunc(44^0.3 * 1) = 3
    Place(PlacedKind::Body, MoonRow, {400, 300});
    // clang-format off
    const std::string date = "SetTextAlign(8)\nTextOut(3,41,2024/03/07  21:05:09)\n"
        "TextOut(3,19,Date & Time of Map:)\nTextOut(3,60,Dimmest Star Magnitude: 6.5)\n";
    const std::string metafile = Draw(ChartMetafile);  // the star in pixels, the centre last
    EXPECT_TRUE(metafile.starts_with("SetPixel(0,0,255,255,255)\nSetPixel(800,600,255,255,255)\n"
        "Rectangle(0,0,799,599)\nSelectPen(255,255,255,1)\nSelectBrush(0,0,64)\n")) << metafile;
    EXPECT_TRUE(metafile.ends_with("SetPixel(300,200,255,255,255)\nSelectPen(0,255,0,1)\n"
        "SelectPen(255,255,255,1)\nSelectBrush(0,0,64)\nEllipse(392,292,408,308)\n"
        "SelectBrush(255,255,255)\n" + date)) << metafile;
    EXPECT_EQ(Draw(ChartPrinter), "SelectPen(0,0,0,1)\nSelectBrush(255,255,255)\nEllipse(119,19,681,581)\n"
        "SelectPen(255,0,0,1)\nSelectPen(0,0,0,1)\nSelectBrush(0,0,0)\nEllipse(297,197,303,203)\n"
        "SelectPen(0,255,0,1)\nSelectPen(0,0,0,1)\nSelectBrush(255,255,255)\nEllipse(392,292,408,308)\n"
        "SelectBrush(0,0,0)\n" + date);
    // clang-format on
}

TEST_F(ChartDrawingTest, FigureSegmentsNeedBothEndsPlacedAndADrawFlag) {
    for (int n : {1, 2, 3}) Star(n, 3.0, {100 * n, 100});
    Star(MaxStarNumber, 3.0, {400, 100});
    // 2-3 is not a drawn segment, 5 is not placed, 0 and MaxStarNumber + 1 are not stars; the
    // second figure is hidden.
    // clang-format off
    ConstellationTable[0] = {.shown = true, .pointCount = 9,
        .points = {1, 2, 3, MaxStarNumber, 5, 0, 1, MaxStarNumber + 1, 3},
        .drawFlags = {0, 1, 0, 1, 1, 1, 1, 1, 1}};
    ConstellationTable[1] = {.shown = false, .pointCount = 2, .points = {1, 2}, .drawFlags = {0, 1}};
    // clang-format on
    ConstellationCount = 2;
    Draw(ChartScreen);
    std::erase_if(surface.calls, [](const std::string& c) { return !c.starts_with("Polyline"); });
    EXPECT_EQ(surface.calls,
              (std::vector<std::string>{"Polyline(100,100;200,100)", "Polyline(300,100;400,100)"}));
}

// A magnitude whose glyph has exactly n pixels at the limit 6.5: half a pixel above the threshold.
double MagnitudeFor(int n) {
    return 6.5 - std::log(n + 0.5) / std::log(1.99);
}

TEST_F(ChartDrawingTest, StarGlyphGrowsAsPowersOf199) {
    ViewSettings.dimmestMagnitude = 6.5;
    const char* const Centre = "SetPixel(50,60,255,255,255)";  // pixels: the centre comes last
    // clang-format off
    const struct { double magnitude; int glyphScale; std::size_t calls; const char* last; } rows[] = {
        {6.5, 0, 1, Centre}, {5.5, 0, 1, Centre},  // at the limit; a magnitude on: 1.99 < 2
        {MagnitudeFor(2), 0, 2, Centre}, {1.0, 0, 44, Centre},  // 1.99^5.5 = 44.02
        {0.9, 0, 45, Centre}, {6.6, 0, 0, ""}, {NAN, 0, 0, ""},  // fainter, or not a number
        // Circles of radius trunc(n^0.3 * glyphScale).
        {MagnitudeFor(10), 1, 1, "Ellipse(49,59,51,61)"}, {MagnitudeFor(11), 1, 1, "Ellipse(48,58,52,62)"},
        {MagnitudeFor(38), 1, 1, "Ellipse(48,58,52,62)"}, {MagnitudeFor(39), 1, 1, "Ellipse(47,57,53,63)"},
        {6.5, 6, 1, "Ellipse(44,54,56,66)"}, {-2, 6, 1, "Ellipse(32,42,68,78)"},
    };
    // clang-format on
    for (const auto& row : rows) {
        surface.calls.clear();
        DrawStarGlyph(surface, 50, 60, row.magnitude, White, row.glyphScale);
        EXPECT_EQ(surface.calls.size(), row.calls) << &row - rows;
        EXPECT_EQ(surface.calls.empty() ? "" : surface.calls.back(), row.last) << &row - rows;
    }
}

TEST_F(ChartDrawingTest, FullGlyphFillsItsSquareButTheCornersAndStaysInTheIntRange) {
    DrawStarGlyph(surface, 0, 0, -1, 6.5, White, 0);
    const std::set<std::string> pixels(surface.calls.begin(), surface.calls.end());
    EXPECT_EQ(pixels.size(), 45u);
    for (int x = -3; x <= 3; ++x)
        for (int y = -3; y <= 3; ++y)
            EXPECT_EQ(pixels.count("SetPixel(" + std::to_string(x) + "," + std::to_string(y) +
                                   ",255,255,255)"),
                      std::abs(x) + std::abs(y) < 6 ? 1u : 0u);
    surface.calls.clear();
    DrawStarGlyph(surface, INT_MAX, INT_MIN, -5, 6.5, White, 0);  // the last offset is (3, 2)
    EXPECT_EQ(surface.calls.front(), "SetPixel(2147483647,-2147483646,255,255,255)");
}

}  // namespace
