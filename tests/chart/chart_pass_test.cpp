// The chart pass's first half: visibility, chart positions, hot spots, labels, the overflow
// message, and the pointer search.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/coordinates.h"
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

    static void SetStar(int number, const char* name, double magnitude, double declination,
                        double rightAscension = 0) {
        Star& star = StarTable[number];
        CopyText(star.name, name);
        star.magnitude = magnitude;
        star.declination = declination;
        star.rightAscension = rightAscension;
    }
    static int AddConstellation(const char* name) {
        Constellation& c = ConstellationTable[ConstellationCount];
        CopyText(c.name, name);
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
        SystemTime time;
        return PlaceChartObjects(window, surface, ChartScreen, 3, time);
    }

    // Names and radii of the bodies above the horizon at the pass's instant, Pluto to the Sun,
    // found independently of the pass from the body table.
    std::vector<std::pair<std::string, int>> BodiesAbove(int markSize) const {
        std::vector<std::pair<std::string, int>> result;
        for (int row = PlutoRow; row >= SunRow; --row) {
            double ra = 0, dec = 0, altitude = 0, azimuth = 0;
            GetBodyPosition(row, ra, dec);
            EquatorialToHorizon(ra, dec, ViewSettings.siderealTime, ViewSettings.latitude, altitude,
                                azimuth);
            if (altitude <= 0) continue;
            std::string name;
            GetBodyName(row, name);
            result.emplace_back(name, row <= MoonRow ? 2 * markSize : markSize);
        }
        return result;
    }

    std::string Text(int i) const { return HotSpotTable[i].text; }

    RecordingSurface surface;
    FakeChartWindow window;
};

TEST_F(ChartPassTest, StarsThenDeepSkyThenBodiesFromPlutoToTheSun) {
    SetStar(15, "Alpheratz And", 2.06, 40);
    SetStar(2491, "Sirius CMa", -1.46, 20);
    SetStar(3000, "Below Ori", 1.0, -5);  // below the horizon
    SetStar(4000, "Faint Ori", 6.6, 30);  // fainter than the limit
    const int andromeda = AddConstellation("Andromeda");
    AddConstellation("Canis_Minor");
    const int canisMajor = AddConstellation("Canis_Major");
    StarTable[15].constellationIndex = andromeda;
    StarTable[2491].constellationIndex = canisMajor;
    AddDeepSky("M1", "Crab Nebula", 8.4, 22);
    AddDeepSky("M31", "Andromeda Galaxy", 3.4, 41, false);  // hidden
    AddDeepSky("M42", "Orion Nebula", 4.0, -5);             // below

    const ChartLayout l = RunPass();
    const auto bodies = BodiesAbove(l.markSize);
    ASSERT_EQ(HotSpotCount, 3 + static_cast<int>(bodies.size()));
    EXPECT_EQ(Text(0), " 15: Alpheratz (Andromeda)");
    EXPECT_EQ(Text(1), "2491: Sirius (Canis_Major)");
    EXPECT_EQ(Text(2), "M1: Crab Nebula; Mag=8.4");
    EXPECT_EQ(HotSpotTable[2].radius, 4);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        EXPECT_EQ(Text(3 + static_cast<int>(i)), bodies[i].first);
        EXPECT_EQ(HotSpotTable[3 + i].radius, bodies[i].second);
    }
    EXPECT_TRUE(StarTable[15].visible);
    EXPECT_EQ(HotSpotTable[0].x, StarTable[15].chartX);
    EXPECT_EQ(HotSpotTable[0].y, StarTable[15].chartY);
    EXPECT_FALSE(StarTable[3000].visible);
    EXPECT_FALSE(StarTable[4000].visible);
    EXPECT_TRUE(DeepSkyTable[0].visible);
    EXPECT_FALSE(DeepSkyTable[1].visible);
    EXPECT_FALSE(DeepSkyTable[2].visible);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartPassTest, SunAndMoonGetTwiceTheMarkSizeAndTheSunComesLast) {
    // Midsummer noon at the north pole: the Sun is up; the table's tail ends with it.
    window.time = {2024, 6, 5, 21, 12, 0, 0, 0};
    const ChartLayout l = RunPass();
    const auto bodies = BodiesAbove(l.markSize);
    ASSERT_FALSE(bodies.empty());
    ASSERT_EQ(bodies.back().first, "Sun");
    EXPECT_EQ(Text(HotSpotCount - 1), "Sun");
    EXPECT_EQ(HotSpotTable[HotSpotCount - 1].radius, 8);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const int entry = HotSpotCount - static_cast<int>(bodies.size()) + static_cast<int>(i);
        EXPECT_EQ(Text(entry), bodies[i].first);
        EXPECT_EQ(HotSpotTable[entry].radius,
                  bodies[i].first == "Moon" || bodies[i].first == "Sun" ? 8 : 4);
    }
    // A pointer on the Sun names the Sun even when another body shares its place.
    const HotSpot sun = HotSpotTable[HotSpotCount - 1];
    EXPECT_EQ(FindHotSpot(sun.x, sun.y), HotSpotCount - 1);
}

