// The popup menu as a QMenu tree, built from the one table of labels and command identifiers.
#pragma once

#include <array>

#include "shell/letter_groups.h"

class QAction;
class QMenu;
class QWidget;

struct PopupMenuTree {
    QMenu* menu = nullptr;                               // "Main Popup Menu"
    std::array<QMenu*, LetterGroupCount> letterMenus{};  // "A - B" ... "T -  V"
};

// Builds the menu tree under `parent` from MainPopupMenuTable(). Every item carries its command
// identifier as its data; the letter headers are enabled or not as the table says.
PopupMenuTree BuildPopupMenu(QWidget* parent);

// Appends one checkable item per ConstellationTable row to its letter submenu (command
// ConstellationCommandBase + row, the name as stored, unchecked) and records the submenu in the
// row's Constellation.submenu.
void FillLetterSubmenus(const PopupMenuTree& tree);

// Shows the command's key from the key table beside its item (none when it has no key).
void ShowCommandKeys(QAction* action, int command);

// The first item of `menu` or its submenus with the given command, or null.
QAction* FindCommandAction(const QMenu* menu, int command);

// Sets the check mark of constellation `row`'s item, in the row's submenu, to its shown flag.
void UpdateConstellationCheck(int row);

// Shows the command's key from the key table beside its item, if it has one.
void ShowCommandKeys(QAction* action, int command);
