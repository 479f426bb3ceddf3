// The popup menu's Sky submenu, beside Labels: one checkable item for each of the sky's own lines
// and shapes (the Milky Way, the constellation boundaries, the ecliptic, the celestial equator,
// the altitude-azimuth grid). Each is a command with its key in the key table; the choice is
// remembered in the user's configuration (QSettings) and starts all off.
#pragma once

#include "chart/sky_choice.h"

class QMenu;

// The commands of the Sky items, outside the menu table's identifiers.
inline constexpr int CommandMilkyWay = 40210;
inline constexpr int CommandBoundaries = 40211;
inline constexpr int CommandEcliptic = 40212;
inline constexpr int CommandEquator = 40213;
inline constexpr int CommandAltAzGrid = 40214;

// The choice remembered from the last run (all off when none was).
SkyLayers ReadSkyChoice();
void WriteSkyChoice(const SkyLayers& sky);

// Adds the Sky submenu to `popup`, after its Labels submenu (before "Settings..." when there is
// none), checked as `sky` says, each item showing its key. Returns the submenu.
QMenu* AddSkyMenu(QMenu* popup, const SkyLayers& sky);

// Carries out a Sky command: flips its layer in `sky`, remembers the choice and sets the item's
// check mark. False, with nothing done, for any other command.
bool ApplySkyCommand(QMenu* menu, SkyLayers& sky, int command);
