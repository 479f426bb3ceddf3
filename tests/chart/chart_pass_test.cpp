// The chart pass's first half: visibility, chart positions, hot spots, labels, the overflow
// message, and the pointer search.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "astro/coordinates.h"
#include "catalog/loaders.h"
#include "chart_fixture.h"
#include "fake_window.h"
#include "recording_surface.h"

namespace {

// Copies a text into a fixed-size field, cut to the field's size less its NUL.
template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) {
    const std::size_t n = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

class ChartPassTest : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        // At the north pole the altitude of a star is its declination, whatever the time.
        ViewSettings.latitude = 90;
        ViewSettings.dimmestMagnitude = 6.5;
    }

    static void SetStar(int number, const char* name, double magnitude, double declination) {
        Star& star = StarTable[number];
        CopyText(star.name, name);
        star.magnitude = magnitude;
        star.declination = declination;
    }
    static int AddConstellation(const char* name) {
        CopyText(ConstellationTable[ConstellationCount].name, name);
        return ConstellationCount++;
    }
    static void AddDeepSky(const char* identifier, const char* name, double magnitude,
                           double declination, bool shown = true) {
        DeepSkyObject object;
        CopyText(object.identifier, identifier);
        CopyText(object.name, name);
        object.magnitude = magnitude;
        object.declination = declination;
        object.shown = shown;
        DeepSkyTable.push_back(object);
        DeepSkyCount = static_cast<int>(DeepSkyTable.size());
    }
    ChartLayout RunPass() {
        const ChartPassResult pass = PlaceChartObjects(window, surface, ChartScreen, 3,
                                                       ViewFromSettings(), ViewSettings.latitude);
        ViewSettings.siderealTime = pass.observer.siderealTime;
        return pass.layout;
    }
    // Names of the bodies above the horizon at the last pass's instant, Pluto to the Sun, found
    // from the body table independently of the pass.
    static std::vector<std::string> BodiesAbove() {
        std::vector<std::string> names;
        for (int row = PlutoRow; row >= SunRow; --row) {
            double ra = 0, dec = 0, altitude = 0, azimuth = 0;
            GetBodyPosition(row, ra, dec);
            EquatorialToHorizon(ra, dec, ViewSettings.siderealTime, ViewSettings.latitude, altitude,
                                azimuth);
            if (altitude <= 0) continue;
            names.emplace_back();
            GetBodyName(row, names.back());
        }
        return names;
    }
    static std::string Text(int i) { return HotSpotTable[i].text; }

    RecordingSurface surface;
    FakeChartWindow window;
};

TEST_F(ChartPassTest, StarsThenDeepSkyThenBodiesFromPlutoToTheSun) {
    window.time = {2024, 6, 5, 21, 12, 0, 0, 0};  // midsummer noon at the pole: the Sun is up
    SetStar(15, "Alpheratz And", 2.06, 40);
    SetStar(424, "Polaris UMi", 2.0, 90);
    AddDeepSky("M1", "Crab Nebula", 8.4, 22);  // fainter than the limit, named all the same
    AddDeepSky("M31", "Andromeda Galaxy", 3.4, 41, false);     // hidden
    AddDeepSky("M42", "Orion Nebula", 4.0, -5);                // below
    DeepSkyTable[1].visible = DeepSkyTable[2].visible = true;  // as an earlier pass left them

    const ChartLayout l = RunPass();
    const std::vector<std::string> bodies = BodiesAbove();
    ASSERT_FALSE(bodies.empty());
    ASSERT_EQ(bodies.back(), "Sun");
    ASSERT_EQ(HotSpotCount, 3 + static_cast<int>(bodies.size()));
    EXPECT_EQ(Text(0), " 15: Alpheratz And");
    EXPECT_EQ(Text(1), "424: Polaris UMi");
    EXPECT_EQ(Text(2), "M1: Crab Nebula; Mag=8.4");
    EXPECT_EQ(HotSpotTable[2].radius, 4);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const HotSpot& spot = HotSpotTable[3 + i];
        EXPECT_EQ(spot.text, bodies[i]);
        EXPECT_EQ(spot.radius, bodies[i] == "Moon" || bodies[i] == "Sun" ? 8 : 4) << bodies[i];
    }
    EXPECT_EQ((Point{StarTable[424].chartX, StarTable[424].chartY}), (Point{l.centreX, l.centreY}));
    EXPECT_TRUE(DeepSkyTable[0].visible);
    EXPECT_FALSE(DeepSkyTable[1].visible);
    EXPECT_FALSE(DeepSkyTable[2].visible);
    EXPECT_TRUE(messages.empty());
    // A pointer on the Sun names the Sun, whatever shares its place.
    const HotSpot& sun = HotSpotTable[HotSpotCount - 1];
    EXPECT_EQ(FindHotSpot(sun.x, sun.y), HotSpotCount - 1);
}

