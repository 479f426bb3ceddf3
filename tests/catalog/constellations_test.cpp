// Loading constellation figures, and linking stars to constellations by name.
#include <cstring>
#include <string>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

using Constellations = CatalogTest;

const char* const AndromedaBlock =
    "Andromeda And\r\nM 603\r\nD 337\r\nD 165\r\nD 15\r\nD 154\r\nD 269\r\nD 390\r\nD 464\r\n\r\n";

TEST_F(Constellations, ReadsHeaderPointsAndDrawFlags) {
    LoadConstellations(TextOf(std::string(AndromedaBlock) + "%"));
    ASSERT_EQ(ConstellationCount, 1);
    const Constellation& andromeda = ConstellationTable[0];
    EXPECT_STREQ(andromeda.name, "Andromeda");
    EXPECT_STREQ(andromeda.abbreviation, "And");
    ASSERT_EQ(andromeda.pointCount, 8);
    const int expected[] = {603, 337, 165, 15, 154, 269, 390, 464};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(andromeda.points[k], expected[k]);
        EXPECT_EQ(andromeda.drawFlags[k], k > 0);
        EXPECT_TRUE(StarTable[expected[k]].inFigure);
    }
    EXPECT_FALSE(StarTable[604].inFigure);
}

TEST_F(Constellations, OnlyAnUpperCaseDDraws) {
    LoadConstellations(TextOf("Virgo Vir\r\nM 1\r\nd 2\r\nDraw 3\r\nE 4932\r\nD 4910\r\n\r\n%"));
    const Constellation& virgo = ConstellationTable[0];
    ASSERT_EQ(virgo.pointCount, 5);
    EXPECT_FALSE(virgo.drawFlags[1]);  // lower-case d moves
    EXPECT_TRUE(virgo.drawFlags[2]);   // a longer token beginning with D draws
    EXPECT_FALSE(virgo.drawFlags[3]);  // E moves
    EXPECT_TRUE(virgo.drawFlags[4]);
}

TEST_F(Constellations, HeaderFollowedByTerminatorGivesEmptyFigure) {
    LoadConstellations(TextOf("Crux Cru\r\n\r\nLeo Leo\r\nM 3982\r\n\r\n%"));
    ASSERT_EQ(ConstellationCount, 2);
    EXPECT_EQ(ConstellationTable[0].pointCount, 0);
    EXPECT_STREQ(ConstellationTable[1].name, "Leo");
    EXPECT_EQ(ConstellationTable[1].pointCount, 1);
}

TEST_F(Constellations, LoadsAtMost88BlocksAndReadsNothingAfterThe89thHeader) {
    std::string text;
    for (int row = 0; row < 90; ++row) {
        text += "Row" + std::to_string(row) + " R" + std::to_string(row % 100) + "\r\nM " +
                std::to_string(row + 1) + "\r\n\r\n";
    }
    LoadConstellations(TextOf(text + "%"));
    EXPECT_EQ(ConstellationCount, MaxConstellations);
    EXPECT_STREQ(ConstellationTable[87].name, "Row87");
    EXPECT_TRUE(StarTable[88].inFigure);
    EXPECT_FALSE(StarTable[89].inFigure);  // the 89th block's point is never read
}

TEST_F(Constellations, PercentInsideAFigureEndsFigureAndLoad) {
    LoadConstellations(TextOf("Lyra Lyr\r\nM 7001\r\nD 7056\r\n%\r\nLynx Lyn\r\n"));
    EXPECT_EQ(ConstellationCount, 1);
    EXPECT_EQ(ConstellationTable[0].pointCount, 2);
}

TEST_F(Constellations, PointsBeyondCapacityAreDroppedAndTheBlockReadOn) {
    std::string text = "Big Big\r\nM 1\r\n";
    for (int n = 2; n <= 50; ++n) text += "D " + std::to_string(n) + "\r\n";
    text += "\r\nNext Nxt\r\nM 100\r\n\r\n%";
    LoadConstellations(TextOf(text));
    ASSERT_EQ(ConstellationCount, 2);
    EXPECT_EQ(ConstellationTable[0].pointCount, MaxFigurePoints);
    EXPECT_EQ(ConstellationTable[0].points[MaxFigurePoints - 1], MaxFigurePoints);
    EXPECT_FALSE(StarTable[42].inFigure);
    EXPECT_STREQ(ConstellationTable[1].name, "Next");  // the blocks stay in step
    EXPECT_EQ(ConstellationTable[1].points[0], 100);
}

