// The chart pass over the shipped catalogues: the labels they give and the size of a full pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "catalog/loaders.h"
#include "chart_fixture.h"
#include "fake_window.h"
#include "recording_surface.h"

namespace {

using ShippedCatalogueTest = ChartFixture;

TEST_F(ShippedCatalogueTest, LabelsOfTheShippedCatalogues) {
    LoadAllCatalogues();
    ASSERT_TRUE(messages.empty());
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;  // as "show all" does
    ViewSettings.dimmestMagnitude = 6.5;
    ViewSettings.latitude = 0;  // every object is up for half of the day
    RecordingSurface surface;
    surface.recordQueries = false;
    FakeChartWindow window;
    std::set<std::string> labels;
    std::size_t longest = 0;
    for (int hour : {0, 6, 12, 18}) {
        window.time.hour = hour;
        SystemTime time;
        PlaceChartObjects(window, surface, ChartScreen, 3, time);
        ASSERT_LT(HotSpotCount, CatalogueHotSpotLimit);
        for (int i = 0; i < HotSpotCount; ++i) {
            labels.insert(HotSpotTable[i].text);
            longest = std::max(longest, std::string(HotSpotTable[i].text).size());
        }
    }
    EXPECT_TRUE(labels.count(" 15: Alpheratz (Andromeda)"));
    EXPECT_TRUE(labels.count("  3:  33    (Pisces)"));
    EXPECT_TRUE(labels.count("2491: Sirius (Canis_Major)"));
    EXPECT_TRUE(labels.count("M1: Crab Nebula; Mag=8.4"));
    EXPECT_LE(longest, 34u);  // nothing shipped comes near the 39-character cut
    EXPECT_TRUE(messages.empty());
}

}  // namespace
