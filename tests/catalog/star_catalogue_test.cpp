// Loading the star catalogue into StarTable.
#include <cstdio>
#include <string>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

// One star line in the catalogue's own layout.
std::string StarLine(int number, const char* name = "__________", double magnitude = 5.0) {
    char fields[LineBufferSize];
    std::snprintf(fields, sizeof fields, "%d%17.11f%17.11f%7.3f ", number, number * 0.002,
                  number * 0.001 - 45.0, magnitude);
    return std::string(fields) + name + "\r\n";
}

std::string StarLines(int from, int to) {
    std::string lines;
    for (int n = from; n <= to; ++n) lines += StarLine(n);
    return lines;
}

bool HasDefaults(const Star& star) {
    return star.name[0] == '\0' && star.magnitude == UnloadedMagnitude && !star.inFigure &&
           star.constellationIndex == NoConstellation;
}

using StarCatalogue = CatalogTest;

TEST_F(StarCatalogue, FillsRowsByNumberWithPositionAndMagnitude) {
    LoadStarCatalogue(
        TextOf(StarLine(1, "__________", 6.7) + StarLine(2, "_10____Cas", -1.46) + "%"));
    EXPECT_DOUBLE_EQ(StarTable[1].magnitude, 6.7);
    EXPECT_DOUBLE_EQ(StarTable[2].rightAscension, 0.004);
    EXPECT_DOUBLE_EQ(StarTable[2].declination, -44.998);
    EXPECT_DOUBLE_EQ(StarTable[2].magnitude, -1.46);
    EXPECT_STREQ(StarTable[1].name, "          ");
    EXPECT_STREQ(StarTable[2].name, " 10    Cas");
    EXPECT_TRUE(HasDefaults(StarTable[3]));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StarCatalogue, JumpForwardLeavesRowsBetweenAtDefaults) {
    LoadStarCatalogue(TextOf(StarLines(1, 5) + StarLines(9, 12) + "%"));
    for (int n : {1, 5, 9, 12}) EXPECT_DOUBLE_EQ(StarTable[n].magnitude, 5.0) << n;
    for (int n : {6, 7, 8, 13}) EXPECT_TRUE(HasDefaults(StarTable[n])) << n;
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StarCatalogue, RepeatedNumberShowsMessageAndStops) {
    LoadStarCatalogue(TextOf(StarLines(1, 5) + StarLine(5, "_99____Ori") + StarLines(6, 8) + "%"));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Star database appears messed up.  Expected:6.  Found:5");
    EXPECT_EQ(messages_[0].caption, "Velquorran");
    EXPECT_EQ(messages_[0].icon, MessageIcon::Error);
    EXPECT_STREQ(StarTable[5].name, "          ");  // the first line 5 stays
    EXPECT_TRUE(HasDefaults(StarTable[6]));
}

TEST_F(StarCatalogue, NumberAboveLastShowsMessageWithExpectedNumber) {
    LoadStarCatalogue(TextOf(StarLines(1, 2) + StarLine(9111) + "%"));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Star database appears messed up.  Expected:3.  Found:9111");
}

TEST_F(StarCatalogue, EmptyLineUsesUpOneNumber) {
    LoadStarCatalogue(TextOf(StarLines(1, 4) + "\r\n" + StarLine(5) + "%"));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Star database appears messed up.  Expected:6.  Found:5");
    EXPECT_TRUE(HasDefaults(StarTable[5]));
}

TEST_F(StarCatalogue, PercentLineStopsTheLoadEarly) {
    LoadStarCatalogue(TextOf(StarLines(1, 3) + "%\r\n" + StarLines(4, 6)));
    EXPECT_DOUBLE_EQ(StarTable[3].magnitude, 5.0);
    EXPECT_TRUE(HasDefaults(StarTable[4]));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StarCatalogue, TextWithoutPercentLineEndsAtItsLastLine) {
    LoadStarCatalogue(TextOf(StarLines(1, 3)));
    EXPECT_DOUBLE_EQ(StarTable[3].magnitude, 5.0);
    EXPECT_TRUE(HasDefaults(StarTable[4]));
}

TEST_F(StarCatalogue, LongNameKeepsItsStartAndItsAbbreviation) {
    LoadStarCatalogue(TextOf(StarLine(1, "Some_Very_Long_Proper_Star_Name_Ori") + "%"));
    EXPECT_STREQ(StarTable[1].name,
                 "Some Very Long Prope"
                 "Ori");
}

TEST_F(StarCatalogue, OverlongLineIsCutAndTheNextLineStillReads) {
    const std::string longName = std::string(300, 'Q') + "_And";
    LoadStarCatalogue(TextOf(StarLine(1, longName.c_str()) + StarLine(2) + "%"));
    EXPECT_EQ(std::string(StarTable[1].name), std::string(20, 'Q') + "QQQ");
    EXPECT_DOUBLE_EQ(StarTable[2].magnitude, 5.0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StarCatalogue, NotANumberFieldSkipsTheLine) {
    LoadStarCatalogue(TextOf(StarLines(1, 2) + "3 nan 10.0 5.0 x\r\n" + "4 1.0 inf 5.0 y\r\n" +
                             StarLine(5) + "%"));
    EXPECT_TRUE(HasDefaults(StarTable[3]));
    EXPECT_TRUE(HasDefaults(StarTable[4]));
    EXPECT_DOUBLE_EQ(StarTable[5].magnitude, 5.0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StarCatalogue, MissingTextLoadsNothingAndSaysNothing) {
    LoadStarCatalogue(ResourceText{});
    for (int n : {1, 100, MaxStarNumber}) EXPECT_TRUE(HasDefaults(StarTable[n]));
    EXPECT_TRUE(messages_.empty());
}

}  // namespace
