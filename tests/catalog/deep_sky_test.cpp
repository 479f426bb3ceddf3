// Loading the deep-sky catalogue.
#include <string>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

// The shipped deep-sky text with its count line replaced by `countLine`.
std::string ShippedWithCountLine(const std::string& countLine) {
    const ResourceText shipped = FindTextResource("DEEPSKYDATA");
    const std::string text(shipped.data, shipped.size);
    return countLine + text.substr(text.find('\n') + 1);
}

using DeepSky = CatalogTest;

TEST_F(DeepSky, SmallerCountLoadsOnlyThatMany) {
    LoadDeepSkyCatalogue(TextOf(ShippedWithCountLine("5\r\n")));
    ASSERT_EQ(DeepSkyCount, 5);
    EXPECT_STREQ(DeepSkyTable[0].identifier, "M1");
    EXPECT_STREQ(DeepSkyTable[4].identifier, "M5");
}

TEST_F(DeepSky, LargerCountLoadsWhatIsThere) {
    LoadDeepSkyCatalogue(TextOf(ShippedWithCountLine("200\r\n")));
    EXPECT_EQ(DeepSkyCount, 111);
    EXPECT_GE(DeepSkyTable.size(), 111u);
    EXPECT_STREQ(DeepSkyTable[110].identifier, "M110");
}

TEST_F(DeepSky, FieldsOfAnObjectLine) {
    LoadDeepSkyCatalogue(
        TextOf("2\r\nM1 5.575 22.017 8.4 Crab_Nebula\r\n"
               "M24 18.282 -18.500 4.6 Milky_Way_patch\r\n%\r\n\r\n"));
    ASSERT_EQ(DeepSkyCount, 2);
    const DeepSkyObject& crab = DeepSkyTable[0];
    EXPECT_STREQ(crab.identifier, "M1");
    EXPECT_STREQ(crab.name, "Crab Nebula");
    EXPECT_DOUBLE_EQ(crab.rightAscension, 5.575);
    EXPECT_DOUBLE_EQ(crab.declination, 22.017);
    EXPECT_DOUBLE_EQ(crab.magnitude, 8.4);
    EXPECT_FALSE(crab.shown);
    EXPECT_STREQ(DeepSkyTable[1].name, "Milky Way patch");
    EXPECT_DOUBLE_EQ(DeepSkyTable[1].declination, -18.5);
}

TEST_F(DeepSky, MalformedLineEndsTheLoad) {
    LoadDeepSkyCatalogue(
        TextOf("4\r\nM1 5.575 22.017 8.4 Crab_Nebula\r\nM2 21.558 0.817 6.5\r\n"
               "M3 13.703 28.383 6.2 globular_cluster\r\n%"));
    EXPECT_EQ(DeepSkyCount, 1);
}

TEST_F(DeepSky, NotANumberEndsTheLoad) {
    LoadDeepSkyCatalogue(
        TextOf("3\r\nM1 5.575 22.017 8.4 Crab_Nebula\r\nM2 nan 0.817 6.5 x\r\n"
               "M3 13.703 28.383 6.2 globular_cluster\r\n%"));
    EXPECT_EQ(DeepSkyCount, 1);
}

TEST_F(DeepSky, OverlongIdentifierAndNameAreCut) {
    LoadDeepSkyCatalogue(TextOf("1\r\nM1234567890123 1 2 3 " + std::string(50, 'n') + "_x\r\n%"));
    ASSERT_EQ(DeepSkyCount, 1);
    EXPECT_STREQ(DeepSkyTable[0].identifier, "M12345678");
    EXPECT_EQ(std::string(DeepSkyTable[0].name), std::string(29, 'n'));
}

TEST_F(DeepSky, UnusableCountLinesGiveNoRows) {
    for (const char* countLine : {"none\r\n", "-7\r\n", "\r\n"}) {
        ResetSkyModel();
        LoadDeepSkyCatalogue(
            TextOf(std::string(countLine) + "M1 5.575 22.017 8.4 Crab_Nebula\r\n%"));
        EXPECT_EQ(DeepSkyCount, 0) << countLine;
        EXPECT_TRUE(DeepSkyTable.empty()) << countLine;
    }
}

TEST_F(DeepSky, HugeCountAllocatesNoMoreThanTheLinesPresent) {
    LoadDeepSkyCatalogue(
        TextOf("999999999999999999999999\r\nM1 5.575 22.017 8.4 Crab_Nebula\r\n"
               "M2 21.558 0.817 6.5 globular_cluster\r\n%\r\n\r\n"));
    EXPECT_EQ(DeepSkyCount, 2);
    EXPECT_LE(DeepSkyTable.size(), 2u);
}

TEST_F(DeepSky, MissingTextLeavesAnEmptyTable) {
    LoadDeepSkyCatalogue(ResourceText{});
    EXPECT_EQ(DeepSkyCount, 0);
    EXPECT_TRUE(DeepSkyTable.empty());
    LoadDeepSkyCatalogue(TextOf("%\r\n"));
    EXPECT_EQ(DeepSkyCount, 0);
}

}  // namespace
