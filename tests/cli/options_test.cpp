// The renderer's command line: defaults, every option in both spellings, and a clear refusal of
// every bad value.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using Arguments = std::vector<std::string>;

TEST(ParseOptions, DefaultsMatchTheWindowAtStartUp) {
    const ParseResult result = ParseOptions({"-o", "chart.png"});
    ASSERT_TRUE(result.ok) << result.error;
    const ChartOptions& o = result.options;
    EXPECT_FALSE(o.latitude || o.time || o.allFigures || o.deepSky || o.print || o.list);
    EXPECT_TRUE(o.figures.empty());
    EXPECT_EQ(o.magnitude, 4.4);
    EXPECT_EQ(o.facing, 180.0);
    EXPECT_EQ(std::pair(o.width, o.height), std::pair(1200, 900));
    EXPECT_EQ(o.output, "chart.png");
}

TEST(ParseOptions, ReadsEveryOption) {
    const ParseResult result =
        ParseOptions({"--latitude", "-33.5", "--time", "2024-01-15T21:05:09", "--magnitude", "6.5",
                      "--facing", "NE", "--figures", "Ori,cma", "--deep-sky", "--size", "800x600",
                      "--print", "-o", "out/sky.PDF", "--list"});
    ASSERT_TRUE(result.ok) << result.error;
    const ChartOptions& o = result.options;
    EXPECT_EQ(o.latitude, -33.5);
    ASSERT_TRUE(o.time);
    const SystemTime& t = *o.time;
    EXPECT_EQ((std::vector<int>{t.year, t.month, t.day, t.dayOfWeek, t.hour, t.minute, t.second}),
              (std::vector<int>{2024, 1, 15, 1, 21, 5, 9}));  // 15 January 2024 was a Monday
    EXPECT_EQ(o.magnitude, 6.5);
    EXPECT_EQ(o.facing, 45.0);
    EXPECT_EQ(o.figures, (std::vector<std::string>{"Ori", "cma"}));
    EXPECT_TRUE(o.deepSky);
    EXPECT_EQ(std::pair(o.width, o.height), std::pair(800, 600));
    EXPECT_TRUE(o.print);
    EXPECT_EQ(o.output, "out/sky.PDF");
    EXPECT_TRUE(o.list);
}

TEST(ParseOptions, AcceptsNameEqualsValueAndLaterValuesWin) {
    const ParseResult result =
        ParseOptions({"--list", "--latitude=10", "--figures=all", "--latitude", "20"});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.options.latitude, 20.0);
    EXPECT_TRUE(result.options.allFigures);
    EXPECT_TRUE(
        ParseOptions({"--list", "--figures=Ori", "--figures=none"}).options.figures.empty());
}

TEST(ParseOptions, EveryFacingIsTheAzimuthAtTheBottom) {
    const std::pair<const char*, double> facings[] = {{"N", 0},    {"NE", 45}, {"E", 90},
                                                      {"SE", 135}, {"S", 180}, {"SW", 225},
                                                      {"W", 270},  {"NW", 315}};
    for (const auto& [name, azimuth] : facings) EXPECT_EQ(ParseFacing(name), azimuth) << name;
}

TEST(ParseOptions, HelpAloneIsEnough) {
    const ParseResult result = ParseOptions({"--help"});
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.options.help);
    for (const char* option : {"--latitude", "--time", "--magnitude", "--facing", "--figures",
                               "--deep-sky", "--size", "--print", "-o FILE", "--list", ".pdf"})
        EXPECT_NE(UsageText().find(option), std::string::npos) << option;
}

