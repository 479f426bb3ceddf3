// The grouping of the constellations into the seven letter submenus.
#include "shell/letter_groups.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"

namespace {

void SetNames(std::initializer_list<const char*> names) {
    ResetSkyModel();
    for (const char* name : names) {
        std::strncpy(ConstellationTable[ConstellationCount].name, name, ConstellationNameSize - 1);
        ++ConstellationCount;
    }
}

TEST(LetterGroups, ShippedConstellationsLandInTheirInitialsGroups) {
    ResetSkyModel();
    LoadConstellations();
    ASSERT_GT(ConstellationCount, 80);
    const std::vector<int> groups = AssignLetterGroups();
    ASSERT_EQ(static_cast<int>(groups.size()), ConstellationCount);
    for (int row = 0; row < ConstellationCount; ++row) {
        const char initial = ConstellationTable[row].name[0];
        const int group = groups[static_cast<std::size_t>(row)];
        EXPECT_LE(initial, LetterGroups[group]) << ConstellationTable[row].name;
        if (group > 0) {
            EXPECT_GT(initial, LetterGroups[group - 1]) << ConstellationTable[row].name;
        }
    }
    EXPECT_EQ(std::string(ConstellationTable[0].name), "Andromeda");
    EXPECT_EQ(groups.front(), 0);
    EXPECT_EQ(groups.back(), 6);
    ResetSkyModel();
}

TEST(LetterGroups, AnInitialThatSkipsAGroupMovesOnByOneGroupOnly) {
    SetNames({"Andromeda", "Draco", "Hydra", "Lyra"});
    EXPECT_EQ(AssignLetterGroups(), (std::vector<int>{0, 1, 2, 3}));
    ResetSkyModel();
}

TEST(LetterGroups, NamesPastZStayInTheLastGroup) {
    SetNames({"Bootes", "Cetus", "Draco", "Mensa", "Norma", "Sextans", "Virgo", "alpha", "zeta"});
    EXPECT_EQ(AssignLetterGroups(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 6, 6}));
    ResetSkyModel();
}

TEST(LetterGroups, InitialsAreComparedAsSignedCharacters) {
    // 0xC3 is negative as a signed character, so it never opens a new group.
    SetNames({"Aries", "\xC3rion", "Cetus"});
    EXPECT_EQ(AssignLetterGroups(), (std::vector<int>{0, 0, 1}));
    ResetSkyModel();
}

}  // namespace
