// Applying the options to the view and listing what a pass placed.
#include "cli/chart_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

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
    const ChartPassResult pass = RunPassForList(options, window);
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    PrintPlacedObjects(out, pass);
    std::fclose(out);
    std::vector<std::string> lines;
    std::istringstream stream(std::string(text, size));
    std::free(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    ASSERT_EQ(int(lines.size()), HotSpotCount);
    for (int i = 0; i < HotSpotCount; ++i) {
        const std::string& line = lines[i];
        std::string label = line.substr(0, line.find('\t'));
        double altitude = 0;
        int x = 0, y = 0;
        ASSERT_EQ(std::sscanf(line.c_str() + label.size(), "\t%lf\t%*f\t%d\t%d", &altitude, &x, &y),
                  3)
            << line;
        EXPECT_GT(altitude, 0.0) << line;
        EXPECT_EQ(x, HotSpotTable[i].x) << line;
        EXPECT_EQ(y, HotSpotTable[i].y) << line;
        EXPECT_NE(label[0], ' ');
    }
    auto named = [&](const std::string& text) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(named("M42: "));
    EXPECT_TRUE(named("Jupiter"));
    EXPECT_FALSE(named("Sun"));                      // 21:00 in January: below the horizon
    EXPECT_EQ(lines.back().substr(0, 5), "Moon\t");  // the last body above the horizon
}