// Each of these is refused with a message that names what was wrong.
TEST(ParseOptions, RefusesBadArgumentsWithAMessage) {
    const std::pair<Arguments, const char*> cases[] = {
        {{}, "nothing to do"},
        {{"--deep-sky"}, "nothing to do"},
        {{"--list", "--latitude", "91"}, "--latitude"},
        {{"--list", "--latitude", "-90.01"}, "--latitude"},
        {{"--list", "--latitude", "north"}, "--latitude"},
        {{"--list", "--latitude", "30,5"}, "--latitude"},
        {{"--list", "--latitude", " 30"}, "--latitude"},
        {{"--list", "--latitude", "nan"}, "--latitude"},
        {{"--list", "--latitude"}, "needs a value"},
        {{"--list", "--time", "2024-02-30T00:00:00"}, "--time"},
        {{"--list", "--time", "2023-02-29T00:00:00"}, "--time"},
        {{"--list", "--time", "1900-02-29T00:00:00"}, "--time"},
        {{"--list", "--time", "2024-01-15"}, "--time"},
        {{"--list", "--time", "2024-01-15T24:00:00"}, "--time"},
        {{"--list", "--time", "2024-13-01T00:00:00"}, "--time"},
        {{"--list", "--time", "0000-01-01T00:00:00"}, "--time"},
        {{"--list", "--time", "2024-1-15T21:00:00x"}, "--time"},
        {{"--list", "--magnitude", "6.6"}, "--magnitude"},
        {{"--list", "--magnitude", "-0.1"}, "--magnitude"},
        {{"--list", "--magnitude", "bright"}, "--magnitude"},
        {{"--list", "--facing", "NNE"}, "--facing"},
        {{"--list", "--facing", "south"}, "--facing"},
        {{"--list", "--figures", "Ori,,CMa"}, "--figures"},
        {{"--list", "--figures", "O"}, "--figures"},
        {{"--list", "--figures", "Or1"}, "--figures"},
        {{"--list", "--figures", ""}, "--figures"},
        {{"--list", "--size", "99x100"}, "--size"},
        {{"--list", "--size", "100x10001"}, "--size"},
        {{"--list", "--size", "100X100"}, "--size"},
        {{"--list", "--size", "100x"}, "--size"},
        {{"--list", "--size", "-100x100"}, "--size"},
        {{"--list", "--size", "1e3x100"}, "--size"},
        {{"-o", "chart.bmp"}, ".png"},
        {{"-o", "chart"}, ".png"},
        {{"-o", ""}, "-o"},
        {{"-o"}, "needs a value"},
        {{"--list", "--bogus"}, "--bogus"},
        {{"--list", "stray"}, "stray"},
        {{"--list", "--deep-sky=yes"}, "takes no value"},
    };
    for (const auto& [arguments, expected] : cases) {
        std::string shown;
        for (const std::string& a : arguments) shown += "[" + a + "] ";
        const ParseResult result = ParseOptions(arguments);
        EXPECT_FALSE(result.ok) << shown;
        EXPECT_NE(result.error.find(expected), std::string::npos) << shown << result.error;
    }
}

// Leap days follow the Gregorian rule; decimals are read in full, in any locale; size bounds
// are inclusive.
TEST(ParseValues, ValuesAreReadWhole) {
    for (const auto& [text, valid] :
         std::vector<std::pair<const char*, bool>>{{"2024-02-29T12:00:00", true},
                                                   {"2000-02-29T12:00:00", true},
                                                   {"2100-02-29T12:00:00", false},
                                                   {"2024-12-31 23:59:59", true}})
        EXPECT_EQ(ParseTime(text).has_value(), valid) << text;
    for (const auto& [text, value] :
         std::vector<std::pair<const char*, std::optional<double>>>{{"+30", 30.0},
                                                                    {"-33.5", -33.5},
                                                                    {"1e1", 10.0},
                                                                    {"30abc", std::nullopt},
                                                                    {"", std::nullopt},
                                                                    {"+", std::nullopt},
                                                                    {"inf", std::nullopt},
                                                                    {"+-1", std::nullopt}})
        EXPECT_EQ(ParseDecimal(text), value) << text;
    int width = 0, height = 0;
    EXPECT_TRUE(ParseSize("100x10000", width, height));
    EXPECT_EQ(std::pair(width, height), std::pair(100, 10000));
    EXPECT_FALSE(ParseSize("x100", width, height));
    EXPECT_FALSE(ParseSize("100x100x100", width, height));
}
