// The keyboard's way to the window's commands: one table from command identifier to key
// sequence. The popup menu shows each key beside its item, and the window answers each key
// wherever the focus is. A new command gets its key by one more row in key_table.cpp.
#pragma once

#include <span>

struct CommandKey {
    int command;       // a command identifier of the popup menu (commands.h)
    const char* keys;  // in QKeySequence's portable text: "Ctrl+P", "F1", "Ctrl+Shift+N"
};

// Every command that has a key, one row a command.
std::span<const CommandKey> CommandKeyTable();

// The keys of `command`, or null when it has none.
const char* CommandKeys(int command);

// The keys that open the popup menu at the centre of the chart, wherever the focus is.
inline constexpr const char* PopupMenuKeys[] = {"Menu", "Shift+F10"};
