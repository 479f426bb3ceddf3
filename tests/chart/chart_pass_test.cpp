// The chart pass's first half: what it places, the hot spots and their labels, the overflow
// message, and the pointer search.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/sky_model.h"
#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

class ChartPassTest : public ChartFixture {
  protected:
    // At the north pole the altitude of an object is its declination, whatever the time.
    ChartPassResult Run(SystemTime time = Evening) {
        return PlaceChartObjects(FixedChartWindow(800, 600, time), surface, ChartScreen, 3,
                                 ChartView{180, 6.5}, 90);
    }
    // Unmarked with visible set, as an earlier pass may have left it.
    static void SetStar(int n, const char* name, double magnitude, double declination,
                        int constellation = NoConstellation, bool inFigure = false) {
        // clang-format off
        StarTable[n] = {.magnitude = magnitude, .declination = declination, .inFigure = inFigure,
                        .visible = true, .constellationIndex = constellation};
        // clang-format on
        std::strncpy(StarTable[n].name, name, StarNameSize);  // a full-length name has no NUL
    }
    static void AddDeepSky(const char* id, const char* name, double magnitude, double declination,
                           bool shown = true) {
        DeepSkyTable.push_back(
            {.shown = shown, .magnitude = magnitude, .declination = declination});
        std::strcpy(DeepSkyTable.back().identifier, id);
        std::strcpy(DeepSkyTable.back().name, name);
        DeepSkyCount = static_cast<int>(DeepSkyTable.size());
    }

    RecordingSurface surface;
};

TEST_F(ChartPassTest, LabelledStarsThenDeepSkyThenBodiesFromPlutoToTheSun) {
    for (const char* name : {"Pisces", "Andromeda", "Constellationwithaverylongnam"})
        std::strcpy(ConstellationTable[ConstellationCount++].name, name);
    const std::string noNul(StarNameSize, 'A');
    // clang-format off
    const struct { int number, constellation; const char* name; } stars[] = {
        {3, 0, " 33    Psc"}, {5, NoConstellation, noNul.c_str()}, {15, 1, "Alpheratz And"},
        {424, NoConstellation, "Unlinked Xyz"}, {9110, 2, "Abcdefghijklmnopqrs Xyz"}};
    // Labels built whole, the abbreviation replaced by the constellation, then cut to 39.
    std::vector<std::string> expected = {"  3:  33    (Pisces) r4", "  5: " + noNul + " r4",
        " 15: Alpheratz (Andromeda) r4", "424: Unlinked Xyz r4",
        "9110: Abcdefghijklmnopqrs (Constellatio r4", "M1: Crab Nebula; Mag=8.4 r4",
        "M102abcde: Averyveryverylongdeepskyname r4"};
    // clang-format on
    for (const auto& star : stars)  // 424 at the zenith
        SetStar(star.number, star.name, 2.0, star.number == 424 ? 90 : 40, star.constellation);
    AddDeepSky("M1", "Crab Nebula", 8.4, 22);  // fainter than the limit, shown all the same
    AddDeepSky("M31", "Andromeda Galaxy", 3.4, 41, false);  // hidden
    AddDeepSky("M42", "Orion Nebula", 4.0, -5);             // below the horizon
    AddDeepSky("M102abcde", "Averyveryverylongdeepskyname1", 12.25, 10);
    const ChartPassResult pass = Run({2024, 6, 5, 21, 12, 0, 0, 0});  // midsummer noon: Sun up
    EXPECT_EQ(pass.placed.at(3).position, (Point{pass.layout.centreX, pass.layout.centreY}));
    std::vector<std::string> spots;
    for (std::size_t i = 0; i < pass.placed.size(); ++i) {
        const PlacedObject& p = pass.placed[i];
        spots.push_back(std::string(HotSpotTable[i].text) + " r" +
                        std::to_string(HotSpotTable[i].radius));
        EXPECT_EQ(p.hotSpot, static_cast<int>(i));
        EXPECT_EQ((Point{HotSpotTable[i].x, HotSpotTable[i].y}), p.position);
        if (i < expected.size()) continue;
        EXPECT_EQ(p.kind, PlacedKind::Body);
        EXPECT_GT(p.altitude, 0);
        EXPECT_LT(p.index,
                  pass.placed[i - 1].kind == PlacedKind::Body ? pass.placed[i - 1].index : 11);
        std::string name;
        GetBodyName(p.index, name);
        expected.push_back(name + (p.index <= MoonRow ? " r8" : " r4"));
    }
    EXPECT_EQ(spots, expected);
    EXPECT_EQ(pass.placed.back().index, SunRow);
    EXPECT_TRUE(pass.sunUp);
    EXPECT_EQ(pass.hotSpots.size(), pass.placed.size());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartPassTest, VisibilityOfAStarAndItsHotSpot) {
    EXPECT_FALSE(AboveHorizon(0.0));  // strictly above
    // clang-format off
    // radius: of its hot spot, -1 for none, and then the star is not marked either.
    const struct { double magnitude, declination; bool inFigure, placed; int radius; } rows[] = {
        {4.0, 30, false, true, 2}, {-1.46, 30, false, true, 7},  // floor(6.5 - m): Sirius 7.96
        {6.5, 30, false, true, 0}, {6.6, 30, false, false, -1},  // at the limit and just past
        {3.0, -5, false, false, -1}, {NAN, 45, false, false, -1}, {1.0, NAN, false, false, -1},
        {7.5, 30, true, true, -1},  // a faint figure vertex: placed, not marked, not named
        {UnloadedMagnitude, 30, true, false, -1},  // a figure names an unloaded row
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        SetStar(1, "Row", row.magnitude, row.declination, NoConstellation, row.inFigure);
        const ChartPassResult pass = Run();
        EXPECT_EQ(StarTable[1].visible, row.placed);
        ASSERT_FALSE(pass.placed.empty());  // a body is up at the pole that evening
        ASSERT_EQ(pass.placed[0].kind == PlacedKind::Star, row.placed);
        for (const PlacedObject& p : pass.placed)  // with a hot spot, first in the table or not
            EXPECT_TRUE(p.kind != PlacedKind::Body || p.hotSpot >= 0);
        if (!row.placed) continue;
        const PlacedObject& star = pass.placed[0];
        EXPECT_EQ(star.marked, row.radius >= 0);
        EXPECT_EQ((Point{StarTable[1].chartX, StarTable[1].chartY}), star.position);
        EXPECT_EQ(star.hotSpot == 0 ? HotSpotTable[0].radius : -1, row.radius);
    }
}