TEST_F(Constellations, OutOfRangePointsAreDroppedAndBreakTheLine) {
    LoadConstellations(
        TextOf("Odd Odd\r\nM 0\r\nD 5\r\nD 6\r\nD 9111\r\nD -3\r\n"
               "D 99999999999999999999999\r\nD 7\r\nD 8\r\n\r\n%"));
    const Constellation& odd = ConstellationTable[0];
    ASSERT_EQ(odd.pointCount, 4);
    const int points[] = {5, 6, 7, 8};
    const bool draws[] = {false, true, false, true};  // no segment into or out of a gap
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(odd.points[k], points[k]);
        EXPECT_EQ(odd.drawFlags[k], draws[k]) << k;
    }
    EXPECT_FALSE(StarTable[0].inFigure);
}

TEST_F(Constellations, OverlongHeaderTokensAreCutToTheirFields) {
    const std::string longName(60, 'N');
    LoadConstellations(TextOf(longName + " Abbreviation\r\n\r\nLonely\r\n\r\n%"));
    ASSERT_EQ(ConstellationCount, 2);
    EXPECT_EQ(std::string(ConstellationTable[0].name), std::string(29, 'N'));
    EXPECT_STREQ(ConstellationTable[0].abbreviation, "Abbr");
    EXPECT_STREQ(ConstellationTable[1].name, "Lonely");
    EXPECT_STREQ(ConstellationTable[1].abbreviation, "");  // a missing token leaves the field
}

TEST_F(Constellations, EmptyLineInPlaceOfHeaderPutsBlocksOutOfStep) {
    LoadConstellations(TextOf("Ara Ara\r\nM 6285\r\n\r\n\r\nAries Ari\r\nM 617\r\n\r\n%"));
    ASSERT_EQ(ConstellationCount, 3);
    EXPECT_STREQ(ConstellationTable[1].name, "");    // the blank line took the header's place
    EXPECT_EQ(ConstellationTable[1].pointCount, 0);  // and "Aries Ari" ended its figure
    EXPECT_STREQ(ConstellationTable[2].name, "M");
}

TEST_F(Constellations, MissingTextLoadsNothing) {
    LoadConstellations(ResourceText{});
    EXPECT_EQ(ConstellationCount, 0);
    EXPECT_STREQ(ConstellationTable[0].name, "");
}

// Sets up the names of a few stars directly, as the star loader would leave them.
void NameStar(int number, const char* name) {
    std::strncpy(StarTable[number].name, name, StarNameSize - 1);
}

TEST_F(Constellations, LinkGivesTheFirstRowWhoseAbbreviationEndsTheName) {
    LoadConstellations(
        TextOf("Andromeda And\r\n\r\nSerpens Ser\r\n\r\nSerpens_Caput Ser\r\n\r\n%"));
    NameStar(15, "Alpheratz And");
    NameStar(92, " NOVA 1572");
    NameStar(93, "          ");
    NameStar(182, " M 31  And");
    NameStar(5854, "   Alp Ser");
    NameStar(6, "and");
    NameStar(7, "Ab");
    StarTable[8].constellationIndex = 42;  // unmatched stars keep what they hold
    LinkStarsToConstellations();
    EXPECT_EQ(StarTable[15].constellationIndex, 0);
    EXPECT_EQ(StarTable[182].constellationIndex, 0);
    EXPECT_EQ(StarTable[5854].constellationIndex, 1);  // "Serpens", never "Serpens_Caput"
    EXPECT_EQ(StarTable[92].constellationIndex, NoConstellation);
    EXPECT_EQ(StarTable[93].constellationIndex, NoConstellation);
    EXPECT_EQ(StarTable[6].constellationIndex, NoConstellation);  // case matters
    EXPECT_EQ(StarTable[7].constellationIndex, NoConstellation);
    EXPECT_EQ(StarTable[8].constellationIndex, 42);
}

}  // namespace
