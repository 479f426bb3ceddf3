// The window's preferences beyond the settings file, kept in QSettings (the user's configuration
// folder): for now the "Precise Positions" choice of the popup menu.
#pragma once

class QMenu;

// The command of the "Precise Positions" item; outside the menu table's identifiers.
inline constexpr int CommandPrecisePositions = 40100;

// Reads the remembered preferences into ViewSettings (absent: off).
void LoadPreferences();

// Adds the checkable "Precise Positions" item to `menu`, before "Settings...", checked as
// ViewSettings says.
void AddPreferenceItems(QMenu* menu);

// Carries out a preference command: flips the choice in ViewSettings, remembers it and sets the
// item's check mark. False, with nothing done, for any other command.
bool ApplyPreferenceCommand(QMenu* menu, int command);
