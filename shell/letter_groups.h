// The grouping of the constellations into the popup menu's seven letter submenus.
#pragma once

#include <vector>

// The last initial letter of each letter submenu, in menu order.
inline constexpr char LetterGroups[] = "BCHMPSZ";
inline constexpr int LetterGroupCount = 7;

// The letter group (0..6) of every row of ConstellationTable, rows 0 to ConstellationCount - 1.
std::vector<int> AssignLetterGroups();