TEST_F(ChartPassTest, StarRadiusIsTheFloorOfTheMagnitudeMargin) {
    SetStar(1, "Sirius CMa", -1.46, 10);  // floor(7.96)
    SetStar(2, "Edge", 6.5, 20);          // exactly at the limit
    SetStar(3, "Mid", 4.0, 30);           // floor(2.5)
    RunPass();
    EXPECT_EQ(HotSpotTable[0].radius, 7);
    EXPECT_EQ(HotSpotTable[1].radius, 0);
    EXPECT_EQ(HotSpotTable[2].radius, 2);
    // Radius 0: only the star's own pixel hits.
    EXPECT_EQ(FindHotSpot(HotSpotTable[1].x, HotSpotTable[1].y), 1);
}

TEST_F(ChartPassTest, PolarStarLandsOnTheCentre) {
    SetStar(424, "Polaris UMi", 2.0, 90);
    const ChartLayout l = RunPass();
    EXPECT_EQ(StarTable[424].chartX, l.centreX);
    EXPECT_EQ(StarTable[424].chartY, l.centreY);
}

TEST_F(ChartPassTest, LabelsFollowTheCatalogueFormats) {
    SetStar(3, " 33    Psc", 4.6, 10);
    StarTable[3].constellationIndex = AddConstellation("Pisces");
    SetStar(9110, "Unlinked Xyz", 5.0, 10);
    SetStar(7, "", 5.0, 10);
    RunPass();
    EXPECT_EQ(Text(0), "  3:  33    (Pisces)");
    EXPECT_EQ(Text(1), "  7: ");
    EXPECT_EQ(Text(2), "9110: Unlinked Xyz");
}

TEST_F(ChartPassTest, OverlongLabelsKeepTheirFirst39Characters) {
    SetStar(9110, "Abcdefghijklmnopqrs Xyz", 5.0, 10);  // 23 characters, the field's limit
    StarTable[9110].constellationIndex = AddConstellation("Constellationwithaverylongnam");
    AddDeepSky("M102abcde", "Averyveryverylongdeepskyname1", 12.25, 10);
    RunPass();
    const std::string full = "9110: Abcdefghijklmnopqrs (Constellationwithaverylongnam)";
    EXPECT_EQ(Text(0), full.substr(0, 39));
    EXPECT_EQ(Text(1),
              std::string("M102abcde: Averyveryverylongdeepskyname1; Mag=12.2").substr(0, 39));
}

TEST_F(ChartPassTest, FieldsWithoutTerminatorAreReadOnlyToTheirSize) {
    SetStar(5, "", 5.0, 10);
    std::memset(StarTable[5].name, 'A', sizeof StarTable[5].name);  // no NUL
    RunPass();
    EXPECT_EQ(Text(0), "  5: " + std::string(sizeof StarTable[5].name, 'A'));
}

TEST_F(ChartPassTest, FaintFigureVertexIsPlacedButNotNamed) {
    SetStar(10, "Faint And", 7.5, 30);
    StarTable[10].inFigure = true;
    SetStar(11, "Gone And", UnloadedMagnitude, 30);  // a figure naming an unfilled row
    StarTable[11].inFigure = true;
    RunPass();
    EXPECT_TRUE(StarTable[10].visible);
    EXPECT_FALSE(StarTable[11].visible);
    for (int i = 0; i < HotSpotCount; ++i) EXPECT_EQ(std::strstr(Text(i).c_str(), "And"), nullptr);
}

