// Loading the star catalogue into StarTable.
#include <cstdio>
#include <string>
#include <vector>

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

TEST_F(StarCatalogue, FillsRowsByNumberWithPositionMagnitudeAndName) {
    LoadStarCatalogue(TextOf(StarLine(1, "__________", 6.7) + StarLine(2, "_10____Cas", -1.46) +
                             StarLine(3, "Some_Very_Long_Proper_Star_Name_Ori") + "%"));
    EXPECT_DOUBLE_EQ(StarTable[1].magnitude, 6.7);
    EXPECT_DOUBLE_EQ(StarTable[2].rightAscension, 0.004);
    EXPECT_DOUBLE_EQ(StarTable[2].declination, -44.998);
    EXPECT_DOUBLE_EQ(StarTable[2].magnitude, -1.46);
    EXPECT_STREQ(StarTable[1].name, "          ");
    EXPECT_STREQ(StarTable[2].name, " 10    Cas");
    // Too long for the field: its start and its constellation abbreviation are kept.
    EXPECT_STREQ(StarTable[3].name,
                 "Some Very Long Prope"
                 "Ori");
    EXPECT_TRUE(HasDefaults(StarTable[4]));
    EXPECT_TRUE(messages_.empty());
}

// Texts that load without a message; `filled` and `empty` list rows that must and must not
// have been filled.
TEST_F(StarCatalogue, RowsFilledByTextsWithoutFault) {
    const std::string longLine = StarLine(1, (std::string(300, 'Q') + "_And").c_str());
    const struct {
        const char* what;
        std::string text;
        std::vector<int> filled, empty;
    } rows[] = {
        {"jump forward", StarLines(1, 5) + StarLines(9, 12) + "%", {1, 5, 9, 12}, {6, 7, 8, 13}},
        {"early %", StarLines(1, 3) + "%\r\n" + StarLines(4, 6), {3}, {4}},
        {"no % line", StarLines(1, 3), {3}, {4}},
        {"not a number",
         StarLines(1, 2) + "3 nan 10.0 5.0 x\r\n4 1.0 inf 5.0 y\r\n" + StarLine(5) + "%",
         {1, 2, 5},
         {3, 4}},
        {"overlong line", longLine + StarLine(2) + "%", {1, 2}, {3}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        ResetSkyModel();
        LoadStarCatalogue(TextOf(r.text));
        for (int n : r.filled) EXPECT_NE(StarTable[n].magnitude, UnloadedMagnitude) << n;
        for (int n : r.empty) EXPECT_TRUE(HasDefaults(StarTable[n])) << n;
    }
    // The overlong line (the last row) is cut to the buffer, its name then to the field.
    EXPECT_EQ(std::string(StarTable[1].name), std::string(23, 'Q'));
    LoadStarCatalogue(ResourceText{});  // a missing text loads nothing and says nothing
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StarCatalogue, NumbersOutOfOrderShowTheMessageAndStop) {
    const struct {
        std::string text;
        const char* message;
        int lastFilled;
    } rows[] = {
        {StarLines(1, 5) + StarLine(5, "_99____Ori") + StarLines(6, 8) + "%",
         "Star database appears messed up.  Expected:6.  Found:5", 5},
        {StarLines(1, 2) + StarLine(9111) + "%",
         "Star database appears messed up.  Expected:3.  Found:9111", 2},
        {StarLines(1, 4) + "\r\n" + StarLine(5) + "%",  // the empty line used up number 5
         "Star database appears messed up.  Expected:6.  Found:5", 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.message);
        ResetSkyModel();
        messages_.clear();
        LoadStarCatalogue(TextOf(r.text));
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, r.message);
        EXPECT_EQ(messages_[0].caption, "Velquorran");
        EXPECT_EQ(messages_[0].icon, MessageIcon::Error);
        EXPECT_STREQ(StarTable[r.lastFilled].name, "          ");
        EXPECT_TRUE(HasDefaults(StarTable[r.lastFilled + 1]));
    }
}

}  // namespace
