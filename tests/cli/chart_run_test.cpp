// Applying the options to the view and listing what a pass placed.
#include "cli/chart_run.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"

namespace {

class ChartRunTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InitProjectionPi();
        ResetSkyModel();
        LoadAllCatalogues();
    }
    void SetUp() override { ResetViewSettings(); }

    static int Row(const char* abbreviation) {
        for (int row = 0; row < ConstellationCount; ++row)
            if (std::string(ConstellationTable[row].abbreviation) == abbreviation) return row;
        return -1;
    }
    static ChartOptions Options(std::vector<std::string> arguments) {
        arguments.push_back("--list");
        const ParseResult parsed = ParseOptions(arguments);
        EXPECT_TRUE(parsed.ok) << parsed.error;
        return parsed.options;
    }
};

}  // namespace

TEST_F(ChartRunTest, OptionsSetTheViewAndTheShownFlags) {
    std::string error;
    ASSERT_TRUE(ApplyOptions(Options({"--latitude", "-33", "--magnitude", "6.5", "--facing", "N",
                                      "--figures", "ori,CMa", "--deep-sky"}),
                             "no-such-file", error))
        << error;
    EXPECT_EQ(ViewSettings.latitude, -33.0);
    EXPECT_EQ(ViewSettings.dimmestMagnitude, 6.5);
    EXPECT_EQ(ViewSettings.orientationAzimuth, 0.0);
    for (int row = 0; row < ConstellationCount; ++row)
        EXPECT_EQ(ConstellationTable[row].shown, row == Row("Ori") || row == Row("CMa")) << row;
    EXPECT_TRUE(std::all_of(DeepSkyTable.begin(), DeepSkyTable.end(),
                            [](const DeepSkyObject& o) { return o.shown; }));
}

TEST_F(ChartRunTest, UnknownAbbreviationIsRefusedAndChangesNothing) {
    std::string error;
    ASSERT_TRUE(ApplyOptions(Options({"--figures", "all"}), "no-such-file", error));
    ViewSettings.latitude = 12;
    EXPECT_FALSE(
        ApplyOptions(Options({"--figures", "Ori,Xyz", "--latitude", "40"}), "no-such-file", error));
    EXPECT_NE(error.find("\"Xyz\""), std::string::npos) << error;
    EXPECT_EQ(ViewSettings.latitude, 12.0);
    for (int row = 0; row < ConstellationCount; ++row) EXPECT_TRUE(ConstellationTable[row].shown);
}

TEST_F(ChartRunTest, ListHoldsEveryHotSpotInPassOrderAllAboveTheHorizon) {
    std::string error;
    const ChartOptions options =
        Options({"--latitude", "51.5", "--deep-sky", "--magnitude", "5", "--size", "1000x800"});
    ASSERT_TRUE(ApplyOptions(options, "no-such-file", error));
    const FixedChartWindow window(1000, 800, SystemTime{2024, 1, 1, 15, 21, 0, 0, 0});
    RunPassForList(options, window);
    const std::vector<PlacedObject> objects = CollectPlacedObjects();
    ASSERT_EQ(int(objects.size()), HotSpotCount);
    for (int i = 0; i < HotSpotCount; ++i) {
        EXPECT_GT(objects[i].altitude, 0.0) << objects[i].label;
        EXPECT_EQ(objects[i].x, HotSpotTable[i].x) << objects[i].label;
        EXPECT_EQ(objects[i].y, HotSpotTable[i].y) << objects[i].label;
        EXPECT_NE(objects[i].label[0], ' ');
    }
    auto named = [&](const std::string& text) {
        return std::any_of(objects.begin(), objects.end(), [&](const PlacedObject& o) {
            return o.label.find(text) != std::string::npos;
        });
    };
    EXPECT_TRUE(named("M42: "));
    EXPECT_TRUE(named("Jupiter"));
    EXPECT_FALSE(named("Sun"));               // 21:00 in January: below the horizon
    EXPECT_EQ(objects.back().label, "Moon");  // the last body above the horizon
}
