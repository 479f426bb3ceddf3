// The letter submenus of the constellations.
#include "shell/letter_groups.h"

#include <algorithm>

#include "catalog/sky_model.h"

// Walks the rows in table order with one group index that starts at 0 and moves on by at most one
// per row: a row whose initial is past the current group's last letter (characters compared as
// signed 8-bit values) opens the next group. This relies on the constellation text being ordered
// by name and every group holding at least one name; a name whose initial skips a group lands
// only one group further on. A name past "Z" would move beyond the seventh submenu, which does
// not exist, so the index stays at the last group.
std::vector<int> AssignLetterGroups() {
    const int count = std::clamp(ConstellationCount, 0, MaxConstellations);
    std::vector<int> groups(static_cast<std::size_t>(count));
    int group = 0;
    for (int row = 0; row < count; ++row) {
        const auto initial = static_cast<signed char>(ConstellationTable[row].name[0]);
        if (initial > static_cast<signed char>(LetterGroups[group]) && group < LetterGroupCount - 1)
            ++group;
        groups[static_cast<std::size_t>(row)] = group;
    }
    return groups;
}
