// Loading the deep-sky catalogue.
#include <string>
#include <tuple>

#include "catalog/loaders.h"
#include "catalog_test_support.h"

namespace {

using DeepSky = CatalogTest;

const char* const Crab = "M1 5.575 22.017 8.4 Crab_Nebula\r\n";
const char* const M3 = "M3 13.703 28.383 6.2 globular_cluster\r\n";

TEST_F(DeepSky, FieldsOfAnObjectLine) {
    LoadDeepSkyCatalogue(TextOf(std::string("2\r\n") + Crab + "M1234567890123 1 -2 3 " +
                                std::string(50, 'n') + "_x\r\n%\r\n\r\n"));
    ASSERT_EQ(DeepSkyCount, 2);
    const DeepSkyObject& crab = DeepSkyTable[0];
    EXPECT_STREQ(crab.identifier, "M1");
    EXPECT_STREQ(crab.name, "Crab Nebula");
    EXPECT_EQ(std::tuple(crab.rightAscension, crab.declination, crab.magnitude),
              std::tuple(5.575, 22.017, 8.4));
    EXPECT_DOUBLE_EQ(DeepSkyTable[1].declination, -2);
    EXPECT_STREQ(DeepSkyTable[1].identifier, "M12345678");  // cut to their fields
    EXPECT_EQ(std::string(DeepSkyTable[1].name), std::string(29, 'n'));
}

TEST_F(DeepSky, CountLineAndMalformedLinesBoundTheLoad) {
    const ResourceText shipped = FindTextResource("DEEPSKYDATA");
    const std::string shippedText(shipped.data, shipped.size);
    const std::string objects = shippedText.substr(shippedText.find('\n') + 1);
    const struct {
        std::string text;
        int count;
        std::size_t maxRows;  // the table is never larger than the lines present
    } rows[] = {
        {"5\r\n" + objects, 5, 5},
        {"999999999999999999999999\r\n" + objects, 111, 111},  // capped by the lines there
        {std::string("4\r\n") + Crab + "M2 21.558 0.817 6.5\r\n" + M3 + "%", 1, 4},  // 4 fields
        {std::string("3\r\n") + Crab + "M2 nan 0.817 6.5 x\r\n" + M3 + "%", 1, 3},
        {std::string("none\r\n") + Crab + "%", 0, 0},
        {std::string("-7\r\n") + Crab + "%", 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text.substr(0, 40));
        ResetSkyModel();
        LoadDeepSkyCatalogue(TextOf(r.text));
        EXPECT_EQ(DeepSkyCount, r.count);
        EXPECT_LE(DeepSkyTable.size(), r.maxRows);
        EXPECT_GE(DeepSkyTable.size(), static_cast<std::size_t>(r.count));
    }
}

}  // namespace
