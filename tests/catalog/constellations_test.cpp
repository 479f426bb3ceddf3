// Loading constellation figures (the link from stars to them: shipped_catalogues_test).
#include <string>
#include <vector>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

using Constellations = CatalogTest;

// The loaded figures as "Name: M1 D2 ...", each point marked '!' unless its star is inFigure.
// The first point's drawing flag is never used; it is always shown as M.
std::vector<std::string> Figures() {
    std::vector<std::string> figures;
    for (int row = 0; row < ConstellationCount; ++row) {
        const Constellation& c = ConstellationTable[row];
        std::string figure = std::string(c.name) + ":";
        for (int k = 0; k < c.pointCount; ++k) {
            figure += (k > 0 && c.drawFlags[k] ? " D" : " M") + std::to_string(c.points[k]) +
                      (StarTable[c.points[k]].inFigure ? "" : "!");
        }
        figures.push_back(figure);
    }
    return figures;
}

TEST_F(Constellations, BlocksOfTheFormat) {
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> figures;
    } rows[] = {
        {"only an upper-case D draws, whatever follows it",
         "Virgo Vir\r\nM 1\r\nd 2\r\nDraw 3\r\nE 4932\r\nD 4910\r\n\r\n%",
         {"Virgo: M1 M2 D3 M4932 D4910"}},
        {"% inside a figure ends figure and load",
         "Lyra Lyr\r\nM 7001\r\nD 7056\r\n%\r\nLynx Lyn\r\n",
         {"Lyra: M7001 D7056"}},
        {"an empty line for a header puts the blocks out of step",
         "Ara Ara\r\nM 6285\r\n\r\n\r\nAries Ari\r\nM 617\r\n\r\n%",
         {"Ara: M6285", ":", "M:"}},
        {"points outside 1..9110 are dropped, with no segment into or out of the gap",
         "Odd Odd\r\nM 0\r\nD 5\r\nD 6\r\nD 9111\r\nD -3\r\nD 99999999999999999999999\r\nD 7\r\n"
         "D 8\r\n\r\n%",
         {"Odd: M5 D6 M7 D8"}},
    };
    for (const auto& r : rows) {
        ResetSkyModel();
        LoadConstellations(TextOf(r.text));
        EXPECT_EQ(Figures(), r.figures) << r.what;
    }
    EXPECT_FALSE(StarTable[0].inFigure);
    EXPECT_FALSE(StarTable[9].inFigure);
}

TEST_F(Constellations, LimitsOfTheTableAndTheFigure) {
    std::string text;
    for (int row = 0; row < 90; ++row) text += "R R\r\nM " + std::to_string(row + 1) + "\r\n\r\n";
    LoadConstellations(TextOf(text + "%"));
    EXPECT_EQ(ConstellationCount, MaxConstellations);
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
    EXPECT_EQ(Figures()[1], "Lonely: M100");               // the blocks stay in step
    EXPECT_STREQ(ConstellationTable[1].abbreviation, "");  // a missing token leaves the field
    LoadConstellations(ResourceText{});                    // a missing text changes nothing
    EXPECT_EQ(ConstellationCount, 2);
}

}  // namespace