TEST_F(ChartPassTest, UnfilledRowsAndNaNNeverPass) {
    StarTable[20].declination = 45;  // magnitude still UnloadedMagnitude
    SetStar(21, "Broken", std::numeric_limits<double>::quiet_NaN(), 45);
    SetStar(22, "Nowhere", 1.0, std::numeric_limits<double>::quiet_NaN());
    ViewSettings.dimmestMagnitude = 6.5;
    RunPass();
    EXPECT_FALSE(StarTable[20].visible);
    EXPECT_FALSE(StarTable[21].visible);
    EXPECT_FALSE(StarTable[22].visible);
}

TEST_F(ChartPassTest, VisibilityIsClearedAtEveryPass) {
    SetStar(1, "Up", 1.0, 10);
    AddDeepSky("M1", "Crab Nebula", 8.4, 22);
    RunPass();
    ASSERT_TRUE(StarTable[1].visible);
    ASSERT_TRUE(DeepSkyTable[0].visible);
    StarTable[1].declination = -10;
    DeepSkyTable[0].shown = false;
    RunPass();
    EXPECT_FALSE(StarTable[1].visible);
    EXPECT_FALSE(DeepSkyTable[0].visible);
}

TEST_F(ChartPassTest, Over4989CandidatesReportsTheRestAndStillAppendsTheBodies) {
    for (int n = 1; n <= 4990; ++n) SetStar(n, "Many", 3.0, 45);
    for (int i = 0; i < 5; ++i) AddDeepSky("M", "Cluster", 5.0, 45);
    const ChartLayout l = RunPass();
    const auto bodies = BodiesAbove(l.markSize);
    EXPECT_EQ(HotSpotCount, CatalogueHotSpotLimit + static_cast<int>(bodies.size()));
    EXPECT_EQ(Text(CatalogueHotSpotLimit - 1), "4989: Many");
    for (int i = 1; i <= 4990; ++i) ASSERT_TRUE(StarTable[i].visible);
    for (const DeepSkyObject& object : DeepSkyTable) EXPECT_TRUE(object.visible);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Not Enough HotSpots");
    EXPECT_EQ(messages[0].text, "There were 6 more stars displayed than HotSpots available");
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
    for (std::size_t i = 0; i < bodies.size(); ++i)
        EXPECT_EQ(Text(CatalogueHotSpotLimit + static_cast<int>(i)), bodies[i].first);
}

TEST_F(ChartPassTest, PassReadsThePickerAndStoresTheSiderealTime) {
    ViewSettings.siderealTime = -1;
    RunPass();
    EXPECT_GE(ViewSettings.siderealTime, 0);
    EXPECT_LT(ViewSettings.siderealTime, 24);
    const double first = ViewSettings.siderealTime;
    window.time.hour = 22;  // one clock hour later: about 1.0027 sidereal hours on
    RunPass();
    const double step = std::fmod(ViewSettings.siderealTime - first + 24, 24);
    EXPECT_NEAR(step, 1.0027379, 1e-6);
}

using HotSpotSearch = ChartFixture;

TEST_F(HotSpotSearch, LastEntryThatHoldsThePointerWins) {
    HotSpotTable[0] = {100, 100, 5, "first"};
    HotSpotTable[1] = {103, 104, 5, "second"};
    HotSpotTable[2] = {500, 500, 0, "third"};
    HotSpotCount = 3;
    EXPECT_EQ(FindHotSpot(101, 101), 1);
    EXPECT_EQ(FindHotSpot(98, 96), 0);   // dx^2 + dy^2 = 20 <= 25, 50 from the second
    EXPECT_EQ(FindHotSpot(95, 100), 0);  // on the first circle's edge: 25 <= 25
    EXPECT_EQ(FindHotSpot(500, 500), 2);
    EXPECT_EQ(FindHotSpot(500, 501), -1);
    HotSpotCount = 1;  // entries beyond the count are stale
    EXPECT_EQ(FindHotSpot(103, 108), -1);
}

TEST_F(HotSpotSearch, ExtremeCoordinatesDoNotOverflow) {
    HotSpotTable[0] = {INT_MIN, INT_MIN, INT_MAX, "corner"};
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
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Caption");
    EXPECT_EQ(messages[0].text, std::string(1023, 'x'));
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
    MessageBoxFormatted("C", "There were %d more", 6);
    EXPECT_EQ(messages[1].text, "There were 6 more");
}

}  // namespace