TEST_F(ChartPassTest, Over4989CandidatesReportsTheRestAndStillAppendsTheBodies) {
    for (int n = 1; n <= 4990; ++n) SetStar(n, "Many", 3.0, 45);
    for (int i = 0; i < 5; ++i) AddDeepSky("M", "Cluster", 5.0, 45);
    const ChartPassResult pass = Run();
    ASSERT_GT(pass.placed.size(), 4995u);  // all placed, with or without a hot spot
    EXPECT_EQ(std::string(HotSpotTable[CatalogueHotSpotLimit - 1].text), "4989: Many");
    EXPECT_EQ(pass.placed[4989].hotSpot, -1);
    for (std::size_t i = 4995; i < pass.placed.size(); ++i)
        EXPECT_EQ(pass.placed[i].hotSpot, CatalogueHotSpotLimit + static_cast<int>(i - 4995));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Not Enough HotSpots");
    EXPECT_EQ(messages[0].text, "There were 6 more stars displayed than HotSpots available");
}

TEST_F(ChartPassTest, DrawChartTakesTheViewSettingsAndLeavesTheSiderealTime) {
    ViewSettings.latitude = -90;
    ViewSettings.dimmestMagnitude = 5.0;
    SetStar(1, "South", 5.0, -30);
    DrawChart(FixedChartWindow(800, 600, Evening), surface, ChartScreen, 3, {}, {}, {}, {});
    EXPECT_EQ(std::string(HotSpotTable[0].text), "  1: South");  // up at the south pole
    EXPECT_EQ(surface.calls.back(), "TextOut(3,60,Dimmest Star Magnitude: 5.0)");
    // 2024-03-07 21:05:09 UT: Greenwich mean sidereal time 8.1573 h by the IAU 1982 expression.
    EXPECT_NEAR(ViewSettings.siderealTime, 8.1573, 1e-3);
}

TEST_F(ChartPassTest, PrecisePositionsPlaceOfDateAndLeaveTheCatalogueForTheNextPass) {
    // At the pole the altitude is the declination. A star on the J2000 equator at 0 h stands
    // 0.134 deg north of it by this evening (precession, 20" a year): up only with precise
    // positions. Jupiter's apparent declination of date, by astronomy-engine, 14.7481 deg.
    SetStar(1, "Equator", 3.0, 0.0);
    for (bool precise : {true, false}) {
        ChartView view{180, 6.5};
        view.precise = precise;
        const ChartPassResult pass = PlaceChartObjects(FixedChartWindow(800, 600, Evening), surface,
                                                       ChartScreen, 3, view, 90);
        EXPECT_EQ(StarTable[1].visible, precise);
        EXPECT_TRUE(!precise || std::fabs(pass.placed.front().altitude - 0.134) < 0.005);
        const auto jupiter =
            std::find_if(pass.placed.begin(), pass.placed.end(),
                         [](const PlacedObject& o) { return o.index == JupiterRow; });
        ASSERT_NE(jupiter, pass.placed.end());
        EXPECT_EQ(std::fabs(jupiter->altitude - 14.7481) < 1.0 / 60, precise);
    }
    EXPECT_EQ(StarTable[1].declination, 0.0);
}

TEST_F(ChartPassTest, FindHotSpotGivesTheLastEntryThatHoldsThePointer) {
    // clang-format off
    HotSpotTable[0] = {100, 100, 5, "first"}, HotSpotTable[1] = {103, 104, 5, "second"};
    HotSpotTable[2] = {500, 500, 0, "third"};
    HotSpotTable[3] = {INT_MIN, INT_MIN, INT_MAX, "corner"};  // no overflow at the extremes
    const struct { int count, x, y, expected; } rows[] = {
        {3, 101, 101, 1}, {3, 98, 96, 0},  // in both: the later; 20 <= 25 but 50 from the second
        {3, 95, 100, 0}, {1, 103, 108, -1},  // on the edge: 25 <= 25; beyond the count: stale
        {3, 500, 500, 2}, {3, 500, 501, -1},  // radius 0: its own pixel and nothing else
        {4, INT_MAX, INT_MIN, -1}, {4, INT_MIN + 9, INT_MIN, 3}, {-5, 100, 100, -1},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ((HotSpotCount = row.count, FindHotSpot(row.x, row.y)), row.expected)
            << &row - rows;
}

}  // namespace
