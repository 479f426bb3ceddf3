// Loading constellation figures, and linking stars to constellations by name.
#include <cstring>
#include <string>
#include <vector>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

using Constellations = CatalogTest;

struct Figure {
    const char* name;
    std::vector<int> points;
    std::vector<bool> draws;
};

// Checks rows 0.. of ConstellationTable against `figures` and marks of every point.
void ExpectFigures(const std::vector<Figure>& figures) {
    ASSERT_EQ(ConstellationCount, static_cast<int>(figures.size()));
    for (std::size_t row = 0; row < figures.size(); ++row) {
        const Constellation& c = ConstellationTable[row];
        const Figure& f = figures[row];
        SCOPED_TRACE(f.name);
        EXPECT_STREQ(c.name, f.name);
        ASSERT_EQ(c.pointCount, static_cast<int>(f.points.size()));
        for (std::size_t k = 0; k < f.points.size(); ++k) {
            EXPECT_EQ(c.points[k], f.points[k]) << k;
            if (k > 0) {  // entry 0 is never used
                EXPECT_EQ(c.drawFlags[k], f.draws[k]) << k;
            }
            EXPECT_TRUE(StarTable[f.points[k]].inFigure) << k;
        }
    }
}

TEST_F(Constellations, BlocksOfTheFormat) {
    const struct {
        const char* what;
        std::string text;
        std::vector<Figure> figures;
    } rows[] = {
        {"the first shipped block",
         "Andromeda And\r\nM 603\r\nD 337\r\nD 165\r\nD 15\r\nD 154\r\nD 269\r\nD 390\r\nD 464\r\n"
         "\r\n%",
         {{"Andromeda", {603, 337, 165, 15, 154, 269, 390, 464}, {0, 1, 1, 1, 1, 1, 1, 1}}}},
        {"only an upper-case D draws, whatever follows it",
         "Virgo Vir\r\nM 1\r\nd 2\r\nDraw 3\r\nE 4932\r\nD 4910\r\n\r\n%",
         {{"Virgo", {1, 2, 3, 4932, 4910}, {0, 0, 1, 0, 1}}}},
        {"a header followed by the terminator",
         "Crux Cru\r\n\r\nLeo Leo\r\nM 3982\r\n\r\n%",
         {{"Crux", {}, {}}, {"Leo", {3982}, {0}}}},
        {"% inside a figure ends figure and load",
         "Lyra Lyr\r\nM 7001\r\nD 7056\r\n%\r\nLynx Lyn\r\n",
         {{"Lyra", {7001, 7056}, {0, 1}}}},
        {"an empty line for a header puts the blocks out of step",
         "Ara Ara\r\nM 6285\r\n\r\n\r\nAries Ari\r\nM 617\r\n\r\n%",
         {{"Ara", {6285}, {0}}, {"", {}, {}}, {"M", {}, {}}}},
        {"points outside 1..9110 are dropped, with no segment into or out of the gap",
         "Odd Odd\r\nM 0\r\nD 5\r\nD 6\r\nD 9111\r\nD -3\r\nD 99999999999999999999999\r\nD 7\r\n"
         "D 8\r\n\r\n%",
         {{"Odd", {5, 6, 7, 8}, {0, 1, 0, 1}}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        ResetSkyModel();
        LoadConstellations(TextOf(r.text));
        ExpectFigures(r.figures);
    }
    EXPECT_FALSE(StarTable[0].inFigure);
    EXPECT_FALSE(StarTable[604].inFigure);
}

TEST_F(Constellations, LimitsOfTheTableAndTheFigure) {
    std::string text;
    for (int row = 0; row < 90; ++row) {
        text += "Row" + std::to_string(row) + " R" + std::to_string(row) + "\r\nM " +
                std::to_string(row + 1) + "\r\n\r\n";
    }
    LoadConstellations(TextOf(text + "%"));
    EXPECT_EQ(ConstellationCount, MaxConstellations);
    EXPECT_STREQ(ConstellationTable[87].name, "Row87");
    EXPECT_TRUE(StarTable[88].inFigure);
    EXPECT_FALSE(StarTable[89].inFigure);  // the 89th block's point is never read

    ResetSkyModel();
    text = std::string(60, 'N') + " Abbreviation\r\nM 1\r\n";
    for (int n = 2; n <= 50; ++n) text += "D " + std::to_string(n) + "\r\n";
    LoadConstellations(TextOf(text + "\r\nLonely\r\nM 100\r\n\r\n%"));
    ASSERT_EQ(ConstellationCount, 2);
    EXPECT_EQ(std::string(ConstellationTable[0].name), std::string(29, 'N'));  // cut to fit
    EXPECT_STREQ(ConstellationTable[0].abbreviation, "Abbr");
    EXPECT_EQ(ConstellationTable[0].pointCount, MaxFigurePoints);  // the rest dropped
    EXPECT_FALSE(StarTable[42].inFigure);
    EXPECT_STREQ(ConstellationTable[1].name, "Lonely");    // the blocks stay in step
    EXPECT_STREQ(ConstellationTable[1].abbreviation, "");  // a missing token leaves the field
    EXPECT_EQ(ConstellationTable[1].points[0], 100);

    ResetSkyModel();
    LoadConstellations(ResourceText{});
    EXPECT_EQ(ConstellationCount, 0);
}

TEST_F(Constellations, LinkGivesTheFirstRowWhoseAbbreviationEndsTheName) {
    LoadConstellations(
        TextOf("Andromeda And\r\n\r\nSerpens Ser\r\n\r\nSerpens_Caput Ser\r\n\r\n%"));
    const struct {
        int number;
        const char* name;
        int row;
    } stars[] = {
        {15, "Alpheratz And", 0},
        {182, " M 31  And", 0},
        {5854, "   Alp Ser", 1},  // "Serpens", never "Serpens_Caput"
        {92, " NOVA 1572", NoConstellation},
        {93, "          ", NoConstellation},
        {6, "and", NoConstellation},  // case matters
        {7, "Ab", NoConstellation},
    };
    for (const auto& s : stars) std::strncpy(StarTable[s.number].name, s.name, StarNameSize - 1);
    StarTable[8].constellationIndex = 42;  // unmatched stars keep what they hold
    LinkStarsToConstellations();
    for (const auto& s : stars) EXPECT_EQ(StarTable[s.number].constellationIndex, s.row) << s.name;
    EXPECT_EQ(StarTable[8].constellationIndex, 42);
}

}  // namespace
