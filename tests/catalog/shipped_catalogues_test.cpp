// The catalogues compiled into the program, loaded as at start-up. That the texts are what the
// generator makes from the sources is checked by catalog_texts_match_generator.
#include <string>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

using ShippedCatalogues = CatalogTest;

int RowNamed(const char* name) {
    for (int row = 0; row < ConstellationCount; ++row) {
        if (std::string(ConstellationTable[row].name) == name) return row;
    }
    return -1;
}

TEST_F(ShippedCatalogues, EveryStarFigureAndObjectLoadsAndStarsLinkByName) {
    LoadAllCatalogues();
    EXPECT_TRUE(messages.empty());
    for (int n = 1; n <= MaxStarNumber; ++n) ASSERT_NE(StarTable[n].magnitude, UnloadedMagnitude);
    EXPECT_DOUBLE_EQ(StarTable[3].declination, -5.7075);
    EXPECT_STREQ(StarTable[3].name, " 33    Psc");
    ASSERT_EQ(ConstellationCount, 87);
    ASSERT_EQ(DeepSkyCount, 111);
    EXPECT_STREQ(DeepSkyTable[101].identifier, "M102a");

    // Stars link to the first row of their abbreviation: Serpens, the tail, never the head
    // (Serpens_Caput) after it; a withdrawn number's name links to nothing.
    const int serpens = RowNamed("Serpens");
    EXPECT_STREQ(ConstellationTable[serpens + 1].name, "Serpens_Caput");
    EXPECT_EQ(StarTable[5854].constellationIndex, serpens);                  // " 24Alp Ser"
    EXPECT_EQ(StarTable[2491].constellationIndex, RowNamed("Canis_Major"));  // "Sirius CMa"
    EXPECT_EQ(StarTable[92].constellationIndex, NoConstellation);            // " NOVA 1572"
    // Every name ending in one of the 86 abbreviations with a figure (all but CrA and Tel).
    int linked = 0;
    for (int n = 1; n <= MaxStarNumber; ++n) linked += StarTable[n].constellationIndex >= 0;
    EXPECT_EQ(linked, 3118);
}

}  // namespace