TEST_F(ChartPassTest, VisibilityOfAStarAndItsHotSpot) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* what;
        double magnitude, declination;
        bool inFigure, visible;
        int radius;  // of its hot spot; -1: none
    };
    // clang-format off
    const Row rows[] = {
        {"bright and up: floor(6.5 - 4.0)", 4.0, 30, false, true, 2},
        {"Sirius: floor(7.96)", -1.46, 30, false, true, 7},
        {"exactly at the limit: radius 0", 6.5, 30, false, true, 0},
        {"below the horizon", 3.0, -5, false, false, -1},
        {"fainter than the limit", 6.6, 30, false, false, -1},
        {"faint figure vertex: placed, not named", 7.5, 30, true, true, -1},
        {"figure naming a row the catalogue never filled", UnloadedMagnitude, 30, true, false, -1},
        {"NaN magnitude", nan, 45, false, false, -1},
        {"NaN declination", 1.0, nan, false, false, -1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SetStar(1, "Row", row.magnitude, row.declination);
        StarTable[1].inFigure = row.inFigure;
        StarTable[1].visible = true;  // as an earlier pass left it
        RunPass();
        EXPECT_EQ(StarTable[1].visible, row.visible);
        const bool named = HotSpotCount > 0 && Text(0) == "  1: Row";
        EXPECT_EQ(named ? HotSpotTable[0].radius : -1, row.radius);
        if (named) {
            EXPECT_EQ((Point{HotSpotTable[0].x, HotSpotTable[0].y}),
                      (Point{StarTable[1].chartX, StarTable[1].chartY}));
        }
    }
}

