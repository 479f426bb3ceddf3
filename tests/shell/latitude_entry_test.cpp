// The settings dialog's latitude entry: what it shows and what it accepts.
#include "shell/latitude_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(FormatLatitudeEntry, ShowsTheMagnitudeInWholeDegreesRoundedAsPrintfRounds) {
    EXPECT_EQ(FormatLatitudeEntry(30.6), "31");
    EXPECT_EQ(FormatLatitudeEntry(-33.0), "33");
    EXPECT_EQ(FormatLatitudeEntry(89.9999), "90");
    EXPECT_EQ(FormatLatitudeEntry(-0.0), "0");
    EXPECT_EQ(FormatLatitudeEntry(2.5), "2");  // an exact half goes to the even neighbour
}

TEST(LatitudeSelectsSouth, OnlyBelowZero) {
    EXPECT_TRUE(LatitudeSelectsSouth(-33.0));
    EXPECT_FALSE(LatitudeSelectsSouth(-0.0));
    EXPECT_FALSE(LatitudeSelectsSouth(0.0));
    EXPECT_FALSE(LatitudeSelectsSouth(51.5));
}

TEST(ParseLatitudeEntry, AboveNinetyOrNoNumberIsRejected) {
    EXPECT_FALSE(ParseLatitudeEntry("91", false));
    EXPECT_FALSE(ParseLatitudeEntry("90.0001", false));
    EXPECT_FALSE(ParseLatitudeEntry("", false));
    EXPECT_FALSE(ParseLatitudeEntry("   ", true));
    EXPECT_FALSE(ParseLatitudeEntry("north", false));
    EXPECT_FALSE(ParseLatitudeEntry("1e400", false));
    EXPECT_FALSE(ParseLatitudeEntry(std::string(2000, '9'), false));
}

TEST(ParseLatitudeEntry, NotANumberIsRejectedRatherThanStored) {
    EXPECT_FALSE(ParseLatitudeEntry("nan", false));
    EXPECT_FALSE(ParseLatitudeEntry("-nan", true));
}

TEST(ParseLatitudeEntry, NinetyMovesInwardAndSouthNegates) {
    EXPECT_EQ(ParseLatitudeEntry("90", false), 89.9999);
    EXPECT_EQ(ParseLatitudeEntry("90", true), -89.9999);
    EXPECT_EQ(ParseLatitudeEntry("30", false), 30.0);
    EXPECT_EQ(ParseLatitudeEntry("33", true), -33.0);
}

TEST(ParseLatitudeEntry, ZeroSouthIsNegativeZeroWhichEqualsZero) {
    const std::optional<double> latitude = ParseLatitudeEntry("0", true);
    ASSERT_TRUE(latitude);
    EXPECT_EQ(*latitude, 0.0);
    EXPECT_TRUE(std::signbit(*latitude));
}

TEST(ParseLatitudeEntry, ReadsTheFirstNumberAsScanfDoes) {
    EXPECT_EQ(ParseLatitudeEntry("  45xyz", false), 45.0);
    EXPECT_EQ(ParseLatitudeEntry("-33", false), 33.0);  // the hemisphere box gives the sign
    EXPECT_EQ(ParseLatitudeEntry("12.75", false), 12.75);
}

TEST(ParseLatitudeEntry, ReadsAtMost999Characters) {
    const std::string text = std::string(998, '0') + "45";
    EXPECT_EQ(ParseLatitudeEntry(text, false), 4.0);
}

}  // namespace
