// The grouping of the constellations into the seven letter submenus.
#include "shell/letter_groups.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"

namespace {

TEST(LetterGroups, ShippedConstellationsLandInTheirInitialsGroups) {
    ResetSkyModel();
    LoadConstellations();
    ASSERT_GT(ConstellationCount, 80);
    const std::vector<int> groups = AssignLetterGroups();
    ASSERT_EQ(static_cast<int>(groups.size()), ConstellationCount);
    for (int row = 0; row < ConstellationCount; ++row) {
        SCOPED_TRACE(ConstellationTable[row].name);
        const char initial = ConstellationTable[row].name[0];
        const int group = groups[static_cast<std::size_t>(row)];
        EXPECT_LE(initial, LetterGroups[group]);
        if (group > 0) {
            EXPECT_GT(initial, LetterGroups[group - 1]);
        }
    }
    EXPECT_EQ(groups.front(), 0);
    EXPECT_EQ(groups.back(), 6);
    ResetSkyModel();
}

// The index moves on by at most one group per row, compares initials as signed characters
// (0xC3 is negative and never opens a group) and stays in the last group past "Z".
TEST(LetterGroups, OneGroupPerRowAtMostSignedInitialsAndNoGroupPastTheLast) {
    const struct {
        std::vector<const char*> names;
        std::vector<int> groups;
    } rows[] = {
        {{"Andromeda", "Draco", "Hydra", "Lyra"}, {0, 1, 2, 3}},
        {{"Aries", "\xC3rion", "Cetus"}, {0, 0, 1}},
        {{"Bootes", "Cetus", "Draco", "Mensa", "Norma", "Sextans", "Virgo", "alpha", "zeta"},
         {0, 1, 2, 3, 4, 5, 6, 6, 6}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.names.front());
        ResetSkyModel();
        for (const char* name : row.names)
            std::strncpy(ConstellationTable[ConstellationCount++].name, name,
                         ConstellationNameSize - 1);
        EXPECT_EQ(AssignLetterGroups(), row.groups);
    }
    ResetSkyModel();
}

}  // namespace