TEST_F(ChartPassTest, LabelsFollowTheCatalogueFormats) {
    struct Row {
        int number;
        const char* name;
        const char* constellation;  // nullptr: not linked
        const char* expected;
    };
    const Row rows[] = {
        {15, "Alpheratz And", "Andromeda", " 15: Alpheratz (Andromeda)"},
        {2491, "Sirius CMa", "Canis_Major", "2491: Sirius (Canis_Major)"},
        {3, " 33    Psc", "Pisces", "  3:  33    (Pisces)"},
        {9110, "Unlinked Xyz", nullptr, "9110: Unlinked Xyz"},
        {7, "", nullptr, "  7: "},
        // Built whole, then cut to its first 39 characters.
        {9110, "Abcdefghijklmnopqrs Xyz", "Constellationwithaverylongnam",
         "9110: Abcdefghijklmnopqrs (Constellatio"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        ResetSkyModel();
        SetStar(row.number, row.name, 5.0, 10);
        AddConstellation("Decoy");  // the link names its own row, not the first
        if (row.constellation)
            StarTable[row.number].constellationIndex = AddConstellation(row.constellation);
        RunPass();
        EXPECT_EQ(Text(0), row.expected);
    }
    ResetSkyModel();
    AddDeepSky("M1", "Crab Nebula", 8.4, 22);
    AddDeepSky("M102abcde", "Averyveryverylongdeepskyname1", 12.25, 10);
    SetStar(5, "", 5.0, 10);
    std::memset(StarTable[5].name, 'A', sizeof StarTable[5].name);  // no NUL: read to its size
    RunPass();
    EXPECT_EQ(Text(0), "  5: " + std::string(sizeof StarTable[5].name, 'A'));
    EXPECT_EQ(Text(1), "M1: Crab Nebula; Mag=8.4");
    EXPECT_EQ(Text(2), "M102abcde: Averyveryverylongdeepskyname");  // 39 of its 51 characters
}

TEST_F(ChartPassTest, LabelsOfTheShippedCatalogues) {
    LoadAllCatalogues();
    ASSERT_TRUE(messages.empty());
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;  // as "show all" does
    ViewSettings.latitude = 0;  // every object is up for half of the day
    surface.recordQueries = false;
    std::set<std::string> labels;
    std::size_t longest = 0;
    for (int hour : {0, 6, 12, 18}) {
        window.time.hour = hour;
        RunPass();
        ASSERT_LT(HotSpotCount, CatalogueHotSpotLimit);
        for (int i = 0; i < HotSpotCount; ++i) {
            labels.insert(Text(i));
            longest = std::max(longest, Text(i).size());
        }
    }
    for (const char* label : {" 15: Alpheratz (Andromeda)", "  3:  33    (Pisces)",
                              "2491: Sirius (Canis_Major)", "M1: Crab Nebula; Mag=8.4"})
        EXPECT_TRUE(labels.count(label)) << label;
    EXPECT_LE(longest, 34u);  // nothing shipped comes near the 39-character cut
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartPassTest, Over4989CandidatesReportsTheRestAndStillAppendsTheBodies) {
    for (int n = 1; n <= 4990; ++n) SetStar(n, "Many", 3.0, 45);
    for (int i = 0; i < 5; ++i) AddDeepSky("M", "Cluster", 5.0, 45);
    RunPass();
    const std::vector<std::string> bodies = BodiesAbove();
    EXPECT_EQ(HotSpotCount, CatalogueHotSpotLimit + static_cast<int>(bodies.size()));
    EXPECT_EQ(Text(CatalogueHotSpotLimit - 1), "4989: Many");
    for (int i = 1; i <= 4990; ++i) ASSERT_TRUE(StarTable[i].visible);
    for (const DeepSkyObject& object : DeepSkyTable) EXPECT_TRUE(object.visible);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Not Enough HotSpots");
    EXPECT_EQ(messages[0].text, "There were 6 more stars displayed than HotSpots available");
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
    for (std::size_t i = 0; i < bodies.size(); ++i)
        EXPECT_EQ(Text(CatalogueHotSpotLimit + static_cast<int>(i)), bodies[i]);
}

TEST_F(ChartPassTest, PassReadsThePickerAndStoresTheSiderealTime) {
    ViewSettings.siderealTime = -1;
    RunPass();
    EXPECT_GE(ViewSettings.siderealTime, 0);
    EXPECT_LT(ViewSettings.siderealTime, 24);
    const double first = ViewSettings.siderealTime;
    window.time.hour = 22;  // one clock hour later: about 1.0027 sidereal hours on
    RunPass();
    EXPECT_NEAR(std::fmod(ViewSettings.siderealTime - first + 24, 24), 1.0027379, 1e-6);
}

using HotSpotSearch = ChartFixture;

TEST_F(HotSpotSearch, LastEntryThatHoldsThePointerWins) {
    HotSpotTable[0] = {100, 100, 5, "first"};
    HotSpotTable[1] = {103, 104, 5, "second"};
    HotSpotTable[2] = {500, 500, 0, "third"};
    HotSpotCount = 3;
    struct Row {
        int x, y, expected;
    };
    const Row rows[] = {
        {101, 101, 1},   // in both circles: the later entry
        {98, 96, 0},     // dx^2 + dy^2 = 20 <= 25, 50 from the second
        {95, 100, 0},    // on the first circle's edge: 25 <= 25
        {500, 500, 2},   // radius 0: its own pixel
        {500, 501, -1},  // and nothing else
    };
    for (const Row& row : rows) EXPECT_EQ(FindHotSpot(row.x, row.y), row.expected) << row.x;
    HotSpotCount = 1;  // entries beyond the count are stale
    EXPECT_EQ(FindHotSpot(103, 108), -1);
    HotSpotTable[0] = {INT_MIN, INT_MIN, INT_MAX, "corner"};  // no overflow at the extremes
    HotSpotTable[1] = {INT_MAX, INT_MAX, 1, "other"};
    HotSpotCount = 2;
    EXPECT_EQ(FindHotSpot(INT_MAX, INT_MIN), -1);
    EXPECT_EQ(FindHotSpot(INT_MAX, INT_MAX), 1);
    EXPECT_EQ(FindHotSpot(INT_MIN + 1000, INT_MIN), 0);
    HotSpotCount = -5;
    EXPECT_EQ(FindHotSpot(0, 0), -1);
}

TEST_F(HotSpotSearch, MessageBoxFormattedCutsAt1023Characters) {
    MessageBoxFormatted("Caption", "%s-%d", std::string(2000, 'x').c_str(), 7);
    MessageBoxFormatted("C", "There were %d more", 6);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].caption, "Caption");
    EXPECT_EQ(messages[0].text, std::string(1023, 'x'));
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
    EXPECT_EQ(messages[1].text, "There were 6 more");
}

}  // namespace
