// Loading the star catalogue into StarTable.
#include <cstdio>
#include <string>
#include <tuple>

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

// Rows 1 to 13 as '+' (loaded) and '.' (left at its defaults).
std::string LoadedRows() {
    std::string rows;
    for (int n = 1; n <= 13; ++n) {
        rows += StarTable[n].magnitude != UnloadedMagnitude || StarTable[n].name[0] ? '+' : '.';
    }
    return rows;
}

using StarCatalogue = CatalogTest;

TEST_F(StarCatalogue, FillsRowsByNumberWithPositionMagnitudeAndName) {
    LoadStarCatalogue(TextOf(StarLine(1, "__________", 6.7) + StarLine(2, "_10____Cas", -1.46) +
                             StarLine(3, "Some_Very_Long_Proper_Star_Name_Ori") + "%"));
    const Star& s = StarTable[2];
    EXPECT_EQ(std::tuple(StarTable[1].magnitude, s.rightAscension, s.declination, s.magnitude),
              std::tuple(6.7, 0.004, -44.998, -1.46));
    EXPECT_STREQ(StarTable[1].name, "          ");
    EXPECT_STREQ(StarTable[2].name, " 10    Cas");
    // Too long for the field: its start and its constellation abbreviation are kept.
    EXPECT_STREQ(StarTable[3].name, "Some Very Long PropeOri");
    EXPECT_TRUE(messages.empty());
}

// Which rows a text fills, and the one message (if any) with which the load stops. A line that
// cannot be read uses up its number.
TEST_F(StarCatalogue, RowsFilledAndWhereTheLoadStops) {
    const std::string messedUp = "Star database appears messed up.  Expected:";
    const struct {
        std::string text, rows, message;
    } rows[] = {
        {StarLines(1, 5) + StarLines(9, 12) + "%", "+++++...++++.", ""},
        {StarLines(1, 3) + "%\r\n" + StarLines(4, 6), "+++..........", ""},
        {StarLines(1, 2) + "3 nan 10.0 5.0 x\r\n4 1.0 inf 5.0 y\r\n" + StarLine(5) + "%",
         "++..+........", ""},
        {StarLines(1, 5) + StarLine(5, "_99____Ori") + StarLines(6, 8) + "%", "+++++........",
         messedUp + "6.  Found:5"},
        {StarLines(1, 2) + StarLine(9111) + "%", "++...........", messedUp + "3.  Found:9111"},
        {StarLines(1, 4) + "\r\n" + StarLine(5) + "%", "++++.........", messedUp + "6.  Found:5"},
        {StarLine(1, (std::string(300, 'Q') + "_And").c_str()) + StarLine(2), "++...........", ""},
    };
    for (const auto& r : rows) {
        ResetSkyModel();
        messages.clear();
        LoadStarCatalogue(TextOf(r.text));
        EXPECT_EQ(LoadedRows(), r.rows) << r.text.substr(0, 60);
        ASSERT_EQ(messages.size(), r.message.empty() ? 0u : 1u);
        if (!r.message.empty()) {
            EXPECT_EQ(messages[0].text, r.message);
            EXPECT_EQ(messages[0].caption, "Velquorran");
            EXPECT_EQ(messages[0].icon, MessageIcon::Error);
        }
    }
    // The overlong line (the last row) is cut to the line buffer, its name then to the field.
    EXPECT_EQ(std::string(StarTable[1].name), std::string(23, 'Q'));
    LoadStarCatalogue(ResourceText{});  // a missing text loads nothing and says nothing
    EXPECT_TRUE(messages.empty());
}

}  // namespace
