// The command keys. Orientation keys follow the numeric keypad as a compass: 8 north at the
// top, 2 south, 4 west, 6 east, the corners between.
#include "shell/key_table.h"

#include "shell/commands.h"
#include "shell/getting_started.h"
#include "shell/preferences.h"
#include "shell/sky_menu.h"

namespace {

constexpr CommandKey CommandKeys_[] = {
    {CommandToPrinter, "Ctrl+P"},
    {CommandToFile, "Ctrl+S"},
    {CommandExit, "Ctrl+Q"},  // through the save prompt, as every way of closing
    {CommandAbout, "F1"},
    {CommandGettingStarted, "Shift+F1"},  // beside About's F1, which it keeps
    {CommandSettings, "Ctrl+L"},          // the latitude
    {CommandNightMode, "Ctrl+Shift+N"},
    {CommandFind, "Ctrl+F"},
    {CommandTonight, "Ctrl+T"},
    {CommandPrecisePositions, "Ctrl+Shift+P"},
    {CommandShowAllConstellations, "Ctrl+K"},
    {CommandHideAllConstellations, "Ctrl+Shift+K"},
    {CommandShowAllDeepSky, "Ctrl+M"},
    {CommandHideAllDeepSky, "Ctrl+Shift+M"},
    {CommandNorth, "Ctrl+8"},
    {CommandNorthEast, "Ctrl+9"},
    {CommandEast, "Ctrl+6"},
    {CommandSouthEast, "Ctrl+3"},
    {CommandSouth, "Ctrl+2"},
    {CommandSouthWest, "Ctrl+1"},
    {CommandWest, "Ctrl+4"},
    {CommandNorthWest, "Ctrl+7"},
    {CommandMilkyWay, "Ctrl+Shift+W"},
    {CommandBoundaries, "Ctrl+Shift+B"},
    {CommandEcliptic, "Ctrl+Shift+E"},
    {CommandEquator, "Ctrl+Shift+R"},
    {CommandAltAzGrid, "Ctrl+Shift+G"},
};

}  // namespace

std::span<const CommandKey> CommandKeyTable() {
    return CommandKeys_;
}

const char* CommandKeys(int command) {
    for (const CommandKey& row : CommandKeys_)
        if (row.command == command) return row.keys;
    return nullptr;
}
