// The catalogues compiled into the program, loaded as at start-up.
#include <string>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

class ShippedCatalogues : public CatalogTest {
  protected:
    void SetUp() override {
        CatalogTest::SetUp();
        LoadAllCatalogues();
    }
};

int RowNamed(const char* name) {
    for (int row = 0; row < ConstellationCount; ++row) {
        if (std::string(ConstellationTable[row].name) == name) return row;
    }
    return -1;
}

TEST_F(ShippedCatalogues, EveryStarIsAsCataloguedAndLinkedByItsName) {
    EXPECT_TRUE(messages_.empty());
    for (int n = 1; n <= MaxStarNumber; ++n) {
        ASSERT_NE(StarTable[n].magnitude, UnloadedMagnitude) << n;
        ASSERT_GE(std::string(StarTable[n].name).size(), 8u) << n;  // "Caph Cas"
    }
    EXPECT_DOUBLE_EQ(StarTable[1].magnitude, 6.7);
    EXPECT_DOUBLE_EQ(StarTable[1].rightAscension, 0.08608333333);
    EXPECT_DOUBLE_EQ(StarTable[1].declination, 45.22916666667);
    EXPECT_DOUBLE_EQ(StarTable[3].declination, -5.7075);
    const struct {
        int number;
        const char* name;
        const char* constellation;  // null: none
    } stars[] = {{1, "          ", nullptr},         {3, " 33    Psc", "Pisces"},
                 {15, "Alpheratz And", "Andromeda"}, {2491, "Sirius CMa", "Canis_Major"},
                 {182, " M 31  And", "Andromeda"},   {92, " NOVA 1572", nullptr}};
    for (const auto& s : stars) {
        EXPECT_STREQ(StarTable[s.number].name, s.name);
        EXPECT_EQ(StarTable[s.number].constellationIndex,
                  s.constellation ? RowNamed(s.constellation) : NoConstellation)
            << s.name;
    }
    EXPECT_EQ(RowNamed("Andromeda"), 0);
}

TEST_F(ShippedCatalogues, StarsLinkToTheFirstRowOfTheirAbbreviation) {
    const int serpens = RowNamed("Serpens");
    ASSERT_GE(serpens, 0);
    EXPECT_STREQ(ConstellationTable[serpens + 1].name, "Serpens_Caput");
    int seen = 0;
    for (int n = 1; n <= MaxStarNumber; ++n) {
        const std::string name = StarTable[n].name;
        if (name.size() >= 3 && name.compare(name.size() - 3, 3, "Ser") == 0) {
            EXPECT_EQ(StarTable[n].constellationIndex, serpens) << n;
            ++seen;
        }
    }
    EXPECT_GT(seen, 0);
    // Every name ending in one of the 86 abbreviations with a figure (all but CrA and Tel).
    int linked = 0;
    for (int n = 1; n <= MaxStarNumber; ++n) linked += StarTable[n].constellationIndex >= 0;
    EXPECT_EQ(linked, 3118);
}

TEST_F(ShippedCatalogues, EightySevenFiguresInMenuOrder) {
    ASSERT_EQ(ConstellationCount, 87);
    const Constellation& unused = ConstellationTable[87];
    EXPECT_STREQ(unused.name, "");
    EXPECT_EQ(unused.pointCount, 0);
    EXPECT_FALSE(unused.shown);
    for (int row = 1; row < ConstellationCount; ++row) {
        EXPECT_LE(ConstellationTable[row - 1].name[0], ConstellationTable[row].name[0]) << row;
    }
    for (int row = 0; row < ConstellationCount; ++row) {
        const Constellation& c = ConstellationTable[row];
        EXPECT_GE(c.pointCount, 2) << c.name;
        EXPECT_FALSE(c.drawFlags[0]) << c.name;  // every figure opens with a move
        for (int k = 0; k < c.pointCount; ++k) EXPECT_TRUE(StarTable[c.points[k]].inFigure);
    }
    EXPECT_STREQ(ConstellationTable[RowNamed("Orian")].abbreviation, "Ori");
    EXPECT_EQ(RowNamed("Corona_Australis"), -1);
}

TEST_F(ShippedCatalogues, HundredElevenDeepSkyObjectsAllHidden) {
    ASSERT_EQ(DeepSkyCount, 111);
    for (int i = 0; i < DeepSkyCount; ++i) EXPECT_FALSE(DeepSkyTable[i].shown) << i;
    EXPECT_STREQ(DeepSkyTable[0].identifier, "M1");
    EXPECT_STREQ(DeepSkyTable[0].name, "Crab Nebula");
    EXPECT_STREQ(DeepSkyTable[101].identifier, "M102a");
    EXPECT_STREQ(DeepSkyTable[102].identifier, "M102b");
    EXPECT_STREQ(DeepSkyTable[110].identifier, "M110");
}

}  // namespace
